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
