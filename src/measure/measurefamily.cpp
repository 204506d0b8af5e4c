#include "measurefamily.h"

#include "arith/arithmetic.h"
#include "lesson/lesson.h"
#include "time/timetuvo.h"

#include <array>
#include <vector>

namespace {

// The chooser draws a value per category and grade; this maps it to the kind. Values that
// no draw gives map to 0.
constexpr std::array<uint8_t, 51> kindofdraw{
    0,  1,  3,  9,  2,  5,  6,  7,  8,  4,  10, 10, 10, 10, 10, 17, 12,  // 0..16
    13, 16, 18, 18, 14, 14, 19, 19, 0,  0,  20, 21, 22, 28, 24, 25, 26,  // 17..33
    27, 23, 29, 30, 37, 33, 34, 35, 36, 38, 38, 39, 39, 39, 32, 0,  11,  // 34..50
};

}  // namespace

Measurefamily::Measurefamily(Lesson& lesson) : lesson_(lesson) {}

Measurefamily::~Measurefamily() = default;

bool Measurefamily::built(Category category) { return category == time; }

bool Measurefamily::offers(Topicbox box) const
{
    switch (box) {
    case Topicbox::kg: return built(weight);
    case Topicbox::cm: return built(length);
    case Topicbox::rm: return built(money);
    case Topicbox::time: return built(time);
    default: return false;
    }
}

void Measurefamily::readmeasureticks(const Ticks& ticks)
{
    if (ticks.time)
        timetuvo = std::make_unique<Ttimetuvo>(lesson_);
}

uint8_t Measurefamily::choosemeasurement(bool newoper, int grade, bool useweight, bool uselength, bool usemoney,
                                         bool usetime)
{
    if (newoper)
        return static_cast<uint8_t>(lesson_.lengthkind);
    auto& random = lesson_.random;
    std::vector<Category> ticked;
    for (const auto& [use, category] : {std::pair{useweight, weight}, std::pair{uselength, length},
                                        std::pair{usemoney, money}, std::pair{usetime, time}})
        if (use)
            ticked.push_back(category);
    if (ticked.empty())
        return 0;
    // Every ticked sub-topic is as likely as the others (one tick draws nothing).
    const Category category = ticked[static_cast<size_t>(random(static_cast<int32_t>(ticked.size())))];

    int32_t v = 0;
    switch (category) {
    case weight:
        if (grade == 4)
            v = random(4) + 27;
        else if (grade >= 5)
            v = random(5) + 31;
        break;
    case length:
        if (grade == 3 || grade == 4)
            v = random(4) + 1;
        else if (grade == 5)
            v = random(11) + 4;
        else if (grade == 6) {
            v = random(17) + 4;
            if (v >= 15)
                v = 50;  // the triangle's area, six times in seventeen
        }
        break;
    case money:
        if (grade == 3)
            v = random(9) + 36;
        else if (grade == 4)
            v = random(8) + 39;
        else if (grade >= 5)
            v = random(10) + 39;
        break;
    case time:
        if (grade <= 2)
            v = 15;  // reading the clock is all the first two grades do
        else if (grade == 3)
            v = random(7) + 16;
        else
            v = random(9) + 16;
        break;
    }
    const uint8_t kind = v >= 0 && v < static_cast<int32_t>(kindofdraw.size()) ? kindofdraw[static_cast<size_t>(v)] : 0;
    lesson_.lengthkind = kind;
    return kind;
}

void Measurefamily::composemeasurement(uint8_t kind, int grade, [[maybe_unused]] std::string& composerout2)
{
    // composerout2 takes the number composer's question text for the unit kinds, which
    // come with the weight, length and money posers.
    Ttimetuvo* t = timetuvo.get();
    if (!t)
        return;
    if (grade <= 2) {
        if (kind == 17)
            t->poseclock(grade, 17);
        return;
    }
    auto& random = lesson_.random;
    switch (kind) {
    case 12:
    case 13:
    case 16:
        t->poseclock(grade, kind);
        break;
    case 14:
        t->posecalendar(grade);
        break;
    case 18:
        t->posebus(grade);
        break;
    case 19:
        if (grade >= 4) {
            // Grade 4 converts seconds and minutes, minutes and hours; later grades hours,
            // days, weeks, months and years.
            const int pair = grade == 4 ? random(2) + 3 : random(3);
            t->poseunits(pair, random(4));
        }
        break;
    default:
        break;
    }
}

bool Measurefamily::canmeasurenext(uint8_t trycount, uint8_t kind)
{
    if (lesson_.view.practicedown())
        return true;
    if (kind >= 1 && kind <= 9)
        return cannew(lesson_);
    // Everything else: answered at least once.
    if (trycount == 0)
        return false;
    lesson_.state.trycount = 0;
    lesson_.state.questiondone = false;
    return true;
}

bool Measurefamily::cangive(uint8_t trycount)
{
    return canmeasurenext(trycount, static_cast<uint8_t>(lesson_.lengthkind));
}

void Measurefamily::ask(bool newoper)
{
    auto& s = lesson_.state;
    const int grade = s.grade();
    s.measkind = choosemeasurement(newoper, grade, s.useweight && built(weight), s.uselength && built(length),
                                   s.usemoney && built(money), s.usetime && built(time));
    // A kind that writes nothing must not leave the last question's answer to be typed.
    s.answertext.clear();
    composemeasurement(s.measkind, grade, s.composerout2);
}

bool Measurefamily::counts(const LessonState& s, const Checklistprops& props) const
{
    const int k = lesson_.lengthkind;
    // The multiple choice counts a right first try; the rest the first right answer to a
    // new question.
    if (k == 4)
        return s.trycount == 1 && !props.newoper;
    return s.freshquestion && ((k >= 1 && k <= 3) || (k >= 5 && k <= 38));
}

void Measurefamily::clearkind() { lesson_.lengthkind = 0; }
