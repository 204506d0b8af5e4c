#include "frmio.h"

#include "look.h"

#include "lesson/lesson.h"
#include "picturepane.h"
#include "tutorialpane.h"
#include "tutorial/catalogue.h"
#include "widgets/ovalbtn.h"
#include "media.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QColor fromwindows(uint32_t bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The old window's 8-point question text is small on today's screens.
constexpr double textzoom = 1.6;

QString fromutf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QLabel* malaylabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #0000ff;"));
    return label;
}

Trectbutton* twolinebutton(QWidget* parent, const char* name, const QString& caption, const QString& malay,
                           const QColor& colour, const QString& hint)
{
    auto* b = new Trectbutton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setCaption(caption);
    b->setlines(malay);
    b->setColor(colour);
    QFont f2 = b->Font();
    f2.setItalic(true);
    b->setFont2(f2);
    b->setToolTip(hint);
    // The second line starts under the centred caption, so the button must be wide
    // enough for it to end inside: width >= 2 x second line - caption.
    const int tw = QFontMetrics(b->Font()).horizontalAdvance(caption);
    const int lw = QFontMetrics(f2).horizontalAdvance(malay);
    b->setMinimumSize(std::max({190, tw + 40, 2 * lw - tw + 24}), 52);
    return b;
}

}  // namespace

Tfrmio::Tfrmio(Lesson& lesson, QWidget* parent) : QWidget(parent), lesson_(lesson)
{
    setObjectName(QStringLiteral("frmio"));
    setWindowTitle(QStringLiteral("Tutor"));
    setbackground(this, windowface);

    redposeq = new QTextEdit(this);
    redposeq->setObjectName(QStringLiteral("redposeq"));
    redposeq->setReadOnly(true);
    redposeq->setLineWrapMode(QTextEdit::NoWrap);
    redposeq->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    redposeq->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    redposeq->setFocusPolicy(Qt::NoFocus);  // the answer box keeps the keyboard
    redposeq->setAccessibleName(QStringLiteral("Question/Soalan"));
    redposeq->setMinimumSize(433 * 3 / 2, 145 * 3 / 2);
    redposeq->setStyleSheet(QStringLiteral("QTextEdit { background: white; border: 2px solid #7a96df; }"));
    font_ = QFont(QStringLiteral("Courier New"));
    font_.setStyleHint(QFont::TypeWriter);
    font_.setPointSizeF(10 * textzoom);
    colour_ = Qt::black;
    redposeq->setPlainText(QStringLiteral("                                   ") + QString(14, QChar('\n')));

    picture = new Picturepane(lesson, this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->hide();

    auto* lblarahan = new QLabel(QStringLiteral("Press  'Enter' when answer is ready."), this);
    lblarahan->setObjectName(QStringLiteral("lblarahan"));
    auto* Lblarahan2 = malaylabel(QStringLiteral("Tekan 'Enter' apabila jawapan siap"), this);
    Lblarahan2->setObjectName(QStringLiteral("Lblarahan2"));
    auto* lbljawap = new QLabel(QStringLiteral("Answer:"), this);
    lbljawap->setObjectName(QStringLiteral("lbljawap"));
    auto* Lbljawab2 = malaylabel(QStringLiteral("Jawapan:"), this);
    Lbljawab2->setObjectName(QStringLiteral("Lbljawab2"));

    edtjawap = new QLineEdit(this);
    edtjawap->setObjectName(QStringLiteral("edtjawap"));
    edtjawap->setMinimumWidth(220);
    edtjawap->setAccessibleName(QStringLiteral("Answer/Jawapan"));
    QFont answerfont = edtjawap->font();
    answerfont.setPointSizeF(answerfont.pointSizeF() * 1.4);
    edtjawap->setFont(answerfont);
    lbljawap->setBuddy(edtjawap);
    connect(edtjawap, &QLineEdit::returnPressed, this, &Tfrmio::edtjawapKeyPress);

    cbmarking = new QCheckBox(QStringLiteral("Marking"), this);
    cbmarking->setObjectName(QStringLiteral("cbmarking"));
    cbmarking->setAccessibleName(QStringLiteral("Marking: ticked when the answer is right/Betul"));
    cbmarking->setFocusPolicy(Qt::NoFocus);
    connect(cbmarking, &QCheckBox::clicked, this, &Tfrmio::cbmarkingMouseUp);

    lblbonuslabel = new QLabel(QStringLiteral("BONUS"), this);
    lblbonuslabel->setObjectName(QStringLiteral("lblbonuslabel"));
    lblbonus = new QLabel(QStringLiteral("0"), this);
    lblbonus->setObjectName(QStringLiteral("lblbonus"));
    lblbonus->setAccessibleName(QStringLiteral("BONUS"));
    QFont bonusfont = lblbonuslabel->font();
    bonusfont.setBold(true);
    bonusfont.setPointSizeF(bonusfont.pointSizeF() * 1.5);
    lblbonuslabel->setFont(bonusfont);
    lblbonus->setFont(bonusfont);
    lblbonuslabel->setStyleSheet(QStringLiteral("color: #b00000;"));
    lblbonus->setStyleSheet(QStringLiteral("color: #b00000;"));

    Imbonus4 = new QLabel(this);
    Imbonus4->setObjectName(QStringLiteral("Imbonus4"));
    Imbonus4->setFixedSize(73, 73);
    Imbonus4->setAccessibleName(QStringLiteral("Yahoo! Four in a row/Empat berturut-turut"));
    Imbonus4->hide();

    Spbeng = new QPushButton(QStringLiteral("&English"), this);
    Spbeng->setObjectName(QStringLiteral("Spbeng"));
    Spbeng->setToolTip(QStringLiteral("Display Questions in English Only/Soalan dalam Bahasa Inggris saja"));
    Spbmal = new QPushButton(QStringLiteral("&Malay"), this);
    Spbmal->setObjectName(QStringLiteral("Spbmal"));
    Spbmal->setToolTip(QStringLiteral("Questions in Malay Only/Tunjuk Soalan dalam Bahasa saja"));
    for (QPushButton* b : {Spbeng, Spbmal}) {
        b->setCheckable(true);
        b->setAccessibleName(b->toolTip());
    }
    // One group in which both may be up: pressing one lifts the other.
    connect(Spbeng, &QPushButton::toggled, this, [this](bool down) {
        if (down)
            Spbmal->setChecked(false);
    });
    connect(Spbmal, &QPushButton::toggled, this, [this](bool down) {
        if (down)
            Spbeng->setChecked(false);
    });

    const QColor aqua(0x00, 0xff, 0xff), lime(0x00, 0xff, 0x00);
    spbpractice = twolinebutton(this, "spbpractice", QStringLiteral("Practice Only   "), QStringLiteral("Untuk Latihan"),
                                aqua, QStringLiteral("Practice question with link to animated tutorial/Latihan dengan contoh tunjuk ajar"));
    Spbtimer = twolinebutton(this, "Spbtimer", QStringLiteral("Do Test with Timer  "), QStringLiteral("Ujian bermeter"), aqua,
                             QStringLiteral("Click to start 15 min timer/Tekan bagi mulai tempoh 15 min"));
    spbpractice->setGroupIndex(2);
    Spbtimer->setGroupIndex(2);
    btnnewq = twolinebutton(this, "btnnewq", QStringLiteral("   &Get Question"), QStringLiteral("Sampaikan Soalan"), lime,
                            QStringLiteral("Get new Question/Sampaikan Soalan Baru"));
    btnnewvar = twolinebutton(this, "btnnewvar", QStringLiteral("&Try Similar Question"), QStringLiteral("Cuba Soalan Sejenis"),
                              lime, QStringLiteral("Get Question Similar to the last one/Sampaikan Soalan Sejenis dengan yg lalu"));
    Bbnexample = twolinebutton(this, "Bbnexample", QString(), QString(), aqua, QString());
    Bbnexample->setEnabled(false);
    Bbnexample->hide();  // shown when a question links to its tutorial
    btnchkprogress = twolinebutton(this, "btnchkprogress", QStringLiteral("Progress Report "), QStringLiteral("Rekod Pencapaian"),
                                   QColor(0xff, 0xe0, 0x80), QStringLiteral("See Progress Report/Lihat Rekod Pencapaian"));
    Spbexample = twolinebutton(this, "Spbexample", QStringLiteral("Tutorials"), QStringLiteral("Tunjuk Ajar -Tunjuk Ajar"), aqua,
                               QStringLiteral("Click to see Examples/ Tekan bagi Tunjuk Ajar"));
    Spbexample->setAccessibleName(QStringLiteral("Tutorials/Tunjuk Ajar"));
    // A group of its own: it stays down while the tutorial layout is up.
    Spbexample->setGroupIndex(9);
    Bbnexample->setMinimumSize(65, 40);
    Bbnexample->setAccessibleName(QStringLiteral("Example/Contoh"));

    tutorial = new Tutorialpane(this, redposeq);
    exercisewidgets_ = {redposeq, picture, edtjawap, lbljawap, Lbljawab2, cbmarking, lblarahan, Lblarahan2, lblbonuslabel,
                        lblbonus, Imbonus4, btnnewq, btnnewvar, btnchkprogress, spbpractice, Spbtimer, Bbnexample,
                        Spbeng, Spbmal};
    connect(Spbexample, &Trectbutton::clicked, this, &Tfrmio::SpbexampleClick);
    connect(Spbexample, &Trectbutton::mouseUp, this, &Tfrmio::SpbexampleMouseUp);
    connect(Bbnexample, &Trectbutton::clicked, this, &Tfrmio::BbnexampleClick);

    connect(btnnewq, &Trectbutton::clicked, this, [this] { lesson_.btnnewqClick(); });
    connect(btnnewvar, &Trectbutton::clicked, this, [this] { lesson_.btnnewvarClick(); });
    connect(Spbtimer, &Trectbutton::clicked, this, [this] { lesson_.SpbtimerClick(); });
    connect(Spbtimer, &Trectbutton::mouseUp, this, [this] { lesson_.SpbtimerMouseUp(); });
    connect(spbpractice, &Trectbutton::clicked, this, [this] { lesson_.spbpracticeClick(); });
    connect(spbpractice, &Trectbutton::mouseUp, this, [this] { lesson_.spbpracticeMouseUp(); });
    connect(btnchkprogress, &Trectbutton::clicked, this, &Tfrmio::progressrequested);

    Tmr15min = new QTimer(this);
    Tmr15min->setObjectName(QStringLiteral("Tmr15min"));
    Tmr15min->setInterval(60000);
    connect(Tmr15min, &QTimer::timeout, this, [this] { lesson_.Tmr15minTimer(); });

    // Layout: question and picture on top, the answer row, then the buttons.
    auto* top = new QHBoxLayout;
    top->addWidget(redposeq, 1);
    top->addWidget(picture, 0, Qt::AlignTop);
    // The tutorial pictures take the question box's place.
    top->addWidget(tutorial->Imexample, 1);
    top->addWidget(tutorial->Impartexample, 1);

    // The tutorial layout's middle: the tree, the loading signs, the player's buttons.
    Tutorialpane* t = tutorial;
    auto* player = new QGridLayout;
    player->addWidget(t->Spbstopanimate, 0, 0);
    player->addWidget(t->Spbrestart, 0, 1);
    player->addWidget(t->Btbprevious, 1, 0);
    player->addWidget(t->Btbnext, 1, 1);
    player->addWidget(t->gbxgifjump, 2, 0, 1, 2);
    player->setRowStretch(3, 1);
    auto* loading = new QVBoxLayout;
    loading->addWidget(t->lblloading);
    loading->addWidget(t->lbldisedia);
    loading->setAlignment(Qt::AlignTop);  // no stretch: hidden, the row must be empty
    // In a widget of its own, so that hidden it takes no room from the exercise layout.
    tutorialrow_ = new QWidget(this);
    tutorialrow_->setObjectName(QStringLiteral("tutorialrow"));
    auto* tutorialrow = new QHBoxLayout(tutorialrow_);
    tutorialrow->setContentsMargins(0, 0, 0, 0);
    tutorialrow->addWidget(t->Lbxexample, 1);
    tutorialrow->addLayout(loading);
    tutorialrow->addLayout(player);

    auto* answerrow = new QGridLayout;
    answerrow->addWidget(lblarahan, 0, 0, 1, 3);
    answerrow->addWidget(Lblarahan2, 1, 0, 1, 3);
    auto* jawap = new QVBoxLayout;
    jawap->addWidget(lbljawap);
    jawap->addWidget(Lbljawab2);
    answerrow->addLayout(jawap, 2, 0);
    answerrow->addWidget(edtjawap, 2, 1);
    answerrow->addWidget(cbmarking, 2, 2);
    auto* bonus = new QHBoxLayout;
    bonus->addWidget(lblbonuslabel);
    bonus->addWidget(lblbonus);
    bonus->addWidget(Imbonus4);
    bonus->addStretch();
    answerrow->addLayout(bonus, 2, 3);
    auto* language = new QHBoxLayout;
    language->addWidget(Spbeng);
    language->addWidget(Spbmal);
    language->addStretch();
    answerrow->addLayout(language, 3, 0, 1, 3);
    answerrow->setColumnStretch(4, 1);

    auto* buttons = new QGridLayout;
    buttons->addWidget(btnnewq, 0, 0);
    buttons->addWidget(btnnewvar, 0, 1);
    buttons->addWidget(Bbnexample, 0, 2);
    buttons->addWidget(spbpractice, 1, 0);
    buttons->addWidget(Spbtimer, 1, 1);
    buttons->addWidget(btnchkprogress, 1, 2);
    buttons->addWidget(Spbexample, 1, 3);
    auto* back = new QVBoxLayout;
    back->addWidget(t->lblreturn);
    back->addWidget(t->lblreturn2);
    buttons->addLayout(back, 0, 3, Qt::AlignBottom);
    buttons->addWidget(t->Pbexample, 2, 3);
    buttons->setColumnStretch(4, 1);

    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 3);
    // The tree shares the height with the picture, which keeps its shape.
    all->addWidget(tutorialrow_, 2);
    tutorialrow_->hide();
    all->addLayout(answerrow);
    all->addLayout(buttons);
    all->addWidget(t->sbexample);

    setTabOrder(edtjawap, btnnewq);
    setTabOrder(btnnewq, btnnewvar);
    setTabOrder(btnnewvar, Spbeng);
    setTabOrder(Spbeng, Spbmal);
    setTabOrder(Spbmal, spbpractice);
    setTabOrder(spbpractice, Spbtimer);
    setTabOrder(Spbtimer, btnchkprogress);
    setTabOrder(btnchkprogress, t->Lbxexample);
    setTabOrder(t->Lbxexample, t->Spbstopanimate);
    setTabOrder(t->Spbstopanimate, t->Spbrestart);
    setTabOrder(t->Spbrestart, t->Btbprevious);
    setTabOrder(t->Btbprevious, t->Btbnext);
    setTabOrder(t->Btbnext, t->Spbjump1_4);
    setTabOrder(t->Spbjump1_4, t->Spbjump1_2);
    setTabOrder(t->Spbjump1_2, t->Spbjump3_4);
    setTabOrder(t->Spbjump3_4, Spbexample);
}

// ---- the tutorial layout -------------------------------------------------------------------

bool Tfrmio::tutorialshown() const { return redposeq->isHidden(); }

void Tfrmio::SpbexampleClick()
{
    if (!tutorialshown()) {
        exercisevisible_.clear();
        for (QWidget* w : exercisewidgets_) {
            exercisevisible_.push_back(!w->isHidden());
            w->hide();
        }
        for (QWidget* w : tutorial->layoutwidgets())
            w->show();
        tutorial->Impartexample->hide();  // shown while stepping, in the same place
        tutorialrow_->show();
    } else {
        for (QWidget* w : tutorial->layoutwidgets())
            w->hide();
        tutorialrow_->hide();
        for (qsizetype i = 0; i < exercisewidgets_.size() && i < exercisevisible_.size(); ++i)
            exercisewidgets_[i]->setVisible(exercisevisible_[i]);
    }
    Imbonus4->clear();
    Imbonus4->hide();
    Spbexample->setToolTip(QStringLiteral("Click to return to Exercise/Tekan Untuk latihan semula"));
    tutorial->collapseall();
    // Choosing the same example again after coming back is a change too.
    tutorial->Lbxexample->setCurrentItem(nullptr);
}

void Tfrmio::SpbexampleMouseUp()
{
    if (tutorialshown()) {
        Spbexample->setDown(true);
        return;
    }
    Spbexample->setDown(false);
    tutorial->clearpictures();
    focusanswer();
    Spbexample->setToolTip(QStringLiteral("Click to see Examples/ Tekan bagi Tunjuk Ajar"));
    tutorial->setcontrolsenabled(false);
}

void Tfrmio::BbnexampleClick()
{
    if (!tutorialshown())
        Spbexample->click();
    repaint();
    const int example = lesson_.props.example;
    QTreeWidgetItem* node = nullptr;
    if (example >= 0 && example < tutorial::examplecount)
        node = tutorial->findnode(fromutf8(std::string(tutorial::caption(tutorial::Example(example)))).trimmed());
    if (node) {
        // Selecting it loads the animation; the same node again would not be a change.
        if (tutorial->Lbxexample->currentItem() == node)
            tutorial->LbxexampleChange(node);
        else
            tutorial->Lbxexample->setCurrentItem(node);
        tutorial->Lbxexample->setFocus();
    }
    // A tutorial whose animation is missing has nothing to play.
    tutorial->setcontrolsenabled(tutorial->Imexample->haspicture());
    const std::string& mark = lesson_.props.examplemark;
    if (!mark.empty())
        if (const std::optional<int> frame = tutorial->markframe(mark))
            tutorial->playfrom(1, tutorial::Stepmode::at, *frame);
}

Tfrmio::~Tfrmio() = default;

void Tfrmio::edtjawapKeyPress() { lesson_.edtjawapKeyPress(edtjawap->text().toStdString()); }

void Tfrmio::cbmarkingMouseUp()
{
    // Only the program ticks "Marking".
    const QSignalBlocker quiet(cbmarking);
    cbmarking->setChecked(false);
    QApplication::beep();
    focusanswer();
}

// ---- the question box ------------------------------------------------------------------

void Tfrmio::clear()
{
    redposeq->clear();
    emptied_ = true;
}

void Tfrmio::setcolour(uint32_t bgr) { colour_ = fromwindows(bgr); }

void Tfrmio::setfont(const std::string& name, int size, bool bold, bool italic)
{
    font_ = QFont(fromutf8(name));
    font_.setStyleHint(name.find("courier") != std::string::npos || name.find("Courier") != std::string::npos
                           ? QFont::TypeWriter
                           : QFont::SansSerif);
    font_.setPointSizeF(size * textzoom);
    font_.setBold(bold);
    font_.setItalic(italic);
}

void Tfrmio::addline(const std::string& text)
{
    QTextCursor cursor(redposeq->document());
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat format;
    format.setForeground(colour_);
    format.setFont(font_);
    const QStringList pieces = fromutf8(text).split(QStringLiteral("\r\n"));
    // The first line after clear() goes into the empty box's one block, every later one
    // (an empty line too, with its own colour) into a block of its own.
    for (const QString& piece : pieces) {
        if (emptied_)
            cursor.setBlockCharFormat(format);
        else
            cursor.insertBlock(cursor.blockFormat(), format);
        emptied_ = false;
        cursor.insertText(piece, format);
    }
}

std::string Tfrmio::text() const
{
    return redposeq->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")).toStdString();
}

// ---- the window's buttons and services ---------------------------------------------------

bool Tfrmio::englishdown() const { return Spbeng->isChecked(); }
bool Tfrmio::malaydown() const { return Spbmal->isChecked(); }
bool Tfrmio::practicedown() const { return spbpractice->Down(); }
void Tfrmio::setpracticedown(bool down) { spbpractice->setDown(down); }
bool Tfrmio::timerdown() const { return Spbtimer->Down(); }
void Tfrmio::settimerdown(bool down) { Spbtimer->setDown(down); }
void Tfrmio::settimercaption(const std::string& caption) { Spbtimer->setCaption(fromutf8(caption)); }
void Tfrmio::settimerline2(const std::string& line2) { Spbtimer->setlines(fromutf8(line2)); }
void Tfrmio::settimerhint(const std::string& hint) { Spbtimer->setToolTip(fromutf8(hint)); }

void Tfrmio::setminutetimer(bool enabled)
{
    if (enabled)
        Tmr15min->start();
    else
        Tmr15min->stop();
}

void Tfrmio::setmarking(bool ticked)
{
    const QSignalBlocker quiet(cbmarking);
    cbmarking->setChecked(ticked);
}

void Tfrmio::clearanswer() { edtjawap->clear(); }
void Tfrmio::focusanswer() { edtjawap->setFocus(); }
void Tfrmio::setbonuslabel(const std::string& text) { lblbonus->setText(fromutf8(text)); }

void Tfrmio::showcheer(bool shown)
{
    if (shown)
        media::showanimation(Imbonus4, QStringLiteral("cherio"));
    Imbonus4->setVisible(shown);
}

void Tfrmio::clearexamplelink()
{
    Bbnexample->setEnabled(false);
    Bbnexample->hide();
    Bbnexample->setCaption(QString());
    Bbnexample->setlines(QString());
    Bbnexample->setToolTip(QString());
}

void Tfrmio::offerexamplelink()
{
    Bbnexample->setEnabled(true);
    Bbnexample->show();
    if (Bbnexample->Caption() != QLatin1String("Example")) {
        Bbnexample->setCaption(QStringLiteral("Example"));
        Bbnexample->setlines(QStringLiteral("Contoh"));
        Bbnexample->setToolTip(QStringLiteral("Link to Example/Tunjuk Ajar"));
    }
}

void Tfrmio::message(const std::string& text)
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("MATHtuvo"),
                    fromutf8(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), QMessageBox::Ok, this);
    box.exec();
    focusanswer();
}

void Tfrmio::playsound(const std::string& name) { media::playsound(fromutf8(name)); }

void Tfrmio::openreward() { emit rewardrequested(); }

void Tfrmio::setpicture(int kind)
{
    // Without a picture the question box has the whole width.
    picture->setVisible(kind != 0);
    picture->describe();
    picture->update();
}
