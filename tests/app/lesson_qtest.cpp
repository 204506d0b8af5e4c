// A whole arithmetic lesson through the real windows: grade, name, topics, questions,
// answers right and wrong, a similar question, practice, the timed test with the minute
// tick driven by the test, and the fifth right answer recorded in "progress.txt".
#include "frmice.h"
#include "frmio.h"
#include "frmmath.h"
#include "frmprogress.h"
#include "frmscore.h"
#include "frmstart.h"
#include "frmuserid.h"
#include "program.h"
#include "widgets/ovalbtn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>

namespace {

// Answers every modal box that comes up, the way a pupil would, and notes what it said.
class Pupil : public QObject {
public:
    QStringList names{QStringLiteral("Siti")};  // typed in turn, the last one again and again
    QString reject;                              // the confirmation of this name is answered No
    bool escape = false;                         // the name is typed, then Escape pressed
    QStringList said;
    QTimer timer;

    Pupil()
    {
        connect(&timer, &QTimer::timeout, this, [this] { answer(); });
        timer.start(5);
    }

    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<Tfrmuserid*>(modal)) {
            dialog->Cbxuserid->setEditText(names.size() > 1 ? names.takeFirst() : names.front());
            if (escape)
                QTest::keyClick(dialog->Cbxuserid, Qt::Key_Escape);
            else
                dialog->findChild<QPushButton*>(QStringLiteral("btnok"))->click();
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            said << box->text();
            if (!reject.isEmpty() && box->text().contains(reject) && box->button(QMessageBox::No))
                box->button(QMessageBox::No)->click();
            else if (auto* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->accept();
        }
    }
};

void type(Tfrmio* io, const QString& text)
{
    io->edtjawap->setText(text);
    QTest::keyClick(io->edtjawap, Qt::Key_Return);
}

void press(Trectbutton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

}  // namespace

class Lessontest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("MATHTUVO_MUTE", "1"); }

    void awholelesson()
    {
        QTemporaryDir dir;
        const std::filesystem::path work = dir.path().toStdString();
        std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "litq.txt", work / "litq.txt");
        std::filesystem::copy_file(std::filesystem::path(MATHTUVO_DATA_DIR) / "progress.txt", work / "progress.txt");
        Pupil pupil;
        pupil.names = {QStringLiteral("Sity"), QStringLiteral("Siti")};  // a slip, put right at "Your name is...?"
        pupil.reject = QStringLiteral("Sity");
        Program program(work);
        program.show();
        QVERIFY(program.frmstart);
        QCOMPARE(program.frmstart->darjah[2]->objectName(), QStringLiteral("darjah3"));

        // Grade 3, the name, and the checklist with grade 3's topics.
        program.frmstart->darjah[2]->click();
        QVERIFY(program.frmscore);
        QCOMPARE(QString::fromStdString(program.lesson.props.studentname), QStringLiteral("Siti"));
        QVERIFY(pupil.said.contains(QStringLiteral("Your name is: Siti?\n\nNama kamu: Siti?")));
        std::ifstream names(work / "names.txt");
        std::string all((std::istreambuf_iterator<char>(names)), std::istreambuf_iterator<char>());
        QVERIFY(all.find("Siti\r\n") != std::string::npos);
        QVERIFY(all.find("Sity") == std::string::npos);  // only a confirmed name is kept
        Tfrmscore* score = program.frmscore;
        QVERIFY(score->check(Topicbox::multi)->isEnabled());
        QVERIFY(!score->check(Topicbox::kg)->isEnabled());
        QVERIFY(score->check(Topicbox::kg)->isVisibleTo(score));
        score->check(Topicbox::plusminus)->setChecked(true);
        score->check(Topicbox::divide)->setChecked(true);
        score->btnok2->click();

        // The greeting, then a question.
        Tfrmio* io = program.frmio;
        QVERIFY(io);
        QVERIFY(io->redposeq->toPlainText().contains(QStringLiteral("Hi!  Siti")));
        press(io->btnnewq);
        const auto& state = program.lesson.state;
        QVERIFY(!io->redposeq->toPlainText().contains(QStringLiteral("Hi!")));
        QVERIFY(state.opkind == 0 || state.opkind == 2);

        // A wrong answer, then the right one.
        pupil.said.clear();
        type(io, QStringLiteral("not a number"));
        QCOMPARE(pupil.said, QStringList{QStringLiteral("Cuba Lagi!")});
        QVERIFY(!io->cbmarking->isChecked());
        type(io, QString::fromStdString(expectedanswer(state)));
        QVERIFY(io->cbmarking->isChecked());
        QCOMPARE(io->lblbonus->text(), QStringLiteral("1"));

        // A similar question keeps the operation.
        const uint8_t op = state.opkind;
        press(io->btnnewvar);
        QVERIFY(!io->cbmarking->isChecked());
        QCOMPARE(state.opkind, op);

        // Practice lifts the try rules: a new question without answering this one.
        press(io->spbpractice);
        QVERIFY(io->spbpractice->Down());
        pupil.said.clear();
        press(io->btnnewq);
        QVERIFY(pupil.said.isEmpty());

        // The timed test: it releases practice, asks at once and counts down by the minute.
        press(io->Spbtimer);
        QVERIFY(io->Spbtimer->Down());
        QVERIFY(!io->spbpractice->Down());
        QCOMPARE(io->Spbtimer->Caption(), QStringLiteral("15 min remaining.."));
        QVERIFY(io->Tmr15min->isActive());
        program.lesson.Tmr15minTimer();
        QCOMPARE(io->Spbtimer->Caption(), QStringLiteral("14 min remaining.."));

        // Right answers in a row: a cheer at four, the reward and the record at five.
        bool sawfour = false;
        for (int guard = 0; !program.frmice && guard < 12; ++guard) {
            type(io, QString::fromStdString(expectedanswer(state)));
            QVERIFY2(io->cbmarking->isChecked(), qPrintable(io->redposeq->toPlainText()));
            if (io->lblbonus->text() == QStringLiteral("4")) {
                sawfour = true;
                QVERIFY(io->Imbonus4->isVisibleTo(io));
            }
            if (!program.frmice)
                press(io->btnnewq);
        }
        QVERIFY(sawfour);
        QVERIFY(program.frmice);
        QCOMPARE(io->lblbonus->text(), QStringLiteral("0"));
        QVERIFY(!io->Spbtimer->Down());
        QVERIFY(!io->Tmr15min->isActive());
        QCOMPARE(io->Spbtimer->Caption(), QStringLiteral("Do test with timer"));
        Progressgrid recorded;
        QCOMPARE(recorded.load(program.folder), Workfolder::Status::ok);
        QCOMPARE(QString::fromStdString(recorded.cell(0, 1)), QStringLiteral("Siti"));
        QCOMPARE(QString::fromStdString(recorded.cell(1, 1)), QStringLiteral("3"));
        QCOMPARE(QString::fromStdString(recorded.cell(2, 1)), QStringLiteral("1"));  // +/- ticked
        QCOMPARE(QString::fromStdString(recorded.cell(4, 1)), QStringLiteral("1"));  // ÷ ticked

        // The ice closes itself after the tune, and the lesson goes on.
        program.frmice->closeafterms = 0;
        program.frmice->ImiceClick();
        QTRY_VERIFY(!program.frmice);

        // The progress report shows the record.
        press(io->btnchkprogress);
        QVERIFY(program.frmprogress->isVisible());
        QCOMPARE(program.frmprogress->sgrprogress->item(1, 0)->text(), QStringLiteral("Siti"));
    }

    void anumberlessonwithfractions()
    {
        QTemporaryDir dir;
        const std::filesystem::path work = dir.path().toStdString();
        std::filesystem::create_directory(work / "numdll");  // the number topics are installed
        Pupil pupil;
        Program program(work);
        program.show();
        program.frmstart->darjah[3]->click();
        Tfrmscore* score = program.frmscore;
        QVERIFY(score && score->gbnumb->isEnabled());
        score->check(Topicbox::fract)->setChecked(true);
        score->btnok2->click();
        Tfrmio* io = program.frmio;
        for (int question = 0; question < 6; ++question) {
            press(io->btnnewq);
            const uint8_t kind = program.numbers->plug.kind;
            QVERIFY2(kind >= 10 && kind <= 14, qPrintable(QString::number(kind)));  // grade 4 fractions
            QVERIFY(io->redposeq->toPlainText().contains(QStringLiteral("---")));
            type(io, QString::fromStdString(expectedanswer(program.lesson.state)));
            QVERIFY(io->cbmarking->isChecked());
        }
    }

    void withoutnumdllthenumbertopicsstayoff()
    {
        QTemporaryDir dir;
        Pupil pupil;
        Program program(dir.path().toStdString());
        program.show();
        program.frmstart->darjah[3]->click();
        QVERIFY(!program.frmscore->gbnumb->isEnabled());
        program.frmscore->bbtselectallClick();
        QVERIFY(!program.frmscore->ticks().num);
    }

    // EXIT during a timed test asks first; No keeps the test going.
    void exitduringatestasksfirst()
    {
        QTemporaryDir dir;
        Pupil pupil;
        pupil.reject = QStringLiteral("A timed test is running");
        Program program(dir.path().toStdString());
        program.show();
        program.frmstart->darjah[1]->click();
        program.frmscore->check(Topicbox::plusminus)->setChecked(true);
        program.frmscore->btnok2->click();
        press(program.frmio->Spbtimer);
        QVERIFY(program.frmio->Spbtimer->Down());
        program.frmmath->bbnexit->click();
        QVERIFY(pupil.said.last().contains(QStringLiteral("Ujian bermeter sedang berjalan")));
        QVERIFY(program.frmmath->isVisible());
        QVERIFY(!program.frmmath->close());  // the window's own close button asks too
        QVERIFY(program.frmmath->isVisible());
        QVERIFY(program.frmio->Spbtimer->Down());
        pupil.reject.clear();  // now Yes
        program.frmmath->bbnexit->click();
        QVERIFY(!program.frmmath->isVisible());
    }

    // An empty name, or a name cancelled with Escape, goes back to the start page and
    // saves nobody.
    void anemptyorcancellednamegoesbacktothestartpage()
    {
        for (const bool escape : {false, true}) {
            QTemporaryDir dir;
            Pupil pupil;
            pupil.names = {escape ? QStringLiteral("Aina") : QString()};
            pupil.escape = escape;
            Program program(dir.path().toStdString());
            program.show();
            program.frmstart->darjah[0]->click();
            QVERIFY(!program.frmscore);
            for (QPushButton* b : program.frmstart->darjah)
                QVERIFY(!b->isChecked());
            QVERIFY(pupil.said.isEmpty());  // no "Your name is...?"
            QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("names.txt"))));
        }
    }

    void eachgradeshowsitsboxes()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("numdll")));
        Pupil pupil;
        Program program(dir.path().toStdString());
        program.show();
        for (int grade = 1; grade <= 6; ++grade) {
            program.frmstart->darjah[grade - 1]->click();
            Tfrmscore* score = program.frmscore;
            QVERIFY(score);
            // Every measurement box the grade allows is there to tick: weights from grade
            // 4, lengths and money from grade 3.
            const auto layout = withoutunbuilt(availability(grade), *program.measures);
            QCOMPARE(layout[Topicbox::kg].enabled, grade >= 4);
            QCOMPARE(layout[Topicbox::cm].enabled && layout[Topicbox::rm].enabled, grade >= 3);
            for (int i = 0; i < topicboxcount; ++i) {
                QCOMPARE(score->box[i]->isVisibleTo(score), layout.boxes[i].visible);
                QCOMPARE(score->box[i]->isEnabled(), layout.boxes[i].enabled);
            }
            QCOMPARE(score->lblmuplmi->isVisibleTo(score), grade == 6);
            score->bbtselectallClick();
            const Ticks t = score->ticks();
            QCOMPARE(t.multi, grade >= 2);
            QVERIFY(t.plusminus && t.num && t.time);
            QCOMPARE(t.kg, grade >= 4);
            QCOMPARE(t.cm && t.rm, grade >= 3);
        }
    }
};

QTEST_MAIN(Lessontest)
#include "lesson_qtest.moc"
