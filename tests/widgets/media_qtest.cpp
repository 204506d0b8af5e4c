// The pictures and sounds the program carries: GIF decoding and composition, the frame
// player, resource lookup by name, WAV lengths and the tune player's ways of failing.
// Everything is muted: no test here makes a sound.
#include "widgets/gifmovie.h"
#include "widgets/sounds.h"

#include <QFile>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <gif_lib.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

struct TestFrame {
    QRect rect;
    std::vector<GifByteType> pixels; // row by row, rect.width() per row
    int disposal = DISPOSE_DO_NOT;
    int delayCs = 10;
    int transparent = NO_TRANSPARENT_COLOR;
    std::vector<QRgb> localMap; // empty: use the global one
    bool interlace = false;
};

int appendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

ColorMapObject* makeMap(const std::vector<QRgb>& colours)
{
    std::vector<GifColorType> entries;
    for (QRgb c : colours)
        entries.push_back({GifByteType(qRed(c)), GifByteType(qGreen(c)), GifByteType(qBlue(c))});
    return GifMakeMapObject(int(entries.size()), entries.data());
}

// Writes a GIF89a with giflib; loops < 0 leaves the loop block out.
QByteArray buildGif(QSize screen, const std::vector<QRgb>& global, const std::vector<TestFrame>& frames, int loops)
{
    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    if (!gif)
        return {};
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = makeMap(global);
    bool ok = EGifPutScreenDesc(gif, screen.width(), screen.height(), 8, 0, map) == GIF_OK;
    GifFreeMapObject(map);
    if (ok && loops >= 0) {
        const GifByteType block[3] = {1, GifByteType(loops & 0xff), GifByteType(loops >> 8)};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
             EGifPutExtensionBlock(gif, 3, block) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
    }
    for (const TestFrame& f : frames) {
        GraphicsControlBlock gcb{f.disposal, false, f.delayCs, f.transparent};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ColorMapObject* local = f.localMap.empty() ? nullptr : makeMap(f.localMap);
        ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK &&
             EGifPutImageDesc(gif, f.rect.x(), f.rect.y(), f.rect.width(), f.rect.height(), f.interlace, local) == GIF_OK;
        if (local)
            GifFreeMapObject(local);
        // giflib 5.2 keeps its own copy of a frame's map and never frees it: drop it here.
        if (gif->Image.ColorMap) {
            GifFreeMapObject(gif->Image.ColorMap);
            gif->Image.ColorMap = nullptr;
        }
        std::vector<int> order;
        if (f.interlace) {
            // An interlaced frame is stored in four passes of rows.
            const int start[4] = {0, 4, 2, 1}, jump[4] = {8, 8, 4, 2};
            for (int pass = 0; pass < 4; ++pass)
                for (int y = start[pass]; y < f.rect.height(); y += jump[pass])
                    order.push_back(y);
        } else {
            for (int y = 0; y < f.rect.height(); ++y)
                order.push_back(y);
        }
        for (int y : order)
            ok = ok && EGifPutLine(gif, const_cast<GifByteType*>(f.pixels.data()) + y * f.rect.width(),
                                   f.rect.width()) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok)
        return {};
    return out;
}

const QRgb red = qRgb(255, 0, 0), green = qRgb(0, 255, 0), blue = qRgb(0, 0, 255), white = qRgb(255, 255, 255);

QByteArray wav(int channels, int rate, int bits, int frames, const QByteArray& extraChunk = {}, int format = 1,
               int claimedData = -1)
{
    const int block = channels * bits / 8;
    const QByteArray samples(frames * block, '\0');
    auto le32 = [](quint32 v) {
        QByteArray b(4, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    auto le16 = [](quint16 v) {
        QByteArray b(2, '\0');
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray fmt = le16(quint16(format)) + le16(quint16(channels)) + le32(quint32(rate)) +
                     le32(quint32(rate * block)) + le16(quint16(block)) + le16(quint16(bits));
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + extraChunk + "data" +
                      le32(quint32(claimedData < 0 ? samples.size() : claimedData)) + samples;
    return "RIFF" + le32(quint32(body.size())) + body;
}

QByteArray resourceBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}


// The frames built the plain way, for the sweep to hold the decoder up to: giflib reads the
// whole file at once, and every frame is composited in full and kept.
std::vector<QImage> referenceFrames(const QByteArray& data)
{
    struct Source {
        const QByteArray* data;
        int at;
    } source{&data, 0};
    const auto read = [](GifFileType* gif, GifByteType* into, int length) {
        auto* from = static_cast<Source*>(gif->UserData);
        const int n = std::min(length, int(from->data->size()) - from->at);
        std::memcpy(into, from->data->constData() + from->at, size_t(n));
        from->at += n;
        return n;
    };
    int error = 0;
    GifFileType* gif = DGifOpen(&source, read, &error);
    std::vector<QImage> frames;
    if (!gif || DGifSlurp(gif) != GIF_OK)
        return frames;
    QImage canvas(gif->SWidth, gif->SHeight, QImage::Format_ARGB32);
    canvas.fill(0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& image = gif->SavedImages[i];
        const GifImageDesc& d = image.ImageDesc;
        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        const QImage before = canvas;
        const QRect area = QRect(d.Left, d.Top, d.Width, d.Height).intersected(canvas.rect());
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const int index = image.RasterBits[(y - d.Top) * d.Width + x - d.Left];
                if (index != gcb.TransparentColor && index < map->ColorCount)
                    canvas.setPixel(x, y, qRgb(map->Colors[index].Red, map->Colors[index].Green, map->Colors[index].Blue));
            }
        frames.push_back(canvas);
        if (gcb.DisposalMode == DISPOSE_BACKGROUND)
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    canvas.setPixel(x, y, 0);
        else if (gcb.DisposalMode == DISPOSE_PREVIOUS)
            canvas = before;
    }
    DGifCloseFile(gif, &error);
    return frames;
}
} // namespace

class MediaTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qputenv("MATHTUVO_MUTE", "1");
        Soundboard::setMuted(true);
    }

    // --- the pictures we ship ------------------------------------------------------------

    void shippedPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("minSize");
        QTest::addColumn<QSize>("maxSize");
        QTest::addColumn<bool>("animated");
        QTest::newRow("cheer") << "cherio" << QSize(73, 73) << QSize(73, 73) << true;
        QTest::newRow("title") << "mbustry2" << QSize(250, 90) << QSize(400, 160) << true;
        QTest::newRow("ice") << "ice" << QSize(249, 337) << QSize(249, 337) << false;
    }

    void shippedPictures()
    {
        QFETCH(QString, name);
        QFETCH(QSize, minSize);
        QFETCH(QSize, maxSize);
        QFETCH(bool, animated);
        const Gifmovie movie = Gifmovie::fromResource(name);
        QVERIFY2(!movie.isNull(), qPrintable(movie.errorString()));
        QVERIFY(movie.size().width() >= minSize.width() && movie.size().width() <= maxSize.width());
        QVERIFY(movie.size().height() >= minSize.height() && movie.size().height() <= maxSize.height());
        if (animated) {
            QVERIFY(movie.frameCount() >= 3);
            QCOMPARE(movie.plays(), 0); // loops for ever
        } else {
            QCOMPARE(movie.frameCount(), 1);
        }
        for (int i = 0; i < movie.frameCount(); ++i) {
            QCOMPARE(movie.frame(i).size(), movie.size());
            QVERIFY(movie.delayMs(i) > 0);
        }
        // Real artwork: many colours, and the frames of an animation differ.
        QSet<QRgb> colours;
        const QImage& first = movie.frame(0);
        for (int y = 0; y < first.height(); y += 2)
            for (int x = 0; x < first.width(); x += 2)
                colours.insert(first.pixel(x, y));
        QVERIFY(colours.size() > 30);
        if (animated)
            QVERIFY(movie.frame(0) != movie.frame(movie.frameCount() / 2));
    }

    void shippedPicturesHaveTransparentCorners_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("cheer") << "cherio";
        QTest::newRow("title") << "mbustry2";
        QTest::newRow("ice") << "ice";
    }

    void shippedPicturesHaveTransparentCorners()
    {
        // The corners show the window behind; the middle is painted.
        QFETCH(QString, name);
        const Gifmovie movie = Gifmovie::fromResource(name);
        QVERIFY(!movie.isNull());
        for (int i = 0; i < movie.frameCount(); ++i) {
            const QImage& f = movie.frame(i);
            QCOMPARE(qAlpha(f.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(f.pixel(f.width() - 1, 0)), 0);
            QCOMPARE(qAlpha(f.pixel(0, f.height() - 1)), 0);
            QCOMPARE(qAlpha(f.pixel(f.width() - 1, f.height() - 1)), 0);
            QCOMPARE(qAlpha(f.pixel(f.width() / 2, f.height() * 2 / 3)), 255);
        }
    }

    // --- composition, pixel by pixel ------------------------------------------------------

    void framesComposeWithDisposalAndTransparency()
    {
        const std::vector<QRgb> palette = {red, green, blue, white};
        std::vector<TestFrame> frames(4);
        // 1: the whole screen red, left in place.
        frames[0].rect = QRect(0, 0, 4, 3);
        frames[0].pixels.assign(12, 0);
        frames[0].delayCs = 7;
        // 2: a 2x2 patch with two holes, cleared to the background afterwards.
        frames[1].rect = QRect(1, 1, 2, 2);
        frames[1].pixels = {1, 3, 3, 2};
        frames[1].transparent = 3;
        frames[1].disposal = DISPOSE_BACKGROUND;
        frames[1].delayCs = 0;
        // 3: one green pixel in the corner, taken back afterwards.
        frames[2].rect = QRect(3, 0, 1, 1);
        frames[2].pixels = {1};
        frames[2].disposal = DISPOSE_PREVIOUS;
        // 4: one pixel from a colour map of its own.
        frames[3].rect = QRect(0, 0, 1, 1);
        frames[3].pixels = {1};
        frames[3].localMap = {white, qRgb(10, 20, 30)};
        const QByteArray data = buildGif(QSize(4, 3), palette, frames, -1);
        QVERIFY(!data.isEmpty());

        const Gifmovie movie = Gifmovie::fromData(data);
        QVERIFY2(!movie.isNull(), qPrintable(movie.errorString()));
        QCOMPARE(movie.size(), QSize(4, 3));
        QCOMPARE(movie.frameCount(), 4);
        QCOMPARE(movie.plays(), 1);
        QCOMPARE(movie.delayMs(0), 70);
        QCOMPARE(movie.delayMs(1), 100); // no delay is shown as a tenth of a second

        const QImage f0 = movie.frame(0), f1 = movie.frame(1), f2 = movie.frame(2), f3 = movie.frame(3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                QCOMPARE(f0.pixel(x, y), red);
        // Holes show the red below.
        QCOMPARE(f1.pixel(1, 1), green);
        QCOMPARE(f1.pixel(2, 1), red);
        QCOMPARE(f1.pixel(1, 2), red);
        QCOMPARE(f1.pixel(2, 2), blue);
        QCOMPARE(f1.pixel(0, 0), red);
        // Frame 2's patch was cleared to transparent; the rest stays red.
        for (QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(2, 2)})
            QCOMPARE(qAlpha(f2.pixel(p)), 0);
        QCOMPARE(f2.pixel(3, 0), green);
        QCOMPARE(f2.pixel(0, 2), red);
        // Frame 3's green pixel is undone; frame 4 uses its own colours.
        QCOMPARE(f3.pixel(3, 0), red);
        QCOMPARE(f3.pixel(0, 0), qRgb(10, 20, 30));
        QCOMPARE(qAlpha(f3.pixel(2, 2)), 0);
        QCOMPARE(f3.pixel(3, 2), red);
    }

    void loopBlockCountsRepeats()
    {
        TestFrame one;
        one.rect = QRect(0, 0, 1, 1);
        one.pixels = {0};
        const std::vector<QRgb> palette = {red, green};
        QCOMPARE(Gifmovie::fromData(buildGif(QSize(1, 1), palette, {one, one}, 0)).plays(), 0);
        QCOMPARE(Gifmovie::fromData(buildGif(QSize(1, 1), palette, {one, one}, 2)).plays(), 3);
    }

    void interlacedRowsLandInPlace()
    {
        const std::vector<QRgb> palette = {qRgb(0, 0, 0),   qRgb(30, 0, 0),  qRgb(60, 0, 0),  qRgb(90, 0, 0),
                                           qRgb(120, 0, 0), qRgb(150, 0, 0), qRgb(180, 0, 0), qRgb(210, 0, 0)};
        TestFrame f;
        f.rect = QRect(0, 0, 2, 8);
        f.interlace = true;
        for (int y = 0; y < 8; ++y)
            f.pixels.insert(f.pixels.end(), {GifByteType(y), GifByteType(y)});
        const Gifmovie movie = Gifmovie::fromData(buildGif(QSize(2, 8), palette, {f}, -1));
        QVERIFY(!movie.isNull());
        for (int y = 0; y < 8; ++y)
            QCOMPARE(movie.frame(0).pixel(1, y), palette[size_t(y)]);
    }

    void framePartlyOffScreenIsClipped()
    {
        TestFrame bg;
        bg.rect = QRect(0, 0, 3, 3);
        bg.pixels.assign(9, 0);
        TestFrame over;
        over.rect = QRect(2, 2, 3, 3); // two rows and columns hang off the screen
        over.pixels.assign(9, 1);
        const Gifmovie movie = Gifmovie::fromData(buildGif(QSize(3, 3), {red, green}, {bg, over}, -1));
        QVERIFY2(!movie.isNull(), qPrintable(movie.errorString()));
        QCOMPARE(movie.frame(1).size(), QSize(3, 3));
        QCOMPARE(movie.frame(1).pixel(2, 2), green);
        QCOMPARE(movie.frame(1).pixel(1, 1), red);
    }

    void framesMatchThePlainWayInAnyOrder()
    {
        // Random pictures of every make: disposals, holes, maps of their own, interlacing,
        // images partly or wholly off the screen; long enough ones for key frames to be
        // kept. Frames are asked for in a random order, from two copies of the movie in turn.
        std::mt19937 random(20261208);
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
        const auto palette = [&] {
            std::vector<QRgb> colours;
            for (int i = 0, n = 2 << pick(0, 2); i < n; ++i)
                colours.push_back(qRgb(pick(0, 255), pick(0, 255), pick(0, 255)));
            return colours;
        };
        for (int round = 0; round < 80; ++round) {
            const QSize screen(pick(1, 24), pick(1, 24));
            const std::vector<QRgb> global = palette();
            std::vector<TestFrame> frames(size_t(pick(1, 24)));
            for (TestFrame& f : frames) {
                f.rect = QRect(pick(0, screen.width()), pick(0, screen.height()), pick(1, screen.width()),
                               pick(1, screen.height()));
                if (pick(0, 3) == 0)
                    f.localMap = palette();
                const int colours = int(f.localMap.empty() ? global.size() : f.localMap.size());
                f.pixels.resize(size_t(f.rect.width() * f.rect.height()));
                for (GifByteType& px : f.pixels)
                    px = GifByteType(pick(0, colours - 1));
                f.disposal = pick(DISPOSAL_UNSPECIFIED, DISPOSE_PREVIOUS);
                f.transparent = pick(0, 1) ? pick(0, colours - 1) : NO_TRANSPARENT_COLOR;
                f.delayCs = pick(0, 20);
                f.interlace = pick(0, 3) == 0;
            }
            const QByteArray data = buildGif(screen, global, frames, -1);
            const std::vector<QImage> expected = referenceFrames(data);
            QCOMPARE(int(expected.size()), int(frames.size()));
            const Gifmovie movie = Gifmovie::fromData(data);
            QVERIFY2(!movie.isNull(), qPrintable(movie.errorString()));
            QCOMPARE(movie.frameCount(), int(frames.size()));
            const Gifmovie copy = movie;
            for (int visit = 0; visit < 3 * movie.frameCount(); ++visit) {
                const int i = pick(0, movie.frameCount() - 1);
                const Gifmovie& asked = pick(0, 1) ? movie : copy;
                QCOMPARE(asked.frame(i).convertToFormat(QImage::Format_ARGB32), expected[size_t(i)]);
                QCOMPARE(asked.delayMs(i), frames[size_t(i)].delayCs < 2 ? 100 : frames[size_t(i)].delayCs * 10);
            }
        }
    }

    // Each image's own size and place count, not only the screen's: an image larger than
    // the screen is refused before its pixels are decoded, one wholly off the screen is
    // passed over (its data is not even decoded), and the frame count has a ceiling.
    void framesAreLimitedByTheScreen_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("frames"); // 0: refused
        TestFrame dot;
        dot.rect = QRect(0, 0, 2, 2);
        dot.pixels.assign(4, 1);
        TestFrame wide;
        wide.rect = QRect(0, 0, 64, 64);
        wide.pixels.assign(64 * 64, 1);
        TestFrame away = dot;
        away.rect = QRect(1000, 1000, 2, 2);
        QTest::newRow("image larger than the screen") << buildGif(QSize(2, 2), {red, green}, {wide}, -1) << 0;
        QTest::newRow("image wholly off the screen") << buildGif(QSize(2, 2), {red, green}, {dot, away}, -1) << 2;
        QTest::newRow("frames up to the ceiling")
            << buildGif(QSize(1, 1), {red, green}, std::vector<TestFrame>(size_t(Gifmovie::maxFrames), away), -1)
            << Gifmovie::maxFrames;
        QTest::newRow("one frame too many")
            << buildGif(QSize(1, 1), {red, green}, std::vector<TestFrame>(size_t(Gifmovie::maxFrames) + 1, away), -1)
            << 0;

        // By hand: a 2x2 screen, then images of 60000x60000 whose few data bytes are no
        // real picture. On the screen it is refused at once; off it, it is passed over.
        const auto huge = [](quint16 left) {
            QByteArray b("GIF89a");
            b += QByteArray::fromHex("02000200800000ff000000ff00");
            b += QByteArray::fromHex("2c") + char(left & 0xff) + char(left >> 8) +
                 QByteArray::fromHex("000060ea60ea00");
            b += QByteArray::fromHex("0203ffffff003b");
            return b;
        };
        QTest::newRow("huge image on the screen") << huge(0) << 0;
        QByteArray offscreen = buildGif(QSize(2, 2), {red, green}, {dot}, -1);
        offscreen.chop(1); // the trailer
        offscreen += huge(3).mid(6 + 7 + 2 * 3);
        QTest::newRow("huge image off the screen") << offscreen << 2;
    }

    void framesAreLimitedByTheScreen()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, frames);
        QVERIFY(!data.isEmpty());
        const Gifmovie movie = Gifmovie::fromData(data);
        QCOMPARE(movie.frameCount(), frames);
        if (frames == 0)
            QVERIFY(!movie.errorString().isEmpty());
        // What lies off the screen leaves the frames as they were.
        for (int i = 1; i < frames; ++i)
            QCOMPARE(movie.frame(i), movie.frame(0));
    }

    void brokenDataGivesNullMovie_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray cheer = resourceBytes(QStringLiteral(":/gif/cherio.gif"));
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("header only") << QByteArray("GIF89a");
        QTest::newRow("not a gif") << QByteArray("RIFF....WAVEfmt ");
        QTest::newRow("cut short") << cheer.left(cheer.size() / 2);
        QTest::newRow("no frames") << buildGif(QSize(2, 2), {red, green}, {}, -1);
    }

    void brokenDataGivesNullMovie()
    {
        QFETCH(QByteArray, data);
        const Gifmovie movie = Gifmovie::fromData(data);
        QVERIFY(movie.isNull());
        QVERIFY(!movie.errorString().isEmpty());
        QCOMPARE(movie.frameCount(), 0);
        QVERIFY(movie.frame(0).isNull());
        QCOMPARE(movie.delayMs(0), 0);
    }

    void damagedBytesNeverBreakTheDecoder()
    {
        // Flip bytes all over a good picture: the result is either refused or a set of
        // whole frames, never a crash or a frame of the wrong size.
        const QByteArray good = resourceBytes(QStringLiteral(":/gif/cherio.gif"));
        QVERIFY(good.size() > 3000);
        quint32 seed = 12345;
        int refused = 0, decoded = 0;
        for (int round = 0; round < 300; ++round) {
            QByteArray bad = good;
            for (int k = 0; k < 4; ++k) {
                seed = seed * 1664525u + 1013904223u;
                const int at = int((seed >> 8) % quint32(qMin<qsizetype>(bad.size(), 3000)));
                bad[at] = char(seed >> 24);
            }
            const Gifmovie movie = Gifmovie::fromData(bad);
            if (movie.isNull()) {
                QVERIFY(!movie.errorString().isEmpty());
                ++refused;
                continue;
            }
            for (int i = 0; i < movie.frameCount(); ++i) {
                QCOMPARE(movie.frame(i).size(), movie.size());
                QVERIFY(movie.delayMs(i) > 0);
            }
            ++decoded;
        }
        // Both ways out were taken, so the damage reached the decoder's checks.
        QVERIFY(refused > 0);
        QVERIFY(decoded > 0);
    }

    // --- names ---------------------------------------------------------------------------

    void resourcesAreFoundWhateverTheCase()
    {
        QCOMPARE(Gifmovie::resourcePath(QStringLiteral("CHERIO")), QStringLiteral(":/gif/cherio.gif"));
        QCOMPARE(Gifmovie::resourcePath(QStringLiteral("Cherio.GIF")), QStringLiteral(":/gif/cherio.gif"));
        QCOMPARE(Gifmovie::resourcePath(QStringLiteral(" MBustry2 ")), QStringLiteral(":/gif/mbustry2.gif"));
        QCOMPARE(Soundboard::resourcePath(QStringLiteral("CashReg")), QStringLiteral(":/sounds/cashreg.wav"));
        QCOMPARE(findMediaResource(QStringLiteral("sounds"), QStringLiteral("TEST"), QStringLiteral("mid")),
                 QStringLiteral(":/sounds/test.mid"));
        const Gifmovie upper = Gifmovie::fromResource(QStringLiteral("ICE"));
        QCOMPARE(upper.size(), Gifmovie::fromResource(QStringLiteral("ice")).size());
        QCOMPARE(upper.frame(0), Gifmovie::fromResource(QStringLiteral("ice")).frame(0));
    }

    void missingMediaAreSkipped()
    {
        QVERIFY(Gifmovie::resourcePath(QStringLiteral("nosuch")).isEmpty());
        QVERIFY(Gifmovie::resourcePath(QString()).isEmpty());
        // A sound's name does not find a picture.
        QVERIFY(Gifmovie::resourcePath(QStringLiteral("right")).isEmpty());
        const Gifmovie none = Gifmovie::fromResource(QStringLiteral("nosuch"));
        QVERIFY(none.isNull());
        QVERIFY(none.errorString().contains(QStringLiteral("nosuch")));
        Soundboard board;
        QVERIFY(!board.play(QStringLiteral("nosuch")));
        QVERIFY(!board.play(QString()));
        QCOMPARE(Soundboard::durationMs(QStringLiteral("nosuch")), -1);
    }

    // --- the frame player ------------------------------------------------------------------

    void playerOutlivesItsLabel()
    {
        // The window may throw its picture away while a player still holds the frames.
        Gifplayer player;
        {
            QLabel screen;
            Gifplayer onLabel(&screen, &player);
            QVERIFY(onLabel.load(QStringLiteral("cherio")));
        }
        auto* label = new QLabel;
        auto* loose = new Gifplayer(label, &player);
        QVERIFY(loose->load(QStringLiteral("cherio")));
        loose->start();
        delete label;
        QCOMPARE(loose->screen(), nullptr);
        loose->tick();
        QCOMPARE(loose->currentFrame(), 1);
    }

    void viewerStepsPausesAndStops()
    {
        QLabel screen;
        Gifplayer view(&screen);
        QSignalSpy changed(&view, &Gifplayer::frameChanged);
        QVERIFY(view.load(QStringLiteral("cherio")));
        const int n = view.frameCount();
        QVERIFY(n >= 3);
        QCOMPARE(view.currentFrame(), 0);
        QCOMPARE(screen.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 view.gif().frame(0).convertToFormat(QImage::Format_ARGB32));

        view.start();
        QVERIFY(view.isRunning());
        view.tick();
        view.tick();
        QCOMPARE(view.currentFrame(), 2);
        QCOMPARE(changed.last().at(0).toInt(), 2);
        QCOMPARE(screen.pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 view.gif().frame(2).convertToFormat(QImage::Format_ARGB32));

        view.pause();
        QVERIFY(!view.isRunning());
        view.step();
        QCOMPARE(view.currentFrame(), 3 % n);
        QVERIFY(!view.isRunning()); // stepping does not start it
        view.stepBack();
        QCOMPARE(view.currentFrame(), 2);

        QVERIFY(view.jumpToFrame(n - 1));
        view.step();
        QCOMPARE(view.currentFrame(), 0); // wraps round
        view.stepBack();
        QCOMPARE(view.currentFrame(), n - 1);
        QVERIFY(!view.jumpToFrame(n));
        QVERIFY(!view.jumpToFrame(-1));
        QCOMPARE(view.currentFrame(), n - 1);

        view.start();
        view.tick(); // a picture that loops for ever goes round
        QCOMPARE(view.currentFrame(), 0);
        QVERIFY(view.isRunning());
        view.tick();
        view.stop();
        QVERIFY(!view.isRunning());
        QCOMPARE(view.currentFrame(), 0);
    }

    void viewerFinishesAfterItsPlays()
    {
        TestFrame f;
        f.rect = QRect(0, 0, 1, 1);
        std::vector<TestFrame> frames(3, f);
        frames[0].pixels = {0};
        frames[1].pixels = {1};
        frames[2].pixels = {0};
        const Gifmovie movie = Gifmovie::fromData(buildGif(QSize(1, 1), {red, green}, frames, 1));
        QCOMPARE(movie.plays(), 2);

        Gifplayer view; // no label: counting only
        QSignalSpy finished(&view, &Gifplayer::finished);
        view.setGif(movie);
        view.start();
        // Twice through three frames: five moves, then the sixth beat ends it.
        for (int beat = 0; beat < 5; ++beat)
            view.tick();
        QCOMPARE(finished.count(), 0);
        QVERIFY(view.isRunning());
        QCOMPARE(view.currentFrame(), 2);
        view.tick();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!view.isRunning());
        QCOMPARE(view.currentFrame(), 2); // the last frame stays up
    }

    void viewerWithNothingOrAStill()
    {
        Gifview label;
        Gifplayer& view = *label.player();
        QCOMPARE(view.screen(), &label);
        QVERIFY(!label.load(QStringLiteral("nosuch")));
        QCOMPARE(view.frameCount(), 0);
        QVERIFY(label.pixmap().isNull());
        view.start();
        view.tick();
        view.step();
        view.stepBack();
        QVERIFY(!view.isRunning());
        QVERIFY(!view.jumpToFrame(0));

        QVERIFY(label.load(QStringLiteral("ice")));
        QCOMPARE(label.pixmap().size(), QSize(249, 337));
        view.start(); // one frame: nothing to play
        QVERIFY(!view.isRunning());
        view.unload();
        QVERIFY(label.pixmap().isNull());
    }

    // --- sounds ------------------------------------------------------------------------------

    void wavLengths()
    {
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 22050, 16, 22050)), 1000);
        QCOMPARE(Soundboard::wavDurationMs(wav(2, 44100, 16, 11025)), 250);
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 8000, 8, 4000)), 500);
        // Rounded up, so a wait on it is never short.
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 22050, 16, 1)), 1);
        // Another chunk of odd length (padded) before the samples.
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 22050, 16, 22050, QByteArray("LIST\x03\0\0\0abc\0", 12))), 1000);
        // A header promising more than the file holds.
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 1000, 16, 300, {}, 1, 2000000)), 300);
        QCOMPARE(Soundboard::wavDurationMs(wav(1, 22050, 32, 100, {}, 3)), -1); // floating point
        QCOMPARE(Soundboard::wavDurationMs(QByteArray("RIFF\x04\0\0\0WAVE", 12)), -1);
        QCOMPARE(Soundboard::wavDurationMs(QByteArray("not a sound at all")), -1);
        QCOMPARE(Soundboard::wavDurationMs(QByteArray()), -1);
    }

    void shippedSoundsAreShort()
    {
        for (const char* name : {"right", "ohoh", "yahoo", "cashreg"}) {
            const int ms = Soundboard::durationMs(QString::fromLatin1(name));
            QVERIFY2(ms >= 150 && ms < 1500, name);
            QCOMPARE(Soundboard::durationMs(QString::fromLatin1(name).toUpper()), ms);
            const QByteArray bytes = resourceBytes(Soundboard::resourcePath(QString::fromLatin1(name)));
            // 16-bit mono at 22050 Hz, as the player expects.
            QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 22), quint16(1));
            QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 24), quint32(22050));
            QCOMPARE(qFromLittleEndian<quint16>(bytes.constData() + 34), quint16(16));
        }
    }

    void mutedSoundsAreAcceptedSilently()
    {
        Soundboard board;
        QVERIFY(Soundboard::isMuted());
        QVERIFY(board.play(QStringLiteral("right")));
        QVERIFY(board.play(QStringLiteral("YAHOO")));
        board.stopAll();
        // The environment keeps the program quiet whatever the switch says.
        Soundboard::setMuted(false);
        QVERIFY(Soundboard::isMuted());
        qunsetenv("MATHTUVO_MUTE");
        QVERIFY(!Soundboard::isMuted());
        Soundboard::setMuted(true);
        QVERIFY(Soundboard::isMuted());
        qputenv("MATHTUVO_MUTE", "1");
    }

    // --- the tune ------------------------------------------------------------------------------

    void tuneFailsWithoutPlayerOrSoundFont()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString font = dir.filePath(QStringLiteral("font.sf2"));
        QFile f(font);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("sfbk") == 4);
        f.close();
        const QString stand = QStandardPaths::findExecutable(QStringLiteral("true"));
        QVERIFY(!stand.isEmpty());

        Soundboard::setMuted(false);
        qunsetenv("MATHTUVO_MUTE");
        Tuneplayer tune;
        tune.setPlayer(dir.filePath(QStringLiteral("no-such-player")));
        tune.setSoundFont(font);
        QVERIFY(!tune.play());
        QVERIFY(!tune.errorString().isEmpty());
        QVERIFY(!tune.isPlaying());

        tune.setPlayer(font); // there, but not a program
        QVERIFY(!tune.play());

        tune.setPlayer(stand);
        tune.setSoundFont(dir.filePath(QStringLiteral("missing.sf2")));
        QVERIFY(!tune.play());
        tune.setSoundFont(QString());
        QVERIFY(!tune.play());

        tune.setSoundFont(font);
        QVERIFY(!tune.play(QStringLiteral("nosuchtune")));
        Soundboard::setMuted(true);
        qputenv("MATHTUVO_MUTE", "1");
    }

    void tuneIsHandedToThePlayer()
    {
        // `true` stands in for fluidsynth: it starts, and it makes no sound.
        QTemporaryDir dir;
        const QString font = dir.filePath(QStringLiteral("font.sf2"));
        QFile f(font);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("sfbk") == 4);
        f.close();
        Soundboard::setMuted(false);
        qunsetenv("MATHTUVO_MUTE");
        Tuneplayer tune;
        tune.setPlayer(QStandardPaths::findExecutable(QStringLiteral("true")));
        tune.setSoundFont(font);
        tune.setAudioDriver(QStringLiteral("alsa"));
        const bool played = tune.play(QStringLiteral("Test"));
        Soundboard::setMuted(true);
        qputenv("MATHTUVO_MUTE", "1");
        QVERIFY2(played, qPrintable(tune.errorString()));
        QVERIFY(!tune.tuneFile().isEmpty());
        QCOMPARE(resourceBytes(tune.tuneFile()), resourceBytes(QStringLiteral(":/sounds/test.mid")));
        const QStringList args = tune.arguments(tune.tuneFile());
        QVERIFY(args.contains(QStringLiteral("-ni")));
        const int driver = int(args.indexOf(QStringLiteral("-a")));
        QVERIFY(driver >= 0);
        QCOMPARE(args.at(driver + 1), QStringLiteral("alsa"));
        QCOMPARE(args.at(args.size() - 2), font);
        QCOMPARE(args.last(), tune.tuneFile());
        tune.stop();
        QVERIFY(!tune.isPlaying());
    }

    void mutedTuneReportsSuccessWithoutPlaying()
    {
        Tuneplayer tune;
        tune.setPlayer(QStringLiteral("/no/such/player"));
        QVERIFY(tune.play());
        QVERIFY(!tune.isPlaying());
        QVERIFY(tune.tuneFile().isEmpty());
        QVERIFY(!tune.play(QStringLiteral("nosuchtune")));
    }

    void shippedTuneIsGeneralMidi()
    {
        const QByteArray mid = resourceBytes(QStringLiteral(":/sounds/test.mid"));
        QVERIFY(mid.startsWith("MThd"));
        const quint16 format = qFromBigEndian<quint16>(mid.constData() + 8);
        QVERIFY(format == 0 || format == 1);
        QVERIFY(qFromBigEndian<quint16>(mid.constData() + 10) >= 1);
        QVERIFY(mid.contains("MTrk"));
        QVERIFY(mid.count(QByteArray("MTrk")) == qFromBigEndian<quint16>(mid.constData() + 10));
    }
};

QTEST_MAIN(MediaTest)
#include "media_qtest.moc"
