#include "tutorial/script.h"

#include <gtest/gtest.h>

using tutorial::parsescript;

TEST(Script, ReadsStepsMarksTextsAndOptions)
{
    std::string error;
    auto s = parsescript("\xEF\xBB\xBF# a comment\r\ntutorial multi\ntitle \"390 x 4 = ?\"\ngrid 20 30\n"
                         "step\nsay \"Write the numbers.\" | \"Tulis nombor.\"\ncolumn 0 5 \"390 x 4\" show=0\n"
                         "step 3 mark=carry\nsay \"4 x 0 = 0\"\ncheck \"390 x 4 = 1560\"\n"
                         "triangle 1 2 6 4 base=\"8 cm\" height=\"5 cm\" big\nmath 1 1 \"3 = 3\" id=m\n",
                         error);
    ASSERT_TRUE(s) << error;
    EXPECT_EQ(s->name, "multi");
    EXPECT_EQ(s->title.en, "390 x 4 = ?");
    EXPECT_EQ(s->cellw, 20);
    ASSERT_EQ(s->steps.size(), 2u);
    EXPECT_EQ(s->steps[0].seconds, 2.5);
    EXPECT_EQ(s->steps[0].say.ms, "Tulis nombor.");
    EXPECT_EQ(s->steps[0].commands[0].opts.at("show"), "0");
    EXPECT_EQ(s->steps[1].seconds, 3.0);
    EXPECT_EQ(s->steps[1].checks, std::vector<std::string>{"390 x 4 = 1560"});
    const auto& tri = s->steps[1].commands[0];
    EXPECT_EQ(tri.args.size(), 4u);
    EXPECT_EQ(tri.opts.at("base"), "8 cm");
    EXPECT_EQ(tri.opts.at("big"), "1");
    EXPECT_EQ(s->steps[1].commands[1].args[2], "3 = 3");
    EXPECT_EQ(s->markframe("carry"), 1);
    EXPECT_FALSE(s->markframe("none"));
}

TEST(Script, RefusesFaultsWithTheirLine)
{
    const char* head = "tutorial t\nstep\nsay \"x\"\n";
    struct Case {
        std::string body;
        std::string error;
    } cases[] = {
        {"wobble 1 2\n", "line 4: unknown command \"wobble\""},
        {"text 1 2\n", "line 4: \"text\" takes 3 words"},
        {"text 1 2 \"ab\" size=3\n", "line 4: \"text\" has no option size"},
        {"text 1 2 \"ab\n", "line 4: a quote is not closed"},
        {"step 1.5\nsay \"y\"\n", "line 4: a step stays at least two seconds"},
        {"step\n", "line 4: the step says nothing"},
        {"step mark=a\nsay \"y\"\nstep mark=a\n", "line 6: the mark a is used twice"},
        {"say \"again\"\n", "line 4: a step says one thing"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(parsescript(head + c.body, error)) << c.body;
        EXPECT_EQ(error, c.error) << c.body;
    }
    std::string error;
    EXPECT_FALSE(parsescript("step\n", error));
    EXPECT_EQ(error, "line 1: a script begins with: tutorial NAME");
    EXPECT_FALSE(parsescript("tutorial t\nsay \"x\"\n", error));
    EXPECT_EQ(error, "line 2: \"say\" before the first step");
}
