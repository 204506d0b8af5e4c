// Tnumplug: the number-question object. It chooses a kind of number question for the
// pupil's grade and ticks, composes it with the number engine, and hands the expected
// answer to the lesson. The length, weight and money number objects derive from it and
// bring their units; here the unit labels are empty.
#pragma once

#include "numbase.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Lesson;
class Workfolder;
struct LessonState;
struct Ticks;

class Tnumplug {
public:
    explicit Tnumplug(Lesson& lesson);
    virtual ~Tnumplug();

    uint8_t kind = 0;                  // the current number question's kind, 0 none
    std::array<int32_t, 6> series{};   // the series grid's numbers, in order
    std::array<int32_t, 5> sales{};    // apples sold Monday to Friday
    std::array<int32_t, 6> gridorder{};  // series position of each grid cell
    std::string answer;                // what the pupil must type ("a".."e" for choices)
    std::string firstunit_, secondunit_, thirdunit_;
    std::unique_ptr<Tnumengine> engine;
    // Where fresh engines come from: the library's factory; tests hand in their own.
    std::function<Tnumengine*()> enginefactory;

    // The six operations the unit-bearing objects override, in this order.
    virtual std::string firstunit();
    virtual std::string secondunit();
    virtual std::string thirdunit();
    virtual std::string resulttext(const Tfractionq& record);
    // Marks the unit in the multiplication line of a question's text before it goes into
    // the box (the last line holding an "x").
    virtual void unitlines(std::string& question);
    virtual void spare();

    // Is the number family installed in this working folder (a folder "numdll")?
    static bool numberavailability(const Workfolder& folder);
    uint8_t choosekind(bool similar, int grade, bool usenumbers, bool usefractions, bool usedecimals);
    bool cangive(uint8_t trycount, uint8_t kind);
    void handover();
    // Composes a question of the kind into the question box; leaves the answer text in
    // answertext and the question text in questiontext.
    void composenumber(uint8_t kind, int grade, std::string& answertext, std::string& questiontext);

    // The kinds, by the part of the composer that writes them.
    void multiplechoice(uint8_t kind, int grade, std::string& answertext, std::string& questiontext);
    void roundingquestion(int grade, std::string& answertext);                  // 3
    void decimalquestion(uint8_t kind, int grade, std::string& answertext);     // 20..23
    void fractiontodecimal(int grade, std::string& answertext);                 // 24
    void seriesgrid(int grade);       // 4
    void placevalue(int grade);       // 5
    void missingnumber();             // 6
    void fractionpercent(int grade);  // 7
    void percentproblem();            // 8
    void bargraph(int grade);         // 9
    void fractionproblem1();          // 16
    void fractionproblem2();          // 17

protected:
    Lesson& lesson_;

    // Writes the bilingual header: the English lines in black unless Malay only, the Malay
    // lines in blue unless English only, each one item, then (if asked) one empty line and
    // black again.
    void header(const std::vector<std::string>& english, const std::vector<std::string>& malay,
                bool emptyline = true);
    // The question body's colour: blue when Malay only, else black.
    void bodycolour();
    int32_t random(int32_t n);
};
