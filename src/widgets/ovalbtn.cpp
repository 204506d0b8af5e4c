#include "widgets/ovalbtn.h"

#include "lesson/canvas.h"
#include "widgets/qtcanvas.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Halving for centring. The old control halved as unsigned, which threw anything wider
// than the button billions of pixels away; rounding down keeps it centred and clipped.
int half(int v) { return v >> 1; }

// Caption text as a screen reader should say it: without the accelerator marks.
QString plain(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'&' && i + 1 < s.size())
            ++i;
        out += s[i];
    }
    return out.trimmed();
}

// Screen readers see a button (a toggle for group buttons) that they can press.
class Ovalaccessible final : public QAccessibleWidget {
public:
    explicit Ovalaccessible(TOvalButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->GroupIndex() != 0) {
            s.checkable = true;
            s.checked = button()->Down();
        } else {
            s.pressed = button()->Down();
        }
        return s;
    }
    QStringList actionNames() const override
    {
        return button()->GroupIndex() != 0 ? QStringList{toggleAction(), pressAction()}
                                            : QStringList{pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() || name == toggleAction())
            button()->click();
    }

private:
    TOvalButton* button() const { return static_cast<TOvalButton*>(widget()); }
};

QAccessibleInterface* accessiblefor(const QString&, QObject* object)
{
    if (auto* b = qobject_cast<TOvalButton*>(object))
        return new Ovalaccessible(b);
    return nullptr;
}

}  // namespace

TOvalButton::TOvalButton(QWidget* parent) : QWidget(parent), glyph(std::make_unique<Canvasimage>())
{
    static const bool factory = (QAccessible::installFactory(accessiblefor), true);
    (void)factory;

    resize(100, 50);
    setMouseTracking(true);  // hovering is followed without a button held
    // Tab reaches the button, but a mouse click leaves the focus where the pupil typed.
    setFocusPolicy(Qt::TabFocus);
    setColor(palette().color(QPalette::Button));

    accelerator = new QShortcut(this);
    accelerator->setAutoRepeat(false);
    // The accelerator only clicks, as before: no press, no release, no toggle.
    connect(accelerator, &QShortcut::activated, this, [this] {
        if (isEnabled())
            emit clicked();
    });
}

TOvalButton::~TOvalButton() = default;

uint32_t TOvalButton::shade(uint32_t colour, int percent)
{
    const int r = colour & 0xFF, g = (colour >> 8) & 0xFF, b = (colour >> 16) & 0xFF;
    // What overflows one channel is poured into the next, and what overflows green or
    // blue back into red, so a light colour turns paler rather than merely clipped.
    int red = r + r * percent / 100;
    int spill = red > 255 ? red - 255 : 0;
    const int green = g + g * percent / 100 + spill;
    if (green > 255) {
        red += green - 255;
        spill = green - 255;
    }
    const int blue = b + b * percent / 100 + spill;
    if (blue > 255 && green <= 255)
        red += blue - 255;
    const auto clamp = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
    return clamp(red) | clamp(green) << 8 | clamp(blue) << 16;
}

QColor TOvalButton::shade(const QColor& colour, int percent)
{
    return Qtcanvas::colour(shade(Qtcanvas::bgr(colour), percent));
}

void TOvalButton::setCaption(const QString& text)
{
    caption = text;
    captionchanged();
}

void TOvalButton::setlines(const QString& text)
{
    secondline = text;
    captionchanged();
}

void TOvalButton::captionchanged()
{
    accelerator->setKey(QKeySequence::mnemonic(caption));
    const QString second = plain(secondline);
    setAccessibleName(second.isEmpty() ? plain(caption) : plain(caption) + " / " + second);
    update();
}

void TOvalButton::setColor(const QColor& colour)
{
    face = colour;
    light = shade(colour, 60);
    dark = shade(colour, -50);
    update();
}

void TOvalButton::setDown(bool v)
{
    const bool changed = v != down;
    down = v;
    edge = v ? -1 : (flat ? 0 : 1);
    update();
    if (changed && QAccessible::isActive()) {
        QAccessible::State what;
        what.checked = true;
        what.pressed = true;
        QAccessibleStateChangeEvent event(this, what);
        QAccessible::updateAccessibility(&event);
    }
}

void TOvalButton::setEndColor(const QColor& colour)
{
    endcolour = colour;
    update();
}

void TOvalButton::setFlat(bool v)
{
    flat = v;
    edge = v ? 0 : 1;
    update();
}

void TOvalButton::setFontColor(const QColor& colour)
{
    fontcolour = colour;
    update();
}

void TOvalButton::setFont2(const QFont& f)
{
    font2 = f;
    update();
}

void TOvalButton::setFont2Color(const QColor& colour)
{
    font2colour = colour;
    update();
}

QImage TOvalButton::Glyph() const { return glyph->image; }

void TOvalButton::setGlyph(const QImage& strip)
{
    glyph->image = strip;
    // Whatever colour the bottom-left pixel has is the background of every image.
    if (!strip.isNull())
        transparentcolour = strip.pixelColor(0, strip.height() - 1);
    update();
}

void TOvalButton::setGroupIndex(int index)
{
    groupindex = index;
    update();
}

void TOvalButton::setLayout(TLayout layout)
{
    glyphlayout = layout;
    update();
}

void TOvalButton::setMargin(int pixels)
{
    margin = pixels;
    update();
}

void TOvalButton::setNumGlyphs(int count)
{
    numglyphs = std::clamp(count, 0, 255);
    update();
}

void TOvalButton::setSpacing(int pixels)
{
    spacing = pixels;
    update();
}

void TOvalButton::setStartColor(const QColor& colour)
{
    startcolour = colour;
    update();
}

void TOvalButton::setTransparent(bool v)
{
    transparent = v;
    update();
}

void TOvalButton::setTransparentColor(const QColor& colour)
{
    transparentcolour = colour;
    update();
}

bool TOvalButton::inshape(int x, int y) const
{
    const double a = width() / 2.0, b = height() / 2.0;
    if (a <= 0 || b <= 0)
        return false;
    const double dx = (x - a) / a, dy = (y - b) / b;
    return dx * dx + dy * dy <= 1.0;
}

void TOvalButton::usefacebrush(Canvas& canvas) const
{
    if (transparent)
        canvas.setbrushclear();
    else
        canvas.setbrushcolour(Qtcanvas::bgr(face));
}

void TOvalButton::usefont(Canvas& canvas, const QFont& f, const QColor& colour) const
{
    canvas.setfontname(f.family().toStdString());
    int points = f.pointSize();
    if (points <= 0)  // a font given in pixels
        points = std::max(1, static_cast<int>(std::lround(f.pixelSize() * 72.0 / logicalDpiY())));
    canvas.setfontsize(points);
    canvas.setfontcolour(Qtcanvas::bgr(colour));
    canvas.setfontstyle(f.bold(), f.italic());
}

void TOvalButton::paintto(Canvas& canvas)
{
    usefont(canvas, font(), fontcolour);
    usefacebrush(canvas);
    if (flat) {
        canvas.setpenclear(true);
    } else {
        canvas.setpenclear(false);
        canvas.setpencolour(0);
    }
    canvas.setpenwidth(1);
    canvas.ellipse(0, 0, width() - 1, height() - 1);
    drawcontent(canvas);
}

void TOvalButton::drawedge(Canvas& canvas)
{
    if (down)
        edge = -1;
    canvas.setpenwidth(2);
    canvas.setpenclear(false);
    const int w = width(), h = height();
    // Two arcs meet on the diagonal through the upper-right and lower-left fifths.
    const int ax = 4 * (w / 5), ay = h / 5, bx = w / 5, by = 4 * (h / 5);
    uint32_t upper = Qtcanvas::bgr(light), lower = Qtcanvas::bgr(dark);
    if (edge == -1)
        std::swap(upper, lower);
    else if (edge == 0)
        canvas.setpenclear(true);
    canvas.setpencolour(upper);
    canvas.arc(1, 1, w - 2, h - 2, ax, ay, bx, by);
    canvas.setpencolour(lower);
    canvas.arc(1, 1, w - 2, h - 2, bx, by, ax, ay);
    canvas.setpenclear(false);
}

void TOvalButton::drawcontent(Canvas& canvas)
{
    drawedge(canvas);
    const int w = width(), h = height();
    const std::string first = caption.left(79).toStdString();
    const std::string second = secondline.left(79).toStdString();
    usefont(canvas, font2, font2colour);
    const auto [lw, lh] = canvas.textsize(second, false);
    usefont(canvas, font(), fontcolour);
    const auto [tw, th] = canvas.textsize(first, true);
    const bool sunken = edge == -1;
    const bool hascaption = !first.empty();

    const QImage& strip = glyph->image;
    const bool hasglyph = !strip.isNull() && numglyphs > 0;
    int left = 0, top = 0, gw = 0, gh = 0;
    if (hasglyph) {
        gw = strip.width() / numglyphs;
        gh = strip.height();
        if (!hascaption || glyphlayout == blGlyphTop || glyphlayout == blGlyphBottom)
            left = half(w - gw);
        else if (glyphlayout == blGlyphLeft)
            left = half(w - tw - gw - spacing) - margin;
        else
            left = half(tw + gw + spacing + w) + margin - gw;
        if (!hascaption || glyphlayout == blGlyphLeft || glyphlayout == blGlyphRight)
            top = half(h - gh);
        else if (glyphlayout == blGlyphTop)
            top = half(h - th - gh - spacing) - margin;
        else
            top = half(th + gh + spacing + h) + margin - gh;

        // Paint over the strip of face the glyph uncovers when it moves between its
        // raised and its sunken place.
        if (transparent) {
            canvas.setpenclear(true);
        } else {
            canvas.setpenclear(false);
            canvas.setpencolour(Qtcanvas::bgr(face));
        }
        if (sunken) {
            ++left;
            ++top;
            canvas.line(left - 1, top + gh, left - 1, top - 1);
            canvas.line(left - 1, top - 1, left + gw, top - 1);
        } else {
            canvas.line(left + gw, top, left + gw, top + gh);
            canvas.line(left + gw, top + gh, left, top + gh);
        }
        canvas.setpenclear(false);

        int image = 0;  // up, disabled, pressed
        if (!isEnabled() && numglyphs > 1)
            image = 1;
        if (sunken && numglyphs > 2)
            image = 2;
        usefacebrush(canvas);
        canvas.copyimage(left, top, *glyph, image * gw, 0, gw, gh, Qtcanvas::bgr(transparentcolour));
    }

    if (!hascaption)
        return;
    int x = half(w - tw);
    if (hasglyph && glyphlayout == blGlyphRight)
        x = left - tw - spacing;
    else if (hasglyph && glyphlayout == blGlyphLeft)
        x = gw + left + spacing;
    int y = half(h - th) - 10;  // the caption sits above the middle, the second line below
    if (hasglyph && glyphlayout == blGlyphTop)
        y = top + gh + spacing;
    else if (hasglyph && glyphlayout == blGlyphBottom)
        y = top - th - lh - spacing - 20;
    if (sunken)
        ++y;
    // Clear where the caption stood in the other state, one pixel up-left or down-right.
    usefacebrush(canvas);
    if (sunken)
        canvas.fillrect(x, y, x + tw, y + th);
    else
        canvas.fillrect(x + 1, y + 1, x + tw + 1, y + th + 1);
    canvas.textinbox(x, y, x + tw, y + th, first, true);
    if (!second.empty()) {
        usefont(canvas, font2, font2colour);
        const int gap = (th + lh) / 16;
        canvas.textinbox(x, y + th + gap, x + lw, y + th + lh + gap, second, false);
    }
}

bool TOvalButton::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !showhint) {
        event->ignore();
        return true;
    }
    return QWidget::event(event);
}

void TOvalButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    {
        Qtcanvas canvas(painter);
        paintto(canvas);
    }
    if (hasFocus())
        drawfocus(painter);
}

void TOvalButton::drawfocus(QPainter& painter) const
{
    painter.setPen(QPen(fontcolour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(rect()).adjusted(5.5, 5.5, -5.5, -5.5));
}

// The old control repainted only its edge on some of these moves; here the whole button
// is repainted, which draws the same edge and keeps the content in step with it.

void TOvalButton::press()
{
    downatpress = down;
    setDown(true);
}

void TOvalButton::release(bool inside, bool clicks)
{
    QPointer<TOvalButton> alive(this);
    // The click runs while the button still shows down; a toggle's handler cannot tell
    // on or off there, its mouseUp handler can.
    if (clicks && inside && isEnabled()) {
        emit clicked();
        if (!alive)
            return;
    }
    if (isEnabled() && inside) {
        if (groupindex != 0) {
            setDown(!downatpress);
        } else {
            setDown(false);
            edge = 1;
        }
        held = false;
        emit mouseUp();
        if (!alive)
            return;
    }
    held = false;
}

void TOvalButton::click()
{
    if (!isEnabled())
        return;
    press();
    release(true, true);
}

void TOvalButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    if (isEnabled() && inshape(p.x(), p.y()))
        press();
    held = true;
}

void TOvalButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    const bool inside = inshape(p.x(), p.y());
    if (held) {
        // Only a plain button follows the pointer in and out while pressed.
        if (inside) {
            if (edge == 1 && groupindex == 0) {
                over = true;
                setDown(true);
            }
        } else {
            if (edge == -1 && groupindex == 0 && over) {
                setDown(false);
                edge = 1;
            }
            over = false;
        }
    } else if (!flat || down) {
        over = inside;
    } else if (inside) {
        over = true;
        edge = 1;
        update();
    } else if (over) {
        over = false;
        edge = 0;
        update();
    }
}

void TOvalButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    release(inshape(p.x(), p.y()), held);
}

void TOvalButton::leaveEvent(QEvent* event)
{
    if (over && isEnabled()) {
        over = false;
        if (flat && !down) {
            edge = 0;
            update();
        }
    }
    QWidget::leaveEvent(event);
}

void TOvalButton::keyPressEvent(QKeyEvent* event)
{
    // Space works like the mouse: down while held, click on release. Enter clicks at once.
    const int key = event->key();
    if (key == Qt::Key_Space && isEnabled()) {
        if (!event->isAutoRepeat() && !keyheld && !held) {
            keyheld = true;
            press();
        }
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && isEnabled() && !event->isAutoRepeat()) {
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TOvalButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && keyheld) {
        keyheld = false;
        release(true, true);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TOvalButton::focusOutEvent(QFocusEvent* event)
{
    if (keyheld) {  // the press is taken back, as when the mouse leaves before release
        keyheld = false;
        setDown(downatpress);
    }
    QWidget::focusOutEvent(event);
}

bool Trectbutton::inshape(int x, int y) const
{
    return x >= 0 && y >= 0 && x < width() && y < height();
}

void Trectbutton::paintto(Canvas& canvas)
{
    usefont(canvas, font(), FontColor());
    usefacebrush(canvas);
    // A flat button keeps the pen it has; the frame covers the outline anyway.
    if (!Flat()) {
        canvas.setpenclear(false);
        canvas.setpencolour(0);
    }
    canvas.setpenwidth(1);
    canvas.rectangle(0, 0, width() - 1, height() - 1);
    drawcontent(canvas);
}

void Trectbutton::drawedge(Canvas& canvas)
{
    if (Down())
        edge = -1;
    const QColor highlight = palette().color(QPalette::Light);
    const QColor shadow = palette().color(QPalette::Dark);
    QColor upper = highlight, lower = shadow;
    if (edge == 0)
        upper = lower = Color();
    else if (edge == -1)
        std::swap(upper, lower);
    // A frame two pixels wide, drawn one pixel ring at a time; the lower-right colour
    // takes the corners it shares with the upper-left one.
    canvas.setpenclear(false);
    canvas.setpenwidth(1);
    int l = 0, t = 0, r = width() - 1, b = height() - 1;
    for (int ring = 0; ring < 2; ++ring, ++l, ++t, --r, --b) {
        canvas.setpencolour(Qtcanvas::bgr(upper));
        canvas.line(l, b, l, t);
        canvas.line(l, t, r, t);
        canvas.setpencolour(Qtcanvas::bgr(lower));
        canvas.line(r, t, r, b);
        canvas.line(r, b, l - 1, b);
    }
}

void Trectbutton::drawfocus(QPainter& painter) const
{
    painter.setPen(QPen(FontColor(), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5));
}
