// The number sentences of +/-, x and ÷, the remainder note, the language colours, and the
// choice between a sentence and a word problem.
#include "arith/arithmetic.h"

#include "support/lessonrig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <optional>

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

const std::string noteenglish =
    "Note: Also find the remainder,if any. Sample answer: 123 remainder 4 or 123m remainder 4m";
const std::string notemalay = "Nota: Cari juga bakinya,jika ada. Contoh jawapan: 123 baki 4 atau 123m baki 4m";

struct Question {
    int grade;
    uint8_t opkind;
    int32_t first, second, result;
    int32_t part1 = 0, part2 = 0, remainder = 0;
};

class Layout : public ::testing::Test {
protected:
    Rig<Scriptedrandom> rig;
    LessonState& s = rig.lesson.state;

    // Starts a lesson if none is running, puts the numbers in place and lays the question out.
    void pose(const Question& q, std::initializer_list<int32_t> draws, bool similar = false)
    {
        if (!rig.lesson.litq)
            rig.start(q.grade, true, true, true);
        s.gradebutton = "darjah" + std::to_string(q.grade);
        s.opkind = q.opkind;
        s.firstnum = q.opkind == 0 && q.grade >= 3 ? q.part1 + q.part2 : q.first;
        s.secondnum = q.second;
        s.resultnum = q.result;
        s.answertext = std::to_string(q.result);
        s.partnum1 = q.part1;
        s.partnum2 = q.part2;
        s.remainder = static_cast<int16_t>(q.remainder);
        rig.random.push(draws);
        rig.lesson.props.newoper = similar;
        rig.lesson.poseq();
    }
    std::vector<uint32_t> linecolours() const
    {
        std::vector<uint32_t> c;
        for (const auto& line : rig.box.lines)
            c.push_back(line.colour);
        return c;
    }
};

// Works out a number sentence: numbers, + - X ÷ and brackets, X and ÷ before + and -;
// ÷ divides whole numbers and keeps the remainder of the last division.
class Sum {
public:
    explicit Sum(std::string text) : t_(std::move(text)) {}
    std::optional<int64_t> value()
    {
        const int64_t v = expr();
        eat("");  // trailing blanks
        return ok_ && pos_ == t_.size() ? std::optional(v) : std::nullopt;
    }
    int64_t remainder = 0;

private:
    // Skips blanks, then takes the token if it comes next.
    bool eat(const std::string& token)
    {
        while (pos_ < t_.size() && t_[pos_] == ' ')
            ++pos_;
        const bool found = !token.empty() && t_.compare(pos_, token.size(), token) == 0;
        pos_ += found ? token.size() : 0;
        return found;
    }
    int64_t expr()
    {
        int64_t v = term();
        for (;;) {
            if (eat("+"))
                v += term();
            else if (eat("-"))
                v -= term();
            else
                return v;
        }
    }
    int64_t term()
    {
        int64_t v = factor();
        for (bool more = true; ok_ && more;) {
            if (eat("X")) {
                v *= factor();
            } else if (eat("÷")) {
                const int64_t d = factor();
                ok_ = ok_ && d != 0;
                remainder = ok_ ? v % d : 0;
                v = ok_ ? v / d : 0;
            } else {
                more = false;
            }
        }
        return v;
    }
    int64_t factor()
    {
        if (eat("(")) {
            const int64_t v = expr();
            ok_ = ok_ && eat(")");
            return v;
        }
        eat("");
        const size_t start = pos_;
        int64_t v = 0;
        while (pos_ < t_.size() && std::isdigit(static_cast<unsigned char>(t_[pos_])))
            v = v * 10 + (t_[pos_++] - '0');
        ok_ = ok_ && pos_ > start;
        return v;
    }
    std::string t_;
    size_t pos_ = 0;
    bool ok_ = true;
};

// Checks that the sentence holds, and returns what a pupil who works it out types.
std::string solve(const std::string& sentence, const LessonState& s)
{
    const size_t eq = sentence.find(" = ");
    EXPECT_NE(eq, std::string::npos) << sentence;
    if (eq == std::string::npos)
        return {};
    std::string left = sentence.substr(0, eq);
    const std::string right = sentence.substr(eq + 3);
    if (right.find_first_not_of('_') == std::string::npos) {
        Sum sum(left);
        const auto v = sum.value();
        EXPECT_TRUE(v) << sentence;
        const std::string typed = std::to_string(v.value_or(0));
        return sum.remainder > 0 ? typed + " remainder " + std::to_string(sum.remainder) : typed;
    }
    const size_t blank = left.find("___");
    EXPECT_NE(blank, std::string::npos) << sentence;
    if (blank == std::string::npos)
        return {};
    const std::string typed = rightanswer(s);
    left.replace(blank, 3, typed);
    Sum sum(left);
    const size_t rest = right.find(" remainder ");
    EXPECT_EQ(sum.value(), std::stoll(right.substr(0, rest))) << sentence;
    EXPECT_EQ(sum.remainder, rest == std::string::npos ? 0 : std::stoll(right.substr(rest + 11))) << sentence;
    return typed;
}

}  // namespace

TEST_F(Layout, PlusMinusSentences)
{
    const struct {
        Question q;
        std::initializer_list<int32_t> draws;
        const char* sentence;
        int blank;
    } cases[] = {
        {{1, 0, 47, 32, 79}, {0}, "___ +32 = 79", 0},
        {{1, 0, 52, -32, 20}, {0}, "___ -32 = 20", 0},
        {{2, 0, 52, -32, 20}, {1}, "52 - ___ = 20", 1},
        {{2, 0, 47, 32, 79}, {1}, "47 + ___ = 79", 1},
        {{1, 0, 47, 32, 79}, {5, 0}, "47 + 32 = ____", 2},
        {{2, 0, 52, -32, 20}, {2, 0}, "52-32 = ____", 2},
        {{1, 0, 30, 0, 30}, {4, 0}, "30 + 0 = ____", 2},
        {{3, 0, 0, 400, 900, 700, -200}, {1}, "700 -200 + ___ = 900", 1},
        {{5, 0, 0, -400, 100, 350, 150}, {1}, "350 + 150 - ___ = 100", 1},
        {{4, 0, 0, 400, 900, 700, -200}, {2, 0}, "700 -200 + 400 = ________", 2},
        {{6, 0, 0, -400, 100, 350, 150}, {3, 0}, "350 + 150 -400 = _______", 2},
        {{3, 0, 0, -400, 100, 350, 150}, {0, 0}, "350 + 150 -400 = _______", 2},  // never the first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        pose(c.q, c.draws);
        EXPECT_THAT(rig.box.texts(), ElementsAre("", "", c.sentence));
        EXPECT_EQ(linecolours(), std::vector<uint32_t>(3, colours::black));
        EXPECT_EQ(s.blank, c.blank);
        EXPECT_EQ(s.wordform, 0);
        EXPECT_EQ(s.wordsign, "");
    }
}

TEST_F(Layout, TimesSentencesAndGradeSixMixedForms)
{
    const struct {
        Question q;
        std::initializer_list<int32_t> draws;
        const char *sentence, *answer;
    } cases[] = {
        {{2, 1, 4, 5, 20}, {0}, "___ X 5 = 20", "20"},
        {{2, 1, 4, 5, 20}, {1}, "4 X ___ = 20", "20"},
        {{5, 1, 4, 5, 20}, {2, 0}, "4 X 5 = ____", "20"},
        {{6, 1, 4, 5, 20}, {0}, "___ X 5 = 20", "20"},
        {{6, 1, 4, 5, 20}, {2, 0, 0, 90}, "100 + 4 X 5 = ____", "120"},
        {{6, 1, 4, 5, 20}, {2, 0, 1, 0}, "4 X 5 + 10 = ____", "30"},
        {{6, 1, 4, 5, 20}, {2, 0, 2, 5}, "35 - 4 X 5 = ____", "15"},
        {{6, 1, 4, 5, 20}, {2, 0, 3, 6}, "4 X 5 - 14 = ____", "6"},
        {{6, 1, 0, 7, 0}, {2, 0, 3}, "0 X 7 - 0 = ____", "0"},  // nothing to take away from 0
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sentence);
        pose(c.q, c.draws);
        EXPECT_THAT(rig.box.texts(), ElementsAre("", "", c.sentence));
        EXPECT_EQ(s.answertext, c.answer);
        EXPECT_EQ(s.resultnum, c.q.result);
    }
}

TEST_F(Layout, ShareSentences)
{
    const Question withremainder{4, 2, 21, 5, 4, 0, 0, 1};
    const Question exact{2, 2, 20, 5, 4};
    s.blank = 0;
    pose(withremainder, {}, true);
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "___ ÷5 = 4 remainder 1"));
    s.blank = 1;
    pose(withremainder, {}, true);
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "21÷ ___ = 4 remainder 1"));
    pose(exact, {0});
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "___ ÷5 = 4"));
    pose(exact, {1});
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "20÷ ___ = 4"));
    pose(exact, {2, 0});  // grade 2: no remainder note
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "20÷5 = ____"));

    // With a remainder the result is always asked.
    for (const int32_t draw : {0, 1, 2}) {
        pose(withremainder, {draw, 0});
        EXPECT_EQ(s.blank, 2) << draw;
        EXPECT_EQ(rig.box.texts().at(2), "21÷5 = ____");
    }
}

TEST_F(Layout, RemainderNoteFollowsTheLanguageButtons)
{
    const Question q{4, 2, 21, 5, 4, 0, 0, 1};
    const auto B = colours::black, U = colours::blue;

    pose(q, {0, 0});
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "21÷5 = ____", "", noteenglish, "", notemalay));
    EXPECT_EQ(linecolours(), (std::vector<uint32_t>{B, B, B, B, B, U, U}));
    EXPECT_EQ(rig.box.colour, B);

    rig.view.malay = true;
    pose(q, {0, 0});
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "21÷5 = ____", "", notemalay));
    EXPECT_EQ(linecolours(), std::vector<uint32_t>(5, U));

    rig.view.malay = false;
    rig.view.english = true;
    pose(q, {0, 0});
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "21÷5 = ____", "", noteenglish));
    EXPECT_EQ(linecolours(), std::vector<uint32_t>(5, B));
}

TEST_F(Layout, StoryKeysNameTheSignsOfTheNumbers)
{
    rig.dir.write("litq.txt", {"[1", "#0+", " 1", "&1.PLUS *a* *b*&end", "#0-", " 1", "&1.MINUS *a* *b*&end",
                               "[3", "#0++", " 1", "&1.++ *a1* *a2* *b*&end", "#0+-", " 1",
                               "&1.+- *a1* *a2* *b*&end", "#0-+", " 1", "&1.-+ *a1* *a2* *b*&end", "#0--",
                               " 1", "&1.-- *a1* *a2* *b*&end", "#02+", " 1", "&1.2+ *a1* *a2* *b*&end"});
    const struct {
        Question q;
        const char* story;
    } cases[] = {
        {{1, 0, 47, 32, 79}, "PLUS 47 32"},
        {{1, 0, 30, 0, 30}, "PLUS 30 0"},
        {{1, 0, 52, -32, 20}, "MINUS 52 32"},
        {{3, 0, 0, 400, 900, 700, 200}, "++ 700 200 400"},
        {{3, 0, 0, -400, 500, 700, 200}, "+- 700 200 400"},
        {{3, 0, 0, 400, 900, 700, -200}, "-+ 700 200 400"},
        {{3, 0, 0, -400, 100, 700, -200}, "-- 700 200 400"},
        {{3, 0, 0, 100, 600, 250, 250}, "2+ 250 250 100"},
        {{3, 0, 0, -100, 400, 250, 250}, "+- 250 250 100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.story);
        pose(c.q, {2, 1});
        EXPECT_THAT(rig.box.texts(), ElementsAre(c.story));  // the story replaces the sentence
        EXPECT_EQ(s.wordform, 1);
        EXPECT_EQ(s.wordsign, "");
        EXPECT_THAT(rig.view.messages, ::testing::IsEmpty());
    }
}

TEST_F(Layout, WordProblemFromTheFileIsMarkedLikeTheSentence)
{
    rig.dir.write("litq.txt", {"[2", "#0+", " 1", "&1.Ali has *a* marbles and wins *b* more.",
                               "How many marbles has he now?", "~Ali ada *a* guli dan menang *b* lagi.",
                               "Berapa guli dia ada sekarang?&end"});
    rig.start(2, true);
    rig.random.push({47, 79, 2, 1});
    rig.lesson.btnnewqClick();
    EXPECT_THAT(rig.box.texts(), ElementsAre("Ali has 47 marbles and wins 32 more.", "How many marbles has he now?",
                                             "Ali ada 47 guli dan menang 32 lagi.", "Berapa guli dia ada sekarang?"));
    EXPECT_EQ(linecolours(), (std::vector<uint32_t>{colours::black, colours::black, colours::blue, colours::blue}));
    rig.lesson.edtjawapKeyPress("79");
    EXPECT_TRUE(rig.view.marking);
    EXPECT_THAT(rig.view.messages, ::testing::IsEmpty());
}

TEST_F(Layout, GradeSixShareStoryIsARate)
{
    rig.dir.write("litq.txt", {"[6", "#2hr", " 1", "&1.HOUR *a1* in *a2*&end", "#2dy", " 1",
                               "&1.DAY *a1* in *a2*&end", "#2", " 1", "&1.RATE *a1* in *a2*, *b*?&end"});
    const Question q{6, 2, 100, 7, 14, 0, 0, 2};
    const struct {
        std::initializer_list<int32_t> draws;
        const char* story;
        const char* answer;
    } cases[] = {
        {{0, 1, 0, 2, 10, 50}, "RATE 150 in 30, 150?", "750"},  // 5 a piece, 150 pieces
        {{0, 1, 1, 1, 0, 3}, "HOUR 15 in 5", "10800"},          // 3 a second, one hour
        {{0, 1, 1, 1, 1, 3}, "DAY 15 in 5", "4320"},            // 3 a minute, one day
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.story);
        pose(q, c.draws);
        EXPECT_THAT(rig.box.texts(), ElementsAre(c.story));  // and no remainder note
        EXPECT_EQ(s.answertext, c.answer);
        EXPECT_EQ(s.remainder, 0);
        EXPECT_EQ(s.wordsign, "");
    }
}

TEST_F(Layout, MissingFileShowsTheSentenceAndSaysSoOnce)
{
    rig.start(2, true);
    rig.view.practice = true;
    for (const auto& draws : {std::initializer_list<int32_t>{47, 79, 2, 1}, {52, 20, 3, 1}, {10, 90, 5, 1}}) {
        rig.random.push(draws);
        rig.lesson.btnnewqClick();
        ASSERT_EQ(rig.box.texts().size(), 3u);
        EXPECT_EQ(solve(rig.box.texts()[2], s), s.answertext) << rig.box.texts()[2];
    }
    EXPECT_EQ(rig.box.texts()[2], "10 + 80 = ____");
    ASSERT_EQ(rig.view.messages.size(), 1u);
    EXPECT_THAT(rig.view.messages[0], HasSubstr("litq.txt"));
    EXPECT_THAT(rig.view.messages[0], HasSubstr("/"));  // English, then Malay

    // The grade 6 rate has its own numbers: the sentence shown must ask for them.
    const Question q{6, 2, 100, 7, 14, 0, 0, 2};
    pose(q, {0, 1, 0, 2, 10, 50});
    EXPECT_EQ(s.answertext, "750");
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", ::testing::_));
    EXPECT_EQ(solve(rig.box.texts()[2], s), "750") << rig.box.texts()[2];
    EXPECT_EQ(rig.view.messages.size(), 1u);
}

// Every question any grade can get, shown as a sentence: the sentence holds, and the answer a
// pupil works out from it is marked right.
TEST(LayoutProperty, EverySentenceShownHoldsForItsExpectedAnswer)
{
    for (int grade = 1; grade <= 6; ++grade) {
        SCOPED_TRACE(grade);
        Rig<Randomsource> rig;
        rig.random.seed(700 + grade);
        rig.start(grade, true, grade > 1, grade > 1);
        rig.view.practice = true;
        for (int i = 0; i < 400; ++i) {
            rig.lesson.btnnewqClick();
            const auto& s = rig.lesson.state;
            ASSERT_EQ(s.answertext2, "!!!");
            const auto lines = rig.box.texts();
            ASSERT_GE(lines.size(), 3u);
            const std::string typed = solve(lines[2], s);
            rig.lesson.edtjawapKeyPress(typed);
            ASSERT_TRUE(rig.view.marking) << lines[2] << " answered " << typed;
        }
        EXPECT_EQ(rig.view.messages.size(), 1u);  // the missing file, told once
    }
}
