// A monkey in front of the whole program: thousands of random clicks, keys and typed texts
// on whatever window is showing, from the start page through the name dialog, the topic
// checklist and the exercise window to the reward, the progress report, the help and the
// about box. Modal boxes are answered at random as they come. It passes if the program
// neither crashes nor stops answering; QtTest's watchdog fails a run that has not ended
// after a while (the event loop stuck, or a handler that never returns).
//
// MATHTUVO_MONKEY_SEED picks the run (printed at the start and on failure),
// MATHTUVO_MONKEY_EVENTS how many events it sends, MATHTUVO_MONKEY_TIMEOUT after how many
// seconds it gives up (default 900).
#include "exhandler.h"
#include "frmice.h"
#include "frmio.h"
#include "frmmath.h"
#include "program.h"
#include "tutorialpane.h"
#include "widgets/ovalbtn.h"
#include "support/tinygif.h"
#include "support/workcopy.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QEventLoop>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <vector>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

unsigned envnumber(const char* name, unsigned fallback)
{
    bool ok = false;
    const unsigned value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

// The last few things the monkey did, for the report when something goes wrong.
class Diary {
public:
    unsigned seed = 0;

    void note(std::string line)
    {
        const std::lock_guard lock(mutex_);
        lines_.push_back(std::move(line));
        if (lines_.size() > 25)
            lines_.pop_front();
    }

    void print(const char* why)
    {
        const std::lock_guard lock(mutex_);
        std::fprintf(stderr, "monkey: %s (seed %u; rerun with MATHTUVO_MONKEY_SEED=%u)\nmonkey: its last steps:\n",
                     why, seed, seed);
        for (const std::string& line : lines_)
            std::fprintf(stderr, "  %s\n", line.c_str());
        std::fflush(stderr);
    }

private:
    std::mutex mutex_;
    std::deque<std::string> lines_;
};

Diary diary;

std::string describe(const QWidget* w)
{
    std::string s = w->metaObject()->className();
    if (!w->objectName().isEmpty())
        s += " " + w->objectName().toStdString();
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        s += " \"" + b->text().toStdString() + "\"";
    return s;
}

// A key pressed and let go, each half only while the window is still there. QTest's own
// keyPress with Alt held presses Alt first and then sends the key to the window even when
// that Alt closed it (a popup menu shuts on Alt and is deleted at once), so Alt goes
// separately here.
void tap(QWindow* handle, Qt::Key key, Qt::KeyboardModifiers mods, const QString& text)
{
    const QPointer<QWindow> alive(handle);
    const bool alt = mods & Qt::AltModifier;
    const auto send = [&](bool press, int code, Qt::KeyboardModifiers held, const QString& t) {
        if (alive)
            QTest::simulateEvent(handle, press, code, held, t, false);
        return bool(alive);
    };
    if (alt && !send(true, Qt::Key_Alt, {}, {}))
        return;
    if (send(true, key, mods, text) && send(false, key, mods, text) && alt)
        send(false, Qt::Key_Alt, {}, {});
}

void tap(QWindow* handle, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    const bool printable = key >= Qt::Key_Space && key <= Qt::Key_AsciiTilde && !(mods & Qt::AltModifier);
    tap(handle, key, mods, printable ? QString(QChar(key)).toLower() : QString());
}

void tap(QWindow* handle, char c)
{
    tap(handle, Qt::Key(QChar::fromLatin1(c).toUpper().unicode()), {}, QString(QChar::fromLatin1(c)));
}

class Monkey : public QObject {
public:
    Monkey(unsigned seed, long events) : random_(seed), seed_(seed), total_(events) {}

    long steps = 0;
    int sessions = 0;
    std::map<std::string, int> places;  // where the events went, by window class

    void run()
    {
        startsession();
        QTimer::singleShot(0, this, [this] { step(); });
        loop_.exec();
        program_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    // Each step books the next one before it acts, so a modal box its event opens gets the
    // following events inside the box's own loop. A step that comes while another one is
    // still sending its event, with no new box up, waits for it: the test functions that
    // send events process the events that follow as well.
    void step()
    {
        QTimer::singleShot(0, this, [this] { step(); });
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (!within_.empty() && within_.back() == modal)
            return;
        within_.push_back(modal);
        depth_ = static_cast<int>(within_.size());
        act();
        within_.pop_back();
        depth_ = static_cast<int>(within_.size());
    }

    void act()
    {
        QWidget* modal = QApplication::activePopupWidget();
        if (!modal)
            modal = QApplication::activeModalWidget();
        if (steps >= total_) {
            winddown(modal);
            return;
        }
        ++steps;
        if (program_->frmice)  // the reward's tune is not waited for
            program_->frmice->closeafterms = chance(300);
        if (modal) {
            ++places[modal->metaObject()->className()];
            answer(modal);
            return;
        }
        if (!program_->frmmath->isVisible()) {  // EXIT was pressed: start the program again
            if (depth_ == 1) {
                diary.note("the program ended; starting it again");
                program_.reset();
                startsession();
            }
            return;
        }
        QWidget* window = pickwindow();
        const QWidget* page = nullptr;
        if (const QMdiSubWindow* sub = program_->frmmath->mdiarea()->activeSubWindow())
            page = sub->widget();
        if (window != program_->frmmath)
            ++places[window->metaObject()->className()];
        else if (page)
            ++places[page->metaObject()->className()];
        // More right answers in the exercise window, so lessons get as far as the reward.
        if (window == program_->frmmath && page && page == program_->frmio && chance(100) < 25) {
            rightanswer();
            return;
        }
        if (window == program_->frmmath && page && page == program_->frmio && chance(100) < 8) {
            tutorials();
            return;
        }
        const int roll = chance(100);
        if (roll < 50)
            click(window);
        else if (roll < 72)
            key(window);
        else if (roll < 88)
            typeinto(window);
        else if (roll < 95)
            rightanswer();
        else if (roll < 98)
            doubleclick(window);
        else
            resizeframe();
    }

    void startsession()
    {
        ++sessions;
        program_ = std::make_unique<Program>(work_.path());
        program_->random.seed(static_cast<uint32_t>(random_()));
        program_->show();
    }

    int chance(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    template <class T>
    T pick(const QList<T>& list)
    {
        return list.at(chance(static_cast<int>(list.size())));
    }

    // The program's main frame most of the time, else another window that is showing (the
    // progress report, the help).
    QWidget* pickwindow()
    {
        QList<QWidget*> others;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != program_->frmmath && w->windowType() != Qt::ToolTip && w->windowHandle())
                others << w;
        if (others.isEmpty() || chance(100) < 70)
            return program_->frmmath;
        return pick(others);
    }

    static bool showing(const QWidget* w) { return w->isVisible() && w->isEnabled() && !w->rect().isEmpty(); }

    // Buttons and boxes more often than labels and frames.
    QWidget* pickwidget(QWidget* window)
    {
        QList<QWidget*> all;
        QList<QWidget*> controls;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!showing(w) || w->window() != window)
                continue;
            all << w;
            if (w->focusPolicy() != Qt::NoFocus || qobject_cast<QAbstractButton*>(w))
                controls << w;
        }
        if (!controls.isEmpty() && chance(100) < 70)
            return pick(controls);
        return all.isEmpty() ? window : pick(all);
    }

    QPoint somewherein(const QWidget* w)
    {
        const QRect r = w->rect();
        if (chance(2) == 0)
            return r.center();
        return {r.left() + chance(r.width()), r.top() + chance(r.height())};
    }

    // Through the window, as the platform would deliver it: modality and focus apply.
    void clickat(QWidget* w, QPoint at, bool twice = false)
    {
        QWindow* handle = w->window()->windowHandle();
        if (!handle)
            return;
        diary.note(std::to_string(steps) + (twice ? ": double-click " : ": click ") + describe(w));
        const QPoint p = w->mapTo(w->window(), at);
        if (!w->window()->rect().contains(p))
            return;  // cut off by a window made small
        if (twice)
            QTest::mouseDClick(handle, Qt::LeftButton, {}, p);
        else
            QTest::mouseClick(handle, chance(10) == 0 ? Qt::RightButton : Qt::LeftButton, {}, p);
    }

    // EXIT only now and then, or the lessons would seldom get far.
    bool leaveforlater(const QWidget* w) { return w->objectName() == QLatin1String("bbnexit") && chance(5) != 0; }

    void click(QWidget* window)
    {
        QWidget* w = pickwidget(window);
        if (leaveforlater(w))
            return;
        clickat(w, somewherein(w));
    }

    void doubleclick(QWidget* window)
    {
        QWidget* w = pickwidget(window);
        if (!leaveforlater(w))
            clickat(w, somewherein(w), true);
    }

    void key(QWidget* window)
    {
        QWindow* handle = window->windowHandle();
        if (!handle)
            return;
        static const Qt::Key named[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                                        Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Backspace, Qt::Key_Up,
                                        Qt::Key_Down, Qt::Key_Left, Qt::Key_Right, Qt::Key_F1};
        Qt::Key k;
        Qt::KeyboardModifiers mods;
        const int roll = chance(100);
        if (roll < 40) {
            k = named[chance(std::size(named))];
        } else if (roll < 70) {  // an accelerator: Alt+1..6 for a grade, Alt+X, ...
            k = chance(2) ? Qt::Key(Qt::Key_1 + chance(6)) : Qt::Key(Qt::Key_A + chance(26));
            if (k == Qt::Key_X && chance(5) != 0)
                k = Qt::Key_Y;  // E&XIT
            mods = Qt::AltModifier;
        } else if (roll < 85) {
            k = Qt::Key(Qt::Key_0 + chance(10));
        } else {
            k = Qt::Key(Qt::Key_A + chance(26));
        }
        diary.note(std::to_string(steps) + ": key " + QKeySequence(k | mods).toString().toStdString() + " to " +
                   describe(window));
        tap(handle, k, mods);
    }

    QString sometext()
    {
        static const char* const odd[] = {"", " ", "0", "-1", "007", "3/4", "1 2/3", "2.5", "0,5", "1e9",
                                          "99999999999999999999", "12:30", "RM 5", "x", "abc", "Siti binti Ali",
                                          "Ahmad", "1/0", "--", "  42  "};
        if (chance(3) == 0)
            return QString::fromLatin1(odd[chance(std::size(odd))]);
        static const char letters[] = "0123456789 ./-:abcdefghijklmnopqrstuvwxyzABCXYZ";
        QString text;
        const int length = chance(10) == 0 ? 60 + chance(200) : 1 + chance(8);
        for (int i = 0; i < length; ++i)
            text += QLatin1Char(letters[chance(sizeof letters - 1)]);
        return text;
    }

    // Clicks a line edit of the window (the answer box, the name box, the help's search)
    // and types into it, through the window.
    void typeinto(QWidget* window)
    {
        QList<QWidget*> edits;
        for (QLineEdit* e : window->findChildren<QLineEdit*>())
            if (showing(e) && e->window() == window && !e->isReadOnly())
                edits << e;
        if (edits.isEmpty()) {
            key(window);
            return;
        }
        QWidget* edit = pick(edits);
        const QPointer<QWidget> alive(window);
        clickat(edit, edit->rect().center());
        QWidget* modal = QApplication::activeModalWidget();
        if (!alive || !alive->windowHandle() || QApplication::activePopupWidget() || (modal && modal != alive))
            return;  // the click took the window away or opened something over it
        const QString text = sometext();
        diary.note(std::to_string(steps) + ": type \"" + text.toStdString() + "\"");
        typetext(alive->windowHandle(), text);
        if (alive && alive->windowHandle() && chance(100) < 60) {
            diary.note(std::to_string(steps) + ": Enter");
            tap(alive->windowHandle(), Qt::Key_Return);
        }
    }

    static void typetext(QWindow* handle, const QString& text)
    {
        const QPointer<QWindow> alive(handle);
        for (const QChar c : text) {
            if (!alive)
                return;
            tap(handle, c.toLatin1());
        }
    }

    // Now and then the answer the lesson expects, so the monkey gets as far as the cheer,
    // the reward and the progress record.
    void rightanswer()
    {
        const QPointer<Tfrmio> io = program_->frmio.data();
        if (!io || !showing(io->edtjawap) || !io->window()->windowHandle())
            return;
        const QString answer = QString::fromStdString(expectedanswer(program_->lesson.state));
        diary.note(std::to_string(steps) + ": the right answer \"" + answer.toStdString() + "\"");
        clickat(io->edtjawap, io->edtjawap->rect().center());
        if (QApplication::activeModalWidget() || !io)
            return;
        io->edtjawap->clear();
        typetext(io->window()->windowHandle(), answer);
        if (!io || !io->window()->windowHandle())
            return;
        tap(io->window()->windowHandle(), Qt::Key_Return);
        if (io && !QApplication::activeModalWidget() && chance(100) < 70)
            clickat(io->btnnewq, io->btnnewq->rect().center());  // and on to the next question
    }

    // Into the tutorial layout, then a node of the tree or a player button, and now and
    // then back to the exercise.
    void tutorials()
    {
        const QPointer<Tfrmio> io = program_->frmio.data();
        if (!io || !showing(io->Spbexample) || !io->window()->windowHandle())
            return;
        if (!io->tutorialshown()) {
            clickat(io->Spbexample, io->Spbexample->rect().center());
            return;
        }
        ++places["tutorial layout"];
        // Every example gets a short animation, so the player has something to step through.
        io->tutorial->gifsource = [](const QString&) { return Gifmovie::fromData(tinygif(12, 5)); };
        QTreeWidget* tree = io->tutorial->Lbxexample;
        const int roll = chance(100);
        if (roll < 45) {
            QList<QTreeWidgetItem*> nodes;
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                if (!tree->visualItemRect(*it).isEmpty())
                    nodes << *it;
            if (!nodes.isEmpty())
                clickat(tree->viewport(), tree->visualItemRect(pick(nodes)).center());
        } else if (roll < 90) {
            QWidget* control = pick(io->tutorial->playercontrols());
            if (control->isVisible())
                clickat(control, control->rect().center());
        } else {
            clickat(io->Spbexample, io->Spbexample->rect().center());
        }
    }

    void resizeframe()
    {
        const QSize size(400 + chance(900), 300 + chance(700));
        diary.note(std::to_string(steps) + ": resize the frame to " + std::to_string(size.width()) + "x" +
                   std::to_string(size.height()));
        program_->frmmath->showNormal();
        program_->frmmath->resize(size);
    }

    // A box that wants an answer: a button of it, Enter, Escape, or some typing.
    void answer(QWidget* modal)
    {
        const int roll = chance(100);
        QList<QWidget*> buttons;
        for (QAbstractButton* b : modal->findChildren<QAbstractButton*>())
            if (showing(b))
                buttons << b;
        if (roll < 40 && !buttons.isEmpty()) {
            QWidget* b = pick(buttons);
            clickat(b, b->rect().center());
        } else if (roll < 55) {
            typeinto(modal);
        } else if (roll < 85) {
            click(modal);
        } else {
            key(modal);
        }
    }

    // The events are spent: close what is open, saying yes to questions, so every loop
    // unwinds and the run ends in the outermost one.
    void winddown(QWidget* modal)
    {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            QAbstractButton* yes = box->button(QMessageBox::Yes);
            if (!yes)
                yes = box->escapeButton() ? box->escapeButton() : box->buttons().value(0);
            if (yes)
                yes->click();
            else
                box->done(0);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else if (modal) {
            modal->close();
        } else if (depth_ == 1) {
            loop_.quit();
        }
    }

    std::mt19937 random_;
    const unsigned seed_;
    const long total_;
    int depth_ = 0;
    std::vector<QPointer<QWidget>> within_;  // the box each step on the stack began in
    QEventLoop loop_;
    Workcopy work_;
    std::unique_ptr<Program> program_;
};

}  // namespace

class Monkeytest : public QObject {
    Q_OBJECT
    static inline QtMessageHandler previous = nullptr;

private slots:
    void initTestCase()
    {
        qputenv("MATHTUVO_MUTE", "1");
        // The offscreen platform says so for each raise, keyboard grab and size limit.
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& where, const QString& text) {
            if (type == QtFatalMsg)  // QtTest's watchdog: the program stopped answering
                diary.print(qPrintable(text));
            if (!text.startsWith(QLatin1String("This plugin does not support")))
                previous(type, where, text);
        });
    }

    void randomeventsneitherhangnorcrash()
    {
        const unsigned seed = envnumber("MATHTUVO_MONKEY_SEED", 20240611);
        const long events = envnumber("MATHTUVO_MONKEY_EVENTS", 3000);
        diary.seed = seed;
        std::printf("monkey: seed %u, %ld events\n", seed, events);
        std::fflush(stdout);
#if defined(__SANITIZE_ADDRESS__)
        __sanitizer_set_death_callback([] { diary.print("the sanitizer stopped the program"); });
#else
        std::signal(SIGSEGV, [](int) {
            diary.print("the program crashed");
            std::_Exit(EXIT_FAILURE);
        });
#endif
        Monkey monkey(seed, events);
        monkey.run();
        std::printf("monkey: %ld events in %d sessions:", monkey.steps, monkey.sessions);
        for (const auto& [place, count] : monkey.places)
            std::printf(" %s %d", place.c_str(), count);
        std::printf("\n");
        QCOMPARE(monkey.steps, events);
    }
};

// The program's own application class, so a handler that throws is treated as in the program.
int main(int argc, char** argv)
{
    TGlobalExHandler handler;
    Mathapplication app(argc, argv, handler);
    Monkeytest test;
    // A run that does not end is a hang: QtTest's watchdog stops it.
    if (qEnvironmentVariableIsEmpty("QTEST_FUNCTION_TIMEOUT"))
        qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(envnumber("MATHTUVO_MONKEY_TIMEOUT", 900) * 1000));
    QStringList arguments = app.arguments();
#if defined(__SANITIZE_ADDRESS__)
    arguments << QStringLiteral("-nocrashhandler");  // the sanitizer's report, not the test's
#endif
    return QTest::qExec(&test, arguments);
}
#include "monkey_qtest.moc"
