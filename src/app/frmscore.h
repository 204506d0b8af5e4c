// Tfrmscore, the topic checklist: the sub-topics a grade offers, "Select All Topics",
// "OK" to start the lesson and "Cancel" to go back to the start page.
#pragma once

#include "lesson/checklist.h"

#include <QWidget>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class Trectbutton;

class Tfrmscore : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmscore(QWidget* parent = nullptr);

    QGroupBox* gbtopic;
    QGroupBox* gbsubtopic;
    QGroupBox* gbarit;
    QGroupBox* gbnumb;
    QGroupBox* gbmeas;
    QCheckBox* cbarit;
    QCheckBox* cbnumb;
    QCheckBox* cbmeas;
    QCheckBox* box[topicboxcount];  // cbplusminus .. cbtime
    QLabel* lblmuplmi;
    QLabel* Lblpercent;
    QLabel* Imgraph;
    QLabel* Imshape;
    Trectbutton* bbtselectall;
    QPushButton* btnok2;
    QPushButton* btncancel2;

    QCheckBox* check(Topicbox b) const { return box[static_cast<int>(b)]; }

    // Shows the sub-topics the grade offers (after the name is confirmed).
    void Btnok1Click(const Checklistlayout& layout);
    void bbtselectallClick();
    // The ticks as they stand now.
    Ticks ticks() const;

signals:
    void lessonrequested();  // "OK"
    void cancelled();        // "Cancel"
    void tickschanged();

private:
    Checklistlayout layout_;
};
