#include "widgets/qtcanvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// The old faces and, nearest first, what stands in for them here. Liberation shares
// Arial's, Times' and Courier's widths, so text laid out for those keeps its size.
struct Facechoice {
    const char* old;
    QStringList candidates;
};

const Facechoice facechoices[] = {
    {"ms sans serif", {"Liberation Sans", "DejaVu Sans"}},
    {"microsoft sans serif", {"Liberation Sans", "DejaVu Sans"}},
    {"ms shell dlg", {"Liberation Sans", "DejaVu Sans"}},
    {"arial", {"Liberation Sans", "DejaVu Sans"}},
    {"tahoma", {"DejaVu Sans", "Liberation Sans"}},
    {"verdana", {"DejaVu Sans", "Liberation Sans"}},
    {"ms serif", {"Liberation Serif", "DejaVu Serif"}},
    {"times new roman", {"Liberation Serif", "DejaVu Serif"}},
    {"courier new", {"Liberation Mono", "DejaVu Sans Mono"}},
    {"courier", {"Liberation Mono", "DejaVu Sans Mono"}},
};

// A box from two corners, whichever way round they come.
QRectF box(int x1, int y1, int x2, int y2)
{
    return QRectF(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1));
}

}  // namespace

Qtcanvas::Qtcanvas(QPainter& p) : painter(p)
{
    font.setFamily(family("MS Sans Serif"));
    font.setPointSize(8);
}

QColor Qtcanvas::colour(uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

uint32_t Qtcanvas::bgr(const QColor& c)
{
    const QRgb rgb = c.rgb();
    return static_cast<uint32_t>(qRed(rgb)) | static_cast<uint32_t>(qGreen(rgb)) << 8 |
           static_cast<uint32_t>(qBlue(rgb)) << 16;
}

QString Qtcanvas::family(const std::string& name)
{
    static QHash<QString, QString> known;
    const QString asked = QString::fromStdString(name);
    const QString key = asked.trimmed().toLower();
    if (const auto it = known.constFind(key); it != known.constEnd())
        return *it;
    QString chosen = asked;
    for (const auto& choice : facechoices) {
        if (key != QLatin1String(choice.old))
            continue;
        chosen = choice.candidates.front();  // fontconfig still finds something alike
        for (const auto& candidate : choice.candidates)
            if (QFontDatabase::hasFamily(candidate)) {
                chosen = candidate;
                break;
            }
        break;
    }
    known.insert(key, chosen);
    return chosen;
}

void Qtcanvas::setpencolour(uint32_t c) { pencolour = colour(c); }
void Qtcanvas::setpenwidth(int width) { penwidth = std::max(1, width); }  // 0 meant one pixel
void Qtcanvas::setpenclear(bool clear) { penclear = clear; }

void Qtcanvas::setbrushcolour(uint32_t c)
{
    brushcolour = colour(c);
    brushclear = false;
}

void Qtcanvas::setbrushclear() { brushclear = true; }
void Qtcanvas::setfontname(const std::string& name) { font.setFamily(family(name)); }
void Qtcanvas::setfontsize(int points) { font.setPointSize(std::max(1, points)); }
void Qtcanvas::setfontcolour(uint32_t c) { fontcolour = colour(c); }

void Qtcanvas::setfontstyle(bool bold, bool italic)
{
    font.setBold(bold);
    font.setItalic(italic);
}

void Qtcanvas::usepen()
{
    if (penclear) {
        painter.setPen(Qt::NoPen);
        return;
    }
    // Thin lines end square so they stop exactly where asked; thick ones are round like
    // the old geometric pens, which hides the joins of the button's bevel arcs.
    QPen pen(pencolour, penwidth, Qt::SolidLine, penwidth == 1 ? Qt::FlatCap : Qt::RoundCap,
             penwidth == 1 ? Qt::MiterJoin : Qt::RoundJoin);
    painter.setPen(pen);
}

void Qtcanvas::usebrush()
{
    if (brushclear)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(brushcolour);
}

void Qtcanvas::usefont()
{
    painter.setFont(font);
    painter.setPen(fontcolour);
}

void Qtcanvas::line(int x1, int y1, int x2, int y2)
{
    if (x1 == x2 && y1 == y2)
        return;
    usepen();
    QPointF from(x1 + 0.5, y1 + 0.5), to(x2 + 0.5, y2 + 0.5);
    if (penwidth == 1) {
        // From the edge of the first pixel to the edge of the last one, so the end point
        // itself stays undrawn and lines joined end to start do not overlap.
        const QPointF d = to - from;
        const QPointF half = d / std::hypot(d.x(), d.y()) * 0.5;
        from -= half;
        to -= half;
    }
    painter.drawLine(QLineF(from, to));
}

void Qtcanvas::rectangle(int x1, int y1, int x2, int y2)
{
    const QRectF outer = box(x1, y1, x2, y2);
    if (penclear) {
        fillrect(x1, y1, x2, y2);
        return;
    }
    usepen();
    usebrush();
    // The pen runs inside the box, however wide it is.
    const qreal w = penwidth;
    if (outer.width() <= w || outer.height() <= w) {
        painter.fillRect(outer, pencolour);
        return;
    }
    painter.drawRect(outer.adjusted(w / 2, w / 2, -w / 2, -w / 2));
}

void Qtcanvas::ellipse(int x1, int y1, int x2, int y2)
{
    const QRectF outer = box(x1, y1, x2, y2);
    usebrush();
    if (penclear) {
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(outer);
        return;
    }
    usepen();
    const qreal w = penwidth;
    if (outer.width() <= w || outer.height() <= w) {
        painter.setBrush(pencolour);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(outer);
        return;
    }
    painter.drawEllipse(outer.adjusted(w / 2, w / 2, -w / 2, -w / 2));
}

void Qtcanvas::arc(int x1, int y1, int x2, int y2, int sx, int sy, int ex, int ey)
{
    if (penclear)
        return;
    const QRectF outer = box(x1, y1, x2, y2);
    const qreal w = penwidth;
    if (outer.width() <= w || outer.height() <= w)
        return;
    usepen();
    painter.setBrush(Qt::NoBrush);
    // The rays start at the centre of the box; Qt's angles are the ellipse's own
    // parameter, so scale each ray by the half axes before taking its angle. Screen y
    // grows downwards while the angles turn counter-clockwise, hence the minus signs.
    const QPointF c = outer.center();
    const qreal a = outer.width() / 2, b = outer.height() / 2;
    const auto angle = [&](int x, int y) {
        return std::atan2(-(y - c.y()) * a, (x - c.x()) * b) * 180 / std::numbers::pi;
    };
    const qreal start = angle(sx, sy);
    qreal span = angle(ex, ey) - start;
    if (span <= 0)
        span += 360;  // the same ray twice is the whole ellipse, as before
    const QRectF path = outer.adjusted(w / 2, w / 2, -w / 2, -w / 2);
    QPainterPath p;
    p.arcMoveTo(path, start);
    p.arcTo(path, start, span);
    painter.drawPath(p);
}

void Qtcanvas::polygon(const std::vector<Canvaspoint>& points)
{
    if (points.size() < 2)
        return;
    QPolygonF shape;
    for (const auto& p : points)
        shape << QPointF(p.x + 0.5, p.y + 0.5);
    usepen();
    usebrush();
    painter.drawPolygon(shape, Qt::OddEvenFill);
}

void Qtcanvas::fillrect(int x1, int y1, int x2, int y2)
{
    if (!brushclear)
        painter.fillRect(box(x1, y1, x2, y2), brushcolour);
}

void Qtcanvas::text(int x, int y, const std::string& s)
{
    const QString t = QString::fromStdString(s);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    if (!brushclear)
        painter.fillRect(QRect(x, y, metrics.horizontalAdvance(t), metrics.height()), brushcolour);
    usefont();
    painter.drawText(QPointF(x, y + metrics.ascent()), t);
}

void Qtcanvas::textinbox(int x1, int y1, int x2, int y2, const std::string& s, bool accelerators)
{
    usefont();
    const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip |
                      (accelerators ? Qt::TextShowMnemonic : 0);
    painter.drawText(box(x1, y1, x2, y2), flags, QString::fromStdString(s));
}

std::pair<int, int> Qtcanvas::textsize(const std::string& s, bool accelerators)
{
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    if (s.empty())
        return {0, metrics.height()};
    const QSize size = metrics.size(Qt::TextSingleLine | (accelerators ? Qt::TextShowMnemonic : 0),
                                    QString::fromStdString(s));
    return {size.width(), size.height()};
}

void Qtcanvas::copyimage(int x, int y, const Canvasimage& image, int sx, int sy, int w, int h,
                         uint32_t transparent)
{
    if (w <= 0 || h <= 0 || image.image.isNull())
        return;
    QImage part = image.image.copy(sx, sy, w, h).convertToFormat(QImage::Format_ARGB32);
    const QRgb key = colour(transparent).rgb() & 0xFFFFFF;
    const QRgb fill = brushclear ? qRgba(0, 0, 0, 0) : brushcolour.rgb();
    for (int row = 0; row < part.height(); ++row) {
        auto* pixel = reinterpret_cast<QRgb*>(part.scanLine(row));
        for (int col = 0; col < part.width(); ++col)
            if (qAlpha(pixel[col]) != 0 && (pixel[col] & 0xFFFFFF) == key)
                pixel[col] = fill;
    }
    painter.drawImage(QPoint(x, y), part);
}
