#include "tutorial/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using tutorial::Asked;
using tutorial::Example;

TEST(Tutoriallink, PracticeQuestionsLinkToTheirWorkedExample)
{
    struct Case {
        const char* what;
        Asked q;
        std::optional<Example> want;
    };
    const Case cases[] = {
        {"grade 2 +/-, second number asked", {.topic = 0, .grade = 2, .opkind = 0, .blank = 1}, Example::plus2},
        {"grade 5 ÷, result asked", {.topic = 0, .grade = 5, .opkind = 2, .blank = 2}, Example::algebra2},
        {"grade 3 x story", {.topic = 0, .grade = 3, .opkind = 1, .wordform = true}, Example::multi},
        {"grade 4 x story", {.topic = 0, .grade = 4, .opkind = 1, .wordform = true}, Example::wordq},
        {"grade 6 x, result asked", {.topic = 0, .grade = 6, .opkind = 1, .blank = 2}, Example::mixedop},
        {"grade 1 has no x", {.topic = 0, .grade = 1, .opkind = 1}, std::nullopt},
        {"fractions kind 13 below grade 5", {.topic = 1, .grade = 3, .numberkind = 13}, Example::fractpm},
        {"fractions kind 13 in grade 5", {.topic = 1, .grade = 5, .numberkind = 13}, Example::fractdeci},
        {"decimals kind 23 in grade 3", {.topic = 1, .grade = 3, .numberkind = 23}, std::nullopt},
        {"number kind 25", {.topic = 1, .grade = 6, .numberkind = 25}, std::nullopt},
        {"money kind 33 in grade 2", {.topic = 2, .grade = 2, .measurekind = 33}, Example::money},
        {"money kind 33 in grade 4", {.topic = 2, .grade = 4, .measurekind = 33}, Example::money3},
        {"length + story", {.topic = 2, .grade = 4, .wordform = true, .measurekind = 1}, std::nullopt},
        {"length ÷ result in grade 4", {.topic = 2, .grade = 4, .blank = 2, .measurekind = 3}, Example::divide},
        {"length ÷ result in grade 5", {.topic = 2, .grade = 5, .blank = 2, .measurekind = 22}, Example::algebra2},
        {"clock kind 17 in grade 1", {.topic = 2, .grade = 1, .measurekind = 17}, Example::timex},
        {"triangle only in grade 6", {.topic = 2, .grade = 5, .measurekind = 11}, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tutorial::linkfor(c.q, true), c.want) << c.what;
        EXPECT_EQ(tutorial::linkfor(c.q, false), std::nullopt) << c.what << ", outside practice";
    }
}

TEST(Tutoriallink, EveryExampleHasItsOwnNameAndCaption)
{
    std::set<std::string> names, captions;
    for (int i = 0; i < tutorial::examplecount; ++i) {
        names.emplace(tutorial::name(Example(i)));
        captions.emplace(tutorial::caption(Example(i)));
    }
    EXPECT_EQ(names.size(), size_t(tutorial::examplecount));
    EXPECT_EQ(captions.size(), size_t(tutorial::examplecount));
    EXPECT_EQ(tutorial::caption(Example::algebra2), "Concept AxB=C ; A÷B=C");
}

TEST(Tutoriallink, SomeQuestionsStartTheirExampleAtAMark)
{
    struct Case {
        Asked q;
        std::string_view mark;
    };
    const Case cases[] = {
        {{.topic = 2, .grade = 5, .measurekind = 23}, "times"},
        {{.topic = 2, .grade = 4, .measurekind = 4}, ""},  // no fraction tutorial below grade 5
        {{.topic = 2, .grade = 5, .measurekind = 24}, "decimals"},
        {{.topic = 2, .grade = 3, .measurekind = 18}, "timetable"},
        {{.topic = 2, .grade = 4, .measurekind = 28}, "convert"},
        {{.topic = 2, .grade = 4, .measurekind = 39}, "invoice"},
        {{.topic = 2, .grade = 4, .measurekind = 38}, ""},
        {{.topic = 0, .grade = 5, .opkind = 2, .blank = 2}, "divide"},
        {{.topic = 0, .grade = 4, .opkind = 2, .blank = 2}, ""},  // links to divide, which has no such mark
        {{.topic = 0, .grade = 6, .opkind = 2, .wordform = true, .blank = 2}, ""},
        {{.topic = 0, .grade = 6, .opkind = 2, .blank = 1}, ""},
        {{.topic = 2, .grade = 5, .blank = 2, .measurekind = 3}, ""},  // a ÷ sentence, but not arithmetic
        {{.topic = 1, .grade = 2, .numberkind = 6}, "series"},
        {{.topic = 1, .grade = 2, .numberkind = 5}, ""},
        {{.topic = 1, .grade = 3, .numberkind = 21}, "decimals"},
        {{.topic = 1, .grade = 6, .numberkind = 24}, "todecimal"},
        {{.topic = 1, .grade = 6, .measurekind = 4}, ""},  // a kind of the other family links nowhere
    };
    for (const Case& c : cases)
        EXPECT_EQ(tutorial::startmark(c.q), c.mark) << "topic " << c.q.topic << ", grade " << c.q.grade;
}
