#include "checklist.h"
#include "family.h"

Checklistlayout availability(int grade)
{
    Checklistlayout c;
    if (grade < 1 || grade > 6)
        return c;
    c.aritgroup = c.numbgroup = c.measgroup = true;
    auto set = [&c](Topicbox b, bool enabled) { c[b] = {true, enabled}; };

    // Grade 1 only adds and takes away.
    set(Topicbox::plusminus, true);
    set(Topicbox::multi, grade >= 2);
    set(Topicbox::divide, grade >= 2);
    c.mixedlabel = grade == 6;

    set(Topicbox::num, true);
    set(Topicbox::fract, grade >= 3);
    set(Topicbox::deci, grade >= 4);
    c.shapepicture = grade >= 4;
    c.percentlabel = c.graphpicture = grade == 6;

    // Weights from grade 4, lengths and money from grade 3, clock times always.
    set(Topicbox::kg, grade >= 4);
    set(Topicbox::cm, grade >= 3);
    set(Topicbox::rm, grade >= 3);
    set(Topicbox::time, true);
    return c;
}

Checklistlayout withoutunbuilt(Checklistlayout layout, const Questionfamily& measures)
{
    for (const Topicbox box : {Topicbox::kg, Topicbox::cm, Topicbox::rm, Topicbox::time})
        layout[box].enabled = layout[box].enabled && measures.offers(box);
    return layout;
}

bool& tickof(Ticks& t, Topicbox box)
{
    switch (box) {
    case Topicbox::plusminus: return t.plusminus;
    case Topicbox::multi: return t.multi;
    case Topicbox::divide: return t.divide;
    case Topicbox::num: return t.num;
    case Topicbox::fract: return t.fract;
    case Topicbox::deci: return t.deci;
    case Topicbox::kg: return t.kg;
    case Topicbox::cm: return t.cm;
    case Topicbox::rm: return t.rm;
    case Topicbox::time: break;
    }
    return t.time;
}

Ticks selectall(const Checklistlayout& layout, Ticks ticks)
{
    for (int i = 0; i < topicboxcount; ++i) {
        const auto box = static_cast<Topicbox>(i);
        if (layout[box].visible && layout[box].enabled)
            tickof(ticks, box) = true;
    }
    return ticks;
}
