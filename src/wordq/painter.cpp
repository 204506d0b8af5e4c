#include "painter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

constexpr uint32_t black = 0x000000, blue = 0xFF0000, red = 0x0000FF, yellow = 0x00FFFF;

constexpr double pi = std::numbers::pi;
constexpr double arrowspread = 2 * pi / 15;  // 24 degrees either side of the hand
constexpr int arrowlength = 10;

// Pascal's Round: a half goes to the even neighbour. Worked out here rather than left to
// the floating-point rounding mode, which someone else may have changed.
int pascalround(double x)
{
    double r = std::round(x);
    if (std::fabs(x - std::trunc(x)) == 0.5)
        r = 2.0 * std::round(x / 2.0);
    return static_cast<int>(r);
}

}  // namespace

int Picturepainter::at(double x) const
{
    return pascalround(scale_ * x);
}

void Picturepainter::line(int x1, int y1, int x2, int y2)
{
    canvas_.line(at(x1), at(y1), at(x2), at(y2));
}

// Some shapes name their corners right to left or bottom to top; the canvas wants the
// top-left corner first, as the old rectangle call sorted them itself.
void Picturepainter::rect(int x1, int y1, int x2, int y2)
{
    canvas_.rectangle(at(std::min(x1, x2)), at(std::min(y1, y2)), at(std::max(x1, x2)), at(std::max(y1, y2)));
}

void Picturepainter::text(int x, int y, const std::string& s)
{
    canvas_.text(at(x), at(y), s);
}

void Picturepainter::paintpicture(uint32_t kind)
{
    scale_ = 1.0;
    switch (kind) {
    case 1:
        segment();
        break;
    case 2:
        rectangle();
        break;
    case 3:
        rectangletriangle();
        break;
    case 4:
        clock(100, data_.hour, data_.minute);
        break;
    case 5:
        clock(100, data_.hour, data_.minute);
        clock(250, data_.hour2, data_.minute2);
        break;
    case 6:
        seriestable();
        break;
    case 7:
        notchedrectangle();
        break;
    case 8:
        squaretriangle();
        break;
    case 9:
        barchart();
        break;
    default:
        break;
    }
}

void Picturepainter::clock(int32_t cy, int32_t h, int32_t m)
{
    drawface(560, cy, 50);
    data_.centrex = 560;
    data_.centrey = cy;
    data_.radius = 50;
    drawminutehand(m);
    drawhourhand(h, m);
}

void Picturepainter::segment()
{
    canvas_.setfontcolour(blue);
    canvas_.setfontsize(8);
    line(480, 100, 580, 100);
    line(580, 97, 580, 103);
    line(510, 97, 510, 103);
    line(480, 97, 480, 103);
    text(480, 103, "A");
    text(510, 103, "B");
    text(580, 103, "C");
    canvas_.setfontname("MS Serif");
    canvas_.setfontsize(7);
    text(480, 80, data_.sidelabels[0]);
    canvas_.setfontname("MS Sans Serif");
}

void Picturepainter::rectangle()
{
    canvas_.setbrushclear();
    rect(500, 70, 600, 130);
    canvas_.setfontcolour(blue);
    canvas_.setfontsize(8);
    text(500, 57, "A");
    text(600, 57, "B");
    text(600, 130, "C");
    text(500, 130, "D");
    text(480, 100, data_.sidelabels[0]);
    text(550, 130, data_.sidelabels[3]);
}

void Picturepainter::rectangletriangle()
{
    canvas_.setbrushclear();
    rect(480, 60, 550, 110);
    line(550, 110, 620, 110);
    line(620, 110, 550, 60);
    // The two bases are the same length.
    line(585, 107, 585, 113);
    line(515, 107, 515, 113);
    canvas_.setfontcolour(blue);
    canvas_.setfontsize(8);
    text(530, 85, data_.sidelabels[1]);
    text(515, 110, data_.sidelabels[2]);
    text(590, 85, data_.sidelabels[3]);
}

void Picturepainter::seriestable()
{
    canvas_.setbrushclear();
    for (int row = 0; row < 6; ++row)
        rect(480, 10 + 20 * row, 580, 30 + 20 * row);
    // Three cells show their number; the fourth entry is the cell the pupil fills, moved
    // past the numbers so that it writes "X" in the right-hand column.
    for (int j = 0; j < 4; ++j) {
        const int32_t s = j < 3 ? data_.gridorder[j] : data_.gridorder[j] + 6;
        canvas_.setfontcolour(blue);
        if (s >= 1 && s <= 6)
            text(490, 15 + 20 * (s - 1), std::to_string(data_.series[s - 1]));
        else if (s >= 7 && s <= 12)
            text(530, 15 + 20 * (s - 7), "X");
    }
}

void Picturepainter::notchedrectangle()
{
    canvas_.setbrushclear();
    rect(500, 70, 600, 130);
    line(600, 130, 550, 100);
    line(550, 100, 600, 70);
    line(595, 100, 605, 100);
    // The notch's two sides are equal.
    line(575, 115, 577, 110);
    line(575, 115, 573, 120);
    line(575, 85, 577, 90);
    line(575, 85, 573, 80);
    canvas_.setfontcolour(blue);
    canvas_.setfontsize(8);
    text(500, 57, "A");
    text(600, 57, "B");
    text(600, 130, "C");
    text(500, 130, "D");
    text(570, 95, "E");
    text(480, 100, data_.sidelabels[0]);
    text(550, 130, data_.sidelabels[3]);
}

void Picturepainter::squaretriangle()
{
    // One layout per orientation: the square, the tall rectangle beside it, the triangle
    // across both, their shared edge, the equal-side ticks and where the labels go.
    struct Layout {
        std::array<int, 4> square, tall;
        std::array<Canvaspoint, 3> triangle;
        std::array<int, 4> shared;
        std::array<std::array<int, 4>, 6> ticks;
        Canvaspoint label1, label2;
    };
    static const Layout layouts[3] = {
        {{485, 70, 535, 120},
         {535, 40, 585, 120},
         {{{485, 120}, {535, 120}, {585, 40}}},
         {535, 70, 535, 120},
         {{{483, 95, 487, 95},
           {533, 95, 537, 95},
           {510, 68, 510, 72},
           {510, 118, 510, 122},
           {560, 38, 560, 42},
           {560, 118, 560, 122}}},
         {465, 93},
         {586, 80}},
        {{585, 70, 535, 120},
         {535, 40, 485, 120},
         {{{585, 120}, {535, 120}, {485, 40}}},
         {535, 70, 535, 120},
         {{{587, 95, 583, 95},
           {537, 95, 533, 95},
           {560, 68, 560, 72},
           {560, 118, 560, 122},
           {510, 38, 510, 42},
           {510, 118, 510, 122}}},
         {585, 95},
         {465, 80}},
        {{585, 90, 535, 40},
         {535, 120, 485, 40},
         {{{585, 40}, {535, 40}, {485, 120}}},
         {535, 90, 535, 40},
         {{{587, 65, 583, 65},
           {537, 65, 533, 65},
           {560, 92, 560, 88},
           {560, 42, 560, 38},
           {510, 122, 510, 118},
           {510, 42, 510, 38}}},
         {585, 67},
         {465, 80}},
    };
    if (data_.orientation < 1 || data_.orientation > 3)
        return;
    const Layout& l = layouts[data_.orientation - 1];

    canvas_.setbrushclear();
    rect(l.square[0], l.square[1], l.square[2], l.square[3]);
    rect(l.tall[0], l.tall[1], l.tall[2], l.tall[3]);
    canvas_.setbrushcolour(yellow);
    std::vector<Canvaspoint> corners;
    for (const Canvaspoint& p : l.triangle)
        corners.push_back({at(p.x), at(p.y)});
    canvas_.polygon(corners);
    line(l.shared[0], l.shared[1], l.shared[2], l.shared[3]);
    for (const auto& t : l.ticks)
        line(t[0], t[1], t[2], t[3]);
    canvas_.setfontcolour(blue);
    canvas_.setfontsize(8);
    canvas_.setbrushclear();
    text(l.label1.x, l.label1.y, data_.arealabel1);
    text(l.label2.x, l.label2.y, data_.arealabel2);
}

void Picturepainter::barchart()
{
    static const char* const english[5] = {"Mon", "Tue", "Wed", "Thu", "Fri"};
    static const char* const malay[5] = {"Isn", "Sel", "Rab", "Kha", "Jum"};

    canvas_.setbrushclear();
    text(470, 15, "100");
    for (int v = 90; v >= 10; v -= 10)
        text(475, 115 - v, std::to_string(v));
    canvas_.setfontsize(8);
    canvas_.setfontcolour(black);
    for (int d = 0; d < 5; ++d)
        text(490 + 25 * d, 125, english[d]);
    canvas_.setfontsize(8);
    canvas_.setfontcolour(blue);
    for (int d = 0; d < 5; ++d)
        text(490 + 25 * d, 135, malay[d]);
    canvas_.setbrushcolour(yellow);
    for (int d = 0; d < 5; ++d)
        rect(490 + 25 * d, 120 - data_.sales[d], 515 + 25 * d, 120);
    canvas_.setfontcolour(black);
    // The grid goes over the bars so that their heights can be read off.
    for (int y = 20; y <= 120; y += 10)
        line(490, y, 615, y);
    for (int x = 490; x <= 615; x += 25)
        line(x, 20, x, 120);
}

void Picturepainter::drawface(int32_t cx, int32_t cy, int32_t r)
{
    canvas_.setpenwidth(1);
    canvas_.setpencolour(black);
    // Always an unfilled circle: otherwise the very first face would take whatever brush
    // the window started with, and a repaint would look different from it.
    canvas_.setbrushclear();
    canvas_.ellipse(at(cx - r - 20), at(cy - r - 20), at(cx + r + 20), at(cy + r + 20));
    canvas_.setpencolour(yellow);
    canvas_.setbrushcolour(yellow);
    canvas_.setfontsize(8);
    // Thirteen numerals: the 12 goes over the 0 at the top.
    for (int n = 0; n <= 12; ++n) {
        const double angle = n * 2 * pi / 12;
        const int x = cx + pascalround(std::sin(angle) * r);
        const int y = cy - pascalround(std::cos(angle) * r);
        text(x - 3, y - 6, std::to_string(n));
    }
}

// A hand from the centre to `length` along `angle` (clockwise from twelve), with an
// arrow head at its tip.
void Picturepainter::hand(double angle, int32_t length)
{
    const int cx = data_.centrex, cy = data_.centrey;
    const int tx = cx + pascalround(std::sin(angle) * length);
    const int ty = cy - pascalround(std::cos(angle) * length);
    line(cx, cy, tx, ty);
    for (const double side : {angle + arrowspread, angle - arrowspread})
        line(tx, ty, tx - pascalround(std::sin(side) * arrowlength), ty + pascalround(std::cos(side) * arrowlength));
}

void Picturepainter::drawminutehand(int32_t m)
{
    canvas_.setpencolour(blue);
    canvas_.setpenwidth(1);
    canvas_.setbrushclear();
    hand(m * 2 * pi / 60, data_.radius - 7);
}

void Picturepainter::drawhourhand(int32_t h, int32_t m)
{
    canvas_.setpencolour(red);
    canvas_.setbrushclear();
    canvas_.setpenwidth(3);
    // Half a degree further for every minute past the hour.
    hand(h * 2 * pi / 12 + (2 * m) * pi / 720, data_.radius - 20);
    canvas_.setpencolour(black);
    canvas_.setpenwidth(1);
}
