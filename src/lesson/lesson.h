// The lesson core: one object for the program's run that holds the lesson state, the
// checklist's properties and the posers, and carries out every event of the checklist and
// the exercise window without knowing which screen shows it.
#pragma once

#include "family.h"
#include "lessonstate.h"
#include "ports.h"
#include "progress.h"
#include "random.h"
#include "workfolder.h"

#include "arith/posearit.h"
#include "wordq/painter.h"

#include <chrono>
#include <functional>
#include <memory>
#include <set>
#include <string>

class Tposelitq;
struct Storytexts;

// The answer to the question on screen as a pupil would type it (a worksheet's key).
std::string expectedanswer(const LessonState& state);

// Today's date on this computer's calendar.
std::chrono::year_month_day localtoday();

class Lesson {
public:
    Lesson(Questionbox& box, Exerciseview& view, Workfolder& folder, Randomsource& random);
    ~Lesson();

    LessonState state;
    Checklistprops props;
    Questionbox& box;
    Exerciseview& view;
    Workfolder& folder;
    Randomsource& random;

    std::string questionline;  // the layouts build a question line here
    Ticks ticks;               // the checklist's boxes as they are now
    Tposearit arit;            // the arithmetic poser
    std::unique_ptr<Tposelitq> litq;  // the word-problem poser, new at every lesson start
    Progressgrid progress;     // the progress report's table
    Picturedata picture;       // what the question picture shows
    // Families that come after arithmetic plug in here; null while they are not built.
    Questionfamily* numbers = nullptr;
    Questionfamily* measures = nullptr;
    // The length poser's current kind: which measurement question is on screen (0 none).
    int lengthkind = 0;
    // Called at a lesson start with a number or measurement tick (obtains an engine).
    std::function<void()> onengineneeded;
    // Today's date, for the calendar questions; tests and the console set their own.
    std::function<std::chrono::year_month_day()> today = localtoday;

    // Lesson start ("OK" in the checklist).
    void btnok2Click();
    void writegreeting();
    // Composes and shows the next question.
    void askq();
    // The tutorial a new practice question links to (its catalogue number), offered on the
    // exercise window; 0 and nothing offered outside practice or when no tutorial fits.
    // Leaves in props.examplemark where in the tutorial the link starts.
    int link2examples();
    // Has the word-problem poser tell the question as a story. False when none could be
    // told (a missing "litq.txt" is told to the pupil once): the section key is cleared so
    // the next story does not look for it, and the caller shows the question as a sentence.
    // `lent` fills the story's text placeholders for this one telling.
    bool tellstory(const Storytexts& lent = {});
    // Shows picture `kind` beside the question (0 none) and keeps it for repaints.
    void showpicture(int kind);
    // The topics of this lesson that questions can really come from: the ticks read at
    // the lesson start, less those whose family is not there or cannot ask them yet.
    Ticks topicsasked() const;

    // The exercise window's question side.
    void poseq();
    void questioncolour();
    void edtjawapKeyPress(const std::string& typed);  // Enter in the answer box
    void btnnewqClick();
    void btnnewvarClick();

    // Practice mode and the timed test.
    void SpbtimerClick();
    void SpbtimerMouseUp();
    void Tmr15minTimer();
    void spbpracticeClick();
    void spbpracticeMouseUp();

    // Runs of right answers and the progress report.
    void dobonus();
    void updateprogress();

    // Tells the pupil once per run of the program about a file that cannot be used.
    void reportonce(const std::string& key, const std::string& text);

private:
    void setbonus(uint8_t value);
    std::set<std::string> reported_;
};
