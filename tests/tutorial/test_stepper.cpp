#include "tutorial/stepper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using tutorial::Stepmode;
using tutorial::startframe;

TEST(Stepper, StartFrames)
{
    struct Case {
        Stepmode mode;
        int quarter, at, current, count;
        bool playing;
        int frame;
    } cases[] = {
        {Stepmode::jump, 2, 0, 7, 40, true, 20},
        {Stepmode::jump, 3, 0, 7, 40, false, 30},
        {Stepmode::jump, 1, 0, 0, 10, true, 2},   // 2.5 goes down to the even 2
        {Stepmode::jump, 3, 0, 0, 10, true, 8},   // 7.5 goes up to the even 8
        {Stepmode::jump, 1, 0, 0, 7, true, 2},    // 1.75
        {Stepmode::back, 1, 0, 12, 40, true, 11},  // the one before the frame last painted
        {Stepmode::back, 1, 0, 12, 40, false, 10}, // stepping: current is past the frame shown
        {Stepmode::back, 1, 0, 1, 40, false, 0},
        {Stepmode::back, 1, 0, 0, 40, true, 0},
        {Stepmode::next, 1, 0, 12, 40, true, 13},
        {Stepmode::next, 1, 0, 39, 40, false, 39},
        {Stepmode::at, 1, 2, 30, 40, true, 2},     // a link may start on frame 0-2 too
        {Stepmode::at, 1, 64, 0, 40, false, 64},   // past the end: the stepper shows nothing
    };
    for (const Case& c : cases)
        EXPECT_EQ(startframe(c.mode, c.quarter, c.at, c.current, c.count, c.playing), c.frame)
            << int(c.mode) << " q" << c.quarter << " cur" << c.current << " of " << c.count;

    // The jumps against the floating-point rounding to even, over many animation lengths.
    std::mt19937 random(11);
    for (int i = 0; i < 500; ++i) {
        const int count = int(random() % 300) + 1, quarter = int(random() % 3) + 1;
        EXPECT_EQ(startframe(Stepmode::jump, quarter, 0, 0, count, true),
                  int(std::nearbyint(quarter * count * 0.25)))
            << quarter << "/4 of " << count;
    }
}

namespace {

// Records what the stepper asks of the window; its timer fires when the test says.
class Testview : public tutorial::Stepview {
public:
    std::vector<std::string> log;
    bool pause = false, shown = true;
    int armed = -1;

    void showframe(int f) override { log.push_back("show " + std::to_string(f)); }
    int delayms(int f) const override { return 100 + f; }
    bool paused() const override { return pause; }
    bool stepping() const override { return shown; }
    void restart() override { log.push_back("restart"); }
    void arm(int ms) override
    {
        armed = ms;
        log.push_back("wait " + std::to_string(ms));
    }
    void disarm() override { armed = -1; }
};

}  // namespace

TEST(Stepper, WalksHoldsAndEnds)
{
    Testview view;
    tutorial::Stepper stepper(view);
    stepper.begin(2, 4);
    stepper.tick();
    view.pause = true;
    stepper.tick();  // the delay is over but the pause button is down
    stepper.tick();
    EXPECT_TRUE(stepper.held());
    view.pause = false;
    stepper.release();
    stepper.tick();  // after the last frame the animation plays again
    EXPECT_FALSE(stepper.running());
    const std::vector<std::string> walked{"show 2", "wait 102", "show 3", "wait 103", "restart"};
    EXPECT_EQ(view.log, walked);
    EXPECT_EQ(stepper.current(), 3);

    // Back in the exercise layout: the frame on screen stays, nothing more is shown.
    view.log.clear();
    stepper.begin(0, 4);
    view.shown = false;
    stepper.tick();
    stepper.tick();
    EXPECT_EQ(view.log, (std::vector<std::string>{"show 0", "wait 100"}));
    EXPECT_FALSE(stepper.running());
    EXPECT_EQ(view.armed, -1);

    // A start past the last frame does nothing.
    view.log.clear();
    stepper.begin(4, 4);
    EXPECT_TRUE(view.log.empty());
}
