#include "frmscore.h"

#include "look.h"

#include "widgets/ovalbtn.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct Boxtext {
    const char* name;
    const char* caption;
};

const Boxtext boxtexts[topicboxcount] = {
    {"cbplusminus", "+/-"},          {"cbmulti", "x"},          {"cbdivide", "÷"},
    {"cbnum", "1..10..100.."},       {"cbfract", "¼ , ½, ¾"},   {"cbdeci", "0.1, 0.5, 0.75.."},
    {"cbkg", "g, Kg"},               {"cbCM", "cm, m"},         {"cbRM", "RM/$"},
    {"cbtime", "12:30am,12:30pm"},
};

// Little pictures beside the number topics: shapes from grade 4, a bar graph in grade 6.
QPixmap shapes()
{
    QPixmap pix(60, 28);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::darkBlue, 1.5));
    p.setBrush(QColor(0xff, 0xe0, 0x60));
    p.drawRect(2, 6, 16, 16);
    p.setBrush(QColor(0x90, 0xd0, 0xff));
    p.drawEllipse(22, 6, 16, 16);
    p.setBrush(QColor(0xff, 0xa0, 0xa0));
    p.drawPolygon(QPolygon({QPoint(42, 22), QPoint(58, 22), QPoint(50, 6)}));
    return pix;
}

QPixmap graph()
{
    QPixmap pix(40, 28);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setPen(Qt::black);
    p.setBrush(Qt::yellow);
    const int bars[] = {10, 18, 8, 22, 14};
    for (int i = 0; i < 5; ++i)
        p.drawRect(4 + i * 7, 26 - bars[i], 6, bars[i]);
    p.drawLine(2, 26, 38, 26);
    return pix;
}

QGroupBox* groupwith(const QString& title, QWidget* parent)
{
    auto* g = new QGroupBox(title, parent);
    QFont f = g->font();
    f.setBold(true);
    g->setFont(f);
    return g;
}

}  // namespace

Tfrmscore::Tfrmscore(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmscore"));
    setWindowTitle(QStringLiteral("Topics Checklist"));
    setbackground(this, windowface);

    // The family boxes are ticked by the program; their group is never shown.
    gbtopic = new QGroupBox(QStringLiteral("Select Topics"), this);
    gbtopic->setObjectName(QStringLiteral("gbtopic"));
    cbarit = new QCheckBox(gbtopic);
    cbnumb = new QCheckBox(gbtopic);
    cbmeas = new QCheckBox(gbtopic);
    cbarit->setObjectName(QStringLiteral("cbarit"));
    cbnumb->setObjectName(QStringLiteral("cbnumb"));
    cbmeas->setObjectName(QStringLiteral("cbmeas"));
    gbtopic->hide();

    gbsubtopic = groupwith(QStringLiteral("Select topics (Pilih topik-topik)"), this);
    gbsubtopic->setObjectName(QStringLiteral("gbsubtopic"));
    gbarit = groupwith(QStringLiteral("Arithmatic/Kira-kira"), gbsubtopic);
    gbarit->setObjectName(QStringLiteral("gbarit"));
    gbnumb = groupwith(QStringLiteral("Number/Nombor"), gbsubtopic);
    gbnumb->setObjectName(QStringLiteral("gbnumb"));
    gbmeas = groupwith(QStringLiteral("Measurements/Ukuran"), gbsubtopic);
    gbmeas->setObjectName(QStringLiteral("gbmeas"));

    QGroupBox* owner[topicboxcount] = {gbarit, gbarit, gbarit, gbnumb, gbnumb, gbnumb, gbmeas, gbmeas, gbmeas, gbmeas};
    for (int i = 0; i < topicboxcount; ++i) {
        box[i] = new QCheckBox(QString::fromUtf8(boxtexts[i].caption), owner[i]);
        box[i]->setObjectName(QString::fromLatin1(boxtexts[i].name));
        QFont f = box[i]->font();
        f.setPointSizeF(f.pointSizeF() * 1.3);
        f.setBold(false);
        box[i]->setFont(f);
        box[i]->hide();
        box[i]->setEnabled(false);
        connect(box[i], &QCheckBox::toggled, this, &Tfrmscore::tickschanged);
    }
    lblmuplmi = new QLabel(QStringLiteral(", +/-"), gbarit);
    lblmuplmi->setObjectName(QStringLiteral("lblmuplmi"));
    lblmuplmi->hide();
    Lblpercent = new QLabel(QStringLiteral("%.."), gbnumb);
    Lblpercent->setObjectName(QStringLiteral("Lblpercent"));
    Lblpercent->hide();
    Imgraph = new QLabel(gbnumb);
    Imgraph->setObjectName(QStringLiteral("Imgraph"));
    Imgraph->setPixmap(graph());
    Imgraph->hide();
    Imshape = new QLabel(gbnumb);
    Imshape->setObjectName(QStringLiteral("Imshape"));
    Imshape->setPixmap(shapes());
    Imshape->hide();

    auto* arit = new QGridLayout(gbarit);
    arit->addWidget(check(Topicbox::plusminus), 0, 0);
    auto* multirow = new QHBoxLayout;
    multirow->addWidget(check(Topicbox::multi));
    multirow->addWidget(lblmuplmi);
    multirow->addStretch();
    arit->addLayout(multirow, 1, 0);
    arit->addWidget(check(Topicbox::divide), 2, 0);
    auto* numb = new QGridLayout(gbnumb);
    numb->addWidget(check(Topicbox::num), 0, 0);
    numb->addWidget(check(Topicbox::fract), 1, 0);
    numb->addWidget(check(Topicbox::deci), 2, 0);
    auto* extras = new QHBoxLayout;
    extras->addWidget(Lblpercent);
    extras->addWidget(Imgraph);
    extras->addWidget(Imshape);
    extras->addStretch();
    numb->addLayout(extras, 3, 0);
    auto* meas = new QGridLayout(gbmeas);
    meas->addWidget(check(Topicbox::kg), 0, 0);
    meas->addWidget(check(Topicbox::cm), 1, 0);
    meas->addWidget(check(Topicbox::rm), 2, 0);
    meas->addWidget(check(Topicbox::time), 3, 0);
    auto* families = new QHBoxLayout(gbsubtopic);
    families->addWidget(gbarit);
    families->addWidget(gbnumb);
    families->addWidget(gbmeas);
    gbarit->hide();
    gbnumb->hide();
    gbmeas->hide();
    gbsubtopic->hide();

    bbtselectall = new Trectbutton(this);
    bbtselectall->setObjectName(QStringLiteral("bbtselectall"));
    bbtselectall->setCaption(QStringLiteral("&Select All Topics"));
    bbtselectall->setlines(QStringLiteral("Pilih Semua Topik"));
    bbtselectall->setColor(QColor(0xff, 0xff, 0x80));
    bbtselectall->setMinimumSize(200, 52);
    connect(bbtselectall, &Trectbutton::clicked, this, &Tfrmscore::bbtselectallClick);

    btnok2 = new QPushButton(QStringLiteral("OK"), this);
    btnok2->setObjectName(QStringLiteral("btnok2"));
    btnok2->setToolTip(QStringLiteral("Confirm Selection/Sahkan Pilihan"));
    btnok2->setAccessibleName(btnok2->toolTip());
    btnok2->setDefault(true);
    btncancel2 = new QPushButton(QStringLiteral("Cancel"), this);
    btncancel2->setObjectName(QStringLiteral("btncancel2"));
    btncancel2->setToolTip(QStringLiteral("Go back to Start Page/Kembali ke muka permulaan"));
    btncancel2->setAccessibleName(btncancel2->toolTip());
    for (QPushButton* b : {btnok2, btncancel2})
        b->setMinimumSize(110, 40);
    connect(btnok2, &QPushButton::clicked, this, &Tfrmscore::lessonrequested);
    connect(btncancel2, &QPushButton::clicked, this, &Tfrmscore::cancelled);

    auto* title = new QLabel(QStringLiteral("Topics Checklist / Senarai Topik"), this);
    QFont tf = title->font();
    tf.setPointSizeF(tf.pointSizeF() * 1.8);
    tf.setBold(true);
    title->setFont(tf);
    title->setStyleSheet(QStringLiteral("color: #003080;"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bbtselectall);
    buttons->addStretch();
    buttons->addWidget(btnok2);
    buttons->addWidget(btncancel2);
    auto* all = new QVBoxLayout(this);
    all->addWidget(title);
    all->addWidget(gbsubtopic);
    all->addLayout(buttons);
    all->addStretch();
}

void Tfrmscore::Btnok1Click(const Checklistlayout& layout)
{
    layout_ = layout;
    gbtopic->hide();
    gbsubtopic->setVisible(cbarit->isChecked() || cbnumb->isChecked() || cbmeas->isChecked());
    gbarit->setVisible(cbarit->isChecked() && layout_.aritgroup);
    gbnumb->setVisible(cbnumb->isChecked() && layout_.numbgroup);
    gbmeas->setVisible(cbmeas->isChecked() && layout_.measgroup);
    for (int i = 0; i < topicboxcount; ++i) {
        box[i]->setVisible(layout_.boxes[i].visible);
        box[i]->setEnabled(layout_.boxes[i].enabled);
    }
    lblmuplmi->setVisible(layout_.mixedlabel);
    Imshape->setVisible(layout_.shapepicture);
    Lblpercent->setVisible(layout_.percentlabel);
    Imgraph->setVisible(layout_.graphpicture);
}

void Tfrmscore::bbtselectallClick()
{
    const Ticks all = selectall(layout_, ticks());
    for (int i = 0; i < topicboxcount; ++i) {
        auto b = static_cast<Topicbox>(i);
        Ticks t = all;
        if (box[i]->isVisible() || layout_.boxes[i].visible)
            box[i]->setChecked(tickof(t, b));
    }
}

Ticks Tfrmscore::ticks() const
{
    Ticks t;
    for (int i = 0; i < topicboxcount; ++i)
        tickof(t, static_cast<Topicbox>(i)) = box[i]->isChecked() && box[i]->isEnabled();
    return t;
}
