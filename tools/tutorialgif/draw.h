// Draws a tutorial script into its frames, one per step, as a children's textbook page:
// the title band, the working area with what the steps wrote, the step's words below.
#pragma once

#include "tutorial/script.h"

#include <QImage>
#include <QRgb>
#include <QString>

#include <vector>

namespace tutorialgif {

struct Picture {
    QImage image;  // framewidth x frameheight times the scale
    int delayCs = 0;
};

// The frames of a script, or none with error set to "LINE: what is wrong".
std::vector<Picture> drawscript(const tutorial::Script& script, int scale, QString& error);

// Every colour the frames use and their blends with what they are drawn on, so a frame
// maps onto it without dithering. At most 256.
std::vector<QRgb> palette();

// Whether the font the frames are drawn with is installed; error names what is missing.
bool fontready(QString& error);

}  // namespace tutorialgif
