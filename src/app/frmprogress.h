// TFrmprogress, the progress report: the table of "progress.txt", reloaded whenever shown.
#pragma once

#include "lesson/progress.h"

#include <QDialog>

class QLabel;
class QTableWidget;

class TFrmprogress : public QDialog {
    Q_OBJECT
public:
    TFrmprogress(Progressgrid& grid, const Workfolder& folder, QWidget* parent = nullptr);

    QTableWidget* sgrprogress;
    QLabel* lblwarning;  // what is wrong with progress.txt, when anything is
    void loadgrid();  // the file into the table; the table keeps its content on failure

signals:
    void closedbyok();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void filltable();
    Progressgrid& grid_;
    const Workfolder& folder_;
};
