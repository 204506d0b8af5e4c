// The question pictures on the right of the exercise window: segments and shapes with
// labelled sides, one or two clock faces, the number-series table and the bar chart.
// Everything is drawn at fixed positions on a Canvas. The window gives every picture a
// fresh canvas (black pen 1 wide, solid white brush, MS Sans Serif 8 in black), and the
// pictures rely on that start: the segment's letters are written on the white brush.
#pragma once

#include "lesson/canvas.h"

#include <array>
#include <cstdint>
#include <string>

// What the pictures show. The posers that own these numbers copy them in before they ask
// for a picture, and leave them for the window's repaint.
struct Picturedata {
    // Length poser: side labels 1..4 ("12cm"); sidelabels[0] is label 1.
    std::array<std::string, 4> sidelabels;

    // Area poser: which way the triangle points (1..3, anything else draws nothing).
    int32_t orientation = 0;
    std::string arealabel1, arealabel2;

    // Time poser: the two clock times. centrex, centrey and radius are the face being
    // drawn; the painter sets them before it draws the hands.
    int32_t hour = 0, minute = 0, hour2 = 0, minute2 = 0;
    int32_t centrex = 0, centrey = 0, radius = 0;

    // Number poser: the series (series[0] is position 1) and, for the cells shown, the
    // series positions: three numbers, then the one marked "X".
    std::array<int32_t, 6> series{};
    std::array<int32_t, 4> gridorder{};

    // Number poser: apples sold Monday to Friday, one pixel of bar per apple.
    std::array<int32_t, 5> sales{};
};

class Picturepainter {
public:
    Picturepainter(Canvas& canvas, Picturedata& data, double& scale) : canvas_(canvas), data_(data), scale_(scale) {}

    // Draws picture `kind` (1..9); 0 and anything else draw nothing.
    void paintpicture(uint32_t kind);

    // The three parts of a clock face; the hands turn about centrex, centrey.
    void drawface(int32_t cx, int32_t cy, int32_t r);
    void drawminutehand(int32_t m);
    void drawhourhand(int32_t h, int32_t m);

private:
    Canvas& canvas_;
    Picturedata& data_;
    double& scale_;

    int at(double x) const;
    void line(int x1, int y1, int x2, int y2);
    void rect(int x1, int y1, int x2, int y2);
    void text(int x, int y, const std::string& s);
    void hand(double angle, int32_t length);
    void clock(int32_t cy, int32_t h, int32_t m);

    void segment();
    void rectangle();
    void rectangletriangle();
    void seriestable();
    void notchedrectangle();
    void squaretriangle();
    void barchart();
};

// For the window's paint handler: draws Tposelitq's picturekind with its scale.
inline void paintpicture(Canvas& canvas, uint32_t kind, Picturedata& data, double& scale)
{
    Picturepainter(canvas, data, scale).paintpicture(kind);
}
