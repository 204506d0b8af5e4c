// The exercise window's picture pane paints the stored picture from the lesson's data,
// the error handler keeps the program running, and the reward window closes itself.
#include "exhandler.h"
#include "frmice.h"
#include "frmio.h"
#include "picturepane.h"
#include "program.h"
#include "measure/measurefamily.h"
#include "numbers/numberfamily.h"
#include "time/timetuvo.h"
#include "wordq/picturetext.h"
#include "wordq/poselitq.h"

#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <set>
#include <stdexcept>

namespace {

int countpixels(const QImage& image, QColor colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == colour;
    return n;
}

// Saves what a test drew when MATHTUVO_SHOTS names a folder, for a person to look at.
void keep(QWidget* widget, const char* name)
{
    const QByteArray folder = qgetenv("MATHTUVO_SHOTS");
    QCoreApplication::processEvents();  // let the layout follow a picture shown or hidden
    if (!folder.isEmpty())
        widget->grab().save(QString::fromUtf8(folder) + QLatin1Char('/') + QLatin1String(name) + ".png");
}

// The shipped word problems in a folder of their own.
std::string withstories(const QTemporaryDir& dir)
{
    std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt",
                               std::filesystem::path(dir.path().toStdString()) / "litq.txt");
    return dir.path().toStdString();
}

// A measurement lesson of the grade with the ticks given, started in an exercise window
// of 1000 x 640, the program's generator seeded.
struct Measurelesson {
    Measurelesson(int grade, const Ticks& ticks, uint32_t seed)
        : program(withstories(dir)), lesson(program.lesson), measures(lesson), io(lesson)
    {
        lesson.measures = &measures;
        lesson.state.gradebutton = "darjah" + std::to_string(grade);
        lesson.props.studentname = "Aina";
        lesson.ticks = ticks;
        program.io.window = &io;
        io.resize(1000, 640);
        io.show();
        lesson.btnok2Click();
        program.random.seed(seed);
    }
    ~Measurelesson() { program.io.window = nullptr; }

    QTemporaryDir dir;
    Program program;
    Lesson& lesson;
    Measurefamily measures;
    Tfrmio io;
};

}  // namespace

// An object whose event handler fails.
class Thrower : public QObject {
public:
    std::string what;
    int calls = 0;
    bool event(QEvent*) override
    {
        ++calls;
        throw std::runtime_error(what);
    }
};

class Windowtest : public QObject {
    Q_OBJECT
public:
    TGlobalExHandler* handler = nullptr;

private slots:
    void initTestCase() { qputenv("MATHTUVO_MUTE", "1"); }

    void picturepanepaintsthestoredkind()
    {
        QTemporaryDir dir;
        Program program(dir.path().toStdString());
        program.lesson.state.gradebutton = "darjah6";
        program.lesson.ticks.plusminus = true;
        // A lesson without the name dialog: the exercise window on its own.
        program.lesson.litq = std::make_unique<Tposelitq>(program.lesson);
        Tfrmio io(program.lesson);
        program.io.window = &io;
        io.resize(1000, 640);
        io.show();

        Picturepane* pane = io.picture;
        QImage blank = pane->grab().toImage();
        QCOMPARE(countpixels(blank, Qt::yellow), 0);  // kind 0: nothing

        // The bar chart: five yellow bars, taller bars more yellow.
        program.lesson.picture.sales = {100, 10, 50, 70, 30};
        program.lesson.litq->picturekind = 9;
        io.setpicture(9);
        const int bars = countpixels(pane->grab().toImage(), Qt::yellow);
        QVERIFY(bars > 1000);
        program.lesson.picture.sales = {10, 10, 10, 10, 10};
        QVERIFY(countpixels(pane->grab().toImage(), Qt::yellow) < bars / 3);
        program.lesson.picture.sales = {100, 10, 50, 70, 30};
        io.clear();
        io.setcolour(colours::black);
        io.addline("The graph shows the apples sold in a week.");
        io.addline("How many apples were sold on Thursday?");
        io.setcolour(colours::blue);
        io.addline("Graf menunjukkan epal yang dijual dalam seminggu.");
        io.addline("Berapakah epal yang dijual pada hari Khamis?");
        keep(&io, "picture-bars");

        // Repainting the same kind draws the same picture.
        QCOMPARE(pane->grab().toImage(), pane->grab().toImage());

        // A clock face: yellow numerals, blue and red hands.
        program.lesson.picture.hour = 3;
        program.lesson.picture.minute = 30;
        program.lesson.litq->picturekind = 4;
        const QImage clock = pane->grab().toImage();
        QVERIFY(countpixels(clock, QColor(0, 0, 255)) > 10);
        QVERIFY(countpixels(clock, QColor(255, 0, 0)) > 10);
        // A number question that brings its own picture: the series grid.
        Numberfamily numbers(program.lesson);
        io.clear();
        numbers.plug.composenumber(4, 6, program.lesson.state.composerout1, program.lesson.state.composerout2);
        QCOMPARE(pane->kind(), 6);
        QVERIFY(pane->isVisible());
        QVERIFY(io.redposeq->toPlainText().contains(QStringLiteral("\"X\"")));
        const QImage grid = pane->grab().toImage();
        QVERIFY(countpixels(grid, Qt::blue) + countpixels(grid, QColor(0, 0, 255)) > 0);
        keep(&io, "series");
        program.io.window = nullptr;
    }

    void timequestionsshowtheirclocksandsaythem()
    {
        Ticks ticks;
        ticks.time = true;
        Measurelesson m(1, ticks, 7);
        Lesson& lesson = m.lesson;
        Tfrmio& io = m.io;
        Measurefamily& measures = m.measures;

        // Grade 1 reads a clock: the pane shows it, and says it to a screen reader.
        lesson.btnnewqClick();
        Picturepane* pane = io.picture;
        QCOMPARE(pane->kind(), 4);
        QVERIFY(pane->isVisible());
        const auto said = [&] {
            const Picturetext words = describepicture(pane->kind(), lesson.picture);
            return QString::fromStdString(words.english + " / " + words.malay);
        };
        QCOMPARE(pane->accessibleDescription(), said());
        QVERIFY(pane->accessibleDescription().startsWith(QStringLiteral("The clock shows the short hand at ")));
        const QImage clock = pane->grab().toImage();
        QCOMPARE(pane->grab().toImage(), clock);  // a repaint draws it again
        QVERIFY(countpixels(clock, QColor(255, 0, 0)) > 10);  // the hour hand
        keep(&io, "clock");

        // Grade 3: the minutes between the upper and the lower clock, told as a story.
        lesson.state.gradebutton = "darjah3";
        io.clear();
        lesson.showpicture(0);
        measures.timetuvo->poseclock(3, 16);
        QCOMPARE(pane->kind(), 5);
        QVERIFY(pane->accessibleDescription().contains(QStringLiteral("the lower clock shows")));
        QCOMPARE(pane->accessibleDescription(), said());
        QVERIFY(io.redposeq->toPlainText().contains(QStringLiteral("clock")));
        keep(&io, "twoclocks");

        // Grade 4: the bus timetable has no picture, and the question box has it all.
        lesson.state.gradebutton = "darjah4";
        io.clear();
        lesson.showpicture(0);
        measures.timetuvo->posebus(4);
        QVERIFY(!pane->isVisible());
        QVERIFY(pane->accessibleDescription().isEmpty());
        QVERIFY(io.redposeq->toPlainText().contains(QStringLiteral("c.Miri      Marudi   ")));
        keep(&io, "bus");
    }

    void unitquestionsshowtheirtablesnotesandshapes()
    {
        Ticks ticks;
        ticks.kg = ticks.cm = ticks.rm = true;
        Measurelesson m(6, ticks, 11);
        Lesson& lesson = m.lesson;
        Tfrmio& io = m.io;
        lesson.props.topic = 2;
        lesson.props.newoper = true;  // a similar question keeps the kind asked for
        const auto ask = [&](int kind) {
            lesson.lengthkind = kind;
            lesson.askq();
            return io.redposeq->toPlainText();
        };

        // The invoice's columns only line up in a font whose letters are all as wide.
        QVERIFY(ask(39).contains(QStringLiteral("| Quantity | Description | Unit Price |  Price      |")));
        QTextCursor table(io.redposeq->document()->findBlockByNumber(4));
        QVERIFY(QFontInfo(table.charFormat().font()).fixedPitch());
        keep(&io, "invoice");

        io.Spbmal->setChecked(true);
        const QString notes = ask(38);
        QVERIFY(notes.contains(QStringLiteral(" keping RM")) && !notes.contains(QLatin1Char('$')));
        QVERIFY(!ask(35).contains(QLatin1Char('$')));
        ask(38);
        keep(&io, "countmoney-malay");
        io.Spbmal->setChecked(false);

        // Every perimeter story brings its shape, and the pane says the sides it labels.
        std::set<int> shapes;
        for (int i = 0; i < 200 && shapes.size() < 4; ++i) {
            ask(10);
            const int kind = io.picture->kind();
            QVERIFY2(kind == 1 || kind == 2 || kind == 3 || kind == 7, qPrintable(QString::number(kind)));
            if (shapes.insert(kind).second)
                keep(&io, ("perimeter" + std::to_string(kind)).c_str());
            const std::string& label = lesson.picture.sidelabels[kind == 3 ? 1 : 0];
            QVERIFY(io.picture->accessibleDescription().contains(QString::fromStdString(label)));
        }
        QCOMPARE(shapes.size(), size_t{4});
        ask(11);
        QCOMPARE(io.picture->kind(), 8);
        QVERIFY(io.picture->accessibleDescription().contains(QString::fromStdString(lesson.picture.arealabel1)));
        keep(&io, "triangle");
    }

    void errorsinhandlersarecaughtandonlythemediaerrorisshown()
    {
        QStringList shown;
        handler->show = [&shown](const QString& text) { shown << text; };
        Thrower thrower;
        // Delivered through the application, a throwing handler does not end the program.
        thrower.what = "something broke";
        QEvent event(QEvent::User);
        QCoreApplication::sendEvent(&thrower, &event);
        QVERIFY(shown.isEmpty());
        thrower.what = "Emcideviceerror: no device";
        QCoreApplication::sendEvent(&thrower, &event);
        QCOMPARE(shown, QStringList{QStringLiteral("Either the media player is NOT installed or Busy!")});
        QCOMPARE(thrower.calls, 2);
        handler->show = nullptr;
    }

    void thericewindowclosesafteritstune()
    {
        Tfrmice ice;
        bool closed = false;
        connect(&ice, &Tfrmice::closing, this, [&closed] { closed = true; });
        ice.closeafterms = 0;
        ice.show();
        keep(&ice, "reward");
        QTest::keyClick(&ice, Qt::Key_Return);  // the ice from the keyboard
        QTRY_VERIFY(closed);
    }
};

// The program's own application class, so that its error handling is the one tested.
int main(int argc, char** argv)
{
    TGlobalExHandler handler;
    Mathapplication app(argc, argv, handler);
    Windowtest test;
    test.handler = &handler;
    return QTest::qExec(&test, argc, argv);
}
#include "window_qtest.moc"
