// Tfrmuserid, the pupil identification dialog over "names.txt".
#pragma once

#include "lesson/names.h"

#include <QDialog>

class QComboBox;

class Tfrmuserid : public QDialog {
    Q_OBJECT
public:
    Tfrmuserid(Namelist& names, const Workfolder& folder, QWidget* parent = nullptr);

    QComboBox* Cbxuserid;
    QString name() const;

    // Set when names.txt could not be read, for the caller to report once.
    bool fileproblem = false;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    void btnokClick();
    Namelist& names_;
    const Workfolder& folder_;
};
