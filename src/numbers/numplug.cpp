// The number-question object: the kind chooser, the gate, the answer hand-over and the
// composer's entry. The kinds themselves are written in choices.cpp (multiple choice),
// typed.cpp (rounding and decimals), series.cpp (series, place value, missing number) and
// percent.cpp (percentages, the bar graph and the word problems).
#include "numplug.h"

#include "arith/arithmetic.h"
#include "lesson/lesson.h"

#include <filesystem>

Tnumplug::Tnumplug(Lesson& lesson) : enginefactory([] { return Numengobject(); }), lesson_(lesson) {}

Tnumplug::~Tnumplug() = default;

std::string Tnumplug::firstunit() { return firstunit_ = ""; }
std::string Tnumplug::secondunit() { return secondunit_ = ""; }
std::string Tnumplug::thirdunit() { return thirdunit_ = ""; }
std::string Tnumplug::resulttext(const Tfractionq& record) { return engine->fractiontext(record, flanswer); }
void Tnumplug::unitlines(std::string&) {}
void Tnumplug::spare() {}

int32_t Tnumplug::random(int32_t n) { return lesson_.random(n); }

bool Tnumplug::numberavailability(const Workfolder& folder) { return folder.folderexists("numdll"); }

uint8_t Tnumplug::choosekind(bool similar, int grade, bool n, bool f, bool d)
{
    if (similar)
        return kind;
    // Draw an index by the grade and ticks, then map it to a kind.
    int e = -1;
    auto shift = [&e](int from, int to, int by) {
        if (e >= from && e <= to)
            e += by;
    };
    if (grade <= 3) {
        if (n && f) {
            e = random(9);
            shift(5, 8, 5);
        } else if (n) {
            e = random(5);
        } else if (f) {
            e = 10 + random(4);
        }
    } else if (n && f && d) {
        if (grade == 4) {
            e = random(16);
            shift(10, 15, 10);
            shift(5, 9, 5);
        } else if (grade == 5) {
            e = random(21);
            shift(15, 20, 5);
            shift(6, 14, 4);
        } else {
            e = random(25);
            if (e == 9)
                e = 8;
            shift(19, 24, 1);
        }
    } else if (n && f) {
        if (grade == 4) {
            e = random(10);
            shift(6, 9, 5);
        } else if (grade == 5) {
            e = random(15);
            shift(6, 14, 4);
        } else {
            e = random(16);
            shift(9, 15, 1);
        }
    } else if (f && d) {
        if (grade == 4) {
            e = 10 + random(11);
            shift(15, 20, 5);
        } else {
            e = 10 + random(15);
            shift(19, 24, 1);
        }
    } else if (n && d) {
        if (grade == 6) {
            e = random(13);
            shift(9, 12, 11);
        } else {
            e = random(12);
            shift(6, 11, 14);
        }
    } else if (n) {
        if (grade == 4)
            e = random(5);
        else if (grade == 5)
            e = random(6);
        else {
            e = random(11);
            if (e >= 9)
                e = 8;
        }
    } else if (f) {
        e = 10 + random(grade == 4 ? 5 : 9);
    } else if (d) {
        e = 20 + random(6);
    }
    static const int8_t kinds[26] = {5, 1, 2, 3, 4, 6, 7, 8, 9, 0, 10, 11, 13, 14, 12, 15, 18, 16, 17, 0, 19, 20, 21, 22, 23, 24};
    kind = e >= 0 && e <= 25 ? static_cast<uint8_t>(kinds[e]) : 0;
    return kind;
}

bool Tnumplug::cangive(uint8_t trycount, uint8_t k)
{
    if (lesson_.view.practicedown())
        return true;
    const bool typed = (k >= 3 && k <= 7) || k == 9 || (k >= 20 && k <= 24);
    if (typed)
        return cannew(lesson_);
    // Choices, the percentage story and no question yet: answered at least once.
    if (trycount < 1)
        return false;
    lesson_.state.trycount = 0;
    lesson_.state.questiondone = false;
    return true;
}

void Tnumplug::handover()
{
    auto& s = lesson_.state;
    s.firstnum = 1;
    s.secondnum = 1;
    s.blank = 2;
    s.opkind = 0;
    s.remainder = 0;
    s.answertext = answer;
    // A dollar answer is also right with "RM" in place of the "$" (and only a dollar
    // answer: 345 cents is not "RM45").
    if (!s.answertext.empty() && s.answertext[0] == '$')
        s.answertext2 = "RM" + s.answertext.substr(1);
}

void Tnumplug::composenumber(uint8_t k, int grade, std::string& answertext, std::string& questiontext)
{
    // A fresh engine for every question; the one it replaces is freed.
    engine.reset(enginefactory());
    firstunit();
    secondunit();
    thirdunit();
    switch (k) {
    case 1: case 2: case 10: case 11: case 12: case 13: case 14: case 15: case 18: case 19:
        multiplechoice(k, grade, answertext, questiontext);
        break;
    case 3: roundingquestion(grade, answertext); break;
    case 20: case 21: case 22: case 23: decimalquestion(k, grade, answertext); break;
    case 24: fractiontodecimal(grade, answertext); break;
    case 4: seriesgrid(grade); break;
    case 5: placevalue(grade); break;
    case 6: missingnumber(); break;
    case 7: fractionpercent(grade); break;
    case 8: percentproblem(); break;
    case 9: bargraph(grade); break;
    case 16: fractionproblem1(); break;
    case 17: fractionproblem2(); break;
    default: break;
    }
}

void Tnumplug::header(const std::vector<std::string>& english, const std::vector<std::string>& malay,
                      bool emptyline)
{
    auto& box = lesson_.box;
    box.setcolour(colours::black);
    if (!lesson_.view.malaydown())
        for (const auto& line : english)
            box.addline(line);
    box.setcolour(colours::blue);
    if (!lesson_.view.englishdown())
        for (const auto& line : malay)
            box.addline(line);
    if (emptyline)
        box.addline("");
    box.setcolour(colours::black);
}

void Tnumplug::bodycolour() { lesson_.box.setcolour(lesson_.view.malaydown() ? colours::blue : colours::black); }
