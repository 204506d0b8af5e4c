// What each grade may tick, and "Select All Topics".
#include "lesson/checklist.h"

#include <gtest/gtest.h>

namespace {

std::string offered(int grade)
{
    static const char* names[] = {"+/-", "x", "÷", "num", "fract", "deci", "kg", "cm", "rm", "time"};
    const auto layout = availability(grade);
    std::string list;
    for (int i = 0; i < topicboxcount; ++i) {
        const auto& b = layout.boxes[i];
        EXPECT_TRUE(b.visible) << "grade " << grade << " hides " << names[i];
        if (b.enabled)
            list += std::string(list.empty() ? "" : " ") + names[i];
    }
    return list;
}

TEST(Checklist, EachGradeOffersItsTopicsAndShowsTheRestDisabled)
{
    EXPECT_EQ(offered(1), "+/- num time");
    EXPECT_EQ(offered(2), "+/- x ÷ num time");
    EXPECT_EQ(offered(3), "+/- x ÷ num fract cm rm time");
    EXPECT_EQ(offered(4), "+/- x ÷ num fract deci kg cm rm time");
    EXPECT_EQ(offered(5), offered(4));
    EXPECT_EQ(offered(6), offered(4));
}

TEST(Checklist, PicturesAndLabelsByGrade)
{
    for (int grade = 1; grade <= 6; ++grade) {
        const auto c = availability(grade);
        EXPECT_EQ(c.mixedlabel, grade == 6);
        EXPECT_EQ(c.shapepicture, grade >= 4);
        EXPECT_EQ(c.percentlabel, grade == 6);
        EXPECT_EQ(c.graphpicture, grade == 6);
        EXPECT_TRUE(c.aritgroup && c.numbgroup && c.measgroup);
    }
    const auto none = availability(0);
    EXPECT_FALSE(none.aritgroup || none[Topicbox::plusminus].visible);
}

TEST(Checklist, SelectAllTicksOnlyWhatTheGradeOffersAndKeepsEarlierTicks)
{
    const Ticks grade1 = selectall(availability(1), Ticks{});
    EXPECT_TRUE(grade1.plusminus && grade1.num && grade1.time);
    EXPECT_FALSE(grade1.multi || grade1.divide || grade1.fract || grade1.deci || grade1.kg || grade1.cm ||
                 grade1.rm);

    Ticks before;
    before.kg = true;  // ticked by hand; "Select All" never unticks
    const Ticks grade3 = selectall(availability(3), before);
    EXPECT_TRUE(grade3.kg && grade3.fract && grade3.cm && grade3.rm);
    EXPECT_FALSE(grade3.deci);
}

}  // namespace
