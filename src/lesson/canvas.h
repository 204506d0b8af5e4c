// A canvas to draw on, as the picture painter and the oval buttons see it. The windows
// give it a QPainter; tests give it a recorder. Coordinates are pixels, colours $BBGGRR.
// Like the old canvas, pen, brush and font stay as the last drawing left them; the windows
// make a new canvas for each paint.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct Canvaspoint {
    int x, y;
};

// A picture the canvas can copy (a button's glyph strip). Only the windows make one, so
// it is defined beside the QPainter canvas (widgets/qtcanvas.h); the core never looks inside.
struct Canvasimage;

class Canvas {
public:
    virtual ~Canvas() = default;

    // Pen: colour, width, and whether it draws at all (a clear pen draws nothing).
    virtual void setpencolour(uint32_t bgr) = 0;
    virtual void setpenwidth(int width) = 0;
    virtual void setpenclear(bool clear) = 0;
    // Brush: a colour makes it solid; clear leaves shapes unfilled and text unbacked.
    virtual void setbrushcolour(uint32_t bgr) = 0;
    virtual void setbrushclear() = 0;
    // Font: face name, size in points, colour, style.
    virtual void setfontname(const std::string& name) = 0;
    virtual void setfontsize(int points) = 0;
    virtual void setfontcolour(uint32_t bgr) = 0;
    virtual void setfontstyle(bool bold, bool italic) = 0;

    virtual void line(int x1, int y1, int x2, int y2) = 0;
    // Outline with the pen, filled with the brush; (x2, y2) is just outside the shape.
    virtual void rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    // The arc of the ellipse in (x1,y1)-(x2,y2), counter-clockwise from the ray towards
    // (sx,sy) to the ray towards (ex,ey).
    virtual void arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) = 0;
    virtual void polygon(const std::vector<Canvaspoint>& points) = 0;
    // Fills with the brush only, no outline.
    virtual void fillrect(int x1, int y1, int x2, int y2) = 0;
    // Text with its top-left corner at (x, y), backed by the brush unless it is clear.
    virtual void text(int x, int y, const std::string& s) = 0;
    // Text centred in the box on one line; "&x" underlines x when accelerators is set.
    virtual void textinbox(int x1, int y1, int x2, int y2, const std::string& s, bool accelerators) = 0;
    // Width and height of a text in the current font ("&" counted as a prefix when asked).
    virtual std::pair<int, int> textsize(const std::string& s, bool accelerators) = 0;
    // Copies the w x h part of the image at (sx, sy) to (x, y). Pixels of the transparent
    // colour take the brush, or are left as they were when the brush is clear.
    virtual void copyimage(int x, int y, const Canvasimage& image, int sx, int sy, int w, int h,
                           uint32_t transparent) = 0;
};
