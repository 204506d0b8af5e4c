// MATHtuvo's start-up: the error handler, the working folder, the main frame with the
// start page.
#include "exhandler.h"
#include "lesson/firststart.h"
#include "program.h"

#include <QCommandLineParser>
#include <QDir>
#include <QTimer>

#include <cstdio>
#include <filesystem>
#include <cstdlib>

int main(int argc, char* argv[])
{
    TGlobalExHandler handler;
    Mathapplication app(argc, argv, handler);
    QApplication::setApplicationName(QStringLiteral("MATHtuvo"));
    QApplication::setApplicationVersion(QStringLiteral("3.01(a)"));
    // Ties the windows to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mathtuvo.mathtuvo"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Maths drill and tutoring for primary pupils"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption workdir(QStringLiteral("workdir"),
                                     QStringLiteral("Folder with litq.txt, names.txt and progress.txt "
                                                    "(default: MATHTUVO_HOME, else XDG_DATA_HOME/mathtuvo, "
                                                    "else ~/.local/share/mathtuvo)."),
                                     QStringLiteral("DIR"));
    // For the start-up benchmark: quit as soon as the start page has been painted.
    const QCommandLineOption quitwhenshown(QStringLiteral("quit-when-shown"),
                                           QStringLiteral("Quit once the start page is on screen."));
    options.addOption(workdir);
    options.addOption(quitwhenshown);
    options.process(app);

    // The pupil's own folder unless one is named, so a start from the desktop menu finds
    // the names and progress of the last one. A new or incomplete folder gets what the
    // program shipped with (installed beside it, or the source tree's data/ for a run from
    // the build folder); nothing already there is touched.
    QString folder = options.value(workdir);
    if (folder.isEmpty())
        folder = QString::fromStdString(
            userworkfolder(std::getenv("MATHTUVO_HOME"), std::getenv("XDG_DATA_HOME"), std::getenv("HOME")).string());
    if (folder.isEmpty())
        folder = QDir::currentPath();
    const std::filesystem::path installed =
        std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) / MATHTUVO_SHARE_FROM_BIN / "data";
    const Fillresult filled =
        fillworkfolder(folder.toStdString(), shippeddata(installed, MATHTUVO_SOURCE_DATA));
    if (!filled.ok)
        std::fprintf(stderr, "mathtuvo: %s\n", filled.error.c_str());
    if (!QDir::setCurrent(folder)) {
        std::fprintf(stderr, "mathtuvo: cannot use the folder %s\n", qPrintable(folder));
        return 1;
    }

    Program program(QDir::currentPath().toStdString());
    if (options.isSet(quitwhenshown) || std::getenv("MATHTUVO_QUIT_WHEN_SHOWN"))
        QObject::connect(&program, &Program::startpagepainted, &app, [] { QTimer::singleShot(0, qApp, &QApplication::quit); });
    program.show();
    return app.exec();
}
