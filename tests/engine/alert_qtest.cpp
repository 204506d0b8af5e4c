// While the program runs, a refused grade shows the engine's message in a modal box.
#include "numengine.h"

#include <QApplication>
#include <cstring>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

class Gradealerttest : public QObject {
    Q_OBJECT
private slots:
    void refusedgradeshowsonemodalbox()
    {
        QStringList seen;
        // Answer every box that comes up, and note what it said.
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->text();
                box->accept();
            }
        });
        answerer.start(10);

        Tnumengimpl engine;
        Tfractionq q;
        std::memset(&q, 0xAB, sizeof q);
        engine.fractionmul(3, q);  // multiplication starts in grade 4

        QCOMPARE(seen, QStringList{QStringLiteral("Invalid Grade!/Salah Darjah!")});
        const Tfractionq zero{};
        QVERIFY(std::memcmp(&q, &zero, sizeof q) == 0);
    }
};

QTEST_MAIN(Gradealerttest)
#include "alert_qtest.moc"
