// Marking a typed answer, and the "Get Question" and "Try Similar Question" buttons.
#include "lesson.h"
#include "text.h"

#include "arith/arithmetic.h"

#include <charconv>
#include <cstdlib>

namespace {

const char* const tryfirst = "Try this Question first!/Cuba soalan yang ada dulu!";
const char* const ticktopic =
    "Tick a topic first: press \"Topics\", tick one and press OK./"
    "Tandakan satu topik dahulu: tekan \"Topics\", tandakan satu dan tekan OK.";
const char* const getfirst =
    "Click \"Get Question\" or \"Do Test with timer\" for Question/Tekan \"Sampaikan Soalan\" atau "
    "\"Ujian bermeter\" untuk soalan";

// A whole number and nothing else (a sign allowed), as a pupil would type it.
bool readinteger(const std::string& text, int32_t& value)
{
    const char* begin = text.data();
    const char* end = begin + text.size();
    if (begin != end && *begin == '+')
        ++begin;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    return ec == std::errc() && ptr == end && begin != end;
}

// "!!!" only marks that a question has no second form: typing it is never right, and
// neither is an empty answer to a question that was left without one.
bool acceptedanswer(const LessonState& s, const std::string& typed)
{
    if (typed.empty())
        return false;
    return typed == s.answertext || (typed == s.answertext2 && s.answertext2 != "!!!") ||
           (typed == s.answertext3);
}

bool anywholenumber(const LessonState& s, bool& butzero)
{
    const bool zerotimes = s.opkind == 1 && ((s.firstnum == 0 && s.blank == 1) ||
                                             (s.secondnum == 0 && s.blank == 0) ||
                                             (s.firstnum == 0 && s.secondnum == 0));
    const bool zerodivided = s.opkind == 2 && (s.answertext == "0" || s.answertext2 == "0") &&
                             s.firstnum == 0 && s.blank != 0;
    butzero = zerodivided && !zerotimes;
    return (zerotimes || zerodivided) && s.blank != 2;
}

}  // namespace

std::string expectedanswer(const LessonState& s)
{
    bool butzero = false;
    if (anywholenumber(s, butzero))
        return butzero ? "any whole number but 0" : "any whole number";
    switch (s.blank) {
    case 0: return std::to_string(s.firstnum);
    case 1: return std::to_string(std::abs(s.secondnum));
    default:
        if (s.remainder > 0)
            return std::to_string(s.resultnum) + " remainder " + std::to_string(s.remainder);
        return s.answertext2 == "!!!" || s.answertext2.empty() || s.answertext2 == s.answertext ? s.answertext
                                                               : s.answertext + " or " + s.answertext2;
    }
}

void Lesson::edtjawapKeyPress(const std::string& typed)
{
    auto& s = state;
    s.questiondone = false;
    view.setmarking(false);
    view.showcheer(false);
    const std::string tt = trimmed(typed);

    bool right = false;
    bool counted = !tt.empty();  // an empty answer is not a try
    bool butzero = false;
    // Anything times 0 is 0, so for 0 X ___ = 0 any whole number is right; 0 ÷ ___ = 0
    // takes any divisor but 0.
    if (anywholenumber(s, butzero)) {
        int32_t n = 0;
        const bool number = readinteger(tt, n);
        // Something that is not a number is simply wrong, for x as for ÷.
        right = number && !(butzero && n == 0);
    } else {
        switch (s.blank) {
        case 0: right = tt == std::to_string(s.firstnum); break;
        case 1: right = tt == std::to_string(std::abs(s.secondnum)); break;
        case 2:
            if (s.remainder <= 0) {
                right = acceptedanswer(s, tt);
            } else if (typed.find("remainder") != std::string::npos || typed.find("baki") != std::string::npos) {
                const std::string quotient = std::to_string(s.resultnum), rest = std::to_string(s.remainder);
                s.answertext = quotient + " remainder " + rest;
                s.answertext2 = quotient + " baki " + rest;
                right = typed == s.answertext || typed == s.answertext2;
            } else {
                counted = true;  // a missing remainder always counts as a try
            }
            break;
        default:
            view.message("Something fishy!");
            return;
        }
    }

    if (right) {
        view.setmarking(true);
        view.playsound("right");
        s.questiondone = true;
        ++s.trycount;
        dobonus();
    } else {
        if (counted)
            ++s.trycount;
        view.playsound("ohoh");
        view.message("Cuba Lagi!");
        setbonus(0);
    }
}

void Lesson::btnnewqClick()
{
    view.clearexamplelink();
    // With nothing ticked there is no question to give: say so rather than do nothing.
    const Ticks t = topicsasked();
    if (!(t.plusminus || t.multi || t.divide || t.num || t.fract || t.deci || t.kg || t.cm || t.rm || t.time)) {
        view.message(ticktopic);
        view.focusanswer();
        return;
    }
    bool allowed = false;
    if (props.topic == 0) {
        allowed = cannew(*this);
    } else {
        Questionfamily* family = props.topic == 1 ? numbers : measures;
        allowed = family && family->cangive(state.trycount);
        if (allowed)
            state.freshquestion = true;
    }
    if (allowed) {
        props.newoper = false;
        view.setmarking(false);
        view.clearanswer();
        state.remainder = 0;
        askq();
    } else {
        view.message(tryfirst);
    }
    view.focusanswer();
}

void Lesson::btnnewvarClick()
{
    if (props.topic == 0) {
        if (cansimilar(*this)) {
            view.setmarking(false);
            view.clearanswer();
            state.remainder = 0;
            props.newoper = true;
            // Straight to the operation: the picture, the second answer form and the
            // tutorial link stay as they were.
            pickoperation(*this, true, props.plus, props.multi, props.divide);
        } else {
            view.message(state.questiondone ? getfirst : tryfirst);
            view.focusanswer();
        }
        return;
    }
    Questionfamily* family = props.topic == 1 ? numbers : measures;
    if (family && family->cangive(state.trycount)) {
        view.setmarking(false);
        view.clearanswer();
        state.remainder = 0;
        props.newoper = true;
        state.freshquestion = false;
        askq();
        if (props.topic == 2)
            view.focusanswer();
    } else {
        view.message(tryfirst);
        view.focusanswer();
    }
}
