#include "gifmovie.h"

#include <QDir>
#include <QFile>
#include <QResource>

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

// One image of the file: where its data starts, its place on the screen and how it is
// drawn. Its pixels are decoded each time it is drawn.
struct Gifmovie::Picture {
    qsizetype offset = 0;  // of the image's record in the file
    QRect place;
    QRect area;            // the part of place on the canvas
    int disposal = DISPOSAL_UNSPECIFIED;
    int transparent = NO_TRANSPARENT_COLOR;
    int delayMs = 100;
    bool interlaced = false;
    bool drawn = false;    // false when wholly off the screen or without colours
    std::vector<QRgb> colours;  // empty: the file's own
};

struct Gifmovie::File {
    QByteArray bytes;
    std::vector<QRgb> colours;
    std::vector<Picture> pictures;
    long drawnPixels = 0;  // of all the frames together
};

int Gifmovie::frameCount() const
{
    return file_ ? int(file_->pictures.size()) : 0;
}

Gifmovie Gifmovie::fromFile(const QString& path)
{
    // A resource stored as it is (GIFs are not worth compressing again) is read in place.
    if (path.startsWith(QLatin1String(":/"))) {
        const QResource resource(path);
        if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression && resource.data())
            return fromData(QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), qsizetype(resource.size())));
    }
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
    auto file = std::make_shared<File>();
    file->bytes = data;
    Reader reader{&file->bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readMemory, &error);
    if (!gif) {
        movie.error_ = QString::fromUtf8(GifErrorString(error));
        return movie;
    }
    const auto refuse = [&](const QString& why) {
        movie.error_ = why;
        DGifCloseFile(gif, &error);
        return movie;
    };
    const auto broken = [&] {
        return refuse(QString::fromUtf8(GifErrorString(gif->Error ? gif->Error : D_GIF_ERR_READ_FAILED)));
    };
    const QString tooLarge = QStringLiteral("picture too large");

    // The file is read record by record, so every image's size and place is looked at
    // before anything is drawn: an image that lies wholly off the screen is passed over,
    // one larger than the screen is refused, and all the pixels drawn together stay
    // within maxPixels, as do the frames built from them. The image data is only walked
    // through here (so a file cut short is refused); it is decoded when a frame is drawn.
    const long screenArea = long(gif->SWidth) * gif->SHeight;
    if (screenArea > maxPixels)
        return refuse(tooLarge);
    const QRect screen(0, 0, gif->SWidth, gif->SHeight);
    if (gif->SColorMap)
        for (int i = 0; i < gif->SColorMap->ColorCount; ++i) {
            const GifColorType& c = gif->SColorMap->Colors[i];
            file->colours.push_back(qRgb(c.Red, c.Green, c.Blue));
        }

    std::vector<Picture>& pictures = file->pictures;
    GraphicsControlBlock pendingGcb{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
    long decoded = 0;
    int loops = -1;
    for (GifRecordType record = UNDEFINED_RECORD_TYPE; record != TERMINATE_RECORD_TYPE;) {
        const qsizetype offset = reader.at;
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
            const GifImageDesc& d = gif->Image;
            Picture picture;
            picture.offset = offset;
            picture.place = QRect(d.Left, d.Top, d.Width, d.Height);
            picture.interlaced = d.Interlace;
            picture.disposal = pendingGcb.DisposalMode;
            picture.transparent = pendingGcb.TransparentColor;
            // Browsers show "no delay" and 10 ms as a tenth of a second; so do we.
            picture.delayMs = pendingGcb.DelayTime < 2 ? 100 : pendingGcb.DelayTime * 10;
            pendingGcb = GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};
            if (const ColorMapObject* map = d.ColorMap)
                for (int i = 0; i < map->ColorCount; ++i)
                    picture.colours.push_back(qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue));
            const bool coloured = d.ColorMap ? !picture.colours.empty() : !file->colours.empty();

            const long area = long(d.Width) * d.Height;
            // A screen of zero size (some writers leave it out) is taken from the images.
            picture.drawn = coloured && area > 0 && (screenArea == 0 || picture.place.intersects(screen));
            if (picture.drawn) {
                if (screenArea > 0 && area > screenArea)
                    return refuse(tooLarge);
                decoded += area;
                if (decoded > maxPixels)
                    return refuse(tooLarge);
            }
            if (!skipImage(gif))
                return broken();
            pictures.push_back(std::move(picture));
        }
    }
    DGifCloseFile(gif, &error);
    if (pictures.empty()) {
        movie.error_ = QString::fromUtf8(GifErrorString(D_GIF_ERR_NO_IMAG_DSCR));
        return movie;
    }

    int width = screen.width(), height = screen.height();
    if (width <= 0 || height <= 0) {
        for (const Picture& p : pictures) {
            width = std::max(width, p.place.right() + 1);
            height = std::max(height, p.place.bottom() + 1);
        }
    }
    if (width <= 0 || height <= 0 || long(width) * height * long(pictures.size()) > maxPixels) {
        movie.error_ = tooLarge;
        return movie;
    }
    for (Picture& p : pictures) {
        p.area = p.place.intersected(QRect(0, 0, width, height));
        if (p.drawn && p.area.isValid())
            file->drawnPixels += long(p.area.width()) * p.area.height();
    }

    movie.plays_ = loops < 0 ? 1 : loops == 0 ? 0 : loops + 1;
    movie.size_ = QSize(width, height);
    movie.file_ = std::move(file);
    return movie;
}

QImage Gifmovie::frame(int index) const
{
    if (index < 0 || index >= frameCount())
        return {};
    compose(index);
    return canvas_;
}

int Gifmovie::delayMs(int index) const
{
    return index >= 0 && index < frameCount() ? file_->pictures[size_t(index)].delayMs : 0;
}

// Brings the canvas to frame index: on from the frame it shows, else from the nearest key
// frame before it, else from the start. The background is shown as transparent, as
// browsers do, so pictures sit on the window's own colour. Going back a frame costs the
// drawing since the key before it: a tutorial of small patches needs no key at all, one
// redrawn whole each frame gets a few (measured: 20 whole 866 x 546 frames went from
// some 40 ms a step back to some 12 with two keys), each a canvas more in memory.
void Gifmovie::compose(int index) const
{
    constexpr int maxKeys = 2;
    const std::vector<Picture>& pictures = file_->pictures;
    if (shown_ < 0 || index < shown_ || canvas_.size() != size_) {
        auto key = std::find_if(keys_.rbegin(), keys_.rend(), [&](const Key& k) { return k.index <= index; });
        if (key != keys_.rend()) {
            canvas_ = key->canvas;
            under_ = key->under;
            shown_ = key->index;
            sinceKey_ = 0;
        } else {
            // Every pixel is opaque or wholly clear, which premultiplied stores alike; the
            // screen's own format spares a converted copy of each frame on its way there.
            canvas_ = QImage(size_, QImage::Format_ARGB32_Premultiplied);
            canvas_.fill(0);
            shown_ = -1;
            sinceKey_ = 0;
        }
    }
    const long canvasArea = long(size_.width()) * size_.height();
    const long keyEvery = std::max(2 * canvasArea, file_->drawnPixels / (maxKeys + 1));
    for (; shown_ < index; ++shown_) {
        if (shown_ >= 0) {
            // The frame shown goes as its disposal says before the next is drawn.
            const Picture& last = pictures[size_t(shown_)];
            if (last.disposal == DISPOSE_BACKGROUND && last.area.isValid()) {
                for (int y = last.area.top(); y <= last.area.bottom(); ++y)
                    std::fill_n(reinterpret_cast<QRgb*>(canvas_.scanLine(y)) + last.area.left(), last.area.width(), QRgb(0));
            } else if (last.disposal == DISPOSE_PREVIOUS && !under_.isNull()) {
                for (int y = 0; y < under_.height(); ++y)
                    std::memcpy(reinterpret_cast<QRgb*>(canvas_.scanLine(last.area.top() + y)) + last.area.left(),
                                under_.constScanLine(y), size_t(under_.width()) * sizeof(QRgb));
            }
        }
        const Picture& next = pictures[size_t(shown_ + 1)];
        under_ = next.disposal == DISPOSE_PREVIOUS && next.drawn && next.area.isValid() ? canvas_.copy(next.area) : QImage();
        if (next.drawn && next.area.isValid())
            draw(next);
        // Keys are only added past the last one, counting the drawing since it.
        if (!keys_.empty() && keys_.back().index >= shown_ + 1)
            continue;
        if (next.drawn && next.area.isValid())
            sinceKey_ += long(next.area.width()) * next.area.height();
        if (sinceKey_ >= keyEvery && int(keys_.size()) < maxKeys) {
            keys_.push_back({shown_ + 1, canvas_, under_});
            sinceKey_ = 0;
        }
    }
}

// Decodes one image straight onto the canvas, a row at a time. Only the part on the
// canvas is drawn; colours outside the map are treated like the transparent one. Data
// that turns out damaged leaves the rows not yet drawn as they were.
void Gifmovie::draw(const Picture& p) const
{
    // Every colour is opaque, so 0 can stand for "leave the pixel as it is".
    QRgb look[256] = {};
    const std::vector<QRgb>& colours = p.colours.empty() ? file_->colours : p.colours;
    for (size_t i = 0; i < std::min<size_t>(colours.size(), 256); ++i)
        look[i] = colours[i] | 0xff000000u;
    if (p.transparent >= 0 && p.transparent < 256)
        look[p.transparent] = 0;

    Reader reader{&file_->bytes, 0};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readMemory, &error);
    if (!gif)
        return;
    reader.at = p.offset;
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &record) == GIF_OK && record == IMAGE_DESC_RECORD_TYPE && DGifGetImageDesc(gif) == GIF_OK) {
        const int width = p.place.width(), left = p.area.left() - p.place.left(), count = p.area.width();
        std::vector<GifByteType> row(static_cast<size_t>(width));
        // An interlaced image comes in four passes of rows.
        const int start[4] = {0, 4, 2, 1}, jump[4] = {8, 8, 4, 2};
        bool ok = true;
        for (int pass = 0; ok && pass < (p.interlaced ? 4 : 1); ++pass)
            for (int y = p.interlaced ? start[pass] : 0; y < p.place.height(); y += p.interlaced ? jump[pass] : 1) {
                const int at = p.place.top() + y;
                // Rows below the canvas are not needed, unless later passes come back up.
                if (!p.interlaced && at > p.area.bottom())
                    break;
                if (DGifGetLine(gif, row.data(), width) != GIF_OK) {
                    ok = false;
                    break;
                }
                if (at < p.area.top() || at > p.area.bottom())
                    continue;
                QRgb* line = reinterpret_cast<QRgb*>(canvas_.scanLine(at)) + p.area.left();
                const GifByteType* from = row.data() + left;
                for (int x = 0; x < count; ++x)
                    if (const QRgb c = look[from[x]])
                        line[x] = c;
            }
    }
    DGifCloseFile(gif, &error);
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
    pixmap_ = QPixmap();
    pixmapFrame_ = -1;
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
    // Only the frame on screen has a pixmap; the movie builds the others when asked.
    if (pixmapFrame_ != current_) {
        pixmap_ = QPixmap::fromImage(movie_.frame(current_));
        pixmapFrame_ = current_;
    }
    return pixmap_;
}

void Gifplayer::schedule()
{
    timer_.start(movie_.delayMs(current_));
}
