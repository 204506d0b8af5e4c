#include "numberfamily.h"

#include "lesson/lesson.h"
#include "tutorial/catalogue.h"

namespace {

// Kinds that leave the lesson state themselves rather than through the hand-over.
bool setsitsownstate(uint8_t kind) { return (kind >= 4 && kind <= 9) || kind == 16 || kind == 17; }

}  // namespace

bool Numberfamily::offers(Topicbox box) const
{
    return box == Topicbox::num || box == Topicbox::fract || box == Topicbox::deci;
}

bool Numberfamily::cangive(uint8_t trycount) { return plug.cangive(trycount, plug.kind); }

void Numberfamily::ask(bool newoper)
{
    auto& s = lesson_.state;
    s.numkind = plug.choosekind(newoper, s.grade(), s.usenumbers, s.usefractions, s.usedecimals);
    plug.composenumber(s.numkind, s.grade(), s.composerout1, s.composerout2);
}

void Numberfamily::handoveranswer()
{
    if (!setsitsownstate(plug.kind))
        plug.handover();
}

void Numberfamily::describe(tutorial::Asked& asked) const { asked.numberkind = plug.kind; }

bool Numberfamily::counts(const LessonState& s, const Checklistprops& props) const
{
    const uint8_t k = plug.kind;
    // Typed answers count on the first right answer to a new question; choices only when
    // the very first try was right.
    if (s.freshquestion && ((k >= 3 && k <= 9) || (k >= 19 && k <= 24)))
        return true;
    return s.trycount == 1 && !props.newoper && ((k >= 1 && k <= 2) || (k >= 10 && k <= 18));
}
