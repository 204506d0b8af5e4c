// The tutorial link as a pupil meets it: a seeded sweep over every grade with every topic
// ticked asks questions through the buttons and checks each link against its own reading of
// the link tables, from what the question asked.
#include "engine/numengine.h"
#include "engine/scripted_draws.h"
#include "measure/measurefamily.h"
#include "measure/unitnumbers.h"
#include "numbers/numberfamily.h"
#include "support/lessonrig.h"
#include "tutorial/catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <vector>

namespace {

using E = tutorial::Example;

// Passes a real family through, keeping what was asked before its hand-over rewrites it.
class Watched final : public Questionfamily {
public:
    explicit Watched(Questionfamily& family, Lesson& lesson) : family_(family), lesson_(lesson) {}
    LessonState asked;

    void lessonstart(const Ticks& ticks) override { family_.lessonstart(ticks); }
    bool offers(Topicbox box) const override { return family_.offers(box); }
    bool cangive(uint8_t trycount) override { return family_.cangive(trycount); }
    void ask(bool newoper) override { family_.ask(newoper); }
    void handoveranswer() override
    {
        asked = lesson_.state;
        family_.handoveranswer();
    }
    void describe(tutorial::Asked& q) const override { family_.describe(q); }
    bool counts(const LessonState& s, const Checklistprops& p) const override { return family_.counts(s, p); }
    void clearkind() override { family_.clearkind(); }

private:
    Questionfamily& family_;
    Lesson& lesson_;
};

enum Form { any, word, result, operand };  // result and operand: asked as a sentence

struct Row {
    int topic;
    std::vector<int> keys;  // operations for arithmetic, else the question kinds
    int low, high;          // grades
    Form form;
    E example;
    bool asked = true;  // false: the choosers never give these kinds in these grades
};

// Every row that offers a tutorial; a question that meets none is offered nothing.
const std::vector<Row> rows = {
    {0, {0}, 1, 3, word, E::addminus}, {0, {0}, 1, 3, result, E::addminus}, {0, {0}, 1, 3, operand, E::plus2},
    {0, {0}, 4, 6, word, E::wordq}, {0, {0}, 4, 6, result, E::addminus}, {0, {0}, 4, 6, operand, E::algebra1},
    {0, {1}, 2, 3, word, E::multi}, {0, {1}, 4, 5, word, E::wordq}, {0, {1}, 2, 5, result, E::multi},
    {0, {1}, 2, 5, operand, E::algebra2}, {0, {1}, 6, 6, word, E::wordq}, {0, {1}, 6, 6, result, E::mixedop},
    {0, {1}, 6, 6, operand, E::algebra2}, {0, {2}, 2, 3, word, E::divide}, {0, {2}, 2, 3, result, E::divide},
    {0, {2}, 2, 3, operand, E::algebra2}, {0, {2}, 4, 4, word, E::wordq}, {0, {2}, 4, 4, result, E::divide},
    {0, {2}, 4, 4, operand, E::algebra2}, {0, {2}, 5, 6, word, E::wordq}, {0, {2}, 5, 6, result, E::algebra2},
    {0, {2}, 5, 6, operand, E::algebra2},

    {1, {1, 2, 4, 5, 6, 19}, 1, 6, any, E::noseri}, {1, {3}, 1, 6, any, E::bundar},
    {1, {7, 8, 9}, 1, 6, any, E::percent}, {1, {10, 11}, 1, 6, any, E::fractseriorder},
    {1, {12}, 1, 6, any, E::fractsimpl}, {1, {13, 14}, 5, 6, any, E::fractdeci}, {1, {13, 14}, 1, 4, any, E::fractpm},
    {1, {15, 16, 17, 18, 20, 21, 24}, 1, 6, any, E::fractdeci}, {1, {22}, 1, 6, any, E::decix},
    {1, {23}, 4, 6, any, E::decimultidiv},

    {2, {1, 20, 29}, 3, 3, result, E::addminus}, {2, {1, 20, 29}, 3, 3, operand, E::plus2},
    {2, {1, 20, 29}, 4, 6, result, E::addminus}, {2, {1, 20, 29}, 4, 6, operand, E::algebra1},
    {2, {2, 21, 30}, 3, 6, operand, E::algebra2}, {2, {2, 21, 30}, 3, 5, result, E::multi},
    {2, {2, 21, 30}, 6, 6, result, E::mixedop}, {2, {3, 22, 31}, 3, 3, result, E::divide},
    {2, {3, 22, 31}, 3, 3, operand, E::algebra2}, {2, {3, 22, 31}, 4, 4, result, E::divide},
    {2, {3, 22, 31}, 5, 6, result, E::algebra2, false}, {2, {3, 22, 31}, 4, 6, operand, E::algebra2},
    {2, {4, 23, 32}, 5, 6, any, E::fractdeci}, {2, {5, 6, 24, 25, 9, 10, 28}, 3, 6, any, E::lengthspace},
    {2, {7, 26, 35}, 3, 6, any, E::decix}, {2, {8, 27, 36}, 3, 6, any, E::decimultidiv},
    {2, {11}, 6, 6, any, E::areaoftriangle}, {2, {12, 13, 14, 15, 16, 18, 19}, 2, 6, any, E::time2},
    {2, {17}, 1, 2, any, E::timex}, {2, {33, 34}, 1, 3, any, E::money}, {2, {33, 34}, 4, 6, any, E::money3},
    {2, {38, 39}, 2, 6, any, E::moneybill},
};

bool meets(const Row& r, int topic, int key, int grade, bool story, int blank)
{
    if (r.topic != topic || std::find(r.keys.begin(), r.keys.end(), key) == r.keys.end() || grade < r.low ||
        grade > r.high)
        return false;
    switch (r.form) {
    case word: return story;
    case result: return !story && blank == 2;
    case operand: return !story && blank != 2;
    default: return true;
    }
}

TEST(Examplelink, EveryNewPracticeQuestionLinksByTheTables)
{
    std::vector<int> hits(rows.size());
    for (int grade = 1; grade <= 6; ++grade) {
        Rig<Randomsource> rig;
        rig.random.seed(static_cast<uint32_t>(7000 + grade));
        Seededdraws draws(static_cast<uint32_t>(70 + grade));
        Lesson& lesson = rig.lesson;
        Numberfamily numberfamily(lesson);
        Measurefamily measurefamily(lesson);
        Watched numbers(numberfamily, lesson), measures(measurefamily, lesson);
        lesson.numbers = &numbers;
        lesson.measures = &measures;
        std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt", rig.dir.path / "litq.txt");
        lesson.state.gradebutton = "darjah" + std::to_string(grade);
        lesson.ticks = Ticks{true, true, true, true, true, true, true, true, true, true};
        lesson.btnok2Click();
        const auto seeded = [&draws] { return new Tnumengimpl(draws); };
        for (Tnumplug* object : {static_cast<Tnumplug*>(&numberfamily.plug), static_cast<Tnumplug*>(measurefamily.nummeas.get()),
                                 static_cast<Tnumplug*>(measurefamily.numkg.get()),
                                 static_cast<Tnumplug*>(measurefamily.numrm.get())})
            object->enginefactory = seeded;
        Recordingview& view = rig.view;
        const Checklistprops& props = lesson.props;
        view.practice = true;

        for (int i = 0; i < 3000; ++i) {
            const int offers = view.examplelinkoffers, clears = view.examplelinkclears;
            lesson.btnnewqClick();
            ASSERT_EQ(view.examplelinkclears, clears + 1) << "Get Question leaves the last link";
            const LessonState& s = props.topic == 0 ? lesson.state : props.topic == 1 ? numbers.asked : measures.asked;
            const int key = props.topic == 0 ? s.opkind : props.topic == 1 ? numberfamily.plug.kind : lesson.lengthkind;
            SCOPED_TRACE("grade " + std::to_string(grade) + ", topic " + std::to_string(props.topic) + ", key " +
                         std::to_string(key) + ", blank " + std::to_string(s.blank) + ", story " +
                         std::to_string(s.wordform));
            std::optional<E> want;
            for (size_t r = 0; r < rows.size(); ++r)
                if (meets(rows[r], props.topic, key, grade, s.wordform == 1, s.blank)) {
                    ASSERT_FALSE(want) << "two rows meet";
                    want = rows[r].example;
                    ++hits[r];
                }
            EXPECT_EQ(props.example, want ? int(*want) : 0);
            EXPECT_EQ(view.examplelinkoffers, offers + (want ? 1 : 0));
            const tutorial::Asked asked{props.topic, grade, s.opkind, s.wordform == 1, s.blank,
                                        props.topic == 1 ? key : 0, props.topic == 2 ? key : 0};
            EXPECT_EQ(props.examplemark, want ? tutorial::startmark(asked) : "");

            // A similar question keeps the link, its start and the button as they were.
            if (lesson.random(4) == 0) {
                const int example = props.example;
                const std::string mark = props.examplemark;
                lesson.btnnewvarClick();
                EXPECT_EQ(props.example, example);
                EXPECT_EQ(props.examplemark, mark);
                EXPECT_EQ(view.examplelinkoffers, offers + (want ? 1 : 0));
                EXPECT_EQ(view.examplelinkclears, clears + 1);
            }
        }

        // A timed test started from practice: its first question is asked while "Practice
        // Only" is still down, and links nothing.
        view.timer = true;
        lesson.SpbtimerClick();
        EXPECT_EQ(props.example, 0);
        EXPECT_EQ(props.examplemark, "");
        view.timer = false;

        // Leaving practice leaves the button; the questions after it offer nothing.
        const int offers = view.examplelinkoffers, clears = view.examplelinkclears;
        view.practice = false;
        lesson.spbpracticeClick();
        lesson.spbpracticeMouseUp();
        EXPECT_EQ(view.examplelinkclears, clears);
        for (int i = 0; i < 100; ++i) {
            lesson.SpbtimerClick();
            EXPECT_EQ(props.example, 0);
            EXPECT_EQ(props.examplemark, "");
        }
        EXPECT_EQ(view.examplelinkoffers, offers);
        EXPECT_EQ(view.examplelinkclears, clears + 100);
    }
    for (size_t r = 0; r < rows.size(); ++r)
        EXPECT_TRUE(hits[r] > 0 || !rows[r].asked)
            << "row " << r << " (" << tutorial::name(rows[r].example) << ", grades " << rows[r].low << "-"
            << rows[r].high << ") never asked";
}

}  // namespace
