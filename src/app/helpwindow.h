// MATHtuvo's help: our own bilingual HTML pages (resources/help) in a window with a
// contents tree, a word search and a browser. One window serves the whole program.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

class Helpwindow : public QWidget {
    Q_OBJECT
public:
    // One page of the help, in contents order; the title carries both languages.
    struct Page {
        QString file;   // name under :/help, e.g. "start.html"
        QString title;  // "Getting started / Bermula"
    };

    explicit Helpwindow(QWidget* parent = nullptr);
    ~Helpwindow() override;

    // The toolbar's help button: open the one help window on its contents page, or bring
    // the open one to the front and go back to the contents.
    static Helpwindow* showcontents(QWidget* parent);
    // The open help window, or null.
    static Helpwindow* instance();

    static const QList<Page>& pages();
    static QUrl pageurl(const QString& fileandanchor);  // "start.html#ms" -> qrc:/help/start.html#ms

    // Pages (file names, contents order) whose text holds every word of the query, ignoring
    // case. An empty query finds nothing.
    QStringList search(const QString& query) const;

    void openpage(const QString& fileandanchor);
    QUrl currentpage() const;

    QTreeWidget* contents() const { return contents_; }
    QLineEdit* searchbox() const { return searchbox_; }
    QListWidget* results() const { return results_; }
    QTextBrowser* browser() const { return browser_; }

private:
    void buildcontents();
    void loadsearchtexts();
    void showresults(const QString& query);
    void openfirstresult();
    void openresult(QListWidgetItem* item);
    void opencontentsitem(QTreeWidgetItem* item);
    void followbrowser(const QUrl& url);
    static QStringList querywords(const QString& query);

    QTreeWidget* contents_;
    QLineEdit* searchbox_;
    QListWidget* results_;
    QLabel* searchstatus_;
    QTextBrowser* browser_;
    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* home_;
    QList<QString> searchtexts_;  // case-folded title and plain text, one per page
};
