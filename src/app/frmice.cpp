#include "frmice.h"

#include "look.h"

#include "media.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

Tfrmice::Tfrmice(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmice"));
    setWindowTitle(QStringLiteral("Yamee"));
    setbackground(this, Qt::yellow);
    setFocusPolicy(Qt::StrongFocus);

    lblclickice = new QLabel(QStringLiteral("Click on the Ice"), this);
    lblclickice->setObjectName(QStringLiteral("lblclickice"));
    QFont f = lblclickice->font();
    f.setPointSizeF(f.pointSizeF() * 2.2);
    f.setBold(true);
    lblclickice->setFont(f);
    lblclickice->setStyleSheet(QStringLiteral("color: #c00000;"));
    lblclickice->setAlignment(Qt::AlignCenter);

    Imice = new QLabel(this);
    Imice->setObjectName(QStringLiteral("Imice"));
    Imice->setFixedSize(249, 337);
    Imice->setScaledContents(true);
    Imice->setPixmap(QPixmap::fromImage(media::picture(QStringLiteral("ice"))));
    Imice->setCursor(Qt::PointingHandCursor);
    Imice->setAccessibleName(QStringLiteral("Click on the Ice (or press Enter)/Tekan aiskrim"));
    Imice->installEventFilter(this);

    auto* all = new QVBoxLayout(this);
    all->addStretch();
    all->addWidget(lblclickice, 0, Qt::AlignHCenter);
    all->addWidget(Imice, 0, Qt::AlignHCenter);
    all->addStretch();
}

bool Tfrmice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Imice && event->type() == QEvent::MouseButtonRelease) {
        ImiceClick();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrmice::keyPressEvent(QKeyEvent* event)
{
    // The ice can be had from the keyboard too.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        ImiceClick();
    else
        QWidget::keyPressEvent(event);
}

void Tfrmice::ImiceClick()
{
    if (clicked_)
        return;
    clicked_ = true;
    const QPointer<Tfrmice> self(this);
    auto noplayer = [self] {
        if (!self)
            return;
        QMessageBox::information(self, QStringLiteral("MATHtuvo"),
                                 QStringLiteral("Either the media player is not installed or busy\nWait for one minute to time out"));
        if (self)
            emit self->closing();
    };
    if (!media::playtune(QStringLiteral("test.mid"), noplayer)) {
        noplayer();
        return;
    }
    // The tune plays on while the window waits, without holding up anything else.
    QTimer::singleShot(closeafterms, this, [this] { emit closing(); });
}
