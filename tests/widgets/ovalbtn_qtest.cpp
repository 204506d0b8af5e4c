// The two-line buttons: what they draw (on the recording canvas), the bevel colours, how
// they follow the mouse and the keyboard, and the QPainter canvas they paint with.
#include "support/recordingcanvas.h"
#include "widgets/ovalbtn.h"
#include "widgets/qtcanvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <memory>

namespace {

using Calls = std::vector<std::string>;

// 0,255,255 lightened by 60%: 153,255,255; darkened by 50%: 0,128,128 ($BBGGRR).
const std::string aqua = "FFFF00", aqualight = "FFFF99", aquadark = "808000";

std::string hex(const QColor& c)
{
    char b[8];
    std::snprintf(b, sizeof b, "%06X", Qtcanvas::bgr(c));
    return b;
}

// A button as the exercise window has them: 100 x 50, aqua, caption over a second line.
template <class Button>
std::unique_ptr<Button> makebutton(const QString& caption = "Get", const QString& second = "Soalan")
{
    auto b = std::make_unique<Button>();
    b->setColor(QColor(0, 255, 255));
    b->setCaption(caption);
    b->setlines(second);
    return b;
}

Calls drawing(TOvalButton& b, const std::string& kind)
{
    Recordingcanvas canvas;
    b.paintto(canvas);
    return canvas.only(kind);
}

bool startswith(const std::string& s, const std::string& prefix) { return s.rfind(prefix, 0) == 0; }

// Three 10 x 8 images on a magenta background, which is also the bottom-left pixel.
QImage strip()
{
    QImage image(30, 8, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    for (int i = 0; i < 3; ++i)
        image.setPixelColor(i * 10 + 5, 3, QColor(10 * i, 0, 0));
    return image;
}

// Draws on a white image through a Qtcanvas.
template <class Draw>
QImage paint(QSize size, Draw draw)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        Qtcanvas canvas(painter);
        draw(canvas);
    }
    return image;
}

}  // namespace

class Ovalbuttontest : public QObject {
    Q_OBJECT

    // A window with an answer box and the button, shown and active.
    std::unique_ptr<QWidget> window;
    QLineEdit* answer = nullptr;

    template <class Button>
    Button* showbutton(const QString& caption = "Get", const QString& second = "Soalan")
    {
        window = std::make_unique<QWidget>();
        window->resize(300, 200);
        answer = new QLineEdit(window.get());
        answer->setGeometry(10, 10, 100, 24);
        auto* b = new Button(window.get());
        b->setCaption(caption);
        b->setlines(second);
        b->move(50, 60);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            qWarning("window not active");
        answer->setFocus();
        // Start away from the button: Qt drops a move to where the pointer already is.
        QTest::mouseMove(window->windowHandle(), QPoint(295, 195));
        return b;
    }

    // The mouse goes through the window, as the pupil's would: Qt picks the widget,
    // holds it while a button is down and sends it the leave when the pointer goes.
    QPoint at(QWidget* b, QPoint p) const { return b->mapTo(window.get(), p); }
    void move(QWidget* b, QPoint p) { QTest::mouseMove(window->windowHandle(), at(b, p)); }
    void press(QWidget* b, QPoint p)
    {
        QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, at(b, p));
    }
    void release(QWidget* b, QPoint p)
    {
        QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, at(b, p));
    }
    void click(QWidget* b, QPoint p)
    {
        move(b, p);
        press(b, p);
        release(b, p);
    }

private slots:
    void cleanup() { window.reset(); }

    void shade()
    {
        // Worked by hand: what overflows a channel spills into the next, and into red.
        const struct {
            QColor colour;
            int percent;
            QColor expected;
        } cases[] = {
            {QColor(255, 255, 255), 60, QColor(255, 255, 255)}, {QColor(255, 255, 255), -50, QColor(128, 128, 128)},
            {QColor(0, 255, 0), 60, QColor(153, 255, 153)},     {QColor(200, 0, 0), 60, QColor(255, 65, 65)},
            {QColor(0, 100, 200), 60, QColor(65, 160, 255)},    {QColor(100, 51, 3), -50, QColor(50, 26, 2)},
        };
        for (const auto& c : cases) {
            QCOMPARE(TOvalButton::shade(c.colour, c.percent), c.expected);
            QCOMPARE(TOvalButton::shade(Qtcanvas::bgr(c.colour), c.percent), Qtcanvas::bgr(c.expected));
        }
        TOvalButton b;
        b.setColor(Qt::white);
        QCOMPARE(b.lightcolor(), QColor(Qt::white));
        QCOMPARE(b.darkcolor(), QColor(128, 128, 128));
    }

    void oval()
    {
        for (const int state : {1, -1, 0}) {  // raised, sunken, flat and transparent
            auto b = makebutton<TOvalButton>();
            b->setFlat(state == 0);
            b->setTransparent(state == 0);
            b->setDown(state == -1);
            QCOMPARE(b->edgestate(), state);
            const std::string face = state == 0 ? "clear" : aqua;
            const std::string pen = state == 0 ? "clear" : "000000/1";
            QCOMPARE(drawing(*b, "ellipse"), Calls{"ellipse 0,0 99,49 pen=" + pen + " brush=" + face});
            // Arcs split on the line through (80,10) and (20,40), the upper-left one first.
            std::string upper = aqualight + "/2", lower = aquadark + "/2";
            if (state == -1)
                std::swap(upper, lower);
            if (state == 0)
                upper = lower = "clear";
            QCOMPARE(drawing(*b, "arc"), (Calls{"arc 1,1 98,48 80,10 20,40 pen=" + upper,
                                               "arc 1,1 98,48 20,40 80,10 pen=" + lower}));
            // "Get" is 18 x 13 on the recorder: centred, 10 pixels above the middle, its
            // other place cleared. The second line starts under it, (13 + 13) / 16 lower.
            const int y = state == -1 ? 9 : 8;
            const auto n = [](int v) { return std::to_string(v); };
            QCOMPARE(drawing(*b, "fill"), Calls{(y == 9 ? "fill 41,9 59,22 brush=" : "fill 42,9 60,22 brush=") + face});
            QVERIFY(startswith(drawing(*b, "textbox&").at(0), "textbox& 41," + n(y) + " 59," + n(y + 13) + " \"Get\""));
            QVERIFY(startswith(drawing(*b, "textbox").at(0), "textbox 41," + n(y + 14) + " 77," + n(y + 27) + " \"Soalan\""));
        }
    }

    void captionfonts()
    {
        auto b = makebutton<TOvalButton>();
        QFont first("Liberation Sans", 10);
        first.setBold(true);
        b->setFont(first);
        b->setFontColor(Qt::red);
        b->setFont2(QFont("DejaVu Serif", 8));
        b->setFont2Color(Qt::blue);
        const std::string caption = drawing(*b, "textbox&").at(0), second = drawing(*b, "textbox").at(0);
        QVERIFY2(caption.find("\" font=Liberation Sans/10/0000FF/b") != std::string::npos, caption.c_str());
        QVERIFY2(second.find("\" font=DejaVu Serif/8/FF0000") != std::string::npos, second.c_str());
    }

    void rectangleframes()
    {
        for (const int state : {1, -1, 0}) {  // raised, sunken, flat
            auto b = makebutton<Trectbutton>();
            b->setFlat(state == 0);
            b->setDown(state == -1);
            std::string upper = hex(b->palette().color(QPalette::Light));
            std::string lower = hex(b->palette().color(QPalette::Dark));
            if (state == -1)
                std::swap(upper, lower);
            if (state == 0)
                upper = lower = aqua;
            const auto shape = drawing(*b, "rect");
            QCOMPARE(shape.size(), size_t(1));
            QVERIFY(startswith(shape[0], state == 0 ? "rect 0,0 99,49 " : "rect 0,0 99,49 pen=000000/1 brush=" + aqua));
            // Two rings, each from the lower-left corner up, across and round.
            const Calls frame{"line 0,49 0,0 pen=" + upper + "/1",  "line 0,0 99,0 pen=" + upper + "/1",
                              "line 99,0 99,49 pen=" + lower + "/1", "line 99,49 -1,49 pen=" + lower + "/1",
                              "line 1,48 1,1 pen=" + upper + "/1",  "line 1,1 98,1 pen=" + upper + "/1",
                              "line 98,1 98,48 pen=" + lower + "/1", "line 98,48 0,48 pen=" + lower + "/1"};
            QCOMPARE(drawing(*b, "line"), frame);
            QVERIFY(startswith(drawing(*b, "textbox&").at(0), state == -1 ? "textbox& 41,9 " : "textbox& 41,8 "));
        }
    }

    void glyphimage()
    {
        const struct {
            int count;
            bool enabled, down;
            int source;  // -1: none drawn
        } cases[] = {{3, true, false, 0}, {2, false, false, 1}, {3, true, true, 2}, {2, true, true, 0}, {0, true, false, -1}};
        for (const auto& c : cases) {
            auto b = makebutton<Trectbutton>("", "");
            b->setGlyph(strip().copy(0, 0, std::max(c.count, 1) * 10, 8));
            b->setNumGlyphs(c.count);
            b->setEnabled(c.enabled);
            b->setDown(c.down);
            QCOMPARE(b->TransparentColor(), QColor(255, 0, 255));
            // Centred without a caption, one pixel down and right when sunken.
            const std::string place = c.down ? "46,22 " : "45,21 ";
            QCOMPARE(drawing(*b, "image"),
                     c.source < 0 ? Calls{}
                                  : Calls{"image " + place + std::to_string(c.source * 10) +
                                          ",0 10,8 transparent=FF00FF brush=" + aqua});
        }
    }

    void glyphplacement()
    {
        // "Go" is 12 x 13, each image 10 x 8, spacing 4, the button 100 x 50.
        const struct {
            const char* caption;
            TLayout layout;
            int margin;
            bool down;
            std::string image, text;
        } cases[] = {
            {"Go", blGlyphLeft, 3, false, "34,21", "48,8"},  {"Go", blGlyphLeft, 0, true, "38,22", "52,9"},
            {"Go", blGlyphRight, 2, false, "55,21", "39,8"}, {"Go", blGlyphTop, 2, false, "45,10", "44,22"},
            {"Go", blGlyphBottom, 2, false, "45,31", "44,-19"}, {"", blGlyphRight, 5, false, "45,21", ""},
        };
        for (const auto& c : cases) {
            auto b = makebutton<Trectbutton>(c.caption, "");
            b->setGlyph(strip());
            b->setNumGlyphs(3);
            b->setLayout(c.layout);
            b->setMargin(c.margin);
            b->setDown(c.down);
            const auto image = drawing(*b, "image").at(0);
            QVERIFY2(startswith(image, "image " + c.image + " "), image.c_str());
            const auto texts = drawing(*b, "textbox&");
            QCOMPARE(texts.size(), size_t(c.text.empty() ? 0 : 1));
            QVERIFY2(c.text.empty() || startswith(texts[0], "textbox& " + c.text + " "), image.c_str());
        }
    }

    void pressoutsidetheovaldoesnothing()
    {
        auto* b = showbutton<TOvalButton>();
        QSignalSpy ups(b, &TOvalButton::mouseUp);
        QSignalSpy clicks(b, &TOvalButton::clicked);
        move(b, QPoint(3, 3));
        press(b, QPoint(3, 3));
        QVERIFY(b->mouseheld());
        QVERIFY(!b->Down());
        QCOMPARE(b->edgestate(), 1);
        release(b, QPoint(3, 3));
        QVERIFY(!b->mouseheld());
        QCOMPARE(ups.count(), 0);
        QCOMPARE(clicks.count(), 0);
        // The same corner is inside a rectangular button.
        auto* r = showbutton<Trectbutton>();
        QSignalSpy rectups(r, &TOvalButton::mouseUp);
        click(r, QPoint(3, 3));
        QCOMPARE(rectups.count(), 1);
    }

    void clickrunswhiledownreleaseafter()
    {
        auto* b = showbutton<Trectbutton>();
        QList<bool> atclick, atup;
        connect(b, &TOvalButton::clicked, this, [&] { atclick << b->Down(); });
        connect(b, &TOvalButton::mouseUp, this, [&] { atup << b->Down(); });
        move(b, QPoint(50, 25));
        press(b, QPoint(50, 25));
        QVERIFY(b->Down());
        QCOMPARE(b->edgestate(), -1);
        release(b, QPoint(50, 25));
        QCOMPARE(atclick, QList<bool>{true});
        QCOMPARE(atup, QList<bool>{false});
        QCOMPARE(b->edgestate(), 1);
        QVERIFY(answer->hasFocus());  // the answer box keeps the focus
        // A group button: the click cannot tell on from off, the release handler can.
        b->setGroupIndex(1);
        click(b, QPoint(50, 25));
        QVERIFY(b->Down());
        QVERIFY(!b->wasdown());
        click(b, QPoint(50, 25));
        QVERIFY(!b->Down());
        QCOMPARE(b->edgestate(), 1);
        QCOMPARE(atclick, (QList<bool>{true, true, true}));
        QCOMPARE(atup, (QList<bool>{false, true, false}));
    }

    void draggingoutandbackin()
    {
        auto* b = showbutton<Trectbutton>();
        QSignalSpy clicks(b, &TOvalButton::clicked);
        move(b, QPoint(50, 25));
        QVERIFY(b->hovering());
        press(b, QPoint(50, 25));
        move(b, QPoint(150, 25));
        QVERIFY(!b->Down());
        QCOMPARE(b->edgestate(), 1);
        QVERIFY(!b->hovering());
        move(b, QPoint(50, 25));
        QVERIFY(b->Down());
        QCOMPARE(b->edgestate(), -1);
        release(b, QPoint(50, 25));
        QCOMPARE(clicks.count(), 1);
        // Released outside: no click, and the button is up.
        press(b, QPoint(50, 25));
        move(b, QPoint(150, 25));
        release(b, QPoint(150, 25));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!b->Down());
        QVERIFY(!b->mouseheld());
        // A group button stays down when dragged out.
        b->setGroupIndex(1);
        move(b, QPoint(50, 25));
        press(b, QPoint(50, 25));
        move(b, QPoint(150, 25));
        QVERIFY(b->Down());
        release(b, QPoint(150, 25));
        QCOMPARE(clicks.count(), 1);
    }

    void flatbuttonshowsitsedgeonlyunderthemouse()
    {
        auto* b = showbutton<TOvalButton>();
        b->setFlat(true);
        QCOMPARE(b->edgestate(), 0);
        move(b, QPoint(50, 25));
        QCOMPARE(b->edgestate(), 1);
        QVERIFY(b->hovering());
        move(b, QPoint(2, 2));  // a corner: over the widget, off the oval
        QCOMPARE(b->edgestate(), 0);
        QVERIFY(!b->hovering());
        move(b, QPoint(50, 25));
        move(b, QPoint(-20, 25));  // off the button: it gets a leave
        QCOMPARE(b->edgestate(), 0);
        QVERIFY(!b->hovering());
        b->setDown(true);  // down, it stays sunken whatever the mouse does
        move(b, QPoint(50, 25));
        move(b, QPoint(-20, 25));
        QCOMPARE(b->edgestate(), -1);
    }

    void acceleratorclicks()
    {
        auto* b = showbutton<Trectbutton>("   &Get Question", "Sampaikan Soalan");
        QSignalSpy clicks(b, &TOvalButton::clicked);
        QSignalSpy ups(b, &TOvalButton::mouseUp);
        QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(ups.count(), 0);
        QVERIFY(!b->Down());
        QTest::keyClick(window.get(), Qt::Key_Q, Qt::AltModifier);
        b->setEnabled(false);
        QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        // A new caption brings its own letter.
        b->setEnabled(true);
        b->setCaption("&Try Similar Question");
        QTest::keyClick(window.get(), Qt::Key_G, Qt::AltModifier);
        QTest::keyClick(window.get(), Qt::Key_T, Qt::AltModifier);
        QCOMPARE(clicks.count(), 2);
    }

    void keyboardreachesandpresses()
    {
        auto* b = showbutton<Trectbutton>("Practice Only   ", "Untuk Latihan");
        QSignalSpy clicks(b, &TOvalButton::clicked);
        QSignalSpy ups(b, &TOvalButton::mouseUp);
        const QImage unfocused = b->grab().toImage();
        QTest::keyClick(answer, Qt::Key_Tab);
        QVERIFY(b->hasFocus());
        QVERIFY(b->grab().toImage() != unfocused);  // the focus shows
        QTest::keyPress(b, Qt::Key_Space);
        QVERIFY(b->Down());
        QCOMPARE(clicks.count(), 0);
        QTest::keyRelease(b, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(ups.count(), 1);
        QVERIFY(!b->Down());
        b->setGroupIndex(1);
        QTest::keyClick(b, Qt::Key_Return);
        QVERIFY(b->Down());
        QTest::keyClick(b, Qt::Key_Space);
        QVERIFY(!b->Down());
        QCOMPARE(ups.count(), 3);
    }

    void accessiblename()
    {
        Trectbutton b;
        b.setCaption("&Try Similar Question");
        b.setlines("Cuba Soalan Sejenis");
        QCOMPARE(b.accessibleName(), QString("Try Similar Question / Cuba Soalan Sejenis"));
        b.setCaption("Fish && &Chips   ");
        b.setlines("");
        QCOMPARE(b.accessibleName(), QString("Fish & Chips"));
    }

    void paintsthroughqpainter()
    {
        // The frame of a raised rectangle reaches every edge pixel; the face shows inside.
        auto b = makebutton<Trectbutton>();
        const QImage shot = b->grab().toImage();
        const QRgb light = b->palette().color(QPalette::Light).rgb();
        const QRgb shadow = b->palette().color(QPalette::Dark).rgb();
        QCOMPARE(shot.pixel(1, 1), light);
        QCOMPARE(shot.pixel(98, 0), light);
        QCOMPARE(shot.pixel(99, 0), shadow);
        QCOMPARE(shot.pixel(0, 49), shadow);
        QCOMPARE(shot.pixel(3, 25), qRgb(0, 255, 255));
    }

    void canvasshapes()
    {
        QCOMPARE(Qtcanvas::colour(0x0000FF), QColor(Qt::red));
        QCOMPARE(Qtcanvas::bgr(QColor(1, 2, 3)), 0x030201u);
        const QImage image = paint(QSize(120, 120), [](Canvas& c) {
            c.setpenclear(true);
            c.setbrushcolour(0x0000FF);
            c.fillrect(10, 10, 30, 30);
            c.setpenclear(false);
            c.setpencolour(0xFF0000);
            c.setbrushclear();
            c.rectangle(40, 10, 60, 30);
            c.setpencolour(0x00FF00);
            c.line(10, 50, 30, 50);
            c.line(70, 50, 70, 40);
            c.setpencolour(0);
            c.setbrushcolour(0x00FFFF);
            c.ellipse(60, 60, 100, 90);
            c.setbrushcolour(0x00FF00);
            c.polygon({{10, 60}, {50, 60}, {30, 100}});
        });
        const QRgb white = qRgb(255, 255, 255), red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
        const QRgb green = qRgb(0, 255, 0);
        QCOMPARE(image.pixel(29, 29), red);
        QCOMPARE(image.pixel(30, 30), white);  // (x2, y2) is outside
        QCOMPARE(image.pixel(59, 20), blue);
        QCOMPARE(image.pixel(60, 20), white);
        QCOMPARE(image.pixel(50, 20), white);  // a clear brush leaves the inside
        QCOMPARE(image.pixel(29, 50), green);
        QCOMPARE(image.pixel(30, 50), white);  // a line leaves out its end point
        QCOMPARE(image.pixel(70, 41), green);
        QCOMPARE(image.pixel(70, 40), white);
        QCOMPARE(image.pixel(80, 75), qRgb(255, 255, 0));
        QVERIFY(image.pixelColor(80, 60).black() > 100);  // the outline on top
        QCOMPARE(image.pixel(61, 61), white);
        QCOMPARE(image.pixel(30, 70), green);
    }

    void canvasarcturnscounterclockwisefromray()
    {
        // An ellipse twice as wide as high: the rays, not the ellipse's own angles, bound
        // the arc. From the ray to the top-right corner round to the ray straight up.
        const QImage image = paint(QSize(210, 110), [](Canvas& c) {
            c.setpencolour(0x0000FF);
            c.setpenwidth(3);
            c.arc(0, 0, 200, 100, 200, 0, 100, 0);
        });
        QVERIFY(qRed(image.pixel(143, 6)) > 200 && qGreen(image.pixel(143, 6)) < 60);
        QVERIFY(qRed(image.pixel(149, 8)) > 200 && qGreen(image.pixel(149, 8)) < 60);
        QCOMPARE(image.pixel(179, 21), qRgb(255, 255, 255));  // before the start ray
        QCOMPARE(image.pixel(83, 2), qRgb(255, 255, 255));    // past the end ray
        QCOMPARE(image.pixel(100, 98), qRgb(255, 255, 255));  // the bottom half
    }

    void canvastext()
    {
        QVERIFY(QFontInfo(QFont(Qtcanvas::family("courier new"))).fixedPitch());
        QVERIFY(QFontDatabase::hasFamily(Qtcanvas::family("MS Sans Serif")));

        std::pair<int, int> size, plainsize;
        const QImage image = paint(QSize(200, 60), [&](Canvas& c) {
            c.setfontname("arial");
            c.setfontsize(12);
            c.setbrushcolour(0x00FFFF);
            c.text(5, 5, "Hi");
            size = c.textsize("&Go", true);
            plainsize = c.textsize("&Go", false);
            c.textinbox(100, 0, 200, 60, "&Go", true);
        });
        QVERIFY(size.first > 0 && size.second > 0);
        QVERIFY(size.first < plainsize.first);  // "&" only marks the accelerator
        QCOMPARE(image.pixel(5, 5), qRgb(255, 255, 0));  // text backed by the brush
        int dark = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 100; x < 200; ++x)
                dark += image.pixelColor(x, y).black() > 128;
        QVERIFY(dark > 10);
        QCOMPARE(image.pixel(101, 1), qRgb(255, 255, 255));  // centred, not at the corner
    }

    void canvascopyimage()
    {
        QImage glyph(4, 2, QImage::Format_RGB32);
        glyph.fill(QColor(255, 0, 255));
        glyph.setPixelColor(1, 0, Qt::blue);
        const Canvasimage source{glyph};
        const QImage image = paint(QSize(20, 10), [&](Canvas& c) {
            c.setbrushcolour(0x00FFFF);
            c.copyimage(0, 0, source, 0, 0, 4, 2, 0xFF00FF);
            c.setbrushclear();
            c.copyimage(10, 0, source, 1, 0, 3, 2, 0xFF00FF);
        });
        QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 0));  // the key colour takes the brush
        QCOMPARE(image.pixel(1, 0), qRgb(0, 0, 255));
        QCOMPARE(image.pixel(4, 0), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(10, 0), qRgb(0, 0, 255));     // the source starts at its column 1
        QCOMPARE(image.pixel(11, 0), qRgb(255, 255, 255));  // a clear brush shows through
        QCOMPARE(image.pixel(13, 0), qRgb(255, 255, 255));
    }
};

QTEST_MAIN(Ovalbuttontest)
#include "ovalbtn_qtest.moc"
