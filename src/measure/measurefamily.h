// The measurement questions as one of the lesson's question families: weights, lengths,
// money and clock times. The chooser draws a measurement kind for the grade and the ticked
// sub-topics, the composer has the poser that owns the kind write it, and the gate and the
// reward rule go by the kind.
//
// Measurement kinds: length 1-11, time 12-14 and 16-19, weight 20-28, money 29-30 and
// 32-39. Only the time poser is built so far; the chooser offers weight, length and money
// once their posers join (until then their boxes stay unavailable in the checklist).
#pragma once

#include "lesson/family.h"

#include <cstdint>
#include <memory>
#include <string>

class Lesson;
class Ttimetuvo;

class Measurefamily final : public Questionfamily {
public:
    enum Category { weight, length, money, time };

    explicit Measurefamily(Lesson& lesson);
    ~Measurefamily() override;

    // Are the posers of the category built?
    static bool built(Category category);

    // Made anew at every lesson start with clock times ticked.
    std::unique_ptr<Ttimetuvo> timetuvo;

    // The measurement ticks of a lesson start: makes the posers they need.
    void readmeasureticks(const Ticks& ticks);
    // A similar question (newoper) keeps the current kind; only built categories take part.
    uint8_t choosemeasurement(bool newoper, int grade, bool useweight, bool uselength, bool usemoney, bool usetime);
    void composemeasurement(uint8_t kind, int grade, std::string& composerout2);
    bool canmeasurenext(uint8_t trycount, uint8_t kind);

    void lessonstart(const Ticks& ticks) override { readmeasureticks(ticks); }
    bool offers(Topicbox box) const override;
    bool cangive(uint8_t trycount) override;
    void ask(bool newoper) override;
    bool counts(const LessonState& state, const Checklistprops& props) const override;
    void clearkind() override;

private:
    Lesson& lesson_;
};
