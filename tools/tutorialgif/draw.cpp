#include "draw.h"

#include "tutorial/written.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>

#include <cmath>
#include <map>
#include <optional>

namespace tutorialgif {

using tutorial::Command;
using tutorial::Script;

namespace {

const QString family = QStringLiteral("DejaVu Sans");

// The page.
const QColor paper(0xff, 0xf8, 0xe7);
const QColor band(0xff, 0xdd, 0x99);
const QColor bandink(0x5a, 0x34, 0x00);
const QColor panel(0xff, 0xff, 0xff);
const QColor paneledge(0xe8, 0xc8, 0x86);
// The inks.
const QColor ink(0x26, 0x26, 0x26);
const QColor highlight(0xd0, 0x02, 0x1b);
const QColor malay(0x1a, 0x4f, 0xb5);
const std::map<QString, QColor> named = {
    {QStringLiteral("black"), QColor(0x11, 0x11, 0x11)},  {QStringLiteral("red"), highlight},
    {QStringLiteral("blue"), QColor(0x1f, 0x5f, 0xd0)},   {QStringLiteral("green"), QColor(0x1e, 0x8c, 0x3a)},
    {QStringLiteral("orange"), QColor(0xf0, 0x8a, 0x00)}, {QStringLiteral("purple"), QColor(0x7b, 0x3f, 0xb5)},
    {QStringLiteral("grey"), QColor(0x80, 0x80, 0x80)},
};
// Fills.
const QColor shade(0x9c, 0xcf, 0xff);     // fraction bars, hundred squares, the ruler's part
const QColor wood(0xf6, 0xe0, 0x9a);      // the ruler
const QColor shape(0xff, 0xec, 0xc2);     // the triangle
const QColor face(0xff, 0xff, 0xff);      // the clock
const QColor silver(0xc9, 0xcb, 0xd1);
const QColor silveredge(0x8e, 0x91, 0x99);
struct NoteLook {
    int value;
    QColor colour;
};
const NoteLook notes[] = {
    {1, QColor(0x3f, 0x74, 0xd6)},  {5, QColor(0x2f, 0x9a, 0x48)},   {10, QColor(0xd6, 0x3b, 0x33)},
    {20, QColor(0xf0, 0x8c, 0x22)}, {50, QColor(0x13, 0x96, 0x96)}, {100, QColor(0x86, 0x4a, 0xbd)},
};
const QColor white(0xff, 0xff, 0xff);

// Where things go, in picture pixels.
constexpr double bandheight = 28;
constexpr double areax = 6, areay = 31;
constexpr double panely = 212;
const QRectF area(0, areay - 2, tutorial::framewidth, panely - areay);
const QRectF panelrect(5, panely, tutorial::framewidth - 10, tutorial::frameheight - panely - 4);

QFont font(double px, bool bold = false)
{
    QFont f(family);
    f.setPixelSize(std::max(1, int(std::lround(px))));
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

struct Fault {
    int line;
    QString what;
};

bool number(const std::string& s, double& out)
{
    bool ok = false;
    out = QString::fromStdString(s).toDouble(&ok);
    return ok && std::isfinite(out);
}

// The painter with the union of what one command drew, to refuse what leaves the picture.
struct Canvas {
    QPainter& p;
    double cw, ch;
    QRectF drawn;

    void mark(const QRectF& r) { drawn = drawn.isNull() ? r : drawn.united(r); }
    QPointF at(double row, double col) const { return {areax + col * cw, areay + row * ch}; }
    QRectF cell(double row, double col, double w = 1, double h = 1) const
    {
        return QRectF(at(row, col), QSizeF(w * cw, h * ch));
    }
    void text(const QRectF& box, int flags, const QString& s, const QFont& f, QColor c)
    {
        p.setFont(f);
        p.setPen(c);
        QRectF used;
        p.drawText(box, flags, s, &used);
        mark(used);
    }
    void line(QPointF a, QPointF b, QColor c, double width, Qt::PenStyle style = Qt::SolidLine)
    {
        p.setPen(QPen(c, width, style, Qt::RoundCap));
        p.drawLine(a, b);
        mark(QRectF(a, b).normalized().adjusted(-width / 2, -width / 2, width / 2, width / 2));
    }
    void path(const QPainterPath& path, QColor pen, double width, QBrush fill = Qt::NoBrush)
    {
        p.setPen(width > 0 ? QPen(pen, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin) : QPen(Qt::NoPen));
        p.setBrush(fill);
        p.drawPath(path);
        p.setBrush(Qt::NoBrush);
        mark(path.boundingRect().adjusted(-width / 2, -width / 2, width / 2, width / 2));
    }
};

double digitpx(double ch, bool big) { return big ? std::min(27.0, ch * 0.95) : std::min(20.0, ch * 0.74); }

// A line of maths: a/b as a stacked fraction, ¼ ½ ¾ and friends too, x and ÷ as signs.
struct MathPiece {
    QString text;  // plain text, or the numerator
    QString under; // the denominator of a fraction
};

std::vector<MathPiece> mathpieces(const QString& s)
{
    static const std::map<QChar, std::pair<QString, QString>> vulgar = {
        {QChar(0x00BC), {"1", "4"}}, {QChar(0x00BD), {"1", "2"}}, {QChar(0x00BE), {"3", "4"}},
        {QChar(0x2153), {"1", "3"}}, {QChar(0x2154), {"2", "3"}}, {QChar(0x2155), {"1", "5"}},
        {QChar(0x215B), {"1", "8"}}, {QChar(0x2159), {"1", "6"}}, {QChar(0x2150), {"1", "7"}},
        {QChar(0x2151), {"1", "9"}}, {QChar(0x2152), {"1", "10"}}, {QChar(0x2156), {"2", "5"}},
        {QChar(0x2157), {"3", "5"}}, {QChar(0x2158), {"4", "5"}},  {QChar(0x215A), {"5", "6"}},
        {QChar(0x215C), {"3", "8"}}, {QChar(0x215D), {"5", "8"}},  {QChar(0x215E), {"7", "8"}},
    };
    static const QRegularExpression fraction(QStringLiteral("^(\\d+(?:\\.\\d+)?)/(\\d+(?:\\.\\d+)?)$"));
    std::vector<MathPiece> out;
    QString plain;
    auto flush = [&] {
        if (!plain.isEmpty()) out.push_back({plain, {}});
        plain.clear();
    };
    const QStringList words = s.split(QLatin1Char(' '));
    for (int i = 0; i < words.size(); ++i) {
        const QString& w = words[i];
        if (i > 0) plain += QLatin1Char(' ');
        const auto m = fraction.match(w);
        if (m.hasMatch()) {
            flush();
            out.push_back({m.captured(1), m.captured(2)});
            continue;
        }
        for (QChar c : w) {
            auto v = vulgar.find(c);
            if (v != vulgar.end()) {
                flush();
                out.push_back({v->second.first, v->second.second});
            } else if (c == QLatin1Char('x') && w.size() == 1) {
                plain += QChar(0x00D7);
            } else if (c == QLatin1Char('-') && w.size() == 1) {
                plain += QChar(0x2212);
            } else if (c == QLatin1Char('*') && w.size() == 1) {
                plain += QChar(0x00D7);
            } else {
                plain += c;
            }
        }
    }
    flush();
    return out;
}

void drawmath(Canvas& cv, double row, double col, const QString& s, bool big, QColor c)
{
    const double px = big ? std::min(22.0, cv.ch * 0.8) : std::min(17.0, cv.ch * 0.62);
    const QFont whole = font(px), part = font(px * 0.72);
    const QFontMetricsF fw(whole), fp(part);
    double x = cv.at(row, col).x();
    const double mid = cv.at(row + 0.5, col).y();
    for (const MathPiece& piece : mathpieces(s)) {
        if (piece.under.isEmpty()) {
            const double w = fw.horizontalAdvance(piece.text);
            cv.text(QRectF(x, mid - fw.height() / 2, w + 2, fw.height()), Qt::AlignLeft | Qt::AlignVCenter,
                    piece.text, whole, c);
            x += w;
            continue;
        }
        const double w = std::max(fp.horizontalAdvance(piece.text), fp.horizontalAdvance(piece.under)) + px * 0.3;
        cv.text(QRectF(x, mid - fp.height() - 1, w, fp.height()), Qt::AlignCenter, piece.text, part, c);
        cv.line(QPointF(x + 1, mid), QPointF(x + w - 1, mid), c, std::max(1.2, px / 14));
        cv.text(QRectF(x, mid + 1, w, fp.height()), Qt::AlignCenter, piece.under, part, c);
        x += w;
    }
}

// One figure per cell, as on squared paper.
void drawfigures(Canvas& cv, double row, double col, const QString& s, bool big, QColor c)
{
    const QFont f = font(digitpx(cv.ch, big), true);
    for (int i = 0; i < s.size(); ++i)
        if (s[i] != QLatin1Char(' ')) cv.text(cv.cell(row, col + i), Qt::AlignCenter, s.mid(i, 1), f, c);
}

void drawcarry(Canvas& cv, double row, double col, const QString& s, bool big, QColor c)
{
    const QFont f = font(big ? cv.ch * 0.55 : cv.ch * 0.42, true);
    const QRectF box = cv.cell(row, col);
    cv.text(QRectF(box.left() - 4, box.top(), box.width() + 8, box.height() * 0.5), Qt::AlignCenter, s, f, c);
}

void drawstrike(Canvas& cv, double row, double col, double n, bool small, QColor c)
{
    const QRectF box = cv.cell(row, col, n, small ? 0.5 : 1);
    if (n == 1) {
        const double inset = small ? 2 : 4;
        cv.line(QPointF(box.left() + inset, box.bottom() - inset), QPointF(box.right() - inset, box.top() + inset),
                c, small ? 1.3 : 2);
    } else {
        cv.line(QPointF(box.left() + 2, box.center().y()), QPointF(box.right() - 2, box.center().y()), c, 2);
    }
}

void drawrule(Canvas& cv, double row, double c1, double c2, QColor c)
{
    const double y = cv.at(row + 1, 0).y() - 1;
    cv.line(QPointF(cv.at(row, c1).x() + 1, y), QPointF(cv.at(row, c2 + 1).x() - 1, y), c, 1.8);
}

void drawbracket(Canvas& cv, double row, double c1, double c2, QColor c)
{
    const QRectF box = cv.cell(row, c1, c2 - c1 + 1, 1);
    QPainterPath p;
    p.moveTo(box.right(), box.top() + 1);
    p.lineTo(box.left() - 2, box.top() + 1);
    p.quadTo(box.left() + 5, box.center().y(), box.left() - 3, box.bottom() + 2);
    cv.path(p, c, 1.8);
}

void drawarrow(Canvas& cv, QPointF a, QPointF b, QColor c)
{
    const QLineF l(a, b);
    if (l.length() < 12) return;
    QLineF shaft = l;
    shaft.setP1(l.pointAt(6 / l.length()));
    shaft.setP2(l.pointAt(1 - 6 / l.length()));
    cv.line(shaft.p1(), shaft.p2(), c, 1.8);
    const double angle = std::atan2(shaft.dy(), shaft.dx());
    QPainterPath head;
    head.moveTo(shaft.p2());
    head.lineTo(shaft.p2() - QPointF(std::cos(angle - 0.45), std::sin(angle - 0.45)) * 8);
    head.lineTo(shaft.p2() - QPointF(std::cos(angle + 0.45), std::sin(angle + 0.45)) * 8);
    head.closeSubpath();
    cv.path(head, c, 1, c);
}

void drawlabel(Canvas& cv, double row, double col, const std::string& words, bool big, QColor c)
{
    const tutorial::Text2 t = tutorial::splittext(words);
    const QFont f = font(big ? 18 : 13.5);
    const QFontMetricsF fm(f);
    const QRectF box = cv.cell(row, col);
    double x = box.left();
    auto put = [&](const QString& s, QColor colour) {
        const double w = fm.horizontalAdvance(s);
        cv.text(QRectF(x, box.center().y() - fm.height() / 2, w + 2, fm.height()), Qt::AlignLeft | Qt::AlignVCenter,
                s, f, colour);
        x += w;
    };
    put(QString::fromStdString(t.en), c);
    if (!t.ms.empty()) {
        put(QStringLiteral(" / "), named.at(QStringLiteral("grey")));
        put(QString::fromStdString(t.ms), malay);
    }
}

std::optional<Fault> drawwritten(Canvas& cv, const Command& cmd, double r, double c, bool fresh, int show,
                                 std::optional<QColor> own, bool big)
{
    std::string error;
    const auto layout = cmd.verb == "column" ? tutorial::layoutcolumn(r, c, cmd.args[2], error)
                                             : tutorial::layoutlongdiv(r, c, cmd.args[2], error);
    if (!layout) return Fault{cmd.line, QString::fromStdString(error)};
    const int upto = show < 0 ? layout->moves + 1 : show;
    for (const tutorial::Cell& cell : tutorial::shown(*layout, upto)) {
        QColor colour = own ? *own : (fresh && cell.move == upto && upto <= layout->moves) ? highlight : ink;
        if (cell.role == tutorial::Role::carry && !own) colour = highlight;
        const QString text = QString::fromStdString(cell.text);
        switch (cell.role) {
        case tutorial::Role::digit: drawfigures(cv, cell.row, cell.col, text, big, colour); break;
        case tutorial::Role::op:
            drawfigures(cv, cell.row, cell.col, text == "x" ? QString(QChar(0x00D7)) : text == "-" ? QString(QChar(0x2212)) : text,
                        big, colour);
            break;
        case tutorial::Role::carry: drawcarry(cv, cell.row, cell.col, text, big, colour); break;
        case tutorial::Role::strike: drawstrike(cv, cell.row, cell.col, cell.width, text == "small", colour); break;
        case tutorial::Role::rule: drawrule(cv, cell.row, cell.col, cell.col + cell.width - 1, colour); break;
        case tutorial::Role::bracket: drawbracket(cv, cell.row, cell.col, cell.col + cell.width - 1, colour); break;
        }
    }
    return std::nullopt;
}

std::optional<Fault> drawclock(Canvas& cv, const Command& cmd, QPointF centre, double radius, QColor hands)
{
    static const QRegularExpression hm(QStringLiteral("^(\\d{1,2}):(\\d\\d)$"));
    const auto m = hm.match(QString::fromStdString(cmd.args[3]));
    if (!m.hasMatch() || m.captured(1).toInt() > 24 || m.captured(2).toInt() > 59 || radius < 20 || radius > 90)
        return Fault{cmd.line, QStringLiteral("a clock needs H:MM and a radius of 20 to 90 pixels")};
    const int h = m.captured(1).toInt() % 12, min = m.captured(2).toInt();
    QPainterPath rim;
    rim.addEllipse(centre, radius, radius);
    cv.path(rim, ink, 2.5, face);
    for (int i = 0; i < 60; ++i) {
        const double a = i * M_PI / 30;
        const QPointF dir(std::sin(a), -std::cos(a));
        const double len = i % 5 == 0 ? radius * 0.09 : radius * 0.04;
        cv.line(centre + dir * (radius - 3), centre + dir * (radius - 3 - len), ink, i % 5 == 0 ? 1.6 : 0.8);
    }
    const QFont f = font(radius * 0.2, true);
    for (int n = 1; n <= 12; ++n) {
        const double a = n * M_PI / 6;
        const QPointF p = centre + QPointF(std::sin(a), -std::cos(a)) * radius * 0.68;
        cv.text(QRectF(p.x() - radius * 0.2, p.y() - radius * 0.16, radius * 0.4, radius * 0.32), Qt::AlignCenter,
                QString::number(n), f, ink);
    }
    // The hour hand goes on between the hours as the minutes pass.
    const double ha = (h + min / 60.0) * M_PI / 6, ma = min * M_PI / 30;
    cv.line(centre, centre + QPointF(std::sin(ha), -std::cos(ha)) * radius * 0.5, hands, std::max(3.0, radius / 12));
    cv.line(centre, centre + QPointF(std::sin(ma), -std::cos(ma)) * radius * 0.8, hands, std::max(2.0, radius / 20));
    QPainterPath dot;
    dot.addEllipse(centre, 3, 3);
    cv.path(dot, ink, 0, ink);
    return std::nullopt;
}

std::optional<Fault> drawnote(Canvas& cv, const Command& cmd, QPointF topleft)
{
    double v = 0;
    const NoteLook* look = nullptr;
    if (number(cmd.args[2], v))
        for (const NoteLook& n : notes)
            if (n.value == v) look = &n;
    if (!look) return Fault{cmd.line, QStringLiteral("a ringgit note is 1, 5, 10, 20, 50 or 100")};
    const QRectF r(topleft, QSizeF(92, 40));
    QPainterPath body;
    body.addRoundedRect(r, 4, 4);
    cv.path(body, look->colour.darker(130), 1.2, look->colour);
    QPainterPath window;
    window.addEllipse(QPointF(r.right() - 14, r.center().y()), 9, 9);
    cv.path(window, white, 1.2, look->colour.lighter(135));
    const QString label = QStringLiteral("RM%1").arg(look->value);
    cv.text(QRectF(r.left() + 6, r.top() + 2, 62, r.height() - 4), Qt::AlignCenter, label, font(13.5, true), white);
    cv.text(QRectF(r.left() + 3, r.top() + 1, 20, 10), Qt::AlignLeft | Qt::AlignTop,
            QString::number(look->value), font(7.5, true), white);
    return std::nullopt;
}

std::optional<Fault> drawcoin(Canvas& cv, const Command& cmd, QPointF centre)
{
    double v = 0;
    if (!number(cmd.args[2], v) || (v != 5 && v != 10 && v != 20 && v != 50))
        return Fault{cmd.line, QStringLiteral("a sen coin is 5, 10, 20 or 50")};
    const double radius = v >= 20 ? 17 : 14;
    QPainterPath body;
    body.addEllipse(centre, radius, radius);
    cv.path(body, silveredge, 2, silver);
    cv.text(QRectF(centre.x() - radius, centre.y() - radius * 0.8, 2 * radius, radius), Qt::AlignHCenter | Qt::AlignBottom,
            QString::number(int(v)), font(radius * 0.8, true), ink);
    cv.text(QRectF(centre.x() - radius, centre.y() + 1, 2 * radius, radius * 0.6), Qt::AlignHCenter | Qt::AlignTop,
            QStringLiteral("sen"), font(radius * 0.5), ink);
    return std::nullopt;
}

std::optional<Fault> drawruler(Canvas& cv, const Command& cmd, QPointF topleft, QColor c)
{
    double cm = 0, to = 0;
    if (!number(cmd.args[2], cm) || cm < 1 || cm > 30 || cm != std::floor(cm))
        return Fault{cmd.line, QStringLiteral("a ruler is 1 to 30 whole centimetres")};
    if (cmd.opts.count("to") && (!number(cmd.opts.at("to"), to) || to < 0 || to > cm))
        return Fault{cmd.line, QStringLiteral("to= must be on the ruler")};
    const double unit = cv.cw, margin = 8;
    const QRectF body(topleft, QSizeF(cm * unit + 2 * margin, 34));
    QPainterPath p;
    p.addRoundedRect(body, 3, 3);
    cv.path(p, QColor(0xb8, 0x94, 0x3c), 1.2, wood);
    if (to > 0) {
        QPainterPath part;
        part.addRect(QRectF(body.left() + margin, body.top() + 1, to * unit, 14));
        cv.path(part, c, 0, shade);
    }
    for (int mm = 0; mm <= int(cm) * 10; ++mm) {
        const double x = body.left() + margin + mm * unit / 10;
        const double len = mm % 10 == 0 ? 12 : mm % 5 == 0 ? 8 : 5;
        cv.line(QPointF(x, body.top() + 1), QPointF(x, body.top() + 1 + len), ink, mm % 10 == 0 ? 1.2 : 0.7);
        if (mm % 10 == 0)
            cv.text(QRectF(x - 10, body.top() + 15, 20, 12), Qt::AlignCenter, QString::number(mm / 10), font(9.5), ink);
    }
    cv.text(QRectF(body.right() - 24, body.bottom() - 10, 22, 9), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("cm"),
            font(7.5), ink);
    return std::nullopt;
}

void drawtriangle(Canvas& cv, const Command& cmd, double r, double c, double w, double h, QColor c1)
{
    const QPointF a = cv.at(r + h, c), b = cv.at(r + h, c + w), t = cv.at(r, c + w);
    QPainterPath p;
    p.moveTo(a);
    p.lineTo(b);
    p.lineTo(t);
    p.closeSubpath();
    cv.path(p, c1, 2, shape);
    // The square of the right angle.
    QPainterPath sq;
    sq.moveTo(b + QPointF(-9, 0));
    sq.lineTo(b + QPointF(-9, -9));
    sq.lineTo(b + QPointF(0, -9));
    cv.path(sq, c1, 1.2);
    // The height: dashed, beside its side, with its label.
    const double dx = 10;
    cv.line(t + QPointF(dx, 0), b + QPointF(dx, 0), c1, 1.3, Qt::DashLine);
    cv.line(t + QPointF(dx - 4, 0), t + QPointF(dx + 4, 0), c1, 1.3);
    cv.line(b + QPointF(dx - 4, 0), b + QPointF(dx + 4, 0), c1, 1.3);
    const QFont f = font(13);
    if (cmd.opts.count("height"))
        cv.text(QRectF(b.x() + dx + 4, (t.y() + b.y()) / 2 - 9, 80, 18), Qt::AlignLeft | Qt::AlignVCenter,
                QString::fromStdString(cmd.opts.at("height")), f, c1);
    if (cmd.opts.count("base"))
        cv.text(QRectF(a.x(), a.y() + 2, b.x() - a.x(), 18), Qt::AlignHCenter | Qt::AlignTop,
                QString::fromStdString(cmd.opts.at("base")), f, c1);
}

std::optional<Fault> drawnumberline(Canvas& cv, const Command& cmd, const std::vector<double>& v, QColor mark)
{
    const double row = v[0], c1 = v[1], c2 = v[2], from = v[3], to = v[4], step = v[5];
    if (!(step > 0) || !(to > from) || (to - from) / step > 40 || c2 <= c1)
        return Fault{cmd.line, QStringLiteral("a number line needs FROM < TO, STEP > 0, at most 40 ticks, C1 < C2")};
    const double y = cv.at(row + 0.5, 0).y();
    const double x1 = cv.at(row, c1 + 0.5).x(), x2 = cv.at(row, c2 + 0.5).x();
    cv.line(QPointF(x1 - 8, y), QPointF(x2 + 8, y), ink, 1.6);
    for (double sx : {-1.0, 1.0}) {
        const double end = sx < 0 ? x1 - 10 : x2 + 10;
        QPainterPath head;
        head.moveTo(end, y);
        head.lineTo(end - sx * 7, y - 4);
        head.lineTo(end - sx * 7, y + 4);
        head.closeSubpath();
        cv.path(head, ink, 1, ink);
    }
    auto xof = [&](double value) { return x1 + (value - from) / (to - from) * (x2 - x1); };
    const int ticks = int(std::floor((to - from) / step + 1e-9));
    for (int i = 0; i <= ticks; ++i) {
        const double value = from + i * step, x = xof(value);
        cv.line(QPointF(x, y - 5), QPointF(x, y + 5), ink, 1.3);
        cv.text(QRectF(x - 18, y + 6, 36, 13), Qt::AlignHCenter | Qt::AlignTop, QString::number(value, 'g', 6),
                font(10), ink);
    }
    if (cmd.opts.count("at")) {
        double at = 0;
        if (!number(cmd.opts.at("at"), at) || at < from || at > to)
            return Fault{cmd.line, QStringLiteral("at= must be on the number line")};
        QPainterPath dot;
        dot.addEllipse(QPointF(xof(at), y), 5, 5);
        cv.path(dot, mark, 1, mark);
    }
    return std::nullopt;
}

std::optional<Fault> drawfracbar(Canvas& cv, const Command& cmd, const std::vector<double>& v, QColor c)
{
    const double row = v[0], col = v[1], w = v[2];
    const int parts = int(v[3]), filled = int(v[4]);
    if (parts < 1 || parts > 24 || filled < 0 || filled > parts || parts != v[3] || filled != v[4] || w <= 0)
        return Fault{cmd.line, QStringLiteral("a fraction bar needs 1 to 24 parts and at most that many shaded")};
    const QRectF box = cv.cell(row, col, w, 1).adjusted(0, 3, 0, -3);
    const double pw = box.width() / parts;
    for (int i = 0; i < parts; ++i) {
        QPainterPath p;
        p.addRect(QRectF(box.left() + i * pw, box.top(), pw, box.height()));
        cv.path(p, c, 1.4, i < filled ? QBrush(shade) : QBrush(white));
    }
    return std::nullopt;
}

std::optional<Fault> drawhundred(Canvas& cv, const Command& cmd, QPointF topleft, double filled, QColor c)
{
    if (filled < 0 || filled > 100 || filled != std::floor(filled))
        return Fault{cmd.line, QStringLiteral("a hundred square has 0 to 100 squares shaded")};
    const double s = std::min(cv.cw, cv.ch) * 0.55;
    for (int i = 0; i < 100; ++i) {
        QPainterPath p;
        p.addRect(QRectF(topleft.x() + (i % 10) * s, topleft.y() + (i / 10) * s, s, s));
        cv.path(p, i < filled ? c : named.at(QStringLiteral("grey")), 0.8, i < filled ? QBrush(shade) : QBrush(white));
    }
    return std::nullopt;
}

// How many leading words of a command are numbers, by verb.
int numericargs(const std::string& verb)
{
    static const std::map<std::string, int> counts = {
        {"text", 2},    {"rtext", 2},     {"label", 2},    {"math", 2},        {"carry", 2},
        {"strike", 3},  {"rule", 3},      {"bracket", 3},  {"box", 4},         {"arrow", 4},
        {"column", 2},  {"longdiv", 2},   {"clock", 3},    {"note", 2},        {"coin", 2},
        {"ruler", 3},   {"triangle", 4},  {"numberline", 6}, {"fracbar", 5},   {"hundred", 3},
    };
    auto it = counts.find(verb);
    return it == counts.end() ? 0 : it->second;
}

struct Item {
    const Command* cmd;
    int step;  // the step that drew it last
    std::string key;
};

std::optional<Fault> drawitem(Canvas& cv, const Item& item, int frame)
{
    const Command& cmd = *item.cmd;
    std::vector<double> v;
    for (int i = 0; i < numericargs(cmd.verb) && i < int(cmd.args.size()); ++i) {
        double d = 0;
        if (!number(cmd.args[size_t(i)], d))
            return Fault{cmd.line, QStringLiteral("\"%1\" is not a number").arg(QString::fromStdString(cmd.args[size_t(i)]))};
        v.push_back(d);
    }
    if (cmd.verb == "strike" && v.size() < 3) v.push_back(1);
    std::optional<QColor> own;
    if (cmd.opts.count("colour")) {
        auto it = named.find(QString::fromStdString(cmd.opts.at("colour")));
        if (it == named.end())
            return Fault{cmd.line, QStringLiteral("colour= is one of black red blue green orange purple grey")};
        own = it->second;
    }
    const bool fresh = item.step == frame, big = cmd.opts.count("big") > 0;
    const QColor c = own ? *own : fresh ? highlight : ink;
    const QString words = cmd.args.size() > 2 ? QString::fromStdString(cmd.args.back()) : QString();
    const std::string& verb = cmd.verb;
    if (verb == "text") drawfigures(cv, v[0], v[1], words, big, c);
    else if (verb == "rtext") drawfigures(cv, v[0], v[1] - words.size() + 1, words, big, c);
    else if (verb == "label") drawlabel(cv, v[0], v[1], cmd.args[2], big, c);
    else if (verb == "math") drawmath(cv, v[0], v[1], words, big, c);
    else if (verb == "carry") drawcarry(cv, v[0], v[1], words, big, own ? *own : highlight);
    else if (verb == "strike") drawstrike(cv, v[0], v[1], v[2], false, c);
    else if (verb == "rule") drawrule(cv, v[0], v[1], v[2], c);
    else if (verb == "bracket") drawbracket(cv, v[0], v[1], v[2], c);
    else if (verb == "box") {
        QPainterPath p;
        p.addRoundedRect(cv.cell(v[0], v[1], v[2], v[3]), 5, 5);
        cv.path(p, c, 2);
    } else if (verb == "arrow") {
        drawarrow(cv, cv.cell(v[0], v[1]).center(), cv.cell(v[2], v[3]).center(), c);
    } else if (verb == "column" || verb == "longdiv") {
        int show = -1;
        if (cmd.opts.count("show")) {
            double s = 0;
            if (!number(cmd.opts.at("show"), s) || s < 0 || s != std::floor(s))
                return Fault{cmd.line, QStringLiteral("show= is a count of moves")};
            show = int(std::min(s, 1000.0));
        }
        if (auto f = drawwritten(cv, cmd, v[0], v[1], fresh, show, own, big)) return f;
    } else if (verb == "clock") {
        if (auto f = drawclock(cv, cmd, cv.cell(v[0], v[1]).center(), v[2], c)) return f;
    } else if (verb == "note") {
        if (auto f = drawnote(cv, cmd, cv.at(v[0], v[1]))) return f;
    } else if (verb == "coin") {
        if (auto f = drawcoin(cv, cmd, cv.cell(v[0], v[1]).center())) return f;
    } else if (verb == "ruler") {
        if (auto f = drawruler(cv, cmd, cv.at(v[0], v[1]), c)) return f;
    } else if (verb == "triangle") {
        if (v[2] <= 0 || v[3] <= 0) return Fault{cmd.line, QStringLiteral("a triangle needs a width and a height")};
        drawtriangle(cv, cmd, v[0], v[1], v[2], v[3], c);
    } else if (verb == "numberline") {
        if (auto f = drawnumberline(cv, cmd, v, c)) return f;
    } else if (verb == "fracbar") {
        if (auto f = drawfracbar(cv, cmd, v, c)) return f;
    } else if (verb == "hundred") {
        if (auto f = drawhundred(cv, cmd, cv.at(v[0], v[1]), v[2], c)) return f;
    } else {
        return Fault{cmd.line, QStringLiteral("cannot draw \"%1\"").arg(QString::fromStdString(verb))};
    }
    return std::nullopt;
}

// Word-wraps a text to the width; the lines.
QStringList wrap(const QString& text, const QFontMetricsF& fm, double width)
{
    QStringList lines;
    QString line;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString tried = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && fm.horizontalAdvance(tried) > width) {
            lines << line;
            line = word;
        } else {
            line = tried;
        }
    }
    if (!line.isEmpty()) lines << line;
    return lines;
}

std::optional<Fault> drawwords(QPainter& p, const tutorial::Step& step)
{
    QPainterPath box;
    box.addRoundedRect(panelrect, 9, 9);
    p.setPen(QPen(paneledge, 1.5));
    p.setBrush(panel);
    p.drawPath(box);
    p.setBrush(Qt::NoBrush);
    const QString en = QString::fromStdString(step.say.en), ms = QString::fromStdString(step.say.ms);
    const double width = panelrect.width() - 18;
    // A long text gets a slightly smaller font; past that the writer must say it shorter.
    for (double px : {13.0, 12.0, 11.0}) {
        const QFont f = font(px);
        const QFontMetricsF fm(f);
        const QStringList el = wrap(en, fm, width), ml = ms.isEmpty() ? QStringList() : wrap(ms, fm, width);
        if (el.size() > 2 || ml.size() > 2) continue;
        const double lh = fm.lineSpacing();
        const double total = lh * double(el.size() + ml.size()) + (ml.isEmpty() ? 0 : 3);
        if (total > panelrect.height() - 4) continue;
        double y = panelrect.center().y() - total / 2;
        p.setFont(f);
        p.setPen(ink);
        for (const QString& l : el) {
            p.drawText(QRectF(panelrect.left() + 9, y, width, lh), Qt::AlignLeft | Qt::AlignVCenter, l);
            y += lh;
        }
        y += 3;
        p.setPen(malay);
        for (const QString& l : ml) {
            p.drawText(QRectF(panelrect.left() + 9, y, width, lh), Qt::AlignLeft | Qt::AlignVCenter, l);
            y += lh;
        }
        return std::nullopt;
    }
    return Fault{step.line, QStringLiteral("the words of this step do not fit in two lines each: say it shorter")};
}

std::optional<Fault> drawtitle(QPainter& p, const Script& script)
{
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(0, 0, tutorial::framewidth, bandheight));
    p.setBrush(Qt::NoBrush);
    const QString en = QString::fromStdString(script.title.en), ms = QString::fromStdString(script.title.ms);
    for (double px : {16.0, 14.5, 13.0}) {
        const QFont f = font(px, true);
        const QFontMetricsF fm(f);
        const QString gap = QStringLiteral("   ");
        const double we = fm.horizontalAdvance(en), wg = ms.isEmpty() ? 0 : fm.horizontalAdvance(gap),
                     wm = ms.isEmpty() ? 0 : fm.horizontalAdvance(ms);
        if (we + wg + wm > tutorial::framewidth - 16) continue;
        double x = (tutorial::framewidth - we - wg - wm) / 2;
        p.setFont(f);
        p.setPen(bandink);
        p.drawText(QRectF(x, 0, we + 1, bandheight), Qt::AlignLeft | Qt::AlignVCenter, en);
        p.setPen(malay);
        p.drawText(QRectF(x + we + wg, 0, wm + 1, bandheight), Qt::AlignLeft | Qt::AlignVCenter, ms);
        return std::nullopt;
    }
    return Fault{1, QStringLiteral("the title is too long for the picture")};
}

}  // namespace

bool fontready(QString& error)
{
    if (!QFontDatabase::families().contains(family)) {
        error = QStringLiteral("the font \"%1\" is not installed (Debian: fonts-dejavu-core)").arg(family);
        return false;
    }
    const QFontInfo info(font(20));
    if (info.family() != family) {
        error = QStringLiteral("asked for \"%1\" but got \"%2\"").arg(family, info.family());
        return false;
    }
    return true;
}

std::vector<QRgb> palette()
{
    std::vector<QRgb> out;
    auto add = [&](QColor c) {
        const QRgb rgb = c.rgb();
        if (std::find(out.begin(), out.end(), rgb) == out.end()) out.push_back(rgb);
    };
    auto blends = [&](QColor ground, std::initializer_list<QColor> inks, int levels) {
        add(ground);
        for (QColor i : inks)
            for (int k = 1; k <= levels; ++k) {
                const double t = double(k) / (levels + 1);
                add(QColor::fromRgbF(float(ground.redF() + (i.redF() - ground.redF()) * t),
                                     float(ground.greenF() + (i.greenF() - ground.greenF()) * t),
                                     float(ground.blueF() + (i.blueF() - ground.blueF()) * t)));
            }
        for (QColor i : inks) add(i);
    };
    QColor grey = named.at(QStringLiteral("grey"));
    // Everything on the page's paper, and the words on their panel.
    std::vector<QColor> inks = {ink, highlight, malay, grey, shade, wood, shape, face, silver, silveredge, panel,
                                paneledge, band, QColor(0xb8, 0x94, 0x3c)};
    for (const auto& [name, c] : named) inks.push_back(c);
    for (const NoteLook& n : notes) inks.push_back(n.colour), inks.push_back(n.colour.darker(130));
    for (QColor i : inks) blends(paper, {i}, 4);
    blends(panel, {ink, malay, paneledge}, 4);
    blends(band, {bandink, malay}, 4);
    // What is drawn on the fills: ticks and numbers on the ruler, lines over the shading,
    // figures on the coins, white on the notes.
    blends(wood, {ink, shade}, 2);
    blends(shade, {ink, highlight, grey}, 2);
    blends(white, {ink, highlight, grey, shade}, 2);
    blends(shape, {ink, highlight}, 2);
    blends(silver, {ink, silveredge}, 2);
    for (const NoteLook& n : notes) blends(n.colour, {white, n.colour.lighter(135), n.colour.darker(130)}, 2);
    if (out.size() > 256) out.resize(256);
    return out;
}

std::vector<Picture> drawscript(const Script& script, int scale, QString& error)
{
    std::vector<Item> items;
    std::vector<Picture> frames;
    auto fail = [&](const Fault& f) {
        error = QStringLiteral("%1: %2").arg(f.line).arg(f.what);
        return std::vector<Picture>{};
    };
    const double cw = script.cellw, ch = script.cellh;
    if (cw < 8 || ch < 8 || cw > 80 || ch > 80) return fail({1, QStringLiteral("a grid cell is 8 to 80 pixels")});
    for (int i = 0; i < int(script.steps.size()); ++i) {
        const tutorial::Step& step = script.steps[size_t(i)];
        for (const Command& cmd : step.commands) {
            if (cmd.verb == "clear") {
                items.clear();
                continue;
            }
            if (cmd.verb == "erase") {
                const std::string key = "id=" + cmd.args[0];
                auto it = std::find_if(items.begin(), items.end(), [&](const Item& x) { return x.key == key; });
                if (it == items.end())
                    return fail({cmd.line, QStringLiteral("nothing was drawn with id=%1").arg(QString::fromStdString(cmd.args[0]))});
                items.erase(it);
                continue;
            }
            // A sum written again at the same place is the same sum one move further on.
            std::string key;
            if (cmd.opts.count("id")) key = "id=" + cmd.opts.at("id");
            else if ((cmd.verb == "column" || cmd.verb == "longdiv") && cmd.args.size() >= 2)
                key = cmd.verb + "@" + cmd.args[0] + "," + cmd.args[1];
            if (!key.empty())
                items.erase(std::remove_if(items.begin(), items.end(), [&](const Item& x) { return x.key == key; }),
                            items.end());
            items.push_back({&cmd, i, key});
        }

        QImage image(tutorial::framewidth * scale, tutorial::frameheight * scale, QImage::Format_RGB32);
        image.fill(paper);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.scale(scale, scale);
        if (auto f = drawtitle(p, script)) return fail(*f);
        for (const Item& item : items) {
            Canvas cv{p, cw, ch, {}};
            if (auto f = drawitem(cv, item, i)) return fail(*f);
            if (!cv.drawn.isNull() && !area.contains(cv.drawn))
                return fail({item.cmd->line, QStringLiteral("\"%1\" goes outside the working area (%2,%3 %4x%5 px; "
                                                             "the area is %6,%7 %8x%9)")
                                                 .arg(QString::fromStdString(item.cmd->verb))
                                                 .arg(cv.drawn.x(), 0, 'f', 0).arg(cv.drawn.y(), 0, 'f', 0)
                                                 .arg(cv.drawn.width(), 0, 'f', 0).arg(cv.drawn.height(), 0, 'f', 0)
                                                 .arg(area.x(), 0, 'f', 0).arg(area.y(), 0, 'f', 0)
                                                 .arg(area.width(), 0, 'f', 0).arg(area.height(), 0, 'f', 0)});
        }
        if (auto f = drawwords(p, step)) return fail(*f);
        p.end();
        frames.push_back({image, int(std::lround(step.seconds * 100))});
    }
    return frames;
}

}  // namespace tutorialgif
