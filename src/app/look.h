// The windows' shared look.
#pragma once

#include <QColor>
#include <QWidget>

// The grey of the old windows' faces, behind the checklist and the exercise window.
inline const QColor windowface(0xd4, 0xd0, 0xc8);

inline void setbackground(QWidget* window, const QColor& colour)
{
    window->setAutoFillBackground(true);
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, colour);
    window->setPalette(pal);
}
