// The main frame: a multiple-document window that every other MATHtuvo window lives in.
#pragma once

#include <QMainWindow>

class QMdiArea;

class Tfrmmath : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrmmath(QWidget* parent = nullptr);

    QMdiArea* mdiarea() const { return mdi_; }

private:
    QMdiArea* mdi_;
};
