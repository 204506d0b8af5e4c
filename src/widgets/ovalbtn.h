// The two-line push buttons of the exercise window and the topic checklist: an English
// caption, a Malay line in its own font below it, an optional glyph, a bevelled edge that
// follows the mouse, and an optional toggle (group) behaviour. TOvalButton is elliptic;
// Trectbutton, the one the windows use, is a rectangle with a 3-D frame.
//
// All drawing goes through the Canvas port (paintto), so tests can record it. The mouse
// rules are those of the old control: a press outside the shape is held but changes
// nothing, dragging out of a pressed plain button raises it, a group button keeps the
// state of the last release.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>

class Canvas;
class QShortcut;
struct Canvasimage;

enum TLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TOvalButton : public QWidget {
    Q_OBJECT

public:
    explicit TOvalButton(QWidget* parent = nullptr);
    ~TOvalButton() override;

    QString Caption() const { return caption; }
    void setCaption(const QString& text);
    QString lines() const { return secondline; }
    void setlines(const QString& text);
    QColor Color() const { return face; }
    void setColor(const QColor& colour);
    bool Down() const { return down; }
    void setDown(bool v);
    QColor EndColor() const { return endcolour; }
    void setEndColor(const QColor& colour);
    bool Flat() const { return flat; }
    void setFlat(bool v);
    // Font is the widget's own font (setFont), so it follows the window like ParentFont.
    QFont Font() const { return font(); }
    QColor FontColor() const { return fontcolour; }
    void setFontColor(const QColor& colour);
    QFont Font2() const { return font2; }
    void setFont2(const QFont& f);
    QColor Font2Color() const { return font2colour; }
    void setFont2Color(const QColor& colour);
    QImage Glyph() const;
    void setGlyph(const QImage& strip);
    void setGlyph(const QPixmap& strip) { setGlyph(strip.toImage()); }
    int GroupIndex() const { return groupindex; }
    void setGroupIndex(int index);
    TLayout Layout() const { return glyphlayout; }
    using QWidget::setLayout;
    void setLayout(TLayout layout);
    int Margin() const { return margin; }
    void setMargin(int pixels);
    int NumGlyphs() const { return numglyphs; }
    void setNumGlyphs(int count);
    int Spacing() const { return spacing; }
    void setSpacing(int pixels);
    QColor StartColor() const { return startcolour; }
    void setStartColor(const QColor& colour);
    bool Transparent() const { return transparent; }
    void setTransparent(bool v);
    QColor TransparentColor() const { return transparentcolour; }
    void setTransparentColor(const QColor& colour);
    // The hint is the tool tip; switching it off keeps its text for later.
    bool ShowHint() const { return showhint; }
    void setShowHint(bool v) { showhint = v; }

    QColor lightcolor() const { return light; }
    QColor darkcolor() const { return dark; }
    int edgestate() const { return edge; }
    bool wasdown() const { return downatpress; }
    bool mouseheld() const { return held; }
    bool hovering() const { return over; }

    // A colour lightened (percent > 0) or darkened (percent < 0), the red channel taking
    // what overflows from the others, as the bevel colours have always been made.
    static uint32_t shade(uint32_t bgr, int percent);
    static QColor shade(const QColor& colour, int percent);

    virtual bool inshape(int x, int y) const;
    virtual void drawedge(Canvas& canvas);
    // The whole button: face, edge, glyph and both caption lines.
    virtual void paintto(Canvas& canvas);

    // A click from the keyboard or an assistive tool: the press and release of a mouse
    // click inside the shape, with clicked() and mouseUp() in the same order.
    void click();

signals:
    // Emitted on release while the button still shows down, before a group button flips.
    void clicked();
    // Emitted after the release has set the new state; toggle handlers read Down() here.
    void mouseUp();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // Content drawn over the face by both shapes: edge, glyph, caption and second line.
    void drawcontent(Canvas& canvas);
    // Canvas pen, brush and font as the face is painted.
    void usefacebrush(Canvas& canvas) const;
    void usefont(Canvas& canvas, const QFont& f, const QColor& colour) const;
    // The focus mark, drawn straight with Qt as the old control never had one.
    virtual void drawfocus(QPainter& painter) const;

    int edge = 1;

private:
    QString caption;
    QString secondline;
    QColor face;
    QColor light, dark;
    bool down = false;
    QColor endcolour{Qt::black};
    bool flat = false;
    QColor fontcolour{Qt::black};
    QFont font2;
    QColor font2colour{Qt::black};
    std::unique_ptr<Canvasimage> glyph;
    int groupindex = 0;
    TLayout glyphlayout = blGlyphLeft;
    int margin = 0;
    int numglyphs = 1;
    int spacing = 4;
    QColor startcolour{Qt::black};
    bool transparent = false;
    QColor transparentcolour{Qt::black};
    bool showhint = true;

    bool downatpress = false;
    bool held = false;
    bool over = false;
    bool keyheld = false;
    QShortcut* accelerator = nullptr;

    void press();
    void release(bool inside, bool clicks);
    void captionchanged();
};

class Trectbutton : public TOvalButton {
    Q_OBJECT

public:
    using TOvalButton::TOvalButton;

    bool inshape(int x, int y) const override;
    void drawedge(Canvas& canvas) override;
    void paintto(Canvas& canvas) override;

protected:
    void drawfocus(QPainter& painter) const override;
};
