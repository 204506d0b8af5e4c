#include "measurefamily.h"

#include "area.h"
#include "currency.h"
#include "unitnumbers.h"
#include "unitposers.h"

#include "arith/arithmetic.h"
#include "lesson/lesson.h"
#include "time/timetuvo.h"
#include "tutorial/catalogue.h"

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

Measurefamily::Measurefamily(Lesson& lesson)
    : posemeas(std::make_unique<Tposemeas>(lesson)), nummeas(std::make_unique<Tnummeas>(lesson)), lesson_(lesson)
{
    lesson_.lengthkind = 0;
}

Measurefamily::~Measurefamily() = default;

bool Measurefamily::offers(Topicbox box) const
{
    return box == Topicbox::kg || box == Topicbox::cm || box == Topicbox::rm || box == Topicbox::time;
}

void Measurefamily::readmeasureticks(const Ticks& ticks)
{
    // Every unit family can meet money: the money objects are there whenever one is ticked.
    const auto moneyobjects = [this](bool anew) {
        if (anew || !poserm)
            poserm = std::make_unique<Tposerm>(lesson_);
        if (anew || !numrm)
            numrm = std::make_unique<Tnumrm>(lesson_);
    };
    if (ticks.kg) {
        posekg = std::make_unique<Tposekg>(lesson_);
        numkg = std::make_unique<Tnumkg>(lesson_);
        moneyobjects(false);
    }
    if (ticks.cm) {
        moneyobjects(false);
        if (!area)
            area = std::make_unique<Tarea>(lesson_);
    }
    if (ticks.rm)
        moneyobjects(true);
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

void Measurefamily::composemeasurement(uint8_t kind, int grade, std::string& composerout2)
{
    if (kind == 17 || (kind >= 12 && kind <= 19)) {
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
                // Grade 4 converts seconds and minutes, minutes and hours; later grades
                // hours, days, weeks, months and years.
                const int pair = grade == 4 ? random(2) + 3 : random(3);
                t->poseunits(pair, random(4));
            }
            break;
        default:
            break;
        }
        return;
    }
    composeunits(kind, grade, composerout2);
}

// Which grades each unit kind is written for; the chooser never draws another pair.
static bool unitkindingrade(uint8_t kind, int grade)
{
    switch (kind) {
    case 1: case 3: case 9: return grade == 3 || grade == 4;
    case 2: case 38: return grade >= 3;
    case 4: case 5: case 6: case 7: case 8: case 10: return grade >= 5;
    case 11: return grade == 6;
    case 20: case 21: case 22: case 28: return grade == 4;
    case 23: case 24: case 25: case 26: case 27: case 32: return grade >= 5;
    case 29: case 30: case 37: return grade == 3;
    case 33: case 34: case 35: case 36: return grade >= 3;
    case 39: return grade >= 4;
    default: return false;
    }
}

void Measurefamily::composeunits(uint8_t kind, int grade, std::string& composerout2)
{
    if (!unitkindingrade(kind, grade))
        return;
    const bool newoper = lesson_.props.newoper;
    // The sums with units: the numbers are drawn as for arithmetic, then the unit poser
    // lays them out.
    const auto sentence = [&](Tposearit* poser, int op) {
        if (!poser)
            return;
        // Nothing to share out: "0m ÷ ___ = 0m" would have every divisor right, and a
        // length of 0 is no length at all. Such a draw is made again.
        do
            pickoperation(lesson_, newoper, op == 0, op == 1, op == 2, false);
        while (op == 2 && lesson_.state.firstnum == 0);
        lesson_.box.clear();
        switch (op) {
        case 0: poser->layoutplusminus(newoper); break;
        case 1: poser->layoutmulti(newoper); break;
        default: poser->layoutdivide(newoper); break;
        }
    };
    std::string scratch;  // the number composer's answer; its object keeps it for the hand-over
    const auto numbers = [&](Tnumplug* object, uint8_t numkind, int g) {
        if (object)
            object->composenumber(numkind, g, scratch, composerout2);
    };
    switch (kind) {
    case 1: case 2: case 3:
        if (kind == 2)
            lesson_.showpicture(0);
        sentence(posemeas.get(), kind - 1);
        break;
    case 20: case 21: case 22:
        sentence(posekg.get(), kind - 20);
        break;
    case 29: case 30:
        sentence(poserm.get(), kind - 29);
        break;
    case 4: numbers(nummeas.get(), 15, grade); break;
    case 5: case 6: case 7: case 8: numbers(nummeas.get(), static_cast<uint8_t>(kind + 15), grade); break;
    case 23: numbers(numkg.get(), 15, grade); break;
    case 24: case 25: numbers(numkg.get(), static_cast<uint8_t>(kind - 4), 7); break;  // weights to the gram
    case 26: case 27: numbers(numkg.get(), static_cast<uint8_t>(kind - 4), grade); break;
    case 32: numbers(numrm.get(), 15, grade); break;
    case 33: case 34: case 35: case 36: numbers(numrm.get(), static_cast<uint8_t>(kind - 13), grade); break;
    case 9: posemeas->conversionquestion(*nummeas); break;
    case 28:
        if (posekg && numkg)
            posekg->conversionquestion(*numkg);
        break;
    case 37:
        if (poserm && numrm)
            poserm->conversionquestion(*numrm);
        break;
    case 10: posemeas->perimeterquestion(); break;
    case 11:
        if (area)
            area->trianglequestion();
        break;
    case 38:
        if (poserm)
            poserm->countmoneyquestion(grade);
        break;
    case 39:
        if (poserm)
            poserm->invoicequestion(grade);
        break;
    default:
        break;
    }
    rewritecurrency(lesson_, kind, grade);
}

Tnumplug* Measurefamily::numberobject(uint8_t kind) const
{
    if (kind >= 4 && kind <= 9)
        return nummeas.get();
    if (kind >= 23 && kind <= 28)
        return numkg.get();
    if (kind >= 32 && kind <= 37)
        return numrm.get();
    return nullptr;
}

void Measurefamily::handover(uint8_t kind)
{
    if (kind >= 1 && kind <= 3)
        posemeas->lengthhandover();
    else if (kind >= 20 && kind <= 22) {
        if (posekg)
            posekg->weighthandover();
    } else if (kind == 29 || kind == 30 || kind == 38) {
        if (poserm)
            poserm->moneyhandover(kind);
    } else if (Tnumplug* object = numberobject(kind)) {
        object->handover();
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
    s.measkind = choosemeasurement(newoper, grade, s.useweight, s.uselength, s.usemoney, s.usetime);
    // A kind that writes nothing must not leave the last question's answer to be typed.
    s.answertext.clear();
    composemeasurement(s.measkind, grade, s.composerout2);
}

void Measurefamily::handoveranswer() { handover(lesson_.state.measkind); }

void Measurefamily::describe(tutorial::Asked& asked) const { asked.measurekind = lesson_.lengthkind; }

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
