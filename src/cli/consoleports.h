// The question box and exercise window of a terminal: lines are printed as they are
// written, Malay lines in blue when the terminal shows colours.
#pragma once

#include "lesson/ports.h"

#include <ostream>
#include <string>
#include <vector>

class Consolebox final : public Questionbox {
public:
    struct Line {
        std::string text;
        uint32_t colour;
    };
    std::vector<Line> lines;
    uint32_t colour = colours::black;

    void clear() override { lines.clear(); }
    void setcolour(uint32_t bgr) override { colour = bgr; }
    void setfont(const std::string&, int, bool, bool) override {}
    void addline(const std::string& text) override;
    std::string text() const override;

    // The question as a pupil reads it: the leading blank lines dropped.
    void print(std::ostream& out, bool ansicolour) const;
};

class Consoleview final : public Exerciseview {
public:
    explicit Consoleview(std::ostream& out) : out_(out) {}

    bool english = false, malay = false;  // English only, Malay only
    bool quiet = false;                   // worksheets print no marking chatter...
    std::ostream* notices = nullptr;      // ...and send messages here instead

    bool englishdown() const override { return english; }
    bool malaydown() const override { return malay; }
    bool practicedown() const override { return false; }
    void setpracticedown(bool) override {}
    bool timerdown() const override { return false; }
    void settimerdown(bool) override {}
    void settimercaption(const std::string&) override {}
    void settimerline2(const std::string&) override {}
    void settimerhint(const std::string&) override {}
    void setminutetimer(bool) override {}
    void setmarking(bool ticked) override;
    void clearanswer() override {}
    void focusanswer() override {}
    void setbonuslabel(const std::string& text) override;
    void showcheer(bool shown) override;
    void clearexamplelink() override {}
    void offerexamplelink() override {}
    void message(const std::string& text) override;
    void playsound(const std::string&) override {}
    void openreward() override;
    void setpicture(int kind) override { picture = kind; }

    int picture = 0;

private:
    std::ostream& out_;
    std::string bonus_ = "0";
};
