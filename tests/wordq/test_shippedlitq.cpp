// The word-problem file a new installation ships: every section a poser can ask for, in
// every grade where it can be asked, reads through the real reader in both languages.
#include "lesson/lesson.h"
#include "support/fakes.h"
#include "support/scriptedrandom.h"
#include "wordq/poselitq.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

namespace {

const Storytexts times{"8.12.2026", "15.12.2026", "3hari 5jam"};
const Storytexts length{"12m", "", ""};

struct Section {
    int opkind;
    std::string key;
    int lowest, highest;                 // grades
    const Storytexts* texts = nullptr;   // what the poser lends the story: dates, a length
    int picture = 0;                     // the question picture the story asks for
};

const Section sections[] = {
    {0, "+", 1, 2},   {0, "-", 1, 2},   {0, "++", 3, 6}, {0, "+-", 3, 6}, {0, "-+", 3, 6},
    {0, "--", 3, 6},  {0, "2+", 3, 6},  {1, "", 2, 6},   {2, "", 2, 6},   {2, "hr", 6, 6},
    {2, "dy", 6, 6},  {1, "f1", 5, 6},  {1, "f2", 5, 6}, {1, "p", 6, 6},  {1, "p1", 6, 6},
    {1, "p2", 6, 6},  {0, "t+", 3, 6, &times, 4},  {0, "t-", 3, 6, &times, 4},
    {0, "td", 3, 6, &times, 5},  {1, "m5", 5, 6, &times},  {1, "m6", 5, 6, &times},
    {1, "m7", 5, 6, &times},     {1, "m", 3, 6, &length},   {1, "m1", 5, 6, nullptr, 1},
    {1, "m2", 5, 6, nullptr, 2}, {1, "m3", 5, 6, nullptr, 3}, {1, "m4", 5, 6, nullptr, 7},
    {1, "ma", 6, 6, nullptr, 8},
};

// How many problems the file holds in each grade's section, read from its count lines.
std::map<std::string, int> counts(const Workfolder& folder)
{
    std::map<std::string, int> n;
    const auto file = folder.readlines("litq.txt");
    std::string grade;
    for (size_t i = 0; i + 1 < file.lines.size(); ++i) {
        const std::string& line = file.lines[i];
        if (line.size() == 2 && line[0] == '[')
            grade = line;
        else if (!line.empty() && line[0] == '#')
            n[grade + line] = std::stoi(file.lines[i + 1].substr(1));
    }
    return n;
}

struct Numbers {
    int32_t first, part1, part2, second, result;
};

// One story of the shipped file as the reader writes it into the question box.
std::vector<Recordedline> tell(Workfolder& folder, const Section& section, int grade, int pick,
                               const Numbers& n, int* picture = nullptr)
{
    Recordingbox box;
    Recordingview view;
    Scriptedrandom random{pick - 1};
    Lesson lesson(box, view, folder, random);
    lesson.state.gradebutton = "darjah" + std::to_string(grade);
    lesson.state.opkind = static_cast<uint8_t>(section.opkind);
    lesson.state.wordsign = section.key;
    lesson.state.firstnum = n.first;
    lesson.state.partnum1 = n.part1;
    lesson.state.partnum2 = n.part2;
    lesson.state.secondnum = n.second;
    lesson.state.resultnum = n.result;
    Tposelitq reader(lesson);
    reader.storytexts = section.texts;
    const auto outcome = reader.readwordproblem();
    EXPECT_EQ(outcome, Tposelitq::Outcome::written) << section.key << " grade " << grade << " &" << pick;
    EXPECT_TRUE(view.messages.empty());
    if (picture)
        *picture = view.picture;
    return box.lines;
}

std::string joined(const std::vector<Recordedline>& lines, uint32_t colour)
{
    std::string text;
    for (const auto& line : lines)
        if (line.colour == colour)
            text += line.text + " ";
    return text;
}

TEST(Shippedlitq, EverySectionOfEveryGradeTellsEachStoryInBothLanguages)
{
    Workfolder folder(MATHTUVO_DATA_DIR);
    const auto n = counts(folder);
    const std::regex leftover(R"([&~@]|\*[a-z0-9]+\*)");
    const std::regex signednumber(R"(-\d)");
    int stories = 0;
    for (const auto& section : sections) {
        for (int grade = section.lowest; grade <= section.highest; ++grade) {
            const std::string where = "[" + std::to_string(grade) + "#" + std::to_string(section.opkind) + section.key;
            const auto found = n.find(where);
            ASSERT_NE(found, n.end()) << where << " is missing";
            EXPECT_GE(found->second, 4) << where;
            for (int pick = 1; pick <= found->second; ++pick) {
                int picture = -1;
                const auto lines = tell(folder, section, grade, pick, {120, 80, -40, -7, 113}, &picture);
                EXPECT_EQ(picture, section.picture) << where << " &" << pick;
                int english = 0, malay = 0;
                for (const auto& line : lines) {
                    (line.colour == colours::blue ? malay : english) += !line.text.empty();
                    EXPECT_FALSE(std::regex_search(line.text, leftover)) << where << " &" << pick << ": " << line.text;
                    EXPECT_FALSE(std::regex_search(line.text, signednumber))
                        << "a number shown with a sign in " << where << " &" << pick << ": " << line.text;
                }
                EXPECT_GT(english, 0) << where << " &" << pick;
                EXPECT_GT(malay, 0) << where << " &" << pick;
                ++stories;
            }
        }
    }
    EXPECT_GE(stories, 74 * 4);
}

// Every arithmetic number can be 1, and a division in grades 3-5 can leave a remainder: told
// with ones, no English story counts "1 marbles", and each division asks for what is left over
// in both languages (the marking expects "12 remainder 3").
TEST(Shippedlitq, ArithmeticStoriesReadRightWithOnesAndDivisionsAskForTheLeftover)
{
    Workfolder folder(MATHTUVO_DATA_DIR);
    const auto n = counts(folder);
    // "1" and the two words after it; the second counts unless the first ends the count
    // ("RM1 from companies")
    const std::regex one(R"((?:^|[^0-9.,/$])1 ([a-z]+)(?: ([a-z]+))?)");
    const std::set<std::string> links{"from", "to", "in", "on", "at", "of", "for", "by", "into", "with", "and",
                                      "or", "each", "per", "than", "is", "was", "are", "were", "a", "the", "as"};
    const auto plural = [](const std::string& w) {
        static const std::set<std::string> singular{"bus", "gas", "this", "has", "was", "does", "goes", "its", "his"};
        return w == "children" || w == "people" ||
               (w.size() > 2 && w.back() == 's' && !w.ends_with("ss") && !w.ends_with("us") && !singular.count(w));
    };
    const std::regex askleftover(R"(left over|remain)", std::regex::icase);
    const std::regex askbaki(R"(\bbaki)", std::regex::icase);
    int told = 0;
    for (const auto& section : sections) {
        if (section.opkind == 0 ? section.texts != nullptr : !section.key.empty())
            continue;  // the time, measurement, fraction, percentage and rate stories draw other numbers
        for (int grade = section.lowest; grade <= section.highest; ++grade) {
            if (section.opkind == 2 && grade == 6)
                continue;  // grade 6 tells a rate instead
            const std::string where = "[" + std::to_string(grade) + "#" + std::to_string(section.opkind) + section.key;
            for (int pick = 1; pick <= n.at(where); ++pick) {
                const auto lines = tell(folder, section, grade, pick, {1, 1, 1, 1, 1});
                const std::string english = joined(lines, colours::black), malay = joined(lines, colours::blue);
                for (std::sregex_iterator m(english.begin(), english.end(), one), end; m != end; ++m) {
                    const std::string first = (*m)[1], second = (*m)[2];
                    EXPECT_FALSE(plural(first) || (!links.count(first) && plural(second)))
                        << where << " &" << pick << " reads \"" << m->str() << "\"";
                }
                if (section.opkind == 2 && grade >= 3) {
                    EXPECT_TRUE(std::regex_search(english, askleftover)) << where << " &" << pick << ": " << english;
                    EXPECT_TRUE(std::regex_search(malay, askbaki)) << where << " &" << pick << ": " << malay;
                }
                ++told;
            }
        }
    }
    EXPECT_EQ(told, 33 * 5);  // 33 sections of five
}

}  // namespace
