// The program's sounds, tune and pictures by name, for the windows.
#pragma once

#include <QImage>
#include <QString>

class QLabel;

namespace media {

void playsound(const QString& name);             // without waiting; a missing sound is skipped
int soundlength(const QString& name);            // in ms, 0 when unknown
void showanimation(QLabel* label, const QString& name);  // a GIF resource, playing in the label
QImage picture(const QString& name);             // the first frame of a GIF resource
bool playtune(const QString& name);              // false when no player works

}  // namespace media
