#include "gifmovie.h"

#include <QDir>
#include <QFile>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

QString findMediaResource(const QString& folder, const QString& name, const QString& suffix)
{
    QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return {};
    const QString dotted = QLatin1Char('.') + suffix;
    if (!wanted.endsWith(dotted, Qt::CaseInsensitive))
        wanted += dotted;
    const QString base = QStringLiteral(":/") + folder + QLatin1Char('/');
    if (QFile::exists(base + wanted))
        return base + wanted;
    const QStringList entries = QDir(base).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0)
            return base + entry;
    return {};
}

namespace {

struct Reader {
    const QByteArray* data;
    qsizetype at;
};

int readMemory(GifFileType* gif, GifByteType* into, int length)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const qsizetype left = reader->data->size() - reader->at;
    const int n = int(std::min<qsizetype>(left, std::max(length, 0)));
    std::memcpy(into, reader->data->constData() + reader->at, size_t(n));
    reader->at += n;
    return n;
}

// The NETSCAPE2.0 block: an application block followed by a sub-block 1, lo, hi.
int loopBlock(const ExtensionBlock* blocks, int count)
{
    for (int i = 0; i + 1 < count; ++i) {
        const ExtensionBlock& app = blocks[i];
        const ExtensionBlock& sub = blocks[i + 1];
        if (app.Function == APPLICATION_EXT_FUNC_CODE && app.ByteCount == 11 &&
            (std::memcmp(app.Bytes, "NETSCAPE2.0", 11) == 0 || std::memcmp(app.Bytes, "ANIMEXTS1.0", 11) == 0) &&
            sub.Function == CONTINUE_EXT_FUNC_CODE && sub.ByteCount >= 3 && sub.Bytes[0] == 1)
            return sub.Bytes[1] | (sub.Bytes[2] << 8);
    }
    return -1;
}

} // namespace

Gifmovie Gifmovie::fromResource(const QString& name)
{
    const QString path = resourcePath(name);
    if (path.isEmpty()) {
        Gifmovie none;
        none.error_ = QStringLiteral("no picture called \"%1\"").arg(name);
        return none;
    }
    return fromFile(path);
}

Gifmovie Gifmovie::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Gifmovie none;
        none.error_ = QStringLiteral("cannot read %1").arg(path);
        return none;
    }
    return fromData(file.readAll());
}

Gifmovie Gifmovie::fromData(const QByteArray& data)
{
    Gifmovie movie;
    Reader reader{&data, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readMemory, &error);
    if (!gif) {
        movie.error_ = QString::fromUtf8(GifErrorString(error));
        return movie;
    }
    if (long(gif->SWidth) * gif->SHeight > maxPixels) {
        movie.error_ = QStringLiteral("picture too large");
        DGifCloseFile(gif, &error);
        return movie;
    }
    if (DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
        movie.error_ = QString::fromUtf8(GifErrorString(gif->Error ? gif->Error : D_GIF_ERR_NO_IMAG_DSCR));
        DGifCloseFile(gif, &error);
        return movie;
    }

    // A screen of zero size (some writers leave it out) is taken from the frames.
    int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0) {
        for (int i = 0; i < gif->ImageCount; ++i) {
            const GifImageDesc& d = gif->SavedImages[i].ImageDesc;
            width = std::max(width, d.Left + d.Width);
            height = std::max(height, d.Top + d.Height);
        }
    }
    if (width <= 0 || height <= 0 || long(width) * height * gif->ImageCount > maxPixels) {
        movie.error_ = QStringLiteral("picture too large");
        DGifCloseFile(gif, &error);
        return movie;
    }

    // The background is shown as transparent, as browsers do, so pictures sit on the
    // window's own colour.
    QImage canvas(width, height, QImage::Format_ARGB32);
    canvas.fill(0);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage& saved = gif->SavedImages[i];
        const GifImageDesc& d = saved.ImageDesc;
        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
        DGifSavedExtensionToGCB(gif, i, &gcb);
        const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        const QImage before = gcb.DisposalMode == DISPOSE_PREVIOUS ? canvas.copy() : QImage();

        // Only the part of the frame on the screen is drawn; colours outside the map are
        // treated like the transparent one.
        const QRect area = QRect(d.Left, d.Top, d.Width, d.Height).intersected(canvas.rect());
        if (map && saved.RasterBits) {
            for (int y = area.top(); y <= area.bottom(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
                const GifByteType* row = saved.RasterBits + size_t(y - d.Top) * size_t(d.Width);
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int index = row[x - d.Left];
                    if (index == gcb.TransparentColor || index >= map->ColorCount)
                        continue;
                    const GifColorType& c = map->Colors[index];
                    line[x] = qRgb(c.Red, c.Green, c.Blue);
                }
            }
        }
        // Browsers show "no delay" and 10 ms as a tenth of a second; so do we.
        const int delay = gcb.DelayTime < 2 ? 100 : gcb.DelayTime * 10;
        movie.frames_.push_back({canvas.copy(), delay});

        if (gcb.DisposalMode == DISPOSE_BACKGROUND && area.isValid()) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                std::fill_n(reinterpret_cast<QRgb*>(canvas.scanLine(y)) + area.left(), area.width(), QRgb(0));
        } else if (gcb.DisposalMode == DISPOSE_PREVIOUS) {
            canvas = before;
        }
    }

    int loops = loopBlock(gif->ExtensionBlocks, gif->ExtensionBlockCount);
    for (int i = 0; loops < 0 && i < gif->ImageCount; ++i)
        loops = loopBlock(gif->SavedImages[i].ExtensionBlocks, gif->SavedImages[i].ExtensionBlockCount);
    movie.plays_ = loops < 0 ? 1 : loops == 0 ? 0 : loops + 1;
    movie.size_ = QSize(width, height);
    DGifCloseFile(gif, &error);
    return movie;
}

const QImage& Gifmovie::frame(int index) const
{
    static const QImage none;
    return index >= 0 && index < frameCount() ? frames_[size_t(index)].image : none;
}

int Gifmovie::delayMs(int index) const
{
    return index >= 0 && index < frameCount() ? frames_[size_t(index)].delayMs : 0;
}

Gifplayer::Gifplayer(QLabel* screen) : Gifplayer(screen, screen) {}

Gifplayer::Gifplayer(QLabel* screen, QObject* parent) : QObject(parent), screen_(screen)
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &Gifplayer::tick);
}

bool Gifplayer::load(const QString& name)
{
    const Gifmovie movie = Gifmovie::fromResource(name);
    setGif(movie);
    return !movie.isNull();
}

void Gifplayer::setGif(const Gifmovie& movie)
{
    const bool wasRunning = running_;
    pause();
    movie_ = movie;
    pixmaps_.assign(size_t(movie_.frameCount()), QPixmap());
    current_ = 0;
    played_ = 0;
    if (movie_.isNull()) {
        if (screen_)
            screen_->clear();
        return;
    }
    showFrame(0);
    if (wasRunning)
        start();
}

void Gifplayer::unload()
{
    setGif(Gifmovie());
}

void Gifplayer::start()
{
    // A still picture has nothing to play.
    if (frameCount() < 2)
        return;
    running_ = true;
    schedule();
}

void Gifplayer::pause()
{
    running_ = false;
    timer_.stop();
}

void Gifplayer::stop()
{
    pause();
    played_ = 0;
    if (!movie_.isNull())
        showFrame(0);
}

void Gifplayer::step()
{
    if (!movie_.isNull())
        showFrame((current_ + 1) % frameCount());
}

void Gifplayer::stepBack()
{
    if (!movie_.isNull())
        showFrame((current_ + frameCount() - 1) % frameCount());
}

bool Gifplayer::jumpToFrame(int index)
{
    if (index < 0 || index >= frameCount())
        return false;
    showFrame(index);
    if (running_)
        schedule();
    return true;
}

void Gifplayer::tick()
{
    if (movie_.isNull())
        return;
    if (current_ + 1 >= frameCount()) {
        ++played_;
        if (movie_.plays() != 0 && played_ >= movie_.plays()) {
            // The last frame stays up, as the old pictures did when they stopped.
            pause();
            played_ = 0;
            emit finished();
            return;
        }
    }
    showFrame((current_ + 1) % frameCount());
    if (running_)
        schedule();
}

void Gifplayer::showFrame(int index)
{
    current_ = index;
    if (screen_)
        screen_->setPixmap(currentPixmap());
    emit frameChanged(index);
}

QPixmap Gifplayer::currentPixmap() const
{
    if (movie_.isNull())
        return {};
    // Each frame is turned into a pixmap once, the first time it is shown.
    QPixmap& pixmap = pixmaps_[size_t(current_)];
    if (pixmap.isNull())
        pixmap = QPixmap::fromImage(movie_.frame(current_));
    return pixmap;
}

void Gifplayer::schedule()
{
    timer_.start(movie_.delayMs(current_));
}
