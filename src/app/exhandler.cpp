#include "exhandler.h"

#include <QMessageBox>

#include <cstdio>

void TGlobalExHandler::handle(const std::string& what)
{
    std::fprintf(stderr, "mathtuvo: error in an event handler: %s\n", what.c_str());
    if (what.find("Emcideviceerror") != std::string::npos) {
        const QString text = QStringLiteral("Either the media player is NOT installed or Busy!");
        if (show)
            show(text);
        else
            QMessageBox::warning(nullptr, QStringLiteral("MATHtuvo"), text);
    }
}

Mathapplication::Mathapplication(int& argc, char** argv, TGlobalExHandler& handler)
    : QApplication(argc, argv), handler_(handler)
{
}

bool Mathapplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        handler_.handle(e.what());
    } catch (...) {
        handler_.handle("unknown error");
    }
    return false;
}
