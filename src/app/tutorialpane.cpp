#include "tutorialpane.h"

#include "tutorial/catalogue.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QTreeWidget>

namespace {

QString fromutf8(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

const QString loadingtext = QStringLiteral("Loading");
const QString disediatext = QStringLiteral("Sedang disediakan");
const QString standingtext = QStringLiteral("Choose an example in the tree/Pilih contoh dalam senarai");

// The tree's pictures, by number: 0 clock, 1 money, 2 triangle, 3 arranging, 4 closed
// folder, 5 open folder.
QIcon painted(int which)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case 0:  // a clock at a quarter past
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        p.setPen(QPen(Qt::red, 1.5));
        p.drawLine(QPointF(8, 8), QPointF(11.5, 8));
        break;
    case 1:  // a note with a coin on it
        p.setPen(QPen(QColor(0, 100, 0), 1));
        p.setBrush(QColor(150, 220, 150));
        p.drawRect(QRectF(0.5, 3.5, 12, 7));
        p.setPen(QPen(QColor(120, 90, 0), 1));
        p.setBrush(QColor(240, 200, 60));
        p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
        break;
    case 2: {  // a right triangle
        QPainterPath path;
        path.moveTo(2, 14);
        path.lineTo(14, 14);
        path.lineTo(2, 2);
        path.closeSubpath();
        p.setPen(QPen(Qt::darkBlue, 1.2));
        p.setBrush(QColor(170, 200, 255));
        p.drawPath(path);
        break;
    }
    case 3:  // bars from short to tall: putting in order
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(QColor::fromHsv(30 + 60 * i, 200, 230));
            p.drawRect(QRectF(1 + 3.7 * i, 13 - 3 * (i + 1), 3, 3 * (i + 1) + 1));
        }
        break;
    case 4:  // a closed folder
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(240, 200, 90));
        p.drawRect(QRectF(1.5, 2.5, 6, 3));
        p.drawRect(QRectF(1.5, 4.5, 13, 9));
        break;
    case 5: {  // an open folder: the front leans out
        p.setPen(QPen(QColor(150, 110, 20), 1));
        p.setBrush(QColor(220, 175, 60));
        p.drawRect(QRectF(1.5, 2.5, 6, 3));
        p.drawRect(QRectF(1.5, 4.5, 12, 9));
        QPainterPath front;
        front.moveTo(4, 7.5);
        front.lineTo(15.5, 7.5);
        front.lineTo(13.5, 13.5);
        front.lineTo(1.5, 13.5);
        front.closeSubpath();
        p.setBrush(QColor(255, 225, 130));
        p.drawPath(front);
        break;
    }
    default:  // no picture: a blank, so the captions line up
        break;
    }
    return QIcon(pm);
}

struct Topic {
    const char* caption;
    std::vector<tutorial::Example> leaves;
};

const std::vector<Topic>& topics()
{
    using E = tutorial::Example;
    static const std::vector<Topic> list{
        {"Topics +/-", {E::addminus, E::algebra1, E::plus2, E::plusabc}},
        {"Topics x/÷", {E::algebra2, E::multi, E::divide, E::baki, E::mixedop}},
        {"Topics 0.1,0,5,1.5", {E::decix, E::decimultidiv}},
        {"Topics ½, ¾ ", {E::fractdeci, E::fractsimpl, E::fractpmp11, E::fractpm, E::fractseriorder}},
        {"Topics 12:15am; 12:15pm", {E::time2, E::timex}},
        {"Topics $/RM", {E::money, E::money3, E::moneybill}},
        {"Topics cm/m", {E::lengthspace, E::areaoftriangle}},
        {"Topics 1..10..100", {E::bundar, E::percent, E::noseri}},
        {"Topics Word Question/Soalan Kata", {E::wordq}},
    };
    return list;
}

int leafpicture(tutorial::Example e)
{
    using E = tutorial::Example;
    switch (e) {
    case E::timex: return 0;
    case E::money:
    case E::money3: return 1;
    case E::areaoftriangle: return 2;
    case E::fractseriorder: return 3;
    default: return -1;
    }
}

QPushButton* playerbutton(QWidget* parent, const char* name, const QString& caption, const QString& hint,
                          const QString& accessible)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(hint);
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    b->setEnabled(false);
    return b;
}

}  // namespace

Tutorialpicture::Tutorialpicture(QWidget* parent) : QLabel(parent)
{
    setMinimumSize(433, 273);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::NoFocus);
    setContentsMargins(3, 3, 3, 3);
}

void Tutorialpicture::paintEvent(QPaintEvent*)
{
    // White with the question box's border, so the place is plain before a choice.
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(QColor(0x7a, 0x96, 0xdf), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
    const QPixmap pm = pixmap();
    if (pm.isNull())
        return;
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QSize size = pm.size().scaled(contentsRect().size(), Qt::KeepAspectRatio);
    QRect place(QPoint(0, 0), size);
    place.moveCenter(contentsRect().center());
    p.drawPixmap(place, pm);
}

Tutorialpane::Tutorialpane(QWidget* window, QWidget* questionbox)
    : QObject(window), window_(window), questionbox_(questionbox), steptimer_(new QTimer(this)), stepper_(*this)
{
    gifsource = [](const QString& name) { return Gifmovie::fromResource(name); };
    scriptsource = [](const QString& name) {
        const QString path = findMediaResource(QStringLiteral("tutorials"), name, QStringLiteral("tut"));
        QFile file(path);
        return !path.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    steptimer_->setSingleShot(true);
    connect(steptimer_, &QTimer::timeout, this, [this] { steptick(); });
    armtimer = [this](int ms) { steptimer_->start(ms); };
    disarmtimer = [this] { steptimer_->stop(); };

    Imexample = new Tutorialpicture(window);
    Imexample->setObjectName(QStringLiteral("Imexample"));
    Impartexample = new Tutorialpicture(window);
    Impartexample->setObjectName(QStringLiteral("Impartexample"));
    for (Tutorialpicture* im : {Imexample, Impartexample})
        im->setAccessibleName(QStringLiteral("Tutorial picture/Gambar tunjuk ajar"));
    player = new Gifplayer(Imexample);
    connect(player, &Gifplayer::frameChanged, this, &Tutorialpane::onanimate);

    Lbxexample = new QTreeWidget(window);
    Lbxexample->setObjectName(QStringLiteral("Lbxexample"));
    Lbxexample->setHeaderHidden(true);
    Lbxexample->setIndentation(19);
    Lbxexample->setFont(QFont(QStringLiteral("Arial")));
    Lbxexample->setMinimumSize(281, 97);
    Lbxexample->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Lbxexample->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Lbxexample->setAccessibleName(QStringLiteral("Tutorials/Tunjuk ajar"));
    buildtree();
    connect(Lbxexample, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* node) {
        if (node)
            LbxexampleChange(node);
    });
    connect(Lbxexample, &QTreeWidget::itemExpanded, this, &Tutorialpane::LbxexampleExpanding);
    connect(Lbxexample, &QTreeWidget::itemCollapsed, this, &Tutorialpane::LbxexampleCollapsing);
    // Enter on a topic opens or closes it, on a leaf plays its example again.
    connect(Lbxexample, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* node) {
        if (node->childCount() > 0)
            node->setExpanded(!node->isExpanded());
        else
            LbxexampleChange(node);
    });

    Spbstopanimate = playerbutton(window, "Spbstopanimate", QStringLiteral("Pause! /Henti!"),
                                  QStringLiteral("Pause temporarily/Henti sebentar"), QStringLiteral("Pause/Henti"));
    Spbstopanimate->setCheckable(true);
    Spbrestart = playerbutton(window, "Spbrestart", QStringLiteral("&Restart/Semula"),
                              QStringLiteral("Start from beginning/Mula sekali"), QStringLiteral("Restart/Semula"));
    Btbprevious = playerbutton(window, "Btbprevious", QStringLiteral("&Back"), QString(),
                               QStringLiteral("Back one step/Undur satu langkah"));
    Btbnext = playerbutton(window, "Btbnext", QStringLiteral("&Next"), QString(),
                           QStringLiteral("Next step/Langkah seterusnya"));
    gbxgifjump = new QGroupBox(QStringLiteral("Jump to /Lompat ke"), window);
    gbxgifjump->setObjectName(QStringLiteral("gbxgifjump"));
    Spbjump1_4 = playerbutton(gbxgifjump, "Spbjump1_4", QStringLiteral("1/4"), QStringLiteral("Jump over 1/4 of tuturial"),
                              QStringLiteral("Jump to a quarter/Lompat ke suku"));
    Spbjump1_2 = playerbutton(gbxgifjump, "Spbjump1_2", QStringLiteral("1/2"),
                              QStringLiteral("Jump halfway in example/Lompat ke-setengah contoh"),
                              QStringLiteral("Jump halfway/Lompat ke setengah"));
    Spbjump3_4 = playerbutton(gbxgifjump, "Spbjump3_4", QStringLiteral("3/4"), QStringLiteral("Jump over 2/4 of tuturial"),
                              QStringLiteral("Jump to three quarters/Lompat ke tiga suku"));
    auto* jumps = new QHBoxLayout(gbxgifjump);
    for (QPushButton* b : {Spbjump1_4, Spbjump1_2, Spbjump3_4})
        jumps->addWidget(b);
    gbxgifjump->setEnabled(false);

    connect(Spbstopanimate, &QPushButton::clicked, this, &Tutorialpane::SpbstopanimateClick);
    connect(Spbrestart, &QPushButton::clicked, this, &Tutorialpane::SpbrestartClick);
    connect(Btbprevious, &QPushButton::clicked, this, &Tutorialpane::BtbpreviousClick);
    connect(Btbnext, &QPushButton::clicked, this, &Tutorialpane::BtbnextClick);
    connect(Spbjump1_4, &QPushButton::clicked, this, &Tutorialpane::Spbjump1_4Click);
    connect(Spbjump1_2, &QPushButton::clicked, this, &Tutorialpane::Spbjump1_2Click);
    connect(Spbjump3_4, &QPushButton::clicked, this, &Tutorialpane::Spbjump3_4Click);

    Pbexample = new QProgressBar(window);
    Pbexample->setObjectName(QStringLiteral("Pbexample"));
    Pbexample->setRange(0, 100);
    Pbexample->setValue(0);
    Pbexample->setTextVisible(false);
    Pbexample->setMaximumHeight(10);
    Pbexample->setAccessibleName(QStringLiteral("Loading/Sedang disediakan"));

    lblloading = new QLabel(loadingtext + QLatin1Char('.'), window);
    lblloading->setObjectName(QStringLiteral("lblloading"));
    lbldisedia = new QLabel(disediatext + QLatin1Char('.'), window);
    lbldisedia->setObjectName(QStringLiteral("lbldisedia"));
    lbldisedia->setStyleSheet(QStringLiteral("color: #0000ff;"));
    for (QLabel* l : {lblloading, lbldisedia}) {
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * 1.6);
        f.setBold(true);
        l->setFont(f);
        l->hide();
    }

    sbexample = new QStatusBar(window);
    sbexample->setObjectName(QStringLiteral("sbexample"));
    sbexample->setSizeGripEnabled(false);
    sbexample->showMessage(standingtext);

    lblreturn = new QLabel(QStringLiteral("Click button below to return to Practice"), window);
    lblreturn->setObjectName(QStringLiteral("lblreturn"));
    lblreturn2 = new QLabel(QStringLiteral("Tekan butan atas untuk kembali"), window);
    lblreturn2->setObjectName(QStringLiteral("lblreturn2"));
    lblreturn2->setStyleSheet(QStringLiteral("color: #0000ff;"));

    for (QWidget* w : layoutwidgets())
        w->hide();
}

Tutorialpane::~Tutorialpane()
{
    if (busy_)
        QApplication::restoreOverrideCursor();
}

void Tutorialpane::buildtree()
{
    for (const Topic& t : topics()) {
        auto* topic = new QTreeWidgetItem(Lbxexample, {QString::fromUtf8(t.caption)});
        topic->setIcon(0, painted(4));
        for (tutorial::Example e : t.leaves) {
            auto* leaf = new QTreeWidgetItem(topic, {fromutf8(tutorial::caption(e))});
            leaf->setIcon(0, painted(leafpicture(e)));
        }
    }
}

QList<QWidget*> Tutorialpane::playercontrols() const
{
    return {Spbstopanimate, Spbrestart, Btbprevious, Btbnext, gbxgifjump, Spbjump1_4, Spbjump1_2, Spbjump3_4};
}

QList<QWidget*> Tutorialpane::layoutwidgets() const
{
    return {Imexample, Impartexample, Lbxexample, lblreturn, lblreturn2, Spbstopanimate, Spbrestart, Btbprevious,
            Btbnext, gbxgifjump, Pbexample, sbexample};
}

void Tutorialpane::setcontrolsenabled(bool enabled)
{
    for (QWidget* w : playercontrols())
        w->setEnabled(enabled);
}

void Tutorialpane::clearpictures()
{
    stepper_.end();
    player->unload();
    Impartexample->clear();
    script_.reset();
    describe(-1);
}

void Tutorialpane::collapseall()
{
    if (!Lbxexample->selectedItems().isEmpty())
        Lbxexample->collapseAll();
}

QTreeWidgetItem* Tutorialpane::findnode(const QString& caption) const
{
    for (QTreeWidgetItemIterator it(Lbxexample); *it; ++it)
        if ((*it)->text(0) == caption)
            return *it;
    return nullptr;
}

std::optional<int> Tutorialpane::markframe(const std::string& mark) const
{
    return script_ ? script_->markframe(mark) : std::nullopt;
}

void Tutorialpane::LbxexampleChange(QTreeWidgetItem* node)
{
    const bool leaf = node->parent() != nullptr;
    if (leaf)
        clearpictures();
    if (!leaf && !node->isExpanded())
        node->setExpanded(true);
    const QString caption = node->text(0).trimmed();
    for (int i = 0; i < tutorial::examplecount; ++i) {
        const auto e = tutorial::Example(i);
        if (caption == fromutf8(tutorial::caption(e))) {
            loadgif(Imexample, fromutf8(tutorial::name(e)));
            break;
        }
    }
    if (Imexample->isHidden() && leaf) {
        Imexample->show();
        Impartexample->hide();
    }
    setcontrolsenabled(Imexample->haspicture());
}

void Tutorialpane::LbxexampleExpanding(QTreeWidgetItem* node) { node->setIcon(0, painted(5)); }
void Tutorialpane::LbxexampleCollapsing(QTreeWidgetItem* node) { node->setIcon(0, painted(4)); }

bool Tutorialpane::loadgif(Tutorialpicture* target, const QString& name)
{
    onProgress(Loadstage::starting, 0, QStringLiteral("Loading...Please Wait../Tunggu Sekjap.."));
    const Gifmovie movie = gifsource(name);
    onProgress(Loadstage::running, 100, QStringLiteral("Loading...Please Wait../Tunggu Sekjap.."));
    Gifplayer* into = target == Imexample ? player : nullptr;
    if (into) {
        into->setGif(movie);
        into->start();
    } else if (!movie.isNull()) {
        target->setPixmap(QPixmap::fromImage(movie.frame(0)));
    }
    onProgress(Loadstage::running, 100, QStringLiteral("Copying...Please Wait../Tunggu Sekejap.."));
    std::string error;
    const QByteArray text = movie.isNull() ? QByteArray() : scriptsource(name);
    script_ = text.isEmpty() ? std::nullopt : tutorial::parsescript(std::string_view(text.constData(), size_t(text.size())), error);
    paintedframe = 0;
    describe(movie.isNull() ? -1 : 0);
    onProgress(Loadstage::ending, 100, QString());
    return !movie.isNull();
}

void Tutorialpane::onProgress(Loadstage stage, int percent, const QString& message)
{
    if (stage == Loadstage::ending) {
        Pbexample->setValue(0);
        sbexample->showMessage(standingtext);
        if (busy_)
            QApplication::restoreOverrideCursor();
        busy_ = false;
        lblloading->hide();
        lbldisedia->hide();
        return;
    }
    lblloading->show();
    lbldisedia->show();
    if (message.contains(QLatin1String("Load")))
        Pbexample->setValue(percent / 2);
    if (message.contains(QLatin1String("Copy")))
        Pbexample->setValue(percent / 2 + 50);
    if (stage == Loadstage::starting)
        Imexample->update();
    // The dots run to ten, then start again.
    if (lblloading->text() == loadingtext + QString(10, QLatin1Char('.'))) {
        lblloading->setText(loadingtext + QString(11, QLatin1Char(' ')));
        lbldisedia->setText(disediatext + QString(11, QLatin1Char(' ')));
        lblloading->repaint();
        lbldisedia->repaint();
        lblloading->setText(loadingtext);
        lbldisedia->setText(disediatext);
    }
    lblloading->setText(lblloading->text() + QLatin1Char('.'));
    lbldisedia->setText(lbldisedia->text() + QLatin1Char('.'));
    lblloading->repaint();
    lbldisedia->repaint();
    Pbexample->repaint();
    if (!busy_)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    busy_ = true;
}

void Tutorialpane::onanimate(int frame)
{
    paintedframe = frame;
    if (!Imexample->isHidden())
        describe(frame);
}

void Tutorialpane::describe(int frame)
{
    QString text;
    if (script_ && frame >= 0 && frame < int(script_->steps.size())) {
        const tutorial::Text2& say = script_->steps[size_t(frame)].say;
        text = fromutf8(say.en);
        if (!say.ms.empty())
            text += QStringLiteral(" / ") + fromutf8(say.ms);
    }
    for (Tutorialpicture* im : {Imexample, Impartexample})
        if (im->accessibleDescription() != text)
            im->setAccessibleDescription(text);
}

void Tutorialpane::SpbstopanimateClick()
{
    const bool down = Spbstopanimate->isChecked();
    if (!Imexample->isHidden()) {
        if (down)
            player->pause();
        else
            player->start();
    } else if (!down) {
        stepper_.release();
    }
}

void Tutorialpane::SpbrestartClick()
{
    Spbstopanimate->setChecked(false);
    stepper_.end();
    Imexample->show();
    if (Impartexample->haspicture())
        Impartexample->hide();
    player->stop();
    player->start();
    Imexample->update();
}

void Tutorialpane::playfrom(int jumpquarter, tutorial::Stepmode mode, int at)
{
    using tutorial::Stepmode;
    Spbstopanimate->setChecked(false);
    if (!Imexample->haspicture())
        return;
    const bool playing = !Imexample->isHidden();
    if (mode != Stepmode::jump && playing)
        stepper_.setcurrent(mode == Stepmode::at ? at : paintedframe);
    player->pause();
    const int count = player->frameCount();
    const int f = tutorial::startframe(mode, jumpquarter, at, stepper_.current(), count, playing);
    if (mode == Stepmode::jump)
        stepper_.setcurrent(f);
    if (playing) {
        Imexample->hide();
        Impartexample->show();
    }
    stepper_.begin(f, count);
}

void Tutorialpane::showframe(int frame)
{
    Impartexample->setPixmap(QPixmap::fromImage(player->gif().frame(frame)));
    Impartexample->repaint();
    describe(frame);
}

int Tutorialpane::delayms(int frame) const { return player->gif().delayMs(frame); }
bool Tutorialpane::paused() const { return Spbstopanimate->isChecked(); }

bool Tutorialpane::stepping() const
{
    return Imexample->isHidden() && !Impartexample->isHidden() && questionbox_->isHidden() && Imexample->haspicture()
           && Impartexample->haspicture();
}

void Tutorialpane::restart() { SpbrestartClick(); }
void Tutorialpane::arm(int ms) { armtimer(ms); }
void Tutorialpane::disarm() { disarmtimer(); }
