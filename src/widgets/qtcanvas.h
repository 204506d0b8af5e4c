// The canvas the windows paint with: the Canvas port on a QPainter. It keeps its own pen,
// brush and font, starting like a fresh Windows canvas (black pen 1 wide, solid white
// brush, MS Sans Serif 8 in black), and the geometry follows the old GDI calls: boxes are
// exclusive of (x2, y2) with the outline inside them, a line leaves out its end point.
#pragma once

#include "lesson/canvas.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

class QPainter;

struct Canvasimage {
    QImage image;
};

class Qtcanvas final : public Canvas {
public:
    explicit Qtcanvas(QPainter& painter);

    void setpencolour(uint32_t bgr) override;
    void setpenwidth(int width) override;
    void setpenclear(bool clear) override;
    void setbrushcolour(uint32_t bgr) override;
    void setbrushclear() override;
    void setfontname(const std::string& name) override;
    void setfontsize(int points) override;
    void setfontcolour(uint32_t bgr) override;
    void setfontstyle(bool bold, bool italic) override;

    void line(int x1, int y1, int x2, int y2) override;
    void rectangle(int x1, int y1, int x2, int y2) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey) override;
    void polygon(const std::vector<Canvaspoint>& points) override;
    void fillrect(int x1, int y1, int x2, int y2) override;
    void text(int x, int y, const std::string& s) override;
    void textinbox(int x1, int y1, int x2, int y2, const std::string& s, bool accelerators) override;
    std::pair<int, int> textsize(const std::string& s, bool accelerators) override;
    void copyimage(int x, int y, const Canvasimage& image, int sx, int sy, int w, int h,
                   uint32_t transparent) override;

    static QColor colour(uint32_t bgr);
    static uint32_t bgr(const QColor& colour);
    // The installed family closest to an old Windows face name; other names pass through.
    static QString family(const std::string& name);

private:
    QPainter& painter;
    QColor pencolour{Qt::black};
    int penwidth = 1;
    bool penclear = false;
    QColor brushcolour{Qt::white};
    bool brushclear = false;
    QFont font;
    QColor fontcolour{Qt::black};

    void usepen();
    void usebrush();
    void usefont();
};
