// The lesson start, the topic dispatcher and the question box's colours.
#include "lesson.h"

#include "arith/arithmetic.h"
#include "tutorial/catalogue.h"
#include "wordq/poselitq.h"

#include <ctime>

Lesson::Lesson(Questionbox& box_, Exerciseview& view_, Workfolder& folder_, Randomsource& random_)
    : box(box_), view(view_), folder(folder_), random(random_), arit(*this)
{
}

Lesson::~Lesson() = default;

void Lesson::btnok2Click()
{
    props.plus = ticks.plusminus;
    props.multi = ticks.multi;
    props.divide = ticks.divide;
    state.usenumbers = ticks.num;
    state.usefractions = ticks.fract;
    state.usedecimals = ticks.deci;
    state.useweight = ticks.kg;
    state.uselength = ticks.cm;
    state.usemoney = ticks.rm;
    state.usetime = ticks.time;
    for (Questionfamily* family : {numbers, measures})
        if (family)
            family->lessonstart(ticks);
    props.bonus = 0;
    litq = std::make_unique<Tposelitq>(*this);
    props.topic = 0;
    const bool numbersticked = ticks.num || ticks.fract || ticks.deci;
    const bool measuresticked = ticks.kg || ticks.cm || ticks.rm || ticks.time;
    if ((numbersticked || measuresticked) && onengineneeded)
        onengineneeded();
    view.focusanswer();
    state.questiondone = true;
    state.trycount = 0;
    writegreeting();
}

void Lesson::writegreeting()
{
    box.clear();
    box.setfont("arial", 14, true, false);
    box.setcolour(colours::red);
    box.addline("              Hi!  " + props.studentname + " ");
    box.setfont("arial", 8, true, false);
    box.setcolour(colours::black);
    box.addline("\r\n Press \"English\" to choose question in English");
    box.addline(" To look at examples: Press \"Tutorials\"");
    box.addline(" To practice: Press \"Practice Only\" and then \"Get Question\"");
    box.addline(" To start the exercise: Press \"Get Question\"\r\n To start test: Press \"Do Test with Timer\"\r\n");
    box.setcolour(colours::blue);
    box.addline(" Tekan \"Malay\" untuk soalan dalam Bahasa Melayu");
    box.addline(" Untuk Contoh-contoh perkiraan: Tekan \"Tunjuk Anjar-Tunjuk Ajar\"");
    box.addline(" Untuk latihan: Tekan \"Untuk Latihan\" diikuti \"Sampaikan Soalan\"");
    box.addline(" Tekan \"Sampaikan Soalan\" bagi percubaan\r\n Tekan \"Ujian bermeter\" bagi ujian\r\n");
    box.setcolour(colours::black);
    box.setfont("courier new", 8, false, false);
}

void Lesson::askq()
{
    if (!props.newoper) {
        // A family counts as ticked only once its questions can be composed.
        const bool a = props.plus || props.multi || props.divide;
        const bool n = numbers && (state.usenumbers || state.usefractions || state.usedecimals);
        const bool m = measures && (state.useweight || state.uselength || state.usemoney || state.usetime);
        if (a && n && m)
            props.topic = static_cast<uint8_t>(random(3));
        else if (a && n)
            props.topic = static_cast<uint8_t>(random(2));
        else if (n && m)
            props.topic = random(2) == 0 ? 2 : 1;
        else if (a && m)
            props.topic = random(2) == 1 ? 2 : 0;
        else if (a)
            props.topic = 0;
        else if (n)
            props.topic = 1;
        else if (m)
            props.topic = 2;
    }

    showpicture(0);
    state.answertext2 = "!!!";
    state.answertext3.clear();

    switch (props.topic) {
    case 0:
        if (numbers)
            numbers->clearkind();
        if (measures)
            measures->clearkind();
        lengthkind = 0;
        pickoperation(*this, props.newoper, props.plus, props.multi, props.divide);
        if (!props.newoper)
            props.example = link2examples();
        break;
    case 1:
    case 2: {
        Questionfamily* family = props.topic == 1 ? numbers : measures;
        Questionfamily* other = props.topic == 1 ? measures : numbers;
        if (!family)
            break;
        if (other)
            other->clearkind();
        box.clear();
        family->ask(props.newoper);
        // A similar question keeps the link of the question it varies.
        if (!props.newoper)
            props.example = link2examples();
        family->handoveranswer();
        view.focusanswer();
        break;
    }
    default:
        break;
    }
}

int Lesson::link2examples()
{
    props.examplemark.clear();
    // The timer button asks its first question while "Practice Only" is still down (it is
    // lifted on release); a timed test never links to a worked example.
    if (!view.practicedown() || view.timerdown())
        return 0;
    tutorial::Asked asked;
    asked.topic = props.topic;
    asked.grade = state.grade();
    asked.opkind = state.opkind;
    asked.wordform = state.wordform == 1;
    asked.blank = state.blank;
    if (Questionfamily* family = props.topic == 1 ? numbers : props.topic == 2 ? measures : nullptr)
        family->describe(asked);
    const auto link = tutorial::linkfor(asked, true);
    if (!link)
        return 0;
    props.examplemark = tutorial::startmark(asked);
    view.offerexamplelink();
    return static_cast<int>(*link);
}

bool Lesson::tellstory(const Storytexts& lent)
{
    if (litq) {
        litq->storytexts = &lent;
        const Tposelitq::Outcome outcome = litq->readwordproblem();
        litq->storytexts = nullptr;
        switch (outcome) {
        case Tposelitq::Outcome::written:
            return true;
        case Tposelitq::Outcome::nofile:
            reportonce("litq.txt", nostoryfile);
            break;
        case Tposelitq::Outcome::notfound:
            break;  // the reader has said "Maaf! Cuba lagi!"
        }
    }
    state.wordsign.clear();
    return false;
}

void Lesson::showpicture(int kind)
{
    if (litq)
        litq->picturekind = kind;
    view.setpicture(kind);
}

Ticks Lesson::topicsasked() const
{
    Ticks t;
    t.plusminus = props.plus;
    t.multi = props.multi;
    t.divide = props.divide;
    const auto from = [](const Questionfamily* family, Topicbox box, bool ticked) {
        return ticked && family && family->offers(box);
    };
    t.num = from(numbers, Topicbox::num, state.usenumbers);
    t.fract = from(numbers, Topicbox::fract, state.usefractions);
    t.deci = from(numbers, Topicbox::deci, state.usedecimals);
    t.kg = from(measures, Topicbox::kg, state.useweight);
    t.cm = from(measures, Topicbox::cm, state.uselength);
    t.rm = from(measures, Topicbox::rm, state.usemoney);
    t.time = from(measures, Topicbox::time, state.usetime);
    return t;
}

std::chrono::year_month_day localtoday()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

void Lesson::poseq()
{
    box.clear();
    box.setcolour(colours::black);
    switch (state.opkind) {
    case 0: arit.layoutplusminus(props.newoper); break;
    case 1: arit.layoutmulti(props.newoper); break;
    default: arit.layoutdivide(props.newoper); break;
    }
}

void Lesson::questioncolour() { box.setcolour(view.malaydown() ? colours::blue : colours::black); }

void Lesson::reportonce(const std::string& key, const std::string& text)
{
    if (reported_.insert(key).second)
        view.message(text);
}
