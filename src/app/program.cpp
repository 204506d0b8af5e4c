#include "program.h"

#include "aboutbox.h"
#include "frmice.h"
#include "frmio.h"
#include "frmmath.h"
#include "frmprogress.h"
#include "frmscore.h"
#include "frmstart.h"
#include "frmuserid.h"
#include "helpwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>

// ---- the exercise window as the lesson sees it -------------------------------------------

void Ioforward::clear() { if (window) window->clear(); }
void Ioforward::setcolour(uint32_t bgr) { if (window) window->setcolour(bgr); }
void Ioforward::setfont(const std::string& n, int s, bool b, bool i) { if (window) window->setfont(n, s, b, i); }
void Ioforward::addline(const std::string& t) { if (window) window->addline(t); }
std::string Ioforward::text() const { return window ? window->text() : std::string(); }
bool Ioforward::englishdown() const { return window && window->englishdown(); }
bool Ioforward::malaydown() const { return window && window->malaydown(); }
bool Ioforward::practicedown() const { return window && window->practicedown(); }
void Ioforward::setpracticedown(bool d) { if (window) window->setpracticedown(d); }
bool Ioforward::timerdown() const { return window && window->timerdown(); }
void Ioforward::settimerdown(bool d) { if (window) window->settimerdown(d); }
void Ioforward::settimercaption(const std::string& c) { if (window) window->settimercaption(c); }
void Ioforward::settimerline2(const std::string& l) { if (window) window->settimerline2(l); }
void Ioforward::settimerhint(const std::string& h) { if (window) window->settimerhint(h); }
void Ioforward::setminutetimer(bool e) { if (window) window->setminutetimer(e); }
void Ioforward::setmarking(bool t) { if (window) window->setmarking(t); }
void Ioforward::clearanswer() { if (window) window->clearanswer(); }
void Ioforward::focusanswer() { if (window) window->focusanswer(); }
void Ioforward::setbonuslabel(const std::string& t) { if (window) window->setbonuslabel(t); }
void Ioforward::showcheer(bool s) { if (window) window->showcheer(s); }
void Ioforward::clearexamplelink() { if (window) window->clearexamplelink(); }
void Ioforward::offerexamplelink() { if (window) window->offerexamplelink(); }
void Ioforward::message(const std::string& t)
{
    if (window)
        window->message(t);
    else
        QMessageBox::information(nullptr, QStringLiteral("MATHtuvo"), QString::fromStdString(t));
}
void Ioforward::playsound(const std::string& n) { if (window) window->playsound(n); }
void Ioforward::openreward() { if (window) window->openreward(); }
void Ioforward::setpicture(int k) { if (window) window->setpicture(k); }

// ---- the program ---------------------------------------------------------------------------

namespace {

// Closes a child window (its sub-window frees it) and forgets it at once.
template <class Window>
void closechild(QPointer<Window>& window)
{
    if (!window)
        return;
    QWidget* sub = window->parentWidget();
    window = nullptr;
    if (sub)
        sub->close();
}

}  // namespace

Program::Program(const std::filesystem::path& workdir)
    : folder(workdir), lesson(io, io, folder, random)
{
    random.seedfromclock();
    folder.removeleftovers();  // what a save cut off by a crash or a power cut left behind
    frmmath = new Tfrmmath;
    QApplication::setWindowIcon(TAboutBox::programicon(64));
    frmprogress = new TFrmprogress(lesson.progress, folder, frmmath);
    connect(frmprogress, &TFrmprogress::closedbyok, this, [this] {
        if (frmio)
            frmio->focusanswer();
    });
    connect(frmmath, &Tfrmmath::startpagerequested, this, &Program::showstartpage);
    connect(frmmath, &Tfrmmath::topicsrequested, this, [this] { frmmath->showchild(frmscore); });
    connect(frmmath, &Tfrmmath::exerciserequested, this, [this] { frmmath->showchild(frmio); });
    connect(frmmath, &Tfrmmath::helprequested, this, [this] { Helpwindow::showcontents(frmmath); });
    connect(frmmath, &Tfrmmath::aboutrequested, this, [this] {
        TAboutBox about(frmmath);
        about.exec();
    });
    connect(frmmath, &Tfrmmath::exitrequested, this, &Program::exit);
    lesson.onengineneeded = [this] {
        if (numbers)
            numbers->plug.engine.reset(numbers->plug.enginefactory());
    };
    showstartpage();
}

Program::~Program()
{
    // The windows go with the frame; none of them is to call back into a half-gone program.
    shownio_ = nullptr;
    delete frmmath;
}

void Program::show()
{
    // Centred on the screen, or filling a small screen (a classroom laptop).
    const QRect screen = frmmath->screen()->availableGeometry();
    if (screen.width() < 1100 || screen.height() < 800) {
        frmmath->setGeometry(screen);
        frmmath->showMaximized();
        return;
    }
    frmmath->move(screen.center() - frmmath->rect().center());
    frmmath->show();
}

void Program::showstartpage()
{
    frmmath->Spbstart->setChecked(true);
    if (frmstart) {
        frmmath->showchild(frmstart);
        return;
    }
    frmstart = new Tfrmstart;
    connect(frmstart, &Tfrmstart::gradechosen, this, &Program::darjahClick);
    connect(frmstart, &Tfrmstart::exitrequested, this, &Program::exit);
    connect(frmstart, &Tfrmstart::painted, this, &Program::startpagepainted);
    frmmath->addchild(frmstart);
}

void Program::darjahClick(int grade)
{
    lesson.state.gradebutton = "darjah" + std::to_string(grade);
    closechild(frmscore);
    frmscore = new Tfrmscore;
    connect(frmscore, &Tfrmscore::lessonrequested, this, &Program::btnok2Click);
    connect(frmscore, &Tfrmscore::cancelled, this, &Program::btncancel2Click);
    connect(frmscore, &Tfrmscore::tickschanged, this, [this] {
        if (frmscore)
            lesson.ticks = frmscore->ticks();
    });
    frmmath->addchild(frmscore);
    frmmath->showtoolbutton(frmmath->Spbtopics, true);
    frmmath->Spbtopics->setChecked(true);
    getusername();
}

void Program::getusername()
{
    lesson.props.bonus = 0;
    if (lesson.state.grade() == 0 || !frmscore)
        return;
    for (;;) {
        Tfrmuserid dialog(names, folder, frmmath);
        // Escape or the window's close button cancels, whatever was typed.
        const bool confirmed = dialog.exec() == QDialog::Accepted;
        if (dialog.fileproblem)
            reportfile("names.txt", QStringLiteral("The name list \"names.txt\" could not be read or saved; it was "
                                                   "left as it was./Senarai nama \"names.txt\" tidak dapat dibaca "
                                                   "atau disimpan; fail itu tidak diubah."));
        const QString name = confirmed ? dialog.name().trimmed() : QString();
        lesson.props.studentname = confirmed ? dialog.name().toStdString() : std::string();
        if (name.isEmpty()) {
            if (frmstart)
                frmstart->releasegrades();
            closechild(frmscore);
            frmmath->showtoolbutton(frmmath->Spbtopics, false);
            showstartpage();
            return;
        }
        const auto answer = QMessageBox::question(
            frmmath, QStringLiteral("MATHtuvo"),
            QStringLiteral("Your name is: %1?\n\nNama kamu: %1?").arg(name), QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::Yes) {
            // Only a confirmed name joins the class list.
            if (!names.add(folder, lesson.props.studentname))
                reportfile("names.txt", QStringLiteral("The name list \"names.txt\" could not be read or saved; it was "
                                                       "left as it was./Senarai nama \"names.txt\" tidak dapat dibaca "
                                                       "atau disimpan; fail itu tidak diubah."));
            break;
        }
    }
    if (!frmscore)
        return;
    numbers = std::make_unique<Numberfamily>(lesson);
    lesson.numbers = numbers.get();
    measures = std::make_unique<Measurefamily>(lesson);
    lesson.measures = measures.get();
    frmscore->gbnumb->setEnabled(Tnumplug::numberavailability(folder));
    frmscore->cbarit->setChecked(true);
    frmscore->cbnumb->setChecked(true);
    frmscore->cbmeas->setChecked(true);
    frmscore->Btnok1Click(withoutunbuilt(availability(lesson.state.grade()), *measures));
}

void Program::btnok2Click()
{
    if (!frmscore)
        return;
    const Ticks t = frmscore->ticks();
    frmscore->cbarit->setChecked(t.plusminus || t.multi || t.divide);
    frmscore->cbnumb->setChecked(t.num || t.fract || t.deci);
    frmscore->cbmeas->setChecked(t.kg || t.cm || t.rm || t.time);
    lesson.ticks = t;

    // A fresh exercise window for every lesson.
    closechild(frmio);
    frmio = new Tfrmio(lesson);
    io.window = frmio;
    connect(frmio, &Tfrmio::progressrequested, this, &Program::showprogress);
    connect(frmio, &Tfrmio::rewardrequested, this, &Program::openreward);
    shownio_ = frmio;
    // Told by identity, not through frmio: while the window is being destroyed it is no
    // longer a Tfrmio, and the pointer must not be read as one.
    connect(frmio, &QObject::destroyed, this, [this](QObject* gone) {
        if (gone != shownio_)
            return;  // replaced by the next lesson's window, not closed
        shownio_ = nullptr;
        if (frmstart)
            frmstart->releasegrades();
        frmmath->showtoolbutton(frmmath->Spbio, false);
    });
    frmmath->addchild(frmio);
    frmmath->showtoolbutton(frmmath->Spbio, true);
    frmmath->Spbio->setChecked(true);
    lesson.btnok2Click();
}

void Program::btncancel2Click()
{
    closechild(frmscore);
    frmmath->showtoolbutton(frmmath->Spbtopics, false);
    showstartpage();
    if (frmio) {
        closechild(frmio);
        frmmath->showtoolbutton(frmmath->Spbio, false);
    }
}

void Program::showprogress()
{
    frmprogress->show();
    frmprogress->raise();
}

void Program::openreward()
{
    if (frmice)
        return;
    frmice = new Tfrmice;
    connect(frmice, &Tfrmice::closing, this, [this] {
        closechild(frmice);
        if (frmio) {
            frmmath->showchild(frmio);
            frmio->focusanswer();
        }
    });
    frmmath->addchild(frmice);
    frmice->setFocus();
}

void Program::exit()
{
    // A test that is running is lost by leaving: only a pupil who says so leaves.
    if (frmio && io.timerdown()) {
        const auto answer = QMessageBox::question(
            frmmath, QStringLiteral("MATHtuvo"),
            QStringLiteral("A timed test is running. Stop it and exit? The test will not be recorded.\n\n"
                           "Ujian bermeter sedang berjalan. Hentikan dan keluar? Ujian ini tidak akan dicatat."),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        if (answer != QMessageBox::Yes)
            return;
    }
    frmmath->hide();
    QApplication::quit();
}

void Program::reportfile(const char* key, const QString& text) { lesson.reportonce(key, text.toStdString()); }
