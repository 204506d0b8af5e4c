#include "aboutbox.h"

#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

// The four sums a pupil meets first, each on a coloured counter, on a blue tile.
void drawicon(QPainter& p)
{
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    QLinearGradient sky(0, 2, 0, 62);
    sky.setColorAt(0.0, QColor(0x4a, 0x9c, 0xf0));
    sky.setColorAt(1.0, QColor(0x1c, 0x4f, 0xa0));
    p.fillPath(tile, sky);
    p.setPen(QPen(QColor(0x10, 0x33, 0x70), 1.5));
    p.drawPath(tile);

    const QColor counters[4] = {QColor(0xe5, 0x39, 0x35), QColor(0x43, 0xa0, 0x47),
                                QColor(0xfb, 0x8c, 0x00), QColor(0x8e, 0x24, 0xaa)};
    const QPointF centres[4] = {{20, 20}, {44, 20}, {20, 44}, {44, 44}};
    for (int i = 0; i < 4; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
        p.setBrush(counters[i]);
        p.drawEllipse(centres[i], 11, 11);
    }

    // Strokes rather than font glyphs, so the signs look the same on every machine.
    QPen sign(Qt::white, 3.4, Qt::SolidLine, Qt::RoundCap);
    p.setPen(sign);
    p.setBrush(Qt::white);
    const double arm = 5.5;
    const QPointF plus = centres[0];
    p.drawLine(QPointF(plus.x() - arm, plus.y()), QPointF(plus.x() + arm, plus.y()));
    p.drawLine(QPointF(plus.x(), plus.y() - arm), QPointF(plus.x(), plus.y() + arm));
    const QPointF minus = centres[1];
    p.drawLine(QPointF(minus.x() - arm, minus.y()), QPointF(minus.x() + arm, minus.y()));
    const QPointF times = centres[2];
    const double d = arm * 0.78;
    p.drawLine(QPointF(times.x() - d, times.y() - d), QPointF(times.x() + d, times.y() + d));
    p.drawLine(QPointF(times.x() - d, times.y() + d), QPointF(times.x() + d, times.y() - d));
    const QPointF divide = centres[3];
    p.drawLine(QPointF(divide.x() - arm, divide.y()), QPointF(divide.x() + arm, divide.y()));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(divide.x(), divide.y() - 4.6), 1.9, 1.9);
    p.drawEllipse(QPointF(divide.x(), divide.y() + 4.6), 1.9, 1.9);
}

}  // namespace

QPixmap TAboutBox::programicon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    drawicon(p);
    p.end();
    return QPixmap::fromImage(image);
}

int TAboutBox::showabout(QWidget* parent)
{
    TAboutBox box(parent);
    return box.exec();
}

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent),
      icon_(new QLabel),
      productname_(new QLabel(QStringLiteral("MATHtuvo"))),
      version_(new QLabel(QStringLiteral("Version 3.01(a)"))),
      ok_(new QPushButton(QStringLiteral("OK")))
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About MATHtuvo"));
    setModal(true);

    icon_->setObjectName(QStringLiteral("ProgramIcon"));
    icon_->setPixmap(programicon(72));
    icon_->setFixedSize(80, 80);
    icon_->setAlignment(Qt::AlignCenter);
    icon_->setAccessibleName(QStringLiteral("MATHtuvo icon"));

    productname_->setObjectName(QStringLiteral("ProductName"));
    QFont big = productname_->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    productname_->setFont(big);
    productname_->setStyleSheet(QStringLiteral("color: #1a4f8a;"));

    version_->setObjectName(QStringLiteral("Version"));

    auto* description = new QLabel(QStringLiteral("Maths drill and tutoring for primary pupils, in English and Malay."));
    description->setObjectName(QStringLiteral("Comments"));
    auto* malay = new QLabel(QStringLiteral("Latih tubi dan tunjuk ajar matematik untuk murid sekolah rendah."));
    malay->setObjectName(QStringLiteral("CommentsMalay"));
    malay->setStyleSheet(QStringLiteral("color: #0000c0;"));

    ok_->setObjectName(QStringLiteral("OKButton"));
    ok_->setDefault(true);
    ok_->setAutoDefault(true);
    ok_->setMinimumWidth(88);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addWidget(productname_);
    text->addWidget(version_);
    text->addSpacing(8);
    text->addWidget(description);
    text->addWidget(malay);
    text->addStretch(1);

    auto* panel = new QFrame;
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* panellayout = new QHBoxLayout(panel);
    panellayout->setContentsMargins(12, 12, 16, 12);
    panellayout->setSpacing(14);
    panellayout->addWidget(icon_, 0, Qt::AlignTop);
    panellayout->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setAccessibleName(QStringLiteral("About MATHtuvo"));
    setAccessibleDescription(QStringLiteral("MATHtuvo, Version 3.01(a)"));
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // Centred on the program's window when there is one, else on the screen.
    QRect area;
    if (parentWidget())
        area = parentWidget()->window()->frameGeometry();
    else if (QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid()) {
        QRect box = frameGeometry();
        box.moveCenter(area.center());
        move(box.topLeft());
    }
    ok_->setFocus();
}
