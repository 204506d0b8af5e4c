// fractiontext: three lines (numerators, bars, denominators) for a fixed-width font, byte
// for byte. Lines end in CR LF; the division sign is UTF-8.
#include "numengine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <initializer_list>
#include <string>

namespace {

std::string sp(int n) { return std::string(n, ' '); }

// A record from its ten words w0..w9 (missing ones are 0).
Tfractionq rec(std::initializer_list<int32_t> w)
{
    int32_t a[10] = {};
    std::copy(w.begin(), w.end(), a);
    Tfractionq r;
    std::memcpy(&r, a, sizeof r);
    return r;
}

// The answer words: whole, haswhole, ansnum, ansden in w6..w9.
Tfractionq answer(int32_t whole, int32_t haswhole, int32_t num, int32_t den)
{
    return rec({0, 0, 0, 0, 0, 0, whole, haswhole, num, den});
}

const std::string obelus = "\xC3\xB7";
const std::string lo = "-2147483648", hi = "2147483647";

struct Case {
    const char* what;
    Tfractionq r;
    uint8_t kind;
    std::string want;
};

void check(std::initializer_list<Case> cases)
{
    Tnumengimpl eng;
    for (const Case& c : cases)
        EXPECT_EQ(eng.fractiontext(c.r, c.kind), c.want) << c.what;
}

TEST(Fractiontext, OneFraction)
{
    check({
        {"3/8", rec({3, 8}), flone, "   3\r\n  ---\r\n   8  " + sp(15)},
        {"5/12", rec({5, 12}), flone, "   5\r\n  ---\r\n   12 " + sp(15)},
        {"wide", rec({100, 1000}), flone, "   100\r\n  ---\r\n   1000" + sp(15)},
        {"0/7 is the digit alone", rec({0, 7}), flone, "   0\r\n  \r\n" + sp(29)},
        {"0/0", rec({0, 0}), flone, "   0\r\n  \r\n" + sp(29)},
        {"extremes", rec({INT32_MIN, INT32_MAX}), flone,
         "   " + lo + "\r\n  ---\r\n   " + hi + sp(15)},
    });
}

TEST(Fractiontext, MixedNumberAnswer)
{
    check({
        {"1 2/3", answer(1, 1, 2, 3), flanswer, "   2\r\n 1---\r\n   3  " + sp(14)},
        {"12 5/6", answer(12, 1, 5, 6), flanswer, "   5\r\n 12---\r\n   6  " + sp(14)},
        {"7/12", answer(0, 0, 7, 12), flanswer, "   7\r\n  ---\r\n   12 " + sp(14)},
        {"whole ignored without haswhole", answer(9, 0, 1, 2), flanswer,
         "   1\r\n  ---\r\n   2  " + sp(14)},
        {"whole 3 only", answer(3, 1, 0, 4), flanswer,
         sp(22) + "\r\n 3" + sp(10) + "\r\n" + sp(27)},
        {"zero", answer(0, 0, 0, 12), flanswer, "   0\r\n  " + sp(10) + "\r\n" + sp(27)},
        {"extremes", answer(INT32_MIN, 1, INT32_MAX, INT32_MIN), flanswer,
         "   " + hi + "\r\n " + lo + "---\r\n   " + lo + sp(14)},
    });
}

TEST(Fractiontext, FiveFractions)
{
    const std::string bars = "   ---, ---, ---, ---, ---";
    check({
        {"small", rec({1, 2, 1, 3, 2, 5, 3, 4, 7, 8}), flfive,
         "     1    1    2    3    7 \r\n" + bars + "\r\n     2    3    5    4    8"},
        {"wide numbers push right", rec({100, 250, 5, 12, 0, 5, 10, 11, 1000, 1}), flfive,
         "   100    5    0   10  1000 \r\n" + bars + "\r\n   250   12    5   11    1"},
        {"extremes", rec({INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN,
                          INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN}),
         flfive,
         "   " + lo + "  " + lo + "  " + lo + "  " + lo + "  " + lo + " \r\n" + bars + "\r\n   " +
             lo + "  " + lo + "  " + lo + "  " + lo + "  " + lo},
    });
}

TEST(Fractiontext, AdditionAndSubtraction)
{
    check({
        {"1/4 + 2/5", rec({1, 4, 2, 5}), fladd, "\r\n     1     2\r\n   --- + --- =\r\n     4     5"},
        {"11/12 - 2/3", rec({11, 12, 2, 3}), flsub,
         "\r\n    11     2\r\n   --- - --- =\r\n    12     3"},
        {"extremes", rec({INT32_MIN, INT32_MAX, INT32_MAX, INT32_MIN}), flsub,
         "\r\n   " + lo + "   " + hi + "\r\n   --- - --- =\r\n   " + hi + "   " + lo},
    });
}

TEST(Fractiontext, MultiplicationAndDivision)
{
    check({
        {"2/3 x 10", rec({2, 3, 10, 1}), flmul, "     2 \r\n   --- x 10 =\r\n     3 "},
        {"3/4 x 5/6", rec({3, 4, 5, 6}), flmul, "     3     5\r\n   --- x --- =\r\n     4     6"},
        {"1/2 / 4", rec({1, 2, 4, 1}), fldiv, "     1 \r\n   --- " + obelus + " 4 =\r\n     2 "},
        {"1/2 / 3/4", rec({1, 2, 3, 4}), fldiv,
         "     1     3\r\n   --- " + obelus + " --- =\r\n     2     4"},
        {"extremes by a whole", rec({INT32_MAX, INT32_MIN, INT32_MIN, 1}), flmul,
         "   " + hi + " \r\n   --- x " + lo + " =\r\n   " + lo + " "},
        {"extremes by a whole", rec({INT32_MIN, INT32_MAX, INT32_MAX, 1}), fldiv,
         "   " + lo + " \r\n   --- " + obelus + " " + hi + " =\r\n   " + hi + " "},
    });
}

TEST(Fractiontext, UnknownKindIsEmpty)
{
    check({
        {"7", rec({1, 2, 3, 4}), 7, ""},
        {"8", rec({1, 2, 3, 4}), 8, ""},
        {"255", rec({1, 2, 3, 4}), 255, ""},
    });
}

}  // namespace
