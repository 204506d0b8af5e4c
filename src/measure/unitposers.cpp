// Sentences with units, unit conversions and the answer hand-overs of the length, weight
// and money posers.
#include "unitposers.h"

#include "lesson/lesson.h"
#include "numbers/numformat.h"
#include "numbers/numplug.h"

#include <cstdlib>

using std::to_string;

namespace {

std::string magnitude(int32_t v) { return to_string(std::abs(v)); }

// An amount after an operator: "$5", or "- $5" for one taken away.
std::string dollars(int32_t v) { return v >= 0 ? "$" + to_string(v) : "- $" + magnitude(v); }

std::string withoutfirstminus(std::string text)
{
    const auto minus = text.find('-');
    if (minus != std::string::npos)
        text.erase(minus, 1);
    return text;
}

// English in black unless Malay only, Malay in blue unless English only; a heading has
// an empty line after it.
void bothlanguages(Lesson& lesson, const std::string& english, const std::string& malay, bool heading = true)
{
    auto& box = lesson.box;
    box.setcolour(colours::black);
    if (!lesson.view.malaydown())
        box.addline(english);
    box.setcolour(colours::blue);
    if (!lesson.view.englishdown())
        box.addline(malay);
    if (heading)
        box.addline("");
    box.setcolour(colours::black);
}

void finishconversion(Lesson& lesson)
{
    lesson.state.wordsign.clear();
    lesson.view.focusanswer();
}

}  // namespace

// ---- lengths and weights ------------------------------------------------------------

std::string Tposeunit::firsttext()
{
    unit_ = lesson_.random(2) == 0 ? units_.big : units_.small;
    unitafter_ = unit_;
    unitbefore_.clear();  // a conversion's "cm" must not stand before a sentence's numbers
    parttext1_.clear();
    return firsttext_ = to_string(lesson_.state.firstnum) + unit_;
}

std::string Tposeunit::parttext1()
{
    unitafter_ = unit_;
    return parttext1_ = to_string(lesson_.state.partnum1) + unit_;
}

std::string Tposeunit::parttext2() { return parttext2_ = to_string(lesson_.state.partnum2) + unit_; }

std::string Tposeunit::secondtext()
{
    Tposearit::secondtext();
    // A multiplier or divisor has no unit; a number added or taken away has.
    if (lesson_.state.opkind == 0)
        secondtext_ = to_string(lesson_.state.secondnum) + unit_;
    return secondtext_;
}

std::string Tposeunit::resulttext() { return resulttext_ = lesson_.state.answertext + unit_; }
std::string Tposeunit::remaindertext() { return remaindertext_ = to_string(lesson_.state.remainder) + unit_; }
std::string Tposeunit::unitafter() { return unitafter_ = units_.big; }
std::string Tposeunit::unitbefore() { return unitbefore_ = units_.small; }

void Tposeunit::smallunitheading()
{
    bothlanguages(lesson_, "Convert the following to " + units_.small + ":", "Tukar kepada " + units_.small + ":");
}

void Tposeunit::mixedunitheading()
{
    const std::string example = "1" + units_.big + " 2" + units_.small + " :";
    bothlanguages(lesson_, "Convert the following to " + units_.big + " and " + units_.small + ", Example: " + example,
            "Tukar kepada " + units_.big + " dan " + units_.small + ", Contoh: " + example);
}

void Tposeunit::conversionquestion(Tnumplug& numbers)
{
    auto& s = lesson_.state;
    const std::string big = unitafter(), small = unitbefore();
    std::string line;
    if (lesson_.random(2) == 0) {
        smallunitheading();
        s.firstnum = lesson_.random(11);
        s.secondnum = lesson_.random(units_.factor);
        line = "  " + to_string(s.firstnum) + big + " " + to_string(s.secondnum) + small + " = ______ " + small;
        numbers.answer = to_string(s.firstnum * units_.factor + s.secondnum);
    } else {
        mixedunitheading();
        s.firstnum = units_.mixedlow + lesson_.random(units_.mixedspan);
        line = "  " + to_string(s.firstnum) + small + " = _________";
        const int32_t whole = s.firstnum / units_.factor, rest = s.firstnum % units_.factor;
        numbers.answer = to_string(whole) + big + (rest ? " " + to_string(rest) + small : "");
    }
    lesson_.questionline = line;
    lesson_.questioncolour();
    lesson_.box.addline(line);
    finishconversion(lesson_);
}

void Tposeunit::handover()
{
    auto& s = lesson_.state;
    switch (s.blank) {
    case 0:
        s.answertext = firsttext_;
        break;
    case 1:
        s.answertext = s.opkind == 0 ? withoutfirstminus(secondtext_) : magnitude(s.secondnum);
        break;
    default:
        if (s.remainder != 0) {
            s.answertext = resulttext_ + " remainder " + remaindertext_;
            s.answertext2 = resulttext_ + " baki " + remaindertext_;
            s.remainder = 0;
        } else {
            s.answertext = resulttext_;
        }
        break;
    }
    s.blank = 2;
}

// ---- money --------------------------------------------------------------------------

std::string Tposerm::firsttext()
{
    unitbefore_ = "$";
    unitafter_.clear();
    parttext1_.clear();
    return firsttext_ = "$" + to_string(lesson_.state.firstnum);
}

std::string Tposerm::parttext1()
{
    unitbefore_ = "$";
    return parttext1_ = "$" + to_string(lesson_.state.partnum1);
}

// A part taken away reads "- $5" like a second number, not "$-5".
std::string Tposerm::parttext2() { return parttext2_ = dollars(lesson_.state.partnum2); }

std::string Tposerm::secondtext()
{
    Tposearit::secondtext();
    const int32_t n = lesson_.state.secondnum;
    if (lesson_.state.opkind == 0)
        secondtext_ = n == 0 ? "0" : dollars(n);
    return secondtext_;
}

std::string Tposerm::resulttext() { return resulttext_ = "$" + lesson_.state.answertext; }
std::string Tposerm::remaindertext() { return remaindertext_ = "$" + to_string(lesson_.state.remainder); }
std::string Tposerm::unitafter() { return unitafter_ = "$"; }
std::string Tposerm::unitbefore() { return unitbefore_ = "ct"; }

void Tposerm::smallunitheading() { bothlanguages(lesson_, "Convert the following to cent:", "Tukar kepada sen:"); }

void Tposerm::mixedunitheading()
{
    bothlanguages(lesson_, "Convert the following to $ , Example: $1.05 :", "Tukar kepada RM, Contoh: RM1.05");
}

void Tposerm::conversionquestion(Tnumplug& numbers)
{
    using numformat::integer;
    auto& s = lesson_.state;
    unitafter();
    unitbefore();
    std::string english, malay;
    if (lesson_.random(2) == 0) {
        smallunitheading();
        s.firstnum = lesson_.random(10) + 1;
        s.secondnum = 5 * lesson_.random(19);
        const std::string amount = to_string(s.firstnum) + "." + integer(s.secondnum, 0, 2);
        english = "$" + amount + " = ______ ct";
        malay = "RM" + amount + " = ______ sen";
        numbers.answer = to_string(s.firstnum * 100 + s.secondnum);
    } else {
        mixedunitheading();
        s.firstnum = 5 * lesson_.random(180) + 100;
        english = "  " + to_string(s.firstnum) + "ct = _________";
        malay = "  " + to_string(s.firstnum) + " sen = _________";
        numbers.answer = "$" + to_string(s.firstnum / 100) + "." + integer(s.firstnum % 100, 0, 2);
    }
    lesson_.questionline = english;
    bothlanguages(lesson_, english, malay, false);
    finishconversion(lesson_);
}

void Tposerm::moneyhandover(uint8_t kind)
{
    auto& s = lesson_.state;
    switch (s.blank) {
    case 0:
        s.answertext = firsttext_;
        s.answertext2 = "RM" + to_string(s.firstnum);
        break;
    case 1:
        if (s.opkind == 0) {
            s.answertext = numformat::trim(withoutfirstminus(secondtext_));
            s.answertext2 = "RM" + magnitude(s.secondnum);
            if (s.secondnum == 0)
                s.answertext3 = "$0";  // shown as a bare 0, but an amount all the same
        } else {
            s.answertext = magnitude(s.secondnum);
        }
        break;
    default:
        // The count of notes has no currency; amounts are right in RM too.
        s.answertext = resulttext_;
        if (kind == 29 || kind == 30)
            s.answertext2 = "RM" + to_string(s.resultnum);
        break;
    }
    s.blank = 2;
}
