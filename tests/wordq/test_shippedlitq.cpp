// The word-problem file a new installation ships: every section a poser can ask for, in
// every grade where it can be asked, reads through the real reader in both languages.
#include "lesson/lesson.h"
#include "support/fakes.h"
#include "support/scriptedrandom.h"
#include "wordq/poselitq.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>

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
                Recordingbox box;
                Recordingview view;
                Scriptedrandom random{pick - 1};
                Lesson lesson(box, view, folder, random);
                lesson.state.gradebutton = "darjah" + std::to_string(grade);
                lesson.state.opkind = static_cast<uint8_t>(section.opkind);
                lesson.state.wordsign = section.key;
                lesson.state.firstnum = 120;
                lesson.state.partnum1 = 80;
                lesson.state.partnum2 = -40;
                lesson.state.secondnum = -7;
                lesson.state.resultnum = 113;
                Tposelitq reader(lesson);
                reader.storytexts = section.texts;
                ASSERT_EQ(reader.readwordproblem(), Tposelitq::Outcome::written) << where << " &" << pick;
                EXPECT_TRUE(view.messages.empty());
                EXPECT_EQ(view.picture, section.picture) << where << " &" << pick;
                int english = 0, malay = 0;
                for (const auto& line : box.lines) {
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

}  // namespace
