// Tfrmmath, the main frame: a multiple-document window that holds every other MATHtuvo
// window, with the toolbar that moves between them.
#pragma once

#include <QMainWindow>

class QMdiArea;
class QMdiSubWindow;
class QToolButton;

class Tfrmmath : public QMainWindow {
    Q_OBJECT
public:
    explicit Tfrmmath(QWidget* parent = nullptr);

    QMdiArea* mdiarea() const { return mdi_; }
    QToolButton* Spbstart;
    QToolButton* Spbtopics;
    QToolButton* Spbio;
    QToolButton* Spbhelp;
    QToolButton* Spbabout;
    QToolButton* bbnexit;

    // Adds a child window without a caption bar, shown maximised; it is freed with the frame
    // or when closed.
    QMdiSubWindow* addchild(QWidget* child);
    void showchild(QWidget* child);
    // Shows or hides a toolbar button (the topics and exercise buttons come and go).
    void showtoolbutton(QToolButton* button, bool shown);

signals:
    void startpagerequested();
    void topicsrequested();
    void exerciserequested();
    void helprequested();
    void aboutrequested();
    void exitrequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QMdiArea* mdi_;
};
