// The progress report: a table of pupils, grades and the tests they passed, kept in
// "progress.txt". The file layout is shared with older installations: the column count,
// the row count, six column widths, then every cell column by column, one per line.
#pragma once

#include "lessonstate.h"
#include "workfolder.h"

#include <array>
#include <string>
#include <vector>

class Progressgrid {
public:
    static constexpr int columncount = 15;
    static constexpr const char* firstcell = "Name/Nama";

    Progressgrid();  // a header row with "Name/Nama" and one empty row

    int rowcount() const;
    // Outside the table cell() reads "" and setcell() does nothing. A line break in a cell
    // becomes a blank, as each cell is one line of the file.
    const std::string& cell(int column, int row) const;
    void setcell(int column, int row, std::string text);
    void appendrow();

    // Display widths in pixels of columns 0, 1, 5, 9, 13 and 14.
    std::array<int, 6> widths{};

    // The file's lines to the table and back. fromlines leaves the table as it was and
    // returns false when the lines are not a progress table.
    bool fromlines(const std::vector<std::string>& lines);
    std::vector<std::string> tolines() const;

    // Reads "progress.txt"; on any failure the table keeps what it held. A file with other
    // than 15 columns fills the first columns, or keeps its extra columns for saving; lines
    // after the table are kept for saving too. A file cut short is used as far as it can be
    // read: every cell still there is shown. An empty file, or one that holds no table, is replaced by the copy kept
    // at the last save ("progress.txt.bak") when that one is whole; otherwise an empty file
    // counts as missing and any other as unreadable.
    Workfolder::Status load(const Workfolder& folder);
    // Writes the table. After a damaged file was read, that file is first kept under a name
    // of its own ("progress.txt.damaged"), so nothing that was in it is destroyed.
    bool save(const Workfolder& folder);

    // What the last load found wrong with the file, in both languages; empty when nothing.
    const std::string& warning() const { return warning_; }

private:
    bool restore(const Workfolder& folder);

    std::vector<std::vector<std::string>> cells_;  // [column][row]
    std::vector<std::string> trailing_;            // lines after the table, written back as read
    bool repaired_ = false;                        // the file read was damaged
    std::string warning_;
};

enum class Recorded {
    counted,    // a pupil's row was counted up and saved
    appended,   // a new row was added and saved
    nottimed,   // no timed test running: nothing recorded
    unreadable, // the table could not be loaded from the file: nothing recorded
    notsaved,   // recorded in the table, but the file could not be written
};

// Records a passed test for the pupil at the grade, by the topics the test could ask. The table is
// read again from the file first; a file that is there but holds no table headed
// "Name/Nama" is never written over.
Recorded recordpassedtest(Progressgrid& grid, const Workfolder& folder, const std::string& name,
                          int grade, const Ticks& ticks, bool timerdown);
