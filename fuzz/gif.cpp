// The GIF decoder on any bytes: it refuses or gives whole frames of the picture's size,
// in whatever order they are asked for, within its own limits (a frame count and pixel
// ceiling keep memory bounded; the run's -rss_limit_mb watches the rest).
#include "fuzzfolder.h"

#include "widgets/gifmovie.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Gifmovie movie = Gifmovie::fromData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (movie.isNull()) {
        if (movie.errorString().isEmpty())
            broken("a refused picture without a reason");
        return 0;
    }
    if (movie.frameCount() > Gifmovie::maxFrames ||
        long(movie.size().width()) * movie.size().height() * movie.frameCount() > Gifmovie::maxPixels)
        broken("more frames or pixels than the limits");
    // Forward frame by frame, then back to the first, which builds it again from nothing.
    for (int i = 0; i <= movie.frameCount(); ++i)
        if (movie.frame(i % movie.frameCount()).size() != movie.size() || movie.delayMs(i % movie.frameCount()) <= 0)
            broken("a frame of the wrong size or without a delay");
    return 0;
}
