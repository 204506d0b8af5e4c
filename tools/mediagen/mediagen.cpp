// Paints MATHtuvo's pictures and writes them as GIF89a:
//   cherio.gif    73 x 73, the cheer at a run of four: a smiling star in a sunburst with
//                 bursting stars and a bouncing "Yahoo!"
//   mbustry2.gif  the start page's title: "MATHtuvo" in bobbing letters among numbers and
//                 shapes
//   ice.gif       249 x 337, the reward: a three-scoop cone with a cherry and sprinkles
//
// Drawing is antialiased with QPainter; every picture gets one 255-colour palette (median
// cut over all its frames) plus a transparent index. GIF transparency is all or nothing,
// so edge pixels are blended onto the colour of the window the picture sits on ("matte")
// and only pixels that are mostly empty become transparent.
//
// Usage: mediagen OUTDIR [--png]   (--png also writes every frame as PNG for a look)

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <gif_lib.h>

#include "gifwrite.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double pi = 3.14159265358979323846;

struct Frame {
    QImage image;    // ARGB32 premultiplied, as painted
    int delayCs = 0; // hundredths of a second
};

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// --- palette --------------------------------------------------------------------------

struct Entry {
    QRgb colour;
    int count;
};

int channel(QRgb c, int axis)
{
    return axis == 0 ? qRed(c) : axis == 1 ? qGreen(c) : qBlue(c);
}

// Median cut: split the box with the widest spread (weighted by how many pixels it holds)
// at its weighted median until there are enough boxes; each box gives its mean colour.
std::vector<QRgb> medianCut(std::vector<Entry> entries, int wanted)
{
    struct Box {
        int begin, end;
    };
    std::vector<Box> boxes{{0, int(entries.size())}};
    auto spread = [&](const Box& b, int& axis) {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (int i = b.begin; i < b.end; ++i)
            for (int a = 0; a < 3; ++a) {
                lo[a] = std::min(lo[a], channel(entries[i].colour, a));
                hi[a] = std::max(hi[a], channel(entries[i].colour, a));
            }
        // Green matters most to the eye, blue least.
        const double weight[3] = {1.0, 1.2, 0.8};
        double best = -1;
        for (int a = 0; a < 3; ++a)
            if ((hi[a] - lo[a]) * weight[a] > best) {
                best = (hi[a] - lo[a]) * weight[a];
                axis = a;
            }
        return best;
    };
    while (int(boxes.size()) < wanted) {
        int pick = -1, axis = 0;
        double score = 0;
        for (int k = 0; k < int(boxes.size()); ++k) {
            if (boxes[k].end - boxes[k].begin < 2)
                continue;
            int a = 0;
            double s = spread(boxes[k], a);
            long pixels = 0;
            for (int i = boxes[k].begin; i < boxes[k].end; ++i)
                pixels += entries[i].count;
            s *= std::sqrt(double(pixels));
            if (s > score) {
                score = s;
                pick = k;
                axis = a;
            }
        }
        if (pick < 0)
            break;
        Box b = boxes[pick];
        std::sort(entries.begin() + b.begin, entries.begin() + b.end,
                  [axis](const Entry& x, const Entry& y) { return channel(x.colour, axis) < channel(y.colour, axis); });
        long total = 0;
        for (int i = b.begin; i < b.end; ++i)
            total += entries[i].count;
        long run = 0;
        int cut = b.begin + 1;
        for (int i = b.begin; i < b.end - 1; ++i) {
            run += entries[i].count;
            cut = i + 1;
            if (run * 2 >= total)
                break;
        }
        boxes[pick] = {b.begin, cut};
        boxes.push_back({cut, b.end});
    }
    std::vector<QRgb> palette;
    for (const Box& b : boxes) {
        double r = 0, g = 0, bl = 0, n = 0;
        for (int i = b.begin; i < b.end; ++i) {
            r += qRed(entries[i].colour) * double(entries[i].count);
            g += qGreen(entries[i].colour) * double(entries[i].count);
            bl += qBlue(entries[i].colour) * double(entries[i].count);
            n += entries[i].count;
        }
        if (n > 0)
            palette.push_back(qRgb(int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(bl / n))));
    }
    return palette;
}

// Flattens a painted frame onto the matte: mostly-empty pixels become transparent (-1).
std::vector<long> flatten(const QImage& painted, QColor matte)
{
    const QImage image = painted.convertToFormat(QImage::Format_ARGB32);
    std::vector<long> out;
    out.reserve(size_t(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p);
            if (a < 110) {
                out.push_back(-1);
                continue;
            }
            auto mixc = [a](int c, int m) { return (c * a + m * (255 - a) + 127) / 255; };
            out.push_back(long(qRgb(mixc(qRed(p), matte.red()), mixc(qGreen(p), matte.green()),
                                    mixc(qBlue(p), matte.blue()))));
        }
    }
    return out;
}

bool writeGif(const QString& path, const std::vector<Frame>& frames, QColor matte)
{
    const int w = frames.front().image.width(), h = frames.front().image.height();
    std::vector<std::vector<long>> flat;
    QHash<QRgb, int> histogram;
    bool anyTransparent = false;
    for (const Frame& f : frames) {
        flat.push_back(flatten(f.image, matte));
        for (long p : flat.back()) {
            if (p < 0)
                anyTransparent = true;
            else
                ++histogram[QRgb(p)];
        }
    }
    std::vector<Entry> entries;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        entries.push_back({it.key(), it.value()});
    // QHash order changes from run to run; a fixed order keeps the output byte for byte.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.colour < b.colour; });
    const std::vector<QRgb> palette = medianCut(entries, anyTransparent ? 255 : 256);
    const int transparent = anyTransparent ? int(palette.size()) : -1;

    gifwrite::Nearest nearest(palette);
    std::vector<QRgb> colours = palette;
    if (transparent >= 0)
        colours.push_back(matte.rgb());
    std::vector<gifwrite::Frame> encoded;
    for (size_t k = 0; k < frames.size(); ++k) {
        gifwrite::Frame f;
        f.width = w;
        f.height = h;
        f.delayCs = frames[k].delayCs;
        // Every frame is whole; clearing to the background keeps the previous frame from
        // showing through the transparent pixels.
        f.disposal = frames.size() > 1 ? DISPOSE_BACKGROUND : DISPOSAL_UNSPECIFIED;
        f.transparent = transparent;
        f.pixels.reserve(flat[k].size());
        for (long p : flat[k])
            f.pixels.push_back(p < 0 ? std::uint8_t(transparent) : nearest(QRgb(p)));
        encoded.push_back(std::move(f));
    }
    QString error;
    const bool ok = gifwrite::write(path, w, h, colours, transparent >= 0 ? transparent : 0, encoded, error);
    if (!ok)
        std::fprintf(stderr, "mediagen: %s: %s\n", qPrintable(path), qPrintable(error));
    return ok;
}

// --- drawing helpers -------------------------------------------------------------------

QPainterPath starPath(QPointF centre, double outer, double inner, int points, double turn)
{
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = turn + i * pi / points - pi / 2;
        const QPointF p(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QFont heavyFont(double pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(int(std::lround(pixels)));
    font.setWeight(QFont::Black);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QColor lighter(QColor c, int percent) { return c.lighter(percent); }

// A sticker letter: soft shadow, dark rim, gradient body and a glossy top.
void stickerText(QPainter& p, const QPainterPath& glyphs, QColor body, QColor rim, double rimWidth)
{
    const QRectF box = glyphs.boundingRect();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 70, 70));
    p.drawPath(glyphs.translated(rimWidth * 0.5, rimWidth * 0.6));
    p.setPen(QPen(rim, rimWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(glyphs);
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    fill.setColorAt(0.0, lighter(body, 145));
    fill.setColorAt(0.55, body);
    fill.setColorAt(1.0, body.darker(120));
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(glyphs);
    p.setClipPath(glyphs);
    p.setBrush(QColor(255, 255, 255, 80));
    p.drawEllipse(QRectF(box.left() - box.width() * 0.2, box.top() - box.height() * 0.55, box.width() * 1.4,
                         box.height() * 0.95));
    p.restore();
}

QPainterPath textPath(const QString& text, const QFont& font, QPointF baselineCentre)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(baselineCentre.x() - box.center().x(), baselineCentre.y());
}

// --- cherio: the cheer at a run of four ---------------------------------------------------

std::vector<Frame> cherio()
{
    constexpr int size = 73, count = 10;
    const QPointF centre(36.5, 30.0);
    const std::array<QColor, 5> sparks = {QColor(255, 90, 90), QColor(255, 200, 40), QColor(90, 210, 110),
                                          QColor(80, 170, 255), QColor(230, 110, 230)};
    std::vector<Frame> frames;
    for (int f = 0; f < count; ++f) {
        const double phase = double(f) / count;
        QImage image = canvas(size, size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath badge;
        badge.addRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), 14, 14);
        p.setClipPath(badge);

        // Sky with turning rays; 12 rays turn one ray-gap per loop, so the loop is seamless.
        QRadialGradient sky(centre, 52);
        sky.setColorAt(0.0, QColor(255, 250, 205));
        sky.setColorAt(0.45, QColor(255, 214, 110));
        sky.setColorAt(1.0, QColor(255, 150, 60));
        p.fillRect(image.rect(), sky);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        for (int r = 0; r < 12; ++r) {
            const double a0 = (r + phase) * 2 * pi / 12, a1 = a0 + pi / 14;
            QPainterPath ray;
            ray.moveTo(centre);
            ray.lineTo(centre + QPointF(70 * std::cos(a0), 70 * std::sin(a0)));
            ray.lineTo(centre + QPointF(70 * std::cos(a1), 70 * std::sin(a1)));
            ray.closeSubpath();
            p.drawPath(ray);
        }

        // Two generations of stars fly out from the middle and fade, half a loop apart.
        for (int gen = 0; gen < 2; ++gen) {
            const double t = std::fmod(phase + gen * 0.5, 1.0);
            for (int k = 0; k < 8; ++k) {
                const double a = k * pi / 4 + gen * pi / 8;
                const double d = 14 + 30 * t;
                const QPointF at = centre + QPointF(d * std::cos(a), d * std::sin(a) * 0.9);
                QColor c = sparks[(k + gen * 2) % sparks.size()];
                c.setAlphaF(std::clamp(1.15 - t, 0.0, 1.0));
                p.setBrush(c);
                p.setPen(QPen(QColor(255, 255, 255, int(200 * (1 - t))), 0.8));
                p.drawPath(starPath(at, 4.5 - 1.5 * t, 2.0 - 0.6 * t, 5, a + t * 2));
            }
        }

        // The smiling star jumps and stretches with the cheer.
        const double hop = std::sin(phase * 2 * pi);
        const QPointF body = centre + QPointF(0, -2.5 * hop);
        const double grow = 1.0 + 0.07 * hop;
        p.save();
        p.translate(body);
        p.scale(grow, 2.0 - grow);
        const QPainterPath star = starPath(QPointF(0, 0), 19, 9.5, 5, 0);
        QRadialGradient gold(QPointF(-5, -6), 22);
        gold.setColorAt(0.0, QColor(255, 252, 190));
        gold.setColorAt(0.6, QColor(255, 214, 0));
        gold.setColorAt(1.0, QColor(245, 160, 0));
        p.setPen(QPen(QColor(190, 90, 0), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(gold);
        p.drawPath(star);
        // Face: eyes closed in delight on the up-beat, open otherwise.
        p.setPen(QPen(QColor(70, 40, 10), 1.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(70, 40, 10));
        if (hop > 0.3) {
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(-6.5, -3.5, 4, 3.5), 0, 180 * 16);
            p.drawArc(QRectF(2.5, -3.5, 4, 3.5), 0, 180 * 16);
        } else {
            p.drawEllipse(QPointF(-4.5, -1.5), 1.3, 1.8);
            p.drawEllipse(QPointF(4.5, -1.5), 1.3, 1.8);
        }
        p.setPen(QPen(QColor(70, 40, 10), 1.2));
        p.setBrush(QColor(230, 60, 60));
        QPainterPath mouth;
        mouth.moveTo(-4, 2);
        mouth.quadTo(0, 8.5, 4, 2);
        mouth.closeSubpath();
        p.drawPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 120, 150));
        p.drawEllipse(QPointF(-7.5, 2.5), 2.2, 1.4);
        p.drawEllipse(QPointF(7.5, 2.5), 2.2, 1.4);
        p.restore();

        // "Yahoo!" with each letter bobbing a little after the one before.
        const QFont font = heavyFont(14.5);
        const QString word = QStringLiteral("Yahoo!");
        const std::array<QColor, 6> letters = {QColor(230, 40, 60), QColor(250, 120, 0), QColor(40, 160, 60),
                                               QColor(30, 120, 230), QColor(150, 60, 210), QColor(230, 40, 60)};
        QPainterPath whole;
        whole.addText(0, 0, font, word);
        double x = 36.5 - whole.boundingRect().width() / 2 - whole.boundingRect().left();
        for (int i = 0; i < word.size(); ++i) {
            QPainterPath glyph;
            glyph.addText(0, 0, font, word.mid(i, 1));
            const double bob = 2.2 * std::sin((phase - i * 0.12) * 2 * pi);
            stickerText(p, glyph.translated(x, 66 - bob), letters[i], QColor(255, 255, 255), 3.2);
            x = 36.5 - whole.boundingRect().width() / 2 - whole.boundingRect().left() +
                QFontMetricsF(font).horizontalAdvance(word.left(i + 1));
        }
        p.setClipping(false);
        p.setPen(QPen(QColor(200, 100, 20), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(badge);
        p.end();
        frames.push_back({image, 8});
    }
    return frames;
}

// --- mbustry2: the start page's title ---------------------------------------------------

std::vector<Frame> title()
{
    constexpr int w = 320, h = 120, count = 12;
    struct Bit {
        QString text; // a digit, a sign, or empty for a shape
        int shape;    // 0 circle, 1 triangle, 2 square, 3 star (when text is empty)
        QPointF at;
        double size;
        QColor colour;
        double turn;
    };
    const std::vector<Bit> bits = {
        {QStringLiteral("1"), 0, {20, 28}, 22, QColor(255, 120, 120), -0.25},
        {QStringLiteral("+"), 0, {56, 20}, 22, QColor(80, 180, 255), 0.0},
        {{}, 3, {96, 16}, 9, QColor(255, 200, 40), 0.3},
        {QStringLiteral("2"), 0, {140, 18}, 20, QColor(120, 210, 120), 0.2},
        {{}, 0, {178, 14}, 6, QColor(255, 150, 200), 0.0},
        {QStringLiteral("\u00d7"), 0, {214, 20}, 22, QColor(255, 160, 60), 0.0},
        {QStringLiteral("3"), 0, {258, 18}, 20, QColor(180, 130, 255), -0.2},
        {{}, 1, {298, 24}, 10, QColor(90, 200, 200), 0.2},
        {{}, 2, {22, 98}, 9, QColor(120, 200, 255), 0.4},
        {QStringLiteral("\u2212"), 0, {60, 104}, 22, QColor(255, 110, 140), 0.0},
        {QStringLiteral("5"), 0, {102, 104}, 18, QColor(255, 190, 40), 0.15},
        {{}, 3, {146, 106}, 8, QColor(140, 220, 120), -0.3},
        {QStringLiteral("\u00f7"), 0, {186, 104}, 22, QColor(120, 150, 255), 0.0},
        {QStringLiteral("7"), 0, {228, 104}, 18, QColor(250, 130, 90), -0.15},
        {{}, 0, {262, 104}, 7, QColor(200, 140, 255), 0.0},
        {QStringLiteral("="), 0, {298, 100}, 20, QColor(80, 190, 150), 0.0},
    };
    const QString word = QStringLiteral("MATHtuvo");
    const std::array<QColor, 8> colours = {QColor(235, 50, 60),  QColor(255, 140, 0),  QColor(40, 170, 70),
                                           QColor(30, 120, 230), QColor(150, 70, 220), QColor(230, 60, 160),
                                           QColor(0, 160, 170),  QColor(255, 170, 0)};
    QFont font = heavyFont(47);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 2.5); // room for each letter's rim
    const QFontMetricsF metrics(font);
    QPainterPath whole;
    whole.addText(0, 0, font, word);
    const double left = w / 2.0 - whole.boundingRect().width() / 2 - whole.boundingRect().left();

    std::vector<Frame> frames;
    for (int f = 0; f < count; ++f) {
        const double phase = double(f) / count;
        QImage image = canvas(w, h);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath banner;
        banner.addRoundedRect(QRectF(1, 1, w - 2, h - 2), 22, 22);
        QLinearGradient sky(0, 0, 0, h);
        sky.setColorAt(0.0, QColor(225, 243, 255));
        sky.setColorAt(1.0, QColor(245, 232, 255));
        p.setPen(QPen(QColor(150, 190, 240), 2));
        p.setBrush(sky);
        p.drawPath(banner);
        p.setClipPath(banner);

        // Numbers, signs and shapes drift gently around the name; each twinkles in turn.
        for (size_t i = 0; i < bits.size(); ++i) {
            const Bit& b = bits[i];
            const double wobble = std::sin((phase + i * 0.37) * 2 * pi);
            p.save();
            p.translate(b.at + QPointF(0, 1.5 * wobble));
            p.rotate((b.turn + 0.12 * wobble) * 57.3);
            QColor c = b.colour;
            c.setAlpha(200);
            if (!b.text.isEmpty()) {
                const QPainterPath glyph = textPath(b.text, heavyFont(b.size), QPointF(0, b.size * 0.36));
                p.setPen(QPen(QColor(255, 255, 255), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                p.drawPath(glyph);
                p.setPen(Qt::NoPen);
                p.setBrush(c);
                p.drawPath(glyph);
            } else {
                p.setPen(QPen(c.darker(130), 1.2));
                p.setBrush(c);
                const double s = b.size * (1.0 + 0.12 * wobble);
                switch (b.shape) {
                case 0:
                    p.drawEllipse(QPointF(0, 0), s, s);
                    break;
                case 1: {
                    const QPointF tri[3] = {{0, -s}, {s * 0.95, s * 0.7}, {-s * 0.95, s * 0.7}};
                    p.drawPolygon(tri, 3);
                    break;
                }
                case 2:
                    p.drawRoundedRect(QRectF(-s, -s, 2 * s, 2 * s), 2, 2);
                    break;
                default:
                    p.drawPath(starPath(QPointF(0, 0), s * 1.3, s * 0.6, 5, 0));
                }
            }
            p.restore();
        }

        // The name, each letter riding a slow wave.
        double x = left;
        for (int i = 0; i < word.size(); ++i) {
            QPainterPath glyph;
            glyph.addText(0, 0, font, word.mid(i, 1));
            const double bob = 3.0 * std::sin((phase - i * 0.1) * 2 * pi);
            stickerText(p, glyph.translated(x, 78 - bob), colours[i], QColor(40, 40, 90), 5.0);
            x = left + metrics.horizontalAdvance(word.left(i + 1));
        }
        p.end();
        frames.push_back({image, 12});
    }
    return frames;
}

// --- ice: the reward --------------------------------------------------------------------

QPainterPath scoopPath(QPointF c, double r)
{
    // A round scoop with a frilly, scalloped rim where it was pressed onto what is below.
    QPainterPath path;
    path.addEllipse(QRectF(c.x() - r, c.y() - r * 0.92, 2 * r, r * 1.7));
    const int frills = 6;
    for (int i = 0; i < frills; ++i) {
        const double t = (i + 0.5) / frills;
        const double x = c.x() - r * 0.98 + t * r * 1.96;
        const double y = c.y() + r * 0.55 + r * 0.08 * std::sin(i * 2.1);
        const double fr = r * 0.22;
        QPainterPath bump;
        bump.addEllipse(QPointF(x, y), fr, fr * 0.9);
        path = path.united(bump);
    }
    return path.simplified();
}

void drawScoop(QPainter& p, const QPainterPath& scoop, QColor colour, QColor rim)
{
    const QRectF box = scoop.boundingRect();
    QRadialGradient shade(box.center() + QPointF(-box.width() * 0.2, -box.height() * 0.25), box.width() * 0.75);
    shade.setColorAt(0.0, colour.lighter(125));
    shade.setColorAt(0.6, colour);
    shade.setColorAt(1.0, colour.darker(118));
    p.setPen(QPen(rim, 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(shade);
    p.drawPath(scoop);
    p.save();
    p.setClipPath(scoop);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QRectF(box.left() + box.width() * 0.16, box.top() + box.height() * 0.12, box.width() * 0.22,
                         box.height() * 0.16));
    p.restore();
}

void sprinkles(QPainter& p, QPointF c, double r, unsigned seed, double squash)
{
    const std::array<QColor, 6> colours = {QColor(255, 70, 90),  QColor(255, 210, 40), QColor(60, 190, 90),
                                           QColor(60, 140, 255), QColor(255, 255, 255), QColor(200, 100, 240)};
    for (int i = 0; i < 11; ++i) {
        seed = seed * 1103515245u + 12345u;
        const double a = (seed >> 8) % 628 / 100.0;
        seed = seed * 1103515245u + 12345u;
        const double d = r * (0.15 + ((seed >> 8) % 70) / 100.0);
        seed = seed * 1103515245u + 12345u;
        const double turn = (seed >> 8) % 180;
        const QPointF at = c + QPointF(d * std::cos(a), d * std::sin(a) * squash);
        p.save();
        p.translate(at);
        p.rotate(turn);
        p.setPen(Qt::NoPen);
        p.setBrush(colours[i % colours.size()]);
        p.drawRoundedRect(QRectF(-4.5, -1.4, 9, 2.8), 1.4, 1.4);
        p.restore();
    }
}

std::vector<Frame> ice()
{
    constexpr int w = 249, h = 337;
    QImage image = canvas(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = w / 2.0;

    // The waffle cone.
    QPainterPath cone;
    cone.moveTo(cx - 62, 200);
    cone.lineTo(cx + 62, 200);
    cone.quadTo(cx + 8, 318, cx + 3, 330);
    cone.quadTo(cx, 335, cx - 3, 330);
    cone.quadTo(cx - 8, 318, cx - 62, 200);
    cone.closeSubpath();
    QLinearGradient waffle(cx - 62, 0, cx + 62, 0);
    waffle.setColorAt(0.0, QColor(244, 196, 120));
    waffle.setColorAt(0.5, QColor(232, 170, 90));
    waffle.setColorAt(1.0, QColor(200, 130, 60));
    p.setPen(QPen(QColor(140, 80, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(waffle);
    p.drawPath(cone);
    p.save();
    p.setClipPath(cone);
    p.setPen(QPen(QColor(180, 110, 45), 2.4));
    for (int i = -8; i <= 8; ++i) {
        p.drawLine(QPointF(cx + i * 17 - 80, 190), QPointF(cx + i * 17 + 80, 350));
        p.drawLine(QPointF(cx + i * 17 + 80, 190), QPointF(cx + i * 17 - 80, 350));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawRect(QRectF(cx - 62, 200, 30, 140));
    p.restore();
    p.setPen(QPen(QColor(140, 80, 30), 3));
    p.setBrush(Qt::NoBrush);
    p.drawPath(cone);

    // Three scoops from the bottom up: chocolate, strawberry with a happy face, mint.
    const QPointF choc(cx, 190), straw(cx, 138), mint(cx, 88);
    // Chocolate running down onto the cone belongs to the scoop's outline.
    QPainterPath chocPath = scoopPath(choc, 68);
    QPainterPath drips;
    drips.addRoundedRect(QRectF(cx - 34, 215, 12, 48), 6, 6);
    drips.addRoundedRect(QRectF(cx + 20, 215, 11, 36), 5.5, 5.5);
    drips.addRoundedRect(QRectF(cx - 6, 220, 10, 26), 5, 5);
    chocPath = chocPath.united(drips).simplified();
    drawScoop(p, chocPath, QColor(140, 85, 55), QColor(85, 45, 25));
    sprinkles(p, choc + QPointF(0, 32), 48, 11, 0.35);

    drawScoop(p, scoopPath(straw, 62), QColor(255, 150, 185), QColor(200, 70, 110));
    sprinkles(p, straw + QPointF(0, -14), 44, 23, 0.5);
    // The face: closed smiling eyes, rosy cheeks and a big smile.
    p.setPen(QPen(QColor(70, 35, 40), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(cx - 25, straw.y() - 2, 14, 12), 20 * 16, 140 * 16);
    p.drawArc(QRectF(cx + 11, straw.y() - 2, 14, 12), 20 * 16, 140 * 16);
    p.setPen(QPen(QColor(70, 35, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(220, 60, 80));
    QPainterPath smile;
    smile.moveTo(cx - 11, straw.y() + 14);
    smile.quadTo(cx, straw.y() + 30, cx + 11, straw.y() + 14);
    smile.closeSubpath();
    p.drawPath(smile);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 90, 120, 140));
    p.drawEllipse(QPointF(cx - 30, straw.y() + 16), 7, 4.5);
    p.drawEllipse(QPointF(cx + 30, straw.y() + 16), 7, 4.5);

    drawScoop(p, scoopPath(mint, 54), QColor(150, 225, 190), QColor(50, 140, 100));
    // Chocolate chips in the mint.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 30));
    const QPointF chips[] = {{-24, -10}, {-6, -22}, {16, -12}, {28, 4}, {-30, 10}, {4, 4}, {-12, 16}, {20, 18}};
    for (QPointF c : chips) {
        QPainterPath chip;
        chip.moveTo(mint + c + QPointF(-3, 2));
        chip.lineTo(mint + c + QPointF(0, -3));
        chip.lineTo(mint + c + QPointF(3.5, 1.5));
        chip.closeSubpath();
        p.drawPath(chip);
    }

    // The cherry on top.
    const QPointF cherry(cx + 4, 40);
    p.setPen(QPen(QColor(60, 130, 40), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(cherry + QPointF(0, -10));
    stem.cubicTo(cherry + QPointF(2, -22), cherry + QPointF(10, -30), cherry + QPointF(20, -34));
    p.drawPath(stem);
    p.setPen(QPen(QColor(60, 130, 40), 1.5));
    p.setBrush(QColor(110, 190, 70));
    QPainterPath leaf;
    leaf.moveTo(cherry + QPointF(12, -30));
    leaf.quadTo(cherry + QPointF(22, -42), cherry + QPointF(34, -34));
    leaf.quadTo(cherry + QPointF(24, -24), cherry + QPointF(12, -30));
    p.drawPath(leaf);
    QRadialGradient red(cherry + QPointF(-5, -5), 18);
    red.setColorAt(0.0, QColor(255, 110, 110));
    red.setColorAt(0.5, QColor(225, 20, 40));
    red.setColorAt(1.0, QColor(160, 0, 20));
    p.setPen(QPen(QColor(120, 0, 20), 2.5));
    p.setBrush(red);
    p.drawEllipse(cherry, 15, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(cherry + QPointF(-6, -5), 4, 3);

    // Sparkles so it looks freshly made.
    p.setBrush(QColor(255, 255, 255));
    p.setPen(QPen(QColor(255, 170, 0), 1.2));
    for (QPointF s : {QPointF(40, 60), QPointF(212, 110), QPointF(30, 170), QPointF(222, 232)})
        p.drawPath(starPath(s, 10, 2.8, 4, 0));
    p.end();
    return {{image, 0}};
}

bool save(const QString& dir, const QString& name, const std::vector<Frame>& frames, QColor matte, bool png)
{
    if (png)
        for (size_t i = 0; i < frames.size(); ++i)
            frames[i].image.save(QStringLiteral("%1/%2-%3.png").arg(dir, name).arg(i));
    return writeGif(QStringLiteral("%1/%2.gif").arg(dir, name), frames, matte);
}

} // namespace

int main(int argc, char* argv[])
{
    // No window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: mediagen OUTDIR [--png]\n");
        return 2;
    }
    const QString dir = args.at(1);
    const bool png = args.contains(QStringLiteral("--png"));
    QDir().mkpath(dir);
    // Mattes: the exercise window's grey, the start page's white, the reward's yellow.
    const bool ok = save(dir, QStringLiteral("cherio"), cherio(), QColor(212, 208, 200), png) &&
                    save(dir, QStringLiteral("mbustry2"), title(), QColor(255, 255, 255), png) &&
                    save(dir, QStringLiteral("ice"), ice(), QColor(255, 255, 0), png);
    return ok ? 0 : 1;
}
