#include "frmstart.h"

#include "look.h"

#include "media.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

Tfrmstart::Tfrmstart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmstart"));
    setWindowTitle(QStringLiteral("MATHtuvo"));
    setbackground(this, Qt::white);

    Immathtuvo = new QLabel(this);
    Immathtuvo->setObjectName(QStringLiteral("Immathtuvo"));
    Immathtuvo->setAlignment(Qt::AlignCenter);
    Immathtuvo->setAccessibleName(QStringLiteral("MATHtuvo"));

    auto* title = new QLabel(QStringLiteral("Mathematics Tutor for Primary Schools"), this);
    title->setObjectName(QStringLiteral("lbltitle"));
    auto* tajuk = new QLabel(QStringLiteral("Tunjuk Ajar Matematik Sekolah Rendah"), this);
    tajuk->setObjectName(QStringLiteral("lbltajuk"));
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 2.0);
    big.setBold(true);
    title->setFont(big);
    tajuk->setFont(big);
    title->setStyleSheet(QStringLiteral("color: #8b0000;"));
    tajuk->setStyleSheet(QStringLiteral("color: #0000ff;"));
    title->setAlignment(Qt::AlignCenter);
    tajuk->setAlignment(Qt::AlignCenter);

    static const char* const hints[6] = {
        "Click to start Grade 1/ Tekan untuk Darjah 1", "Click to start Grade 2/Tekan untuk Darjah 2",
        "Click to start Grade 3/ Tekan untuk Darjah 3", "Click to start grade 4/ Tekan untuk Darjah 4", "", ""};
    auto* grades = new QGridLayout;
    auto* group = new QButtonGroup(this);
    group->setExclusive(false);  // all may be up
    for (int i = 0; i < 6; ++i) {
        auto* b = new QPushButton(QStringLiteral("Darjah &%1").arg(i + 1), this);
        b->setObjectName(QStringLiteral("darjah%1").arg(i + 1));
        b->setCheckable(true);
        b->setToolTip(QString::fromLatin1(hints[i]));
        b->setAccessibleName(QStringLiteral("Darjah %1 (Grade %1)").arg(i + 1));
        b->setMinimumSize(170, 56);
        QFont f = b->font();
        f.setPointSizeF(f.pointSizeF() * 1.6);
        f.setBold(true);
        b->setFont(f);
        b->setStyleSheet(QStringLiteral(
            "QPushButton { color: #0000ff; background: qlineargradient(x1:0,y1:0,x2:0,y2:1, stop:0 #ffffff, stop:1 #cfe6ff);"
            " border: 2px solid #5b8bd9; border-radius: 12px; padding: 6px; }"
            "QPushButton:checked { background: #ffe070; border-color: #c08000; }"
            "QPushButton:focus { border-color: #ff6000; }"));
        group->addButton(b, i + 1);
        grades->addWidget(b, i / 3, i % 3);
        darjah[i] = b;
        connect(b, &QPushButton::toggled, this, [this, i](bool down) {
            if (!down)
                return;
            for (int j = 0; j < 6; ++j)
                if (j != i)
                    darjah[j]->setChecked(false);
            emit gradechosen(i + 1);
        });
    }

    bbnexit = new QPushButton(QStringLiteral("E&XIT"), this);
    bbnexit->setObjectName(QStringLiteral("bbnexit"));
    bbnexit->setToolTip(QStringLiteral("Exit/Tamatkan"));
    bbnexit->setAccessibleName(QStringLiteral("Exit/Tamatkan"));
    bbnexit->setMinimumSize(120, 40);
    connect(bbnexit, &QPushButton::clicked, this, [this] {
        Immathtuvo->clear();
        emit exitrequested();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(Immathtuvo);
    layout->addWidget(title);
    layout->addWidget(tajuk);
    layout->addSpacing(24);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(grades);
    centred->addStretch();
    layout->addLayout(centred);
    layout->addSpacing(24);
    auto* exitrow = new QHBoxLayout;
    exitrow->addStretch();
    exitrow->addWidget(bbnexit);
    exitrow->addStretch();
    layout->addLayout(exitrow);
    layout->addStretch(1);

    loadtitle();
}

void Tfrmstart::loadtitle()
{
    media::playsound(QStringLiteral("yahoo"));
    media::showanimation(Immathtuvo, QStringLiteral("mbustry2"));
}

void Tfrmstart::releasegrades()
{
    for (QPushButton* b : darjah) {
        const QSignalBlocker quiet(b);
        b->setChecked(false);
    }
}

void Tfrmstart::mousePressEvent(QMouseEvent* event)
{
    loadtitle();
    QWidget::mousePressEvent(event);
}

void Tfrmstart::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (!paintedonce_) {
        paintedonce_ = true;
        emit painted();
    }
}
