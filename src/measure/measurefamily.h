// The measurement questions as one of the lesson's question families: weights, lengths,
// money and clock times. The chooser draws a measurement kind for the grade and the ticked
// sub-topics, the composer has the poser that owns the kind write it, and the gate and the
// reward rule go by the kind.
//
// Measurement kinds: length 1-11, time 12-14 and 16-19, weight 20-28, money 29-30 and
// 32-39.
#pragma once

#include "lesson/family.h"

#include <cstdint>
#include <memory>
#include <string>

class Lesson;
class Tarea;
class Tnumkg;
class Tnummeas;
class Tnumplug;
class Tnumrm;
class Tposekg;
class Tposemeas;
class Tposerm;
class Ttimetuvo;

class Measurefamily final : public Questionfamily {
public:
    enum Category { weight, length, money, time };

    explicit Measurefamily(Lesson& lesson);
    ~Measurefamily() override;

    // The length poser and its number object are there from the name step on; the others
    // come with the ticks of a lesson start.
    std::unique_ptr<Tposemeas> posemeas;
    std::unique_ptr<Tnummeas> nummeas;
    std::unique_ptr<Tposekg> posekg;   // new with every weight lesson
    std::unique_ptr<Tnumkg> numkg;
    std::unique_ptr<Tposerm> poserm;   // there with any weight, length or money tick
    std::unique_ptr<Tnumrm> numrm;
    std::unique_ptr<Tarea> area;       // with lengths
    std::unique_ptr<Ttimetuvo> timetuvo;  // new with every clock-times lesson

    // The measurement ticks of a lesson start: makes the posers they need.
    void readmeasureticks(const Ticks& ticks);
    // A similar question (newoper) keeps the current kind.
    uint8_t choosemeasurement(bool newoper, int grade, bool useweight, bool uselength, bool usemoney, bool usetime);
    void composemeasurement(uint8_t kind, int grade, std::string& composerout2);
    bool canmeasurenext(uint8_t trycount, uint8_t kind);
    // Puts the expected answer of the kind just composed into the lesson.
    void handover(uint8_t kind);

    void lessonstart(const Ticks& ticks) override { readmeasureticks(ticks); }
    bool offers(Topicbox box) const override;
    bool cangive(uint8_t trycount) override;
    void ask(bool newoper) override;
    void handoveranswer() override;
    void describe(tutorial::Asked& asked) const override;
    bool counts(const LessonState& state, const Checklistprops& props) const override;
    void clearkind() override;

private:
    Lesson& lesson_;
    // The number object of a kind composed by the number composer or a conversion.
    Tnumplug* numberobject(uint8_t kind) const;
    void composeunits(uint8_t kind, int grade, std::string& composerout2);
};
