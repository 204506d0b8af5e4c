// Practice mode, the fifteen-minute timed test, runs of right answers and the progress
// report. The two mode buttons are toggles: their click runs while the button is shown
// down, and the release handler sees the new state.
#include "lesson.h"

#include <string>

namespace {

const char* const timercaption = "Do Test with Timer";
const char* const timerline2 = "Ujian bermeter";
const char* const timerstarthint = "Click to start 15 min timer/Tekan bagi mulai jam tempoh 15 min";

std::string remaining(int32_t minutes) { return std::to_string(minutes) + " min" + " remaining.."; }

}  // namespace

void Lesson::setbonus(uint8_t value)
{
    props.bonus = value;
    view.setbonuslabel(std::to_string(value));
}

void Lesson::SpbtimerClick()
{
    box.clear();
    state.remainder = 0;
    props.newoper = false;
    view.setmarking(false);
    view.clearexamplelink();
    // The question the test starts with counts like every one after it, as "Get Question"
    // would open it.
    state.freshquestion = true;
    state.trycount = 0;
    state.questiondone = false;
    askq();
    view.clearanswer();
    view.focusanswer();
    setbonus(0);
    state.minutesleft = 15;
    view.setminutetimer(true);
    view.settimercaption(remaining(state.minutesleft));
    view.settimerhint("Click to stop timer/Tekan bagi hentikan jam");
}

void Lesson::SpbtimerMouseUp()
{
    if (view.timerdown()) {
        if (view.practicedown())
            view.setpracticedown(false);
        return;
    }
    view.setminutetimer(false);
    view.settimercaption(timercaption);
    view.settimerline2(timerline2);
    view.settimerhint(timerstarthint);
    props.bonus = 0;  // the label keeps its text
}

void Lesson::Tmr15minTimer()
{
    state.minutesleft -= 1;
    view.settimercaption(remaining(state.minutesleft));
    if (state.minutesleft <= 0) {
        view.setminutetimer(false);
        view.settimerdown(false);
        view.settimercaption(timercaption);
        view.settimerline2(timerline2);
        view.playsound("ohoh");
        setbonus(0);
    }
}

void Lesson::spbpracticeClick()
{
    if (view.timerdown())
        return;
    view.setminutetimer(false);
    view.settimercaption(timercaption);
    view.settimerline2(timerline2);
    view.settimerhint(timerstarthint);
    setbonus(0);
}

void Lesson::spbpracticeMouseUp()
{
    // Practice during a test releases the timer button; the minutes still count down.
    if (view.practicedown() && view.timerdown()) {
        view.settimerdown(false);
        view.settimercaption(timercaption);
    }
}

void Lesson::dobonus()
{
    bool grows = false;
    if (!view.practicedown()) {
        switch (props.topic) {
        case 0: grows = state.freshquestion; break;
        case 1: grows = numbers && numbers->counts(state, props); break;
        case 2: grows = measures && measures->counts(state, props); break;
        default: break;
        }
    }
    if (grows) {
        state.freshquestion = false;
        setbonus(static_cast<uint8_t>(props.bonus + 1));
    }
    if (props.bonus == 4) {
        view.showcheer(true);
        view.playsound("yahoo");
    } else if (props.bonus >= 5) {
        view.playsound("cashreg");
        view.openreward();
        updateprogress();
        props.bonus = 0;
        // A run of five ends a test.
        view.settimerdown(false);
        view.setminutetimer(false);
        state.minutesleft = 0;
        view.setbonuslabel("0");
        view.settimercaption("Do test with timer");
    }
}

void Lesson::updateprogress()
{
    switch (recordpassedtest(progress, folder, props.studentname, state.grade(), topicsasked(), view.timerdown())) {
    case Recorded::unreadable:
        reportonce("progress.txt read",
                   "The progress file \"progress.txt\" cannot be read, so this test was not recorded; "
                   "the file was left as it is./Fail \"progress.txt\" tidak dapat dibaca, jadi ujian ini "
                   "tidak direkodkan; fail itu tidak diubah.");
        break;
    case Recorded::notsaved:
        reportonce("progress.txt write",
                   "The progress report could not be saved to \"progress.txt\"./Rekod Pencapaian tidak "
                   "dapat disimpan ke \"progress.txt\".");
        break;
    case Recorded::counted:
    case Recorded::appended:
        if (!progress.warning().empty())
            reportonce("progress.txt repaired",
                       "\"progress.txt\" was damaged. This test was recorded with every row that could be "
                       "read, and the damaged file is kept as \"progress.txt.damaged\"./\"progress.txt\" rosak. "
                       "Ujian ini direkodkan bersama setiap baris yang dapat dibaca, dan fail yang rosak disimpan "
                       "sebagai \"progress.txt.damaged\".");
        break;
    default:
        break;
    }
}
