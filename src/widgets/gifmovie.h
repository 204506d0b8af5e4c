// Animated GIF pictures: Gifmovie reads a GIF89a (with giflib) and builds its frames as they
// are asked for, and Gifview shows one on screen, frame by frame on a timer or stepped by
// hand. The cheer, the title picture, the ice cream and the tutorial animations all come
// through here.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

// The path of a media resource, looked up by name without regard to case, the way the
// old program's resource names were: ("gif", "Cherio", "gif") gives ":/gif/cherio.gif".
// The name may carry the suffix already. Empty when there is no such resource.
QString findMediaResource(const QString& folder, const QString& name, const QString& suffix);

class Gifmovie {
public:
    Gifmovie() = default;

    // A picture resource by name ("cherio" → ":/gif/cherio.gif"); null when missing.
    static Gifmovie fromResource(const QString& name);
    static Gifmovie fromFile(const QString& path);
    static Gifmovie fromData(const QByteArray& data);
    static QString resourcePath(const QString& name) { return findMediaResource(QStringLiteral("gif"), name, QStringLiteral("gif")); }

    bool isNull() const { return frameCount() == 0; }
    QString errorString() const { return error_; }
    QSize size() const { return size_; }
    int frameCount() const;
    // Frames are whole pictures (premultiplied ARGB32, every pixel opaque or clear),
    // composited with the earlier ones. Only the file and one canvas are kept: the next
    // frame is drawn over the last one asked for, an earlier one is built again from the
    // nearest key frame before it (two at most, kept only when the frames are big). A copy
    // of a movie has a canvas of its own.
    QImage frame(int index) const;
    int delayMs(int index) const;
    // How often the whole animation plays: 0 for ever, else a count (1 when the file has
    // no loop block; the block's number counts the repeats after the first play).
    int plays() const { return plays_; }

    // Bigger pictures are refused rather than decoded into gigabytes of frames: the
    // screen, the pixels decoded from all images together, and the frames built from
    // them (screen times frame count) each stay within maxPixels. An image larger than
    // the screen is refused; one partly off it is clipped, one wholly off it is not decoded.
    static constexpr long maxPixels = 32L * 1024 * 1024;
    static constexpr int maxFrames = 4096;

private:
    struct Picture;
    struct File;
    void compose(int index) const;
    void draw(const Picture& p) const;

    std::shared_ptr<const File> file_;
    mutable QImage canvas_;  // frame shown_, or nothing yet when shown_ < 0
    mutable QImage under_;   // what frame shown_ covered, when it is to be put back after
    mutable int shown_ = -1;
    struct Key {
        int index;
        QImage canvas, under;
    };
    mutable std::vector<Key> keys_;  // in frame order
    mutable long sinceKey_ = 0;      // pixels drawn since the last key, or since the start
    QSize size_;
    int plays_ = 1;
    QString error_;
};

// Plays a Gifmovie into a QLabel (any label: the window's own image, or a Gifview):
// start() plays on a timer with the frames' own delays; pause(), step() and jumpToFrame()
// let a player go through it by hand. The label keeps its alignment and scaledContents.
// With no label it only keeps count and signals, which is all a test needs.
class Gifplayer : public QObject {
    Q_OBJECT
public:
    // Belongs to the label when one is given, so it goes when the label goes.
    explicit Gifplayer(QLabel* screen = nullptr);
    explicit Gifplayer(QLabel* screen, QObject* parent);

    // Loads a picture resource by name and shows its first frame; false and an empty
    // label when it is missing or broken.
    bool load(const QString& name);
    void setGif(const Gifmovie& movie);
    const Gifmovie& gif() const { return movie_; }
    void unload();
    QLabel* screen() const { return screen_; }

    int currentFrame() const { return current_; }
    int frameCount() const { return movie_.frameCount(); }
    bool isRunning() const { return running_; }
    QPixmap currentPixmap() const;

public slots:
    void start();  // plays on from the current frame
    void pause();  // stops on the current frame
    void stop();   // stops and goes back to the first frame
    void step();   // the next frame, wrapping round; does not start or stop the timer
    void stepBack();
    bool jumpToFrame(int index);
    // One beat of the timer: the next frame, or the end when the plays are used up.
    void tick();

signals:
    void frameChanged(int index);
    void finished();

private:
    void showFrame(int index);
    void schedule();

    QPointer<QLabel> screen_;
    Gifmovie movie_;
    mutable QPixmap pixmap_;  // the current frame's, made when it is first asked for
    mutable int pixmapFrame_ = -1;
    QTimer timer_;
    int current_ = 0;
    int played_ = 0;
    bool running_ = false;
};

// A label with its own player, for windows that make the picture's place themselves.
class Gifview : public QLabel {
    Q_OBJECT
public:
    explicit Gifview(QWidget* parent = nullptr) : QLabel(parent), player_(new Gifplayer(this)) {}
    Gifplayer* player() const { return player_; }
    bool load(const QString& name) { return player_->load(name); }

private:
    Gifplayer* player_;
};
