// The number questions as one of the lesson's question families.
#pragma once

#include "lesson/family.h"
#include "numplug.h"

class Numberfamily final : public Questionfamily {
public:
    explicit Numberfamily(Lesson& lesson) : plug(lesson), lesson_(lesson) {}

    Tnumplug plug;

    void lessonstart(const Ticks&) override {}  // the engine comes with every question
    bool offers(Topicbox box) const override;
    bool cangive(uint8_t trycount) override;
    void ask(bool newoper) override;
    void handoveranswer() override;
    void describe(tutorial::Asked& asked) const override;
    bool counts(const LessonState& state, const Checklistprops& props) const override;
    void clearkind() override { plug.kind = 0; }

private:
    Lesson& lesson_;
};
