// The help window and the about box: pages reachable from the contents, links that lead
// somewhere, a search that finds pages by their words, one help window for the program,
// and an about box that says the right version and closes on OK.
#include "aboutbox.h"
#include "helpwindow.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString pagehtml(const QString& file)
{
    QFile in(QStringLiteral(":/help/") + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(in.readAll());
}

// Every link target and every anchor name of a page, as the rich-text engine reads them.
void linksandanchors(const QString& file, QStringList& hrefs, QSet<QString>& anchors)
{
    QTextDocument document;
    document.setHtml(pagehtml(file));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty())
                hrefs.append(format.anchorHref());
            for (const QString& name : format.anchorNames())
                anchors.insert(name);
        }
    }
}

QList<QTreeWidgetItem*> allitems(QTreeWidget* tree)
{
    QList<QTreeWidgetItem*> items;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* top = tree->topLevelItem(i);
        items.append(top);
        for (int c = 0; c < top->childCount(); ++c)
            items.append(top->child(c));
    }
    return items;
}

void closehelp()
{
    if (Helpwindow* open = Helpwindow::instance())
        open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

struct Aboutseen {
    bool found = false;
    QString title;
    QString product;
    QString version;
    bool modal = false;
    bool iconshown = false;
};

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { closehelp(); }

    void everyPageIsListedOnceInTheContents()
    {
        QStringList shipped = QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")});
        QStringList listed;
        for (const Helpwindow::Page& page : Helpwindow::pages())
            listed.append(page.file);
        QCOMPARE(QSet<QString>(listed.begin(), listed.end()).size(), listed.size());
        shipped.sort();
        listed.sort();
        QCOMPARE(listed, shipped);
        QCOMPARE(Helpwindow::pages().first().file, QStringLiteral("index.html"));
    }

    void everyContentsEntryOpensAPageWithText()
    {
        Helpwindow help;
        const QList<QTreeWidgetItem*> items = allitems(help.contents());
        QCOMPARE(items.size(), Helpwindow::pages().size() * 3);
        for (QTreeWidgetItem* item : items) {
            const QString target = item->data(0, Qt::UserRole).toString();
            help.contents()->setCurrentItem(item);
            QCOMPARE(help.currentpage(), Helpwindow::pageurl(target));
            const QString text = help.browser()->toPlainText().trimmed();
            QVERIFY2(text.size() > 200, qPrintable(target));
            if (target.contains(QLatin1Char('#'))) {
                QStringList hrefs;
                QSet<QString> anchors;
                linksandanchors(target.section(QLatin1Char('#'), 0, 0), hrefs, anchors);
                QVERIFY2(anchors.contains(target.section(QLatin1Char('#'), 1)), qPrintable(target));
            }
        }
    }

    void everyPageIsBilingual()
    {
        for (const Helpwindow::Page& page : Helpwindow::pages()) {
            QStringList hrefs;
            QSet<QString> anchors;
            linksandanchors(page.file, hrefs, anchors);
            QVERIFY2(anchors.contains(QStringLiteral("en")), qPrintable(page.file));
            QVERIFY2(anchors.contains(QStringLiteral("ms")), qPrintable(page.file));
            // Malay after English, so a reader of either finds their half where expected.
            const QString html = pagehtml(page.file);
            QVERIFY(html.indexOf(QStringLiteral("name=\"en\"")) < html.indexOf(QStringLiteral("name=\"ms\"")));
        }
    }

    void everyInternalLinkLeadsToAPageAndAnchor()
    {
        int checked = 0;
        for (const Helpwindow::Page& page : Helpwindow::pages()) {
            QStringList hrefs;
            QSet<QString> anchors;
            linksandanchors(page.file, hrefs, anchors);
            if (page.file != QStringLiteral("index.html"))
                QVERIFY2(hrefs.contains(QStringLiteral("index.html")), qPrintable(page.file));
            for (const QString& href : hrefs) {
                const QUrl target = Helpwindow::pageurl(page.file).resolved(QUrl(href));
                QCOMPARE(target.scheme(), QStringLiteral("qrc"));
                const QString file = target.fileName();
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + file),
                         qPrintable(page.file + QStringLiteral(" -> ") + href));
                if (!target.fragment().isEmpty()) {
                    QStringList otherhrefs;
                    QSet<QString> otheranchors;
                    linksandanchors(file, otherhrefs, otheranchors);
                    QVERIFY2(otheranchors.contains(target.fragment()),
                             qPrintable(page.file + QStringLiteral(" -> ") + href));
                }
                ++checked;
            }
        }
        // The contents page alone links to every other page in both languages.
        QVERIFY(checked >= 2 * (Helpwindow::pages().size() - 1));
    }

    void followingALinkMovesTheContentsAlong()
    {
        Helpwindow help;
        help.openpage(QStringLiteral("index.html"));
        // The same path a click takes: the browser resolves the link against its page.
        help.browser()->setSource(help.browser()->source().resolved(QUrl(QStringLiteral("rewards.html#ms"))));
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(QStringLiteral("rewards.html#ms")));
        QTreeWidgetItem* current = help.contents()->currentItem();
        QVERIFY(current);
        QCOMPARE(current->data(0, Qt::UserRole).toString(), QStringLiteral("rewards.html#ms"));
        QVERIFY(help.browser()->toPlainText().contains(QStringLiteral("aiskrim")));
        help.browser()->backward();
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(QStringLiteral("index.html")));
        QCOMPARE(help.contents()->currentItem()->data(0, Qt::UserRole).toString(),
                 QStringLiteral("index.html"));
    }

    void searchFindsPagesHoldingEveryWord()
    {
        Helpwindow help;
        QVERIFY(help.search(QStringLiteral("remainder")).contains(QStringLiteral("answering.html")));
        // Case does not matter, and every word must be there.
        const QStringList both = help.search(QStringLiteral("REMAINDER Baki"));
        QVERIFY(both.contains(QStringLiteral("answering.html")));
        QCOMPARE(help.search(QStringLiteral("--workdir names.txt")), QStringList{QStringLiteral("teachers.html")});
        QVERIFY(help.search(QStringLiteral("aiskrim")).contains(QStringLiteral("rewards.html")));
        QVERIFY(!help.search(QStringLiteral("aiskrim")).contains(QStringLiteral("teachers.html")));
        // Words that are only in the page's title still find it.
        QVERIFY(help.search(QStringLiteral("kandungan")).contains(QStringLiteral("index.html")));
        // Results come in contents order.
        const QStringList bonus = help.search(QStringLiteral("bonus"));
        QVERIFY(bonus.size() >= 2);
        QVERIFY(bonus.indexOf(QStringLiteral("questions.html")) < bonus.indexOf(QStringLiteral("rewards.html")));
    }

    void searchFindsNothingForNonsense()
    {
        Helpwindow help;
        QVERIFY(help.search(QStringLiteral("zqxjkv")).isEmpty());
        QVERIFY(help.search(QStringLiteral("remainder zqxjkv")).isEmpty());
        QVERIFY(help.search(QStringLiteral("   ")).isEmpty());
        QVERIFY(help.search(QString()).isEmpty());
        // Markup is not text: no page "contains" its tags.
        QVERIFY(help.search(QStringLiteral("<html>")).isEmpty());
        QVERIFY(help.search(QStringLiteral("href")).isEmpty());
    }

    void typingASearchAndEnterOpensTheFirstPageFound()
    {
        Helpwindow help;
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        help.searchbox()->setFocus();
        QTest::keyClicks(help.searchbox(), QStringLiteral("ice cream"));
        const QStringList found = help.search(QStringLiteral("ice cream"));
        QVERIFY(!found.isEmpty());
        QCOMPARE(help.results()->count(), found.size());
        QVERIFY(help.results()->isVisible());
        QTest::keyClick(help.searchbox(), Qt::Key_Return);
        QCOMPARE(help.currentpage().fileName(), found.first());
        // The first word is picked out on the page.
        QCOMPARE(help.browser()->textCursor().selectedText().toCaseFolded(), QStringLiteral("ice"));

        help.searchbox()->clear();
        QTest::keyClicks(help.searchbox(), QStringLiteral("zqxjkv"));
        QCOMPARE(help.results()->count(), 0);
        QVERIFY(!help.results()->isVisible());
        QTest::keyClick(help.searchbox(), Qt::Key_Return);
        QCOMPARE(help.currentpage().fileName(), found.first());
    }

    void helpIsUsableFromTheKeyboard()
    {
        Helpwindow help;
        help.show();
        help.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&help));
        QVERIFY(!help.contents()->accessibleName().isEmpty());
        QVERIFY(!help.searchbox()->accessibleName().isEmpty());
        QVERIFY(!help.results()->accessibleName().isEmpty());
        QVERIFY(!help.browser()->accessibleName().isEmpty());
        // Arrowing down the contents opens each page in turn.
        help.contents()->setFocus();
        help.contents()->setCurrentItem(help.contents()->topLevelItem(0));
        QTest::keyClick(help.contents(), Qt::Key_Down);
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(Helpwindow::pages().at(1).file));
        QTest::keyClick(help.contents(), Qt::Key_Down);
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(Helpwindow::pages().at(2).file));
        // Alt+Left goes back, Alt+Right forward again, Alt+Home to the contents page.
        QTest::keyClick(&help, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(Helpwindow::pages().at(1).file));
        QTest::keyClick(&help, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(Helpwindow::pages().at(2).file));
        QTest::keyClick(&help, Qt::Key_Home, Qt::AltModifier);
        QCOMPARE(help.currentpage(), Helpwindow::pageurl(QStringLiteral("index.html")));
        QCOMPARE(help.contents()->currentItem(), help.contents()->topLevelItem(0));
        // Ctrl+F puts the reader in the search box.
        QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), help.searchbox());
        // Escape closes the window.
        QTest::keyClick(&help, Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }

    void showcontentsReusesOneWindowAndReturnsToTheContents()
    {
        QVERIFY(!Helpwindow::instance());
        QWidget frame;
        Helpwindow* first = Helpwindow::showcontents(&frame);
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("MATHtuvo Help"));
        QVERIFY(first->isVisible());
        QVERIFY(first->isWindow());
        first->openpage(QStringLiteral("teachers.html"));

        Helpwindow* second = Helpwindow::showcontents(&frame);
        QCOMPARE(second, first);
        QCOMPARE(second->currentpage(), Helpwindow::pageurl(QStringLiteral("index.html")));
        QCOMPARE(frame.findChildren<Helpwindow*>().size(), 1);

        // Closing frees it; the next request opens a fresh one.
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!Helpwindow::instance());
        QVERIFY(frame.findChildren<Helpwindow*>().isEmpty());
        Helpwindow* third = Helpwindow::showcontents(&frame);
        QVERIFY(third);
        QCOMPARE(Helpwindow::instance(), third);
        QCOMPARE(third->currentpage(), Helpwindow::pageurl(QStringLiteral("index.html")));
    }

    void aboutBoxShowsTheVersionAndClosesOnOk()
    {
        Aboutseen seen;
        QTimer::singleShot(0, [&seen] {
            auto* box = qobject_cast<TAboutBox*>(QApplication::activeModalWidget());
            if (!box) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen.found = true;
            seen.title = box->windowTitle();
            seen.product = box->productname()->text();
            seen.version = box->version()->text();
            seen.modal = box->isModal();
            seen.iconshown = box->icon()->isVisible() && !box->icon()->pixmap().isNull();
            QTest::mouseClick(box->okbutton(), Qt::LeftButton);
        });
        const int result = TAboutBox::showabout(nullptr);
        QVERIFY(seen.found);
        QCOMPARE(result, int(QDialog::Accepted));
        QCOMPARE(seen.title, QStringLiteral("About MATHtuvo"));
        QCOMPARE(seen.product, QStringLiteral("MATHtuvo"));
        QCOMPARE(seen.version, QStringLiteral("Version 3.01(a)"));
        QVERIFY(seen.modal);
        QVERIFY(seen.iconshown);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void aboutBoxOkIsTheDefaultButton()
    {
        bool pressed = false;
        QTimer::singleShot(0, [&pressed] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box)
                return;
            QCOMPARE(qobject_cast<TAboutBox*>(box)->okbutton()->text(), QStringLiteral("OK"));
            QTest::keyClick(box, Qt::Key_Return);
            pressed = true;
        });
        QCOMPARE(TAboutBox::showabout(nullptr), int(QDialog::Accepted));
        QVERIFY(pressed);
    }

    void aboutBoxIsCentredOnTheProgramWindow()
    {
        QWidget frame;
        frame.setGeometry(100, 80, 900, 700);
        frame.show();
        TAboutBox box(&frame);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QPoint offset = box.frameGeometry().center() - frame.frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
        box.accept();
    }

    void programIconIsDrawnOnATransparentCorner()
    {
        const QImage icon = TAboutBox::programicon(64).toImage();
        QCOMPARE(icon.size(), QSize(64, 64));
        QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);   // rounded corner
        QCOMPARE(qAlpha(icon.pixel(32, 32)), 255);  // the tile itself
        // The plus sign is white on its red counter: its centre and a counter edge differ.
        const QColor sign(icon.pixel(20, 20));
        const QColor counter(icon.pixel(14, 26));
        QVERIFY(sign.lightness() > 200);
        QVERIFY(counter.red() > 180 && counter.green() < 120);
        // Any size scales the same drawing.
        QCOMPARE(TAboutBox::programicon(128).size(), QSize(128, 128));
    }
};

QTEST_MAIN(HelpTest)
#include "help_qtest.moc"
