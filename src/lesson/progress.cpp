#include "progress.h"
#include "text.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace {

const char* const progressfile = "progress.txt";
const char* const bom = "\xEF\xBB\xBF";

// The shipped file's headers, for a new table and for headers a damaged file lost.
const char* const headers[Progressgrid::columncount] = {
    Progressgrid::firstcell, "Darjah", "+/-", "x", "\xC3\xB7", "+-x\xC3\xB7", "Whole/Nombor", "Fractions/Pecahan",
    "Decimals/Perpuluhan", "All/Semua", "g/kg", "cm/m", "RM/$", "Time/Masa", "All/Semua"};

bool tonumber(const std::string& text, long long& value)
{
    const std::string t = trimmed(text);
    const char* first = t.data();
    const char* last = t.data() + t.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last && first != last;
}

// The counter columns a passed test adds to, by the boxes ticked: a whole topic set ticked
// has a column of its own instead of one per box.
std::vector<int> countercolumns(const Ticks& t)
{
    std::vector<int> cols;
    const auto group = [&cols](std::initializer_list<bool> boxes, int first, int all) {
        if (std::all_of(boxes.begin(), boxes.end(), [](bool b) { return b; })) {
            cols.push_back(all);
            return;
        }
        int c = first;
        for (const bool b : boxes) {
            if (b)
                cols.push_back(c);
            ++c;
        }
    };
    group({t.plusminus, t.multi, t.divide}, 2, 5);
    group({t.num, t.fract, t.deci}, 6, 9);
    group({t.kg, t.cm, t.rm, t.time}, 10, 14);
    return cols;
}

}  // namespace

// Widths of columns 0, 1, 5, 9, 13 and 14: the name needs room, the grade digit little,
// the counters enough for their header texts. The other columns take the grid's default.
Progressgrid::Progressgrid()
    : widths{120, 40, 48, 48, 48, 48},
      cells_(columncount, std::vector<std::string>(2))
{
    // A new file gets the headers the shipped one has, never blank ones.
    for (int c = 0; c < columncount; ++c)
        cells_[c][0] = headers[c];
}

int Progressgrid::rowcount() const
{
    return static_cast<int>(cells_[0].size());
}

const std::string& Progressgrid::cell(int column, int row) const
{
    static const std::string none;
    if (column < 0 || column >= static_cast<int>(cells_.size()) || row < 0 || row >= rowcount())
        return none;
    return cells_[column][row];
}

void Progressgrid::setcell(int column, int row, std::string text)
{
    if (column < 0 || column >= static_cast<int>(cells_.size()) || row < 0 || row >= rowcount())
        return;
    // One cell is one line of the file; a line break would shift every cell after it.
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    while (text.starts_with(bom))  // it would be dropped when the file is read again
        text.erase(0, 3);
    cells_[column][row] = std::move(text);
}

void Progressgrid::appendrow()
{
    for (auto& column : cells_)
        column.emplace_back();
}

bool Progressgrid::fromlines(const std::vector<std::string>& lines)
{
    long long columns = 0, rows = 0;
    if (lines.size() < 9 || !tonumber(lines[0], columns) || !tonumber(lines[1], rows))
        return false;
    const auto cellcount = static_cast<long long>(lines.size()) - 8;
    if (columns < 1 || rows < 1 || columns > 4096 || rows > cellcount)
        return false;
    bool repaired = false;
    std::vector<std::string> trailing;
    if (columns * rows < cellcount) {
        // Lines after the table are not ours to drop: they are written back after it, as
        // they stand, so the file reads the same way again.
        trailing.assign(lines.begin() + 8 + columns * rows, lines.end());
    } else if (columns * rows > cellcount) {
        // Cut short: every cell still there is shown, the rest stay empty. A "table" that is
        // mostly missing is not one.
        if (columns * rows > 4 * cellcount + 64)
            return false;
        repaired = true;
    }

    for (int i = 0; i < 6; ++i) {
        long long w = 0;
        // A width is only looks: a bad one keeps the width the column had.
        if (tonumber(lines[2 + i], w) && w >= 0 && w <= INT_MAX)
            widths[i] = static_cast<int>(w);
    }
    // A file with fewer columns fills the first ones; one with more keeps the extra
    // columns, so saving never drops what another installation wrote.
    cells_.assign(std::max<long long>(columns, columncount), std::vector<std::string>(rows));
    auto line = lines.begin() + 8;
    for (long long c = 0; c < columns; ++c)
        for (long long r = 0; r < rows && line != lines.end(); ++r)
            cells_[c][r] = *line++;
    if (repaired)
        for (int c = 0; c < columncount; ++c)
            if (trimmed(cells_[c][0]).empty())
                cells_[c][0] = headers[c];
    trailing_ = std::move(trailing);
    repaired_ = repaired;
    return true;
}

std::vector<std::string> Progressgrid::tolines() const
{
    std::vector<std::string> lines;
    lines.reserve(8 + cells_.size() * cells_[0].size());
    lines.push_back(std::to_string(cells_.size()));
    lines.push_back(std::to_string(rowcount()));
    for (const int w : widths)
        lines.push_back(std::to_string(w));
    for (const auto& column : cells_)
        lines.insert(lines.end(), column.begin(), column.end());
    lines.insert(lines.end(), trailing_.begin(), trailing_.end());
    return lines;
}

Workfolder::Status Progressgrid::load(const Workfolder& folder)
{
    warning_.clear();
    const auto file = folder.readlines(progressfile);
    if (file.status == Workfolder::Status::missing)
        return file.status;
    if (file.status == Workfolder::Status::ok && !file.lines.empty() && fromlines(file.lines)) {
        if (repaired_)
            warning_ = "Part of \"progress.txt\" was damaged: every row that could be read is shown./"
                       "Sebahagian \"progress.txt\" rosak: setiap baris yang dapat dibaca ditunjukkan.";
        else if (!trailing_.empty())
            warning_ = "\"progress.txt\" has lines after its table that the report cannot show; they are kept./"
                       "\"progress.txt\" ada baris selepas jadualnya yang tidak dapat ditunjukkan; baris itu disimpan.";
        return Workfolder::Status::ok;
    }
    // Empty or no table at all, as after a power cut in an older version or a stray edit:
    // the copy kept at the last save may still be whole.
    if (restore(folder))
        return Workfolder::Status::ok;
    if (file.status == Workfolder::Status::ok && file.lines.empty())
        return Workfolder::Status::missing;  // an emptied file holds no table to keep
    warning_ = "\"progress.txt\" cannot be read, so this report may be out of date; the file is left as it is./"
               "\"progress.txt\" tidak dapat dibaca, jadi rekod ini mungkin tidak terkini; fail itu tidak diubah.";
    return Workfolder::Status::unreadable;
}

bool Progressgrid::restore(const Workfolder& folder)
{
    const auto copy = folder.readlines(std::string(progressfile) + ".bak");
    Progressgrid fromcopy;
    if (copy.status != Workfolder::Status::ok || !fromcopy.fromlines(copy.lines) || fromcopy.repaired_ ||
        fromcopy.cell(0, 0) != firstcell)
        return false;
    *this = std::move(fromcopy);
    repaired_ = true;  // the damaged file is set aside at the next save
    warning_ = "\"progress.txt\" was damaged: the report shows the copy kept at the last save, \"progress.txt.bak\"./"
               "\"progress.txt\" rosak: rekod ini diambil daripada salinan terakhir, \"progress.txt.bak\".";
    return true;
}

bool Progressgrid::save(const Workfolder& folder)
{
    if (!repaired_)
        return folder.writelines(progressfile, tolines());
    // The damaged file is kept as it was under a name of its own; the copy made at the last
    // good save stays as it is.
    std::string kept;
    std::error_code ec;
    const bool there = std::filesystem::exists(folder.root() / progressfile, ec);
    if ((there && !folder.setaside(progressfile, kept)) || !folder.writelines(progressfile, tolines(), false))
        return false;
    repaired_ = false;
    return true;
}

Recorded recordpassedtest(Progressgrid& grid, const Workfolder& folder, const std::string& name,
                          int grade, const Ticks& ticks, bool timerdown)
{
    if (!timerdown)
        return Recorded::nottimed;
    // The file is the record: read it again so a table that failed to load (or is stale)
    // is never saved over it. One reading only; a table without its header is left alone.
    if (grid.load(folder) == Workfolder::Status::unreadable || grid.cell(0, 0) != Progressgrid::firstcell)
        return Recorded::unreadable;

    // As a name reads back from the file: a byte order mark before it is no part of it.
    std::string pupil = trimmed(name);
    while (pupil.starts_with(bom))
        pupil = trimmed(pupil.substr(3));
    const std::string digit = std::to_string(grade);
    const std::vector<int> counted = countercolumns(ticks);
    Recorded result = Recorded::appended;
    int row = 1;
    while (row < grid.rowcount() && !(trimmed(grid.cell(0, row)) == pupil && trimmed(grid.cell(1, row)) == digit))
        ++row;
    if (row < grid.rowcount()) {
        for (const int c : counted) {
            long long n = 0;
            if (!tonumber(grid.cell(c, row), n))
                n = 0;  // a spoilt counter starts again rather than block the record
            grid.setcell(c, row, std::to_string(n < LLONG_MAX ? n + 1 : n));
        }
        result = Recorded::counted;
    } else {
        // A new table's blank first row takes the first pupil; later pupils get new rows.
        // A row with counts in it is somebody's record, even without a name.
        const int last = grid.rowcount() - 1;
        bool blankrow = last >= 1;
        for (int c = 0; c < grid.columncount && blankrow; ++c) {
            const std::string t = trimmed(grid.cell(c, last));
            blankrow = t.empty() || (c >= 2 && t == "0");
        }
        if (blankrow)
            row = last;
        else
            grid.appendrow();
        grid.setcell(0, row, pupil);
        grid.setcell(1, row, digit);
        for (int c = 2; c < Progressgrid::columncount; ++c)
            grid.setcell(c, row, std::ranges::find(counted, c) != counted.end() ? "1" : "0");
    }
    return grid.save(folder) ? result : Recorded::notsaved;
}
