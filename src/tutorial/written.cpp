#include "tutorial/written.h"

#include <algorithm>

namespace tutorial {

namespace {

using Num = long long;

bool readwhole(std::string_view s, Num& out)
{
    // Nine figures keep every product inside a long long.
    if (s.empty() || s.size() > 9) return false;
    out = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        out = out * 10 + (c - '0');
    }
    return true;
}

std::string_view trim(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Splits "A op B" at the first sign from `signs` (UTF-8 spellings allowed); op is the sign's
// index in `signs`.
bool splitexpr(std::string_view expr, const std::vector<std::string_view>& signs, Num& a, int& op, Num& b)
{
    for (size_t i = 1; i < expr.size(); ++i)
        for (size_t k = 0; k < signs.size(); ++k)
            if (expr.substr(i, signs[k].size()) == signs[k]) {
                op = int(k);
                return readwhole(trim(expr.substr(0, i)), a) &&
                       readwhole(trim(expr.substr(i + signs[k].size())), b);
            }
    return false;
}

struct Writer {
    Layout out;
    int move = 0;
    bool wrote = false;

    void add(double row, double col, std::string text, Role role, double width = 1)
    {
        out.cells.push_back({row, col, std::move(text), role, width, move});
        wrote = true;
    }
    // A number's figures one per cell, the last in column `last`; returns the first column.
    double number(double row, double last, Num n, Role role = Role::digit)
    {
        const std::string s = std::to_string(n);
        return figures(row, last, s, role);
    }
    double figures(double row, double last, const std::string& s, Role role = Role::digit)
    {
        for (size_t i = 0; i < s.size(); ++i) add(row, last - double(s.size() - 1 - i), std::string(1, s[i]), role);
        return last - double(s.size() - 1);
    }
    // Moves that turn out to write nothing (a leading zero) are not moves.
    void nextmove()
    {
        if (wrote || move == 0) ++move;
        wrote = false;
    }
    Layout finish()
    {
        out.moves = wrote ? move : move - 1;
        return std::move(out);
    }
};

int digitsof(Num n) { return int(std::to_string(n).size()); }
int digitat(Num n, int j)  // the j-th figure from the right
{
    for (int i = 0; i < j; ++i) n /= 10;
    return int(n % 10);
}

}  // namespace

std::optional<Layout> layoutcolumn(double row, double col, std::string_view expr, std::string& error)
{
    Num a = 0, b = 0;
    int op = 0;
    // + - x, with the typographic minus and times too.
    if (!splitexpr(trim(expr), {"+", "-", "x", "\xE2\x88\x92", "\xC3\x97"}, a, op, b)) {
        error = "expected \"A + B\", \"A - B\" or \"A x B\" with whole numbers";
        return std::nullopt;
    }
    const char sign = op == 0 ? '+' : (op == 1 || op == 3) ? '-' : 'x';
    if (sign == '-' && b > a) {
        error = "the answer would be negative";
        return std::nullopt;
    }
    const Num answer = sign == '+' ? a + b : sign == '-' ? a - b : a * b;
    const int la = digitsof(a), lb = digitsof(b), n = std::max(la, lb);

    Writer w;
    w.number(row, col, a);
    w.number(row + 1, col, b);
    const double opcol = col - n;
    w.add(row + 1, opcol, std::string(1, sign), Role::op);
    const double rulefrom = std::min(opcol, col - digitsof(answer) + 1);
    w.add(row + 1, rulefrom, "", Role::rule, col - rulefrom + 1);
    w.out.resultrow = row + 2;

    if (sign == 'x' && lb > 1) {
        // One partial product per figure of the multiplier, each moved one place left,
        // then their sum under a second line.
        double left = rulefrom;
        for (int i = 0; i < lb; ++i) {
            w.nextmove();
            const Num part = a * digitat(b, i);
            std::string s = std::to_string(part) + std::string(size_t(i), '0');
            left = std::min(left, w.figures(row + 2 + i, col, s));
        }
        w.nextmove();
        const double sumrow = row + 2 + lb;
        left = std::min(left, col - digitsof(answer) + 1);
        w.add(sumrow - 1, left - 1, "+", Role::op);
        w.add(sumrow - 1, left - 1, "", Role::rule, col - left + 2);
        w.number(sumrow, col, answer);
        w.out.resultrow = sumrow;
        return w.finish();
    }

    if (sign == '-') {
        // What each column of the top number shows now, and how many small figures stand
        // above it: a borrow strikes the figure and writes the new one above.
        std::vector<int> value(static_cast<size_t>(la), 0), level(static_cast<size_t>(la), 0);
        for (int j = 0; j < la; ++j) value[j] = digitat(a, j);
        auto rewrite = [&](int j, int v) {
            const double c = col - j;
            if (level[j] == 0)
                w.add(row, c, "", Role::strike);
            else
                w.add(row - 0.5 * level[j], c, "small", Role::strike);
            ++level[j];
            value[j] = v;
            w.add(row - 0.5 * level[j], c, std::to_string(v), Role::carry);
        };
        const int la2 = digitsof(answer);
        for (int j = 0; j < la; ++j) {
            w.nextmove();
            const int bj = digitat(b, j);
            if (value[j] < bj) {
                int k = j + 1;
                while (value[k] == 0) ++k;
                rewrite(k, value[k] - 1);
                for (int m = k - 1; m > j; --m) rewrite(m, 9);
                rewrite(j, value[j] + 10);
            }
            if (j < la2) w.add(row + 2, col - j, std::to_string(value[j] - bj), Role::digit);
        }
        return w.finish();
    }

    // Adding, or multiplying by one figure: a result figure per column, the carry written
    // small above the next column; the last column writes its whole value.
    const int cols = sign == '+' ? n : la;
    int carry = 0;
    for (int j = 0; j < cols; ++j) {
        w.nextmove();
        const int s = sign == '+' ? digitat(a, j) + digitat(b, j) + carry : digitat(a, j) * int(b) + carry;
        if (j == cols - 1) {
            w.number(row + 2, col - j, s);
        } else {
            w.add(row + 2, col - j, std::to_string(s % 10), Role::digit);
            carry = s / 10;
            if (carry) w.add(row - 0.5, col - j - 1, std::to_string(carry), Role::carry);
        }
    }
    return w.finish();
}

std::optional<Layout> layoutlongdiv(double row, double col, std::string_view expr, std::string& error)
{
    Num a = 0, b = 0;
    int op = 0;
    if (!splitexpr(trim(expr), {"\xC3\xB7"}, a, op, b)) {
        error = "expected \"A \xC3\xB7 B\" with whole numbers";
        return std::nullopt;
    }
    if (b == 0) {
        error = "a divisor of 0";
        return std::nullopt;
    }
    const std::string digits = std::to_string(a);
    const int n = int(digits.size());
    Writer w;
    w.number(row + 1, col - 1, b);
    w.figures(row + 1, col + n - 1, digits);
    w.add(row + 1, col, "", Role::bracket, n);
    w.out.quotientrow = row;

    // The first quotient figure stands over the last figure of the first part that holds
    // the divisor (over the last figure when none does).
    int i = 0;
    Num part = digits[0] - '0';
    while (part < b && i < n - 1) part = part * 10 + (digits[++i] - '0');
    double r = row + 2;
    for (;; ++i) {
        const Num q = part / b, product = q * b, rest = part - product;
        w.nextmove();
        w.add(row, col + i, std::to_string(q), Role::digit);
        w.nextmove();
        const double from = w.number(r, col + i, product);
        w.add(r, from - 1, "-", Role::op);
        const double rulefrom = std::min(from, col + i - digitsof(part) + 1);
        w.add(r, rulefrom, "", Role::rule, col + i - rulefrom + 1);
        w.number(r + 1, col + i, rest);
        w.out.remainderrow = r + 1;
        if (i == n - 1) break;
        w.nextmove();
        w.add(r + 1, col + i + 1, std::string(1, digits[size_t(i) + 1]), Role::digit);
        part = rest * 10 + (digits[size_t(i) + 1] - '0');
        r += 2;
    }
    return w.finish();
}

std::vector<Cell> shown(const Layout& layout, int show)
{
    std::vector<Cell> out;
    for (const Cell& c : layout.cells)
        if (c.move <= show) out.push_back(c);
    return out;
}

}  // namespace tutorial
