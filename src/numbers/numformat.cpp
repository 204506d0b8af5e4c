#include "numformat.h"

#include "lesson/text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace numformat {

namespace {

// A finite value as sign, significant digits d0 d1 d2 ... and exponent: d0.d1d2... x 10^exp.
// Zero has no digits.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exp = 0;
};

// The shortest decimal that reads back as the same value, so that the float's error
// never shows up in a rounded text.
template <class F>
Decimal shortest(F value)
{
    Decimal d;
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    if (ec != std::errc())
        return d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.')
            d.digits += *p;
    if (p < end)
        std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exp);
    if (d.digits.find_first_not_of('0') == std::string::npos)
        d.digits.clear();
    return d;
}

// Keeps the first keep significant digits, rounding the rest half away from zero.
void roundto(Decimal& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size()))
        return;
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9')
            d.digits[static_cast<size_t>(i--)] = '0';
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            // 9.99 became 10.0: one more place in front.
            d.digits.insert(d.digits.begin(), '1');
            ++d.exp;
        }
    }
    const auto last = d.digits.find_last_not_of('0');
    d.digits.resize(last == std::string::npos ? 0 : last + 1);
}

// Digit i of the value counted from d0 (i may run past the digits held: then 0).
char digitat(const Decimal& d, int i)
{
    return i >= 0 && i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<size_t>(i)] : '0';
}

// Whole part and exactly decimals places of an already rounded value.
std::string plain(const Decimal& d, int decimals)
{
    std::string text;
    if (d.digits.empty() || d.exp < 0)
        text = "0";
    else
        for (int i = 0; i <= d.exp; ++i)
            text += digitat(d, i);
    if (decimals > 0) {
        text += '.';
        for (int place = 1; place <= decimals; ++place)
            text += digitat(d, d.exp + place);
    }
    return text;
}

std::string pad(const std::string& text, int width)
{
    const size_t w = static_cast<size_t>(std::abs(width));
    if (text.size() >= w)
        return text;
    return width < 0 ? text + std::string(w - text.size(), ' ') : std::string(w - text.size(), ' ') + text;
}

std::string special(double value)
{
    return std::isnan(value) ? "nan" : value < 0 ? "-inf" : "inf";
}

std::string generaltext(Decimal d, int precision)
{
    const int p = precision < 0 ? 6 : precision == 0 ? 1 : precision;
    roundto(d, p);
    if (d.digits.empty())
        return "0";
    std::string text = d.negative ? "-" : "";
    if (d.exp < -4 || d.exp >= p) {
        text += d.digits[0];
        if (d.digits.size() > 1)
            text += "." + d.digits.substr(1);
        const int e = std::abs(d.exp);
        text += std::string(d.exp < 0 ? "e-" : "e+") + (e < 10 ? "0" : "") + std::to_string(e);
        return text;
    }
    // All the digits kept, and no more: trailing zeros are already gone.
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exp);
    return text + plain(d, decimals);
}

std::string fixedtext(Decimal d, int decimals)
{
    roundto(d, d.exp + 1 + decimals);
    return (d.negative && !d.digits.empty() ? "-" : "") + plain(d, decimals);
}

}  // namespace

std::string general(float value, int width, int precision)
{
    return pad(std::isfinite(value) ? generaltext(shortest(value), precision) : special(value), width);
}

std::string general(double value, int width, int precision)
{
    return pad(std::isfinite(value) ? generaltext(shortest(value), precision) : special(value), width);
}

std::string fixed(float value, int width, int decimals)
{
    return pad(std::isfinite(value) ? fixedtext(shortest(value), std::max(0, decimals)) : special(value), width);
}

std::string fixed(double value, int width, int decimals)
{
    return pad(std::isfinite(value) ? fixedtext(shortest(value), std::max(0, decimals)) : special(value), width);
}

std::string integer(int64_t value, int width, int mindigits)
{
    // The magnitude as unsigned, so that the smallest int64 has one too.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
    std::string digits = std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < mindigits)
        digits.insert(0, static_cast<size_t>(mindigits) - digits.size(), '0');
    return pad((value < 0 ? "-" : "") + digits, width);
}

std::string trim(const std::string& text) { return trimmed(text); }

}  // namespace numformat
