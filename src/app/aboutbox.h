// The about box: the program icon, the product name and its version.
#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    // "About" on the toolbar: a new box each time, shown modally; returns when OK closes it.
    static int showabout(QWidget* parent);

    // The program's icon, drawn rather than shipped so it is sharp at any size; the frame
    // can use it as its window icon too.
    static QPixmap programicon(int size);

    QLabel* icon() const { return icon_; }
    QLabel* productname() const { return productname_; }
    QLabel* version() const { return version_; }
    QPushButton* okbutton() const { return ok_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* icon_;
    QLabel* productname_;
    QLabel* version_;
    QPushButton* ok_;
};
