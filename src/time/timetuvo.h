// Ttimetuvo poses the time questions: reading a clock, minutes after or before a clock
// time and the minutes between two, the bus timetable, units of time and the calendar.
// Times are whole minutes after midnight; a clock time shows as 9:05, a part of the day
// after it as "9:05 morning" / "9:05 pagi".
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

class Lesson;

class Ttimetuvo {
public:
    explicit Ttimetuvo(Lesson& lesson) : lesson_(lesson) {}

    int32_t firsttime = 0;   // the first clock's time (0..1439 when drawn)
    int32_t duration = 0;    // minutes between the two clocks
    int32_t secondtime = 0;  // the second clock's time; may pass midnight (1440 and on)
    int32_t hour = 0;        // 1..12, of the last time split
    std::string dayword;     // "morning", "noon", "afternoon" or "midnight"
    std::string dayword2;    // the same in Malay
    int32_t hour2 = 0;       // the second clock
    // What the word-problem reader puts for *astr*, *bstr* and *b1str*.
    std::string astr, bstr, b1str;
    int32_t minute = 0;   // of the last time split
    int32_t minute2 = 0;  // the second clock

    // A time into hour, minute and the words for the part of the day.
    void splittime(int32_t minutes);
    // Clock reading (kind 17) and the clock stories "t+" (12), "t-" (13), "td" (16).
    void poseclock(int grade, int kind);
    void posebus(int grade);
    // A sum with amounts in two units of time: pair 0 days and hours, 1 weeks and days,
    // 2 years and months, 3 minutes and seconds, 4 hours and minutes; operation 0 +, 1 -,
    // 2 x, 3 ÷.
    void poseunits(int pair, int operation);
    void posecalendar(int grade);
    // An amount of the pair's small unit in big and small units (big = amount div base).
    static void splitunits(int pair, int32_t amount, uint16_t& big, uint16_t& small);

private:
    Lesson& lesson_;

    int32_t random(int32_t n);
    // English lines in black unless Malay only, Malay lines in blue unless English only.
    void english(const std::vector<std::string>& lines);
    void malay(const std::vector<std::string>& lines);
    // The word problem of the section `wordsign`; without one, the same question told in
    // plain words (with the picture, if the story would have shown one).
    void tellstory(const std::string& wordsign, const std::string& englishtext, const std::string& malaytext,
                   int picture);
    // Hands the clocks' times to the picture painter.
    void lendclocks();
};

// Dates as the time questions write them: "8.12.2026", "Tuesday", "Tuesday, 8 December 2026"
// and "8.12.2026, 1:00pm"; the Malay day names ("Selasa" for Tuesday).
namespace timetext {
std::string clock(int32_t hour, int32_t minute);  // 9:05
std::string dmy(std::chrono::year_month_day date);
std::string dayname(std::chrono::year_month_day date);
std::string malaydayname(std::chrono::year_month_day date);
std::string longdate(std::chrono::year_month_day date);
// A moment given as minutes after the midnight that starts `date`.
std::string dmytime(std::chrono::year_month_day date, int64_t minutes);
}  // namespace timetext
