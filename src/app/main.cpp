// MATHtuvo's start-up: choose the working folder, prove the number engine is there, and
// open the main frame.
#include "frmmath.h"
#include "numbase.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

#include <cstdio>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("MATHtuvo"));
    QApplication::setApplicationVersion(QStringLiteral("3.01(a)"));

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Maths drill and tutoring for primary pupils"));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption workdir(QStringLiteral("workdir"),
                                     QStringLiteral("Folder with litq.txt, names.txt and progress.txt."),
                                     QStringLiteral("DIR"));
    options.addOption(workdir);
    options.process(app);
    if (options.isSet(workdir) && !QDir::setCurrent(options.value(workdir))) {
        std::fprintf(stderr, "mathtuvo: cannot use the folder %s\n", qPrintable(options.value(workdir)));
        return 1;
    }

    // The engine comes from libdigitor; holding one here shows the library is loaded and
    // answering before any lesson needs it.
    std::unique_ptr<Tnumengine> engine(Numengobject());

    Tfrmmath frame;
    frame.show();
    return app.exec();
}
