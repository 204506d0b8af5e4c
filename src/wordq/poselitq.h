// Tposelitq reads a word problem for the current question from "litq.txt", fills in the
// lesson's numbers and writes it into the question box in the languages chosen.
#pragma once

#include <cstdint>
#include <string>

class Lesson;

// Texts a poser lends to its stories: the time poser its dates and durations, the length
// poser a length with its unit. Empty when there is none.
struct Storytexts {
    std::string astr, bstr, b1str;
};

// Told once per run when "litq.txt" cannot be read: questions then show as sentences.
inline constexpr const char* nostoryfile =
    "The word-problem file \"litq.txt\" is missing or cannot be read, so questions are shown as number "
    "sentences./Fail soalan cerita \"litq.txt\" tiada atau tidak dapat dibaca, jadi soalan ditunjukkan "
    "sebagai ayat matematik.";

class Tposelitq {
public:
    explicit Tposelitq(Lesson& lesson) : lesson_(lesson) {}

    int32_t picturekind = 0;  // picture of the question on screen, 0 none
    double scale = 1.0;       // scale of the picture geometry
    uint8_t pick = 1;         // number of the chosen problem
    const Storytexts* storytexts = nullptr;

    enum class Outcome {
        written,   // the problem is in the question box
        nofile,    // "litq.txt" is missing or unreadable: nothing written
        notfound,  // no such grade, section or problem: "Maaf! Cuba lagi!" was shown
    };
    Outcome readwordproblem();
    std::string substitute(const std::string& line) const;

private:
    Lesson& lesson_;
};
