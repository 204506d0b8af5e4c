// What a tutorial costs to open and to play. Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen build/bench/tutorial_bench          time to the first frame, stepping
//   QT_QPA_PLATFORM=offscreen build/bench/tutorial_bench --peak-rss
//                                    plays every tutorial one after another through the exercise
//                                    window's tutorial layout, prints peak memory
// Tutorials whose animation is not in the resources yet are stood in for by a made-up one
// of the same make: 20 frames of 866 x 546, the first whole, the later ones the changed part only.
#include "support/windowrig.h"
#include "tutorial/catalogue.h"
#include "tutorialpane.h"
#include "widgets/gifmovie.h"

#include <QApplication>
#include <QLabel>
#include <QTreeWidgetItem>

#include <benchmark/benchmark.h>
#include <gif_lib.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

int appendBytes(GifFileType* gif, const GifByteType* data, int length)
{
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(data), length);
    return length;
}

// A page of a worked example: white paper, rows of "writing" in a few inks.
// allWhole: every frame redrawn in full, the worst a tutorial could be made.
QByteArray syntheticTutorial(unsigned seed, bool allWhole = false, int frames = 20)
{
    constexpr int width = 866, height = 546, transparent = 15;
    std::mt19937 random(seed);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    std::vector<GifColorType> colours(16, GifColorType{255, 255, 255});
    const GifColorType inks[] = {{0, 0, 0}, {0, 0, 200}, {200, 0, 0}, {0, 140, 0}, {230, 230, 230}};
    std::copy(std::begin(inks), std::end(inks), colours.begin() + 1);

    QByteArray out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    EGifSetGifVersion(gif, true);
    ColorMapObject* map = GifMakeMapObject(16, colours.data());
    EGifPutScreenDesc(gif, width, height, 4, 0, map);
    GifFreeMapObject(map);
    const GifByteType loop[3] = {1, 0, 0};
    EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE);
    EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0");
    EGifPutExtensionBlock(gif, 3, loop);
    EGifPutExtensionTrailer(gif);
    for (int f = 0; f < frames; ++f) {
        const bool whole = f == 0 || allWhole;
        const int w = whole ? width : pick(120, 320), h = whole ? height : pick(40, 140);
        const int x = whole ? 0 : pick(0, width - w), y = whole ? 0 : pick(0, height - h);
        const bool holes = !whole && f % 3 == 0;
        std::vector<GifByteType> pixels(size_t(w) * size_t(h), holes ? transparent : 0);
        // Strokes of a pen: short runs of one ink, a line of them per row of text.
        for (int row = 6; row + 18 < h; row += 28)
            for (int col = 4; col + 12 < w; col += pick(10, 16)) {
                const auto ink = GifByteType(pick(1, 3));
                for (int dy = 0; dy < 18; ++dy)
                    for (int dx = 0; dx < 3; ++dx)
                        pixels[size_t(row + dy) * size_t(w) + size_t(col + dx + (dy * pick(0, 2)) / 9)] = ink;
            }
        GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 150, holes ? transparent : NO_TRANSPARENT_COLOR};
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext);
        EGifPutImageDesc(gif, x, y, w, h, false, nullptr);
        for (int r = 0; r < h; ++r)
            EGifPutLine(gif, pixels.data() + size_t(r) * size_t(w), w);
    }
    EGifCloseFile(gif, &error);
    return out;
}

std::vector<std::string> tutorialNames()
{
    std::vector<std::string> names;
    for (int i = 0; i < tutorial::examplecount; ++i)
        names.emplace_back(tutorial::name(static_cast<tutorial::Example>(i)));
    return names;
}

bool shipped(const std::string& name) { return !Gifmovie::resourcePath(QString::fromStdString(name)).isEmpty(); }

// From choosing a tutorial to its first frame on the label, as a pixmap ready to paint.
void firstFrame(benchmark::State& state, const std::string& name)
{
    const QByteArray made = name.empty() ? syntheticTutorial(1) : QByteArray();
    QLabel label;
    Gifplayer player(&label, nullptr);
    for (auto _ : state) {
        if (made.isEmpty())
            player.load(QString::fromStdString(name));
        else
            player.setGif(Gifmovie::fromData(made));
        benchmark::DoNotOptimize(label.pixmap().cacheKey());
    }
    if (player.frameCount() == 0)
        state.SkipWithError("no frames");
}

// Going through a made-up tutorial a frame at a time, each way.
void stepping(benchmark::State& state, int by, bool allWhole)
{
    const Gifmovie movie = Gifmovie::fromData(syntheticTutorial(2, allWhole));
    const int n = movie.frameCount();
    int at = 0;
    for (auto _ : state) {
        at = (at + by + n) % n;
        benchmark::DoNotOptimize(movie.frame(at).constBits());
    }
}

long peakKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The exercise window in its tutorial layout, as a pupil has it.
struct Window : Windowrig {
    Tutorialpane& pane = *window.tutorial;

    Window()
    {
        pane.armtimer = [](int) {};  // the benchmark beats the frames itself
        pane.disarmtimer = [] {};
        window.resize(1024, 768);
        window.show();
        window.SpbexampleClick();
        window.SpbexampleMouseUp();
        QApplication::processEvents();
    }
    QTreeWidgetItem* leaf(int example)
    {
        const std::string_view caption = tutorial::caption(static_cast<tutorial::Example>(example));
        return pane.findnode(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
    }
};

// From choosing a leaf of the tree to its first frame painted in the window.
void leafToPainted(benchmark::State& state, int example)
{
    Window w;
    QTreeWidgetItem* leaf = w.leaf(example);
    for (auto _ : state) {
        w.pane.clearpictures();
        w.pane.LbxexampleChange(leaf);
        w.pane.Imexample->repaint();
    }
    if (!w.pane.Imexample->haspicture())
        state.SkipWithError("nothing was painted");
}

// Every tutorial, one after another, through the window's player: every frame of each,
// the timer beaten by hand and the picture repainted after each beat.
int playAll()
{
    Window w;
    const long before = peakKiB();
    int frames = 0, played = 0;
    for (int e = 0; e < tutorial::examplecount; ++e) {
        w.pane.LbxexampleChange(w.leaf(e));
        if (!w.pane.Imexample->haspicture())
            continue;
        ++played;
        w.pane.Imexample->repaint();
        for (int f = 1; f < w.pane.player->frameCount(); ++f) {
            w.pane.player->tick();
            w.pane.Imexample->repaint();
        }
        frames += w.pane.player->frameCount();
    }
    std::printf("%d of %d tutorials played, %d frames: peak RSS %.1f MiB (%.1f MiB before the first)\n", played,
                tutorial::examplecount, frames, double(peakKiB()) / 1024, double(before) / 1024);
    return played == tutorial::examplecount ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--peak-rss") == 0)
            return playAll();
    benchmark::RegisterBenchmark("first_frame/made_up", firstFrame, std::string())->Unit(benchmark::kMillisecond);
    for (const std::string& name : tutorialNames())
        if (shipped(name))
            benchmark::RegisterBenchmark(("first_frame/" + name).c_str(), firstFrame, name)->Unit(benchmark::kMillisecond);
    for (int e = 0; e < tutorial::examplecount; ++e)
        benchmark::RegisterBenchmark(("leaf_to_painted/" + tutorialNames()[size_t(e)]).c_str(), leafToPainted, e)
            ->Unit(benchmark::kMillisecond);
    for (const bool whole : {false, true}) {
        const std::string kind = whole ? "/all_whole" : "";
        benchmark::RegisterBenchmark(("step/forward" + kind).c_str(), stepping, 1, whole)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("step/back" + kind).c_str(), stepping, -1, whole)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
