// The length, weight and money posers: the arithmetic layouts with units on the numbers
// (12m + 7m = ___, $45 - $5 = ___), a conversion question each, and the hand-overs that
// put the expected answer, unit and all, into the lesson.
#pragma once

#include "arith/posearit.h"

#include <string>

class Tnumplug;

// Units written after the number, a big one and a small one: lengths in m and cm, weights
// in kg and g. A sentence draws one of the two and keeps it for every number.
class Tposeunit : public Tposearit {
public:
    struct Units {
        std::string big, small;
        int32_t factor;              // small units in a big one
        int32_t mixedlow, mixedspan;  // the small amount to convert: mixedlow + Random(mixedspan)
    };
    Tposeunit(Lesson& lesson, Units units) : Tposearit(lesson), units_(std::move(units)) {}

    std::string firsttext() override;
    std::string parttext1() override;
    std::string parttext2() override;
    std::string secondtext() override;
    std::string resulttext() override;
    std::string remaindertext() override;
    std::string unitafter() override;
    std::string unitbefore() override;

    virtual void smallunitheading();
    virtual void mixedunitheading();
    // "  3m 45cm = ______ cm" or "  345cm = _________"; the answer goes to `numbers`,
    // whose hand-over gives it to the lesson.
    virtual void conversionquestion(Tnumplug& numbers);

    Storytexts storytexts() const override { return {firsttext_, "", ""}; }

protected:
    // The expected answer after a sentence, with its unit: a remainder has one too.
    void handover();

private:
    Units units_;
    std::string unit_;  // the unit this sentence is written in
};

class Tposemeas final : public Tposeunit {
public:
    explicit Tposemeas(Lesson& lesson) : Tposeunit(lesson, {"m", "cm", 100, 101, 899}) {}
    void lengthhandover() { handover(); }
    // A perimeter story with its picture: the sides' labels are the four text fields.
    void perimeterquestion();
};

class Tposekg final : public Tposeunit {
public:
    explicit Tposekg(Lesson& lesson) : Tposeunit(lesson, {"kg", "g", 1000, 1001, 8999}) {}
    void weighthandover() { handover(); }
};

// Money: "$" before the number, shown as "RM" in Malay (the composer rewrites the sign).
class Tposerm final : public Tposearit {
public:
    explicit Tposerm(Lesson& lesson) : Tposearit(lesson) {}

    std::string firsttext() override;
    std::string parttext1() override;
    std::string parttext2() override;
    std::string secondtext() override;
    std::string resulttext() override;
    std::string remaindertext() override;
    std::string unitafter() override;
    std::string unitbefore() override;

    virtual void smallunitheading();
    virtual void mixedunitheading();
    virtual void conversionquestion(Tnumplug& numbers);

    void moneyhandover(uint8_t kind);
    // So many notes of each kind make the total; the pupil finds one count.
    void countmoneyquestion(int grade);
    // A bill of four goods with one cell marked "X".
    void invoicequestion(int grade);

private:
    void invoicedollars(int32_t asked, const int32_t (&unit)[4], const int32_t (&quantity)[4]);
    void invoicecents(int32_t asked, const int32_t (&unit)[4], const int32_t (&quantity)[4]);
};
