// The word-problem reader against small litq.txt files written for each test.
#include "wordq/poselitq.h"

#include "lesson/lesson.h"
#include "support/fakes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <utility>

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using Outcome = Tposelitq::Outcome;
using Shown = std::vector<std::pair<std::string, uint32_t>>;

namespace {

fs::path freshfolder()
{
    static std::random_device entropy;
    fs::path dir = fs::temp_directory_path() / ("mathtuvo_litq_" + std::to_string(entropy()));
    fs::create_directories(dir);
    return dir;
}

class Poselitq : public ::testing::Test {
protected:
    const fs::path dir = freshfolder();
    Recordingbox box;
    Recordingview view;
    Workfolder folder{dir};
    Randomsource random{1};
    Lesson lesson{box, view, folder, random};
    Tposelitq litq{lesson};

    Poselitq()
    {
        lesson.state.gradebutton = "darjah3";
        lesson.state.wordsign = "+";
    }
    ~Poselitq() override
    {
        std::error_code ignored;
        fs::remove_all(dir, ignored);
    }

    // The lines as raw bytes, each ended by CR LF.
    void writefile(const std::vector<std::string>& lines)
    {
        std::ofstream out(dir / "litq.txt", std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
    }
    // Grade 3, section "#0+", then the count line and the problems.
    void writesection(const std::vector<std::string>& problems, const std::string& count = " 1")
    {
        std::vector<std::string> lines{"[3 Darjah Tiga", "#0+", count};
        lines.insert(lines.end(), problems.begin(), problems.end());
        writefile(lines);
    }
    Shown shown() const
    {
        Shown result;
        for (const auto& line : box.lines)
            result.emplace_back(line.text, line.colour);
        return result;
    }
};

TEST_F(Poselitq, OneLineProblemEndsAtItsMarkerAndClearsTheKey)
{
    lesson.state.firstnum = 12;
    lesson.state.secondnum = -5;
    writesection({"&1.Ali has *a* apples and gives away *b*.&end", "not read&xyz"});
    box.colour = colours::blue;  // left so by an earlier Malay part

    EXPECT_EQ(litq.readwordproblem(), Outcome::written);
    EXPECT_EQ(shown(), (Shown{{"Ali has 12 apples and gives away 5.", colours::black}}));
    EXPECT_EQ(lesson.questionline, "Ali has 12 apples and gives away 5.");
    EXPECT_EQ(lesson.state.wordsign, "");
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Poselitq, TildeStartsTheMalayPartAndTheButtonsFilterIt)
{
    lesson.state.firstnum = 7;
    lesson.state.secondnum = 2;
    writesection({"&1.Ali has *a* apples.", "He eats *b*.", "~Ali ada *a* epal.", "Dia makan *b*.&end"});
    const Shown english{{"Ali has 7 apples.", colours::black}, {"He eats 2.", colours::black}};
    const Shown malay{{"Ali ada 7 epal.", colours::blue}, {"Dia makan 2.", colours::blue}};
    Shown both = english;
    both.insert(both.end(), malay.begin(), malay.end());

    const struct {
        bool englishdown, malaydown;
        Shown expected;
    } cases[] = {{false, false, both}, {true, false, english}, {false, true, malay}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "English " << c.englishdown << " Malay " << c.malaydown);
        box.clear();
        lesson.state.wordsign = "+";
        view.english = c.englishdown;
        view.malay = c.malaydown;
        EXPECT_EQ(litq.readwordproblem(), Outcome::written);
        EXPECT_EQ(shown(), c.expected);
        EXPECT_EQ(lesson.questionline, "Ali has 7 apples.");
        EXPECT_EQ(box.colour, colours::blue);
    }
}

TEST_F(Poselitq, MarkerAtTheEndAsksForAPicture)
{
    const struct {
        std::vector<std::string> problem;
        std::vector<std::string> expected;
        int picture;
    } cases[] = {
        {{"&1.What time is it?&@ 5"}, {"What time is it?"}, 5},
        {{"&1.Count the shapes.", "~Kira bentuk.&@4"}, {"Count the shapes.", "Kira bentuk."}, 4},
        {{"&1.No kind given.&@4x"}, {"No kind given."}, 0},
        {{"&1.Done.&endmore"}, {"Done.more"}, 0},  // only three characters follow the "&"
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem.front());
        box.clear();
        view.picture = litq.picturekind = 0;
        lesson.state.wordsign = "+";
        writesection(c.problem);
        EXPECT_EQ(litq.readwordproblem(), Outcome::written);
        EXPECT_EQ(box.texts(), c.expected);
        EXPECT_EQ(view.picture, c.picture);
        EXPECT_EQ(litq.picturekind, c.picture);
    }
}

TEST_F(Poselitq, SectionHeaderMatchesGradeOperationAndWholeKey)
{
    writefile({"[2", "#0+", " 1", "&1.grade two&end",
               "[3 Darjah Tiga", "#1+", " 1", "&1.times&end",
               "#0+x", " 1", "&1.plus x&end",
               "#0++", " 1", "&1.plus plus&end",
               "#0+   ", " 1", "&1.plus&end"});
    const struct {
        const char* gradebutton;
        uint8_t opkind;
        const char* wordsign;
        const char* expected;
    } cases[] = {{"darjah3", 0, "+", "plus"}, {"darjah3", 1, "+", "times"},
                 {"darjah3", 0, "++", "plus plus"}, {"darjah2", 0, "+", "grade two"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        box.clear();
        lesson.state.gradebutton = c.gradebutton;
        lesson.state.opkind = c.opkind;
        lesson.state.wordsign = c.wordsign;
        EXPECT_EQ(litq.readwordproblem(), Outcome::written);
        EXPECT_THAT(box.texts(), ElementsAre(c.expected));
    }
}

TEST_F(Poselitq, SectionSearchRunsOnPastTheNextGrade)
{
    writefile({"[3", "[4", "#0+", " 1", "&1.from grade four&end"});
    EXPECT_EQ(litq.readwordproblem(), Outcome::written);
    EXPECT_THAT(box.texts(), ElementsAre("from grade four"));
}

TEST_F(Poselitq, LinesLongerThanTheirLimitsAreCutOrNotRecognised)
{
    // Counted in characters: the padding is two bytes a character in UTF-8.
    const auto pad = [](int n) {
        std::string s;
        while (n-- > 0)
            s += "\xC3\xA9";
        return s;
    };
    const struct {
        std::vector<std::string> file;
        Outcome expected;
    } cases[] = {
        {{"[3" + pad(80), "#0+", " 1", "&1.x&end"}, Outcome::written},
        {{"[3" + pad(81), "#0+", " 1", "&1.x&end"}, Outcome::notfound},
        {{"[3", "#0+ " + pad(80), " 1", "&1.x&end"}, Outcome::written},
        {{"[3", "#0+ " + pad(81), " 1", "&1.x&end"}, Outcome::notfound},
        {{"[3", "#0+", " 1", "&1." + pad(74) + "&end"}, Outcome::written},
        {{"[3", "#0+", " 1", "&1." + pad(75) + "&end"}, Outcome::notfound},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        lesson.state.wordsign = "+";
        writefile(cases[i].file);
        EXPECT_EQ(litq.readwordproblem(), cases[i].expected);
    }

    // Any line is read only up to its 255th character, here before its end marker.
    box.clear();
    lesson.state.wordsign = "+";
    writesection({"&1.x", pad(300) + "&end"});
    EXPECT_EQ(litq.readwordproblem(), Outcome::written);
    EXPECT_THAT(box.texts(), ElementsAre("x", pad(255)));
}

TEST_F(Poselitq, PickIsUniformOverTheSectionsProblems)
{
    const auto shownover = [&](int seeds) {
        std::set<std::string> seen;
        for (int seed = 1; seed <= seeds; ++seed) {
            random.seed(seed);
            box.clear();
            lesson.state.wordsign = "+";
            EXPECT_EQ(litq.readwordproblem(), Outcome::written);
            EXPECT_EQ(box.texts().at(0), std::to_string(litq.pick));
            seen.insert(box.texts().at(0));
        }
        return seen;
    };
    writesection({"&1.1&end", "&2.2&end", "&3.3&end"});
    EXPECT_EQ(shownover(50), (std::set<std::string>{"1"}));
    writesection({"&1.1&end", "&2.2&end", "&3.3&end"}, "N 3 ");
    EXPECT_EQ(shownover(200), (std::set<std::string>{"1", "2", "3"}));
}

TEST_F(Poselitq, NothingFoundSaysSorryOnceAndKeepsTheCallersText)
{
    const std::vector<std::string> files[] = {
        {"[4", "#0+", " 1", "&1.x&end"},  // no grade 3
        {"[3"},                           // grade at the very end
        {"[3", "#0-", " 1", "&1.x&end"},  // no section
        {"[3", "#0+"},                    // no count line
        {"[3", "#0+", " x", "&1.x&end"},  // count not a number
        {"[3", "#0+", " 0", "&1.x&end"},
        {"[3", "#0+", " 1", "&2.x&end"},  // no problem 1
        {"[3", "#0+", " 256"},            // too many, whichever is picked
    };
    for (auto file : files) {
        SCOPED_TRACE(file.back());
        if (file.back() == " 256")
            for (int n = 1; n <= 256; ++n)
                file.push_back("&" + std::to_string(n) + ".x&end");
        box.clear();
        box.addline("52 + 32 = ____");
        view.messages.clear();
        lesson.state.wordsign = "+";
        writefile(file);
        EXPECT_EQ(litq.readwordproblem(), Outcome::notfound);
        EXPECT_THAT(view.messages, ElementsAre("Maaf! Cuba lagi!"));
        EXPECT_THAT(box.texts(), ElementsAre("52 + 32 = ____"));
    }
}

TEST_F(Poselitq, MissingOrUnreadableFileWritesNothing)
{
    box.addline("52 + 32 = ____");
    EXPECT_EQ(litq.readwordproblem(), Outcome::nofile);
    fs::create_directory(dir / "litq.txt");
    EXPECT_EQ(litq.readwordproblem(), Outcome::nofile);
    EXPECT_THAT(box.texts(), ElementsAre("52 + 32 = ____"));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Poselitq, ProblemCutOffByTheEndOfTheFileKeepsItsLines)
{
    writesection({"&1.First line", "second line"});
    EXPECT_EQ(litq.readwordproblem(), Outcome::written);
    EXPECT_THAT(box.texts(), ElementsAre("First line", "second line"));
    EXPECT_TRUE(view.messages.empty());
}

TEST_F(Poselitq, Windows1252FileShowsItsAccentsWhole)
{
    lesson.state.firstnum = 40;
    writesection({"&1.Caf\xE9 costs *a* sen.", "~Harga\xE9&\xE9\xE9\xE9!"});
    EXPECT_EQ(litq.readwordproblem(), Outcome::written);
    EXPECT_THAT(box.texts(), ElementsAre("Caf\u00E9 costs 40 sen.", "Harga\u00E9!"));
}

TEST_F(Poselitq, SubstituteReplacesTheFirstOfEachPlaceholderInOrder)
{
    LessonState& s = lesson.state;
    s.firstnum = -7;
    s.partnum1 = 3;
    s.partnum2 = -4;
    s.secondnum = -9;
    s.resultnum = -2;
    EXPECT_EQ(litq.substitute("*a* *a1* *a2* *b* *c1*"), "-7 3 4 9 -2");
    EXPECT_EQ(litq.substitute("*b* and *b*, *a* and *a*"), "9 and *b*, -7 and *a*");
    EXPECT_EQ(litq.substitute("[*astr*|*bstr*|*b1str*]"), "[||]");

    // "*b*" is looked for after "*astr*" went in.
    const Storytexts times{"*b*", "10:30", "pm"};
    litq.storytexts = &times;
    EXPECT_EQ(litq.substitute("*astr* *bstr* *b1str*"), "9 10:30 pm");
}

}  // namespace
