#include "tutorial/claims.h"

#include <gtest/gtest.h>

#include <random>

using namespace tutorial;

namespace {

bool holds(const std::string& claim)
{
    Letters letters;
    std::vector<Quantity> values;
    bool notasum = false;
    return checkclaim(claim, letters, values, notasum).empty();
}

Quantity value(const char* expr)
{
    std::string error;
    return evaluate(expr, error).value();
}

}  // namespace

TEST(Claims, TrueClaimsHoldAndWrongOnesFail)
{
    struct Case {
        const char* claim;
        bool holds;
    } cases[] = {
        {"390 x 4 = 1560 = 1,560", true},         {"390 x 4 = 1570", false},
        {"3/4 + 1/2 = 1 1/4 = 1¼ = 5/4", true},   {"3/4 + 1/2 = 4/6", false},
        {"¾ - ½ = ¼ = 0.25 = 25%", true},         {"2 3/4 = 2.7", false},
        {"392 ÷ 3 = 130 r 2", true},              {"392 ÷ 3 = 130 remainder/baki 3", false},
        {"667 ÷ 9 = 74 baki 1", true},            {"392 ÷ 3 = 129 r 5", false},
        {"7.2 x 5.4 = 38.88", true},              {"118.70 ÷ 12 x 6 = 59.35", true},
        {"1 m = 100 cm = 1000 mm", true},         {"1 km = 100 m", false},
        {"1 m = 100 g", false},                   {"3 kg 200 g = 3200 g = 3.2 kg", true},
        {"RM1 = 100 sen", true},                  {"RM 5.50 + 50 sen = RM6 = $6.00", true},
        {"RM5.50 = 550", false},                 {"2 l - 250 ml = 1750 ml", true},           {"120 + 15 = 135 minutes", true},
        {"6 x 4 = 24 cm2 = 2400 mm²", true},       {"1/2 ÷ 3/4 = 2/3", true},
        {"2/5 x 3/4 kg = 0.3 kg", true},
        {"2 h 15 min = 135 minutes = 2.25 jam", true}, {"1 h = 100 min", false},
        {"3:45 pm + 20 min = 4:05 pm = 16:05", true},  {"11:05 am + 2 h = 1:05 p.m.", true},
        {"3.45 p.m. - 11:05 am = 4 h 40 min", true},   {"11:30 pm + 1 h = 12:30 am", true},
        {"3:45 pm = 3:45 am", false},             {"1/2 x 8 cm x 5 cm = 20 cm²", true},
        {"25% of RM80 = RM20", true},             {"½ of 8 = 4", true},
        {"(12 + 3) x 2 = 30", true},              {"12 + 3 x 2 = 30", false},
        {"round 1249 to 100 = 1200", true},       {"round 1250 to 100 = 1300", true},
        {"round 1250 to 100 = 1200", false},      {"round 3.456 to 0.01 = 3.46", true},
        {"simplest 27/45 = 3/5", true},           {"simplest 6/8", false},
        {"simplest 27/45 = 9/15", false},         {"let A = 3, B = 4, C = A + B", true},
        {"not a sum: the heading names the idea", true}, {"not a sum:", false},
        {"A + B = C", false},                      {"9223372036854775807 x 2 = 1", false},
        {"5 ÷ 0 = 1", false},
    };
    for (const Case& c : cases) EXPECT_EQ(holds(c.claim), c.holds) << c.claim;

    // A seeded sweep against the machine's own sums: the right answer holds, one off does not.
    std::mt19937 rng(11);
    for (int i = 0; i < 300; ++i) {
        long a = long(rng() % 99999), b = long(rng() % 998) + 1, q = a / b, m = a % b;
        std::string div = std::to_string(a) + " ÷ " + std::to_string(b) + " = ";
        EXPECT_TRUE(holds(div + std::to_string(q) + " r " + std::to_string(m))) << div;
        EXPECT_FALSE(holds(div + std::to_string(q) + " r " + std::to_string(m + 1))) << div;
        std::string sum = std::to_string(a) + " x " + std::to_string(b) + " - " + std::to_string(b) + " = ";
        EXPECT_TRUE(holds(sum + std::to_string(a * b - b))) << sum;
        EXPECT_FALSE(holds(sum + std::to_string(a * b - b + 1))) << sum;
    }
}

TEST(Claims, ShownTextsFindTheirSidesAmongWords)
{
    Letters letters{{"A", value("3")}};
    struct Case {
        const char* text;
        size_t problems;
        std::vector<Quantity> values;
    } cases[] = {
        {"So 390 x 4 = 1560.", 0, {}},
        {"Tens: 4 x 9 = 36. Write 6, carry 3.", 0, {}},
        {"Tens: 4 x 9 = 37, write 7.", 1, {}},
        {"5 x 3 = 15 and 15 + 2 = 18", 1, {}},
        {"10 - ? = 2", 0, {}},
        {"A + 4 = 7", 0, {}},
        {"A + B = C", 1, {}},
        {"Half of 8 = 4", 1, {}},
        {"Half of 8 = 4", 0, {value("4")}},
        {"27/45 ==> 3/5", 0, {}},
        {"1 m = 100 g", 1, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(checkshown(c.text, letters, c.values, false).size(), c.problems) << c.text;
}

TEST(Claims, ScriptsBreakingARuleAreNamedWithTheirLine)
{
    const std::string head = "tutorial noseri\ntitle \"Number Series\" | \"Seri Nombor\"\nstep mark=series\n"
                             "say \"Count on.\" | \"Kira.\"\n";
    struct Case {
        std::string body;
        std::string problem;  // empty: none
    } cases[] = {
        {"hundred 0 0 100\nnumberline 0 0 9 0 2 0.5 at=1.5\nruler 0 0 10 to=10\nclock 0 0 30 12:59\n", ""},
        {"step\nsay \"2 + 2 = 4\"\ncolumn 0 5 \"12 + 30\"\nlongdiv 0 5 \"96 ÷ 4\"\n", ""},
        {"step\nsay \"Add.\"\n", "noseri line 5: the step's words have no Malay"},
        {"math 0 0 \"5 + ? = 9\"\nmath 1 0 \"4\"\nlabel 0 0 \"one 100 | satu seratus\"\n", ""},
        {"label 0 0 \"Write 2 | Tulis 3\"\n", "noseri line 5: the English shows 2, the Malay does not"},
        {"math 0 0 \"5 + ? = 9\"\n", "noseri line 5: \"5 + ? = 9\": no number the example shows answers the question"},
        {"clock 0 0 30 0:15\n", "noseri line 5: clock: the clock shows H:MM, 1:00 to 12:59, not 0:15"},
        {"note 0 0 2\n", "noseri line 5: note: no RM2 note: 1 5 10 20 50 100"},
        {"coin 0 0 1\n", "noseri line 5: coin: no 1 sen coin: 5 10 20 50"},
        {"ruler 0 0 10 to=11\n", "noseri line 5: ruler: the ruler is shaded to 11, past its 10 cm"},
        {"fracbar 0 0 8 4 5\n", "noseri line 5: fracbar: a bar of 4 parts with 5 shaded"},
        {"hundred 0 0 101\n", "noseri line 5: hundred: a hundred square with 101 shaded"},
        {"numberline 0 0 9 0 10 3\n", "noseri line 5: numberline: the steps of 3 do not fit from 0 to 10"},
        {"numberline 0 0 9 0 10 1 at=11\n", "noseri line 5: numberline: the mark 11 is off the line"},
        {"column 0 5 \"12 - 30\"\n", "noseri line 5: column: \"12 - 30\" is below 0"},
        {"longdiv 0 5 \"96 ÷ 0\"\n", "noseri line 5: longdiv: \"96 ÷ 0\" divides by 0"},
        {"math 0 0 \"3/4 + 1/2 = 4/6\"\n",
         "noseri line 5: \"3/4 + 1/2 = 4/6\" does not hold: the left is 5/4, the right 2/3"},
        {"check \"392 ÷ 3 = 130 r 3\"\n",
         "noseri line 3: check \"392 ÷ 3 = 130 r 3\": \"392 ÷ 3 = 130 r 3\" does not hold: 3 x 130 + 3 is not 392"},
    };
    for (const Case& c : cases) {
        std::string error;
        auto script = parsescript(head + c.body, error);
        ASSERT_TRUE(script) << error;
        auto problems = checkscript(*script);
        EXPECT_EQ(problems, c.problem.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.problem}) << c.body;
    }
    std::string error;
    auto wrong = parsescript("tutorial noseri\ntitle \"Series\"\nstep\nsay \"1 + 1 = 2\"\n", error);
    EXPECT_EQ(checkscript(*wrong), (std::vector<std::string>{"noseri line 1: the title is the caption \"Number Series/Seri Nombor\"",
                                                              "noseri line 1: a question links to the mark series, which is missing"}));
}
