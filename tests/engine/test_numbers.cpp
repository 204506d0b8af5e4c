// Whole numbers, rounding and decimals from the engine, and the grade check of every operation.
#include "numengine.h"
#include "scripted_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// Five values as drawn, and the same five in order: drawn all different, ordered a
// rearrangement of drawn, strictly rising (or falling).
template <class T>
void checkset(const T (&drawn)[5], const T (&ordered)[5], bool descending = false)
{
    EXPECT_EQ(std::set<T>(drawn, drawn + 5).size(), 5u);
    EXPECT_TRUE(std::is_permutation(drawn, drawn + 5, ordered));
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(descending ? ordered[i] > ordered[i + 1] : ordered[i] < ordered[i + 1]);
}

std::vector<int32_t> v5(const int32_t (&a)[5]) { return {a, a + 5}; }

struct Span {
    int32_t lo, count;  // lo + random(count)
};
const Span numberspan[7] = {{}, {1, 100}, {1, 500}, {10, 990}, {100, 9900}, {1000, 90000}, {100, 99900}};

TEST(Sortfive, SortsAnyFiveIncludingEqualAndExtremeValues)
{
    Tnumengimpl eng;
    int32_t out[5];
    const int32_t extremes[5] = {INT32_MAX, INT32_MIN, 0, -1, INT32_MAX};
    eng.sortfive(extremes, out);
    EXPECT_EQ(v5(out), v5({INT32_MIN, -1, 0, INT32_MAX, INT32_MAX}));
    std::mt19937 gen(7);
    for (int n = 0; n < 2000; ++n) {
        int32_t in[5];
        for (auto& v : in)
            v = std::uniform_int_distribution<int32_t>(-3, 3)(gen);  // plenty of ties
        eng.sortfive(in, out);
        std::vector<int32_t> want(in, in + 5);
        std::sort(want.begin(), want.end());
        ASSERT_EQ(v5(out), want);
    }
}

TEST(Randomnumbers, ScriptedDrawsComeFromTheGradeRangeAndRepeatsAreRedrawn)
{
    for (uint8_t g = 1; g <= 6; ++g) {
        SCOPED_TRACE(int(g));
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        const Span s = numberspan[g];
        for (int32_t r : {s.count - 1, 0, s.count - 1, 5, 0, 3, 2})  // two repeats
            draws.expect(s.count, r);
        Tnumberset set;
        eng.randomnumbers(g, set);
        const int32_t hi = s.lo + s.count - 1;
        EXPECT_EQ(v5(set.drawn), v5({hi, s.lo, s.lo + 5, s.lo + 3, s.lo + 2}));
        EXPECT_EQ(v5(set.ordered), v5({s.lo, s.lo + 2, s.lo + 3, s.lo + 5, hi}));
        for (int32_t r : {4, 1, 2, 3, 0})
            draws.expect(s.count, r);
        eng.descendnumbers(g, set);
        EXPECT_EQ(v5(set.drawn), v5({s.lo + 4, s.lo + 1, s.lo + 2, s.lo + 3, s.lo}));
        EXPECT_EQ(v5(set.ordered), v5({s.lo + 4, s.lo + 3, s.lo + 2, s.lo + 1, s.lo}));
    }
}

TEST(Randomnumbers, ManySetsStayInRangeDistinctAndOrdered)
{
    Tnumengimpl eng;
    for (uint8_t g = 1; g <= 6; ++g) {
        SCOPED_TRACE(int(g));
        std::set<int32_t> seen;
        for (int n = 0; n < 1000; ++n) {
            Tnumberset up, down;
            eng.randomnumbers(g, up);
            eng.descendnumbers(g, down);
            checkset(up.drawn, up.ordered);
            checkset(down.drawn, down.ordered, true);
            for (int i = 0; i < 5; ++i)
                for (int32_t v : {up.drawn[i], down.drawn[i]}) {
                    ASSERT_GE(v, numberspan[g].lo);
                    ASSERT_LT(v, numberspan[g].lo + numberspan[g].count);
                    seen.insert(v);
                }
        }
        if (g == 1) {  // 10000 draws from 100 values reach both ends
            EXPECT_EQ(seen.size(), 100u);
        }
    }
}

// Checks that shuffle(in) is a rearrangement of in, never in's own order, and that every
// other order turns up.
template <class T, class Shuffle>
void checkshuffle(const T (&in)[5], Shuffle shuffle, std::size_t orders)
{
    std::set<std::vector<T>> seen;
    for (int n = 0; n < 6000; ++n) {
        T out[5];
        shuffle(in, out);
        ASSERT_TRUE(std::is_permutation(in, in + 5, out));
        ASSERT_FALSE(std::equal(in, in + 5, out));
        seen.insert(std::vector<T>(out, out + 5));
    }
    EXPECT_EQ(seen.size(), orders);
}

TEST(Shuffle, NeverReturnsTheInputOrderAndReachesEveryOther)
{
    Tnumengimpl eng;
    const int32_t ints[5] = {1, 2, 3, 4, 5};
    checkshuffle(ints, [&](auto& i, auto& o) { eng.shufflenumbers(i, o); }, 119);
    const int32_t twins[5] = {4, 4, 1, 2, 3};  // swapping the twins is no new order
    checkshuffle(twins, [&](auto& i, auto& o) { eng.shufflenumbers(i, o); }, 59);
    const float decs[5] = {0.5f, 1.25f, 2.0f, 3.75f, 10.0f};
    checkshuffle(decs, [&](auto& i, auto& o) { eng.shuffledecimals(i, o); }, 119);
}

TEST(Shuffle, FiveEqualValuesComeBackAsTheyAre)
{
    Tnumengimpl eng;
    const int32_t ints[5] = {7, 7, 7, 7, 7};
    int32_t iout[5] = {};
    eng.shufflenumbers(ints, iout);
    EXPECT_TRUE(std::equal(ints, ints + 5, iout));
    const float decs[5] = {2.5f, 2.5f, 2.5f, 2.5f, 2.5f};
    float dout[5] = {};
    eng.shuffledecimals(decs, dout);
    EXPECT_TRUE(std::equal(decs, decs + 5, dout));
}

TEST(Shuffle, DrawsFromAShrinkingPoolAndStartsAgainOnTheInputOrder)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    draws.push({0, 0, 0, 0, 4, 3, 2, 1});  // first round gives the input back
    const int32_t in[5] = {10, 20, 30, 40, 50};
    int32_t out[5];
    eng.shufflenumbers(in, out);
    EXPECT_EQ(v5(out), v5({50, 40, 30, 20, 10}));
    EXPECT_EQ(draws.sizes(), (std::vector<int32_t>{5, 4, 3, 2, 5, 4, 3, 2}));
}

TEST(Roundingnumber, ChosenDrawsNeverSitHalfwayNorComeAlreadyRounded)
{
    struct Case {
        uint8_t grade;
        std::vector<std::pair<int32_t, int32_t>> draws;  // (n, value) of each random(n)
        int32_t number, rounded, place;
    };
    const Case cases[] = {
        {1, {{100, 34}}, 36, 40, 10},                  // 35 would be halfway
        {1, {{100, 99}, {100, 34}}, 36, 40, 10},       // 100 is already rounded: drawn again
        {2, {{500, 150}, {2, 1}}, 251, 300, 100},      // 250
        {3, {{900, 0}, {2, 0}, {900, 249}, {2, 1}}, 349, 300, 100},  // 100 redrawn; 349 rounds down
        {4, {{9000, 450}, {3, 1}}, 1451, 1500, 100},   // 1450
        {4, {{9000, 0}, {3, 2}, {9000, 8998}, {3, 0}}, 9998, 10000, 10},  // 1000 redrawn
        {5, {{90000, 35000}, {4, 3}}, 45001, 50000, 10000},
        {6, {{90000, 89999}, {4, 3}}, 99999, 100000, 10000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        for (auto [n, v] : c.draws)
            draws.expect(n, v);
        Troundingq q;
        eng.roundingnumber(c.grade, q);
        EXPECT_EQ(q.number, c.number);
        EXPECT_EQ(q.rounded, c.rounded);
        EXPECT_EQ(q.place, c.place);
    }
}

TEST(Roundingnumber, EveryQuestionRoundsToTheNearestMultipleOfAPlaceOfItsGrade)
{
    const std::vector<int32_t> places[7] = {
        {}, {10}, {10, 100}, {10, 100}, {10, 100, 1000}, {10, 100, 1000, 10000},
        {10, 100, 1000, 10000}};
    const std::pair<int32_t, int32_t> range[7] = {
        {}, {1, 100}, {100, 599}, {100, 999}, {1000, 9999}, {10000, 99999}, {10000, 99999}};
    Tnumengimpl eng;
    for (uint8_t g = 1; g <= 6; ++g) {
        SCOPED_TRACE(int(g));
        std::set<int32_t> seen;
        for (int n = 0; n < 3000; ++n) {
            Troundingq q;
            eng.roundingnumber(g, q);
            ASSERT_GE(q.number, range[g].first);
            ASSERT_LE(q.number, range[g].second);
            ASSERT_NE(std::count(places[g].begin(), places[g].end(), q.place), 0);
            seen.insert(q.place);
            ASSERT_NE(q.number % q.place, 0);              // never already rounded
            ASSERT_NE(2 * (q.number % q.place), q.place);  // never halfway
            ASSERT_EQ(q.rounded % q.place, 0);
            ASSERT_LT(2 * std::abs(q.rounded - q.number), q.place);
        }
        EXPECT_EQ(seen.size(), places[g].size());
    }
}

enum class Dop { add, sub, mul, div };

// A decimal operation at one grade: its two draws in drawing order, each random(n) with
// the lowest and highest value it can give.
struct Deccase {
    Dop op;
    uint8_t grade;
    int32_t nx, ny;
    float xlo, xhi, ylo, yhi;
};

const Deccase deccases[] = {
    {Dop::add, 3, 176, 176, 1.20f, 9.95f, 1.20f, 9.95f},  // steps of 0.05
    {Dop::add, 4, 180, 180, 2.0f, 19.9f, 2.0f, 19.9f},
    {Dop::add, 5, 1800, 1800, 2.00f, 19.99f, 2.00f, 19.99f},
    {Dop::add, 6, 1800, 1800, 2.00f, 19.99f, 2.00f, 19.99f},
    {Dop::add, 7, 18000, 18000, 2.000f, 19.999f, 2.000f, 19.999f},
    // subtrahend, then the difference
    {Dop::sub, 3, 180, 180, 1.00f, 9.95f, 1.00f, 9.95f},
    {Dop::sub, 4, 90, 90, 1.0f, 9.9f, 1.0f, 9.9f},
    {Dop::sub, 5, 1900, 1900, 1.00f, 19.99f, 1.00f, 19.99f},
    {Dop::sub, 6, 1900, 1900, 1.00f, 19.99f, 1.00f, 19.99f},
    {Dop::sub, 7, 19000, 19000, 1.000f, 19.999f, 1.000f, 19.999f},
    // multiplier, then multiplicand
    {Dop::mul, 3, 9, 90, 2.0f, 10.0f, 1.0f, 9.9f},
    {Dop::mul, 4, 90, 90, 1.0f, 9.9f, 1.0f, 9.9f},
    {Dop::mul, 5, 490, 490, 1.0f, 49.9f, 1.0f, 49.9f},
    {Dop::mul, 6, 490, 490, 1.0f, 49.9f, 1.0f, 49.9f},
    // quotient, then divisor
    {Dop::div, 3, 36, 10, 0.20f, 1.95f, 1.0f, 10.0f},
    {Dop::div, 4, 90, 10, 1.0f, 9.9f, 1.0f, 10.0f},
    {Dop::div, 5, 4900, 20, 1.00f, 49.99f, 1.0f, 20.0f},
    {Dop::div, 6, 4900, 20, 1.00f, 49.99f, 1.0f, 20.0f},
};

Tdecimalq decimal(Tnumengimpl& eng, const Deccase& c)
{
    Tdecimalq q;
    std::memset(&q, 0xAB, sizeof q);
    switch (c.op) {
    case Dop::add: eng.decimaladd(c.grade, q); break;
    case Dop::sub: eng.decimalsub(c.grade, q); break;
    case Dop::mul: eng.decimalmul(c.grade, q); break;
    case Dop::div: eng.decimaldiv(c.grade, q); break;
    }
    EXPECT_EQ(q.reserved1, 0);
    EXPECT_EQ(q.reserved2, 0);
    // Results come from the stored single-precision operands.
    switch (c.op) {
    case Dop::add: EXPECT_EQ(q.result, q.first + q.second); break;
    case Dop::sub: EXPECT_EQ(q.result, q.first - q.second); EXPECT_GE(q.result, 0.0f); break;
    case Dop::mul: EXPECT_EQ(q.result, q.first * q.second); break;
    case Dop::div: EXPECT_EQ(q.first, q.second * q.result); break;
    }
    return q;
}

// The two drawn values of a question: sum operands, subtrahend and difference, multiplier
// and multiplicand, quotient and divisor.
std::pair<float, float> drawnpair(const Deccase& c, const Tdecimalq& q)
{
    switch (c.op) {
    case Dop::add: return {q.first, q.second};
    case Dop::sub: return {q.second, q.result};
    case Dop::mul: return {q.second, q.first};
    case Dop::div: return {q.result, q.second};
    }
    return {};
}

TEST(Decimals, ExtremesOfEveryOperationAndGrade)
{
    for (const Deccase& c : deccases) {
        SCOPED_TRACE(testing::Message() << "op " << int(c.op) << " grade " << int(c.grade));
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        for (bool low : {true, false}) {  // the first draw at one end, the second at the other
            draws.expect(c.nx, low ? 0 : c.nx - 1);
            draws.expect(c.ny, low ? c.ny - 1 : 0);
            const Tdecimalq q = decimal(eng, c);
            const auto [x, y] = drawnpair(c, q);
            EXPECT_FLOAT_EQ(x, low ? c.xlo : c.xhi);
            EXPECT_NEAR(y, low ? c.yhi : c.ylo, 1e-5);  // a difference carries the sum's error
            if (c.op == Dop::sub) {  // the minuend is the difference plus the subtrahend
                EXPECT_FLOAT_EQ(q.first, (low ? c.yhi : c.ylo) + q.second);
            }
        }
    }
}

TEST(Decimals, ResultsComeFromTheStoredOperands)
{
    Tnumengimpl eng;
    for (const Deccase& c : deccases)
        for (int n = 0; n < 1000 && !HasFailure(); ++n)
            decimal(eng, c);
}

TEST(Decimals, ChosenQuestions)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    Tdecimalq q;
    draws.expect(90, 89);  // 9.9, then 9.9 again on top of it
    draws.expect(90, 89);
    eng.decimalsub(4, q);
    EXPECT_FLOAT_EQ(q.first, 19.8f);
    EXPECT_FLOAT_EQ(q.second, 9.9f);
    EXPECT_FLOAT_EQ(q.result, 9.9f);
    draws.expect(36, 5);  // quotient 0.45, divisor 3
    draws.expect(10, 2);
    eng.decimaldiv(3, q);
    EXPECT_FLOAT_EQ(q.first, 1.35f);
    EXPECT_EQ(q.second, 3.0f);
    EXPECT_FLOAT_EQ(q.result, 0.45f);
}

TEST(Randomdecimals, TenthsForGrade4AndHundredthsAbove)
{
    const double step[7] = {0, 0, 0, 0, 0.1, 0.01, 0.01};
    for (uint8_t g = 4; g <= 6; ++g) {
        SCOPED_TRACE(int(g));
        const Span s = numberspan[g];
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        for (int32_t r : {s.count - 1, 0, 7, 3, 5})
            draws.expect(s.count, r);
        Tdecimalset set;
        eng.randomdecimals(g, set);
        const int32_t drawn[5] = {s.count - 1, 0, 7, 3, 5}, ordered[5] = {0, 3, 5, 7, s.count - 1};
        for (int i = 0; i < 5; ++i) {
            EXPECT_FLOAT_EQ(set.drawn[i], float((s.lo + drawn[i]) * step[g]));
            EXPECT_FLOAT_EQ(set.ordered[i], float((s.lo + ordered[i]) * step[g]));
        }
        Tnumengimpl real;
        for (int n = 0; n < 500; ++n) {
            real.randomdecimals(g, set);
            checkset(set.drawn, set.ordered);
        }
    }
}

template <class R, class Call>
std::vector<unsigned char> afterfilling(Call call)
{
    R r;
    std::memset(&r, 0xAB, sizeof r);
    call(r);
    std::vector<unsigned char> bytes(sizeof r);
    std::memcpy(bytes.data(), &r, sizeof r);
    return bytes;
}

int alerts(const std::string& err)
{
    int n = 0;
    for (auto at = err.find("Invalid Grade!/Salah Darjah!"); at != std::string::npos;
         at = err.find("Invalid Grade!/Salah Darjah!", at + 1))
        ++n;
    return n;
}

TEST(Gradecheck, AGradeAnOperationDoesNotTakeAlertsOnceAndLeavesZeros)
{
    Tnumengimpl eng;
    struct Op {
        const char* name;
        int lo, hi;
        std::function<std::vector<unsigned char>(uint8_t)> run;
    };
#define GRADED(OP, REC, LO, HI) \
    Op{#OP, LO, HI, [&](uint8_t g) { return afterfilling<REC>([&](REC& r) { eng.OP(g, r); }); }}
    const Op ops[] = {
        GRADED(randomnumbers, Tnumberset, 1, 6), GRADED(descendnumbers, Tnumberset, 1, 6),
        GRADED(roundingnumber, Troundingq, 1, 6), GRADED(randomfraction, Tfraction, 3, 6),
        GRADED(randomfractions, Tfractionset, 3, 6), GRADED(descendfractions, Tfractionset, 3, 6),
        GRADED(decimaladd, Tdecimalq, 3, 7), GRADED(decimalsub, Tdecimalq, 3, 7),
        GRADED(decimalmul, Tdecimalq, 3, 6), GRADED(decimaldiv, Tdecimalq, 3, 6),
        GRADED(randomdecimals, Tdecimalset, 4, 6), GRADED(fractionadd, Tfractionq, 3, 6),
        GRADED(fractionsub, Tfractionq, 3, 6), GRADED(fractionmul, Tfractionq, 4, 6),
        GRADED(fractiondiv, Tfractionq, 4, 6),
        Op{"simplifyfraction 0/0", 3, 6, [&](uint8_t g) {
               return afterfilling<Tsimplified>(
                   [&](Tsimplified& r) { eng.simplifyfraction(g, Tfraction{0, 0}, r); });
           }},
    };
#undef GRADED
    for (const Op& op : ops)
        for (int g : {0, 1, 2, 3, 4, 5, 6, 7, 8, 255}) {
            SCOPED_TRACE(testing::Message() << op.name << " grade " << g);
            testing::internal::CaptureStderr();
            const auto bytes = op.run(uint8_t(g));
            const int shown = alerts(testing::internal::GetCapturedStderr());
            if (g >= op.lo && g <= op.hi) {
                EXPECT_EQ(shown, 0);
            } else {
                EXPECT_EQ(shown, 1);
                EXPECT_EQ(std::count(bytes.begin(), bytes.end(), 0), std::ptrdiff_t(bytes.size()));
            }
        }
}

TEST(Gradecheck, SimplifyingAGivenFractionTakesAnyGradeSilently)
{
    ScriptedDraws draws;  // nothing to draw either
    Tnumengimpl eng(draws);
    for (int g = 0; g <= 255; ++g) {
        testing::internal::CaptureStderr();
        Tsimplified s;
        eng.simplifyfraction(uint8_t(g), Tfraction{6, 8}, s);
        EXPECT_EQ(alerts(testing::internal::GetCapturedStderr()), 0) << g;
        EXPECT_EQ(std::vector<int32_t>({s.num, s.den, s.lownum, s.lowden}),
                  (std::vector<int32_t>{6, 8, 3, 4}));
    }
}

}  // namespace
