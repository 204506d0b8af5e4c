// The whole-number kinds with routines of their own: the number series grid (4), the value
// of a digit (5) and the missing number of a series (6). Each leaves the lesson state itself.
#include "numplug.h"

#include "lesson/lesson.h"
#include "numformat.h"
#include "wordq/poselitq.h"

#include <string>
#include <utility>
#include <vector>

namespace {

// The three kinds are marked on the result alone, like a sentence whose answer is asked.
void settypedstate(LessonState& s, const std::string& answer)
{
    s.opkind = 1;
    s.firstnum = 1;
    s.secondnum = 1;
    s.answertext = answer;
    s.blank = 2;
}

}  // namespace

void Tnumplug::seriesgrid(int grade)
{
    header({"Find the number in the box marked \"X\"\r\nbased on the number series given."},
           {"Pandukan turutan nombor di jadual.\r\nIsikan tempat kosong yang ditandakan \"X\""}, false);

    int32_t start = 0, step = 0;
    switch (grade) {
    case 1:
        start = 10 * (1 + random(5)) + random(9);
        step = 2 + random(8);
        break;
    case 2:
        start = 100 * (1 + random(5)) + 10 * random(9);
        step = 10 * (1 + random(10));
        break;
    case 3:
        start = 1000 * (1 + random(8)) + 100 * random(9);
        step = 10 * (1 + random(20));
        break;
    case 4:
        start = 10000 * (1 + random(8)) + 1000 * random(9);
        step = 100 * (1 + random(20));
        break;
    default:
        start = 100000 * (1 + random(8)) + 10000 * random(9);
        step = 1000 * (1 + random(20));
        break;
    }
    for (int k = 0; k < 6; ++k)
        series[k] = start + k * step;

    // Deal the six numbers into the cells; a deal that leaves the first five in series
    // order would give the answer away, so it is dealt again.
    std::array<int32_t, 6> cells{};
    for (;;) {
        std::vector<int32_t> pool(series.begin(), series.end());
        for (int j = 0; j < 5; ++j) {
            const int32_t i = random(static_cast<int32_t>(pool.size()));
            cells[j] = pool[i];
            pool.erase(pool.begin() + i);
        }
        cells[5] = pool.front();
        bool inorder = true;
        for (int j = 0; j < 5; ++j)
            inorder = inorder && cells[j] == series[j];
        if (!inorder)
            break;
    }
    for (int j = 0; j < 6; ++j)
        for (int k = 0; k < 6; ++k)
            if (cells[j] == series[k])
                gridorder[j] = k + 1;

    lesson_.picture.series = series;
    for (int j = 0; j < 4; ++j)
        lesson_.picture.gridorder[j] = gridorder[j];
    lesson_.showpicture(6);

    answer = std::to_string(series[gridorder[3] - 1]);
    settypedstate(lesson_.state, answer);
}

void Tnumplug::placevalue(int grade)
{
    // Six different digits; d[1]..d[6], d[0] unused.
    int32_t d[7] = {};
    for (int i = 1; i <= 6; ++i) {
        bool repeated = true;
        while (repeated) {
            d[i] = random(10);
            repeated = false;
            for (int j = 1; j < i; ++j)
                repeated = repeated || d[j] == d[i];
        }
    }
    auto digits = [&d](int from) {
        int32_t n = 0;
        for (int i = from; i <= 6; ++i)
            n = n * 10 + d[i];
        return n;
    };

    // The number as its digits, and how many of them stand after the decimal point.
    int32_t whole = 0, decimals = 0, p = 0;
    switch (grade) {
    case 1: whole = digits(5); p = 5 + random(2); break;
    case 2: whole = digits(4); p = 4 + random(3); break;
    case 3: whole = digits(2); p = 2 + random(5); break;
    case 4: whole = digits(1); decimals = 1; p = 1 + random(6); break;
    default: whole = digits(1); decimals = 3; p = 1 + random(6); break;
    }
    // A 0 would be a leading zero or nothing to ask about: the next digit is asked. After
    // the decimal point a 0 at the end is not even shown, so the one before it is asked.
    if (d[p] == 0 && p < 6)
        ++p;
    if (grade >= 4 && d[p] == 0 && p == 6)
        p = 5;

    // Divide by exact powers of ten, so that the shown texts come from the nearest doubles.
    auto scaled = [](int32_t digit, int exponent) {
        double v = digit;
        for (int i = 0; i < exponent; ++i)
            v *= 10;
        double divisor = 1;
        for (int i = 0; i < -exponent; ++i)
            divisor *= 10;
        return v / divisor;
    };
    const double number = scaled(whole, -decimals);
    const double value = scaled(d[p], 6 - decimals - p);
    const std::string shown = numformat::general(number, 0, 6), digit = std::to_string(d[p]);

    header({"The value of the digit " + digit + " in the following number \r\n" + shown + " is:\r\n"},
           {"Nilai digit " + digit + " dalam nomber dibawah \r\n" + shown + " ialah:"}, false);

    answer = numformat::general(value, 0, 6);
    settypedstate(lesson_.state, answer);
}

void Tnumplug::missingnumber()
{
    const int32_t order = random(2);
    const int32_t first = 2 + random(8);
    const int32_t ratio = 2 + random(4);
    int32_t terms[5];
    for (int i = 0; i < 5; ++i)
        terms[i] = i == 0 ? first : terms[i - 1] * ratio;
    if (order == 1)
        for (int i = 0; i < 2; ++i)
            std::swap(terms[i], terms[4 - i]);
    const int32_t gap = 1 + random(5);

    header({"The missing number in the number series is: \r\n"},
           {"Nombor yang tertinggal dalam susunan nombor itu ialah: \r\n"}, false);
    std::string line = " ";
    for (int i = 1; i <= 5; ++i)
        line += i == gap ? "____," : numformat::integer(terms[i - 1], 4) + ",";
    bodycolour();
    lesson_.box.addline(line);

    answer = std::to_string(terms[gap - 1]);
    settypedstate(lesson_.state, answer);
}
