// A lesson wired to in-memory screen fakes, a working folder of its own and a generator of
// the test's choice (Scriptedrandom to choose each draw, Randomsource for seeded runs).
#pragma once

#include "lesson/lesson.h"
#include "support/fakes.h"
#include "support/scriptedrandom.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

// A fresh, empty folder under the system's temporary folder, removed afterwards.
class Tempfolder {
public:
    Tempfolder()
        : path(std::filesystem::temp_directory_path() /
               ("mathtuvo-rig-" + std::to_string(std::random_device{}()) + "-" + std::to_string(++counter())))
    {
        std::filesystem::create_directories(path);
    }
    ~Tempfolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    Tempfolder(const Tempfolder&) = delete;
    Tempfolder& operator=(const Tempfolder&) = delete;

    // Writes a text file the way old installations did: one line each, ended by CR LF.
    void write(const std::string& name, const std::vector<std::string>& lines) const
    {
        std::ofstream out(path / name, std::ios::binary);
        for (const auto& line : lines)
            out << line << "\r\n";
    }

    const std::filesystem::path path;

private:
    static int& counter()
    {
        static int n = 0;
        return n;
    }
};

template <class Generator>
struct Rig {
    Tempfolder dir;
    Recordingbox box;
    Recordingview view;
    Workfolder folder{dir.path};
    Generator random;
    Lesson lesson{box, view, folder, random};

    // A lesson of the grade with only the arithmetic ticks given, as "OK" starts it.
    void start(int grade, bool plus, bool multi = false, bool divide = false)
    {
        lesson.state.gradebutton = "darjah" + std::to_string(grade);
        lesson.props.studentname = "Ali";
        lesson.ticks = Ticks{};
        lesson.ticks.plusminus = plus;
        lesson.ticks.multi = multi;
        lesson.ticks.divide = divide;
        lesson.btnok2Click();
    }
};

// What a pupil who has worked the question out types, by the marking rules: the first
// number, the second without its sign, or the result (with its remainder when there is one).
inline std::string rightanswer(const LessonState& s)
{
    switch (s.blank) {
    case 0: return std::to_string(s.firstnum);
    case 1: return std::to_string(std::abs(s.secondnum));
    default:
        return s.remainder > 0 ? std::to_string(s.resultnum) + " remainder " + std::to_string(s.remainder)
                               : s.answertext;
    }
}
