#include "tutorial/written.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

using namespace tutorial;

namespace {

// The full-size figures written in a row, read left to right as one number.
long long readrow(const std::vector<Cell>& cells, double row)
{
    std::map<double, char> figures;
    for (const Cell& c : cells)
        if (c.role == Role::digit && c.row == row) {
            EXPECT_EQ(c.text.size(), 1u);
            EXPECT_FALSE(figures.count(c.col)) << "two figures in one cell";
            figures[c.col] = c.text[0];
        }
    std::string s;
    for (auto& [col, ch] : figures) s += ch;
    return s.empty() ? -1 : std::stoll(s);
}

bool samecell(const Cell& x, const Cell& y)
{
    return x.row == y.row && x.col == y.col && x.text == y.text && x.role == y.role && x.width == y.width;
}

// Every move keeps what the moves before it wrote, and adds something.
void checkmoves(const Layout& l)
{
    for (int n = 0; n < l.moves; ++n) {
        const auto before = shown(l, n), after = shown(l, n + 1);
        EXPECT_GT(after.size(), before.size());
        for (const Cell& c : before)
            EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&](const Cell& d) { return samecell(c, d); }));
    }
    EXPECT_EQ(shown(l, l.moves + 5).size(), l.cells.size());
}

}  // namespace

TEST(Written, SweepReadsTheAnswersBack)
{
    std::mt19937 rng(20261208);
    auto number = [&](int maxdigits) {
        const int d = std::uniform_int_distribution<int>(1, maxdigits)(rng);
        long long top = 1;
        for (int i = 0; i < d; ++i) top *= 10;
        return std::uniform_int_distribution<long long>(0, top - 1)(rng);
    };
    const char* ops[] = {"+", "-", "x", "\xC3\xB7"};
    for (int k = 0; k < 4000; ++k) {
        const int op = k % 4;
        long long a = number(6), b = op == 2 ? number(3) : number(op == 3 ? 3 : 6);
        if (op == 1 && b > a) std::swap(a, b);
        if (op == 3 && b == 0) b = 7;
        const std::string expr = std::to_string(a) + " " + ops[op] + " " + std::to_string(b);
        std::string error;
        const auto l = op == 3 ? layoutlongdiv(3, 6, expr, error) : layoutcolumn(3, 12, expr, error);
        ASSERT_TRUE(l) << expr << ": " << error;
        SCOPED_TRACE(expr);
        const auto all = l->cells;
        if (op == 3) {
            EXPECT_EQ(readrow(all, l->quotientrow), a / b);
            EXPECT_EQ(readrow(all, l->remainderrow), a % b);
        } else {
            EXPECT_EQ(readrow(all, l->resultrow), op == 0 ? a + b : op == 1 ? a - b : a * b);
            EXPECT_EQ(readrow(all, 3), a);
            EXPECT_EQ(readrow(all, 4), b);
        }
        checkmoves(*l);
    }
}

TEST(Written, RefusesWhatCannotBeWritten)
{
    for (const char* expr : {"3 - 5", "12 + ", "1.5 + 2", "4 / 2", "12 x -3", ""}) {
        std::string error;
        EXPECT_FALSE(layoutcolumn(0, 5, expr, error)) << expr;
        EXPECT_FALSE(error.empty());
    }
    for (const char* expr : {"12 \xC3\xB7 0", "12 x 3", "\xC3\xB7 3"}) {
        std::string error;
        EXPECT_FALSE(layoutlongdiv(0, 5, expr, error)) << expr;
        EXPECT_FALSE(error.empty());
    }
}
