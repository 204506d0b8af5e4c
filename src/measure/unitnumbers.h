// The number-question objects with units: the decimal and multiple-choice questions of
// lengths (m, cm), weights (kg, g) and money ($, ct) come from the number composer, which
// asks these for their labels, their result texts and their mark in a multiplication line.
#pragma once

#include "numbers/numplug.h"

// Units after the number: lengths and weights.
class Tnumunit : public Tnumplug {
public:
    Tnumunit(Lesson& lesson, std::string big, std::string small, int places, int width)
        : Tnumplug(lesson), big_(std::move(big)), small_(std::move(small)), places_(places), width_(width)
    {
    }
    std::string firstunit() override { return firstunit_ = big_; }
    std::string secondunit() override { return secondunit_ = small_; }
    std::string resulttext(const Tfractionq& record) override;
    void unitlines(std::string& question) override;

private:
    std::string big_, small_;
    int places_, width_;  // decimal places of a result, and its "%W.Wg" field
};

class Tnummeas final : public Tnumunit {
public:
    explicit Tnummeas(Lesson& lesson) : Tnumunit(lesson, "m", "cm", 2, 5) {}
};

class Tnumkg final : public Tnumunit {
public:
    explicit Tnumkg(Lesson& lesson) : Tnumunit(lesson, "kg", "g", 3, 7) {}
};

// Money: "$" before the amount, cents as "ct".
class Tnumrm final : public Tnumplug {
public:
    explicit Tnumrm(Lesson& lesson) : Tnumplug(lesson) {}
    std::string secondunit() override { return secondunit_ = "ct"; }
    std::string thirdunit() override { return thirdunit_ = "$"; }
    std::string resulttext(const Tfractionq& record) override;
    void unitlines(std::string& question) override;
};
