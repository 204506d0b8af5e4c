// Which sub-topics a grade may tick: the checklist's boxes with their visibility and
// enabled state, as data that the windows and the console front end both follow.
#pragma once

#include "lessonstate.h"

#include <array>

enum class Topicbox { plusminus, multi, divide, num, fract, deci, kg, cm, rm, time };
constexpr int topicboxcount = 10;

struct Boxstate {
    bool visible = false;
    bool enabled = false;
};

struct Checklistlayout {
    std::array<Boxstate, topicboxcount> boxes{};
    bool aritgroup = false, numbgroup = false, measgroup = false;  // family group boxes shown
    bool mixedlabel = false;  // ", +/-" beside "x": grade 6 mixes them
    bool shapepicture = false, percentlabel = false, graphpicture = false;

    const Boxstate& operator[](Topicbox b) const { return boxes[static_cast<int>(b)]; }
    Boxstate& operator[](Topicbox b) { return boxes[static_cast<int>(b)]; }
};

// The checklist after the pupil's name is confirmed, for a grade 1..6 (all three families
// are offered; a grade outside 1..6 offers nothing).
Checklistlayout availability(int grade);

class Questionfamily;

// The measurement boxes whose questions the family cannot ask yet stay shown but disabled.
Checklistlayout withoutunbuilt(Checklistlayout layout, const Questionfamily& measures);

// "Select All Topics": ticks every box that is both visible and enabled.
Ticks selectall(const Checklistlayout& layout, Ticks ticks);

// The tick of one box.
bool& tickof(Ticks& ticks, Topicbox box);
