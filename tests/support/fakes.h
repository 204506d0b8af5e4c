// In-memory stand-ins for the screen: a question box that records every line with its
// colour and font, and an exercise view that records what the core asked of it.
#pragma once

#include "lesson/ports.h"

#include <string>
#include <vector>

struct Recordedline {
    std::string text;
    uint32_t colour;
    std::string font;
    int size;
    bool bold;
};

class Recordingbox final : public Questionbox {
public:
    std::vector<Recordedline> lines;
    uint32_t colour = colours::black;
    std::string font = "Courier New";
    int size = 10;
    bool bold = false;
    bool italic = false;

    void clear() override { lines.clear(); }
    void setcolour(uint32_t bgr) override { colour = bgr; }
    void setfont(const std::string& name, int sz, bool b, bool i) override
    {
        font = name;
        size = sz;
        bold = b;
        italic = i;
    }
    void addline(const std::string& text) override
    {
        std::string::size_type start = 0;
        for (;;) {
            const auto end = text.find("\r\n", start);
            lines.push_back({text.substr(start, end == std::string::npos ? std::string::npos : end - start),
                             colour, font, size, bold});
            if (end == std::string::npos)
                break;
            start = end + 2;
        }
    }
    std::string text() const override
    {
        std::string all;
        for (size_t i = 0; i < lines.size(); ++i)
            all += (i ? "\r\n" : "") + lines[i].text;
        return all;
    }
    // The texts only, one entry a line.
    std::vector<std::string> texts() const
    {
        std::vector<std::string> t;
        for (const auto& l : lines)
            t.push_back(l.text);
        return t;
    }
};

class Recordingview final : public Exerciseview {
public:
    bool english = false, malay = false, practice = false, timer = false;
    bool minutetimer = false;
    bool marking = false;
    bool cheer = false;
    int answerclears = 0, focuses = 0, examplelinkclears = 0, examplelinkoffers = 0, rewards = 0;
    int picture = 0;
    std::string timercaption = "Do Test with Timer  ", timerline2 = "Ujian bermeter", timerhint;
    std::string bonuslabel = "0";
    std::vector<std::string> messages, sounds;

    bool englishdown() const override { return english; }
    bool malaydown() const override { return malay; }
    bool practicedown() const override { return practice; }
    void setpracticedown(bool down) override { practice = down; }
    bool timerdown() const override { return timer; }
    void settimerdown(bool down) override { timer = down; }
    void settimercaption(const std::string& c) override { timercaption = c; }
    void settimerline2(const std::string& l2) override { timerline2 = l2; }
    void settimerhint(const std::string& h) override { timerhint = h; }
    void setminutetimer(bool enabled) override { minutetimer = enabled; }
    void setmarking(bool ticked) override { marking = ticked; }
    void clearanswer() override { ++answerclears; }
    void focusanswer() override { ++focuses; }
    void setbonuslabel(const std::string& text) override { bonuslabel = text; }
    void showcheer(bool shown) override { cheer = shown; }
    void clearexamplelink() override { ++examplelinkclears; }
    void offerexamplelink() override { ++examplelinkoffers; }
    void message(const std::string& text) override { messages.push_back(text); }
    void playsound(const std::string& name) override { sounds.push_back(name); }
    void openreward() override { ++rewards; }
    void setpicture(int kind) override { picture = kind; }
};
