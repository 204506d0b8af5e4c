// The measurement family: the kinds the chooser draws for each grade and sub-topic, the
// gate, the reward rule, and time lessons through the dispatcher and into the progress report.
#include "measure/measurefamily.h"

#include "support/lessonrig.h"
#include "time/timetuvo.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

namespace {

using Category = Measurefamily::Category;

// Every kind the chooser can draw for one sub-topic and grade, with how many of its draws
// give it: "12 13 14x2" means 12 and 13 once, 14 twice.
std::string mix(Category category, int grade)
{
    const auto choose = [&](Scriptedrandom& random) {
        Recordingbox box;
        Recordingview view;
        Workfolder folder{"."};
        Lesson lesson(box, view, folder, random);
        Measurefamily family(lesson);
        const int k = family.choosemeasurement(false, grade, category == Category::weight, category == Category::length,
                                               category == Category::money, category == Category::time);
        EXPECT_EQ(lesson.lengthkind, k);
        return k;
    };
    // Learn how many values the grade's draw has, then take each of them once.
    Scriptedrandom probe{0};
    choose(probe);
    const int draws = probe.asked.empty() ? 1 : probe.asked.front();
    probe.script.clear();
    std::map<int, int> kinds;
    for (int v = 0; v < draws; ++v) {
        Scriptedrandom random;
        if (draws > 1)
            random.push({v});
        ++kinds[choose(random)];
    }
    std::string out;
    for (const auto& [kind, n] : kinds)
        out += (out.empty() ? "" : " ") + std::to_string(kind) + (n > 1 ? "x" + std::to_string(n) : "");
    return out;
}

TEST(Measurechooser, EachSubTopicAndGradeGivesItsMixOfKinds)
{
    const struct {
        Category category;
        int low, high;
        const char* kinds;
    } table[] = {
        {Category::time, 1, 2, "17"},  // clock reading only, nothing drawn
        {Category::time, 3, 3, "12 13 14x2 16 18x2"},
        {Category::time, 4, 6, "12 13 14x2 16 18x2 19x2"},
        {Category::weight, 4, 4, "20 21 22 28"},
        {Category::weight, 5, 6, "23 24 25 26 27"},
        {Category::length, 3, 4, "1 2 3 9"},
        {Category::length, 5, 5, "2 4 5 6 7 8 10x5"},
        {Category::length, 6, 6, "2 4 5 6 7 8 10x5 11x6"},
        {Category::money, 3, 3, "29 30 33 34 35 36 37 38x2"},
        {Category::money, 4, 4, "33 34 35 36 38x2 39x2"},
        {Category::money, 5, 6, "32 33 34 35 36 38x2 39x3"},
    };
    for (const auto& row : table)
        for (int grade = row.low; grade <= row.high; ++grade)
            EXPECT_EQ(mix(row.category, grade), row.kinds) << "category " << row.category << " grade " << grade;
}

struct Measures : ::testing::Test {
    Rig<Scriptedrandom> rig;
    Lesson& lesson = rig.lesson;
    LessonState& s = rig.lesson.state;
    Measurefamily family{rig.lesson};

    void begin(int grade, Ticks ticks)
    {
        s.gradebutton = "darjah" + std::to_string(grade);
        lesson.props.studentname = "Ali";
        lesson.measures = &family;
        lesson.ticks = ticks;
        lesson.btnok2Click();
    }
};

TEST_F(Measures, EveryTickedSubTopicIsAsLikelyAndASimilarQuestionKeepsTheKind)
{
    // The sub-topic first (0 weight .. 3 time among those ticked), then the grade's draw.
    rig.random.push({3, 0, 1, 5});
    EXPECT_EQ(family.choosemeasurement(false, 5, true, true, true, true), 12);
    EXPECT_EQ(family.choosemeasurement(false, 5, false, false, true, true), 14);
    EXPECT_EQ(family.choosemeasurement(true, 5, false, false, true, true), 14);  // nothing drawn
    EXPECT_EQ(family.choosemeasurement(false, 5, false, false, false, false), 0);
}

TEST_F(Measures, GateWantsAnAnswerToAnythingButTheArithmeticKinds)
{
    const struct {
        int kind, tries;
        bool done, practice, allowed;
    } table[] = {
        {12, 0, false, false, false}, {18, 2, false, false, true}, {14, 0, false, true, true},
        {2, 1, false, false, false},  // kinds 1-9 go by the arithmetic gate: two tries or a right answer
        {2, 1, true, false, true},    {12, 1, false, false, true},
    };
    for (const auto& row : table) {
        s.trycount = static_cast<uint8_t>(row.tries);
        s.questiondone = row.done;
        rig.view.practice = row.practice;
        EXPECT_EQ(family.canmeasurenext(s.trycount, static_cast<uint8_t>(row.kind)), row.allowed) << row.kind;
        if (row.allowed && !row.practice) {
            EXPECT_EQ(s.trycount, 0) << row.kind;
        }
    }
}

TEST_F(Measures, RightAnswersCountOnTheFirstTryOrWhenFresh)
{
    const struct {
        int kind;
        bool fresh, similar;
        int tries;
        bool counts;
    } table[] = {
        {17, true, false, 3, true}, {19, false, false, 1, false}, {4, false, false, 1, true},
        {4, true, true, 1, false},  {4, true, false, 2, false},   {38, true, true, 5, true},
        {39, true, false, 1, false},  // the invoice never counts
    };
    for (const auto& row : table) {
        lesson.lengthkind = row.kind;
        s.freshquestion = row.fresh;
        s.trycount = static_cast<uint8_t>(row.tries);
        lesson.props.newoper = row.similar;
        EXPECT_EQ(family.counts(s, lesson.props), row.counts) << row.kind;
    }
    family.clearkind();
    EXPECT_EQ(lesson.lengthkind, 0);
}

TEST_F(Measures, AGradeOneTimeLessonReadsTheClockAndATimedTestCreditsTheClockColumn)
{
    Ticks ticks;
    ticks.time = true;
    begin(1, ticks);
    ASSERT_TRUE(family.timetuvo);
    rig.view.timer = true;
    for (int i = 0; i < 5; ++i) {
        rig.random.push({i + 3});  // one draw each: the hour
        lesson.btnnewqClick();
        EXPECT_EQ(lesson.props.topic, 2);
        EXPECT_EQ(s.measkind, 17);
        EXPECT_EQ(rig.view.picture, 4);
        lesson.edtjawapKeyPress(std::to_string(i + 3) + ":00");
    }
    EXPECT_EQ(rig.view.rewards, 1);
    EXPECT_EQ(lesson.progress.cell(13, 1), "1");  // clock times
    for (const int column : {2, 3, 4, 5, 6, 10, 14})
        EXPECT_EQ(lesson.progress.cell(column, 1), "0") << column;

    // Ticked, but with no family to ask them, clock times earn nothing.
    lesson.measures = nullptr;
    lesson.props.plus = true;
    EXPECT_FALSE(lesson.topicsasked().time);
    EXPECT_TRUE(lesson.topicsasked().plusminus);
}

TEST_F(Measures, ArithmeticAndTimeTakeTurnsAndAWordlessKindLeavesNoAnswer)
{
    Ticks ticks;
    ticks.multi = true;
    ticks.time = true;
    begin(2, ticks);
    rig.random.push({1, 100});  // the measurement family, then 8:20
    lesson.btnnewqClick();
    EXPECT_EQ(lesson.props.topic, 2);
    EXPECT_EQ(s.answertext, "8:20");

    // Grade 3 has no clock reading: the kind composes nothing and leaves nothing to type.
    lesson.lengthkind = 17;
    rig.box.clear();
    s.gradebutton = "darjah3";
    lesson.props.newoper = true;
    lesson.askq();
    EXPECT_TRUE(rig.box.lines.empty());
    EXPECT_EQ(s.answertext, "");
    lesson.edtjawapKeyPress("");
    EXPECT_FALSE(rig.view.marking);
}

}  // namespace
