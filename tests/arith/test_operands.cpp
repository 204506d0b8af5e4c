// Which operation an arithmetic question gets, the numbers drawn for each grade, and the
// gates of "Get Question" and "Try Similar Question".
#include "arith/arithmetic.h"

#include "support/lessonrig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAreArray;
using Scripted = Rig<Scriptedrandom>;
using Seeded = Rig<Randomsource>;

namespace {

std::vector<int32_t> asked(const Scriptedrandom& r) { return {r.asked.begin(), r.asked.end()}; }
int32_t units(int32_t n) { return std::abs(n) % 10; }

template <class R>
void setgrade(Rig<R>& rig, int grade) { rig.lesson.state.gradebutton = "darjah" + std::to_string(grade); }

// Draws one question with only the given operation ticked (0 +/-, 1 x, 2 ÷).
template <class R>
void ask(Rig<R>& rig, int opkind, bool similar = false)
{
    rig.lesson.props.newoper = similar;  // as the question buttons set it before asking
    pickoperation(rig.lesson, similar, opkind == 0, opkind == 1, opkind == 2);
}

}  // namespace

TEST(Operation, TicksDecideWhichOperationsOccur)
{
    const struct {
        bool plus, multi, divide;
        int32_t draw;  // -1: no draw expected
        int32_t range;
        int opkind;
    } cases[] = {
        {true, true, true, 0, 3, 0},    {true, true, true, 1, 3, 1},    {true, true, true, 2, 3, 2},
        {true, true, false, 0, 2, 0},   {true, true, false, 1, 2, 1},   {true, false, true, 0, 2, 0},
        {true, false, true, 1, 2, 2},   {false, true, true, 0, 2, 1},   {false, true, true, 1, 2, 2},
        {true, false, false, -1, 0, 0}, {false, true, false, -1, 0, 1}, {false, false, true, -1, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.plus << c.multi << c.divide << " draw " << c.draw);
        Scripted rig;
        setgrade(rig, 2);
        rig.lesson.state.opkind = 7;
        if (c.draw >= 0)
            rig.random.push({c.draw});
        rig.random.push({0, 0, 0});  // grade 2: two operands, then the first number is asked
        pickoperation(rig.lesson, false, c.plus, c.multi, c.divide);
        EXPECT_EQ(rig.lesson.state.opkind, c.opkind);
        ASSERT_EQ(rig.random.asked.size(), c.draw >= 0 ? 4u : 3u);
        if (c.draw >= 0) {
            EXPECT_EQ(rig.random.asked.front(), c.range);
        }
        EXPECT_FALSE(rig.box.lines.empty());
    }
}

TEST(Operation, SimilarQuestionKeepsTheOperation)
{
    // Several operations ticked: the last one stays and nothing is drawn for the choice.
    Scripted rig;
    setgrade(rig, 2);
    auto& s = rig.lesson.state;
    s.opkind = 2;
    s.blank = 0;
    rig.lesson.props.newoper = true;
    rig.random.push({3, 4});
    pickoperation(rig.lesson, true, true, true, true);
    EXPECT_EQ(s.opkind, 2);
    EXPECT_THAT(asked(rig.random), ElementsAreArray({9, 10}));  // divisor, then quotient
    EXPECT_EQ(s.firstnum, 16);

    // One operation ticked: it is the operation even when the last question had another.
    s.opkind = 0;
    rig.random.push({5, 2});
    ask(rig, 2, true);
    EXPECT_EQ(s.opkind, 2);
    EXPECT_EQ(s.firstnum, 12);
}

TEST(Operation, NoTickOrNoSuchGradeMakesNoQuestion)
{
    Scripted rig;
    setgrade(rig, 1);
    rig.box.addline("what was there");
    pickoperation(rig.lesson, false, false, false, false);
    ask(rig, 1);  // grade 1 has no x and no ÷
    ask(rig, 2);
    setgrade(rig, 0);
    ask(rig, 0);
    EXPECT_EQ(rig.box.text(), "what was there");
    EXPECT_TRUE(rig.random.asked.empty());
}

TEST(PlusMinus, GradeOneGivesWayToAvoidCarryingAndBorrowing)
{
    const struct {
        int32_t first, draw;  // secondnum is draw - first
        int32_t second, result;
        const char *digits1, *digits2;
    } cases[] = {
        {47, 82, 32, 79, "47", "32"},   // 7 + 5 carries: 35 becomes 32
        {52, 14, -32, 20, "52", "32"},  // 2 - 8 borrows: 38 becomes 32
        {30, 24, 0, 30, "30", "00"},    // 0 - 6: the subtrahend shrinks to nothing
        {7, 9, 2, 9, "07", "02"},       // single digits keep a leading zero
        {64, 89, 25, 89, "64", "25"},   // no carry: nothing changes
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " and " << c.draw - c.first);
        Scripted rig;
        setgrade(rig, 1);
        rig.random.push({c.first, c.draw, 1});  // the second number is asked
        ask(rig, 0);
        const auto& s = rig.lesson.state;
        EXPECT_EQ(s.firstnum, c.first);
        EXPECT_EQ(s.secondnum, c.second);
        EXPECT_EQ(s.resultnum, c.result);
        EXPECT_EQ(s.answertext, std::to_string(c.result));
        EXPECT_EQ(s.digits1, c.digits1);
        EXPECT_EQ(s.digits2, c.digits2);
    }
}

TEST(PlusMinus, UpperGradesDrawBelowTheirBoundAndSplitTheFirstNumber)
{
    const int32_t bounds[] = {0, 0, 0, 1000, 10000, 200000, 2000000};
    const struct {
        int grade;
        std::vector<int32_t> draws;  // first, second + first, halves?, part1
        int32_t first, part1, part2, second;
    } cases[] = {
        {3, {5, 7, 0, 8}, 5, 8, -3, 2},  // a part bigger than the whole: the other is negative
        {4, {5, 7, 0, 8}, 5, 8, -3, 2},
        {5, {5, 7, 0, 2}, 5, 2, 3, 2},
        {6, {5, 7, 0, 8}, 5, 8, -3, 2},
        {3, {501, 600, 1}, 502, 251, 251, 99},  // halves: the odd number is made even first
        {6, {40, 0, 1}, 40, 20, 20, -40},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << " first " << c.first);
        Scripted rig;
        setgrade(rig, c.grade);
        for (const int32_t d : c.draws)
            rig.random.push({d});
        rig.random.push({1});  // the second number is asked
        ask(rig, 0);
        const auto& s = rig.lesson.state;
        const int32_t b = bounds[c.grade];
        auto ranges = c.draws.size() == 4 ? std::vector<int32_t>{b, b, 2, 2 * c.first, 6}
                                          : std::vector<int32_t>{b, b, 2, 6};
        EXPECT_EQ(asked(rig.random), ranges);
        EXPECT_EQ(s.firstnum, c.first);
        EXPECT_EQ(s.partnum1, c.part1);
        EXPECT_EQ(s.partnum2, c.part2);
        EXPECT_EQ(s.secondnum, c.second);
        EXPECT_EQ(s.answertext, std::to_string(c.part1 + c.part2 + c.second));
    }
}

TEST(PlusMinus, EveryGradeStaysWithinItsBound)
{
    const int32_t bounds[] = {0, 99, 99, 1000, 10000, 200000, 2000000};
    for (int grade = 1; grade <= 6; ++grade) {
        SCOPED_TRACE(grade);
        Seeded rig;
        rig.random.seed(40 + grade);
        setgrade(rig, grade);
        int carries = 0, subtractions = 0;
        int32_t largest = 0;
        for (int i = 0; i < 3000; ++i) {
            ask(rig, 0);
            const auto& s = rig.lesson.state;
            ASSERT_TRUE(s.firstnum >= 0 && s.firstnum <= bounds[grade]) << s.firstnum;
            ASSERT_TRUE(s.resultnum >= 0 && s.resultnum <= bounds[grade]) << s.resultnum;
            ASSERT_EQ(s.resultnum, s.firstnum + s.secondnum);
            ASSERT_EQ(s.answertext, std::to_string(s.resultnum));
            largest = std::max(largest, s.firstnum);
            subtractions += s.secondnum < 0;
            const bool carry = s.secondnum >= 0 ? units(s.firstnum) + units(s.secondnum) > 9
                                                : units(s.firstnum) < units(s.secondnum);
            carries += carry;
            if (grade == 1) {
                ASSERT_FALSE(carry) << s.firstnum << " " << s.secondnum;
                ASSERT_EQ(s.digits1.size(), 2u);
                ASSERT_EQ(s.digits2.size(), 2u);
                ASSERT_EQ(s.digits1[1] - '0', units(s.firstnum));
                ASSERT_EQ(s.digits2[1] - '0', units(s.secondnum));
            }
            if (grade >= 3) {
                ASSERT_EQ(s.partnum1 + s.partnum2, s.firstnum);
                ASSERT_GE(s.partnum1, 0);
                ASSERT_TRUE(s.partnum1 != s.partnum2 || s.firstnum % 2 == 0) << "equal halves of an odd number";
            }
        }
        EXPECT_GT(subtractions, 0);
        EXPECT_GT(largest, bounds[grade] / 2);
        EXPECT_EQ(carries > 0, grade > 1) << "the digit rule belongs to grade 1 only";
    }
}

TEST(PlusMinus, SimilarQuestionRedrawsUntilTheSignMatches)
{
    const struct {
        int grade;
        int32_t first, part1, part2, previous;
        std::vector<int32_t> draws;
        int32_t newfirst, second;
    } cases[] = {
        {2, 0, 0, 0, 5, {40, 10, 40, 70}, 40, 30},     // a new first number; -30 and 0 refused
        {2, 0, 0, 0, 0, {40, 60, 40, 15}, 40, -25},    // after + 0 comes a subtraction
        {4, 300, 100, 200, -50, {500, 300, 120}, 300, -180},  // grades 3-6 keep the first number
        {6, 300, 150, 150, 7, {100, 300, 301}, 300, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << " after " << c.previous);
        Scripted rig;
        setgrade(rig, c.grade);
        auto& s = rig.lesson.state;
        s.firstnum = c.first;
        s.partnum1 = c.part1;
        s.partnum2 = c.part2;
        s.secondnum = c.previous;
        s.blank = 1;
        for (const int32_t d : c.draws)
            rig.random.push({d});
        ask(rig, 0, true);
        EXPECT_EQ(s.firstnum, c.newfirst);
        EXPECT_EQ(s.secondnum, c.second);
        EXPECT_EQ(s.blank, 1);
        EXPECT_EQ(s.answertext, std::to_string(c.newfirst + c.second));
        EXPECT_EQ(s.partnum1, c.part1);
        EXPECT_EQ(s.partnum2, c.part2);
    }
}

TEST(PlusMinus, SimilarQuestionEndsWhenNoNumberHasTheSign)
{
    // Grade 2 draws a new first number each time: over many questions 99 (no addition left)
    // and 0 (no subtraction left) come up; every question must still end, keeping its sign
    // whenever its first number allows it.
    for (const int32_t start : {5, -5}) {
        Seeded rig;
        rig.random.seed(start + 100);
        setgrade(rig, 2);
        auto& s = rig.lesson.state;
        s.secondnum = start;
        for (int i = 0; i < 3000; ++i) {
            const bool positive = s.secondnum > 0;
            ask(rig, 0, true);
            ASSERT_TRUE(positive ? s.secondnum > 0 || s.firstnum == 99 : s.secondnum < 0 || s.firstnum == 0)
                << s.firstnum << " " << s.secondnum;
            ASSERT_EQ(s.resultnum, s.firstnum + s.secondnum);
        }
    }
    // Grade 3 keeps its first number: the largest ones and 0 leave no choice.
    const struct {
        int32_t first, part1, part2, previous;
    } cases[] = {{999, 999, 0, 5}, {1000, 500, 500, 5}, {0, 0, 0, 0}, {0, 0, 0, -3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.first << " after " << c.previous);
        Seeded rig;
        setgrade(rig, 3);
        auto& s = rig.lesson.state;
        s.firstnum = c.first;
        s.partnum1 = c.part1;
        s.partnum2 = c.part2;
        s.secondnum = c.previous;
        ask(rig, 0, true);
        EXPECT_TRUE(c.previous > 0 ? s.secondnum > 0 || s.firstnum >= 999 : s.secondnum < 0 || s.firstnum == 0)
            << s.firstnum << " " << s.secondnum;
        EXPECT_EQ(s.partnum1 + s.partnum2, s.firstnum);
        EXPECT_EQ(s.answertext, std::to_string(s.firstnum + s.secondnum));
    }
}

TEST(TimesAndShare, EachGradeDrawsItsOwnNumbers)
{
    const struct {
        int grade, opkind;
        std::vector<int32_t> draws, ranges;
        int32_t first, second, result, remainder;
    } cases[] = {
        {2, 1, {3, 4}, {9, 9}, 4, 5, 20, 0},
        {3, 1, {99, 9}, {100, 10}, 100, 10, 1000, 0},
        {4, 1, {0, 20}, {100, 21}, 1, 21, 21, 0},
        {5, 1, {0, 9999, 99}, {3, 10000, 100}, 10000, 100, 1000000, 0},
        {5, 1, {1, 9, 9999}, {3, 10, 10000}, 100, 10000, 1000000, 0},
        {6, 1, {2, 0, 499}, {3, 10, 500}, 1000, 500, 500000, 0},
        {6, 1, {1, 0, 0}, {3, 10, 10000}, 10, 1, 10, 0},
        // ÷: the divisor is drawn first, then the quotient (exact) or the dividend.
        {2, 2, {4, 9}, {9, 10}, 45, 5, 9, 0},
        {3, 2, {8, 998}, {9, 1000}, 998, 9, 110, 8},
        {4, 2, {0, 9, 9999}, {2, 10, 10000}, 10009, 10, 1000, 9},
        {4, 2, {1, 41, 0}, {2, 100, 100}, 0, 42, 0, 0},  // quotient 0: 0 ÷ 42
        {5, 2, {0, 11, 1}, {3, 12, 100000}, 13, 12, 1, 1},
        {5, 2, {1, 99, 999}, {3, 100, 1000}, 99900, 100, 999, 0},
        {5, 2, {2, 4, 2345}, {3, 10, 10000}, 3345, 500, 6, 345},
        {6, 2, {0, 29, 9999}, {3, 30, 10000}, 9999, 30, 333, 9},
        {6, 2, {1, 999, 99}, {3, 1000, 100}, 99000, 1000, 99, 0},
        {6, 2, {2, 9, 999999}, {3, 10, 1000000}, 1009999, 10000, 100, 9999},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << ": " << c.first << (c.opkind == 1 ? " X " : " / ")
                                        << c.second);
        Scripted rig;
        setgrade(rig, c.grade);
        for (const int32_t d : c.draws)
            rig.random.push({d});
        auto ranges = c.ranges;
        if (c.opkind == 1) {
            rig.random.push({0});  // the first factor is asked
            ranges.push_back(3);
        } else {
            rig.random.push({2, 0});  // the result is asked, as a number sentence
            ranges.insert(ranges.end(), {3, 2});
        }
        ask(rig, c.opkind);
        const auto& s = rig.lesson.state;
        EXPECT_EQ(asked(rig.random), ranges);
        EXPECT_EQ(s.firstnum, c.first);
        EXPECT_EQ(s.secondnum, c.second);
        EXPECT_EQ(s.resultnum, c.result);
        EXPECT_EQ(s.remainder, c.remainder);
        EXPECT_EQ(s.answertext, std::to_string(c.result));  // the quotient only
    }
}

TEST(TimesAndShare, RemainderIsSmallerThanTheDivisor)
{
    const int32_t largestdivisor[] = {0, 0, 9, 9, 100, 1000, 10000};
    for (int grade = 2; grade <= 6; ++grade) {
        SCOPED_TRACE(grade);
        Seeded rig;
        rig.random.seed(100 + grade);
        setgrade(rig, grade);
        int withremainder = 0;
        for (int i = 0; i < 2000; ++i) {
            auto& s = rig.lesson.state;
            s.remainder = 0;  // as the question buttons reset it
            s.partnum2 = 0;
            ask(rig, 2);
            if (s.partnum2 != 0)
                continue;  // grade 6 told a rate instead, with numbers of its own
            ASSERT_TRUE(s.secondnum >= 1 && s.secondnum <= largestdivisor[grade]) << s.secondnum;
            ASSERT_TRUE(s.remainder >= 0 && s.remainder < s.secondnum) << s.remainder;
            ASSERT_EQ(s.firstnum, s.secondnum * s.resultnum + s.remainder);
            ASSERT_EQ(s.answertext, std::to_string(s.resultnum));
            withremainder += s.remainder > 0;
        }
        EXPECT_EQ(withremainder > 0, grade > 2);
    }
}

TEST(Gates, NewAndSimilarFollowTheTryRules)
{
    const struct {
        bool done;
        uint8_t tries;
        bool practice;
        bool newok, similarok;
    } cases[] = {
        {false, 0, false, false, false}, {false, 1, false, false, false}, {false, 2, false, true, true},
        {false, 3, false, true, true},   {true, 0, false, true, false},   {true, 1, false, true, true},
        {true, 2, false, true, true},    {false, 0, true, true, true},    {false, 1, true, true, true},
        {true, 0, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "done " << c.done << " tries " << int(c.tries) << " practice "
                                        << c.practice);
        for (const bool similar : {false, true}) {
            Scripted rig;
            auto& s = rig.lesson.state;
            rig.view.practice = c.practice;
            s.questiondone = c.done;
            s.trycount = c.tries;
            s.freshquestion = false;
            const bool allowed = similar ? cansimilar(rig.lesson) : cannew(rig.lesson);
            EXPECT_EQ(allowed, similar ? c.similarok : c.newok) << (similar ? "similar" : "new");
            // Letting the pupil through opens a question with no tries; a refusal changes nothing.
            EXPECT_EQ(s.trycount, allowed ? 0 : c.tries);
            EXPECT_EQ(s.questiondone, allowed ? false : c.done);
            EXPECT_EQ(s.freshquestion, allowed && !similar);  // a similar question is never fresh
        }
    }
}
