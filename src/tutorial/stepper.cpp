#include "tutorial/stepper.h"

namespace tutorial {

int startframe(Stepmode mode, int quarter, int at, int current, int framecount, bool playing)
{
    switch (mode) {
    case Stepmode::jump: {
        // quarter x count / 4, a half going to the even neighbour.
        const int n = quarter * framecount;
        int f = n / 4;
        const int rest = n % 4;
        if (rest > 2 || (rest == 2 && f % 2 != 0))
            ++f;
        return f;
    }
    case Stepmode::back:
        // While stepping, current is already one past the frame on screen.
        if (current <= 0)
            return current;
        if (playing)
            return current - 1;
        return current > 1 ? current - 2 : current - 1;
    case Stepmode::next:
        return current < framecount - 1 ? current + 1 : current;
    case Stepmode::at:
        return at;
    }
    return 0;
}

void Stepper::begin(int f, int framecount)
{
    view_.disarm();
    running_ = false;
    held_ = false;
    count_ = framecount;
    if (f < 0 || f > framecount - 1)
        return;
    frame_ = f;
    running_ = true;
    show();
}

void Stepper::show()
{
    view_.showframe(frame_);
    if (current_ < count_ - 1)
        current_ = frame_ + 1;
    view_.arm(view_.delayms(frame_));
}

void Stepper::tick()
{
    if (!running_)
        return;
    if (!view_.stepping()) {
        end();
        return;
    }
    if (view_.paused()) {
        held_ = true;
        return;
    }
    advance();
}

void Stepper::release()
{
    if (!running_ || !held_)
        return;
    held_ = false;
    tick();
}

void Stepper::advance()
{
    if (frame_ >= count_ - 1) {
        running_ = false;
        view_.restart();
        return;
    }
    ++frame_;
    show();
}

void Stepper::end()
{
    view_.disarm();
    running_ = false;
    held_ = false;
}

}  // namespace tutorial
