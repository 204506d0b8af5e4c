#include "helpwindow.h"

#include <QColor>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPointer<Helpwindow> theinstance;

const QString contentspage = QStringLiteral("index.html");

// Malay text in blue, as everywhere else in the program; the pages only say class="ms".
const QString pagestyle = QStringLiteral(
    "body { font-size: 11pt; }"
    "h1 { color: #1a4f8a; }"
    "h3 { color: #1a4f8a; }"
    ".ms { color: #0000c0; }"
    "h1.ms { color: #0000c0; }"
    "pre { background-color: #f0f0f0; font-size: 10pt; }");

// What a page looks like to the search: its plain text, so that tags and entities
// never match or hide a word.
QString pageplaintext(const QString& file)
{
    QFile in(QStringLiteral(":/help/") + file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(in.readAll()));
    return document.toPlainText();
}

}  // namespace

const QList<Helpwindow::Page>& Helpwindow::pages()
{
    static const QList<Page> all = {
        {QStringLiteral("index.html"), QStringLiteral("Contents / Kandungan")},
        {QStringLiteral("start.html"), QStringLiteral("Getting started / Bermula")},
        {QStringLiteral("answering.html"), QStringLiteral("Answering / Menjawab soalan")},
        {QStringLiteral("questions.html"), QStringLiteral("Next question / Soalan seterusnya")},
        {QStringLiteral("practice.html"), QStringLiteral("Practice and test / Latihan dan ujian")},
        {QStringLiteral("tutorials.html"), QStringLiteral("Tutorials / Tunjuk Ajar")},
        {QStringLiteral("rewards.html"), QStringLiteral("BONUS and rewards / BONUS dan ganjaran")},
        {QStringLiteral("progress.html"), QStringLiteral("Progress report / Rekod Pencapaian")},
        {QStringLiteral("wordproblems.html"), QStringLiteral("Word problems / Masalah berayat")},
        {QStringLiteral("teachers.html"), QStringLiteral("For teachers / Untuk guru")},
        {QStringLiteral("about.html"), QStringLiteral("About / Tentang MATHtuvo")},
    };
    return all;
}

QUrl Helpwindow::pageurl(const QString& fileandanchor)
{
    return QUrl(QStringLiteral("qrc:/help/") + fileandanchor);
}

Helpwindow* Helpwindow::instance()
{
    return theinstance.data();
}

Helpwindow* Helpwindow::showcontents(QWidget* parent)
{
    if (!theinstance) {
        theinstance = new Helpwindow(parent);
        theinstance->setAttribute(Qt::WA_DeleteOnClose);
    }
    Helpwindow* window = theinstance.data();
    window->openpage(contentspage);
    window->show();
    if (window->isMinimized())
        window->showNormal();
    window->raise();
    window->activateWindow();
    window->contents_->setFocus();
    return window;
}

Helpwindow::Helpwindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      contents_(new QTreeWidget),
      searchbox_(new QLineEdit),
      results_(new QListWidget),
      searchstatus_(new QLabel),
      browser_(new QTextBrowser),
      back_(new QToolButton),
      forward_(new QToolButton),
      home_(new QToolButton)
{
    setObjectName(QStringLiteral("Helpwindow"));
    setWindowTitle(QStringLiteral("MATHtuvo Help"));
    setAccessibleName(QStringLiteral("MATHtuvo Help"));

    // Left: search above contents. Right: the navigation buttons above the page.
    auto* searchlabel = new QLabel(QStringLiteral("&Search / Cari:"));
    searchlabel->setBuddy(searchbox_);
    searchbox_->setObjectName(QStringLiteral("edtsearch"));
    searchbox_->setAccessibleName(QStringLiteral("Search the help"));
    searchbox_->setPlaceholderText(QStringLiteral("Words to find / Perkataan dicari"));
    searchbox_->setClearButtonEnabled(true);

    results_->setObjectName(QStringLiteral("lstresults"));
    results_->setAccessibleName(QStringLiteral("Pages found"));
    results_->hide();
    searchstatus_->setObjectName(QStringLiteral("lblsearchstatus"));
    searchstatus_->setWordWrap(true);
    searchstatus_->hide();

    auto* contentslabel = new QLabel(QStringLiteral("C&ontents / Kandungan:"));
    contentslabel->setBuddy(contents_);
    contents_->setObjectName(QStringLiteral("trvcontents"));
    contents_->setAccessibleName(QStringLiteral("Help contents"));
    contents_->setHeaderHidden(true);
    contents_->setColumnCount(1);
    contents_->header()->setStretchLastSection(true);

    auto* left = new QWidget;
    auto* leftlayout = new QVBoxLayout(left);
    leftlayout->setContentsMargins(0, 0, 0, 0);
    leftlayout->addWidget(searchlabel);
    leftlayout->addWidget(searchbox_);
    leftlayout->addWidget(searchstatus_);
    leftlayout->addWidget(results_);
    leftlayout->addWidget(contentslabel);
    leftlayout->addWidget(contents_, 1);

    const auto setupbutton = [](QToolButton* button, const QString& name, const QString& text,
                                const QString& accessible, const QKeySequence& key) {
        button->setObjectName(name);
        button->setText(text);
        button->setAccessibleName(accessible);
        button->setToolTip(accessible + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                           QStringLiteral(")"));
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    };
    setupbutton(back_, QStringLiteral("btnback"), QStringLiteral("< Back / Kembali"),
                QStringLiteral("Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
    setupbutton(forward_, QStringLiteral("btnforward"), QStringLiteral("Forward / Hadapan >"),
                QStringLiteral("Forward"), QKeySequence(Qt::ALT | Qt::Key_Right));
    setupbutton(home_, QStringLiteral("btncontents"), QStringLiteral("Contents / Kandungan"),
                QStringLiteral("Contents page"), QKeySequence(Qt::ALT | Qt::Key_Home));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_->setObjectName(QStringLiteral("brwpage"));
    browser_->setAccessibleName(QStringLiteral("Help page"));
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDefaultStyleSheet(pagestyle);

    auto* right = new QWidget;
    auto* rightlayout = new QVBoxLayout(right);
    rightlayout->setContentsMargins(0, 0, 0, 0);
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(back_);
    navigation->addWidget(forward_);
    navigation->addWidget(home_);
    navigation->addStretch(1);
    rightlayout->addLayout(navigation);
    rightlayout->addWidget(browser_, 1);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({330, 630});
    splitter->setChildrenCollapsible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    setTabOrder(searchbox_, results_);
    setTabOrder(results_, contents_);
    setTabOrder(contents_, browser_);
    setTabOrder(browser_, back_);
    setTabOrder(back_, forward_);
    setTabOrder(forward_, home_);

    buildcontents();
    loadsearchtexts();

    connect(searchbox_, &QLineEdit::textChanged, this, &Helpwindow::showresults);
    connect(searchbox_, &QLineEdit::returnPressed, this, &Helpwindow::openfirstresult);
    connect(results_, &QListWidget::itemActivated, this, &Helpwindow::openresult);
    connect(results_, &QListWidget::itemClicked, this, &Helpwindow::openresult);
    connect(contents_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { opencontentsitem(item); });
    connect(contents_, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { opencontentsitem(item); });
    connect(browser_, &QTextBrowser::sourceChanged, this, &Helpwindow::followbrowser);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QWidget::setEnabled);
    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(home_, &QToolButton::clicked, this, [this] { openpage(contentspage); });

    // Keys as window shortcuts of their own: a button's shortcut only clicks it after its
    // press animation, and the page should change the moment the key is pressed.
    const auto addkey = [this](const QKeySequence& key, auto action) {
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, action);
    };
    addkey(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { browser_->backward(); });
    addkey(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { browser_->forward(); });
    addkey(QKeySequence(Qt::ALT | Qt::Key_Home), [this] { openpage(contentspage); });
    auto* findkey = new QShortcut(QKeySequence::Find, this);
    connect(findkey, &QShortcut::activated, this, [this] {
        searchbox_->setFocus();
        searchbox_->selectAll();
    });
    auto* closekey = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(closekey, &QShortcut::activated, this, &QWidget::close);

    resize(980, 660);
    openpage(contentspage);
}

Helpwindow::~Helpwindow() = default;

void Helpwindow::buildcontents()
{
    // Each page opens whole from its own entry; its two halves are a key press away.
    for (const Page& page : pages()) {
        auto* item = new QTreeWidgetItem(contents_, {page.title});
        item->setData(0, Qt::UserRole, page.file);
        item->setToolTip(0, page.title);
        auto* english = new QTreeWidgetItem(item, {QStringLiteral("English")});
        english->setData(0, Qt::UserRole, page.file + QStringLiteral("#en"));
        auto* malay = new QTreeWidgetItem(item, {QStringLiteral("Bahasa Melayu")});
        malay->setData(0, Qt::UserRole, page.file + QStringLiteral("#ms"));
        malay->setForeground(0, QColor(0x00, 0x00, 0xc0));
    }
}

void Helpwindow::loadsearchtexts()
{
    for (const Page& page : pages())
        searchtexts_.append((page.title + QLatin1Char('\n') + pageplaintext(page.file)).toCaseFolded());
}

QStringList Helpwindow::querywords(const QString& query)
{
    return query.toCaseFolded().split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

QStringList Helpwindow::search(const QString& query) const
{
    const QStringList words = querywords(query);
    QStringList found;
    if (words.isEmpty())
        return found;
    for (qsizetype i = 0; i < pages().size(); ++i) {
        const QString& text = searchtexts_.at(i);
        const bool all = std::all_of(words.begin(), words.end(),
                                     [&text](const QString& word) { return text.contains(word); });
        if (all)
            found.append(pages().at(i).file);
    }
    return found;
}

void Helpwindow::showresults(const QString& query)
{
    results_->clear();
    const QStringList found = search(query);
    for (const QString& file : found) {
        for (const Page& page : pages()) {
            if (page.file != file)
                continue;
            auto* item = new QListWidgetItem(page.title, results_);
            item->setData(Qt::UserRole, file);
        }
    }
    const bool asked = !querywords(query).isEmpty();
    results_->setVisible(!found.isEmpty());
    if (!found.isEmpty()) {
        results_->setCurrentRow(0);
        // Just tall enough for what was found, so the contents keep their room.
        const int rows = std::min<int>(found.size(), 6);
        results_->setFixedHeight(rows * results_->sizeHintForRow(0) + 2 * results_->frameWidth() + 2);
    }
    searchstatus_->setVisible(asked);
    if (!asked)
        return;
    if (found.isEmpty())
        searchstatus_->setText(QStringLiteral("No page has all these words. / Tiada halaman dijumpai."));
    else
        searchstatus_->setText(QStringLiteral("Found / Dijumpai: %1. Enter opens the first.").arg(found.size()));
}

void Helpwindow::openfirstresult()
{
    if (results_->count() > 0)
        openresult(results_->item(0));
}

void Helpwindow::openresult(QListWidgetItem* item)
{
    if (!item)
        return;
    openpage(item->data(Qt::UserRole).toString());
    // Show the reader where the first word is; the find starts at the top of the new page.
    const QStringList words = querywords(searchbox_->text());
    if (!words.isEmpty())
        browser_->find(words.first());
}

void Helpwindow::opencontentsitem(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const QString target = item->data(0, Qt::UserRole).toString();
    if (pageurl(target) != browser_->source())
        openpage(target);
}

void Helpwindow::openpage(const QString& fileandanchor)
{
    browser_->setSource(pageurl(fileandanchor));
}

QUrl Helpwindow::currentpage() const
{
    return browser_->source();
}

void Helpwindow::followbrowser(const QUrl& url)
{
    // Keep the contents in step with the page the reader is on, however they got there.
    const QString file = url.fileName();
    const QString fragment = url.fragment();
    QTreeWidgetItem* match = nullptr;
    for (int i = 0; i < contents_->topLevelItemCount() && !match; ++i) {
        QTreeWidgetItem* top = contents_->topLevelItem(i);
        if (top->data(0, Qt::UserRole).toString() != file)
            continue;
        match = top;
        for (int c = 0; c < top->childCount(); ++c) {
            if (!fragment.isEmpty() &&
                top->child(c)->data(0, Qt::UserRole).toString() == file + QLatin1Char('#') + fragment)
                match = top->child(c);
        }
    }
    if (!match || match == contents_->currentItem())
        return;
    const QSignalBlocker quiet(contents_);
    contents_->setCurrentItem(match);
    contents_->scrollToItem(match);
}
