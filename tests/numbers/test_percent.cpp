// Fractions and percentages, the bar graph, and the percentage and fraction stories: exact
// questions for chosen draws, what happens without a story, and thousands of seeded
// questions whose answers are worked out again from what the pupil is shown.
#include "numbers/numplug.h"
#include "support/lessonrig.h"
#include "support/plugrig.h"
#include "wordq/poselitq.h"

#include <gtest/gtest.h>

#include <map>
#include <numeric>
#include <regex>

namespace {

using Lines = std::vector<std::string>;

TEST(Fractionpercent, ConvertsEitherWay)
{
    Plugrig<Scriptedrandom> r;
    r.random.push({0, 1, 3});  // fraction to percentage, 3/4
    r.compose(7, 6);
    EXPECT_EQ(r.box.texts(), (Lines{"Convert the following fraction to percentage: ", "Sample answer: 12%", "",
                                    "Tukar pecahan yang berikut kepada peratus: ", "Contoh Jawapan: 12%", "",
                                    "  3/4", ""}));
    EXPECT_EQ(r.lesson.state.answertext, "75%");
    EXPECT_EQ(r.lesson.state.blank, 2);
    EXPECT_EQ(r.lesson.state.opkind, 1);

    r.random.push({1, 1, 3});  // 75% to a fraction
    r.compose(7, 6);
    EXPECT_EQ(r.box.texts(), (Lines{"Convert the following to simplified fraction: ", "Sample answer: 1/2", "",
                                    "Tukarkan yang berikut kepada pecahan dalam bentuk termudah: ",
                                    "Contoh Jawapan: 1/2", "", "  75%", ""}));
    EXPECT_EQ(r.lesson.state.answertext, "3/4");

    r.random.push({0, 6, 0});  // a numerator of 0 becomes 1: 1/50
    r.compose(7, 6);
    EXPECT_EQ(r.box.lines[6].text, "  1/50");
    EXPECT_EQ(r.lesson.state.answertext, "2%");
}

TEST(Bargraph, AsksTotalAverageShareOrFractionOfTheApples)
{
    Plugrig<Scriptedrandom> r;
    r.withstories();
    const std::string answers[] = {"100", "20", "20%", "1/5"};
    for (int32_t q = 0; q < 4; ++q) {
        r.lesson.state.opkind = 0;
        // 10, 10, 10, 10, 20 gives Friday 33.3%: drawn again, as 20, 30, 10, 20, 20.
        r.random.push({0, 0, 0, 0, 1, 1, 2, 0, 1, 1, q});
        r.compose(9, 6);
        EXPECT_EQ(r.lesson.state.answertext, answers[q]);
        EXPECT_EQ(r.lesson.state.opkind, q == 3 ? 1 : 0) << "only the fraction form sets the sentence";
    }
    EXPECT_EQ(r.plug.sales, (std::array<int32_t, 5>{20, 30, 10, 20, 20}));
    EXPECT_EQ(r.lesson.picture.sales, r.plug.sales);
    EXPECT_EQ(r.view.picture, 9);
    EXPECT_EQ(r.lesson.litq->picturekind, 9);

    // Friday sells 4%: not a multiple of 5, so the fraction form asks the percentage.
    r.random.push({9, 9, 2, 0, 0, 3});
    r.compose(9, 6);
    EXPECT_EQ(r.box.texts(),
              (Lines{"Refer to the graph chart on the right: ", "A fruit seller sells a number of apples daily",
                     "For the 5 days,what percent of apples is sold on Friday?", "Sample answer: 12%", "",
                     "Rujuk keada palang graf di sebelah kanan: ",
                     "Seorang penjual buah epal menjual beberapa epal setiap hari",
                     "Untuk 5 hari tersebut, berapakah peratus epal dijual pada hari Jumaat?",
                     "Jawapan Contoh: 12%", ""}));
    EXPECT_EQ(r.lesson.state.answertext, "4%");
}

TEST(Percentproblem, AmountLeftIsRightInDollarsOrRinggit)
{
    Plugrig<Scriptedrandom> r;
    r.random.push({1, 1, 0, 0});  // divisor 4, amount left, 1/4 off 40000
    r.compose(8, 6);
    // No story file in this lesson: the same question as a sentence.
    EXPECT_EQ(r.box.texts(), (Lines{"How much is left of $40000 after taking 25% off?", "Sample answer: $125",
                                    "Berapakah baki RM40000 selepas ditolak 25%?", "Contoh Jawapan: RM125"}));
    const LessonState& s = r.lesson.state;
    EXPECT_EQ(s.answertext, "$30000");
    EXPECT_EQ(s.answertext2, "RM30000");
    EXPECT_EQ(s.partnum1, 1);
    EXPECT_EQ(s.partnum2, 4);
    EXPECT_EQ(s.firstnum, 25);
    EXPECT_EQ(s.secondnum, 40000);
    EXPECT_EQ(s.resultnum, 30000);
    EXPECT_EQ(s.wordsign, "");
    for (const char* typed : {"RM30000", "$30000", "30000"}) {
        r.lesson.edtjawapKeyPress(typed);
        EXPECT_EQ(r.view.sounds.back(), typed[0] == '3' ? "ohoh" : "right") << typed;
    }
}

TEST(Wordproblems, TellTheStoryOrElseAskTheSameSentence)
{
    Plugrig<Scriptedrandom> r;
    r.withstories();
    r.dir.write("litq.txt", {"[5", "#1f2", "=1", "&1.Take *a1*/*a2* of *b*, then *a*/*c1* of the rest.",
                             "~Ambil *a1*/*a2* daripada *b*, kemudian *a*/*c1* bakinya.&///"});
    r.random.push({2, 0, 1, 1});  // 1/4 of 12 taken away, then 2/3 of the 9 left
    r.compose(17, 5);
    EXPECT_EQ(r.box.texts(),
              (Lines{"Take 1/4 of 12, then 2/3 of the rest.", "Ambil 1/4 daripada 12, kemudian 2/3 bakinya."}));
    EXPECT_EQ(r.lesson.state.answertext, "6");
    EXPECT_EQ(r.lesson.state.wordsign, "");
    EXPECT_TRUE(r.view.messages.empty());

    // No "#1f1" in the file: the reader says so, and the sentence asks 3/4 of 40.
    r.random.push({2, 2, 8});
    r.compose(16, 5);
    EXPECT_EQ(r.view.messages, (Lines{"Maaf! Cuba lagi!"}));
    EXPECT_EQ(r.box.texts(), (Lines{"What is 3/4 of 40?", "Berapakah 3/4 daripada 40?"}));
    EXPECT_EQ(r.lesson.state.answertext, "30");
    EXPECT_EQ(r.lesson.state.wordsign, "") << "a key left behind would misdirect the next story";

    // No file at all: said once, however many questions follow.
    std::filesystem::remove(r.dir.path / "litq.txt");
    r.view.messages.clear();
    r.random.push({2, 2, 8, 0, 0, 5});
    r.compose(16, 6);
    r.compose(8, 6);  // 50% of 14
    ASSERT_EQ(r.view.messages.size(), 1u);
    EXPECT_NE(r.view.messages[0].find("\"litq.txt\" is missing"), std::string::npos);
    EXPECT_EQ(r.box.texts(), (Lines{"What is 50% of 14?", "Berapakah 50% daripada 14?"}));
    EXPECT_EQ(r.lesson.state.answertext, "7");
}

// a / b as a whole number, failing the test when it does not divide.
int64_t exact(int64_t a, int64_t b)
{
    EXPECT_TRUE(b != 0 && a % b == 0) << a << " / " << b;
    return b ? a / b : 0;
}

TEST(Percentkinds, EveryAnswerFollowsFromTheNumbersShown)
{
    Plugrig<Randomsource> r;
    const std::regex fraction(R"(  (\d+)/(\d+))"), percent(R"(  (\d+)%)"), answerfraction(R"((\d+)/(\d+))");
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        r.random.seed(seed);
        r.compose(7, 6);
        const std::string body = r.box.lines.at(6).text, answer = r.lesson.state.answertext;
        std::smatch m, a;
        if (std::regex_match(body, m, fraction)) {
            const int64_t n = std::stoll(m[1]), d = std::stoll(m[2]);
            EXPECT_LT(n, d);
            EXPECT_EQ(answer, std::to_string(exact(100 * n, d)) + "%") << body;
        } else {
            ASSERT_TRUE(std::regex_match(body, m, percent)) << body;
            ASSERT_TRUE(std::regex_match(answer, a, answerfraction)) << answer;
            const int64_t p = std::stoll(m[1]), n = std::stoll(a[1]), d = std::stoll(a[2]);
            EXPECT_EQ(n * 100, p * d) << body << " " << answer;
            EXPECT_EQ(std::gcd(n, d), 1) << answer;
        }

        r.random.seed(seed);
        r.compose(9, 6);
        const auto& sales = r.lesson.picture.sales;
        int64_t total = 0;
        for (const int32_t day : sales) {
            EXPECT_TRUE(day >= 10 && day <= 100 && day % 10 == 0) << day;
            total += day;
        }
        const std::string question = r.box.lines.at(2).text, got = r.lesson.state.answertext;
        if (question.find("total number") != std::string::npos)
            EXPECT_EQ(got, std::to_string(total));
        else if (question.find("average") != std::string::npos)
            EXPECT_EQ(got, std::to_string(exact(total, 5)));
        else if (question.find("what percent") != std::string::npos)
            EXPECT_EQ(got, std::to_string(exact(100 * sales[4], total)) + "%");
        else {
            ASSERT_TRUE(std::regex_match(got, a, answerfraction)) << question << " " << got;
            const int64_t n = std::stoll(a[1]), d = std::stoll(a[2]);
            EXPECT_EQ(n * total, d * sales[4]) << got;
            EXPECT_EQ(std::gcd(n, d), 1) << got;
            EXPECT_EQ(exact(100 * sales[4], total) % 5, 0) << "a fraction asked for an awkward share";
        }
    }
}

TEST(Wordproblems, EverySentenceAnswerFollowsFromItsNumbers)
{
    Plugrig<Randomsource> r;
    const std::regex f1(R"(What is (\d+)/(\d+) of (\d+)\?)"), f2(R"(Take (\d+)/(\d+) of (\d+) away from (\d+)\.)"),
        f2b(R"(What is (\d+)/(\d+) of what is left\?)"), p(R"(What is (\d+)% of (\d+)\?)"),
        p1(R"(How much is left of \$(\d+) after taking (\d+)% off\?)"), p2(R"(What percent of (\d+) is (\d+)\?)");
    std::map<std::string, int> seen;
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        r.random.seed(seed);
        const int kind = seed % 3 == 0 ? 8 : 15 + static_cast<int>(seed % 3);
        r.compose(kind, 6);
        const std::string line = r.box.lines.at(0).text, got = r.lesson.state.answertext;
        auto n = [](const std::ssub_match& s) { return static_cast<int64_t>(std::stoll(s.str())); };
        std::smatch m, k;
        if (std::regex_match(line, m, f1)) {
            ++seen["f1"];
            EXPECT_LT(n(m[1]), n(m[2]));
            EXPECT_EQ(got, std::to_string(exact(n(m[1]) * n(m[3]), n(m[2])))) << line;
        } else if (std::regex_match(line, m, f2)) {
            ++seen["f2"];
            ASSERT_TRUE(std::regex_match(r.box.lines.at(1).text, k, f2b));
            const int64_t left = n(m[3]) - exact(n(m[1]) * n(m[3]), n(m[2]));
            EXPECT_EQ(got, std::to_string(exact(left * n(k[1]), n(k[2])))) << line;
        } else if (std::regex_match(line, m, p)) {
            ++seen["p"];
            EXPECT_EQ(got, std::to_string(exact(n(m[1]) * n(m[2]), 100))) << line;
        } else if (std::regex_match(line, m, p1)) {
            ++seen["p1"];
            const int64_t left = n(m[1]) - exact(n(m[1]) * n(m[2]), 100);
            EXPECT_EQ(got, "$" + std::to_string(left)) << line;
            EXPECT_EQ(r.lesson.state.answertext2, "RM" + std::to_string(left)) << line;
        } else if (std::regex_match(line, m, p2)) {
            ++seen["p2"];
            EXPECT_EQ(got, std::to_string(exact(100 * n(m[2]), n(m[1]))) + "%") << line;
        } else {
            ADD_FAILURE() << "kind " << kind << " asks " << line;
        }
    }
    EXPECT_EQ(seen.size(), 5u);
}

// The shipped stories show the lesson's numbers; the answer must follow from them.
TEST(Wordproblems, ShippedStoriesAnswerTheirNumbers)
{
    Plugrig<Randomsource> r;
    std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt", r.dir.path / "litq.txt");
    r.withstories();
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        r.random.seed(seed);
        const int grade = 5 + static_cast<int>(seed % 2);
        const int kind = grade == 6 && seed % 3 == 0 ? 8 : 16 + static_cast<int>(seed / 2 % 2);
        r.compose(kind, grade);
        ASSERT_TRUE(r.view.messages.empty()) << r.view.messages.front();
        const LessonState& s = r.lesson.state;
        EXPECT_NE(r.box.text().find(std::to_string(s.secondnum)), std::string::npos) << r.box.text();
        const int64_t a = s.firstnum, a1 = s.partnum1, a2 = s.partnum2, b = s.secondnum, c1 = s.resultnum;
        const std::string& got = s.answertext;
        if (kind == 16) {
            EXPECT_EQ(got, std::to_string(exact(a1 * b, a2)));
        } else if (kind == 17) {
            EXPECT_EQ(got, std::to_string(exact((b - exact(a1 * b, a2)) * a, c1)));
        } else {
            EXPECT_EQ(a * a2, 100 * a1) << "the percentage is the fraction a1/a2";
            // Taking off or asking for more than half is not drawn.
            const bool half = got.front() == '$' || got.back() == '%';
            EXPECT_TRUE(a >= 1 && a <= (half ? 50 : 98)) << a << "% in " << got;
            if (got.front() == '$') {
                EXPECT_EQ(got, "$" + std::to_string(b - exact(a * b, 100)));
                EXPECT_EQ(s.answertext2, "RM" + got.substr(1));
            } else if (got.back() == '%') {
                EXPECT_EQ(b - c1, exact(a * b, 100)) << "what is left shows what was taken";
                EXPECT_EQ(got, std::to_string(exact(100 * (b - c1), b)) + "%");
            } else {
                EXPECT_EQ(got, std::to_string(exact(a * b, 100)));
            }
        }
    }
}

}  // namespace
