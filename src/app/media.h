// The program's sounds, tune and pictures by name, for the windows.
#pragma once

#include <QImage>
#include <QString>

#include <functional>

class QLabel;

namespace media {

void playsound(const QString& name);             // without waiting; a missing sound is skipped
void showanimation(QLabel* label, const QString& name);  // a GIF resource, playing in the label
QImage picture(const QString& name);             // the first frame of a GIF resource
// Starts a tune; false when no player could start. A player that starts and then gives up
// (no sound device, say) calls failed later instead.
bool playtune(const QString& name, std::function<void()> failed = {});

}  // namespace media
