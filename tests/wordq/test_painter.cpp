// The question pictures, drawn on a canvas that writes every primitive down. Expected
// positions are worked out by hand from the picture layouts (sines rounded to whole pixels).
// Each picture is painted on a fresh canvas, as the window's picture pane does.
#include "wordq/painter.h"

#include "support/recordingcanvas.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::IsSupersetOf;

namespace {

class Painter : public ::testing::Test {
protected:
    Recordingcanvas canvas;
    Picturedata data;
    double scale = 2.0;  // every painting starts again from 1.0

    std::vector<std::string> paint(uint32_t kind)
    {
        canvas = Recordingcanvas{};
        paintpicture(canvas, kind, data, scale);
        return canvas.calls;
    }
};

const std::string bluesans8 = " font=MS Sans Serif/8/FF0000 brush=clear";

TEST_F(Painter, NoPictureForKindZeroAndUnknownKinds)
{
    for (uint32_t kind : {0u, 10u, 11u, 0xFFFFFFFFu})
        EXPECT_THAT(paint(kind), IsEmpty()) << kind;
}

TEST_F(Painter, EveryPaintingStartsAtScaleOne)
{
    scale = 3.0;
    EXPECT_THAT(paint(2), Contains("rect 500,70 600,130 pen=000000/1 brush=clear"));
    EXPECT_EQ(scale, 1.0);
}

TEST_F(Painter, SegmentWithTicksLettersAndLabel)
{
    data.sidelabels = {"12cm", "", "", ""};
    EXPECT_THAT(paint(1), ElementsAre("line 480,100 580,100 pen=000000/1", "line 580,97 580,103 pen=000000/1",
                                      "line 510,97 510,103 pen=000000/1", "line 480,97 480,103 pen=000000/1",
                                      "text 480,103 \"A\" font=MS Sans Serif/8/FF0000 brush=FFFFFF",
                                      "text 510,103 \"B\" font=MS Sans Serif/8/FF0000 brush=FFFFFF",
                                      "text 580,103 \"C\" font=MS Sans Serif/8/FF0000 brush=FFFFFF",
                                      "text 480,80 \"12cm\" font=MS Serif/7/FF0000 brush=FFFFFF"));
}

TEST_F(Painter, RectangleWithCornersAndTwoLabels)
{
    data.sidelabels = {"7cm", "x", "y", "15cm"};
    EXPECT_THAT(paint(2), ElementsAre("rect 500,70 600,130 pen=000000/1 brush=clear", "text 500,57 \"A\"" + bluesans8,
                                      "text 600,57 \"B\"" + bluesans8, "text 600,130 \"C\"" + bluesans8,
                                      "text 500,130 \"D\"" + bluesans8, "text 480,100 \"7cm\"" + bluesans8,
                                      "text 550,130 \"15cm\"" + bluesans8));
}

TEST_F(Painter, RectangleWithTriangleShowsLabelsTwoToFour)
{
    data.sidelabels = {"1cm", "2cm", "3cm", "4cm"};
    const auto calls = paint(3);
    EXPECT_EQ(calls.front(), "rect 480,60 550,110 pen=000000/1 brush=clear");
    // Base and slanted side of the triangle, then the equal-length ticks.
    EXPECT_THAT(canvas.only("line"), ElementsAre("line 550,110 620,110 pen=000000/1", "line 620,110 550,60 pen=000000/1",
                                                 "line 585,107 585,113 pen=000000/1", "line 515,107 515,113 pen=000000/1"));
    EXPECT_THAT(canvas.only("text"), ElementsAre("text 530,85 \"2cm\"" + bluesans8, "text 515,110 \"3cm\"" + bluesans8,
                                                 "text 590,85 \"4cm\"" + bluesans8));
}

TEST_F(Painter, NotchedRectangleHasFiveLettersAndTheNotch)
{
    data.sidelabels = {"9cm", "", "", "20cm"};
    paint(7);
    EXPECT_THAT(canvas.only("rect"), ElementsAre("rect 500,70 600,130 pen=000000/1 brush=clear"));
    EXPECT_THAT(canvas.only("line"),
                IsSupersetOf({"line 600,130 550,100 pen=000000/1", "line 550,100 600,70 pen=000000/1"}));
    EXPECT_EQ(canvas.only("line").size(), 7u);
    EXPECT_THAT(canvas.only("text"),
                ElementsAre("text 500,57 \"A\"" + bluesans8, "text 600,57 \"B\"" + bluesans8,
                            "text 600,130 \"C\"" + bluesans8, "text 500,130 \"D\"" + bluesans8,
                            "text 570,95 \"E\"" + bluesans8, "text 480,100 \"9cm\"" + bluesans8,
                            "text 550,130 \"20cm\"" + bluesans8));
}

TEST_F(Painter, SeriesTableShowsThreeNumbersAndTheX)
{
    data.series = {4, 7, 10, 13, 16, 19};
    data.gridorder = {5, 1, 6, 3};
    EXPECT_THAT(paint(6), ElementsAre("rect 480,10 580,30 pen=000000/1 brush=clear",
                                      "rect 480,30 580,50 pen=000000/1 brush=clear",
                                      "rect 480,50 580,70 pen=000000/1 brush=clear",
                                      "rect 480,70 580,90 pen=000000/1 brush=clear",
                                      "rect 480,90 580,110 pen=000000/1 brush=clear",
                                      "rect 480,110 580,130 pen=000000/1 brush=clear", "text 490,95 \"16\"" + bluesans8,
                                      "text 490,15 \"4\"" + bluesans8, "text 490,115 \"19\"" + bluesans8,
                                      "text 530,55 \"X\"" + bluesans8));
}

TEST_F(Painter, SeriesPositionsOutsideTheTableWriteNothing)
{
    data.series = {4, 7, 10, 13, 16, 19};
    data.gridorder = {0, -1, 13, 7};  // the fourth lands on 13
    paint(6);
    EXPECT_THAT(canvas.only("text"), IsEmpty());
    EXPECT_EQ(canvas.only("rect").size(), 6u);

    data.gridorder = {1, 2, 3, 6};  // the last row takes the X
    paint(6);
    EXPECT_THAT(canvas.only("text"), Contains("text 530,115 \"X\"" + bluesans8));
}

TEST_F(Painter, SquareAndTriangleFirstOrientation)
{
    data.orientation = 1;
    data.arealabel1 = "6cm";
    data.arealabel2 = "10cm";
    EXPECT_THAT(paint(8),
                ElementsAre("rect 485,70 535,120 pen=000000/1 brush=clear", "rect 535,40 585,120 pen=000000/1 brush=clear",
                            "polygon 485,120 535,120 585,40 pen=000000/1 brush=00FFFF",
                            "line 535,70 535,120 pen=000000/1", "line 483,95 487,95 pen=000000/1",
                            "line 533,95 537,95 pen=000000/1", "line 510,68 510,72 pen=000000/1",
                            "line 510,118 510,122 pen=000000/1", "line 560,38 560,42 pen=000000/1",
                            "line 560,118 560,122 pen=000000/1", "text 465,93 \"6cm\"" + bluesans8,
                            "text 586,80 \"10cm\"" + bluesans8));
}

TEST_F(Painter, SquareAndTriangleMirroredOrientations)
{
    data.arealabel1 = "6cm";
    data.arealabel2 = "10cm";

    // Corners given right to left still make the same boxes.
    data.orientation = 2;
    paint(8);
    EXPECT_THAT(canvas.only("rect"), ElementsAre("rect 535,70 585,120 pen=000000/1 brush=clear",
                                                 "rect 485,40 535,120 pen=000000/1 brush=clear"));
    EXPECT_THAT(canvas.only("polygon"), ElementsAre("polygon 585,120 535,120 485,40 pen=000000/1 brush=00FFFF"));
    EXPECT_THAT(canvas.only("text"), ElementsAre("text 585,95 \"6cm\"" + bluesans8, "text 465,80 \"10cm\"" + bluesans8));

    data.orientation = 3;
    paint(8);
    EXPECT_THAT(canvas.only("rect"), ElementsAre("rect 535,40 585,90 pen=000000/1 brush=clear",
                                                 "rect 485,40 535,120 pen=000000/1 brush=clear"));
    EXPECT_THAT(canvas.only("polygon"), ElementsAre("polygon 585,40 535,40 485,120 pen=000000/1 brush=00FFFF"));
    EXPECT_THAT(canvas.only("line"), Contains("line 535,90 535,40 pen=000000/1"));
    EXPECT_THAT(canvas.only("text"), ElementsAre("text 585,67 \"6cm\"" + bluesans8, "text 465,80 \"10cm\"" + bluesans8));
}

TEST_F(Painter, SquareAndTriangleNeedAKnownOrientation)
{
    for (int32_t orientation : {0, 4, -1}) {
        data.orientation = orientation;
        EXPECT_THAT(paint(8), IsEmpty()) << orientation;
    }
}

TEST_F(Painter, BarChartWithScaleDaysBarsAndGrid)
{
    // 100 reaches the top grid line, 10 is ten pixels high, 0 is flat on the axis.
    data.sales = {100, 10, 55, 0, 30};
    const std::string scalefont = " font=MS Sans Serif/8/000000 brush=clear";
    const std::string pen = " pen=000000/1";
    EXPECT_THAT(
        paint(9),
        ElementsAre(
            "text 470,15 \"100\"" + scalefont, "text 475,25 \"90\"" + scalefont, "text 475,35 \"80\"" + scalefont,
            "text 475,45 \"70\"" + scalefont, "text 475,55 \"60\"" + scalefont, "text 475,65 \"50\"" + scalefont,
            "text 475,75 \"40\"" + scalefont, "text 475,85 \"30\"" + scalefont, "text 475,95 \"20\"" + scalefont,
            "text 475,105 \"10\"" + scalefont, "text 490,125 \"Mon\"" + scalefont, "text 515,125 \"Tue\"" + scalefont,
            "text 540,125 \"Wed\"" + scalefont, "text 565,125 \"Thu\"" + scalefont, "text 590,125 \"Fri\"" + scalefont,
            "text 490,135 \"Isn\"" + bluesans8, "text 515,135 \"Sel\"" + bluesans8, "text 540,135 \"Rab\"" + bluesans8,
            "text 565,135 \"Kha\"" + bluesans8, "text 590,135 \"Jum\"" + bluesans8,
            "rect 490,20 515,120" + pen + " brush=00FFFF", "rect 515,110 540,120" + pen + " brush=00FFFF",
            "rect 540,65 565,120" + pen + " brush=00FFFF", "rect 565,120 590,120" + pen + " brush=00FFFF",
            "rect 590,90 615,120" + pen + " brush=00FFFF", "line 490,20 615,20" + pen, "line 490,30 615,30" + pen,
            "line 490,40 615,40" + pen, "line 490,50 615,50" + pen, "line 490,60 615,60" + pen,
            "line 490,70 615,70" + pen, "line 490,80 615,80" + pen, "line 490,90 615,90" + pen,
            "line 490,100 615,100" + pen, "line 490,110 615,110" + pen, "line 490,120 615,120" + pen,
            "line 490,20 490,120" + pen, "line 515,20 515,120" + pen, "line 540,20 540,120" + pen,
            "line 565,20 565,120" + pen, "line 590,20 590,120" + pen, "line 615,20 615,120" + pen));
}

TEST_F(Painter, ClockAtNine)
{
    data.hour = 9;
    data.minute = 0;
    const std::string numeral = " font=MS Sans Serif/8/000000 brush=00FFFF";
    EXPECT_THAT(paint(4),
                ElementsAre("ellipse 490,30 630,170 pen=000000/1 brush=clear",
                            // r = 50 at 30-degree steps: 50 sin 30 = 25, 50 sin 60 = 43.3; each less (3, 6).
                            "text 557,44 \"0\"" + numeral, "text 582,51 \"1\"" + numeral, "text 600,69 \"2\"" + numeral,
                            "text 607,94 \"3\"" + numeral, "text 600,119 \"4\"" + numeral,
                            "text 582,137 \"5\"" + numeral, "text 557,144 \"6\"" + numeral,
                            "text 532,137 \"7\"" + numeral, "text 514,119 \"8\"" + numeral,
                            "text 507,94 \"9\"" + numeral, "text 514,69 \"10\"" + numeral,
                            "text 532,51 \"11\"" + numeral, "text 557,44 \"12\"" + numeral,
                            // Minute hand up to radius 43; barbs 10 long at 24 degrees: (4, 9) back.
                            "line 560,100 560,57 pen=FF0000/1", "line 560,57 556,66 pen=FF0000/1",
                            "line 560,57 564,66 pen=FF0000/1",
                            // Hour hand left to radius 30, barbs pointing back to the right.
                            "line 560,100 530,100 pen=0000FF/3", "line 530,100 539,104 pen=0000FF/3",
                            "line 530,100 539,96 pen=0000FF/3"));
    EXPECT_EQ(data.centrex, 560);
    EXPECT_EQ(data.centrey, 100);
    EXPECT_EQ(data.radius, 50);
    // The hour hand hands the thin black pen back for a second face; the brush stays clear.
    EXPECT_EQ(canvas.pencolour, 0x000000u);
    EXPECT_EQ(canvas.penwidth, 1);
    EXPECT_TRUE(canvas.brushclear);
}

TEST_F(Painter, ClockAtTwelveHasBothHandsStraightUp)
{
    data.hour = 12;
    data.minute = 0;
    paint(4);
    const auto lines = canvas.only("line");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "line 560,100 560,57 pen=FF0000/1");
    EXPECT_EQ(lines[3], "line 560,100 560,70 pen=0000FF/3");
}

TEST_F(Painter, ClockAtHalfPastThreeMovesTheHourHandOn)
{
    data.hour = 3;
    data.minute = 30;
    paint(4);
    const auto lines = canvas.only("line");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "line 560,100 560,143 pen=FF0000/1");
    // 105 degrees at radius 30: 30 sin 105 = 28.98, 30 cos 105 = -7.76.
    EXPECT_EQ(lines[3], "line 560,100 589,108 pen=0000FF/3");
}

TEST_F(Painter, TwoClocksShowTheSecondTimeBelow)
{
    data.hour = 9;
    data.minute = 0;
    data.hour2 = 3;
    data.minute2 = 30;
    paint(5);
    EXPECT_THAT(canvas.only("ellipse"), ElementsAre("ellipse 490,30 630,170 pen=000000/1 brush=clear",
                                                    "ellipse 490,180 630,320 pen=000000/1 brush=clear"));
    const auto lines = canvas.only("line");
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[3], "line 560,100 530,100 pen=0000FF/3");
    EXPECT_EQ(lines[6], "line 560,250 560,293 pen=FF0000/1");
    EXPECT_EQ(lines[9], "line 560,250 589,258 pen=0000FF/3");
    EXPECT_THAT(canvas.only("text"), Contains("text 557,194 \"12\" font=MS Sans Serif/8/000000 brush=00FFFF"));
    EXPECT_EQ(data.centrey, 250);
}

TEST_F(Painter, HandsRoundHalvesToEven)
{
    // Drawn straight through the painter at half size: 5 -> 2.5 -> 2, 7 -> 3.5 -> 4,
    // 9 -> 4.5 -> 4, 1 -> 0.5 -> 0, 16 -> 8.
    double half = 0.5;
    Picturepainter painter(canvas, data, half);
    data.centrex = 5;
    data.centrey = 7;
    data.radius = 20;  // the hour hand is then no longer than its tip
    painter.drawhourhand(12, 0);
    EXPECT_THAT(canvas.calls, ElementsAre("line 2,4 2,4 pen=0000FF/3", "line 2,4 0,8 pen=0000FF/3",
                                          "line 2,4 4,8 pen=0000FF/3"));
}

// A repaint, or a picture after another, draws what the picture drew first.
TEST_F(Painter, APictureDoesNotDependOnThePictureBefore)
{
    data.sidelabels = {"3cm", "", "", "4cm"};
    data.orientation = 1;
    data.hour = 4;
    data.minute = 40;
    data.hour2 = 10;
    data.minute2 = 5;
    data.series = {2, 4, 6, 8, 10, 12};
    data.gridorder = {1, 3, 5, 2};
    data.sales = {10, 20, 30, 40, 50};
    const Picturedata given = data;
    const auto alone = [&](uint32_t kind) {
        data = given;
        return paint(kind);
    };
    for (uint32_t before = 1; before <= 9; ++before)
        for (uint32_t kind = 1; kind <= 9; ++kind) {
            const auto first = alone(kind);
            alone(before);
            EXPECT_EQ(paint(kind), first) << kind << " after " << before;
        }
    // The bar chart ends on a yellow brush; the segment's letters are still on white.
    alone(9);
    paint(1);
    EXPECT_EQ(canvas.only("text").front(), "text 480,103 \"A\" font=MS Sans Serif/8/FF0000 brush=FFFFFF");
}

}  // namespace
