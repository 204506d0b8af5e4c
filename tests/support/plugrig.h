// A number-question object on a lesson with the in-memory screen, composing one kind at a
// time as the dispatcher would.
#pragma once

#include "numbers/numplug.h"
#include "support/lessonrig.h"
#include "wordq/poselitq.h"

#include <memory>
#include <string>

template <class Generator>
struct Plugrig : Rig<Generator> {
    Tnumplug plug{this->lesson};
    std::string out1, out2;

    // Composes kind `kind` for the grade on a cleared box, "!!!" as the second answer.
    void compose(int kind, int grade)
    {
        this->lesson.state.gradebutton = "darjah" + std::to_string(grade);
        this->box.clear();
        this->lesson.state.answertext2 = "!!!";
        plug.composenumber(static_cast<uint8_t>(kind), grade, out1, out2);
    }
    void withstories() { this->lesson.litq = std::make_unique<Tposelitq>(this->lesson); }
};
