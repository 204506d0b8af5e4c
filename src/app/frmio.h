// Tfrmio, the exercise window: the question box, the answer box, the question and mode
// buttons and the question picture. It is the screen the lesson core writes to.
#pragma once

#include "lesson/ports.h"

#include <QList>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimer;
class Trectbutton;
class Lesson;
class Picturepane;
class Tutorialpane;

class Tfrmio : public QWidget, public Questionbox, public Exerciseview {
    Q_OBJECT
public:
    Tfrmio(Lesson& lesson, QWidget* parent = nullptr);
    ~Tfrmio() override;

    // Components, by the names the lesson knows them by.
    QTextEdit* redposeq;
    QLineEdit* edtjawap;
    QCheckBox* cbmarking;
    QLabel* lblbonuslabel;
    QLabel* lblbonus;
    QLabel* Imbonus4;
    QPushButton* Spbeng;
    QPushButton* Spbmal;
    Trectbutton* spbpractice;
    Trectbutton* Spbtimer;
    Trectbutton* btnnewq;
    Trectbutton* btnnewvar;
    Trectbutton* Bbnexample;
    Trectbutton* btnchkprogress;
    Trectbutton* Spbexample;
    QTimer* Tmr15min;
    Picturepane* picture;
    Tutorialpane* tutorial;  // the tutorial layout's controls

    // Questionbox.
    void clear() override;
    void setcolour(uint32_t bgr) override;
    void setfont(const std::string& name, int size, bool bold, bool italic) override;
    void addline(const std::string& text) override;
    std::string text() const override;

    // Exerciseview.
    bool englishdown() const override;
    bool malaydown() const override;
    bool practicedown() const override;
    void setpracticedown(bool down) override;
    bool timerdown() const override;
    void settimerdown(bool down) override;
    void settimercaption(const std::string& caption) override;
    void settimerline2(const std::string& line2) override;
    void settimerhint(const std::string& hint) override;
    void setminutetimer(bool enabled) override;
    void setmarking(bool ticked) override;
    void clearanswer() override;
    void focusanswer() override;
    void setbonuslabel(const std::string& text) override;
    void showcheer(bool shown) override;
    void clearexamplelink() override;
    void offerexamplelink() override;
    void message(const std::string& text) override;
    void playsound(const std::string& name) override;
    void openreward() override;
    void setpicture(int kind) override;

    // The "Tutorials" button flips the exercise and tutorial layouts; "Example" opens the
    // tutorial the question links to.
    void SpbexampleClick();
    void SpbexampleMouseUp();
    void BbnexampleClick();
    bool tutorialshown() const;

signals:
    void progressrequested();
    void rewardrequested();

private:
    void edtjawapKeyPress();
    void cbmarkingMouseUp();
    Lesson& lesson_;
    QColor colour_;
    QFont font_;
    bool markingbyprogram_ = false;
    bool emptied_ = false;  // nothing added since clear() (the first box holds a blank page)
    QWidget* tutorialrow_;  // the tree and the player's buttons
    QList<QWidget*> exercisewidgets_;
    QList<bool> exercisevisible_;  // as they were when the tutorial layout came up
};
