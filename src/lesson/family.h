// The seam for the question families that arrive after arithmetic (numbers, measurements,
// money, time). The lesson asks a family for its gate, its question and its reward rule.
#pragma once

#include "checklist.h"

#include <cstdint>

struct LessonState;
struct Checklistprops;
namespace tutorial {
struct Asked;
}

class Questionfamily {
public:
    virtual ~Questionfamily() = default;
    // A lesson starts: the family makes the posers its ticks need (the lesson has copied
    // the ticks into its state already).
    virtual void lessonstart(const Ticks& ticks) = 0;
    // Can this family ask questions of the sub-topic (its posers are built)?
    virtual bool offers(Topicbox box) const = 0;
    // May "Get Question" or "Try Similar Question" give another question of this family?
    virtual bool cangive(uint8_t trycount) = 0;
    // Chooses the kind (keeping it when newoper is set) and composes the question into the
    // question box.
    virtual void ask(bool newoper) = 0;
    // Hands the expected answer of the question just composed over to the lesson state. The
    // dispatcher links the tutorial in between: a hand-over may overwrite what was asked.
    virtual void handoveranswer() = 0;
    // Tells the tutorial link which kind of question was just composed.
    virtual void describe(tutorial::Asked& asked) const = 0;
    // Does a right answer to the current question grow the run?
    virtual bool counts(const LessonState& state, const Checklistprops& props) const = 0;
    // Forgets the current kind (the dispatcher does this when another family asks).
    virtual void clearkind() = 0;
};
