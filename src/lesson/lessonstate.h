// The lesson: the grade, the ticks, and everything about the question on screen. Posers
// leave their numbers and expected answers here; the marking reads them back.
#pragma once

#include <cstdint>
#include <string>

struct LessonState {
    std::string gradebutton;  // "darjah1".."darjah6"
    bool usenumbers = false, usefractions = false, usedecimals = false;
    bool useweight = false, uselength = false, usemoney = false, usetime = false;
    std::string answertext;
    std::string answertext2;  // second accepted form; "!!!" (none) before every dispatched question
    std::string answertext3;  // a further accepted form, such as an old spelling; empty when none
    int32_t firstnum = 0;
    int32_t secondnum = 0;  // in +/- a negative value means subtraction
    int32_t partnum1 = 0;
    int32_t partnum2 = 0;
    uint8_t opkind = 0;  // 0 +/-, 1 x, 2 ÷
    int16_t remainder = 0;
    int32_t resultnum = 0;
    std::string digits1, digits2;  // grade 1: two-digit texts, 7 is "07"
    int32_t blank = 0;             // asked number: 0 first, 1 second, 2 result
    std::string wordsign;          // word-problem section key; empty between questions
    int32_t wordform = 0;          // 1: shown as a word problem
    bool questiondone = false;     // no question is open
    uint8_t trycount = 0;
    bool freshquestion = false;  // from "Get Question", first counted right answer to come
    int32_t minutesleft = 0;
    uint8_t numkind = 0;
    uint8_t measkind = 0;
    std::string composerout1, composerout2;

    // The grade is the seventh character of the grade button's name; 0 before a choice.
    int grade() const
    {
        if (gradebutton.size() < 7)
            return 0;
        const char c = gradebutton[6];
        return c >= '1' && c <= '6' ? c - '0' : 0;
    }
};

// The properties the topic checklist publishes.
struct Checklistprops {
    bool newoper = false;  // the next question is a similar one
    bool plus = false, multi = false, divide = false;
    uint8_t bonus = 0;  // run of right answers
    uint8_t topic = 0;  // 0 arithmetic, 1 number, 2 measurement
    std::string studentname;
    int example = 0;  // tutorial linked to the question
    std::string examplemark;  // where in it the link starts (a mark of its script), or empty
};

// The ten sub-topic boxes of the checklist.
struct Ticks {
    bool plusminus = false, multi = false, divide = false;
    bool num = false, fract = false, deci = false;
    bool kg = false, cm = false, rm = false, time = false;
};
