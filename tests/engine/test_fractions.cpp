// Fractions from the engine: drawing, ordering, reducing, decimal values and the four
// operations, checked against exact whole-number arithmetic of our own.
#include "numengine.h"
#include "scripted_draws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numeric>
#include <set>
#include <utility>
#include <vector>

namespace {

using Pairs = std::vector<std::pair<int32_t, int32_t>>;

Pairs pairs(const Tfraction (&f)[5])
{
    Pairs p;
    for (const Tfraction& x : f)
        p.emplace_back(x.num, x.den);
    return p;
}

// n/d (n >= 0, d > 0) in hundredths, an exact half going to the even neighbour.
int64_t hundredths(int64_t n, int64_t d)
{
    const int64_t q = 100 * n / d, r = 100 * n % d;
    return q + (2 * r > d || (2 * r == d && q % 2 == 1));
}

// Five fractions as drawn and in order: different two-place values, ordered a rearrangement
// of drawn, strictly rising (or falling) by value.
void checkfractionset(const Tfractionset& s, bool descending = false)
{
    std::set<int64_t> keys;
    for (const Tfraction& f : s.drawn)
        keys.insert(hundredths(f.num, f.den));
    EXPECT_EQ(keys.size(), 5u);
    const Pairs drawn = pairs(s.drawn), ordered = pairs(s.ordered);
    EXPECT_TRUE(std::is_permutation(drawn.begin(), drawn.end(), ordered.begin()));
    for (int i = 0; i < 4; ++i) {
        const int64_t a = hundredths(s.ordered[i].num, s.ordered[i].den),
                      b = hundredths(s.ordered[i + 1].num, s.ordered[i + 1].den);
        EXPECT_TRUE(descending ? a > b : a < b);
    }
}

TEST(Randomfraction, EveryProperFractionOfItsGradeAndNoOther)
{
    Tnumengimpl eng;
    for (int g = 3; g <= 6; ++g) {
        std::set<std::pair<int32_t, int32_t>> seen;
        for (int i = 0; i < 4000; ++i) {
            Tfraction f;
            eng.randomfraction(uint8_t(g), f);
            ASSERT_TRUE(f.num >= 1 && f.num < f.den && f.den <= (g < 5 ? 10 : 12)) << g;
            seen.emplace(f.num, f.den);
        }
        EXPECT_EQ(seen.size(), g < 5 ? 45u : 66u) << g;
    }
}

TEST(Randomfractions, Grade3LikeDenominatorsOrUnitFractions)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    Tfractionset s;
    draws.push({0, 0, 3, 3, 0, 4, 1, 2});  // like mode, fifths, 3/5 twice
    eng.randomfractions(3, s);
    EXPECT_EQ(pairs(s.drawn), (Pairs{{3, 5}, {0, 5}, {4, 5}, {1, 5}, {2, 5}}));
    EXPECT_EQ(pairs(s.ordered), (Pairs{{0, 5}, {1, 5}, {2, 5}, {3, 5}, {4, 5}}));
    EXPECT_EQ(draws.sizes(), (std::vector<int32_t>{2, 6, 5, 5, 5, 5, 5, 5}));
    draws.forget();
    draws.push({1, 0, 1, 3, 2, 9});  // unit mode: 1/1, 1/2, 1/4, 1/3, 1/10
    eng.descendfractions(3, s);
    EXPECT_EQ(pairs(s.drawn), (Pairs{{1, 1}, {1, 2}, {1, 4}, {1, 3}, {1, 10}}));
    EXPECT_EQ(pairs(s.ordered), (Pairs{{1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 10}}));
    EXPECT_EQ(draws.sizes(), (std::vector<int32_t>{2, 10, 10, 10, 10, 10}));

    Tnumengimpl real;
    std::set<bool> modes;
    for (int i = 0; i < 1000; ++i) {
        real.randomfractions(3, s);
        checkfractionset(s);
        // One mode per set: all unit fractions, or all on one denominator 5..10.
        const bool unit = std::all_of(s.drawn, s.drawn + 5, [](Tfraction f) { return f.num == 1; });
        for (const Tfraction& f : s.drawn)
            ASSERT_TRUE(unit ? f.den >= 1 && f.den <= 10
                             : f.den == s.drawn[0].den && f.den >= 5 && f.den <= 10 && f.num >= 0);
        modes.insert(unit);
    }
    EXPECT_EQ(modes.size(), 2u);
}

TEST(Randomfractions, Grades4To6RedrawEqualValuesAndOrderByValue)
{
    for (int g = 4; g <= 6; ++g) {
        SCOPED_TRACE(g);
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        const int dens = g == 4 ? 9 : 11;
        for (bool descending : {false, true}) {
            for (auto [n, d] : Pairs{{1, 2}, {2, 4}, {1, 3}, {3, 4}, {1, 10}, {9, 10}})
                draws.fraction(dens, n, d);  // 2/4 has the value of 1/2
            Tfractionset s;
            descending ? eng.descendfractions(uint8_t(g), s) : eng.randomfractions(uint8_t(g), s);
            EXPECT_EQ(pairs(s.drawn), (Pairs{{1, 2}, {1, 3}, {3, 4}, {1, 10}, {9, 10}}));
            Pairs up{{1, 10}, {1, 3}, {1, 2}, {3, 4}, {9, 10}};
            if (descending)
                std::reverse(up.begin(), up.end());
            EXPECT_EQ(pairs(s.ordered), up);
        }
        Tnumengimpl real;
        for (int i = 0; i < 1000; ++i) {
            Tfractionset s;
            real.randomfractions(uint8_t(g), s);
            checkfractionset(s);
            real.descendfractions(uint8_t(g), s);
            checkfractionset(s, true);
            for (const Tfraction& f : s.drawn)
                ASSERT_TRUE(f.num >= 1 && f.num < f.den && f.den <= (g == 4 ? 10 : 12));
        }
    }
}

TEST(Shufflefractions, NewOrderEveryTimeButFiveEqualComeBack)
{
    Tnumengimpl eng;
    const Tfraction in[5] = {{1, 2}, {2, 4}, {1, 3}, {3, 4}, {1, 2}};  // 2/4 is a different pair
    std::set<Pairs> seen;
    for (int i = 0; i < 6000; ++i) {
        Tfraction out[5];
        eng.shufflefractions(in, out);
        const Pairs a = pairs(in), b = pairs(out);
        ASSERT_TRUE(std::is_permutation(a.begin(), a.end(), b.begin()));
        ASSERT_NE(a, b);
        seen.insert(b);
    }
    EXPECT_EQ(seen.size(), 59u);
    const Tfraction same[5] = {{3, 8}, {3, 8}, {3, 8}, {3, 8}, {3, 8}};
    Tfraction out[5] = {};
    eng.shufflefractions(same, out);
    EXPECT_EQ(pairs(out), pairs(same));
}

std::vector<int32_t> words(const Tsimplified& s) { return {s.num, s.den, s.lownum, s.lowden}; }

TEST(Simplifyfraction, GivenFractionsReduceToLowestTerms)
{
    ScriptedDraws draws;  // a given fraction needs no draw
    Tnumengimpl eng(draws);
    const std::pair<Tfraction, std::vector<int32_t>> cases[] = {
        {{6, 8}, {6, 8, 3, 4}},   {{3, 7}, {3, 7, 3, 7}},       {{9, 6}, {9, 6, 3, 2}},
        {{12, 12}, {12, 12, 1, 1}}, {{10, 1}, {10, 1, 10, 1}}, {{60, 84}, {60, 84, 5, 7}}};
    for (const auto& [f, want] : cases) {
        Tsimplified s;
        eng.simplifyfraction(4, f, s);
        EXPECT_EQ(words(s), want);
    }
}

TEST(Simplifyfraction, AMadeFractionIsNeverAlreadyInLowestTerms)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    Tsimplified s;
    draws.fraction(9, 2, 5);  // 2/5, then times 2
    draws.expect(9, 0);
    eng.simplifyfraction(3, Tfraction{0, 0}, s);
    EXPECT_EQ(words(s), (std::vector<int32_t>{4, 10, 2, 5}));
    draws.fraction(9, 2, 4);  // reducible as drawn: no multiplier
    eng.simplifyfraction(3, Tfraction{0, 0}, s);
    EXPECT_EQ(words(s), (std::vector<int32_t>{2, 4, 1, 2}));
    draws.fraction(11, 7, 12);  // times 10; a zero numerator asks for a fraction whatever the den
    draws.expect(9, 8);
    eng.simplifyfraction(6, Tfraction{0, 5}, s);
    EXPECT_EQ(words(s), (std::vector<int32_t>{70, 120, 7, 12}));

    Tnumengimpl real;
    for (int g = 3; g <= 6; ++g)
        for (int i = 0; i < 2000; ++i) {
            real.simplifyfraction(uint8_t(g), Tfraction{0, 0}, s);
            ASSERT_TRUE(s.lownum >= 1 && s.lownum < s.lowden && s.lowden <= (g < 5 ? 10 : 12));
            ASSERT_EQ(std::gcd(s.lownum, s.lowden), 1);
            ASSERT_EQ(s.den % s.lowden, 0);
            ASSERT_EQ(int64_t(s.num) * s.lowden, int64_t(s.den) * s.lownum);
            const int32_t k = s.den / s.lowden;
            ASSERT_TRUE(k >= 2 && k <= 10) << s.num << "/" << s.den;
        }
}

TEST(Simplifyfraction, OddRecordsKeepTheirValueAndDrawNothing)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    const Tfraction odd[] = {{-6, 8}, {6, -8}, {5, 0}, {-1, 0}, {INT32_MAX, 0}, {INT32_MAX, INT32_MAX},
                             {INT32_MAX, INT32_MAX - 1}, {INT32_MIN, INT32_MIN}, {INT32_MIN, -1},
                             {INT32_MIN, 2}, {1, INT32_MIN}, {INT32_MIN, INT32_MAX}};
    for (const Tfraction& f : odd) {
        SCOPED_TRACE(testing::Message() << f.num << "/" << f.den);
        Tsimplified s;
        eng.simplifyfraction(4, f, s);
        EXPECT_EQ(s.num, f.num);
        EXPECT_EQ(s.den, f.den);
        if (f.den != 0) {
            EXPECT_EQ(int64_t(s.lownum) * f.den, int64_t(f.num) * s.lowden);
        }
    }
}

TEST(Fractiondecimal, RoundsTheExactValueHalfToEven)
{
    Tnumengimpl eng;
    struct Case {
        int32_t num, den;
        uint8_t places;
        float want;
    };
    const Case cases[] = {
        {1, 8, 2, 0.12f},  {3, 8, 2, 0.38f},  {5, 8, 2, 0.62f},    {7, 8, 2, 0.88f},
        {1, 40, 2, 0.02f}, {3, 40, 2, 0.08f}, {3, 200, 2, 0.02f},  {1, 200, 2, 0.0f},
        {1, 4, 1, 0.2f},   {3, 4, 1, 0.8f},   {1, 16, 3, 0.062f},  {3, 16, 3, 0.188f},
        {1, 3, 3, 0.333f}, {2, 3, 3, 0.667f}, {2, 3, 1, 0.7f},     {9, 6, 2, 1.5f},
        {0, 5, 2, 0.0f},   {5, 5, 3, 1.0f},   {3, 2000, 3, 0.002f}, {37, 12, 2, 3.08f},
        // halves that single-precision arithmetic would misplace
        {47, 40, 2, 1.18f}, {59, 200, 2, 0.30f}, {81, 80, 3, 1.012f},
    };
    for (const Case& c : cases)
        EXPECT_FLOAT_EQ(eng.fractiondecimal(c.places, Tfraction{c.num, c.den}), c.want)
            << c.num << "/" << c.den << " to " << int(c.places);
    for (uint8_t places : {0, 4, 9, 255})
        EXPECT_EQ(eng.fractiondecimal(places, Tfraction{1, 2}), 0.0f) << int(places);
    for (uint8_t places : {1, 2, 3}) {
        EXPECT_EQ(eng.fractiondecimal(places, Tfraction{1, 0}), 0.0f);
        EXPECT_EQ(eng.fractiondecimal(places, Tfraction{0, 0}), 0.0f);
    }
}

TEST(Fractiondecimal, OddRecordsGiveAFiniteNearbyValue)
{
    Tnumengimpl eng;
    const Tfraction odd[] = {{-1, 8}, {1, -8}, {INT32_MAX, 1}, {INT32_MIN, 1}, {INT32_MIN, -1},
                             {1, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MIN, INT32_MAX},
                             {INT32_MAX, INT32_MAX}, {INT32_MIN, 0}};
    for (const Tfraction& f : odd)
        for (uint8_t places : {1, 2, 3}) {
            const float v = eng.fractiondecimal(places, f);
            const double exact = f.den == 0 ? 0.0 : double(f.num) / f.den;
            EXPECT_TRUE(std::isfinite(v));
            EXPECT_LE(std::fabs(v - exact), 0.5 * std::pow(10.0, -places) + 1e-6 * std::fabs(exact))
                << f.num << "/" << f.den << " to " << int(places);
        }
}

// The four fraction operations.
enum class Fop { add, sub, mul, div };

void ask(Tnumengimpl& eng, Fop op, int g, Tfractionq& q)
{
    switch (op) {
    case Fop::add: eng.fractionadd(uint8_t(g), q); break;
    case Fop::sub: eng.fractionsub(uint8_t(g), q); break;
    case Fop::mul: eng.fractionmul(uint8_t(g), q); break;
    case Fop::div: eng.fractiondiv(uint8_t(g), q); break;
    }
}

// Checks a question's operands against its grade and its answer words against the exact
// result computed here.
void checkquestion(Fop op, int g, const Tfractionq& q)
{
    SCOPED_TRACE(testing::Message() << "grade " << g << ": " << q.num1 << "/" << q.den1 << " op"
                                    << int(op) << " " << q.num2 << "/" << q.den2);
    const int maxden = (g >= 5 && (op == Fop::add || op == Fop::sub)) || g == 6 ? 12 : 10;
    const bool bywhole = (op == Fop::mul || op == Fop::div) && g < 6;
    ASSERT_TRUE(q.den1 >= 2 && q.den1 <= maxden && q.num1 >= 1);
    ASSERT_TRUE(q.num1 < q.den1 || (g == 3 && op == Fop::sub && q.num1 == q.den1));
    if (bywhole) {
        ASSERT_TRUE(q.den2 == 1 && q.num2 >= 2 && q.num2 <= 10);
    } else {
        ASSERT_TRUE(q.den2 >= 2 && q.den2 <= maxden && q.num2 >= 1 && q.num2 <= q.den2);
        ASSERT_TRUE(q.num2 < q.den2 || (g == 3 && op == Fop::sub));
    }
    const int64_t n1 = q.num1, d1 = q.den1, n2 = q.num2, d2 = q.den2;
    int64_t pn = 0, pd = d1 * d2;
    switch (op) {
    case Fop::add: pn = n1 * d2 + n2 * d1; break;
    case Fop::sub: pn = n1 * d2 - n2 * d1; break;
    case Fop::mul: pn = n1 * n2; break;
    case Fop::div: pn = n1 * d2; pd = d1 * n2; break;
    }
    ASSERT_GE(pn, 0) << "the larger operand comes first";
    // The answer words: a proper fraction part, a whole part only from 1 up, the exact value.
    ASSERT_GT(q.ansden, 0);
    EXPECT_TRUE(q.ansnum >= 0 && q.ansnum < q.ansden) << q.ansnum << "/" << q.ansden;
    EXPECT_EQ(q.haswhole, pn >= pd ? 1 : 0);
    EXPECT_TRUE(q.haswhole == 1 || q.whole == 0) << "a whole part without haswhole";
    EXPECT_EQ((int64_t(q.whole) * q.ansden + q.ansnum) * pd, pn * q.ansden) << "wrong value";
    if (g == 3 && (op == Fop::add || op == Fop::sub)) {
        ASSERT_EQ(q.den1, q.den2);
        ASSERT_TRUE(op == Fop::sub || q.num1 + q.num2 <= q.den1);
        EXPECT_EQ(q.ansden, q.den1) << "like denominators stay unreduced";
    } else if (pn == 0) {
        EXPECT_EQ(q.ansden, pd) << "a zero difference keeps the common denominator";
    } else {
        EXPECT_EQ(std::gcd(q.ansnum, q.ansden), 1) << "not in lowest terms";
    }
}

TEST(Fractionops, ChosenQuestions)
{
    struct Case {
        Fop op;
        int grade;
        std::vector<std::pair<int32_t, int32_t>> draws;  // (n, value) of each random(n)
        std::vector<int32_t> want;  // operands, whole, haswhole, ansnum, ansden
    };
    const Case cases[] = {
        {Fop::add, 5, {{11, 4}, {5, 4}, {11, 2}, {3, 2}}, {5, 6, 3, 4, 1, 1, 7, 12}},
        {Fop::add, 3, {{9, 5}, {6, 1}, {5, 4}}, {2, 7, 5, 7, 1, 1, 0, 7}},
        {Fop::add, 3, {{9, 4}, {5, 1}, {4, 0}}, {2, 6, 1, 6, 0, 0, 3, 6}},
        {Fop::sub, 3, {{9, 2}, {4, 3}, {4, 3}}, {4, 4, 4, 4, 0, 0, 0, 4}},
        {Fop::sub, 5, {{11, 1}, {2, 0}, {11, 2}, {3, 2}}, {3, 4, 1, 3, 0, 0, 5, 12}},  // swapped
        {Fop::sub, 4, {{9, 0}, {9, 2}, {3, 1}}, {1, 2, 2, 4, 0, 0, 0, 8}},  // equal: A stays first
        {Fop::mul, 4, {{9, 4}, {5, 3}, {9, 1}}, {4, 6, 3, 1, 2, 1, 0, 1}},
        {Fop::mul, 6, {{11, 2}, {3, 2}, {11, 10}, {11, 7}}, {3, 4, 8, 12, 0, 0, 1, 2}},
        {Fop::div, 4, {{9, 2}, {3, 2}, {9, 1}}, {3, 4, 3, 1, 0, 0, 1, 4}},
        {Fop::div, 6, {{11, 0}, {11, 2}, {3, 2}}, {1, 2, 3, 4, 0, 0, 2, 3}},
        {Fop::div, 6, {{11, 4}, {5, 4}, {11, 2}, {3, 0}}, {5, 6, 1, 4, 3, 1, 1, 3}},
    };
    for (const Case& c : cases) {
        ScriptedDraws draws;
        Tnumengimpl eng(draws);
        for (auto [n, v] : c.draws)
            draws.expect(n, v);
        Tfractionq q;
        ask(eng, c.op, c.grade, q);
        EXPECT_EQ(std::vector<int32_t>({q.num1, q.den1, q.num2, q.den2, q.whole, q.haswhole,
                                        q.ansnum, q.ansden}),
                  c.want);
    }
}

// Every question each grade can ask, drawn in turn through a script.
TEST(Fractionops, EveryPossibleQuestionIsExact)
{
    ScriptedDraws draws;
    Tnumengimpl eng(draws);
    Tfractionq q;
    for (int32_t den = 2; den <= 10; ++den)
        for (int32_t a = 1; a <= den; ++a)
            for (int32_t b = 1; b <= den; ++b) {
                if (a < den && a + b <= den) {  // grade 3 sum
                    draws.expect(9, den - 2);
                    draws.expect(den - 1, a - 1);
                    draws.expect(den - a, b - 1);
                    eng.fractionadd(3, q);
                    EXPECT_EQ(Pairs({{q.num1, q.den1}, {q.num2, q.den2}}), Pairs({{a, den}, {b, den}}));
                    checkquestion(Fop::add, 3, q);
                    if (HasFailure())
                        return;  // one faulty question tells enough
                }
                if (b <= a) {  // grade 3 difference
                    draws.expect(9, den - 2);
                    draws.expect(den, a - 1);
                    draws.expect(a, b - 1);
                    eng.fractionsub(3, q);
                    EXPECT_EQ(Pairs({{q.num1, q.den1}, {q.num2, q.den2}}), Pairs({{a, den}, {b, den}}));
                    checkquestion(Fop::sub, 3, q);
                    if (HasFailure())
                        return;
                }
            }
    for (int g = 4; g <= 6; ++g)
        for (Fop op : {Fop::add, Fop::sub, Fop::mul, Fop::div}) {
            const bool bywhole = (op == Fop::mul || op == Fop::div) && g < 6;
            const int32_t maxden = g == 4 || bywhole ? 10 : 12;
            for (int32_t d1 = 2; d1 <= maxden; ++d1)
                for (int32_t n1 = 1; n1 < d1; ++n1)
                    for (int32_t d2 = bywhole ? 1 : 2; d2 <= (bywhole ? 1 : maxden); ++d2)
                        for (int32_t n2 = bywhole ? 2 : 1; n2 < (bywhole ? 11 : d2); ++n2) {
                            draws.fraction(maxden - 1, n1, d1);
                            if (bywhole)
                                draws.expect(9, n2 - 2);
                            else
                                draws.fraction(maxden - 1, n2, d2);
                            ask(eng, op, g, q);
                            Pairs want{{n1, d1}, {n2, d2}};
                            if (op == Fop::sub && int64_t(n1) * d2 < int64_t(n2) * d1)
                                std::swap(want[0], want[1]);  // by exact value
                            ASSERT_EQ(Pairs({{q.num1, q.den1}, {q.num2, q.den2}}), want)
                                << "grade " << g << " op " << int(op);
                            checkquestion(op, g, q);
                            ASSERT_EQ(draws.left(), 0u);
                            if (HasFailure())
                                return;
                        }
        }
}

}  // namespace
