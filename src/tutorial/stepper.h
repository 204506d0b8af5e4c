// Stepping through a tutorial's frames by hand: where Back, Next, the jumps and the question
// links start, and the walk on from there (frame, its delay, next frame, back to playing after
// the last). Toolkit-free: the window lends it the picture, the pause button and a timer.
#pragma once

namespace tutorial {

enum class Stepmode { jump, back, next, at };

// The frame a step begins at. quarter: 1..3 for the jumps; at: the frame for Stepmode::at.
// current is the stepping position (for Back and Next while playing, the frame last painted;
// while stepping, the frame after the one on screen).
int startframe(Stepmode mode, int quarter, int at, int current, int framecount, bool playing);

// What the stepper needs from the window.
class Stepview {
public:
    virtual ~Stepview() = default;
    virtual void showframe(int frame) = 0;       // into the stepping picture
    virtual int delayms(int frame) const = 0;
    virtual bool paused() const = 0;             // the pause button is down
    // The stepping picture is the one on screen, both pictures are loaded and the question
    // box is hidden: once any of it is no longer so, stepping ends.
    virtual bool stepping() const = 0;
    virtual void restart() = 0;                  // after the last frame: play from the start
    virtual void arm(int ms) = 0;                // call tick() once after ms
    virtual void disarm() = 0;
};

class Stepper {
public:
    explicit Stepper(Stepview& view) : view_(view) {}

    // Leaves the animation and walks from frame f; nothing when f is past the last frame.
    void begin(int f, int framecount);
    void tick();     // the frame's delay is over
    void release();  // the pause button went up
    void end();      // stops where it is (the frame on screen stays)

    bool running() const { return running_; }
    bool held() const { return held_; }
    int frame() const { return frame_; }       // on screen
    int current() const { return current_; }   // the position Back and Next start from
    void setcurrent(int frame) { current_ = frame; }

private:
    void show();
    void advance();

    Stepview& view_;
    int frame_ = 0;
    int current_ = 0;
    int count_ = 0;
    bool running_ = false;
    bool held_ = false;
};

}  // namespace tutorial
