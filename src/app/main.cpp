// MATHtuvo's start-up: the error handler, the working folder, the main frame with the
// start page.
#include "exhandler.h"
#include "program.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    TGlobalExHandler handler;
    Mathapplication app(argc, argv, handler);
    QApplication::setApplicationName(QStringLiteral("MATHtuvo"));
    QApplication::setApplicationVersion(QStringLiteral("3.01(a)"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Maths drill and tutoring for primary pupils"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption workdir(QStringLiteral("workdir"),
                                     QStringLiteral("Folder with litq.txt, names.txt and progress.txt."),
                                     QStringLiteral("DIR"));
    // For the start-up benchmark: quit as soon as the start page has been painted.
    const QCommandLineOption quitwhenshown(QStringLiteral("quit-when-shown"),
                                           QStringLiteral("Quit once the start page is on screen."));
    options.addOption(workdir);
    options.addOption(quitwhenshown);
    options.process(app);
    if (options.isSet(workdir) && !QDir::setCurrent(options.value(workdir))) {
        std::fprintf(stderr, "mathtuvo: cannot use the folder %s\n", qPrintable(options.value(workdir)));
        return 1;
    }

    Program program(QDir::currentPath().toStdString());
    if (options.isSet(quitwhenshown) || std::getenv("MATHTUVO_QUIT_WHEN_SHOWN"))
        QObject::connect(&program, &Program::startpagepainted, &app, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    program.show();
    return app.exec();
}
