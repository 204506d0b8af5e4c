#include "frmmath.h"

#include <QBrush>
#include <QColor>
#include <QLinearGradient>
#include <QMdiArea>

Tfrmmath::Tfrmmath(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmmath"));
    setWindowTitle(QStringLiteral("MATHtuvo"));
    mdi_->setObjectName(QStringLiteral("mdiarea"));
    // A calm sky-blue backdrop behind the pupil's windows.
    QLinearGradient sky(0, 0, 0, 900);
    sky.setColorAt(0.0, QColor(0xd8, 0xec, 0xff));
    sky.setColorAt(1.0, QColor(0x8c, 0xc4, 0xf0));
    mdi_->setBackground(QBrush(sky));
    setCentralWidget(mdi_);
    resize(1000, 720);
}
