// The series grid, the value of a digit and the missing number: exact questions for
// chosen draws, and thousands of seeded questions checked from what the pupil is shown.
#include "numbers/numplug.h"
#include "support/lessonrig.h"
#include "support/plugrig.h"
#include "wordq/poselitq.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>

namespace {

using Lines = std::vector<std::string>;

// The lesson state every kind here leaves: the answer is the result of an "x" sentence.
void expectmarkedonresult(const LessonState& s, const std::string& answer)
{
    EXPECT_EQ(s.answertext, answer);
    EXPECT_EQ(s.blank, 2);
    EXPECT_EQ(s.opkind, 1);
    EXPECT_EQ(s.firstnum, 1);
    EXPECT_EQ(s.secondnum, 1);
}

TEST(Missingnumber, ShowsTheSeriesWithAGapAndAsksForIt)
{
    Plugrig<Scriptedrandom> r;
    r.random.push({0, 7, 3, 4});  // ascending, first 9, ratio 5, gap at the fifth term
    r.compose(6, 3);
    EXPECT_EQ(r.box.texts(), (Lines{"The missing number in the number series is: ", "",
                                    "Nombor yang tertinggal dalam susunan nombor itu ialah: ", "",
                                    "    9,  45, 225,1125,____,"}));
    EXPECT_EQ(r.box.lines[0].colour, colours::black);
    EXPECT_EQ(r.box.lines[2].colour, colours::blue);
    EXPECT_EQ(r.box.lines[4].colour, colours::black);
    expectmarkedonresult(r.lesson.state, "5625");
    EXPECT_EQ(r.plug.answer, "5625");

    // Descending, first 3, ratio 2, the gap where the largest term stood; Malay only.
    r.view.malay = true;
    r.random.push({1, 1, 0, 0});
    r.compose(6, 1);
    EXPECT_EQ(r.box.texts(),
              (Lines{"Nombor yang tertinggal dalam susunan nombor itu ialah: ", "", " ____,  24,  12,   6,   3,"}));
    EXPECT_EQ(r.box.lines[2].colour, colours::blue);
    EXPECT_EQ(r.lesson.state.answertext, "48");
}

TEST(Placevalue, AsksTheValueOfOneDigitByGrade)
{
    Plugrig<Scriptedrandom> r;
    r.random.push({1, 2, 3, 4, 5, 6, 4});  // digits 1..6, the fifth asked
    r.compose(5, 5);
    EXPECT_EQ(r.box.texts(),
              (Lines{"The value of the digit 5 in the following number ", "123.456 is:", "",
                     "Nilai digit 5 dalam nomber dibawah ", "123.456 ialah:"}));
    expectmarkedonresult(r.lesson.state, "0.05");

    struct Case {
        int grade;
        std::initializer_list<int32_t> draws;
        std::string number, digit, answer;
    };
    const Case cases[] = {
        // A digit drawn twice is drawn again.
        {3, {7, 7, 0, 1, 2, 3, 4, 1}, "1234", "1", "1000"},
        // A 0 in front is never asked: the next digit is.
        {4, {0, 1, 2, 3, 4, 5, 0}, "1234.5", "1", "1000"},
        // A 0 at the end of the decimals is not shown: the digit before it is asked.
        {5, {1, 2, 3, 4, 5, 0, 5}, "123.45", "5", "0.05"},
        {6, {9, 8, 7, 6, 5, 4, 0}, "987.654", "9", "900"},
        // Whole numbers can still ask for a 0 in the last place.
        {2, {1, 2, 3, 4, 5, 0, 2}, "450", "0", "0"},
        {1, {1, 2, 3, 4, 5, 6, 0}, "56", "5", "50"},
    };
    for (const auto& c : cases) {
        r.random.push(c.draws);
        r.compose(5, c.grade);
        ASSERT_GE(r.box.lines.size(), 2u);
        EXPECT_EQ(r.box.lines[0].text, "The value of the digit " + c.digit + " in the following number ") << c.grade;
        EXPECT_EQ(r.box.lines[1].text, c.number + " is:") << c.grade;
        EXPECT_EQ(r.lesson.state.answertext, c.answer) << c.grade;
    }
}

TEST(Seriesgrid, DealsTheSeriesIntoTheGridAndAsksForTheX)
{
    Plugrig<Scriptedrandom> r;
    r.lesson.litq = std::make_unique<Tposelitq>(r.lesson);
    // Start 34, step 3; the first deal keeps the series in order and is dealt again.
    r.random.push({2, 4, 1, 0, 0, 0, 0, 0, 5, 0, 3, 1, 0});
    r.compose(4, 1);
    EXPECT_EQ(r.box.texts(), (Lines{"Find the number in the box marked \"X\"", "based on the number series given.",
                                    "Pandukan turutan nombor di jadual.",
                                    "Isikan tempat kosong yang ditandakan \"X\""}));
    // Cells 49, 34, 46, 40, 37, 43: positions 6, 1, 5, 3; the X is at position 3.
    EXPECT_EQ(r.plug.series, (std::array<int32_t, 6>{34, 37, 40, 43, 46, 49}));
    EXPECT_EQ(r.plug.gridorder, (std::array<int32_t, 6>{6, 1, 5, 3, 2, 4}));
    EXPECT_EQ(r.lesson.picture.series, r.plug.series);
    EXPECT_EQ(r.lesson.picture.gridorder, (std::array<int32_t, 4>{6, 1, 5, 3}));
    EXPECT_EQ(r.view.picture, 6);
    EXPECT_EQ(r.lesson.litq->picturekind, 6);
    expectmarkedonresult(r.lesson.state, "40");
}

TEST(Seriesgrid, EveryGridCanBeSolvedFromItsThreeNumbers)
{
    Plugrig<Randomsource> r;
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        r.random.seed(seed);
        const int grade = 1 + static_cast<int>(seed % 6);
        r.compose(4, grade);
        // What the picture shows: three positions with their numbers, and the X.
        const auto& p = r.lesson.picture;
        std::set<int32_t> positions(p.gridorder.begin(), p.gridorder.end());
        ASSERT_EQ(positions.size(), 4u);
        ASSERT_TRUE(*positions.begin() >= 1 && *positions.rbegin() <= 6);
        const int32_t p1 = p.gridorder[0], p2 = p.gridorder[1], x = p.gridorder[3];
        const int32_t v1 = p.series[p1 - 1], v2 = p.series[p2 - 1];
        ASSERT_EQ((v2 - v1) % (p2 - p1), 0);
        const int32_t step = (v2 - v1) / (p2 - p1);
        EXPECT_EQ(p.series[p.gridorder[2] - 1], v1 + (p.gridorder[2] - p1) * step);
        EXPECT_EQ(r.lesson.state.answertext, std::to_string(v1 + (x - p1) * step)) << "seed " << seed;
        if (grade == 1) {
            EXPECT_GE(step, 2);
            EXPECT_LT(p.series[5], 110);
        }
    }
}

TEST(Missingnumber, EveryAnswerCompletesAGeometricSeries)
{
    Plugrig<Randomsource> r;
    const std::regex term(R"(\s*(\d+|____),)");
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        r.random.seed(seed);
        r.compose(6, 1 + static_cast<int>(seed % 6));
        const std::string line = r.box.lines.back().text;
        std::vector<int64_t> t;
        int gaps = 0;
        for (std::sregex_iterator i(line.begin(), line.end(), term), end; i != end; ++i) {
            const bool gap = (*i)[1] == "____";
            gaps += gap;
            t.push_back(gap ? std::stoll(r.lesson.state.answertext) : std::stoll((*i)[1]));
        }
        ASSERT_EQ(t.size(), 5u) << line;
        ASSERT_EQ(gaps, 1) << line;
        // Up or down by a whole ratio of 2 to 5 at every step.
        const bool up = t[1] > t[0];
        const int64_t ratio = up ? t[1] / t[0] : t[0] / t[1];
        EXPECT_TRUE(ratio >= 2 && ratio <= 5) << line;
        for (int i = 0; i + 1 < 5; ++i)
            EXPECT_EQ(up ? t[i] * ratio : t[i + 1] * ratio, up ? t[i + 1] : t[i]) << line << " seed " << seed;
    }
}

TEST(Placevalue, EveryAnswerIsTheDigitTimesItsPlace)
{
    Plugrig<Randomsource> r;
    const std::regex asked(R"(The value of the digit (\d) in the following number )");
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        r.random.seed(seed);
        const int grade = 1 + static_cast<int>(seed % 6);
        r.compose(5, grade);
        std::smatch m;
        const std::string first = r.box.lines[0].text, second = r.box.lines[1].text;
        ASSERT_TRUE(std::regex_match(first, m, asked)) << first;
        const char digit = m[1].str()[0];
        const std::string number = second.substr(0, second.size() - std::string(" is:").size());
        // The digit stands once in the number; its place is counted from the point.
        ASSERT_EQ(std::count(number.begin(), number.end(), digit), 1) << number;
        const size_t at = number.find(digit);
        const size_t point = std::min(number.find('.'), number.size());
        std::string expected;
        if (digit == '0')
            expected = "0";
        else if (at < point)
            expected = digit + std::string(point - at - 1, '0');
        else
            expected = "0." + std::string(at - point - 1, '0') + digit;
        EXPECT_EQ(r.lesson.state.answertext, expected) << number << " digit " << digit << " grade " << grade;
        EXPECT_FALSE(digit == '0' && at == 0) << "a leading 0 asked in " << number;
        EXPECT_FALSE(number.find('.') != std::string::npos && number.back() == '0') << number;
    }
}

}  // namespace
