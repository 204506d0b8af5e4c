// Typed-answer number questions (rounding, decimal operations, fraction to decimal) and the
// number formats they are written with.
#include "numbers/numformat.h"
#include "measure/unitnumbers.h"
#include "numbers/numplug.h"

#include "engine/scripted_draws.h"
#include "support/lessonrig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <regex>

using ::testing::ElementsAre;

namespace {

// ---- the formats -----------------------------------------------------------------------

struct Generalcase {
    double value;
    int width, precision;
    const char* text;
};

TEST(Numformat, GeneralDropsTrailingZerosAndRightAligns)
{
    const Generalcase cases[] = {
        {10.5, 8, 5, "    10.5"},  {12.0, 6, 6, "    12"},      {0.5, 0, 6, "0.5"},
        {12.345, 5, 5, "12.345"},    {123456.7, 0, 6, "123457"},  {9.99996, 0, 5, "10"},
        {0.000123456, 0, 3, "0.000123"}, {1234567.0, 0, 5, "1.2346e+06"}, {0.00001, 0, 6, "1e-05"},
        {0.0, 6, 6, "     0"},     {-2.5, 6, 6, "  -2.5"},    {123456.0, 3, 6, "123456"},
        {2.5, 0, 1, "3"},  // a half goes away from zero, as the pupil rounds
    };
    for (const auto& c : cases)
        EXPECT_EQ(numformat::general(c.value, c.width, c.precision), c.text) << c.value;
    // Where C's %g has no tie and no float error to meet, the meaning is C's.
    for (double v : {0.375, 1234.5, 3.0, 1048576.0, 0.0078125, 987654.0, 17.125})
        for (int p : {1, 3, 5, 6, 7}) {
            char c[64];
            std::snprintf(c, sizeof c, "%8.*g", p, v);
            EXPECT_EQ(numformat::general(v, 8, p), c) << v << " to " << p;
        }
}

TEST(Numformat, FloatsShowTheDecimalTheyStandFor)
{
    EXPECT_EQ(numformat::general(15.9f, 6, 6), "  15.9");
    EXPECT_EQ(numformat::general(19.8f - 9.9f, 6, 6), "   9.9");  // 9.900001 in float
    EXPECT_EQ(numformat::general(0.1f, 0, 9), "0.1");
    EXPECT_EQ(numformat::fixed(15.9f, 6), " 15.90");
    EXPECT_EQ(numformat::fixed(2.675f, 0), "2.68");  // the float lies below 2.675
}

TEST(Numformat, FixedHasExactlyTwoDecimals)
{
    const Generalcase cases[] = {
        {12.5, 6, 2, " 12.50"}, {15.9, 7, 2, "  15.90"}, {3.0, 5, 2, " 3.00"},   {0.005, 0, 2, "0.01"},
        {0.004, 0, 2, "0.00"},  {-0.001, 0, 2, "0.00"},  {999.995, 0, 2, "1000.00"}, {1234.5, 3, 2, "1234.50"},
        {1.5, 0, 3, "1.500"},   {-7.25, 7, 2, "  -7.25"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numformat::fixed(c.value, c.width, c.precision), c.text) << c.value;
}

TEST(Numformat, IntegersAndTrim)
{
    EXPECT_EQ(numformat::integer(7, 3), "  7");
    EXPECT_EQ(numformat::integer(7, -3), "7  ");
    EXPECT_EQ(numformat::integer(7, 0, 2), "07");
    EXPECT_EQ(numformat::integer(-5, 4, 2), " -05");
    EXPECT_EQ(numformat::integer(1234, 2), "1234");
    EXPECT_EQ(numformat::integer(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(numformat::trim("  12.5  "), "12.5");
    EXPECT_EQ(numformat::trim("\r\n a b\t"), "a b");
    EXPECT_EQ(numformat::trim("   "), "");
}

// ---- exact questions for chosen draws ----------------------------------------------------
// The length, weight and money objects bring their units to the same composer.

const std::vector<std::string> plainsamples = {"", "", " Sample wrong answer: 123.10", " Sample correct answer: 123.1",
                                               "", " Sample wrong answer: 123.0", " Sample correct answer: 123"};

struct Typedscripted : ::testing::Test {
    Rig<Scriptedrandom> rig;
    ScriptedDraws draws;

    // Composes with the engine and the program drawing what the test queued.
    std::string compose(Tnumplug& plug, uint8_t kind, int grade, int lessongrade = 0)
    {
        rig.lesson.state.gradebutton = "darjah" + std::to_string(lessongrade ? lessongrade : grade);
        plug.enginefactory = [this] { return new Tnumengimpl(draws); };
        std::string answer, question;
        plug.composenumber(kind, grade, answer, question);
        EXPECT_EQ(plug.answer, answer);
        return answer;
    }
    std::vector<std::string> body() const  // the lines under the header
    {
        const auto all = rig.box.texts();
        return {all.begin() + 3, all.end()};
    }
};

TEST_F(Typedscripted, RoundingShowsTheNumberAndExpectsItsRoundedValue)
{
    Tnumplug plug(rig.lesson);
    draws.expect(100, 34);  // 35, which the engine moves off the halfway point to 36
    rig.random.push({0});   // c
    EXPECT_EQ(compose(plug, 3, 1), "40");
    EXPECT_THAT(rig.box.texts(), ElementsAre("Correct the following number to the nearest: 10",
                                             "Bundarkan nombor kepada: 10 yang terdekat.", "", "   36"));
    EXPECT_EQ(rig.box.lines[1].colour, colours::blue);
    EXPECT_EQ(rig.box.lines[3].colour, colours::black);

    rig.box.clear();
    draws.push({45123 - 10000, 2});  // 45123, place 10^3
    rig.random.push({67 - 10, 1});   // decimals .67, shown
    EXPECT_EQ(compose(plug, 3, 6), "45000");
    EXPECT_THAT(body(), ElementsAre("   45123.67"));

    for (int c : {0, 1}) {
        rig.box.clear();
        draws.push({3456 - 1000, 1});  // 3456 to the nearest 100
        rig.random.push({6, c});       // grade 4 has one decimal: .7
        EXPECT_EQ(compose(plug, 3, 4), "3500");
        EXPECT_THAT(body(), ElementsAre(c ? "   3456.7" : "   3456"));
    }
}

TEST_F(Typedscripted, AdditionDropsTrailingZerosAndMarksThemWrong)
{
    Tnumplug plug(rig.lesson);
    draws.push({125 - 20, 34 - 20});  // 12.5 + 3.4 at grade 4
    rig.random.push({0});
    EXPECT_EQ(compose(plug, 20, 4), "15.9");
    auto expected = plainsamples;
    expected.insert(expected.begin(), "    12.5 +    3.4 =");
    EXPECT_EQ(body(), expected);
    EXPECT_EQ(rig.box.texts()[0], "Add the following: ");

    rig.lesson.state.answertext2 = "!!!";
    plug.handover();
    rig.lesson.edtjawapKeyPress("15.90");
    EXPECT_THAT(rig.view.messages, ElementsAre("Cuba Lagi!"));
    rig.lesson.edtjawapKeyPress("15.9");
    EXPECT_TRUE(rig.view.marking);
    EXPECT_EQ(rig.view.messages.size(), 1u);
}

TEST_F(Typedscripted, FloatNoiseNeverReachesTheAnswer)
{
    Tnumplug plug(rig.lesson);
    draws.push({99 - 10, 99 - 10});  // 19.8 - 9.9
    rig.random.push({0});
    EXPECT_EQ(compose(plug, 21, 4), "9.9");
    EXPECT_EQ(body()[0], "    19.8 -    9.9 =");

    rig.box.clear();
    draws.push({1503 - 100, 100 - 100});  // 16.03 - 15.03: 0.99999905 in float
    rig.random.push({0});
    EXPECT_EQ(compose(plug, 21, 5), "1");

    rig.box.clear();
    draws.push({3 - 2, 29 - 10});  // 2.9 x 3: 8.700001 in float
    EXPECT_EQ(compose(plug, 22, 3), "8.7");
    EXPECT_EQ(body()[0], "    2.9 x     3 =");
    EXPECT_EQ(rig.box.texts()[0], "Multiply the following numbers: ");
}

TEST_F(Typedscripted, DivisionTimesKMultipliesTheQuotient)
{
    Tnumplug plug(rig.lesson);
    draws.push({(45 - 20) / 5, 3 - 1});  // quotient 0.45, divisor 3: 1.35 ÷ 3
    rig.random.push({1, 4 - 2});          // c = 1, k = 4
    EXPECT_EQ(compose(plug, 23, 3), "1.8");
    EXPECT_EQ(body()[0], "   1.35 \xC3\xB7     3 x 4 =");

    rig.box.clear();
    draws.push({(45 - 20) / 5, 3 - 1});
    rig.random.push({0});
    EXPECT_EQ(compose(plug, 23, 3), "0.45");
    EXPECT_EQ(body()[0], "   1.35 \xC3\xB7     3 =");
}

TEST_F(Typedscripted, FractionToDecimalInMalayOnly)
{
    Tnumplug plug(rig.lesson);
    rig.view.malay = true;
    rig.random.push({7 - 1, 100 - 1});
    EXPECT_EQ(compose(plug, 24, 5), "7.1");
    // The Malay heading, the empty line, then the unreduced mixed number, in blue.
    const auto& l = rig.box.lines;
    ASSERT_EQ(l.size(), 6u);
    EXPECT_EQ(l[0].text, "Tukarkan kepada perpuluhan: ");
    EXPECT_EQ(l[2].text, "   100");
    EXPECT_EQ(l[3].text, " 7---");
    EXPECT_EQ(l[4].text, "   1000" + std::string(14, ' '));
    EXPECT_EQ(l[3].colour, colours::blue);
}

TEST_F(Typedscripted, MoneyKeepsBothCentsDigits)
{
    Tnumrm plug(rig.lesson);
    draws.push({125 - 20, 34 - 20});
    rig.random.push({1});  // the mixed form is for lengths and weights only
    EXPECT_EQ(compose(plug, 20, 4), "$15.90");
    EXPECT_THAT(body(), ElementsAre("  $ 12.50 + $  3.40 =", "", "", " Sample correct answer: $123.10",
                                    " Sample wrong answer: $123.1", "", " Sample correct answer: $123.00",
                                    " Sample wrong answer: $123"));
    plug.handover();
    EXPECT_EQ(rig.lesson.state.answertext2, "RM15.90");

    rig.box.clear();
    draws.push({(45 - 20) / 5, 3 - 1});
    rig.random.push({1, 4 - 2});
    EXPECT_EQ(compose(plug, 23, 3), "$1.80");
    EXPECT_EQ(body()[0], "  $  1.35 \xC3\xB7     3 x 4=");
}

TEST_F(Typedscripted, MixedUnitsWriteTheSecondNumberInTheSmallUnit)
{
    Tnummeas length(rig.lesson);
    draws.push({1234 - 200, 345 - 200});  // 12.34 m and 3.45 m, cut to 34.5 cm
    rig.random.push({1});
    EXPECT_EQ(compose(length, 20, 5), "12.685m");
    EXPECT_EQ(body()[0], "   12.34m +   34.5cm =");

    rig.box.clear();
    Tnumkg weight(rig.lesson);
    draws.push({12345 - 2000, 3456 - 2000});  // grade 7: three places
    rig.random.push({1});
    EXPECT_EQ(compose(weight, 20, 7, 5), "15.801kg");
    EXPECT_EQ(body()[0], "  12.345kg +   3456g =");

    rig.box.clear();
    draws.push({1234 - 200, 345 - 200});
    rig.random.push({0});
    EXPECT_EQ(compose(length, 20, 5), "15.79m");
    EXPECT_EQ(body()[0], "   12.34m +   3.45m =");
}

// ---- every answer recomputed from the question as shown -------------------------------

constexpr int64_t micro = 1000000;

// "12.345" as millionths; the decimals must fit.
int64_t millionths(const std::string& text)
{
    const auto point = text.find('.');
    const std::string frac = point == std::string::npos ? "" : text.substr(point + 1);
    EXPECT_LE(frac.size(), 6u) << text;
    return std::stoll(text.substr(0, point)) * micro + std::stoll((frac + "000000").substr(0, 6));
}

// Millionths as the pupil writes them: without trailing zeros, or with both cents digits.
std::string written(int64_t v, bool cents)
{
    std::string frac = std::to_string(micro + v % micro).substr(1);
    if (cents) {
        EXPECT_EQ(v % 10000, 0) << v << " is no amount of money";
        frac.resize(2);
    } else {
        frac.erase(frac.find_last_not_of('0') + 1);
    }
    return std::to_string(v / micro) + (frac.empty() ? "" : "." + frac);
}

// The answer to "a op b [x k] =" in the first unit.
std::string recomputed(const std::smatch& m, bool money)
{
    const int64_t a = millionths(m[2]);
    int64_t b = millionths(m[5]);
    const std::string op = m[4], small = m[6];
    if (small == "cm" || small == "g") {
        const int64_t per = small == "cm" ? 100 : 1000;
        EXPECT_EQ(b % per, 0) << m.str();
        b /= per;
    }
    int64_t r = 0;
    if (op == "+") {
        r = a + b;
    } else if (op == "-") {
        r = a - b;
        EXPECT_GE(r, 0) << m.str();
    } else if (op == "x") {
        EXPECT_EQ(a * b % micro, 0) << m.str();
        r = a * b / micro;
    } else {
        const int64_t scaled = a * (m[7].matched ? std::stoll(m[7]) : 1) * micro;
        EXPECT_EQ(scaled % b, 0) << m.str() << " does not come out exactly";
        r = scaled / b;
    }
    return m[1].str() + written(r, money) + m[3].str();
}

struct Typedseeded : ::testing::TestWithParam<uint8_t> {
    Rig<Randomsource> rig;
    Seededdraws draws{20240611};

    // Composes n questions and checks each answer against the numbers it shows.
    void check(Tnumplug& plug, int grade, int n, int lessongrade = 0)
    {
        static const std::regex operation(
            R"(^  (\$?) *([0-9.]+)([a-z]*) (\+|-|x|\xC3\xB7) \$? *([0-9.]+)([a-z]*)(?: x ([0-9]+))? ?=$)");
        const uint8_t kind = GetParam();
        rig.random.seed(static_cast<uint32_t>(kind * 10 + grade));
        rig.lesson.state.gradebutton = "darjah" + std::to_string(lessongrade ? lessongrade : grade);
        plug.enginefactory = [this] { return new Tnumengimpl(draws); };
        for (int i = 0; i < n; ++i) {
            rig.box.clear();
            std::string answer, question;
            plug.composenumber(kind, grade, answer, question);
            const auto l = rig.box.texts();
            ASSERT_GE(l.size(), 4u);
            std::smatch m;
            if (kind == 3) {
                ASSERT_TRUE(std::regex_match(l[3], m, std::regex(R"(^   (\d+)(?:\.(\d+))?$)"))) << l[3];
                const int64_t place = std::stoll(l[0].substr(l[0].rfind(' ') + 1));
                const std::string decimals = m[2];
                const size_t places = grade >= 5 ? 2u : grade == 4 ? 1u : 0u;
                EXPECT_TRUE(decimals.empty() || decimals.size() == places) << l[3];
                const int64_t hundredths = std::stoll(m[1]) * 100 + std::stoll((decimals + "00").substr(0, 2));
                const int64_t unit = place * 100;
                EXPECT_NE(hundredths % unit, unit / 2) << "no halfway numbers";
                const int64_t rounded = (hundredths + unit / 2) / unit * place;
                EXPECT_NE(rounded, std::stoll(m[1])) << "already a multiple of " << place;
                EXPECT_EQ(answer, std::to_string(rounded)) << l[3];
            } else if (kind == 24) {
                ASSERT_GE(l.size(), 6u);
                const int64_t num = std::stoll(l[3]), whole = std::stoll(l[4]), den = std::stoll(l[5]);
                EXPECT_EQ(den, grade >= 5 ? 1000 : 10);
                EXPECT_EQ(micro % den, 0);
                EXPECT_EQ(answer, written(whole * micro + num * (micro / den), false)) << l[3] << "/" << l[5];
            } else {
                ASSERT_TRUE(std::regex_match(l[3], m, operation)) << l[3];
                EXPECT_EQ(answer, recomputed(m, plug.thirdunit_ == "$")) << l[3];
            }
        }
    }
};

TEST_P(Typedseeded, AnswersFollowFromTheNumbersShown)
{
    const uint8_t kind = GetParam();
    const int low = kind == 3 || kind == 24 ? 1 : 3;
    const int high = kind == 20 || kind == 21 ? 7 : 6;
    Tnumplug plain(rig.lesson);
    for (int grade = low; grade <= high; ++grade)
        check(plain, grade, 2000, grade == 7 ? 6 : 0);
    if (kind == 3 || kind == 24)
        return;
    Tnumrm money(rig.lesson);
    Tnummeas length(rig.lesson);
    Tnumkg weight(rig.lesson);
    for (int grade = 3; grade <= 6; ++grade)
        check(money, grade, 1000);
    for (int grade = 5; grade <= 6; ++grade)
        check(length, grade, 1000);
    if (kind >= 22)
        for (int grade = 5; grade <= 6; ++grade)
            check(weight, grade, 1000);
    else
        check(weight, 7, 2000, 5);
}

INSTANTIATE_TEST_SUITE_P(Kinds, Typedseeded, ::testing::Values(3, 20, 21, 22, 23, 24));

}  // namespace
