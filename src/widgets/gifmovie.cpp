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

// The NETSCAPE2.0 (or ANIMEXTS1.0) block's sub-block 1, lo, hi: the loop count.
int loopCount(const GifByteType* app, const GifByteType* sub)
{
    if (app && sub && app[0] == 11 &&
        (std::memcmp(app + 1, "NETSCAPE2.0", 11) == 0 || std::memcmp(app + 1, "ANIMEXTS1.0", 11) == 0) &&
        sub[0] >= 3 && sub[1] == 1)
        return sub[2] | (sub[3] << 8);
    return -1;
}

// One image of the file as read, before it is laid on the screen.
struct Picture {
    GifImageDesc place{};
    GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    std::vector<QRgb> colours;
    std::vector<GifByteType> pixels;  // place.Width by place.Height, or empty when not decoded
};

// Passes over the image data without decoding it.
bool skipImage(GifFileType* gif)
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) != GIF_OK)
        return false;
    while (block)
        if (DGifGetCodeNext(gif, &block) != GIF_OK)
            return false;
    return true;
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
    const auto refuse = [&](const QString& why) {
        movie.frames_.clear();
        movie.error_ = why;
        DGifCloseFile(gif, &error);
        return movie;
    };
    const auto broken = [&] {
        return refuse(QString::fromUtf8(GifErrorString(gif->Error ? gif->Error : D_GIF_ERR_READ_FAILED)));
    };
    const QString tooLarge = QStringLiteral("picture too large");

    // The file is read record by record, so every image's size and place is looked at
    // before its pixels are decoded: an image that lies wholly off the screen is passed
    // over, one larger than the screen is refused, and all the pixels decoded together
    // stay within maxPixels, as do the frames built from them.
    const long screenArea = long(gif->SWidth) * gif->SHeight;
    if (screenArea > maxPixels)
        return refuse(tooLarge);
    const QRect screen(0, 0, gif->SWidth, gif->SHeight);
    std::vector<GifColorType> global;
    if (gif->SColorMap)
        global.assign(gif->SColorMap->Colors, gif->SColorMap->Colors + gif->SColorMap->ColorCount);

    std::vector<Picture> pictures;
    GraphicsControlBlock pendingGcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    long decoded = 0;
    int loops = -1;
    for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
        if (DGifGetRecordType(gif, &record) != GIF_OK)
            return broken();
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                return broken();
            if (code == GRAPHICS_EXT_FUNC_CODE && block)
                DGifExtensionToGCB(block[0], block + 1, &pendingGcb);
            GifByteType app[12] = {};
            const bool application = code == APPLICATION_EXT_FUNC_CODE && block && block[0] == 11;
            if (application)
                std::memcpy(app, block, sizeof app);
            bool first = true;
            while (block) {
                if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                    return broken();
                if (application && first && block && loops < 0)
                    loops = loopCount(app, block);
                first = false;
            }
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) != GIF_OK)
                return broken();
            if (int(pictures.size()) >= maxFrames)
                return refuse(QStringLiteral("too many frames"));
            Picture picture;
            picture.place = gif->Image;
            picture.place.ColorMap = nullptr;
            picture.gcb = pendingGcb;
            pendingGcb = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
            const ColorMapObject* map = gif->Image.ColorMap;
            if (map)
                for (int i = 0; i < map->ColorCount; ++i)
                    picture.colours.push_back(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
            else
                for (const GifColorType& c : global)
                    picture.colours.push_back(qRgb(c.Red, c.Green, c.Blue));

            const GifImageDesc& d = picture.place;
            const long area = long(d.Width) * d.Height;
            const QRect place(d.Left, d.Top, d.Width, d.Height);
            // A screen of zero size (some writers leave it out) is taken from the images.
            const bool shown = area > 0 && (screenArea == 0 || place.intersects(screen));
            if (!shown || picture.colours.empty()) {
                if (!skipImage(gif))
                    return broken();
            } else {
                if (screenArea > 0 && area > screenArea)
                    return refuse(tooLarge);
                decoded += area;
                if (decoded > maxPixels)
                    return refuse(tooLarge);
                picture.pixels.resize(size_t(area));
                // An interlaced image comes in four passes of rows.
                const int start[4] = {0, 4, 2, 1}, jump[4] = {8, 8, 4, 2};
                for (int pass = 0; pass < (d.Interlace ? 4 : 1); ++pass)
                    for (int y = d.Interlace ? start[pass] : 0; y < d.Height; y += d.Interlace ? jump[pass] : 1)
                        if (DGifGetLine(gif, picture.pixels.data() + size_t(y) * size_t(d.Width), d.Width) != GIF_OK)
                            return broken();
            }
            pictures.push_back(std::move(picture));
        }
    }
    if (pictures.empty())
        return refuse(QString::fromUtf8(GifErrorString(D_GIF_ERR_NO_IMAG_DSCR)));

    int width = gif->SWidth, height = gif->SHeight;
    if (width <= 0 || height <= 0) {
        for (const Picture& p : pictures) {
            width = std::max(width, p.place.Left + p.place.Width);
            height = std::max(height, p.place.Top + p.place.Height);
        }
    }
    if (width <= 0 || height <= 0 || long(width) * height * long(pictures.size()) > maxPixels)
        return refuse(tooLarge);

    // The background is shown as transparent, as browsers do, so pictures sit on the
    // window's own colour.
    QImage canvas(width, height, QImage::Format_ARGB32);
    canvas.fill(0);
    for (const Picture& p : pictures) {
        const GifImageDesc& d = p.place;
        const GraphicsControlBlock& gcb = p.gcb;
        const QImage before = gcb.DisposalMode == DISPOSE_PREVIOUS ? canvas.copy() : QImage();

        // Only the part of the frame on the screen is drawn; colours outside the map are
        // treated like the transparent one.
        const QRect area = QRect(d.Left, d.Top, d.Width, d.Height).intersected(canvas.rect());
        if (!p.pixels.empty()) {
            const int colourCount = int(p.colours.size());
            for (int y = area.top(); y <= area.bottom(); ++y) {
                QRgb* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
                const GifByteType* row = p.pixels.data() + size_t(y - d.Top) * size_t(d.Width);
                for (int x = area.left(); x <= area.right(); ++x) {
                    const int index = row[x - d.Left];
                    if (index == gcb.TransparentColor || index >= colourCount)
                        continue;
                    line[x] = p.colours[size_t(index)];
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
