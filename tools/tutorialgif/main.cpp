// tutorialgif [--png DIR] [--scale N] OUT.gif SCRIPT.tut
// Draws a tutorial script into its animation: one frame per step, shown for the step's
// seconds, looping for ever. With --png each frame is also written as DIR/NAME-00.png, ...
// for a writer to look at. A script that does not read or draws something impossible is
// refused with "FILE:LINE: what" and exit code 1.
#include "draw.h"
#include "gifwrite.h"

#include "tutorial/script.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <gif_lib.h>

#include <cstdio>

namespace {

// Frames after the first hold only the box where they differ from the one before.
std::vector<gifwrite::Frame> encode(const std::vector<tutorialgif::Picture>& pictures, gifwrite::Nearest& nearest)
{
    std::vector<gifwrite::Frame> out;
    std::vector<std::uint8_t> previous;
    for (const tutorialgif::Picture& pic : pictures) {
        const int w = pic.image.width(), h = pic.image.height();
        std::vector<std::uint8_t> index(size_t(w) * size_t(h));
        for (int y = 0; y < h; ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(pic.image.constScanLine(y));
            for (int x = 0; x < w; ++x) index[size_t(y) * size_t(w) + size_t(x)] = nearest(line[x]);
        }
        int x0 = 0, y0 = 0, x1 = w - 1, y1 = h - 1;
        if (!previous.empty()) {
            x0 = w, y0 = h, x1 = -1, y1 = -1;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    if (index[size_t(y) * size_t(w) + size_t(x)] != previous[size_t(y) * size_t(w) + size_t(x)]) {
                        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
                    }
            if (x1 < 0) x0 = y0 = x1 = y1 = 0;  // the same picture again: one pixel
        }
        gifwrite::Frame f;
        f.x = x0, f.y = y0, f.width = x1 - x0 + 1, f.height = y1 - y0 + 1;
        f.delayCs = pic.delayCs;
        f.disposal = DISPOSE_DO_NOT;
        f.pixels.reserve(size_t(f.width) * size_t(f.height));
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) f.pixels.push_back(index[size_t(y) * size_t(w) + size_t(x)]);
        out.push_back(std::move(f));
        previous = std::move(index);
    }
    return out;
}

int usage()
{
    std::fprintf(stderr, "usage: tutorialgif [--png DIR] [--scale N] OUT.gif SCRIPT.tut\n");
    return 2;
}

}  // namespace

int main(int argc, char* argv[])
{
    // It runs during the build, where there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList args = QGuiApplication::arguments().mid(1);
    QString pngdir;
    int scale = 2;
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--png") && i + 1 < args.size()) {
            pngdir = args[++i];
        } else if (args[i] == QLatin1String("--scale") && i + 1 < args.size()) {
            bool ok = false;
            scale = args[++i].toInt(&ok);
            if (!ok || scale < 1 || scale > 4) return usage();
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            files << args[i];
        }
    }
    if (files.size() != 2) return usage();
    const QString out = files[0], scriptpath = files[1];

    QString error;
    if (!tutorialgif::fontready(error)) {
        std::fprintf(stderr, "tutorialgif: %s\n", qPrintable(error));
        return 1;
    }
    QFile in(scriptpath);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s:1: cannot read the file\n", qPrintable(scriptpath));
        return 1;
    }
    const QByteArray text = in.readAll();
    std::string why;
    const auto script = tutorial::parsescript(std::string_view(text.constData(), size_t(text.size())), why);
    if (!script) {
        // The reader says "line N: what"; editors want FILE:N: what.
        QString msg = QString::fromStdString(why);
        if (msg.startsWith(QLatin1String("line "))) msg = msg.mid(5);
        else msg = QStringLiteral("1: ") + msg;
        std::fprintf(stderr, "%s:%s\n", qPrintable(scriptpath), qPrintable(msg));
        return 1;
    }
    const auto pictures = tutorialgif::drawscript(*script, scale, error);
    if (pictures.empty()) {
        std::fprintf(stderr, "%s:%s\n", qPrintable(scriptpath),
                     qPrintable(error.isEmpty() ? QStringLiteral("1: the script has no steps") : error));
        return 1;
    }
    if (!pngdir.isEmpty()) {
        QDir().mkpath(pngdir);
        const QString name = script->name.empty() ? QFileInfo(scriptpath).completeBaseName()
                                                  : QString::fromStdString(script->name);
        for (size_t i = 0; i < pictures.size(); ++i) {
            const QString path = QStringLiteral("%1/%2-%3.png").arg(pngdir, name).arg(int(i), 2, 10, QLatin1Char('0'));
            if (!pictures[i].image.save(path)) {
                std::fprintf(stderr, "tutorialgif: cannot write %s\n", qPrintable(path));
                return 1;
            }
        }
    }
    const std::vector<QRgb> colours = tutorialgif::palette();
    gifwrite::Nearest nearest(colours);
    const auto frames = encode(pictures, nearest);
    const int w = pictures.front().image.width(), h = pictures.front().image.height();
    if (!gifwrite::write(out, w, h, colours, 0, frames, error)) {
        std::fprintf(stderr, "tutorialgif: %s\n", qPrintable(error));
        return 1;
    }
    if (qEnvironmentVariableIsSet("TUTORIALGIF_VERBOSE"))
        std::fprintf(stderr, "%s: %zu frames, %zu colours, worst colour distance %ld\n", qPrintable(out),
                     frames.size(), colours.size(), nearest.worst());
    return 0;
}
