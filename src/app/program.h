// The running program: the working folder, the lesson core and every window, and the way
// from the start page through the name and the topics to a lesson.
#pragma once

#include "lesson/lesson.h"
#include "lesson/names.h"
#include "measure/measurefamily.h"
#include "numbers/numberfamily.h"
#include "numbase.h"

#include <QObject>
#include <QPointer>

#include <filesystem>
#include <memory>

class Tfrmmath;
class Tfrmstart;
class Tfrmscore;
class Tfrmio;
class TFrmprogress;
class Tfrmice;

// The lesson core talks to whichever exercise window is open now.
class Ioforward final : public Questionbox, public Exerciseview {
public:
    QPointer<Tfrmio> window;

    void clear() override;
    void setcolour(uint32_t bgr) override;
    void setfont(const std::string& name, int size, bool bold, bool italic) override;
    void addline(const std::string& text) override;
    std::string text() const override;
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
};

class Program : public QObject {
    Q_OBJECT
public:
    explicit Program(const std::filesystem::path& workdir);
    ~Program() override;

    Workfolder folder;
    Randomsource random;
    Ioforward io;
    Lesson lesson;
    Namelist names;
    std::unique_ptr<Numberfamily> numbers;    // made when the pupil's name is confirmed
    std::unique_ptr<Measurefamily> measures;  // likewise

    Tfrmmath* frmmath = nullptr;
    TFrmprogress* frmprogress = nullptr;
    QPointer<Tfrmstart> frmstart;
    QPointer<Tfrmscore> frmscore;
    QPointer<Tfrmio> frmio;
    QPointer<Tfrmice> frmice;

    void show();
    void darjahClick(int grade);
    void getusername();
    void btnok2Click();
    void btncancel2Click();
    void showprogress();
    void openreward();
    void exit();

signals:
    void startpagepainted();

private:
    const QObject* shownio_ = nullptr;  // the exercise window of the lesson under way
    void showstartpage();
    void reportfile(const char* key, const QString& text);
};
