// Writing GIF89a files with giflib, shared by our picture tools: the caller chooses the
// palette and hands over frames already turned into palette indexes.
#pragma once

#include <QHash>
#include <QRgb>
#include <QString>

#include <cstdint>
#include <vector>

namespace gifwrite {

struct Frame {
    int x = 0, y = 0, width = 0, height = 0;  // where the frame's pixels go on the screen
    std::vector<std::uint8_t> pixels;         // width * height palette indexes, row by row
    int delayCs = 0;                          // hundredths of a second
    int disposal = 0;                         // giflib's DISPOSAL_UNSPECIFIED, DISPOSE_DO_NOT, ...
    int transparent = -1;                     // a palette index, or -1 for none
};

// Writes the frames to path (looping for ever when there is more than one). The palette
// has at most 256 colours. Returns false and sets error on a fault.
bool write(const QString& path, int width, int height, const std::vector<QRgb>& palette, int background,
           const std::vector<Frame>& frames, QString& error);

// The palette entry nearest a colour (greens weigh most, as the eye sees them), remembered
// so a picture of a few colours is quick.
class Nearest {
public:
    explicit Nearest(const std::vector<QRgb>& palette) : palette_(palette) {}
    std::uint8_t operator()(QRgb c);
    // The largest squared weighted distance looked up so far: how far from exact the frames are.
    long worst() const { return worst_; }

private:
    std::vector<QRgb> palette_;
    QHash<QRgb, std::uint8_t> cache_;
    long worst_ = 0;
};

}  // namespace gifwrite
