// TGlobalExHandler: errors that escape an event handler end here instead of ending the
// program. The media player's error is shown; anything else is noted on standard error
// for a developer and the pupil carries on.
#pragma once

#include <QApplication>

#include <exception>
#include <functional>
#include <string>

class TGlobalExHandler {
public:
    // Shows a message to the pupil; replaced by tests.
    std::function<void(const QString&)> show;

    void handle(const std::string& what);
};

class Mathapplication : public QApplication {
public:
    Mathapplication(int& argc, char** argv, TGlobalExHandler& handler);
    bool notify(QObject* receiver, QEvent* event) override;

private:
    TGlobalExHandler& handler_;
};
