// Tfrmstart, the start page: the title picture, the titles, six grade buttons and EXIT.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

class Tfrmstart : public QWidget {
    Q_OBJECT
public:
    explicit Tfrmstart(QWidget* parent = nullptr);

    QLabel* Immathtuvo;
    QPushButton* darjah[6];  // darjah1..darjah6
    QPushButton* bbnexit;

    // Lifts every grade button (the name was left empty, or the exercise window closed).
    void releasegrades();

signals:
    void gradechosen(int grade);  // 1..6, only when a button went down
    void exitrequested();
    void painted();  // the page has been shown on screen once

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void loadtitle();
    bool paintedonce_ = false;
};
