#include "frmuserid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A small face beside the name box.
QPixmap pupilpicture()
{
    QPixmap pix(64, 64);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0xff, 0xd8, 0x60));
    p.setPen(QPen(QColor(0xc0, 0x80, 0x00), 2));
    p.drawEllipse(4, 4, 56, 56);
    p.setBrush(Qt::black);
    p.drawEllipse(20, 22, 6, 8);
    p.drawEllipse(38, 22, 6, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x80, 0x30, 0x00), 3));
    p.drawArc(18, 26, 28, 22, 200 * 16, 140 * 16);
    return pix;
}

}  // namespace

Tfrmuserid::Tfrmuserid(Namelist& names, const Workfolder& folder, QWidget* parent)
    : QDialog(parent), names_(names), folder_(folder)
{
    setObjectName(QStringLiteral("frmuserid"));
    setWindowTitle(QStringLiteral("User Identification"));
    setToolTip(QStringLiteral("Click button on the right to check existing names/Tekan butan kanan bagi senarai nama yg ada"));
    setModal(true);
    resize(466, 162);

    auto* english = new QLabel(QStringLiteral("Enter or select  your name below  :"), this);
    auto* malay = new QLabel(QStringLiteral("Lengkapkan Name atau pilih dari yang ada  dibawah:"), this);
    malay->setStyleSheet(QStringLiteral("color: #0000ff;"));
    auto* face = new QLabel(this);
    face->setPixmap(pupilpicture());

    Cbxuserid = new QComboBox(this);
    Cbxuserid->setObjectName(QStringLiteral("Cbxuserid"));
    Cbxuserid->setEditable(true);
    Cbxuserid->setInsertPolicy(QComboBox::NoInsert);
    Cbxuserid->setAccessibleName(QStringLiteral("Your name/Nama kamu"));
    Cbxuserid->setMinimumWidth(260);
    english->setBuddy(Cbxuserid);
    // The built-in list until names.txt has some.
    if (names_.names.empty())
        names_.names = {"Ahmad", "Mei Ling"};

    auto* btnok = new QPushButton(QStringLiteral("OK"), this);
    btnok->setObjectName(QStringLiteral("btnok"));
    btnok->setDefault(true);
    connect(btnok, &QPushButton::clicked, this, &Tfrmuserid::btnokClick);
    connect(Cbxuserid->lineEdit(), &QLineEdit::returnPressed, this, &Tfrmuserid::btnokClick);

    auto* text = new QVBoxLayout;
    text->addWidget(english);
    text->addWidget(malay);
    text->addWidget(Cbxuserid);
    auto* row = new QHBoxLayout;
    row->addWidget(face);
    row->addLayout(text, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(row);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnok);
    all->addLayout(buttons);
}

void Tfrmuserid::showEvent(QShowEvent* event)
{
    reload();
    QDialog::showEvent(event);
    Cbxuserid->setFocus();
}

void Tfrmuserid::reload()
{
    const QString typed = Cbxuserid->currentText();
    if (names_.load(folder_) == Workfolder::Status::unreadable)
        fileproblem = true;  // the list keeps what it had
    Cbxuserid->clear();
    for (const auto& n : names_.names)
        Cbxuserid->addItem(QString::fromStdString(n));
    Cbxuserid->setCurrentIndex(-1);
    Cbxuserid->setEditText(typed);
}

QString Tfrmuserid::name() const { return Cbxuserid->currentText(); }

void Tfrmuserid::btnokClick() { accept(); }  // the name is saved once the pupil confirms it
