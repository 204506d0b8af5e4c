#include "unitnumbers.h"

#include "lesson/lesson.h"
#include "numbers/numformat.h"

#include <cstdint>

namespace {

// A fraction result as a decimal: the whole part added on.
// The result to so many places, rounded as a pupil rounds: a half goes up (1/8 m is
// 0.13m, not 0.12m). Worked out in whole numbers, so an exact half stays exact.
double decimalof(const Tfractionq& r, int places)
{
    if (r.ansden <= 0)
        return r.haswhole == 1 ? r.whole : 0;
    int64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    const int64_t scaled = int64_t{r.ansnum} * scale;
    int64_t rounded = scaled / r.ansden;
    if (2 * (scaled % r.ansden) >= r.ansden)
        ++rounded;
    const double whole = r.haswhole == 1 ? r.whole : 0;
    return whole + static_cast<double>(rounded) / static_cast<double>(scale);
}

// The options line up: a mixed number is followed by seven blanks, a fraction by nine.
std::string padded(const std::string& text, const Tfractionq& r)
{
    return text + std::string(r.haswhole == 1 ? 7 : 9, ' ');
}

// Where the last line holding an "x" (the multiplication) starts and ends in the text.
bool multiplicationline(const std::string& text, size_t& start, size_t& x)
{
    x = text.rfind('x');
    if (x == std::string::npos)
        return false;
    const size_t newline = text.rfind('\n', x);
    start = newline == std::string::npos ? 0 : newline + 1;
    return true;
}

}  // namespace

std::string Tnumunit::resulttext(const Tfractionq& r)
{
    const double v = decimalof(r, places_);
    return padded("  " + numformat::general(v, width_, width_) + firstunit_, r);
}

void Tnumunit::unitlines(std::string& question)
{
    size_t start = 0, x = 0;
    if (!multiplicationline(question, start, x))
        return;
    // Grade 5 writes "5 m x ...", the others "5m x ...".
    if (lesson_.state.grade() == 5)
        question.insert(x, firstunit_ + " ");
    else if (x > start)
        question.insert(x - 1, firstunit_);
}

std::string Tnumrm::resulttext(const Tfractionq& r)
{
    const double v = decimalof(r, 2);
    return padded(thirdunit_ + numformat::fixed(v, 6), r);
}

void Tnumrm::unitlines(std::string& question)
{
    size_t start = 0, x = 0;
    if (multiplicationline(question, start, x))
        question.insert(x + 1, thirdunit_);
}
