// Number formats for the number and measurement posers. The layouts of the questions are
// written as printf-like formats ("%6.6g", "%8.5g", "%6f", "%3d"); these functions give
// each of them the one meaning the posers rely on:
//
//   "%W.Pg"  general(v, W, P)   at most P significant digits, trailing zeros and a bare
//                               point dropped, right-aligned in W ("%.6g": W = 0)
//   "%Wf"    fixed(v, W)        exactly two decimals, right-aligned in W
//   "%Wd"    integer(v, W)      whole number right-aligned in W; W < 0 left-aligns
//   "%.Md"   integer(v, 0, M)   at least M digits, leading zeros added
//
// A width never cuts a number that is wider. Decimals arrive as 32-bit floats that
// cannot hold 15.9 or 0.1 exactly; every function first takes the shortest decimal that
// reads back as the same float (15.9f is "15.9", not 15.8999996...) and rounds that
// decimal, halves away from zero. So a value computed in float, such as 19.8f - 9.9f =
// 9.900001f, still shows as "9.9" in "%6.6g".
#pragma once

#include <concepts>
#include <cstdint>
#include <string>

namespace numformat {

// "%W.Pg": general format. Very large or very small values (exponent below -4 or at
// least P) are written as d.ddde+XX, as C does; the posers never meet them.
std::string general(float value, int width, int precision);
std::string general(double value, int width, int precision);
template <std::integral T>
std::string general(T value, int width, int precision)
{
    return general(static_cast<double>(value), width, precision);
}

// "%Wf" as the posers mean it: decimals places (two unless asked otherwise), zeros kept.
std::string fixed(float value, int width, int decimals = 2);
std::string fixed(double value, int width, int decimals = 2);

// "%Wd", "%-Wd" (negative width) and "%W.Md" (mindigits M).
std::string integer(int64_t value, int width = 0, int mindigits = 1);

// The text without leading and trailing blanks (spaces, tabs, line breaks), as answers
// are stored and compared.
std::string trim(const std::string& text);

}  // namespace numformat
