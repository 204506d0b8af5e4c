// Multiple-choice number questions: the exact texts for chosen engine draws, and over many
// seeded questions exactly one right option (worked out again from the numbers shown),
// options that differ in value, every letter in use, and the language switches.
#include "engine/scripted_draws.h"
#include "numbers/numplug.h"
#include "support/lessonrig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <numeric>
#include <random>
#include <set>
#include <sstream>

using ::testing::ElementsAre;
using ::testing::EndsWith;

namespace {

const std::string selectenglish = "Select a correct answer(a,b,c,d,e). Sample Answer: b";
const std::string selectmalay = "Pilih salah satu jawapan(a,b,c,d,e) yang betul. Contoh Answer: b";

// ---- our own arithmetic ------------------------------------------------------------------

struct Q {
    int64_t n = 0, d = 1;
    Q(int64_t num = 0, int64_t den = 1)
    {
        const int64_t g = std::gcd(num, den) * (den < 0 ? -1 : 1);
        n = g ? num / g : num;
        d = g ? den / g : den;
    }
};
Q operator+(Q a, Q b) { return {a.n * b.d + b.n * a.d, a.d * b.d}; }
Q operator-(Q a, Q b) { return {a.n * b.d - b.n * a.d, a.d * b.d}; }
Q operator*(Q a, Q b) { return {a.n * b.n, a.d * b.d}; }
Q operator/(Q a, Q b) { return {a.n * b.d, a.d * b.n}; }
bool operator==(Q a, Q b) { return a.n == b.n && a.d == b.d; }
bool operator<(Q a, Q b) { return a.n * b.d < b.n * a.d; }

// The part below 1, in hundredths, an exact half going to the even neighbour.
int64_t fractionhundredths(Q v)
{
    const int64_t n = v.n % v.d, q = 100 * n / v.d, r = 100 * n % v.d;
    return q + (2 * r > v.d || (2 * r == v.d && q % 2 == 1));
}

// ---- reading the text back ---------------------------------------------------------------

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find("\r\n", start);
        out.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            return out;
        start = end + 2;
    }
}

std::vector<int64_t> ints(const std::string& s)
{
    std::vector<int64_t> out;
    for (size_t i = 0; i < s.size();) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            size_t j = i;
            while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j])))
                ++j;
            out.push_back(std::stoll(s.substr(i, j - i)));
            i = j;
        } else {
            ++i;
        }
    }
    return out;
}

std::string rtrim(std::string s)
{
    while (!s.empty() && s.back() == ' ')
        s.pop_back();
    return s;
}

// A question as the pupil sees it: the question's lines and each option's lines.
struct Shown {
    std::vector<std::string> question;
    std::array<std::vector<std::string>, 5> options;
    std::string error;
};

// Options are "x. " and a row on one line, or "x. " alone and a row of three lines.
Shown split(const std::string& text, bool threelines)
{
    Shown s;
    const auto cut = text.find("\r\n\n");
    if (cut == std::string::npos) {
        s.error = "no blank line after the question";
        return s;
    }
    s.question = lines(text.substr(0, cut));
    const auto rest = lines(text.substr(cut + 3));
    const size_t per = threelines ? 4 : 1;
    if (rest.size() != 5 * per + 1 || !rest.back().empty()) {
        s.error = "not five options ended by CR LF";
        return s;
    }
    for (size_t j = 0; j < 5; ++j) {
        const std::string letter = std::string(1, static_cast<char>('a' + j)) + ". ";
        const std::string& first = rest[j * per];
        if (first.compare(0, 3, letter) != 0 || (threelines && first != letter)) {
            s.error = "option " + letter + "badly lettered";
            return s;
        }
        if (threelines)
            s.options[j].assign(rest.begin() + static_cast<long>(j * per + 1), rest.begin() + static_cast<long>(j * per + 4));
        else
            s.options[j] = {first.substr(3)};
    }
    return s;
}

std::vector<double> numbers(const std::string& line)
{
    std::vector<double> out;
    std::stringstream in(line);
    std::string item;
    while (std::getline(in, item, ','))
        out.push_back(std::strtod(item.c_str(), nullptr));
    return out;
}

// A one-fraction or mixed-number layout: numerator line, bar line (the whole part stands
// before the bar), denominator line. A line with no bar shows a whole number or 0.
Q mixed(const std::vector<std::string>& l)
{
    const auto bar = l[1].find("---");
    const auto whole = ints(l[1].substr(0, bar));
    const Q w = whole.empty() ? 0 : whole[0];
    if (bar == std::string::npos)
        return w;
    const auto top = ints(l[0]), bottom = ints(l[2]);
    if (top.size() != 1 || bottom.size() != 1 || bottom[0] == 0)
        return -1;
    return w + Q(top[0], bottom[0]);
}

// The two operands of an operation question: fraction bars with their whole parts written
// just before them, or a whole number after the sign.
std::pair<Q, Q> operands(std::vector<std::string> l)
{
    if (!l.empty() && l[0].empty())
        l.erase(l.begin());
    if (l.size() != 3)
        return {-1, -1};
    const auto top = ints(l[0]), bottom = ints(l[2]);
    std::vector<Q> values;
    size_t k = 0;
    std::string::size_type after = 0;
    for (auto bar = l[1].find("---"); bar != std::string::npos; bar = l[1].find("---", bar + 3), ++k) {
        size_t start = bar;
        while (start > 0 && std::isdigit(static_cast<unsigned char>(l[1][start - 1])))
            --start;
        const Q w = start < bar ? Q(std::stoll(l[1].substr(start, bar - start))) : Q(0);
        if (k >= top.size() || k >= bottom.size() || bottom[k] == 0)
            return {-1, -1};
        values.push_back(w + Q(top[k], bottom[k]));
        after = bar + 3;
    }
    if (values.size() == 1) {
        const auto whole = ints(l[1].substr(after));
        if (whole.size() != 1)
            return {-1, -1};
        values.push_back(whole[0]);
    }
    if (values.size() != 2)
        return {-1, -1};
    return {values[0], values[1]};
}

// Checks a composed question by the rules alone; empty when it is sound.
std::string check(uint8_t kind, const std::string& text, const std::string& answer)
{
    const bool threelines = kind >= 10 && kind <= 18;
    const Shown s = split(text, threelines);
    if (!s.error.empty())
        return s.error;
    std::array<bool, 5> right{};
    std::vector<Q> values;  // each option's value, where one option is one value

    if (kind == 1 || kind == 2 || kind == 19) {
        if (s.question.size() != 1)
            return "question is not one line";
        const auto asked = numbers(s.question[0]);
        for (size_t j = 0; j < 5; ++j) {
            const auto row = numbers(s.options[j][0]);
            const bool same = row.size() == 5 && std::is_permutation(row.begin(), row.end(), asked.begin(), asked.end());
            const bool ordered =
                std::adjacent_find(row.begin(), row.end(), [kind](double x, double y) {
                    return kind == 2 ? !(y < x) : !(x < y);
                }) == row.end();
            right[j] = same && ordered;
        }
    } else if (kind == 10 || kind == 11) {
        const auto five = [](const std::vector<std::string>& l) {
            std::vector<std::pair<int64_t, int64_t>> f;
            const auto top = ints(l[0]), bottom = ints(l[2]);
            for (size_t i = 0; i < top.size() && i < bottom.size(); ++i)
                f.emplace_back(top[i], bottom[i]);
            return f;
        };
        if (s.question.size() != 3)
            return "question is not three lines";
        const auto asked = five(s.question);
        if (asked.size() != 5)
            return "question does not show five fractions";
        for (size_t j = 0; j < 5; ++j) {
            const auto row = five(s.options[j]);
            bool ordered = row.size() == 5;
            for (size_t i = 1; ordered && i < row.size(); ++i) {
                const Q a(row[i - 1].first, row[i - 1].second), b(row[i].first, row[i].second);
                ordered = kind == 10 ? a < b : b < a;
            }
            right[j] = ordered && std::is_permutation(row.begin(), row.end(), asked.begin(), asked.end());
        }
    } else if (kind == 12) {
        if (s.question.size() != 3)
            return "question is not three lines";
        const auto top = ints(s.question[0]), bottom = ints(s.question[2]);
        if (top.size() != 1 || bottom.size() != 1)
            return "question is not one fraction";
        if (std::gcd(top[0], bottom[0]) == 1)
            return "the fraction to simplify is in lowest terms already";
        const Q asked(top[0], bottom[0]);
        for (size_t j = 0; j < 5; ++j) {
            const auto n = ints(s.options[j][0]), d = ints(s.options[j][2]);
            if (n.size() != 1 || d.size() != 1 || d[0] == 0)
                return "option is not one fraction";
            values.push_back(Q(n[0], d[0]));
            right[j] = std::gcd(n[0], d[0]) == 1 && values.back() == asked;
        }
    } else {
        const auto [a, b] = operands(s.question);
        if (a.n < 0 || b.n < 0)
            return "question's operands cannot be read";
        const Q expected = kind == 13 ? a + b : kind == 14 ? a - b : kind == 15 ? a * b : a / b;
        for (size_t j = 0; j < 5; ++j) {
            values.push_back(mixed(s.options[j]));
            if (values.back().n < 0)
                return "option cannot be read";
            right[j] = values.back() == expected;
        }
    }

    if (std::count(right.begin(), right.end(), true) != 1)
        return std::to_string(std::count(right.begin(), right.end(), true)) + " right options";
    const auto at = static_cast<size_t>(std::find(right.begin(), right.end(), true) - right.begin());
    if (answer != std::string(1, static_cast<char>('a' + at)))
        return "answer " + answer + " is not the right option";
    // Options apart: different values, and (for the fraction operations) fraction parts
    // that differ to two places.
    std::set<int64_t> keys;
    for (size_t i = 0; i < values.size(); ++i) {
        for (size_t j = 0; j < i; ++j)
            if (values[i] == values[j])
                return "two options with the same value";
        keys.insert(fractionhundredths(values[i]));
    }
    if (kind >= 12 && kind <= 18 && keys.size() != 5)
        return "two options whose fraction parts are equal to two places";
    return "";
}

// ---- engines -----------------------------------------------------------------------------

// A number-question object whose engines draw what the test scripts.
class Choices : public ::testing::Test {
protected:
    ScriptedDraws draws;
    Rig<Scriptedrandom> rig;
    Tnumplug plug{rig.lesson};
    std::string answertext, questiontext;

    Choices() { plug.enginefactory = [this] { return new Tnumengimpl(draws); }; }

    void compose(uint8_t kind, int grade)
    {
        rig.lesson.state.gradebutton = "darjah" + std::to_string(grade);
        plug.composenumber(kind, grade, answertext, questiontext);
    }
    // The shuffle's four draws from a pool of 5, 4, 3 and 2.
    void shuffle(int32_t a, int32_t b, int32_t c, int32_t d)
    {
        draws.expect(5, a);
        draws.expect(4, b);
        draws.expect(3, c);
        draws.expect(2, d);
    }
    // The option block of a three-line row, trailing blanks dropped.
    std::vector<std::string> option(char letter) const
    {
        const auto all = lines(questiontext);
        // The first option follows the question's blank line, so its line starts "\n".
        const auto at = std::find_if(all.begin(), all.end(), [letter](const std::string& l) {
            return l == std::string(1, letter) + ". " || l == "\n" + std::string(1, letter) + ". ";
        });
        if (at == all.end() || all.end() - at < 4)
            return {};
        return {rtrim(at[1]), rtrim(at[2]), rtrim(at[3])};
    }
};

// ---- exact texts -------------------------------------------------------------------------

TEST_F(Choices, WholeNumbersInAscendingOrderShowTheQuestionAndFiveLetteredRows)
{
    for (int32_t v : {11, 6, 98, 44, 2})  // 12, 7, 99, 45, 3
        draws.expect(100, v);
    shuffle(1, 0, 0, 0);  // 7 3 12 45 99
    shuffle(4, 3, 2, 1);  // 99 45 12 7 3
    shuffle(0, 0, 1, 0);  // 3 7 45 12 99
    shuffle(2, 2, 2, 1);  // 12 45 99 7 3
    shuffle(4, 0, 0, 0);  // lettering 5 1 2 3 4: the right row is b
    compose(1, 1);

    const std::string expected =
        "  12 ,7 ,99 ,45 ,3 \r\n\n"
        "a.   12 ,45 ,99 ,7 ,3 \r\n"
        "b.   3 ,7 ,12 ,45 ,99 \r\n"
        "c.   7 ,3 ,12 ,45 ,99 \r\n"
        "d.   99 ,45 ,12 ,7 ,3 \r\n"
        "e.   3 ,7 ,45 ,12 ,99 \r\n";
    EXPECT_EQ(questiontext, expected);
    EXPECT_EQ(answertext, "b");
    EXPECT_EQ(plug.answer, "b");
    plug.handover();
    EXPECT_EQ(rig.lesson.state.answertext, "b");

    // The header, one item a line, then the question as one item in black.
    const auto& box = rig.box.lines;
    ASSERT_GE(box.size(), 5u);
    const auto texts = rig.box.texts();
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 5),
                ElementsAre(selectenglish, "Arrange the following numbers in ascending order:", selectmalay,
                            "Susun semula nombor mengikut tertib menaik:", ""));
    EXPECT_EQ(box[0].colour, colours::black);
    EXPECT_EQ(box[1].colour, colours::black);
    EXPECT_EQ(box[2].colour, colours::blue);
    EXPECT_EQ(box[3].colour, colours::blue);
    for (size_t i = 5; i < box.size(); ++i)
        EXPECT_EQ(box[i].colour, colours::black) << box[i].text;
    EXPECT_EQ(rig.box.text(), selectenglish +
                                  "\r\nArrange the following numbers in ascending order:\r\n" + selectmalay +
                                  "\r\nSusun semula nombor mengikut tertib menaik:\r\n\r\n" + expected);
}

TEST_F(Choices, DecimalsShowFiveSignificantDigitsRightAlignedInEight)
{
    for (int32_t v : {50, 89999, 1000, 11345, 1})  // 10.50, 909.99, 20.00, 123.45, 10.01
        draws.expect(90000, v);
    for (int i = 0; i < 4; ++i)
        shuffle(1, 0, 0, 0);
    shuffle(0, 0, 1, 0);  // lettering 1 2 4 3 5: a is right
    compose(19, 5);

    const auto l = lines(questiontext);
    ASSERT_EQ(l.size(), 7u);
    EXPECT_EQ(l[0], "      10.5 ,  909.99 ,      20 ,  123.45 ,   10.01 ");
    EXPECT_EQ(l[1], "\na.      10.01 ,    10.5 ,      20 ,  123.45 ,  909.99 ");
    EXPECT_EQ(l[2], "b.       10.5 ,   10.01 ,      20 ,  123.45 ,  909.99 ");
    EXPECT_EQ(answertext, "a");
}

TEST_F(Choices, FractionsInOrderPutEachRowUnderItsOwnLetterLine)
{
    draws.fraction(9, 1, 2);
    draws.fraction(9, 1, 3);
    draws.fraction(9, 3, 4);
    draws.fraction(9, 1, 5);
    draws.fraction(9, 2, 3);
    shuffle(1, 0, 0, 0);  // 1/3 1/5 1/2 2/3 3/4
    shuffle(4, 3, 2, 1);  // 3/4 2/3 1/2 1/3 1/5
    shuffle(0, 0, 0, 1);  // 1/5 1/3 1/2 3/4 2/3
    shuffle(0, 1, 0, 0);  // 1/5 1/2 1/3 2/3 3/4
    shuffle(1, 0, 0, 0);  // lettering 2 1 3 4 5: b is right
    compose(10, 4);

    const std::string bars = "   ---, ---, ---, ---, ---";
    EXPECT_EQ(questiontext,
              "     1    1    3    1    2 \r\n" + bars + "\r\n     2    3    4    5    3\r\n\n"
              "a. \r\n     1    1    1    2    3 \r\n" + bars + "\r\n     3    5    2    3    4\r\n"
              "b. \r\n     1    1    1    2    3 \r\n" + bars + "\r\n     5    3    2    3    4\r\n"
              "c. \r\n     3    2    1    1    1 \r\n" + bars + "\r\n     4    3    2    3    5\r\n"
              "d. \r\n     1    1    1    3    2 \r\n" + bars + "\r\n     5    3    2    4    3\r\n"
              "e. \r\n     1    1    1    2    3 \r\n" + bars + "\r\n     5    2    3    3    4\r\n");
    EXPECT_EQ(answertext, "b");
    EXPECT_EQ(rig.box.texts()[1], "Arrange the following fractions in ascending order:");
    EXPECT_EQ(rig.box.texts()[3], "Susun pecahan mengikut tertib menaik:");
}

TEST_F(Choices, SimplifyingDrawsAgainAWrongRowEqualToAnEarlierOne)
{
    draws.fraction(9, 2, 4);  // the question 2/4, lowest terms 1/2
    draws.fraction(9, 3, 6);  // 1/2 again: drawn anew
    draws.fraction(9, 2, 3);
    draws.expect(9, 0);  // already lowest: made into 4/6
    draws.fraction(9, 1, 4);
    draws.expect(9, 1);
    draws.fraction(9, 4, 10);  // 2/5
    draws.fraction(9, 1, 3);
    draws.expect(9, 0);
    shuffle(0, 0, 0, 1);  // lettering 1 2 3 5 4
    compose(12, 3);

    const auto l = lines(questiontext);
    EXPECT_EQ(rtrim(l[0]), "   2");
    EXPECT_EQ(rtrim(l[1]), "  ---");
    EXPECT_EQ(rtrim(l[2]), "   4");
    EXPECT_THAT(option('a'), ElementsAre("   1", "  ---", "   2"));
    EXPECT_THAT(option('b'), ElementsAre("   2", "  ---", "   3"));
    EXPECT_THAT(option('c'), ElementsAre("   1", "  ---", "   4"));
    EXPECT_THAT(option('d'), ElementsAre("   1", "  ---", "   3"));
    EXPECT_THAT(option('e'), ElementsAre("   2", "  ---", "   5"));
    EXPECT_EQ(answertext, "a");
    EXPECT_EQ(rig.box.texts()[1], "Simplify the following fraction :");
    EXPECT_EQ(rig.box.texts()[3], "Tuliskan pecahan berikut dalam bentuk termudah:");
}

TEST_F(Choices, GradeSixAdditionWritesTheWholePartsIntoTheOperationLine)
{
    draws.fraction(11, 1, 2);  // 1/2 + 1/3 = 5/6
    draws.fraction(11, 1, 3);
    rig.random.push({3, 0});  // whole parts 3 and 0
    draws.fraction(11, 1, 2);  // 5/6 again: drawn anew
    draws.fraction(11, 1, 3);
    draws.fraction(11, 1, 4);  // 1/2
    draws.fraction(11, 1, 4);
    draws.fraction(11, 2, 3);  // 1 5/12
    draws.fraction(11, 3, 4);
    draws.fraction(11, 1, 5);  // 2/5
    draws.fraction(11, 1, 5);
    draws.fraction(11, 1, 6);  // 1/3
    draws.fraction(11, 1, 6);
    shuffle(2, 0, 0, 0);  // lettering 3 1 2 4 5: b is right
    compose(13, 6);

    const auto l = lines(questiontext);
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[0], "");
    EXPECT_EQ(l[1], "     1     1");
    EXPECT_EQ(l[2], "   3---+ --- =");
    EXPECT_EQ(l[3], "     2     3");
    // Every option's whole part has the 3 added.
    EXPECT_THAT(option('a'), ElementsAre("   5", " 4---", "   12"));
    EXPECT_THAT(option('b'), ElementsAre("   5", " 3---", "   6"));
    EXPECT_THAT(option('c'), ElementsAre("   1", " 3---", "   2"));
    EXPECT_THAT(option('d'), ElementsAre("   2", " 3---", "   5"));
    EXPECT_THAT(option('e'), ElementsAre("   1", " 3---", "   3"));
    EXPECT_EQ(answertext, "b");
    EXPECT_THAT(rig.box.text(), EndsWith(questiontext));
    EXPECT_EQ(check(13, questiontext, answertext), "");
}

TEST_F(Choices, GradeSixBorrowingKeepsWrongRowsApartFromTheBorrowedAnswer)
{
    draws.fraction(11, 3, 4);  // 3/4 - 1/2 = 1/4
    draws.fraction(11, 1, 2);
    rig.random.push({1, 2, 1});  // borrowing, whole parts 3 and 1: 3 1/2 - 1 3/4 = 1 3/4
    draws.fraction(11, 5, 6);    // 5/6 - 1/12 = 3/4, the borrowed answer's part: drawn anew
    draws.fraction(11, 1, 12);
    draws.fraction(11, 1, 2);  // 1/6
    draws.fraction(11, 1, 3);
    draws.fraction(11, 1, 2);  // 1/4, the part the engine gave before borrowing: kept
    draws.fraction(11, 1, 4);
    draws.fraction(11, 2, 3);  // 1/2
    draws.fraction(11, 1, 6);
    draws.fraction(11, 1, 5);  // 1/10
    draws.fraction(11, 1, 10);
    shuffle(0, 0, 0, 1);  // lettering 1 2 3 5 4: a is right
    compose(14, 6);

    const auto l = lines(questiontext);
    ASSERT_GE(l.size(), 4u);
    EXPECT_EQ(l[1], "     1     3");
    EXPECT_EQ(l[2], "   3---_ 1---=");
    EXPECT_EQ(l[3], "     2     4");
    EXPECT_THAT(option('a'), ElementsAre("   3", " 1---", "   4"));
    EXPECT_THAT(option('b'), ElementsAre("   1", " 1---", "   6"));
    EXPECT_THAT(option('c'), ElementsAre("   1", " 1---", "   4"));
    EXPECT_THAT(option('d'), ElementsAre("   1", " 1---", "   10"));
    EXPECT_THAT(option('e'), ElementsAre("   1", " 1---", "   2"));
    EXPECT_EQ(answertext, "a");
    EXPECT_EQ(check(14, questiontext, answertext), "");
}

// A number object of its own: its result text lays out the products, and its hook sees
// the question already in the box.
class Labelledplug final : public Tnumplug {
public:
    using Tnumplug::Tnumplug;
    int hooks = 0;
    std::string boxathook;
    std::string resulttext(const Tfractionq& r) override
    {
        return "<" + std::to_string(r.whole) + " " + std::to_string(r.ansnum) + "/" + std::to_string(r.ansden) + ">";
    }
    void unitlines(std::string& question) override
    {
        ++hooks;
        boxathook = question;
        question += "<units>";
    }
};

TEST_F(Choices, MultiplicationRowsUseTheObjectsResultTextAndThenItsHook)
{
    Labelledplug own{rig.lesson};
    own.enginefactory = plug.enginefactory;
    draws.fraction(9, 4, 6);  // 4/6 x 3 = 2
    draws.expect(9, 1);
    draws.fraction(9, 4, 6);  // 2 again: drawn anew
    draws.expect(9, 1);
    draws.fraction(9, 1, 2);  // 1, fraction part 0 like the answer's: drawn anew
    draws.expect(9, 0);
    draws.fraction(9, 1, 3);  // 2/3
    draws.expect(9, 0);
    draws.fraction(9, 1, 4);  // 3/4
    draws.expect(9, 1);
    draws.fraction(9, 1, 5);  // 3/5
    draws.expect(9, 1);
    draws.fraction(9, 1, 2);  // 1 1/2
    draws.expect(9, 1);
    shuffle(4, 3, 2, 1);  // lettering 5 4 3 2 1: e is right
    rig.lesson.state.gradebutton = "darjah4";
    own.composenumber(15, 4, answertext, questiontext);

    const auto l = lines(questiontext);
    ASSERT_GE(l.size(), 3u);
    EXPECT_EQ(l[0], "     4 ");
    EXPECT_EQ(l[1], "   --- x 3 =");
    EXPECT_EQ(l[2], "     6 ");
    EXPECT_THAT(questiontext, EndsWith("\r\n\na. \r\n<1 1/2>\r\nb. \r\n<0 3/5>\r\nc. \r\n<0 3/4>\r\n"
                                       "d. \r\n<0 2/3>\r\ne. \r\n<2 0/1>\r\n<units>"));
    EXPECT_EQ(answertext, "e");
    EXPECT_EQ(own.hooks, 1);
    // The hook marks the question before it goes into the box.
    EXPECT_THAT(rig.box.text(), EndsWith("<units>"));
    EXPECT_EQ(rig.box.texts()[1], "Multiply the following :");
    EXPECT_EQ(rig.box.texts()[3], "Darabkan :");
}

TEST_F(Choices, AGradeTheEngineCannotServeComposesNothing)
{
    // Kind 12 at grade 2 or kind 15 at grade 3 would only get zeros back; no question,
    // and no answer left over from the one before.
    plug.answer = "c";
    compose(12, 2);
    EXPECT_EQ(plug.answer, "");
    EXPECT_EQ(answertext, "");
    EXPECT_TRUE(rig.box.lines.empty());
    compose(15, 3);
    compose(19, 3);
    EXPECT_EQ(questiontext, "");
    EXPECT_TRUE(rig.box.lines.empty());
    EXPECT_TRUE(draws.sizes().empty());
}

// ---- seeded questions --------------------------------------------------------------------

class Choicesseeded : public ::testing::Test {
protected:
    Seededdraws draws{20240611};
    Rig<Randomsource> rig;
    Tnumplug plug{rig.lesson};
    std::string answertext, questiontext;

    Choicesseeded()
    {
        plug.enginefactory = [this] { return new Tnumengimpl(draws); };
        rig.random.seed(777);
    }
    void compose(uint8_t kind, int grade)
    {
        rig.box.clear();
        rig.lesson.state.gradebutton = "darjah" + std::to_string(grade);
        plug.composenumber(kind, grade, answertext, questiontext);
    }
};

struct Reach {
    uint8_t kind;
    int lowest, highest;
};

TEST_F(Choicesseeded, EveryQuestionHasExactlyOneRightOptionAndDistinctValues)
{
    const Reach reach[] = {{1, 1, 6},  {2, 1, 6},  {19, 4, 6}, {10, 3, 6}, {11, 3, 6},
                           {12, 3, 6}, {13, 3, 6}, {14, 3, 6}, {15, 4, 6}, {18, 4, 6}};
    for (const Reach& r : reach) {
        std::set<std::string> letters;
        for (int grade = r.lowest; grade <= r.highest; ++grade) {
            for (int i = 0; i < 1500; ++i) {
                compose(r.kind, grade);
                ASSERT_EQ(check(r.kind, questiontext, answertext), "")
                    << "kind " << int{r.kind} << " grade " << grade << "\n" << questiontext;
                ASSERT_EQ(plug.answer, answertext);
                ASSERT_THAT(rig.box.text(), EndsWith(questiontext));
                letters.insert(answertext);
            }
        }
        EXPECT_THAT(letters, ElementsAre("a", "b", "c", "d", "e")) << "kind " << int{r.kind};
    }
}

TEST_F(Choicesseeded, GradeSixMixedNumbersShowTheirWholePartsAndBorrowWhenTheyMust)
{
    int withwholes = 0, borrowed = 0, plain = 0;
    for (int i = 0; i < 2000; ++i) {
        const uint8_t kind = i % 2 ? 14 : 13;
        compose(kind, 6);
        ASSERT_EQ(check(kind, questiontext, answertext), "") << questiontext;
        const auto l = lines(questiontext.substr(0, questiontext.find("\r\n\n")));
        const auto [first, second] = operands(l);
        if (first.d > 0 && (first.n >= first.d || second.n >= second.d))
            ++withwholes;
        if (kind == 14) {
            // The minuend always has a whole part; borrowing shows the smaller fraction first.
            EXPECT_TRUE(std::isdigit(static_cast<unsigned char>(l[2][3]))) << l[2];
            const Q a(first.n % first.d, first.d), b(second.n % second.d, second.d);
            (a < b ? borrowed : plain) += 1;
        }
    }
    EXPECT_GT(withwholes, 1000);
    EXPECT_GT(borrowed, 100);
    EXPECT_GT(plain, 100);
}

TEST_F(Choicesseeded, EnglishOnlyAndMalayOnlyShowOneBlockAndColourTheBody)
{
    rig.view.english = true;
    compose(2, 3);
    auto texts = rig.box.texts();
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 3),
                ElementsAre(selectenglish, "Arrange the following numbers in descending order:", ""));
    for (size_t i = 3; i < rig.box.lines.size(); ++i)
        EXPECT_EQ(rig.box.lines[i].colour, colours::black);

    rig.view.english = false;
    rig.view.malay = true;
    compose(14, 4);
    texts = rig.box.texts();
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 3),
                ElementsAre(selectmalay, "Tolakkan: ", ""));
    EXPECT_EQ(rig.box.lines[0].colour, colours::blue);
    EXPECT_EQ(rig.box.lines[1].colour, colours::blue);
    for (size_t i = 3; i < rig.box.lines.size(); ++i)
        EXPECT_EQ(rig.box.lines[i].colour, colours::blue);
    EXPECT_EQ(rig.box.text().find("Select"), std::string::npos);
}

TEST_F(Choicesseeded, EachKindCarriesItsOwnInstructions)
{
    struct Words {
        uint8_t kind;
        const char* english;
        const char* malay;
    };
    const Words words[] = {
        {11, "Arrange the following fractions in descending order:", "Susun pecahan mengikut tertib menurun:"},
        {13, "Add the following fractions:", "Tambahkan:"},
        {18, "Divide the following :", "Bahagikan: "},
        {19, "Arrange the following numbers in ascending order:", "Susun semula nombor mengikut tertib menaik:"},
    };
    for (const Words& w : words) {
        compose(w.kind, 6);
        const auto texts = rig.box.texts();
        ASSERT_GE(texts.size(), 5u);
        EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 5),
                    ElementsAre(selectenglish, w.english, selectmalay, w.malay, ""));
    }
}

}  // namespace
