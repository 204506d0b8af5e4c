// The progress table on any "progress.txt". The first two bytes choose the pass to
// record (grade, ticked boxes) and the next up to a 0 byte the pupil's name; the rest is
// the file. What must hold:
//  - a file whose table could not be loaded is never written over (bytes unchanged);
//  - a table saved is the table read back;
//  - a pass reported recorded (counted or appended) is in the file read afresh, and
//    every row the file held before is still there.
#include "fuzzfolder.h"

#include "lesson/progress.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace {

using Row = std::vector<std::string>;

std::vector<Row> rows(const Progressgrid& grid, int columns)
{
    std::vector<Row> all;
    for (int r = 0; r < grid.rowcount(); ++r) {
        Row row;
        for (int c = 0; c < columns; ++c)
            row.push_back(grid.cell(c, r));
        all.push_back(std::move(row));
    }
    return all;
}

std::string trim(const std::string& s)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    auto b = std::ranges::find_if_not(s, blank);
    auto e = std::find_if_not(s.rbegin(), s.rend(), blank).base();
    return b < e ? std::string(b, e) : std::string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data + 2, 0, size - 2));
    if (!zero)
        return 0;
    std::string name(reinterpret_cast<const char*>(data + 2), size_t(zero - data - 2));
    if (!validutf8(name))
        return 0;
    // The name box holds one line.
    std::ranges::replace_if(name, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    const int grade = 1 + data[0] % 6;
    Ticks ticks;
    const uint8_t t = data[1];
    ticks.plusminus = t & 1, ticks.multi = t & 2, ticks.divide = t & 4, ticks.num = t & 8;
    ticks.fract = t & 16, ticks.deci = t & 32, ticks.kg = t & 64, ticks.time = t & 128;
    writefresh("progress.txt", zero + 1, size - size_t(zero + 1 - data));
    const std::string before = readraw("progress.txt");
    const Workfolder folder(fuzzfolder());

    // What the file held, as a fresh program would read it.
    Progressgrid earlier;
    const auto status = earlier.load(folder);
    const int columns = std::stoi(earlier.tolines().front());
    if (status != Workfolder::Status::ok) {
        Progressgrid grid;
        const Recorded r = recordpassedtest(grid, folder, name, grade, ticks, true);
        if (status == Workfolder::Status::unreadable && readraw("progress.txt") != before)
            broken("a progress file that could not be loaded was written over");
        if (status == Workfolder::Status::unreadable && r != Recorded::unreadable)
            broken("a pass recorded over a progress file that could not be loaded");
        if (r != Recorded::counted && r != Recorded::appended)
            return 0;
    } else {
        // A loaded table saved again reads back the same.
        if (earlier.save(folder)) {
            Progressgrid back;
            if (back.load(folder) != Workfolder::Status::ok || back.tolines() != earlier.tolines())
                broken("a saved table does not read back the same");
        }
        writefresh("progress.txt", zero + 1, size - size_t(zero + 1 - data));
        Progressgrid grid;
        const Recorded r = recordpassedtest(grid, folder, name, grade, ticks, true);
        if (r == Recorded::unreadable && readraw("progress.txt") != before)
            broken("a progress file refused as unreadable was written over");
        if (r != Recorded::counted && r != Recorded::appended)
            return 0;
    }

    Progressgrid after;
    if (after.load(folder) != Workfolder::Status::ok)
        broken("the progress file cannot be loaded after a pass was recorded");
    // The name as the file keeps it: a byte order mark before it is dropped on reading.
    std::string pupil = trim(name);
    while (pupil.starts_with("\xEF\xBB\xBF"))
        pupil = trim(pupil.substr(3));
    const std::string digit = std::to_string(grade);
    bool found = false;
    for (int r = 1; r < after.rowcount(); ++r)
        found = found || (trim(after.cell(0, r)) == pupil && trim(after.cell(1, r)) == digit);
    if (!found)
        broken("a pass reported recorded is not in the file");
    if (status == Workfolder::Status::ok) {
        // Every earlier row is still there, the pupil's own with its counters moved on.
        std::map<Row, int> left;
        for (Row& row : rows(after, columns))
            ++left[row];
        for (Row& row : rows(earlier, columns)) {
            if (trim(row[0]) == pupil && trim(row[1]) == digit)
                continue;
            // A last row without name and grade is the table's blank row: a new pupil takes it.
            if (trim(row[0]).empty() && trim(row[1]).empty())
                continue;
            if (--left[row] < 0) {
                for (const auto& c : row)
                    std::fprintf(stderr, "[%s] ", c.c_str());
                std::fprintf(stderr, "\n");
                broken("a row the file held before the save is lost");
            }
        }
    }
    return 0;
}
