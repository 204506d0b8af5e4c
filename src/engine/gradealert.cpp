// The engine's one message of its own.
#include "numengine.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace digitor {

void gradealert()
{
    static const char text[] = "Invalid Grade!/Salah Darjah!";
    if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("MATHtuvo"), QString::fromUtf8(text),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    } else {
        std::fprintf(stderr, "%s\n", text);
    }
}

}  // namespace digitor
