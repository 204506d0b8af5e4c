// Cost of composing and marking questions through the lesson core, with the question box
// and window kept in memory. Run: build/bench/core_bench
#include "lesson/lesson.h"
#include "measure/measurefamily.h"
#include "numbers/numberfamily.h"
#include "wordq/poselitq.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

class Memorybox final : public Questionbox {
public:
    std::vector<std::string> lines;
    void clear() override { lines.clear(); }
    void setcolour(uint32_t) override {}
    void setfont(const std::string&, int, bool, bool) override {}
    void addline(const std::string& text) override { lines.push_back(text); }
    std::string text() const override
    {
        std::string all;
        for (size_t i = 0; i < lines.size(); ++i)
            all += (i ? "\r\n" : "") + lines[i];
        return all;
    }
};

class Quietview final : public Exerciseview {
public:
    bool malay = false;
    bool englishdown() const override { return false; }
    bool malaydown() const override { return malay; }
    bool practicedown() const override { return true; }
    void setpracticedown(bool) override {}
    bool timerdown() const override { return false; }
    void settimerdown(bool) override {}
    void settimercaption(const std::string&) override {}
    void settimerline2(const std::string&) override {}
    void settimerhint(const std::string&) override {}
    void setminutetimer(bool) override {}
    void setmarking(bool) override {}
    void clearanswer() override {}
    void focusanswer() override {}
    void setbonuslabel(const std::string&) override {}
    void showcheer(bool) override {}
    void clearexamplelink() override {}
    void offerexamplelink() override {}
    void message(const std::string&) override {}
    void playsound(const std::string&) override {}
    void openreward() override {}
    void setpicture(int) override {}
};

struct Fixture {
    explicit Fixture(int grade, bool plus, bool multi, bool divide)
        : folder(MATHTUVO_DATA_DIR), lesson(box, view, folder, random)
    {
        lesson.state.gradebutton = "darjah" + std::to_string(grade);
        lesson.ticks.plusminus = plus;
        lesson.ticks.multi = multi;
        lesson.ticks.divide = divide;
        lesson.btnok2Click();
    }
    Memorybox box;
    Quietview view;
    Workfolder folder;
    Randomsource random{20261207};
    Lesson lesson;
};

// Number sentences only: without a word-problem poser every question is a sentence.
void arithmeticsentence(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)), true, true, true);
    f.lesson.litq.reset();
    for (auto _ : state) {
        f.lesson.askq();
        benchmark::DoNotOptimize(f.box.lines.data());
    }
}
BENCHMARK(arithmeticsentence)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// Any question, stories included: the word problem reads litq.txt each time.
void wordproblem(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(0)), true, false, false);
    int stories = 0;
    for (auto _ : state) {
        f.lesson.state.wordform = 0;
        while (f.lesson.state.wordform == 0) {
            f.lesson.askq();
        }
        ++stories;
    }
    state.counters["stories"] = stories;
}
BENCHMARK(wordproblem)->DenseRange(1, 6)->Unit(benchmark::kMicrosecond);

// Each number kind through askq, grade 6 with every number topic: a similar question
// keeps the kind, so the benchmark can ask for one kind again and again.
void numberkind(benchmark::State& state)
{
    Fixture f(6, false, false, false);
    Numberfamily numbers(f.lesson);
    f.lesson.numbers = &numbers;
    f.lesson.state.usenumbers = f.lesson.state.usefractions = f.lesson.state.usedecimals = true;
    f.lesson.props.topic = 1;
    f.lesson.props.newoper = true;
    numbers.plug.kind = static_cast<uint8_t>(state.range(0));
    for (auto _ : state) {
        f.lesson.askq();
        benchmark::DoNotOptimize(f.lesson.state.answertext);
    }
}
BENCHMARK(numberkind)->DenseRange(1, 24)->Unit(benchmark::kMicrosecond);

// Asks one measurement kind (first argument) again and again through askq, as similar
// questions at a grade that asks it (second), the measurement ticks given.
void measurementkind(benchmark::State& state, Fixture& f, const Ticks& ticks)
{
    Measurefamily measures(f.lesson);
    f.lesson.measures = &measures;
    measures.lessonstart(ticks);
    f.lesson.state.useweight = ticks.kg;
    f.lesson.state.uselength = ticks.cm;
    f.lesson.state.usemoney = ticks.rm;
    f.lesson.state.usetime = ticks.time;
    f.lesson.props.topic = 2;
    f.lesson.props.newoper = true;
    f.lesson.lengthkind = static_cast<int>(state.range(0));
    for (auto _ : state) {
        f.lesson.askq();
        benchmark::DoNotOptimize(f.lesson.state.answertext);
    }
}

// Each time kind; the clock stories and grade 6's date stories read litq.txt each time.
void timekind(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(1)), false, false, false);
    Ticks ticks;
    ticks.time = true;
    measurementkind(state, f, ticks);
}
BENCHMARK(timekind)
    ->ArgsProduct({{17}, {1, 2}})
    ->ArgsProduct({{12, 13, 16, 14, 18}, {3, 6}})
    ->Args({19, 4})
    ->Args({19, 6})
    ->Unit(benchmark::kMicrosecond);

// Each length, weight and money kind (first argument) through askq as a similar question
// at a grade that asks it (second), in both languages or Malay only (third, the ringgit
// rewrites); the length multiplication and the perimeter and triangle stories read
// litq.txt when they are told as stories.
void unitkind(benchmark::State& state)
{
    Fixture f(static_cast<int>(state.range(1)), false, false, false);
    f.view.malay = state.range(2) == 1;
    Ticks ticks;
    ticks.kg = ticks.cm = ticks.rm = true;
    measurementkind(state, f, ticks);
}
BENCHMARK(unitkind)
    ->ArgsProduct({{1, 2, 3, 9, 29, 30, 37, 33, 38}, {3}, {0, 1}})
    ->ArgsProduct({{20, 21, 22, 28, 39}, {4}, {0}})
    ->ArgsProduct({{4, 5, 6, 7, 8, 10, 23, 24, 25, 26, 27, 32, 33, 34, 35, 36, 38, 39}, {5}, {0, 1}})
    ->ArgsProduct({{2, 11}, {6}, {0}})
    ->Unit(benchmark::kMicrosecond);

void marking(benchmark::State& state)
{
    Fixture f(4, false, false, true);
    f.lesson.askq();
    const std::string typed = f.lesson.state.answertext + " remainder 3";
    for (auto _ : state) {
        f.lesson.edtjawapKeyPress(typed);
        benchmark::DoNotOptimize(f.lesson.state.trycount);
    }
}
BENCHMARK(marking);

}  // namespace

BENCHMARK_MAIN();
