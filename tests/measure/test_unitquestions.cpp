// Length, weight and money questions with chosen draws: the sentences with their units,
// the conversions, counting notes, the invoice, perimeters and the triangle, the Malay
// currency rewrites, and the unit number objects.
#include "measure/area.h"
#include "measure/currency.h"
#include "measure/measurefamily.h"
#include "measure/unitnumbers.h"
#include "measure/unitposers.h"

#include "support/lessonrig.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;

enum class Shown { both, english, malay };

struct Units : ::testing::Test {
    Rig<Scriptedrandom> rig;
    LessonState& s = rig.lesson.state;
    Measurefamily family{rig.lesson};

    void begin(int grade, Shown shown = Shown::both)
    {
        s.gradebutton = "darjah" + std::to_string(grade);
        rig.lesson.props.studentname = "Ali";
        rig.lesson.measures = &family;
        rig.lesson.ticks = Ticks{};
        rig.lesson.ticks.kg = rig.lesson.ticks.cm = rig.lesson.ticks.rm = true;
        rig.lesson.btnok2Click();
        rig.view.english = shown == Shown::english;
        rig.view.malay = shown == Shown::malay;
    }
    // Composes the kind as the dispatcher does, with the draws given.
    void ask(int kind, int grade, std::initializer_list<int32_t> draws, Shown shown = Shown::both)
    {
        begin(grade, shown);
        rig.random.push(draws);
        rig.box.clear();
        s.answertext2 = "!!!";
        rig.lesson.lengthkind = kind;
        family.composemeasurement(static_cast<uint8_t>(kind), grade, s.composerout2);
        family.handover(static_cast<uint8_t>(kind));
    }
    std::vector<uint32_t> colours() const
    {
        std::vector<uint32_t> c;
        for (const auto& l : rig.box.lines)
            c.push_back(l.colour);
        return c;
    }
};

TEST_F(Units, SentencesCarryTheirUnitAndTheAnswerItsForm)
{
    const struct {
        int kind, grade;
        std::initializer_list<int32_t> draws;
        const char *sentence, *answer, *answer2;
    } table[] = {
        // +/-: first, second + first, halves (1), the unit (0 m, 1 cm), the asked number
        {1, 3, {20, 57, 1, 1, 5}, "10cm + 10cm + 37cm = ________", "57cm", "!!!"},
        {1, 3, {20, 15, 1, 0, 1}, "10m + 10m - ___ = 15m", "5m", "!!!"},
        // ÷ 3 of 23, in kg: the remainder has the unit too
        {22, 4, {0, 2, 13, 0, 0}, "23kg÷3 = ____", "7kg remainder 2kg", "7kg baki 2kg"},
        // x: the multiplier asked is a plain number
        {2, 3, {11, 3, 0, 1}, "12m X ___ = 48m", "4", "!!!"},
        {21, 4, {11, 3, 1, 2}, "12g X 4 = ____", "48g", "!!!"},
        // Money: "$" in front, "- $" for an amount taken away, and the RM form
        {29, 3, {20, 15, 0, 30, 5}, "$30 - $10 - $5 = _______", "$15", "RM15"},
        {29, 3, {20, 15, 1, 1}, "$10 + $10 - ___ = $15", "$5", "RM5"},
        {30, 3, {11, 3, 0}, "___ X 4 = $48", "$12", "RM12"},
    };
    for (const auto& row : table) {
        ask(row.kind, row.grade, row.draws, Shown::english);
        const auto lines = rig.box.texts();
        ASSERT_FALSE(lines.empty()) << row.sentence;
        EXPECT_THAT(lines, ::testing::Contains(row.sentence)) << row.kind;
        EXPECT_EQ(s.answertext, row.answer) << row.sentence;
        EXPECT_EQ(s.answertext2, row.answer2) << row.sentence;
        EXPECT_EQ(s.blank, 2) << row.sentence;
        rig.lesson.edtjawapKeyPress(row.answer2 == std::string("!!!") ? row.answer : row.answer2);
        EXPECT_TRUE(rig.view.marking) << row.sentence;
    }
    // Nothing added is shown as a bare 0, and "$0" is right too.
    ask(29, 3, {20, 20, 1, 1}, Shown::english);
    EXPECT_THAT(rig.box.texts(), ::testing::Contains("$10 + $10 + ___ = $20"));
    rig.lesson.edtjawapKeyPress("$0");
    EXPECT_TRUE(rig.view.marking);
}

TEST_F(Units, ConversionsAskForTheOtherUnit)
{
    const struct {
        int kind, grade;
        std::initializer_list<int32_t> draws;
        std::vector<std::string> lines;
        const char *answer, *answer2;
    } table[] = {
        {9, 3, {0, 0, 7}, {"Convert the following to cm:", "Tukar kepada cm:", "", "  0m 7cm = ______ cm"}, "7", "!!!"},
        {9, 4, {1, 199},
         {"Convert the following to m and cm, Example: 1m 2cm :", "Tukar kepada m dan cm, Contoh: 1m 2cm :", "",
          "  300cm = _________"},
         "3m", "!!!"},
        {9, 3, {1, 204}, {}, "3m 5cm", "!!!"},
        {28, 4, {0, 2, 50}, {"Convert the following to g:", "Tukar kepada g:", "", "  2kg 50g = ______ g"}, "2050", "!!!"},
        {28, 4, {1, 999}, {}, "2kg", "!!!"},
        {28, 4, {1, 8998}, {}, "9kg 999g", "!!!"},
        {37, 3, {1, 0},
         {"Convert the following to $ , Example: $1.05 :", "Tukar kepada RM, Contoh: RM1.05", "", "  100ct = _________",
          "  100 sen = _________"},
         "$1.00", "RM1.00"},
        // Cents are a plain number: no RM form
        {37, 3, {0, 2, 9},
         {"Convert the following to cent:", "Tukar kepada sen:", "", "$3.45 = ______ ct", "RM3.45 = ______ sen"}, "345",
         "!!!"},
    };
    for (const auto& row : table) {
        ask(row.kind, row.grade, row.draws);
        if (!row.lines.empty()) {
            EXPECT_EQ(rig.box.texts(), row.lines) << row.answer;
        }
        EXPECT_EQ(s.answertext, row.answer);
        EXPECT_EQ(s.answertext2, row.answer2) << row.answer;
        EXPECT_TRUE(s.wordsign.empty());
    }
}

TEST_F(Units, CountingNotesLeavesOneCountToFind)
{
    const struct {
        int grade;
        std::initializer_list<int32_t> draws;  // the counts in their order, then the blank
        const char *english, *answer;
    } table[] = {
        {3, {1, 1, 2, 2}, "$120 = 1 pieces of $50 + 2 pieces of $20 + ____ pieces of $10", "3"},
        // no $50 note: no leading " + ", and a blank on it moves to the next note
        {3, {0, 1, 0, 0}, "$50 = ____ pieces of $20 + 1 pieces of $10", "2"},
        // a $100 note leaves out the $10 notes; a blank there wraps round to the first
        {4, {1, 0, 0, 3}, "$170 = ____ pieces of $100 + 1 pieces of $50 + 1 pieces of $20", "1"},
        {6, {0, 0, 0, 39, 1}, "$525 = 2 pieces of $100 + ____ pieces of $50 + 2 pieces of $10 + 41 pieces of $5", "2"},
    };
    for (const auto& row : table) {
        ask(38, row.grade, row.draws);
        EXPECT_THAT(rig.box.texts(), ::testing::Contains(row.english));
        EXPECT_EQ(s.answertext, row.answer) << row.english;
        EXPECT_EQ(s.answertext2, "!!!");
    }
    ask(38, 3, {1, 1, 2, 2}, Shown::malay);
    EXPECT_THAT(rig.box.texts(), ElementsAre("Lengkapkan: ", "", "RM120 = 1 keping RM50 + 2 keping RM20 + ____ keping RM10"));
    EXPECT_THAT(colours(), ::testing::Each(colours::blue));
}

TEST_F(Units, AGradeFourInvoiceAsksAPriceInDollarsAndCents)
{
    // The first price asked; unit prices 505, 1000, 2000 and 100 cents, one kilogram each.
    ask(39, 4, {0, 5, 0, 0, 0, 0, 0, 0, 0}, Shown::english);
    EXPECT_THAT(rig.box.texts(), ElementsAreArray(std::vector<std::string>{
                                     "Complete the space marked with \"X\":",
                                     " ---------------------------------------------------",
                                     "| Quantity | Description | Unit Price |  Price      |",
                                     "                         |  $   | ct  |  $  | ct    |",
                                     "----------------------------------------------------",
                                     "     1kg         Orange      5    05      X     X    ",
                                     "     1kg          Grape     10    00      10   00  ",
                                     "     1kg         Durian     20    00      20   00  ",
                                     "     1kg         Banana      1    00       1   00  ",
                                     "                             Total:       36   05  ",
                                     "",
                                     "",
                                     "Sample Answer: $123 45ct",
                                     "",
                                 }));
    EXPECT_EQ(s.answertext, "$5 05ct");
    EXPECT_EQ(s.answertext2, "RM5 05sen");
    EXPECT_EQ(s.opkind, 1);
}

TEST_F(Units, AGradeFiveOrSixInvoiceAsksAnyCell)
{
    const struct {
        int grade;
        std::initializer_list<int32_t> draws;  // the cell, four unit prices, four quantities
        Shown shown;
        int row;  // the table line to look at
        const char *line, *answer, *answer2;
    } table[] = {
        {5, {10, 0, 0, 0, 0, 0, 6, 0, 0}, Shown::english, 5, "    X        Television    $ 500.00      $3500.00   ", "7", "7"},
        {6, {4, 0, 0, 0, 0, 0, 0, 0, 0}, Shown::malay, 8, "                            Jumlah:         X      ", "$1360.00",
         "RM1360.00"},
        {6, {5, 1, 0, 0, 0, 0, 0, 0, 0}, Shown::english, 4, "     1             Fan      X         $  50.01   ", "$50.01",
         "RM50.01"},
    };
    for (const auto& row : table) {
        ask(39, row.grade, row.draws, row.shown);
        ASSERT_GT(rig.box.lines.size(), static_cast<size_t>(row.row));
        EXPECT_EQ(rig.box.texts()[static_cast<size_t>(row.row)], row.line);
        EXPECT_EQ(s.answertext, row.answer);
        EXPECT_EQ(s.answertext2, row.answer2);
        EXPECT_EQ(s.opkind, 0);
    }
    EXPECT_EQ(rig.box.texts()[8], "                             Total:     $1360.01   ");
    EXPECT_THAT(rig.box.texts(), ::testing::Contains("Sample Answer: $1230.45"));
}

TEST_F(Units, PerimetersAndTheTriangleSetTheirLabelsAndAnswer)
{
    const struct {
        int kind;
        std::initializer_list<int32_t> draws;
        const char* answer;
        std::array<std::string, 4> labels;
    } table[] = {
        {10, {0, 9, 99}, "1200cm", {"100cm", "", "", ""}},
        {10, {1, 2, 40}, "49cm", {"3cm", "", "", "43cm"}},
        // 5, 8 and 9 make no right triangle: drawn again as 3, 4 and 5
        {10, {2, 4, 3, 0, 2, 1, 0}, "20cm", {"", "3cm", "4cm", "5cm"}},
        {10, {3, 2, 40}, "95cm", {"3cm", "", "", "43cm"}},
    };
    for (const auto& row : table) {
        ask(row.kind, 5, row.draws);
        EXPECT_EQ(s.answertext, row.answer);
        EXPECT_EQ(rig.lesson.picture.sidelabels, row.labels) << row.answer;
        EXPECT_EQ(s.blank, 2);
        EXPECT_EQ(s.opkind, 1);
    }
    // No story file here: the sum is the question.
    EXPECT_THAT(rig.box.texts(), ::testing::Contains("3 X 3cm + 2 X 43cm = ____"));

    // The base is even (7 becomes 8), the height 1..10 more, the area has no unit.
    ask(11, 6, {2, 9, 1});
    EXPECT_EQ(s.answertext, "72");
    EXPECT_EQ(rig.lesson.picture.arealabel1, "8cm");
    EXPECT_EQ(rig.lesson.picture.arealabel2, "18cm");
    EXPECT_EQ(rig.lesson.picture.orientation, 2);
    EXPECT_THAT(rig.box.texts(), ::testing::Contains("1/2 X 8 X 18 = ____"));
}

TEST_F(Units, WholeDollarsAreCopiedInRinggitBelowOrInstead)
{
    const std::initializer_list<int32_t> draws{20, 15, 0, 30, 5};
    ask(29, 3, draws);
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "$30 - $10 - $5 = _______", "", "", "", "RM30 - RM10 - RM5 = _______"));
    EXPECT_THAT(colours(), ElementsAre(colours::black, colours::black, colours::black, colours::blue, colours::blue,
                                       colours::blue, colours::blue));
    ask(29, 3, draws, Shown::malay);
    EXPECT_THAT(rig.box.texts(), ElementsAre("", "", "", "", "RM30 - RM10 - RM5 = _______"));
    EXPECT_THAT(colours(), ::testing::Each(colours::blue));
    rig.lesson.edtjawapKeyPress("RM15");
    EXPECT_TRUE(rig.view.marking);
}

// The number composer's boxes as it writes them in Malay, rewritten in ringgit.
TEST_F(Units, DecimalAmountsAndChoicesInMalayShowOnlyRinggit)
{
    begin(3, Shown::malay);
    auto& box = rig.box;
    box.clear();
    box.setcolour(colours::blue);
    for (const char* line : {"Tambahkan: ", "", "  $ 12.50 + $  3.25 =\r\n", "\r\n Sample correct answer: $123.10",
                             " Sample wrong answer: $123.1"})
        box.addline(line);
    rewritecurrency(rig.lesson, 33, 3);
    EXPECT_THAT(box.texts(), ElementsAre("Tambahkan: ", "", "  ", "", "  RM 12.50 + RM  3.25 =", "", "", "",
                                         std::string(31, ' '), "", " Contoh Jawapan betul: RM123.10",
                                         " Contoh Jawapan salah: RM123.1", "", " Contoh Jawapan betul: RM123.00",
                                         " Contoh Jawapan salah: RM123"));
    EXPECT_THAT(colours(), ::testing::Each(colours::blue));
    EXPECT_EQ(box.colour, colours::black);

    box.clear();
    for (const char* line : {"Pilih salah satu jawapan(a,b,c,d,e) yang betul. Contoh Answer: b", "Darabkan :", "",
                             "     5 \r\n   --- x$ 9 =\r\n    10 \r\n\na. \r\n$  4.50       "})
        box.addline(line);
    rewritecurrency(rig.lesson, 32, 5);
    EXPECT_THAT(box.text(), EndsWith("Darabkan :\r\n\r\n  \r\n\r\n     5 \r\n   --- xRM 9 =\r\n    10 \r\n\na. \r\nRM  4.50       "));

    // With English shown the amounts keep their "$".
    rig.view.malay = false;
    box.clear();
    box.addline("  $ 1.50 + $ 2.25 =");
    rewritecurrency(rig.lesson, 33, 3);
    EXPECT_THAT(box.texts(), ElementsAre("  $ 1.50 + $ 2.25 ="));
}

TEST_F(Units, UnitNumberObjectsWriteResultsAndMarkTheProduct)
{
    const auto result = [&](Tnumplug& object, Tfractionq r) {
        object.firstunit();
        object.thirdunit();
        return object.resulttext(r);
    };
    Tnummeas length{rig.lesson};
    Tnumkg weight{rig.lesson};
    Tnumrm money{rig.lesson};
    Tfractionq mixed{}, plain{};
    mixed.whole = 3;
    mixed.haswhole = 1;
    mixed.ansnum = 1;
    mixed.ansden = 4;
    plain.ansnum = 3;
    plain.ansden = 8;
    EXPECT_EQ(result(money, mixed), "$  3.25" + std::string(7, ' '));
    EXPECT_EQ(result(weight, plain), "    0.375kg" + std::string(9, ' '));
    EXPECT_EQ(result(length, mixed), "   3.25m" + std::string(7, ' '));
    plain.ansnum = 1;  // 0.125 m: a half goes up, as a pupil rounds
    EXPECT_EQ(result(length, plain), "   0.13m" + std::string(9, ' '));

    const struct {
        Tnumplug* object;
        int grade;
        const char* line;
    } table[] = {
        {&length, 5, "   --- m x 3 ="},
        {&length, 6, "   ---m x 3 ="},
        {&weight, 6, "   ---kg x 3 ="},
        {&money, 5, "   --- x$ 3 ="},
    };
    for (const auto& row : table) {
        s.gradebutton = "darjah" + std::to_string(row.grade);
        std::string question = "     4 \r\n   --- x 3 =\r\n     6 \r\n\na. \r\n  1.50m";
        row.object->unitlines(question);
        EXPECT_EQ(question, "     4 \r\n" + std::string(row.line) + "\r\n     6 \r\n\na. \r\n  1.50m");
    }
}

// A whole lesson, as a pupil has it, stories and all: every kind the chooser allows for the grade comes up,
// and typing the expected answer (or its RM form) is marked right, in either language.
TEST(Unitlessons, EveryKindComesUpAndItsAnswerIsMarkedRight)
{
    const std::map<int, std::set<int>> kinds = {
        {3, {1, 2, 3, 9, 29, 30, 33, 34, 35, 36, 37, 38}},
        {4, {1, 2, 3, 9, 20, 21, 22, 28, 33, 34, 35, 36, 38, 39}},
        {5, {2, 4, 5, 6, 7, 8, 10, 23, 24, 25, 26, 27, 32, 33, 34, 35, 36, 38, 39}},
        {6, {2, 4, 5, 6, 7, 8, 10, 11, 23, 24, 25, 26, 27, 32, 33, 34, 35, 36, 38, 39}},
    };
    for (const auto& [grade, expected] : kinds)
        for (const bool malay : {false, true}) {
            Rig<Randomsource> rig;
            rig.random.seed(static_cast<uint32_t>(grade));
            std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt", rig.dir.path / "litq.txt");
            Measurefamily family{rig.lesson};
            rig.lesson.measures = &family;
            rig.lesson.state.gradebutton = "darjah" + std::to_string(grade);
            rig.lesson.ticks.kg = grade >= 4;
            rig.lesson.ticks.cm = rig.lesson.ticks.rm = true;
            rig.lesson.btnok2Click();
            rig.view.practice = true;
            rig.view.malay = malay;
            std::set<int> seen, pictured;
            for (int i = 0; i < 600; ++i) {
                rig.lesson.btnnewqClick();
                const LessonState& s = rig.lesson.state;
                seen.insert(s.measkind);
                if (rig.view.picture != 0)
                    pictured.insert(s.measkind);
                rig.lesson.edtjawapKeyPress(malay && s.answertext2 != "!!!" ? s.answertext2 : s.answertext);
                ASSERT_TRUE(rig.view.marking) << "grade " << grade << " kind " << int(s.measkind) << ": "
                                              << rig.box.text() << "\nexpected " << s.answertext;
            }
            EXPECT_EQ(seen, expected) << "grade " << grade;
            // The perimeter and triangle stories come with their pictures.
            const std::set<int> shapes = grade == 6 ? std::set<int>{10, 11} : grade == 5 ? std::set<int>{10} : std::set<int>{};
            EXPECT_EQ(pictured, shapes) << "grade " << grade;
        }
}

TEST_F(Units, TicksMakeThePosersTheyNeed)
{
    EXPECT_TRUE(family.posemeas && family.nummeas);  // from the name step on
    const struct {
        bool kg, cm, rm;
        bool weight, money, area;
    } table[] = {
        {true, false, false, true, true, false},
        {false, true, false, false, true, true},
        {false, false, true, false, true, false},
    };
    for (const auto& row : table) {
        Rig<Scriptedrandom> fresh;
        Measurefamily own{fresh.lesson};
        Ticks t;
        t.kg = row.kg;
        t.cm = row.cm;
        t.rm = row.rm;
        own.readmeasureticks(t);
        EXPECT_EQ(own.posekg && own.numkg, row.weight);
        EXPECT_EQ(own.poserm && own.numrm, row.money);
        EXPECT_EQ(own.area != nullptr, row.area);
        EXPECT_FALSE(own.timetuvo);
    }
    // Money anew with its own tick; kept for lengths.
    Ticks t;
    t.rm = true;
    family.readmeasureticks(t);
    const Tposerm* first = family.poserm.get();
    t = Ticks{};
    t.cm = true;
    family.readmeasureticks(t);
    EXPECT_EQ(family.poserm.get(), first);
    t.rm = true;
    family.readmeasureticks(t);
    EXPECT_NE(family.poserm.get(), first);
}

}  // namespace
