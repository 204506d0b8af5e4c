// Tfrmice, the reward for a run of five: "Yamee", an ice cream to click, and a tune.
#pragma once

#include <QWidget>

class QLabel;

class Tfrmice : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmice(QWidget* parent = nullptr);

    QLabel* Imice;
    QLabel* lblclickice;
    // How long the window stays after the ice is clicked (8.64 s); tests shorten it.
    int closeafterms = 8640;

    void ImiceClick();

signals:
    void closing();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool clicked_ = false;
};
