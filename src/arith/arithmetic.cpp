// Operands for +/-, x and ÷ by grade, and the gates of the question buttons.
#include "arithmetic.h"

#include "lesson/lesson.h"

#include <cstdlib>
#include <string>

namespace {

// Two characters with the units digit second: 7 becomes "07".
std::string twodigits(int32_t n)
{
    return n < 10 ? "0" + std::to_string(n) : std::to_string(n);
}

// Can Random(bound) - firstnum have the sign of the last question's second number
// (positive, or else negative)?
bool signexists(const LessonState& s, int32_t bound)
{
    return s.secondnum > 0 ? s.firstnum < bound - 1 : s.firstnum > 0;
}

// Redraws secondnum = Random(bound) - firstnum until it has the sign of the last question's,
// so a similar question keeps its operation. When firstnum leaves no such value (it is kept
// in grades 3-6), the question becomes "+ 0" rather than drawing for ever.
void redrawsamesign(LessonState& s, Randomsource& random, int32_t bound)
{
    const bool positive = s.secondnum > 0;
    if (!signexists(s, bound)) {
        s.secondnum = 0;
        return;
    }
    do
        s.secondnum = random(bound) - s.firstnum;
    while (positive ? s.secondnum <= 0 : s.secondnum >= 0);
}

void setresult(LessonState& s, int32_t result)
{
    s.resultnum = result;
    s.answertext = std::to_string(result);
}

// Grade 1 sums never carry and differences never borrow: the second number gives way.
void nocarry(LessonState& s)
{
    const int32_t firstunits = s.firstnum % 10;
    bool changed = false;
    if (s.secondnum < 0) {
        while (firstunits < std::abs(s.secondnum) % 10) {
            ++s.secondnum;
            changed = true;
        }
    } else {
        while (firstunits + s.secondnum % 10 > 9) {
            --s.secondnum;
            changed = true;
        }
    }
    s.digits2 = twodigits(std::abs(s.secondnum));
    if (changed)
        setresult(s, s.firstnum + s.secondnum);
}

}  // namespace

void pickoperation(Lesson& lesson, bool newoper, bool plus, bool multi, bool divide, bool layout)
{
    auto& s = lesson.state;
    auto& random = lesson.random;
    const int ticked = int(plus) + int(multi) + int(divide);
    if (ticked == 0)
        return;  // nothing to ask
    if (ticked == 1)
        s.opkind = plus ? 0 : multi ? 1 : 2;
    else if (!newoper) {
        if (ticked == 3)
            s.opkind = static_cast<uint8_t>(random(3));
        else if (plus && multi)
            s.opkind = static_cast<uint8_t>(random(2));
        else if (plus)
            s.opkind = random(2) == 1 ? 2 : 0;
        else
            s.opkind = static_cast<uint8_t>(random(2) + 1);
    }
    switch (s.opkind) {
    case 0: makeplusminus(lesson, newoper, layout); break;
    case 1: makemulti(lesson, newoper, layout); break;
    default: makedivide(lesson, newoper, layout); break;
    }
}

void makeplusminus(Lesson& lesson, bool newoper, bool layout)
{
    auto& s = lesson.state;
    auto& random = lesson.random;
    const int grade = s.grade();
    if (grade < 1)
        return;
    if (grade <= 2) {
        if (newoper) {
            // A fresh first number that leaves room for the same operation.
            do
                s.firstnum = random(100);
            while (!signexists(s, 100));
            redrawsamesign(s, random, 100);
        } else {
            s.firstnum = random(100);
            s.secondnum = random(100) - s.firstnum;
        }
        setresult(s, s.firstnum + s.secondnum);
        if (grade == 1) {
            s.digits1 = twodigits(s.firstnum);
            nocarry(s);
        }
    } else {
        static const int32_t bounds[] = {0, 0, 0, 1000, 10000, 200000, 2000000};
        const int32_t bound = bounds[grade];
        if (newoper) {
            redrawsamesign(s, random, bound);
        } else {
            s.firstnum = random(bound);
            s.secondnum = random(bound) - s.firstnum;
            if (random(2) == 1) {
                if (s.firstnum % 2 != 0)
                    ++s.firstnum;
                s.partnum1 = s.partnum2 = s.firstnum / 2;
            } else {
                s.partnum1 = random(2 * s.firstnum);
                s.partnum2 = s.firstnum - s.partnum1;
            }
        }
        setresult(s, s.partnum1 + s.partnum2 + s.secondnum);
    }
    if (layout)
        lesson.poseq();
}

void makemulti(Lesson& lesson, bool /*newoper*/, bool layout)
{
    auto& s = lesson.state;
    auto& random = lesson.random;
    switch (s.grade()) {
    case 2:
        s.firstnum = random(9) + 1;
        s.secondnum = random(9) + 1;
        break;
    case 3:
        s.firstnum = random(100) + 1;
        s.secondnum = random(10) + 1;
        break;
    case 4:
        s.firstnum = random(100) + 1;
        s.secondnum = random(21) + 1;
        break;
    case 5:
    case 6:
        switch (random(3)) {
        case 0:
            s.firstnum = random(10000) + 1;
            s.secondnum = random(100) + 1;
            break;
        case 1:
            s.firstnum = (random(10) + 1) * 10;
            s.secondnum = random(10000) + 1;
            break;
        default:
            s.firstnum = (random(10) + 1) * 1000;
            s.secondnum = random(500) + 1;
            break;
        }
        break;
    default:
        return;  // grade 1 has no multiplication
    }
    setresult(s, s.firstnum * s.secondnum);
    if (layout)
        lesson.poseq();
}

void makedivide(Lesson& lesson, bool /*newoper*/, bool layout)
{
    auto& s = lesson.state;
    auto& random = lesson.random;
    // The divisor is always drawn first, then the quotient (exact) or the dividend.
    auto exact = [&](int32_t divisor, auto drawquotient) {
        const int32_t quotient = drawquotient();
        s.secondnum = divisor;
        s.firstnum = divisor * quotient;
        s.remainder = 0;
        setresult(s, quotient);
    };
    auto withremainder = [&](int32_t divisor, auto drawdividend) {
        const int32_t dividend = drawdividend();
        s.secondnum = divisor;
        s.firstnum = dividend;
        s.remainder = static_cast<int16_t>(dividend % divisor);
        setresult(s, dividend / divisor);
    };
    switch (s.grade()) {
    case 2: {
        const int32_t d = random(9) + 1;
        const int32_t q = random(10);
        s.secondnum = d;
        s.firstnum = d * q;
        setresult(s, q);  // grade 2 never has a remainder; it stays as the reset left it
        break;
    }
    case 3:
        withremainder(random(9) + 1, [&] { return random(1000); });
        break;
    case 4:
        if (random(2) == 0)
            withremainder(random(10) + 1, [&] { return random(10000) + 10; });
        else
            exact(random(100) + 1, [&] { return random(100); });
        break;
    case 5:
        switch (random(3)) {
        case 0: withremainder(random(12) + 1, [&] { return random(100000) + 12; }); break;
        case 1: exact(random(100) + 1, [&] { return random(1000); }); break;
        default: withremainder((random(10) + 1) * 100, [&] { return random(10000) + 1000; }); break;
        }
        break;
    case 6:
        switch (random(3)) {
        case 0: withremainder(random(30) + 1, [&] { return random(10000); }); break;
        case 1: exact(random(1000) + 1, [&] { return random(100); }); break;
        default: withremainder((random(10) + 1) * 1000, [&] { return random(1000000) + 10000; }); break;
        }
        break;
    default:
        return;  // grade 1 has no division
    }
    if (layout)
        lesson.poseq();
}

bool cannew(Lesson& lesson)
{
    auto& s = lesson.state;
    if (!(s.questiondone || s.trycount >= 2 || lesson.view.practicedown()))
        return false;
    s.freshquestion = true;
    s.trycount = 0;
    s.questiondone = false;
    return true;
}

bool cansimilar(Lesson& lesson)
{
    auto& s = lesson.state;
    if (!((s.trycount >= 2 && !s.questiondone) || (s.trycount >= 1 && s.questiondone) ||
          lesson.view.practicedown()))
        return false;
    s.trycount = 0;
    s.questiondone = false;
    return true;
}
