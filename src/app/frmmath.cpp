#include "frmmath.h"

#include <QBrush>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QColor>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace {

// Toolbar pictures drawn here, so they stay sharp at any size.
QIcon drawnicon(int kind)
{
    QPixmap pix(32, 32);
    pix.fill(Qt::transparent);
    QPainter p(&pix);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x40, 0x90), 2));
    switch (kind) {
    case 0:  // start page: a house
        p.setBrush(QColor(0xff, 0xd0, 0x60));
        p.drawPolygon(QPolygon({QPoint(4, 16), QPoint(16, 4), QPoint(28, 16)}));
        p.setBrush(QColor(0xff, 0xf0, 0xc0));
        p.drawRect(8, 16, 16, 12);
        break;
    case 1:  // topics: a ticked list
        p.setBrush(Qt::white);
        p.drawRect(5, 4, 22, 24);
        p.setPen(QPen(QColor(0x00, 0x90, 0x00), 3));
        p.drawLine(9, 12, 12, 15);
        p.drawLine(12, 15, 18, 8);
        p.drawLine(9, 22, 12, 25);
        p.drawLine(12, 25, 18, 18);
        break;
    case 2:  // exercise: a pencil on a sum
        p.setBrush(Qt::white);
        p.drawRect(4, 6, 20, 20);
        p.drawText(QRect(4, 6, 20, 20), Qt::AlignCenter, QStringLiteral("+"));
        p.setBrush(QColor(0xff, 0xc0, 0x00));
        p.drawPolygon(QPolygon({QPoint(22, 4), QPoint(28, 10), QPoint(16, 24), QPoint(12, 26), QPoint(14, 20)}));
        break;
    default:  // help: a question mark in a circle
        p.setBrush(QColor(0xc0, 0xe0, 0xff));
        p.drawEllipse(3, 3, 26, 26);
        QFont f = p.font();
        f.setBold(true);
        f.setPixelSize(20);
        p.setFont(f);
        p.drawText(QRect(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    return QIcon(pix);
}

QToolButton* toolbutton(QToolBar* bar, const char* name, const QString& text, const QString& hint)
{
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setAccessibleName(hint.isEmpty() ? text : hint);
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addWidget(b);
    return b;
}

}  // namespace

Tfrmmath::Tfrmmath(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("frmmath"));
    setWindowTitle(QStringLiteral("MATHtuvo"));
    mdi_->setObjectName(QStringLiteral("mdiarea"));
    mdi_->setFrameShape(QFrame::NoFrame);  // no sunken edge
    QLinearGradient sky(0, 0, 0, 900);
    sky.setColorAt(0.0, QColor(0xd8, 0xec, 0xff));
    sky.setColorAt(1.0, QColor(0x8c, 0xc4, 0xf0));
    mdi_->setBackground(QBrush(sky));
    setCentralWidget(mdi_);

    auto* bar = addToolBar(QStringLiteral("MATHtuvo"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(28, 28));
    Spbstart = toolbutton(bar, "Spbstart", QStringLiteral("Start"), QStringLiteral("Start Page/Muka Permulaan"));
    Spbtopics = toolbutton(bar, "Spbtopics", QStringLiteral("Topics"), QStringLiteral("Topics Selection/Pilihan Topik"));
    Spbio = toolbutton(bar, "Spbio", QStringLiteral("Exercise"),
                       QStringLiteral("Tutoring & Exercise Page/Muka Tunjuk Ajar & Latihan"));
    Spbstart->setIcon(drawnicon(0));
    Spbtopics->setIcon(drawnicon(1));
    Spbio->setIcon(drawnicon(2));
    auto* group = new QButtonGroup(this);  // group 1: one page at a time
    for (QToolButton* b : {Spbstart, Spbtopics, Spbio}) {
        b->setCheckable(true);
        group->addButton(b);
    }
    Spbstart->setChecked(true);
    bar->addSeparator();
    Spbhelp = toolbutton(bar, "Spbhelp", QStringLiteral("Help"), QStringLiteral("Help/Bantuan"));
    Spbhelp->setIcon(drawnicon(3));
    Spbhelp->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Spbabout = toolbutton(bar, "Spbabout", QStringLiteral("About"), QString());
    Spbabout->setAccessibleName(QStringLiteral("About MATHtuvo/Tentang MATHtuvo"));
    bar->addSeparator();
    bbnexit = toolbutton(bar, "bbnexit", QStringLiteral("EXIT"), QStringLiteral("Exit/Tamatkan"));
    bbnexit->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // A QToolBar hides widgets through their actions, so keep the two page buttons' actions.
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == Spbtopics || bar->widgetForAction(a) == Spbio)
            a->setVisible(false);

    connect(Spbstart, &QToolButton::clicked, this, &Tfrmmath::startpagerequested);
    connect(Spbtopics, &QToolButton::clicked, this, &Tfrmmath::topicsrequested);
    connect(Spbio, &QToolButton::clicked, this, &Tfrmmath::exerciserequested);
    connect(Spbhelp, &QToolButton::clicked, this, &Tfrmmath::helprequested);
    connect(Spbabout, &QToolButton::clicked, this, &Tfrmmath::aboutrequested);
    connect(bbnexit, &QToolButton::clicked, this, &Tfrmmath::exitrequested);
    resize(1000, 720);
}

QMdiSubWindow* Tfrmmath::addchild(QWidget* child)
{
    child->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(child, Qt::FramelessWindowHint);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->showMaximized();
    return sub;
}

void Tfrmmath::showchild(QWidget* child)
{
    if (!child)
        return;
    for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (sub->widget() == child) {
            sub->showMaximized();
            mdi_->setActiveSubWindow(sub);
            return;
        }
    }
}

void Tfrmmath::showtoolbutton(QToolButton* button, bool shown)
{
    auto* bar = findChild<QToolBar*>(QStringLiteral("toolbar"));
    for (QAction* a : bar->actions())
        if (bar->widgetForAction(a) == button)
            a->setVisible(shown);
}

void Tfrmmath::closeEvent(QCloseEvent* event)
{
    emit exitrequested();
    // The program hides the frame when it leaves; a pupil who chose to stay keeps it.
    if (isVisible())
        event->ignore();
    else
        event->accept();
}
