#include "picturepane.h"

#include "lesson/lesson.h"
#include "widgets/qtcanvas.h"
#include "wordq/picturetext.h"
#include "wordq/poselitq.h"

#include <QPainter>

Picturepane::Picturepane(Lesson& lesson, QWidget* parent) : QWidget(parent), lesson_(lesson)
{
    setFixedSize(int((right - left + 10) * zoom), int((bottom - top + 10) * zoom));
    setAccessibleName(QStringLiteral("Question picture/Gambar soalan"));
}

int Picturepane::kind() const { return lesson_.litq ? lesson_.litq->picturekind : 0; }

void Picturepane::describe()
{
    const Picturetext words = describepicture(kind(), lesson_.picture);
    setAccessibleDescription(words.english.empty()
                                 ? QString()
                                 : QString::fromStdString(words.english) + QStringLiteral(" / ") +
                                       QString::fromStdString(words.malay));
}

void Picturepane::paintEvent(QPaintEvent*)
{
    const int k = kind();
    if (k == 0 || !lesson_.litq)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(rect(), Qt::white);
    painter.scale(zoom, zoom);
    painter.translate(-left + 5, -top + 5);
    Qtcanvas canvas(painter);
    paintpicture(canvas, static_cast<uint32_t>(k), lesson_.picture, lesson_.litq->scale);
}
