// The number-question object's chooser, gate and hand-over, and the family's reward rule.
#include "lesson/lesson.h"
#include "numbers/numberfamily.h"
#include "support/fakes.h"
#include "support/scriptedrandom.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

struct Rig {
    Rig() : folder(std::filesystem::temp_directory_path()), lesson(box, view, folder, random) {}
    Recordingbox box;
    Recordingview view;
    Workfolder folder;
    Scriptedrandom random;
    Lesson lesson;
};

// Every kind the chooser gives for each value its one draw can take, counted.
std::map<int, int> kinds(int grade, bool n, bool f, bool d)
{
    std::map<int, int> seen;
    Rig rig;
    Tnumplug plug(rig.lesson);
    // The draw's range: ask once with a value that is always in range, and note n.
    rig.random.push({0});
    plug.choosekind(false, grade, n, f, d);
    if (rig.random.asked.empty()) {  // nothing to draw from
        rig.random.script.clear();
        ++seen[plug.choosekind(false, grade, n, f, d)];
        return seen;
    }
    const int32_t range = rig.random.asked.back();
    for (int32_t v = 0; v < range; ++v) {
        rig.random.push({v});
        ++seen[plug.choosekind(false, grade, n, f, d)];
    }
    return seen;
}

int share(const std::map<int, int>& seen, int low, int high)
{
    int total = 0;
    for (auto [kind, count] : seen)
        total += kind >= low && kind <= high ? count : 0;
    return total;
}

TEST(Choosekind, EachGradeAndTickGetsItsKinds)
{
    using M = std::map<int, int>;
    EXPECT_EQ(kinds(2, true, false, false), (M{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
    EXPECT_EQ(kinds(3, false, true, false), (M{{10, 1}, {11, 1}, {13, 1}, {14, 1}}));
    EXPECT_EQ(kinds(3, true, true, true), kinds(3, true, true, false));  // no decimals below grade 4
    EXPECT_EQ(kinds(4, false, true, false), (M{{10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}}));
    EXPECT_EQ(kinds(6, true, false, false),
              (M{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1}, {9, 3}}));  // the bar graph thrice
    EXPECT_EQ(kinds(5, false, false, true), (M{{19, 1}, {20, 1}, {21, 1}, {22, 1}, {23, 1}, {24, 1}}));

    // Grade 5 with all three ticks: whole numbers, fractions and decimals 6 : 9 : 6.
    const auto all5 = kinds(5, true, true, true);
    EXPECT_EQ(share(all5, 1, 9), 6);
    EXPECT_EQ(share(all5, 10, 18), 9);
    EXPECT_EQ(share(all5, 19, 24), 6);
    // Grade 4 never multiplies or divides fractions, nor tells fraction stories.
    EXPECT_EQ(share(kinds(4, true, true, true), 15, 18), 0);
    // Grade 6 with all three: every kind but 9 once, the bar graph twice.
    const auto all6 = kinds(6, true, true, true);
    for (int k = 1; k <= 24; ++k)
        EXPECT_EQ(all6.count(k) ? all6.at(k) : 0, k == 9 ? 2 : 1) << "kind " << k;
    EXPECT_EQ(kinds(4, false, false, false), (M{{0, 1}}));  // nothing ticked, nothing chosen
}

TEST(Choosekind, ASimilarQuestionKeepsTheKindAndDrawsNothing)
{
    Rig rig;
    Tnumplug plug(rig.lesson);
    plug.kind = 13;
    EXPECT_EQ(plug.choosekind(true, 5, true, true, true), 13);
    EXPECT_TRUE(rig.random.asked.empty());
}

TEST(Numplug, GateByKindTriesAndPractice)
{
    Rig rig;
    auto& s = rig.lesson.state;
    Tnumplug plug(rig.lesson);
    // Choices need an answer first, then start the count again.
    s.trycount = 0;
    EXPECT_FALSE(plug.cangive(0, 12));
    s.trycount = 1;
    s.questiondone = true;
    EXPECT_TRUE(plug.cangive(1, 12));
    EXPECT_EQ(s.trycount, 0);
    EXPECT_FALSE(s.questiondone);
    // Typed answers follow the arithmetic rule: right, or two tries.
    s.questiondone = false;
    s.trycount = 1;
    EXPECT_FALSE(plug.cangive(1, 20));
    s.trycount = 2;
    EXPECT_TRUE(plug.cangive(2, 20));
    EXPECT_TRUE(s.freshquestion);
    // Practice lifts every rule.
    rig.view.practice = true;
    EXPECT_TRUE(plug.cangive(0, 12));
    EXPECT_TRUE(plug.cangive(0, 3));
}

TEST(Numplug, HandoverMakesTheAnswerTheResultAsked)
{
    Rig rig;
    auto& s = rig.lesson.state;
    s.firstnum = 7;
    s.opkind = 2;
    s.remainder = 3;
    s.blank = 0;
    s.answertext2 = "!!!";
    Tnumplug plug(rig.lesson);
    plug.answer = "c";
    plug.handover();
    EXPECT_EQ(s.answertext, "c");
    EXPECT_EQ(s.answertext2, "!!!");
    EXPECT_EQ(s.blank, 2);
    EXPECT_EQ(s.opkind, 0);
    EXPECT_EQ(s.remainder, 0);
    EXPECT_EQ(s.firstnum, 1);
    // A dollar answer is also right in ringgit.
    plug.thirdunit_ = "$";
    plug.answer = "$12.50";
    plug.handover();
    EXPECT_EQ(s.answertext2, "RM12.50");
}

TEST(Numplug, TheNumberTopicsNeedTheNumdllFolder)
{
    const auto dir = std::filesystem::temp_directory_path() / "mathtuvo-numdll-test";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    EXPECT_FALSE(Tnumplug::numberavailability(Workfolder(dir)));
    std::filesystem::create_directory(dir / "numdll");
    EXPECT_TRUE(Tnumplug::numberavailability(Workfolder(dir)));
    std::filesystem::remove_all(dir);
}

TEST(Numberfamily, RightAnswersCountByKind)
{
    Rig rig;
    Numberfamily family(rig.lesson);
    LessonState s;
    Checklistprops props;
    s.freshquestion = true;
    s.trycount = 2;
    family.plug.kind = 20;  // typed: the first right answer to a new question counts
    EXPECT_TRUE(family.counts(s, props));
    s.freshquestion = false;
    EXPECT_FALSE(family.counts(s, props));
    family.plug.kind = 12;  // choices: only a right first try
    EXPECT_FALSE(family.counts(s, props));
    s.trycount = 1;
    EXPECT_TRUE(family.counts(s, props));
    props.newoper = true;  // never for a similar question
    EXPECT_FALSE(family.counts(s, props));
}

}  // namespace
