// The exercise window's tutorial layout: the tree of worked examples, the two pictures (one
// plays the animation, the other shows single frames while the pupil steps), the player's
// buttons and the loading signs. Tfrmio owns it and flips between it and the exercise layout.
#pragma once

#include "tutorial/script.h"
#include "tutorial/stepper.h"
#include "widgets/gifmovie.h"

#include <QLabel>
#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class QGroupBox;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QTimer;
class QTreeWidget;
class QTreeWidgetItem;

// A picture that fills its box but keeps its shape, centred, however the window is sized.
class Tutorialpicture : public QLabel {
    Q_OBJECT
public:
    explicit Tutorialpicture(QWidget* parent);
    bool haspicture() const { return !pixmap().isNull(); }
    QSize sizeHint() const override { return {433, 273}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

class Tutorialpane : public QObject, private tutorial::Stepview {
    Q_OBJECT
public:
    // questionbox: stepping ends once it is shown again (the exercise layout is back).
    Tutorialpane(QWidget* window, QWidget* questionbox);
    ~Tutorialpane() override;

    QTreeWidget* Lbxexample;
    Tutorialpicture* Imexample;
    Tutorialpicture* Impartexample;
    QPushButton* Spbstopanimate;
    QPushButton* Spbrestart;
    QPushButton* Btbprevious;
    QPushButton* Btbnext;
    QGroupBox* gbxgifjump;
    QPushButton* Spbjump1_4;
    QPushButton* Spbjump1_2;
    QPushButton* Spbjump3_4;
    QProgressBar* Pbexample;
    QLabel* lblloading;
    QLabel* lbldisedia;
    QStatusBar* sbexample;
    QLabel* lblreturn;
    QLabel* lblreturn2;
    Gifplayer* player;  // plays into Imexample

    int paintedframe = 0;
    int currentframe() const { return stepper_.current(); }
    bool steppingnow() const { return stepper_.running(); }

    // Where the pictures and scripts come from: the program's resources unless a test
    // lends its own. A missing one is an empty movie or an empty text.
    std::function<Gifmovie(const QString& name)> gifsource;
    std::function<QByteArray(const QString& name)> scriptsource;
    // The stepping clock; a test replaces both and calls steptick() itself.
    std::function<void(int ms)> armtimer;
    std::function<void()> disarmtimer;
    void steptick() { stepper_.tick(); }

    // Every control of the tutorial layout, in the order they are shown.
    QList<QWidget*> layoutwidgets() const;
    QList<QWidget*> playercontrols() const;
    void setcontrolsenabled(bool enabled);
    void clearpictures();
    void collapseall();
    // The first node, topics and leaves in display order, with this caption.
    QTreeWidgetItem* findnode(const QString& caption) const;
    std::optional<int> markframe(const std::string& mark) const;

    enum class Loadstage { starting, running, ending };
    void LbxexampleChange(QTreeWidgetItem* node);
    void LbxexampleExpanding(QTreeWidgetItem* node);
    void LbxexampleCollapsing(QTreeWidgetItem* node);
    bool loadgif(Tutorialpicture* target, const QString& name);
    void onProgress(Loadstage stage, int percent, const QString& message);
    void onanimate(int frame);
    void SpbstopanimateClick();
    void SpbrestartClick();
    void BtbpreviousClick() { playfrom(1, tutorial::Stepmode::back); }
    void BtbnextClick() { playfrom(1, tutorial::Stepmode::next); }
    void Spbjump1_4Click() { playfrom(1, tutorial::Stepmode::jump); }
    void Spbjump1_2Click() { playfrom(2, tutorial::Stepmode::jump); }
    void Spbjump3_4Click() { playfrom(3, tutorial::Stepmode::jump); }
    // at: the start frame for Stepmode::at (a question's link into the tutorial).
    void playfrom(int jumpquarter, tutorial::Stepmode mode, int at = 0);

private:
    // Stepview.
    void showframe(int frame) override;
    int delayms(int frame) const override;
    bool paused() const override;
    bool stepping() const override;
    void restart() override;
    void arm(int ms) override;
    void disarm() override;

    void describe(int frame);
    void buildtree();

    QWidget* window_;
    QWidget* questionbox_;
    QTimer* steptimer_;
    tutorial::Stepper stepper_;
    std::optional<tutorial::Script> script_;
    bool busy_ = false;  // the busy cursor is on
};
