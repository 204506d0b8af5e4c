// Cost of each engine operation, called the way the program calls it: through an engine
// from Numengobject. Run: build/bench/engine_bench
#include "numbase.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

Tnumengine& engine()
{
    static std::unique_ptr<Tnumengine> e(Numengobject());
    return *e;
}

template <class Record, class Call>
void drawloop(benchmark::State& state, Call call)
{
    const auto grade = static_cast<uint8_t>(state.range(0));
    Record out{};
    for (auto _ : state) {
        call(engine(), grade, out);
        benchmark::DoNotOptimize(out);
    }
}

#define GRADED(NAME, RECORD, LOW, HIGH)                                                         \
    void NAME(benchmark::State& state)                                                         \
    {                                                                                          \
        drawloop<RECORD>(state, [](Tnumengine& e, uint8_t g, RECORD& out) { e.NAME(g, out); }); \
    }                                                                                          \
    BENCHMARK(NAME)->DenseRange(LOW, HIGH)

GRADED(randomnumbers, Tnumberset, 1, 6);
GRADED(descendnumbers, Tnumberset, 1, 6);
GRADED(roundingnumber, Troundingq, 1, 6);
GRADED(randomfraction, Tfraction, 3, 6);
GRADED(randomfractions, Tfractionset, 3, 6);
GRADED(descendfractions, Tfractionset, 3, 6);
GRADED(decimaladd, Tdecimalq, 3, 7);
GRADED(decimalsub, Tdecimalq, 3, 7);
GRADED(decimalmul, Tdecimalq, 3, 6);
GRADED(decimaldiv, Tdecimalq, 3, 6);
GRADED(randomdecimals, Tdecimalset, 4, 6);
GRADED(fractionadd, Tfractionq, 3, 6);
GRADED(fractionsub, Tfractionq, 3, 6);
GRADED(fractionmul, Tfractionq, 4, 6);
GRADED(fractiondiv, Tfractionq, 4, 6);

void sortfive(benchmark::State& state)
{
    const int32_t in[5] = {90210, 17, 4521, 300, 88};
    int32_t out[5];
    for (auto _ : state) {
        engine().sortfive(in, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(sortfive);

void shufflenumbers(benchmark::State& state)
{
    const int32_t in[5] = {1, 2, 3, 4, 5};
    int32_t out[5];
    for (auto _ : state) {
        engine().shufflenumbers(in, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(shufflenumbers);

void shufflefractions(benchmark::State& state)
{
    const Tfraction in[5] = {{1, 2}, {1, 3}, {2, 3}, {3, 4}, {5, 6}};
    Tfraction out[5];
    for (auto _ : state) {
        engine().shufflefractions(in, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(shufflefractions);

void shuffledecimals(benchmark::State& state)
{
    const float in[5] = {1.5f, 2.25f, 3.75f, 10.1f, 99.99f};
    float out[5];
    for (auto _ : state) {
        engine().shuffledecimals(in, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(shuffledecimals);

void simplifyfraction(benchmark::State& state)
{
    // Argument 0: the engine makes the fraction; otherwise it reduces a given one.
    const Tfraction given = state.range(0) == 0 ? Tfraction{0, 0} : Tfraction{84, 132};
    Tsimplified out;
    for (auto _ : state) {
        engine().simplifyfraction(6, given, out);
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(simplifyfraction)->Arg(0)->Arg(1);

void fractiondecimal(benchmark::State& state)
{
    const auto places = static_cast<uint8_t>(state.range(0));
    float value = 0;
    for (auto _ : state) {
        value += engine().fractiondecimal(places, {7, 12});
        benchmark::DoNotOptimize(value);
    }
}
BENCHMARK(fractiondecimal)->DenseRange(1, 3);

void fractiontext(benchmark::State& state)
{
    const auto kind = static_cast<uint8_t>(state.range(0));
    const Tfractionq record{11, 12, 7, 10, 0, 0, 1, 1, 77, 120};
    for (auto _ : state) {
        std::string text = engine().fractiontext(record, kind);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(fractiontext)->DenseRange(0, 6);

}  // namespace

BENCHMARK_MAIN();
