// The number questions the pupil answers by typing: rounding (kind 3), the four decimal
// operations (kinds 20 to 23) and a fraction written as a decimal (kind 24). The decimal
// kinds are shared with the length, weight and money objects, whose unit labels go into
// the question line and the answer; here the labels are empty and the numbers bare.
#include "numplug.h"

#include "lesson/lesson.h"
#include "numformat.h"

#include <cmath>

using numformat::fixed;
using numformat::general;
using numformat::trim;

namespace {

const char* const divides = "\xC3\xB7";  // ÷

// The hint under a decimal question: amounts of money are written with both cents digits,
// every other decimal without trailing zeros. Each line is one item of the box.
void samplelines(Questionbox& box, const std::string& u1, const std::string& u3)
{
    if (!u3.empty()) {
        box.addline("\r\n Sample correct answer: " + u3 + "123.10" + u1);
        box.addline(" Sample wrong answer: " + u3 + "123.1" + u1);
        box.addline("\r\n Sample correct answer: " + u3 + "123.00" + u1);
        box.addline(" Sample wrong answer: " + u3 + "123" + u1);
    } else {
        box.addline("\r\n Sample wrong answer: 123.10" + u1);
        box.addline(" Sample correct answer: 123.1" + u1);
        box.addline("\r\n Sample wrong answer: 123.0" + u1);
        box.addline(" Sample correct answer: 123" + u1);
    }
}

// The engine works in 32-bit floats, whose last digit can be off: 16.03 - 15.03 gives
// 0.99999905 and 2.9 x 3 gives 8.700001, and six or seven significant digits show that.
// A right answer has no more decimal places than its numbers were drawn with, so the
// result is rounded to those places before it is written.
double snapped(float value, int places)
{
    const double scale = std::pow(10.0, places);
    return std::round(static_cast<double>(value) * scale) / scale;
}

// The decimal places of an answer by kind and grade: the engine's drawing steps (the sums
// of grade 7 weights have three, grade 4 works in tenths, a whole number times tenths
// stays in tenths, a product of tenths has two).
int answerplaces(uint8_t kind, int grade)
{
    switch (kind) {
    case 20:
    case 21: return grade == 7 ? 3 : grade == 4 ? 1 : 2;
    case 22: return grade == 3 ? 1 : 2;
    default: return grade == 4 ? 1 : 2;
    }
}

}  // namespace

// Only kinds 20 and 21 take the composer's grade (the weight questions ask for grade 7,
// three decimal places); the other typed kinds go by the lesson's grade.
void Tnumplug::roundingquestion(int /*grade*/, std::string& answertext)
{
    const int grade = lesson_.state.grade();
    Troundingq q{};
    engine->roundingnumber(static_cast<uint8_t>(grade), q);
    // Decimals tacked on after the whole number never change how it rounds: the engine
    // keeps every number off the halfway point.
    int32_t decimals = 0;
    if (grade >= 5)
        decimals = 10 + random(90);
    else if (grade == 4)
        decimals = 1 + random(9);
    const int32_t c = random(2);

    const std::string place = std::to_string(q.place);
    header({"Correct the following number to the nearest: " + place},
           {"Bundarkan nombor kepada: " + place + " yang terdekat."});
    std::string line = "   " + std::to_string(q.number);
    if (grade >= 4 && c == 1)
        line += "." + std::to_string(decimals);
    bodycolour();
    lesson_.box.addline(line);
    answer = answertext = std::to_string(q.rounded);
}

void Tnumplug::decimalquestion(uint8_t k, int grade, std::string& answertext)
{
    const std::string u1 = firstunit_, u2 = secondunit_, u3 = thirdunit_;
    const bool money = u3 == "$";
    const auto lessongrade = static_cast<uint8_t>(lesson_.state.grade());
    auto& box = lesson_.box;
    Tdecimalq q{};
    std::string line, result;

    if (k == 20 || k == 21) {
        const bool add = k == 20;
        if (add)
            engine->decimaladd(static_cast<uint8_t>(grade), q);
        else
            engine->decimalsub(static_cast<uint8_t>(grade), q);
        header({add ? "Add the following: " : "Subtract the following: "}, {add ? "Tambahkan: " : "Tolakkan: "});
        const int32_t c = random(2);
        const std::string sign = add ? " + " : " - ";
        auto shown = [money](auto v) { return money ? fixed(v, 6) : general(v, 6, 6); };
        int places = answerplaces(k, grade);
        if (grade >= 5 && c == 1 && (u1 == "m" || u1 == "kg")) {
            // Mixed units: the second number is written in the smaller unit (cm or g). A
            // length's second number is cut to a tenth first, so its centimetres stay small.
            double scale = 1000.0;
            if (u1 == "m") {
                q.second = static_cast<float>(q.second * 0.1);
                q.result = add ? q.first + q.second : q.first - q.second;
                scale = 100.0;
                ++places;
            }
            line = "  " + u3 + shown(q.first) + u1 + sign + u3 + general(q.second * scale, 6, 6) + u2 + " =";
        } else {
            line = "  " + u3 + shown(q.first) + u1 + sign + u3 + shown(q.second) + u1 + " =";
        }
        line += "\r\n";
        result = trim(shown(snapped(q.result, places)));
    } else if (k == 22) {
        engine->decimalmul(lessongrade, q);
        header({"Multiply the following numbers: "}, {"Darabkan: "});
        line = "  " + u3 + (money ? fixed(q.first, 5) : general(q.first, 5, 5)) + u1 + " x " +
               general(q.second, 5, 5) + " =";
        const double product = snapped(q.result, answerplaces(k, lessongrade));
        result = trim(money ? fixed(product, 7) : general(product, 7, 7));
    } else if (k == 23) {
        engine->decimaldiv(lessongrade, q);
        header({"Divide the following: "}, {"Bahagikan: "});
        const int32_t c = random(2);
        line = "  " + u3 + (money ? fixed(q.first, 6) : general(q.first, 5, 5)) + u1 + " " + divides + " " +
               general(q.second, 5, 5);
        if (c == 1) {
            // (dividend ÷ divisor) x k: the quotient is exact, so its multiple is too.
            const int32_t times = 2 + random(9);
            q.result *= static_cast<float>(times);
            line += " x " + std::to_string(times) + (money ? "=" : " =");
        } else {
            line += " =";
        }
        const double quotient = snapped(q.result, answerplaces(k, lessongrade));
        result = trim(money ? fixed(quotient, 6) : general(quotient, 5, 5));
    } else {
        return;
    }

    bodycolour();
    box.addline(line);
    samplelines(box, u1, u3);
    answer = answertext = u3 + result + u1;
}

void Tnumplug::fractiontodecimal(int /*grade*/, std::string& answertext)
{
    const int grade = lesson_.state.grade();
    Tfractionq shown{};
    shown.haswhole = 1;
    uint8_t places = 1;
    if (grade >= 5) {
        shown.whole = 1 + random(50);
        shown.ansnum = 1 + random(999);
        shown.ansden = 1000;
        places = 3;
    } else {
        shown.whole = 1 + random(9);
        shown.ansnum = 1 + random(9);
        shown.ansden = 10;
    }
    const float value = engine->fractiondecimal(places, {shown.whole * shown.ansden + shown.ansnum, shown.ansden});

    header({"Convert the following fraction to decimal: "}, {"Tukarkan kepada perpuluhan: "});
    // Shown as drawn, not reduced (250/1000 stays): the pupil reads the places off it.
    bodycolour();
    lesson_.box.addline(engine->fractiontext(shown, flanswer) + "\r\n");
    answer = answertext = trim(general(value, 5, 5));
}
