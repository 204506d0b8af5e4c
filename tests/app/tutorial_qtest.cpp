// The exercise window's tutorial layout: the tree holds the catalogue, choosing a leaf
// loads its animation, the layouts flip and come back clean, the pupil steps through
// the frames, and "Example" opens the linked tutorial where the question's part begins.
// The animation is a 40-frame GIF made here, with a script of one step per frame.
#include "frmio.h"
#include "tutorialpane.h"

#include "support/tinygif.h"
#include "support/windowrig.h"
#include "tutorial/catalogue.h"
#include "tutorial/script.h"
#include "widgets/ovalbtn.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int frames = 40;

QByteArray testscript()
{
    QByteArray s("tutorial percent\n");
    for (int i = 0; i < frames; ++i)
        s += "step" + QByteArray(i == 7 ? " mark=part" : "") + "\nsay \"Step " + QByteArray::number(i)
             + "\" | \"Langkah " + QByteArray::number(i) + "\"\n";
    return s;
}

QString fromutf8(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// An exercise window whose only animation is "percent", stepped by the test's clock.
struct Rig : Windowrig {
    Tutorialpane& t = *window.tutorial;
    int loads = 0;
    int armed = -1;

    Rig()
    {
        t.gifsource = [this](const QString& name) {
            ++loads;
            return name == QLatin1String("percent") ? Gifmovie::fromData(tinygif(frames, 25)) : Gifmovie();
        };
        t.scriptsource = [](const QString&) { return testscript(); };
        t.armtimer = [this](int ms) { armed = ms; };
        t.disarmtimer = [this] { armed = -1; };
        window.resize(1000, 700);
        window.show();
    }
    QTreeWidgetItem* node(std::string_view caption) { return t.findnode(fromutf8(caption)); }
    QTreeWidgetItem* leaf(tutorial::Example e) { return node(tutorial::caption(e)); }
    bool enabled() const
    {
        const QList<QWidget*> controls = t.playercontrols();
        return std::all_of(controls.begin(), controls.end(), [](QWidget* w) { return w->isEnabled(); });
    }
};

}  // namespace

class Tutorialtest : public QObject {
    Q_OBJECT
private slots:
    void everyexamplehasoneleaf()
    {
        Rig rig;
        QTreeWidget* tree = rig.t.Lbxexample;
        int leaves = 0;
        for (QTreeWidgetItemIterator it(tree); *it; ++it)
            leaves += (*it)->parent() != nullptr;
        QCOMPARE(leaves, tutorial::examplecount);
        for (int i = 0; i < tutorial::examplecount; ++i) {
            const QString caption = fromutf8(tutorial::caption(tutorial::Example(i)));
            int found = 0;
            for (QTreeWidgetItemIterator it(tree); *it; ++it)
                found += (*it)->parent() && (*it)->text(0) == caption;
            QVERIFY2(found == 1, qPrintable(caption));
        }
    }

    // The shipped animations: each decodes, one frame per step of its script, and the real
    // window (no lent pictures) plays it from its leaf.
    void everyexampleships()
    {
        Windowrig rig;
        Tutorialpane& t = *rig.window.tutorial;
        t.armtimer = [](int) {};
        t.disarmtimer = [] {};
        for (int i = 0; i < tutorial::examplecount; ++i) {
            const QString name = fromutf8(tutorial::name(tutorial::Example(i)));
            QFile file(QStringLiteral(":/tutorials/") + name + QStringLiteral(".tut"));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(name));
            std::string error;
            const auto script = tutorial::parsescript(file.readAll().toStdString(), error);
            QVERIFY2(script, qPrintable(name + QStringLiteral(": ") + QString::fromStdString(error)));
            const Gifmovie movie = Gifmovie::fromResource(name);
            QCOMPARE(movie.frameCount(), int(script->steps.size()));
            QCOMPARE(movie.delayMs(0), int(script->steps[0].seconds * 1000));
            t.LbxexampleChange(t.findnode(fromutf8(tutorial::caption(tutorial::Example(i)))));
            QVERIFY2(t.Imexample->haspicture(), qPrintable(name));
        }
    }

    void choosingnodes()
    {
        Rig rig;
        rig.window.Spbexample->click();
        QTreeWidgetItem* topic = rig.t.Lbxexample->topLevelItem(7);
        rig.t.Lbxexample->setCurrentItem(topic);
        QVERIFY(topic->isExpanded());
        QCOMPARE(rig.loads, 0);
        QVERIFY(!rig.t.Imexample->haspicture());
        // A leaf whose animation is not there yet: no picture, nothing to press.
        rig.t.Lbxexample->setCurrentItem(rig.leaf(tutorial::Example::bundar));
        QCOMPARE(rig.loads, 1);
        QVERIFY(!rig.enabled());
        rig.t.Lbxexample->setCurrentItem(rig.leaf(tutorial::Example::percent));
        QVERIFY(rig.t.Imexample->haspicture());
        QVERIFY(rig.enabled());
        QCOMPARE(rig.t.Imexample->accessibleDescription(), QStringLiteral("Step 0 / Langkah 0"));
    }

    void layoutsflipandreturn()
    {
        Rig rig;
        Tfrmio& w = rig.window;
        QVERIFY(!w.redposeq->isHidden() && rig.t.Lbxexample->isHidden());
        w.Spbexample->click();
        QVERIFY(w.redposeq->isHidden() && w.edtjawap->isHidden() && w.btnnewq->isHidden());
        QVERIFY(!rig.t.Lbxexample->isHidden() && !rig.t.Imexample->isHidden() && !rig.t.lblreturn->isHidden());
        QVERIFY(w.Spbexample->Down());
        rig.t.Lbxexample->setCurrentItem(rig.leaf(tutorial::Example::percent));
        rig.t.Spbjump1_2Click();
        QVERIFY(rig.t.Impartexample->haspicture());

        w.Spbexample->click();
        QVERIFY(!w.redposeq->isHidden() && !w.edtjawap->isHidden() && rig.t.Lbxexample->isHidden());
        QVERIFY(!w.Spbexample->Down());
        QVERIFY(!rig.t.Imexample->haspicture() && !rig.t.Impartexample->haspicture());
        QVERIFY(!rig.enabled());
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.edtjawap));
        // The selected node is collapsed and can be chosen again.
        QVERIFY(!rig.node("Topics 1..10..100")->isExpanded());
    }

    void steppingendswiththelayout()
    {
        Rig rig;
        rig.window.Spbexample->click();
        rig.t.Lbxexample->setCurrentItem(rig.leaf(tutorial::Example::percent));
        rig.t.Spbjump3_4->click();
        QVERIFY(rig.t.Imexample->isHidden() && !rig.t.Impartexample->isHidden());
        QCOMPARE(rig.t.Impartexample->accessibleDescription(), QStringLiteral("Step 30 / Langkah 30"));
        QCOMPARE(rig.armed, 250);
        rig.t.steptick();
        rig.window.Spbexample->click();
        rig.t.steptick();
        QVERIFY(!rig.t.steppingnow());
        QCOMPARE(rig.armed, -1);
    }

    void examplebuttonstartsatthemark()
    {
        Rig rig;
        rig.lesson.props.example = int(tutorial::Example::percent);
        rig.lesson.props.examplemark = "part";
        rig.window.offerexamplelink();
        rig.window.Bbnexample->click();
        QVERIFY(rig.window.tutorialshown());
        QCOMPARE(rig.t.Lbxexample->currentItem(), rig.leaf(tutorial::Example::percent));
        QVERIFY(rig.enabled());
        QVERIFY(rig.t.steppingnow());
        QCOMPARE(rig.t.Impartexample->accessibleDescription(), QStringLiteral("Step 7 / Langkah 7"));
        // Played to the end, the animation plays from the start again.
        for (int i = 7; i < frames; ++i)
            rig.t.steptick();
        QVERIFY(!rig.t.steppingnow() && !rig.t.Imexample->isHidden() && rig.t.player->isRunning());
    }
};

QTEST_MAIN(Tutorialtest)
#include "tutorial_qtest.moc"
