// Number sentences for +/-, x and ÷, or the word problem that tells the same sum.
#include "posearit.h"

#include "lesson/lesson.h"
#include "wordq/poselitq.h"

#include <string>

using std::to_string;

std::string Tposearit::firsttext()
{
    unitafter_.clear();
    unitbefore_.clear();
    return firsttext_ = to_string(lesson_.state.firstnum);
}

std::string Tposearit::parttext1()
{
    unitafter_.clear();
    unitbefore_.clear();
    return parttext1_ = to_string(lesson_.state.partnum1);
}

std::string Tposearit::parttext2() { return parttext2_ = to_string(lesson_.state.partnum2); }
std::string Tposearit::secondtext() { return secondtext_ = to_string(lesson_.state.secondnum); }
std::string Tposearit::resulttext() { return resulttext_ = lesson_.state.answertext; }
std::string Tposearit::remaindertext() { return remaindertext_ = to_string(lesson_.state.remainder); }
std::string Tposearit::unitafter() { return unitafter_ = ""; }
std::string Tposearit::unitbefore() { return unitbefore_ = ""; }

int Tposearit::currentkind() const { return lesson_.lengthkind; }

namespace {

bool within(int kind, int low, int high) { return kind >= low && kind <= high; }

// Measurement questions that are conversions or unit sums cannot be told as stories.
bool storyforbidden(int kind, bool multiplying)
{
    return within(kind, 1, 1) || (!multiplying && within(kind, 2, 2)) || within(kind, 3, 3) ||
           within(kind, 20, 22) || within(kind, 29, 31);
}

// "+700" or " -200": a part or second number with the operator in front of it.
std::string signedterm(int32_t value, const std::string& text)
{
    return value >= 0 ? " + " + text : " " + text;
}

}  // namespace

void Tposearit::layoutplusminus(bool newoper)
{
    auto& s = lesson_.state;
    const int grade = s.grade();
    const std::string first = firsttext(), part1 = parttext1(), part2 = parttext2(),
                      second = secondtext(), result = resulttext();
    if (!newoper) {
        s.blank = lesson_.random(6);
        if (s.blank > 2)
            s.blank = 2;  // the result is asked two times in three
    }
    if (grade >= 3 && s.blank == 0)
        s.blank = 2;

    std::string sentence;
    std::string fallback;
    switch (s.blank) {
    case 0:
        s.wordform = 0;
        sentence = (s.secondnum < 0 ? "___ " : "___ +") + second + " = " + result;
        break;
    case 1:
        s.wordform = 0;
        if (grade <= 2)
            sentence = first + (s.secondnum < 0 ? " - ___ = " : " + ___ = ") + result;
        else
            sentence = part1 + signedterm(s.partnum2, part2) +
                       (s.secondnum < 0 ? " - ___ = " : " + ___ = ") + result;
        break;
    default:
        s.wordform = storyforbidden(currentkind(), false) ? 0 : lesson_.random(2);
        if (grade <= 2) {
            s.wordsign = s.secondnum < 0 ? "-" : "+";
            sentence = s.secondnum < 0 ? first + second + " = ____" : first + " + " + second + " = ____";
        } else {
            s.wordsign = std::string(s.partnum2 >= 0 ? "+" : "-") + (s.secondnum >= 0 ? "+" : "-");
            if (s.wordsign == "++" && s.partnum1 == s.partnum2)
                s.wordsign = "2+";
            sentence = part1 + signedterm(s.partnum2, part2) + signedterm(s.secondnum, second) + " = " +
                       (s.secondnum >= 0 ? "________" : "_______");
        }
        break;
    }
    if (s.wordform == 1 && !lesson_.tellstory(storytexts()))
        s.wordform = 0;  // no story to tell: the sentence asks the same sum
    if (s.wordform == 0)
        addsentence(sentence);
    finish();
}

void Tposearit::layoutmulti(bool newoper)
{
    auto& s = lesson_.state;
    const std::string first = firsttext(), second = secondtext(), result = resulttext();
    if (!newoper)
        s.blank = lesson_.random(3);

    std::string sentence;
    if (s.blank == 0) {
        s.wordform = 0;
        sentence = "___ X " + second + " = " + result;
    } else if (s.blank == 1) {
        s.wordform = 0;
        sentence = first + " X ___ = " + result;
    } else {
        const int kind = currentkind();
        if (storyforbidden(kind, true))
            s.wordform = 0;
        else if (s.secondnum > 1)
            s.wordform = lesson_.random(2);
        // times 0 or 1 keeps the form the last question had
        if (kind == 2 && s.wordform == 1)
            s.wordsign = "m";
        if (s.wordform == 1 && !lesson_.tellstory(storytexts()))
            s.wordform = 0;
        if (s.wordform == 0)
            sentence = s.grade() == 6 ? mixedform(first, second) : first + " X " + second + " = ____";
    }
    if (s.wordform == 0)
        addsentence(sentence);
    finish();
}

// Grade 6 mixes the product with one more number, which changes the expected answer.
std::string Tposearit::mixedform(const std::string& first, const std::string& second)
{
    auto& s = lesson_.state;
    auto& random = lesson_.random;
    const std::string product = first + " X " + second;
    auto extra = [this](int32_t k) { return unitbefore_ + to_string(k) + unitafter_; };
    int32_t k = 0, answer = 0;
    std::string sentence;
    switch (random(4)) {
    case 0:
        k = random(490) + 10;
        sentence = extra(k) + " + " + product + " = ____";
        answer = s.resultnum + k;
        break;
    case 1:
        k = random(490) + 10;
        sentence = product + " + " + extra(k) + " = ____";
        answer = s.resultnum + k;
        break;
    case 2:
        k = s.resultnum + random(100) + 10;
        sentence = extra(k) + " - " + product + " = ____";
        answer = k - s.resultnum;
        break;
    default:
        k = s.resultnum - random(s.resultnum);
        sentence = product + " - " + extra(k) + " = ____";
        answer = s.resultnum - k;
        break;
    }
    resulttext_ = s.answertext = unitbefore_ + to_string(answer) + unitafter_;
    return sentence;
}

void Tposearit::layoutdivide(bool newoper)
{
    auto& s = lesson_.state;
    const int grade = s.grade();
    const std::string first = firsttext(), second = secondtext(), result = resulttext(),
                      remainder = remaindertext();
    if (!newoper) {
        s.blank = lesson_.random(3);
        if (s.remainder > 0)
            s.blank = 2;
    }
    const std::string remainderpart = s.remainder > 0 ? " remainder " + remainder : "";

    if (s.blank == 0 || s.blank == 1) {
        s.wordform = 0;
        addsentence(s.blank == 0 ? "___ ÷" + second + " = " + result + remainderpart
                                 : first + "÷" + " ___ = " + result + remainderpart);
        finish();
        return;
    }

    s.wordform = storyforbidden(currentkind(), false) ? 0 : lesson_.random(2);
    std::string sentence = first + "÷" + second + " = ____";
    bool rate = false;
    if (s.wordform == 1 && grade == 6) {
        // Grade 6 tells a rate instead: so much in so many, how much in another amount.
        auto& random = lesson_.random;
        int32_t times = 0;
        if (random(2) == 0) {
            const int32_t d = random(7) + 3;
            s.partnum2 = random(50) + 20;
            s.partnum1 = d * s.partnum2;
            s.secondnum = random(100) + 100;
            times = s.secondnum;
        } else {
            const int32_t d = random(7) + 2;
            const int32_t u = random(2) + 1;
            s.partnum2 = random(8) + 2;
            s.partnum1 = d * s.partnum2;
            s.wordsign = u == 1 ? "hr" : "dy";
            times = u == 1 ? 3600 : 1440;
        }
        s.resultnum = s.partnum1 / s.partnum2 * times;
        resulttext();
        s.answertext = to_string(s.resultnum);
        s.remainder = 0;
        rate = true;
        sentence = "(" + to_string(s.partnum1) + "÷" + to_string(s.partnum2) + ") X " + to_string(times) +
                   " = ____";
    }
    if (s.wordform == 1 && !lesson_.tellstory(storytexts()))
        s.wordform = 0;
    if (s.wordform == 0)
        addsentence(sentence);
    if (grade >= 3 && !rate)
        remaindernote();  // "if any": exact divisions get the note too
    finish();
}

void Tposearit::addsentence(const std::string& sentence)
{
    lesson_.questionline = sentence;
    lesson_.questioncolour();
    lesson_.box.addline("\r\n");
    lesson_.box.addline(sentence);
}

void Tposearit::remaindernote()
{
    auto& box = lesson_.box;
    box.setcolour(colours::black);
    if (!lesson_.view.malaydown())
        box.addline("\r\nNote: Also find the remainder,if any. Sample answer: 123 remainder 4 or 123m "
                    "remainder 4m");
    box.setcolour(colours::blue);
    if (!lesson_.view.englishdown())
        box.addline("\r\nNota: Cari juga bakinya,jika ada. Contoh jawapan: 123 baki 4 atau 123m baki 4m");
    box.setcolour(colours::black);
}

void Tposearit::finish()
{
    lesson_.state.wordsign.clear();
    lesson_.view.focusanswer();
}
