// The console front end: options, a drill marked by the real rules, and worksheets whose
// answer keys are checked against the sentences they print.
#include "cli.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <regex>
#include <sstream>

namespace {

Clioptions parsed(std::vector<std::string> args)
{
    Clioptions o;
    std::string error;
    EXPECT_TRUE(parseoptions(args, o, error)) << error;
    return o;
}

std::string refused(std::vector<std::string> args)
{
    Clioptions o;
    std::string error;
    EXPECT_FALSE(parseoptions(args, o, error));
    return error;
}

TEST(Clioptions, ReadsWhatATeacherTypesAndRefusesNonsense)
{
    const auto o = parsed({"worksheet", "--grade", "4", "--topics", "times,divide", "--count", "3", "--seed", "9"});
    EXPECT_EQ(o.grade, 4);
    EXPECT_TRUE(o.multi && o.divide && !o.plus);
    EXPECT_EQ(o.count, 3);
    EXPECT_EQ(o.seed, 9u);

    EXPECT_NE(refused({}), "");
    EXPECT_NE(refused({"drill"}), "");  // no grade
    EXPECT_NE(refused({"drill", "--grade", "7"}), "");
    EXPECT_NE(refused({"drill", "--grade", "1", "--topics", "times"}), "");  // grade 1 only adds
    EXPECT_NE(refused({"drill", "--grade", "2", "--topics", "cake"}), "");
    EXPECT_NE(refused({"drill", "--grade", "2", "--language", "fr"}), "");
    EXPECT_NE(refused({"drill", "--grade"}), "");

    const auto t = parsed({"drill", "--grade", "1", "--topics", "time", "--date", "2028-02-29"});
    EXPECT_TRUE(t.time && !t.plus);
    EXPECT_EQ(t.date, std::chrono::year{2028} / 2 / 29);
    EXPECT_NE(refused({"drill", "--grade", "3", "--date", "2027-02-29"}), "");  // not a leap year
    EXPECT_NE(refused({"drill", "--grade", "3", "--date", "8.12.2026"}), "");
    const auto m = parsed({"drill", "--grade", "4", "--topics", "weight,length,money"});
    EXPECT_TRUE(m.weight && m.length && m.money && !m.time);
}

std::string emptyfolder()
{
    const auto dir = std::filesystem::temp_directory_path() / "mathtuvo-cli-test-empty";
    std::filesystem::create_directories(dir);
    return dir.string();
}

std::string worksheet(int grade, int count, uint32_t seed, const std::string& workdir)
{
    Clioptions o = parsed({"worksheet", "--grade", std::to_string(grade), "--count", std::to_string(count),
                           "--seed", std::to_string(seed), "--workdir", workdir});
    std::ostringstream out, notices;
    EXPECT_EQ(runworksheet(o, out, notices), 0);
    return out.str();
}

// Evaluates a printed sentence with the blank filled in: numbers, +, -, X, ÷, where a
// number written straight after another with its own minus ("52-32") is taken away.
struct Value {
    long long n = 0;
    long long rest = 0;  // remainder of a division
};

Value evaluate(const std::string& side)
{
    static const std::regex token(R"((-?\d+)|(\+)|(-)|(X)|(÷))");
    std::vector<std::string> t;
    for (auto it = std::sregex_iterator(side.begin(), side.end(), token); it != std::sregex_iterator(); ++it)
        t.push_back(it->str());
    Value total;
    long long sign = 1;
    size_t i = 0;
    while (i < t.size()) {
        if (t[i] == "+" || t[i] == "-") {
            sign = t[i] == "-" ? -1 : 1;
            ++i;
            continue;
        }
        long long term = std::stoll(t[i++]);
        while (i < t.size() && (t[i] == "X" || t[i] == "÷")) {
            const bool times = t[i] == "X";
            const long long f = std::stoll(t[i + 1]);
            i += 2;
            if (times) {
                term *= f;
            } else {
                total.rest = term % f;
                term /= f;
            }
        }
        total.n += sign * term;
        sign = 1;
    }
    return total;
}

// True when the key makes the sentence right.
bool keyfits(std::string sentence, const std::string& key)
{
    const auto equals = sentence.find(" = ");
    std::string left = sentence.substr(0, equals), right = sentence.substr(equals + 3);
    const std::regex blank("_{3,}");
    std::smatch m;
    long long q = 0, r = 0;
    const bool keyremainder = std::sscanf(key.c_str(), "%lld remainder %lld", &q, &r) == 2;
    if (std::regex_search(right, m, blank)) {  // the result is asked
        const Value v = evaluate(left);
        return keyremainder ? v.n == q && v.rest == r : std::to_string(v.n) == key;
    }
    // A number in the sentence is asked: put the key in its place.
    if (key.rfind("any whole number", 0) == 0)
        return true;
    left = std::regex_replace(left, blank, key, std::regex_constants::format_first_only);
    const Value v = evaluate(left);
    long long rq = 0, rr = 0;
    if (std::sscanf(right.c_str(), "%lld remainder %lld", &rq, &rr) == 2)
        return v.n == rq && v.rest == rr;
    return v.n == std::stoll(right) && v.rest == 0;
}

TEST(Worksheet, EveryKeyFitsItsSentenceInEveryGrade)
{
    const std::string folder = emptyfolder();  // no stories: every question is a sentence
    for (int grade = 1; grade <= 6; ++grade) {
        const std::string sheet = worksheet(grade, 300, 100 + grade, folder);
        std::istringstream lines(sheet);
        std::vector<std::string> sentences, keys;
        std::string line;
        bool inkey = false;
        static const std::regex keyline(R"(^  (\d+)\. (.*)$)");
        std::smatch m;
        while (std::getline(lines, line)) {
            if (line.rfind("Answer key", 0) == 0)
                inkey = true;
            else if (inkey && std::regex_match(line, m, keyline))
                keys.push_back(m[2]);
            else if (!inkey && line.find(" = ") != std::string::npos)
                sentences.push_back(line);
        }
        ASSERT_EQ(sentences.size(), 300u) << "grade " << grade;
        ASSERT_EQ(keys.size(), 300u);
        for (size_t i = 0; i < keys.size(); ++i)
            EXPECT_TRUE(keyfits(sentences[i], keys[i])) << "grade " << grade << ": " << sentences[i] << " key "
                                                         << keys[i];
    }
}

TEST(Worksheet, TheSameSeedGivesTheSameSheet)
{
    const std::string folder = emptyfolder();
    EXPECT_EQ(worksheet(5, 20, 42, folder), worksheet(5, 20, 42, folder));
    EXPECT_NE(worksheet(5, 20, 42, folder), worksheet(5, 20, 43, folder));
}

TEST(Worksheet, NumberPicturesArePrintedAsText)
{
    // The shipped folder has the number topics; grade 6 whole numbers ask for the bar graph
    // often and the series grid now and then.
    bool bars = false, grid = false;
    for (uint32_t seed = 1; seed < 60 && !(bars && grid); ++seed) {
        Clioptions o = parsed({"worksheet", "--grade", "6", "--topics", "numbers", "--count", "10", "--seed",
                               std::to_string(seed), "--workdir", MATHTUVO_DATA_DIR});
        std::ostringstream out, notices;
        ASSERT_EQ(runworksheet(o, out, notices), 0);
        const std::string sheet = out.str();
        static const std::regex day(R"(   (Mon|Tue|Wed|Thu|Fri)/\w+ (#*) (\d+))");
        for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), day); it != std::sregex_iterator(); ++it) {
            bars = true;
            const int sold = std::stoi((*it)[3]);
            EXPECT_EQ((*it)[2].length() * 5, static_cast<size_t>(sold));  // one mark for five apples
            EXPECT_TRUE(sold >= 10 && sold <= 100 && sold % 10 == 0);
        }
        grid = grid || sheet.find("   | X        |") != std::string::npos;
    }
    EXPECT_TRUE(bars);
    EXPECT_TRUE(grid);
}

TEST(Worksheet, ClocksAndCalendarsComeInWordsForTheDateGiven)
{
    // Grade 1 reads clocks, which the sheet describes; grade 3 asks about days after --date.
    Clioptions o = parsed({"worksheet", "--grade", "1", "--topics", "time", "--count", "3", "--seed", "4",
                           "--language", "ms", "--workdir", MATHTUVO_DATA_DIR});
    std::ostringstream out, notices;
    ASSERT_EQ(runworksheet(o, out, notices), 0);
    static const std::regex clock(R"(\(Jam itu menunjukkan jarum pendek tepat pada (\d+) dan jarum panjang pada 12\.\))");
    const std::string sheet = out.str();
    std::vector<std::string> hours;
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), clock); it != std::sregex_iterator(); ++it)
        hours.push_back((*it)[1].str() + ":00");
    ASSERT_EQ(hours.size(), 3u) << sheet;
    for (size_t i = 0; i < hours.size(); ++i)
        EXPECT_NE(sheet.find("  " + std::to_string(i + 1) + ". " + hours[i] + "\n"), std::string::npos) << sheet;
    EXPECT_EQ(sheet.find("The clock"), std::string::npos);  // Malay only

    bool calendar = false;
    for (uint32_t seed = 1; seed < 40 && !calendar; ++seed) {
        Clioptions c = parsed({"worksheet", "--grade", "3", "--topics", "time", "--count", "5", "--seed",
                               std::to_string(seed), "--date", "2026-12-30", "--workdir", MATHTUVO_DATA_DIR});
        std::ostringstream sheet3, quiet;
        ASSERT_EQ(runworksheet(c, sheet3, quiet), 0);
        static const std::regex day(R"(If today (date )?is: \w+, (\d+)[. ](\d+|January|December)[. ](\d{4}))");
        std::smatch m;
        const std::string text = sheet3.str();
        if (std::regex_search(text, m, day)) {
            calendar = true;
            const int d = std::stoi(m[2]);
            const bool december = m[3] == "12" || m[3] == "December";
            EXPECT_TRUE(december ? d == 31 : d <= 8) << m[0];  // one to nine days after 30 December
        }
    }
    EXPECT_TRUE(calendar);
}

TEST(Drill, MarksTypedAnswersWithTheProgramsRules)
{
    const std::string folder = emptyfolder();
    // The drill's first question is the worksheet's first with the same seed.
    const std::string sheet = worksheet(2, 1, 5, folder);
    const std::string key = sheet.substr(sheet.rfind("1. ") + 3, sheet.rfind('\n') - sheet.rfind("1. ") - 3);

    Clioptions o = parsed({"drill", "--grade", "2", "--seed", "5", "--workdir", folder, "--name", "Ravi"});
    std::istringstream in("not a number\n" + key + "\nsimilar\nquit\n");
    std::ostringstream out;
    EXPECT_EQ(rundrill(o, in, out), 0);
    const std::string said = out.str();
    EXPECT_NE(said.find("Hi!  Ravi"), std::string::npos);
    const auto wrong = said.find("Cuba Lagi!");
    const auto right = said.find("Right!/Betul!");
    ASSERT_NE(wrong, std::string::npos);
    ASSERT_NE(right, std::string::npos);
    EXPECT_LT(wrong, right);
    EXPECT_EQ(said.find("Try this Question first!"), std::string::npos);  // similar was allowed
}

}  // namespace
