// What the lesson core asks of a screen. The Qt windows implement these; the console
// front end and the tests have their own.
#pragma once

#include <cstdint>
#include <string>

// Colours as the question box's writers name them: $BBGGRR.
namespace colours {
constexpr uint32_t black = 0x000000;
constexpr uint32_t blue = 0xFF0000;  // Malay text
constexpr uint32_t red = 0x0000FF;
}  // namespace colours

// The question box (redposeq) as the posers see it. addline adds one line; a text holding
// "\r\n" adds one line per piece, so "\r\nfoo" adds an empty line and then "foo".
class Questionbox {
public:
    virtual ~Questionbox() = default;
    virtual void clear() = 0;
    virtual void setcolour(uint32_t bgr) = 0;
    virtual void setfont(const std::string& name, int size, bool bold, bool italic) = 0;
    virtual void addline(const std::string& text) = 0;
    virtual std::string text() const = 0;  // every line, joined by "\r\n"
};

// The exercise window's buttons, boxes and services, as the core drives them.
class Exerciseview {
public:
    virtual ~Exerciseview() = default;

    // Language and mode buttons.
    virtual bool englishdown() const = 0;  // Spbeng: English only
    virtual bool malaydown() const = 0;    // Spbmal: Malay only
    virtual bool practicedown() const = 0;
    virtual void setpracticedown(bool down) = 0;
    virtual bool timerdown() const = 0;
    virtual void settimerdown(bool down) = 0;
    // The timer button's caption, its second (Malay) line and its hint.
    virtual void settimercaption(const std::string& caption) = 0;
    virtual void settimerline2(const std::string& line2) = 0;
    virtual void settimerhint(const std::string& hint) = 0;
    // The minute timer (60000 ms); the view calls Lesson::Tmr15minTimer on each tick.
    virtual void setminutetimer(bool enabled) = 0;

    // Answer side.
    virtual void setmarking(bool ticked) = 0;
    virtual void clearanswer() = 0;
    virtual void focusanswer() = 0;
    virtual void setbonuslabel(const std::string& text) = 0;
    virtual void showcheer(bool shown) = 0;  // Imbonus4 with the "cherio" animation
    virtual void clearexamplelink() = 0;     // Bbnexample disabled, caption and hint cleared
    // Bbnexample enabled; "Example" / "Contoh" and its hint put on unless already there.
    virtual void offerexamplelink() = 0;

    // Services.
    virtual void message(const std::string& text) = 0;  // modal, one OK button
    virtual void playsound(const std::string& name) = 0;  // without waiting; missing is skipped
    virtual void openreward() = 0;  // the "Yamee" window with the ice (the core plays "cashreg")
    virtual void setpicture(int kind) = 0;  // question picture kind, 0 none; repainted by the view
};
