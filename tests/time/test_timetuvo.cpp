// The time poser with chosen draws: clock reading and the clock stories, the bus
// timetable, units of time and the calendar, with their texts and expected answers.
#include "time/timetuvo.h"

#include "support/lessonrig.h"
#include "wordq/poselitq.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
namespace chr = std::chrono;

namespace {

struct Time : ::testing::Test {
    Rig<Scriptedrandom> rig;
    Lesson& lesson = rig.lesson;
    LessonState& s = rig.lesson.state;
    Ttimetuvo t{rig.lesson};

    // One-problem sections for every story the poser tells, so no draw picks a problem.
    void writestories()
    {
        std::vector<std::string> lines;
        for (int grade = 3; grade <= 6; ++grade) {
            lines.insert(lines.end(), {"[" + std::to_string(grade), "#0t+", "=1", "&1.In *b* minutes?", "~Dalam *b* minit?&@4",
                                       "#0t-", "=1", "&1.*b* minutes ago?", "~*b* minit tadi?&@4", "#0td", "=1",
                                       "&1.How long?", "~Berapa lama?&@5"});
            if (grade >= 5)
                lines.insert(lines.end(), {"#1m5", "=1", "&1.*astr* to *bstr*?", "~*astr* hingga *bstr*?&///", "#1m6",
                                           "=1", "&1.*bstr* days after *astr*?", "~*bstr* hari selepas *astr*?&///",
                                           "#1m7", "=1", "&1.*bstr* after *astr*?", "~*b1str* selepas *astr*?&///"});
        }
        rig.dir.write("litq.txt", lines);
    }
    void begin(int grade, chr::year_month_day today = chr::year{2026} / 12 / 8)
    {
        s.gradebutton = "darjah" + std::to_string(grade);
        lesson.litq = std::make_unique<Tposelitq>(lesson);
        lesson.today = [today] { return today; };
        s.answertext2 = "!!!";
    }
    std::vector<std::string> shown() const { return rig.box.texts(); }
    std::string clocks() const
    {
        const Picturedata& p = lesson.picture;
        return std::to_string(lesson.litq->picturekind) + " " + timetext::clock(p.hour, p.minute) + " " +
               timetext::clock(p.hour2, p.minute2);
    }
};

TEST_F(Time, SplittimeNamesThePartOfTheDay)
{
    const struct {
        int32_t minutes;
        const char *clock, *english, *malay;
    } cases[] = {
        {0, "12:00", "midnight", "tengah malam"},   {5, "12:05", "morning", "pagi"},
        {719, "11:59", "morning", "pagi"},          {720, "12:00", "noon", "tengahari"},
        {725, "12:05", "afternoon", "petang"},      {1380, "11:00", "afternoon", "petang"},
        {1440 + 130, "2:10", "morning", "pagi"},  // the next day's times come round again
    };
    for (const auto& c : cases) {
        t.splittime(c.minutes);
        EXPECT_EQ(timetext::clock(t.hour, t.minute), c.clock) << c.minutes;
        EXPECT_EQ(t.dayword, c.english) << c.minutes;
        EXPECT_EQ(t.dayword2, c.malay) << c.minutes;
    }
}

TEST_F(Time, ClockReadingShowsOneFaceAndAsksItsTime)
{
    begin(1);
    rig.random.push({13});  // whole hours only: 13:00
    t.poseclock(1, 17);
    EXPECT_THAT(shown(), ElementsAre("Tell the time of clock shown on the right", "", "Sample answer: 12:00",
                                     "Tuliskan waktu bagi muka jam disebelah kanan:", "", "Jawapan Contoh: 12:00"));
    EXPECT_EQ(rig.box.lines[2].colour, colours::black);
    EXPECT_EQ(rig.box.lines[3].colour, colours::blue);
    EXPECT_EQ(s.answertext, "1:00");
    EXPECT_EQ(rig.view.picture, 4);
    EXPECT_EQ(clocks().substr(0, 6), "4 1:00");

    rig.box.clear();
    rig.view.english = true;
    rig.random.push({0});  // midnight reads as 12:00; grade 2 has no sample answer
    t.poseclock(2, 17);
    EXPECT_THAT(shown(), ElementsAre("Tell the time of clock shown on the right", ""));
    EXPECT_EQ(s.answertext, "12:00");
    EXPECT_EQ(s.blank, 2);
}

TEST_F(Time, ClockStoriesAskAfterBeforeAndBetween)
{
    writestories();
    const struct {
        int grade, kind;
        std::initializer_list<int32_t> draws;  // start time, duration
        const char *firstline, *answer, *clocks;
    } cases[] = {
        {3, 12, {286, 4}, "In 20 minutes?", "12:10", "4 11:50 12:10"},  // past midnight
        {3, 13, {2, 4}, "20 minutes ago?", "12:10", "4 12:30 12:10"},   // 0:10 - 20 starts at 0:30 instead
        {4, 12, {100, 0}, "In 0 minutes?", "8:20", "4 8:20 8:20"},
        {4, 16, {100, 0}, "How long?", "0", "5 8:20 8:20"},
        {5, 16, {150, 35}, "How long?", "235", "5 12:30 4:25"},
        {6, 13, {0, 0}, "60 minutes ago?", "12:00", "4 1:00 12:00"},
    };
    for (const auto& c : cases) {
        begin(c.grade);
        rig.box.clear();
        rig.random.push(c.draws);
        t.poseclock(c.grade, c.kind);
        EXPECT_EQ(shown().front(), c.firstline) << c.kind;
        EXPECT_EQ(s.answertext, c.answer) << c.kind;
        EXPECT_EQ(clocks(), c.clocks) << c.kind;
        EXPECT_EQ(s.answertext2, "!!!");
        EXPECT_TRUE(s.wordsign.empty());
        EXPECT_EQ(s.blank, 2);
    }
}

TEST_F(Time, WithoutTheStoryFileTheClockStoryIsOneSentence)
{
    begin(3);
    for (int i = 0; i < 2; ++i) {
        rig.box.clear();
        rig.random.push({24, 3});  // 2:00, 15 minutes
        t.poseclock(3, 12);
        EXPECT_THAT(shown(), ElementsAre("The clock shows the time now. What time will it be 15 minutes later?",
                                         "Jam itu menunjukkan waktu sekarang. Pukul berapakah 15 minit kemudian?"));
        EXPECT_EQ(s.answertext, "2:15");
        EXPECT_EQ(clocks(), "4 2:00 2:15");
    }
    EXPECT_THAT(rig.view.messages, ElementsAre(nostoryfile));  // told once
}

TEST_F(Time, BusTimetableAsksTheLongestTripAndItsLateArrival)
{
    begin(3);
    // The first three trips have two equal trip times: all three are drawn again.
    rig.random.push({0, 0, 1, 0, 2, 5, 0, 2, 4, 20, 11, 5});
    t.posebus(3);
    const std::vector<std::string> englishtable{
        "a.Miri      Bintulu  6:00 morning        7:00 morning        ",
        "b.Miri      Brunei   7:00 morning        12:30 afternoon     ",
        "c.Miri      Marudi   8:45 morning        10:30 morning       ", ""};
    std::vector<std::string> want{"Look at the Bus Travel Schedule below", "and answer the question", "",
                                  "Inter-town Express Bus Schedule from Miri:", "",
                                  "  From      To       Departure Time       Arrival Time", ""};
    want.insert(want.end(), englishtable.begin(), englishtable.end());
    want.insert(want.end(), {"Which bus trip takes the longest time?", "Sample answer: b", "",
                             "Berdasar pada Jadual Perjalan Bas dibawah", "dan jawab soalan berikut", "",
                             "Inter-town Express Jadual Bas dari Miri:", "",
                             "  Dari      Ke       Waktu berangkat     Waktu Ketibaan", "",
                             "a.Miri      Bintulu  6:00 pagi           7:00 pagi           ",
                             "b.Miri      Brunei   7:00 pagi           12:30 petang        ",
                             "c.Miri      Marudi   8:45 pagi           10:30 pagi          ", "",
                             "Perjalan bas yang mana makan masa terpanjang?", "Jawapan Contoh: b"});
    EXPECT_THAT(shown(), ElementsAreArray(want));
    EXPECT_EQ(s.answertext, "b");
    EXPECT_EQ(rig.box.lines[want.size() - 1].colour, colours::blue);

    // Grade 4: the longest trip (6:00 for 5:45) arrives at 11:45; late by 15 or by 20.
    for (const auto& [delay, english, malay] : {std::tuple{0, "12:00 noon", "12:00 tengahari"},
                                                std::tuple{5, "12:05 afternoon", "12:05 petang"}}) {
        begin(4);
        rig.box.clear();
        rig.random.push({0, 21, 4, 2, 11, 5, delay});
        t.posebus(4);
        EXPECT_EQ(s.answertext, english);
        EXPECT_EQ(s.answertext2, malay);
        const std::string late = std::to_string(15 + delay);
        EXPECT_THAT(shown(), testing::Contains("If the bus trip that takes the longest time is delayed by " + late +
                                               " minutes"));
        EXPECT_THAT(shown(), testing::Contains("Jika perjalanan bas terlama ini terlewat sebanyak " + late + " minit"));
    }
}

TEST_F(Time, UnitsOfTimeAddTakeMultiplyAndShare)
{
    const struct {
        int pair, operation;
        std::initializer_list<int32_t> draws;
        const char *english, *malay, *answer, *answer2;
    } cases[] = {
        {3, 1, {85, 0}, "2min 30sec - 0min 0sec = _______", "2min 30saat - 0min 0saat = _______", "2min 30sec",
         "2min 30saat"},
        {4, 1, {0, 63}, "1hour 5min - 1hour 3min = _______", "1jam 5min - 1jam 3min = _______", "0hour 2min",
         "0jam 2min"},
        {0, 0, {1, 0}, "1day 2hour + 1day 1hour = _______", "1hari 2jam + 1hari 1jam = _______", "2day 3hour",
         "2hari 3jam"},
        {2, 2, {0, 3}, "1year 1month x 5 = _______", "1tahun 1bulan x 5 = _______", "5year 5month",
         "5tahun 5bulan"},
        // 8 days do not share by 3: the amount becomes 3 x 14 days.
        {1, 3, {0, 1, 6}, "6week 0day ÷ 3 = _______", "6minggu 0hari ÷ 3 = _______", "2week 0day", "2minggu 0hari"},
    };
    for (const auto& c : cases) {
        begin(5);
        rig.box.clear();
        rig.random.push(c.draws);
        t.poseunits(c.pair, c.operation);
        const auto lines = shown();
        ASSERT_EQ(lines.size(), 14u);
        EXPECT_EQ(lines[0], c.english);
        EXPECT_EQ(lines[1], c.malay);
        EXPECT_EQ(rig.box.lines[1].colour, colours::blue);
        EXPECT_EQ(s.answertext, c.answer);
        EXPECT_EQ(s.answertext2, c.answer2);
    }
    const auto lines = shown();
    EXPECT_THAT(std::vector<std::string>(lines.begin() + 2, lines.end()),
                ElementsAre("", "Sample answer: 2min 3sec", "Sample answer: 2hour 0min", "Sample answer: 0day 3hour",
                            "Sample answer: 2week 3day", "Sample answer: 2year 0month", "", "Jawapan Contoh: 2min 3saat",
                            "Jawapan Contoh: 2jam 0min", "Jawapan Contoh: 0hari 3jam", "Jawapan Contoh: 2minggu 3hari",
                            "Jawapan Contoh: 2tahun 0bulan"));
}

TEST_F(Time, CalendarOfGradesThreeAndFourAcrossTheLeapDay)
{
    // From 20 and 25 February 2028; 2028 is a leap year.
    const struct {
        int day;
        std::initializer_list<int32_t> draws;  // days ahead - 1, variant
        std::vector<std::string> lines;
        const char *answer, *answer2;
    } cases[] = {
        {20, {7, 0},
         {"If today is: Monday, 28 February 2028", "What day is tomorrow?", "", "Sample answer: Monday", "",
          "Jika hari ini hari: Isnin, 28.2.2028", "Esok hari apa?", "", "Contoh Jawapan: Isnin"},
         "Tuesday", "Selasa"},
        {20, {7, 1},
         {"If today date is: Monday, 28.2.2028", "What is the date tomorrow?", "", "Sample answer: 1.2.1999",
          "Jika tarikh hari ini adalah: Isnin, 28.2.2028", "Apakah tarikh esok?", "", "Jawapan Contoh: 1.2.1999"},
         "29.2.2028", "!!!"},
        {25, {4, 2},
         {"If today date is: Wednesday, 1.3.2028", "What is the date of yesterday in digits? Sample answer: 1.2.1999",
          "Jika tarikh hari ini adalah: Rabu, 1.3.2028", "Apakah tarikh semalam? Jawapan Contoh: 1.2.1999"},
         "29.2.2028", "!!!"},
    };
    for (const auto& c : cases) {
        begin(3, chr::year{2028} / 2 / c.day);
        rig.box.clear();
        rig.random.push(c.draws);
        t.posecalendar(3);
        EXPECT_EQ(shown(), c.lines);
        EXPECT_EQ(s.answertext, c.answer);
        EXPECT_EQ(s.answertext2, c.answer2);
        EXPECT_EQ(s.opkind, 1);
        if (std::string(c.answer2) != "Selasa")
            continue;
        // Tuesday is Selasa; the old spelling Selesa is right too.
        for (const char* typed : {"Tuesday", "Selasa", "Selesa"}) {
            lesson.edtjawapKeyPress(typed);
            EXPECT_TRUE(rig.view.marking) << typed;
        }
        lesson.edtjawapKeyPress("Selisa");
        EXPECT_FALSE(rig.view.marking);
    }
}

TEST_F(Time, DateStoriesOfGradesFiveAndSix)
{
    writestories();
    const struct {
        std::initializer_list<int32_t> draws;  // variant, then its numbers
        const char *english, *malay, *answer;
    } cases[] = {
        {{0, 6}, "28.12.2026 to 8.1.2027?", "28.12.2026 hingga 8.1.2027?", "11"},
        {{1, 0}, "5 days after 28.12.2026?", "5 hari selepas 28.12.2026?", "2.1.2027"},
        // Eight in the morning, four days and sixteen hours on: midnight.
        {{2, 2, 15}, "4days 16hours after 28.12.2026, 8:00am?", "4hari 16jam selepas 28.12.2026, 8:00am?",
         "2.1.2027, 12:00am"},
        {{2, 0, 0}, "2days 1hour after 28.12.2026, 8:00am?", "2hari 1jam selepas 28.12.2026, 8:00am?",
         "30.12.2026, 9:00am"},
    };
    for (const auto& c : cases) {
        begin(6, chr::year{2026} / 12 / 28);
        rig.box.clear();
        rig.random.push(c.draws);
        t.posecalendar(6);
        EXPECT_THAT(shown(), ElementsAre(c.english, c.malay));
        EXPECT_EQ(s.answertext, c.answer);
        EXPECT_EQ(s.opkind, 1);
        EXPECT_EQ(s.blank, 2);
    }
}

}  // namespace
