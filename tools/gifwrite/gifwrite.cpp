#include "gifwrite.h"

#include <QByteArray>
#include <QFile>

#include <gif_lib.h>

#include <array>

namespace gifwrite {

std::uint8_t Nearest::operator()(QRgb c)
{
    c |= 0xff000000u;
    auto found = cache_.constFind(c);
    if (found != cache_.cend()) return *found;
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < int(palette_.size()); ++i) {
        const long dr = qRed(c) - qRed(palette_[i]), dg = qGreen(c) - qGreen(palette_[i]),
                   db = qBlue(c) - qBlue(palette_[i]);
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    if (bestDistance > worst_) worst_ = bestDistance;
    cache_.insert(c, std::uint8_t(best));
    return std::uint8_t(best);
}

bool write(const QString& path, int width, int height, const std::vector<QRgb>& palette, int background,
           const std::vector<Frame>& frames, QString& error)
{
    if (palette.empty() || palette.size() > 256 || frames.empty()) {
        error = QStringLiteral("no frames, or a palette of %1 colours").arg(palette.size());
        return false;
    }
    std::array<GifColorType, 256> colours{};
    for (size_t i = 0; i < palette.size(); ++i)
        colours[i] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])), GifByteType(qBlue(palette[i]))};

    int code = 0;
    QByteArray bytes;
    auto append = [](GifFileType* file, const GifByteType* data, int length) {
        static_cast<QByteArray*>(file->UserData)->append(reinterpret_cast<const char*>(data), length);
        return length;
    };
    GifFileType* gif = EGifOpen(&bytes, append, &code);
    if (!gif) {
        error = QString::fromUtf8(GifErrorString(code));
        return false;
    }
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    bool ok = EGifPutScreenDesc(gif, width, height, 8, background, map) == GIF_OK;
    if (ok && frames.size() > 1) {
        // Loop for ever.
        static const GifByteType loop[3] = {1, 0, 0};
        ok = EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
             EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
             EGifPutExtensionBlock(gif, 3, loop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
    }
    for (size_t k = 0; ok && k < frames.size(); ++k) {
        const Frame& f = frames[k];
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = f.disposal;
        gcb.DelayTime = f.delayCs;
        gcb.TransparentColor = f.transparent >= 0 ? f.transparent : NO_TRANSPARENT_COLOR;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK &&
             EGifPutImageDesc(gif, f.x, f.y, f.width, f.height, false, nullptr) == GIF_OK;
        std::vector<GifByteType> row(size_t(f.width));
        for (int y = 0; ok && y < f.height; ++y) {
            for (int x = 0; x < f.width; ++x) row[size_t(x)] = f.pixels[size_t(y) * size_t(f.width) + size_t(x)];
            ok = EGifPutLine(gif, row.data(), f.width) == GIF_OK;
        }
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &code) != GIF_OK) ok = false;
    QFile out(path);
    ok = ok && out.open(QIODevice::WriteOnly | QIODevice::Truncate) && out.write(bytes) == bytes.size();
    if (!ok) error = QStringLiteral("failed writing %1").arg(path);
    return ok;
}

}  // namespace gifwrite
