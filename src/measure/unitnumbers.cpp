#include "unitnumbers.h"

#include "lesson/lesson.h"
#include "numbers/numformat.h"

namespace {

// A fraction result as a decimal: the whole part added on.
// Kept in float, as the engine gives it, so that it shows as the decimal it stands for.
float decimalof(Tnumengine& engine, const Tfractionq& r, int places)
{
    float v = engine.fractiondecimal(static_cast<uint8_t>(places), {r.ansnum, r.ansden});
    if (r.haswhole == 1)
        v += static_cast<float>(r.whole);
    return v;
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
    const float v = decimalof(*engine, r, places_);
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
    const float v = decimalof(*engine, r, 2);
    return padded(thirdunit_ + numformat::fixed(v, 6), r);
}

void Tnumrm::unitlines(std::string& question)
{
    size_t start = 0, x = 0;
    if (multiplicationline(question, start, x))
        question.insert(x + 1, thirdunit_);
}
