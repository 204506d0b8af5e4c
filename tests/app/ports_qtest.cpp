// The question box contract, run against every box the lesson core writes to: the
// exercise window's, the console's and the tests' recording one must keep the same lines,
// and the window must show each line in the colour and font it was added with.
#include "frmio.h"

#include "cli/consoleports.h"
#include "lesson/lesson.h"
#include "support/fakes.h"
#include "widgets/qtcanvas.h"

#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include <vector>

namespace {

// One call on the box: a clear, or a line added in a colour and font.
struct Step {
    bool clear = false;
    std::string text;
    uint32_t colour = colours::black;
    std::string font = "Courier New";
    bool bold = false;
};

Step add(std::string text, uint32_t colour = colours::black, std::string font = "Courier New", bool bold = false)
{
    return {false, std::move(text), colour, std::move(font), bold};
}
const Step clearbox{true, "", colours::black, "", false};

struct Sequence {
    const char* name;
    std::vector<Step> steps;
    std::string text;  // what text() gives afterwards
};

const std::vector<Sequence> sequences = {
    {"empty line before the sentence", {add("\r\n"), add("  12 + 5 = ___")}, "\r\n\r\n  12 + 5 = ___"},
    {"empty text first", {add(""), add("A")}, "\r\nA"},
    {"leading break in a text", {add("\r\nfoo")}, "\r\nfoo"},
    {"break inside a text", {add("one\r\ntwo\r\n"), add("three")}, "one\r\ntwo\r\n\r\nthree"},
    {"empty texts only", {add(""), add(""), add("")}, "\r\n\r\n"},
    {"one empty text", {add("")}, ""},
    {"nothing left after clear", {add("old"), clearbox}, ""},
    {"clear in the middle", {add("old\r\nlines"), add("\r\n"), clearbox, add(""), add("new")}, "\r\nnew"},
    {"Malay lines in blue",
     {add("\r\n"), add("Ali has 3 apples.", colours::black, "Arial", true),
      add("\r\nAli ada 3 biji epal.", colours::blue, "Arial"), add("", colours::red), add("24 \xC3\xB7 6 = ?", colours::red)},
     "\r\n\r\nAli has 3 apples.\r\n\r\nAli ada 3 biji epal.\r\n\r\n24 \xC3\xB7 6 = ?"},
};

QString q(const std::string& s) { return QString::fromStdString(s); }

QString look(const QColor& colour, const QString& family, bool bold)
{
    return colour.name() + " " + family + (bold ? " bold" : "");
}
QString look(const QTextCharFormat& format)
{
    return look(format.foreground().color(), format.font().family(), format.font().bold());
}

void run(Questionbox& box, const Sequence& sequence)
{
    box.clear();
    for (const Step& step : sequence.steps) {
        if (step.clear) {
            box.clear();
            continue;
        }
        box.setcolour(step.colour);
        box.setfont(step.font, 10, step.bold, false);
        box.addline(step.text);
    }
}

}  // namespace

class Portstest : public QObject {
    Q_OBJECT

private slots:
    void questionboxesagree_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < sequences.size(); ++i)
            QTest::newRow(sequences[i].name) << int(i);
    }

    void questionboxesagree()
    {
        QFETCH(int, row);
        const Sequence& sequence = sequences[size_t(row)];

        Recordingbox recording;
        Recordingview view;
        Consolebox console;
        QTemporaryDir dir;
        Workfolder folder(dir.path().toStdString());
        Randomsource random;
        Lesson lesson(recording, view, folder, random);
        Tfrmio window(lesson);

        run(recording, sequence);
        run(console, sequence);
        run(window, sequence);
        QCOMPARE(q(recording.text()), q(sequence.text));
        QCOMPARE(q(console.text()), q(sequence.text));
        QCOMPARE(q(window.text()), q(sequence.text));

        // Line by line as the recording box has them, each in the colour and font it was
        // added with (the block's own format, which an empty line shows, and its text's).
        QStringList shown, added;
        for (const Recordedline& line : recording.lines)
            added << q(line.text) + " | " + look(Qtcanvas::colour(line.colour), q(line.font), line.bold);
        const QTextDocument* document = window.redposeq->document();
        for (QTextBlock block = document->firstBlock(); block.isValid() && !added.isEmpty(); block = block.next()) {
            QStringList looks = {look(block.charFormat())};
            for (auto it = block.begin(); !it.atEnd(); ++it)
                looks << look(it.fragment().charFormat());
            looks.removeDuplicates();
            shown << block.text() + " | " + looks.join(" + ");
        }
        QCOMPARE(shown, added);
    }
};

QTEST_MAIN(Portstest)
#include "ports_qtest.moc"
