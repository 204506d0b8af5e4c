// The working folder's files: reading old Windows text, safe rewriting, the progress
// report and the name list, each against real files in a folder of the test's own.
#include "lesson/names.h"
#include "lesson/progress.h"
#include "lesson/workfolder.h"
#include "support/bytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Names = std::set<std::string>;

namespace {

// Ali (grade 3) has counters 1..13 in columns 2..14, Siti (grade 4) a few; widths are not
// the defaults, header texts as a teacher's copy might have them.
const std::string oldfile =
    "15\r\n3\r\n130\r\n45\r\n50\r\n50\r\n50\r\n60\r\n"
    "Name/Nama\r\nAli\r\nSiti\r\n" "Darjah\r\n3\r\n4\r\n" "+/-\r\n1\r\n0\r\n" "x\r\n2\r\n0\r\n"
    "\xC3\xB7\r\n3\r\n0\r\n" "Semua\r\n4\r\n0\r\n" "Nombor\r\n5\r\n1\r\n" "Pecahan\r\n6\r\n0\r\n"
    "Perpuluhan\r\n7\r\n0\r\n" "Semua\r\n8\r\n0\r\n" "g/kg\r\n9\r\n2\r\n" "cm/m\r\n10\r\n0\r\n"
    "RM/$\r\n11\r\n0\r\n" "Masa\r\n12\r\n0\r\n" "Semua\r\n13\r\n3\r\n";

class Files : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("mathtuvo-files-" + std::to_string(std::random_device{}()));
    Workfolder folder{dir};
    Progressgrid grid;

    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }

    void put(const std::string& name, const std::string& bytes) { putbytes(dir / name, bytes); }
    std::string get(const std::string& name) const { return getbytes(dir / name); }
    Names listing() const
    {
        Names names;
        for (const auto& e : fs::directory_iterator(dir))
            names.insert(e.path().filename().string());
        return names;
    }
    Progressgrid saved() const
    {
        Progressgrid g;
        EXPECT_EQ(g.load(folder), Workfolder::Status::ok);
        return g;
    }
    Recorded record(const std::string& name, int grade, const Ticks& ticks, bool timerdown = true)
    {
        return recordpassedtest(grid, folder, name, grade, ticks, timerdown);
    }
};

// Columns 2..14 of a row, blank-separated.
std::string counters(const Progressgrid& g, int row)
{
    std::string c;
    for (int col = 2; col < Progressgrid::columncount; ++col)
        c += (col > 2 ? " " : "") + g.cell(col, row);
    return c;
}

}  // namespace

TEST_F(Files, ValidUtf8IsKeptAndAnythingElseIsWindows1252)
{
    put("a.txt", "Ali\xE9\r\n\x80\x93x\x94\x81");
    EXPECT_EQ(folder.readlines("a.txt").lines, (Lines{"Ali\xC3\xA9", "\xE2\x82\xAC\xE2\x80\x9Cx\xE2\x80\x9D\xC2\x81"}));
    put("b.txt", "\xEF\xBB\xBF" "Ali\xC3\xA9\n\xE2\x82\xAC");
    EXPECT_EQ(folder.readlines("b.txt").lines, (Lines{"Ali\xC3\xA9", "\xE2\x82\xAC"}));
    // One stray byte makes the whole file Windows-1252, good UTF-8 pairs included.
    put("c.txt", "\xC3\xA9\n\xE9");
    EXPECT_EQ(folder.readlines("c.txt").lines, (Lines{"\xC3\x83\xC2\xA9", "\xC3\xA9"}));
    // Overlong forms, surrogates and cut-off sequences are not UTF-8.
    for (const std::string bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "x\xE2\x82"}) {
        put("d.txt", bad);
        EXPECT_NE(folder.readlines("d.txt").lines.at(0), bad);
    }
}

TEST_F(Files, LinesEndWithCrLfOrLfAndMissingIsNotUnreadable)
{
    // A CR on its own inside a line, as some editors leave one, reads as a blank.
    put("a.txt", "a\r\n\r\nb\rc\nd");
    EXPECT_EQ(folder.readlines("a.txt").lines, (Lines{"a", "", "b c", "d"}));
    put("b.txt", "");
    EXPECT_EQ(folder.readlines("b.txt").status, Workfolder::Status::ok);
    EXPECT_TRUE(folder.readlines("b.txt").lines.empty());
    EXPECT_EQ(folder.readlines("nothere.txt").status, Workfolder::Status::missing);
    fs::create_directory(dir / "numdll");
    EXPECT_EQ(folder.readlines("numdll").status, Workfolder::Status::unreadable);
    EXPECT_TRUE(folder.folderexists("numdll"));
    EXPECT_FALSE(folder.folderexists("a.txt"));
}

TEST_F(Files, WritingReplacesWholeKeepingTheOldAsBackupOrLeavesAllAsItWas)
{
    ASSERT_TRUE(folder.writelines("n.txt", {"Ali\xC3\xA9", "", "x"}));
    EXPECT_EQ(get("n.txt"), "Ali\xC3\xA9\r\n\r\nx\r\n");
    EXPECT_EQ(listing(), Names{"n.txt"});
    ASSERT_TRUE(folder.writelines("n.txt", {"old"}));
    EXPECT_EQ(get("n.txt.bak"), "Ali\xC3\xA9\r\n\r\nx\r\n");

    EXPECT_FALSE(folder.writelines("n.txt", {"a\nb"}));
    fs::remove(dir / "n.txt.bak");
    fs::create_directory(dir / "n.txt.bak");  // no backup can be made
    EXPECT_FALSE(folder.writelines("n.txt", {"new"}));
    fs::create_directory(dir / "d.txt");  // the target is a folder
    EXPECT_FALSE(folder.writelines("d.txt", {"new"}));
    EXPECT_EQ(get("n.txt"), "old\r\n");
    EXPECT_EQ(listing(), (Names{"n.txt", "n.txt.bak", "d.txt"}));
    EXPECT_TRUE(fs::is_empty(dir / "d.txt"));
    put("plain", "x");  // a "folder" that is a file
    EXPECT_FALSE(Workfolder(dir / "plain").writelines("n.txt", {"new"}));
}

TEST_F(Files, ProgressFileOfOlderInstallationLoadsCellByCellAndSavesTheSameBytes)
{
    put("progress.txt", oldfile);
    ASSERT_EQ(grid.load(folder), Workfolder::Status::ok);
    EXPECT_EQ(grid.rowcount(), 3);
    EXPECT_EQ(grid.widths, (std::array<int, 6>{130, 45, 50, 50, 50, 60}));
    EXPECT_EQ(grid.cell(4, 0), "\xC3\xB7");
    EXPECT_EQ(grid.cell(0, 2), "Siti");
    EXPECT_EQ(grid.cell(1, 1), "3");
    EXPECT_EQ(counters(grid, 1), "1 2 3 4 5 6 7 8 9 10 11 12 13");
    EXPECT_EQ(counters(grid, 2), "0 0 0 0 1 0 0 0 2 0 0 0 3");
    ASSERT_TRUE(grid.save(folder));
    EXPECT_EQ(get("progress.txt"), oldfile);

    grid.setcell(0, 2, "Nur\r\nAin");  // must stay one line of the file
    ASSERT_TRUE(grid.save(folder));
    const std::string once = get("progress.txt");
    ASSERT_TRUE(saved().save(folder));
    EXPECT_EQ(get("progress.txt"), once);
}

TEST_F(Files, WhatIsNoProgressTableLeavesTheTableAlone)
{
    for (const Lines& bad : {Lines{"15", "2"}, Lines{"x", "1", "1", "1", "1", "1", "1", "1", "a"},
                             Lines{"0", "1", "1", "1", "1", "1", "1", "1"}, Lines{"1", "0", "1", "1", "1", "1", "1", "1", "x"}})
        EXPECT_FALSE(grid.fromlines(bad));
    EXPECT_EQ(grid.tolines(), Progressgrid().tolines());

    // Fewer columns fill the first ones; more are kept for the next save.
    ASSERT_TRUE(grid.fromlines({"2", "2", "1", "2", "3", "4", "5", "6", "Name/Nama", "Ali", "Darjah", "3"}));
    EXPECT_EQ(grid.cell(1, 1), "3");
    EXPECT_EQ(grid.tolines().size(), 8u + 15 * 2);
    Lines wide{"16", "1", "1", "2", "3", "4", "5", "6"};
    for (int c = 0; c < 16; ++c)
        wide.push_back("c" + std::to_string(c));
    ASSERT_TRUE(grid.fromlines(wide));
    EXPECT_EQ(grid.tolines(), wide);
}

TEST_F(Files, PassedTestCountsEachTickedBoxOrTheWholeSet)
{
    put("progress.txt", oldfile);
    EXPECT_EQ(record("Ali", 3, {.plusminus = true, .multi = true, .divide = true, .num = true, .kg = true}), Recorded::counted);
    EXPECT_EQ(counters(saved(), 1), "1 2 3 5 6 6 7 8 10 10 11 12 13");
    EXPECT_EQ(record("Ali", 3, {.plusminus = true, .divide = true, .num = true, .fract = true, .deci = true,
                                .kg = true, .cm = true, .rm = true, .time = true}), Recorded::counted);
    EXPECT_EQ(counters(saved(), 1), "2 2 4 5 6 6 7 9 10 10 11 12 14");
    EXPECT_EQ(record("Siti", 4, {.multi = true, .fract = true, .deci = true, .cm = true, .rm = true, .time = true}),
              Recorded::counted);
    EXPECT_EQ(counters(saved(), 2), "0 1 0 0 1 1 1 0 2 1 1 1 3");

    // Name and grade match trimmed; a counter that is no number starts from nought.
    Progressgrid g = saved();
    for (auto [col, text] : {std::pair{0, " Ali "}, {1, "3 "}, {2, "abc"}, {6, ""}, {10, "1.5"}})
        g.setcell(col, 1, text);
    ASSERT_TRUE(g.save(folder));
    EXPECT_EQ(record("Ali  ", 3, {.plusminus = true, .num = true, .kg = true}), Recorded::counted);
    EXPECT_EQ(saved().rowcount(), 3);
    EXPECT_EQ(counters(saved(), 1), "1 2 4 5 1 6 7 9 1 10 11 12 14");
}

TEST_F(Files, NewPupilOrGradeAppendsARow)
{
    put("progress.txt", oldfile);
    EXPECT_EQ(record(" Nur ", 5, {.plusminus = true, .multi = true, .divide = true, .deci = true, .time = true}),
              Recorded::appended);
    EXPECT_EQ(folder.readlines("progress.txt").lines.at(1), "4");
    EXPECT_EQ(record("Ali", 4, {.cm = true}), Recorded::appended);
    EXPECT_EQ(folder.readlines("progress.txt").lines.at(1), "5");
    const Progressgrid after = saved();
    EXPECT_EQ(after.cell(0, 3) + after.cell(1, 3), "Nur5");
    EXPECT_EQ(counters(after, 3), "0 0 0 1 0 0 1 0 0 0 0 1 0");
    EXPECT_EQ(after.cell(0, 4) + after.cell(1, 4), "Ali4");
    EXPECT_EQ(counters(after, 4), "0 0 0 0 0 0 0 0 0 1 0 0 0");
    EXPECT_EQ(counters(after, 1), "1 2 3 4 5 6 7 8 9 10 11 12 13");

    // No file, or an emptied one with no copy to go back to: a new table starts it, with
    // the shipped headers.
    put("progress.txt", "");
    fs::remove(dir / "progress.txt.bak");
    grid = Progressgrid();
    EXPECT_EQ(record("Ali", 1, {.plusminus = true}), Recorded::appended);
    EXPECT_EQ(saved().cell(0, 1), "Ali");  // the new table's blank row, not one below it
    EXPECT_EQ(saved().rowcount(), 2);
    EXPECT_EQ(saved().cell(2, 0) + saved().cell(14, 0), "+/-All/Semua");
    fs::remove(dir / "progress.txt");
    EXPECT_EQ(record("Siti", 2, {}), Recorded::appended);
    EXPECT_EQ(saved().rowcount(), 3);
}

TEST_F(Files, NothingIsWrittenOutsideATestOrOverAFileThatCannotBeRead)
{
    put("progress.txt", oldfile);
    EXPECT_EQ(record("Ali", 3, {.plusminus = true}, false), Recorded::nottimed);
    EXPECT_EQ(get("progress.txt"), oldfile);
    EXPECT_EQ(listing(), Names{"progress.txt"});

    // A table that loaded earlier must not be saved over a file that has since gone bad.
    ASSERT_EQ(grid.load(folder), Workfolder::Status::ok);
    for (const std::string& bad : Lines{"hello\r\n", "15\r\n2\r\n", std::string(oldfile).replace(oldfile.find("Name"), 9, "Murid")}) {
        put("progress.txt", bad);
        EXPECT_EQ(record("Ali", 3, {.plusminus = true}), Recorded::unreadable);
        EXPECT_EQ(get("progress.txt"), bad);
    }
    fs::remove(dir / "progress.txt");
    fs::create_directory(dir / "progress.txt");
    EXPECT_EQ(record("Ali", 3, {.plusminus = true}), Recorded::unreadable);
    EXPECT_EQ(listing(), Names{"progress.txt"});

    put("plain", "x");
    Progressgrid fresh;
    EXPECT_EQ(recordpassedtest(fresh, Workfolder(dir / "plain"), "Ali", 3, {}, true), Recorded::notsaved);
}

TEST_F(Files, NamesAreAddedOnceAndNeverLost)
{
    Namelist list;
    list.names = {"Ahmad", "Mei Ling"};  // the dialog's own samples while there is no file
    EXPECT_EQ(list.load(folder), Workfolder::Status::missing);
    EXPECT_TRUE(list.add(folder, "Ali"));
    EXPECT_TRUE(list.add(folder, "Ali"));
    EXPECT_TRUE(list.add(folder, "  "));
    EXPECT_EQ(get("names.txt"), "Ahmad\r\nMei Ling\r\nAli\r\n");
    EXPECT_EQ(listing(), Names{"names.txt"});  // written once only

    // Another copy of the program added a name, in Windows-1252, meanwhile.
    put("names.txt", "Ali\r\n\r\nRen\xE9\r\n");
    EXPECT_TRUE(list.add(folder, "ali"));
    EXPECT_EQ(get("names.txt"), "Ali\r\nRen\xC3\xA9\r\nali\r\n");

    fs::remove(dir / "names.txt");
    fs::create_directory(dir / "names.txt");
    EXPECT_EQ(list.load(folder), Workfolder::Status::unreadable);
    EXPECT_EQ(list.names, (Lines{"Ali", "Ren\xC3\xA9", "ali"}));
    EXPECT_FALSE(list.add(folder, "Siti"));
    EXPECT_TRUE(fs::is_empty(dir / "names.txt"));
}

TEST_F(Files, TheShippedProgressFileTakesTheFirstPupilInItsBlankRow)
{
    fs::copy_file(fs::path(MATHTUVO_DATA_DIR) / "progress.txt", dir / "progress.txt");
    ASSERT_EQ(grid.load(folder), Workfolder::Status::ok);
    EXPECT_EQ(grid.cell(0, 0), "Name/Nama");
    EXPECT_EQ(grid.cell(1, 0), "Darjah");
    EXPECT_EQ(record("Aminah", 2, {.plusminus = true}), Recorded::appended);
    const Progressgrid after = saved();
    EXPECT_EQ(after.rowcount(), 2);
    EXPECT_EQ(after.cell(0, 1) + after.cell(1, 1) + after.cell(2, 1), "Aminah21");
    EXPECT_EQ(after.cell(14, 0), "All/Semua");  // the header texts survive the save
}

namespace {

// oldfile with `what` done to its lines (CR LF ends removed).
std::string edited(const std::function<void(Lines&)>& what)
{
    Lines lines;
    std::istringstream in(oldfile);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.size() - 1));
    what(lines);
    std::string bytes;
    for (const auto& l : lines)
        bytes += l + "\r\n";
    return bytes;
}

}  // namespace

// Files as a shared classroom machine leaves them. Each is read as far as it can be, the
// pupil's test is recorded, and no row that was there is lost; what is damaged is kept
// under a name of its own.
TEST_F(Files, DamagedFilesAreReadRecordedAndWrittenBackWithoutLosingARow)
{
    const struct {
        const char* what;
        std::string bytes;
        bool backup;              // a whole copy from the last save lies beside it
        Lines names;              // the rows the report shows, and keeps after the record
        bool warned, setaside;
    } cases[] = {
        {"a stray CR in a cell", edited([](Lines& l) { l[10] = "Si\rti"; }), false, {"Ali", "Si ti"}, false, false},
        {"lines after the table", oldfile + "note\r\n", false, {"Ali", "Siti"}, true, false},
        {"cut short by a power cut", oldfile.substr(0, oldfile.size() - 12), false, {"Ali", "Siti"}, true, true},
        {"cut short after four columns", oldfile.substr(0, oldfile.find("\xC3\xB7")), false, {"Ali", "Siti"}, true, true},
        {"emptied, with its copy", "", true, {"Ali", "Siti"}, true, true},
        {"overwritten with noise, with its copy", "\x01\xFF\xFE\x00garbage", true, {"Ali", "Siti"}, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        fs::create_directories(dir);
        put("progress.txt", c.bytes);
        if (c.backup)
            put("progress.txt.bak", oldfile);
        Progressgrid shown;
        ASSERT_EQ(shown.load(folder), Workfolder::Status::ok);
        EXPECT_EQ(!shown.warning().empty(), c.warned);
        Lines names;
        for (int r = 1; r < shown.rowcount(); ++r)
            names.push_back(shown.cell(0, r));
        EXPECT_EQ(names, c.names);

        EXPECT_EQ(record("Ali", 3, {.plusminus = true}), Recorded::counted);
        const Progressgrid after = saved();
        EXPECT_EQ(after.warning().empty(), !c.bytes.ends_with("note\r\n"));
        EXPECT_EQ(after.cell(2, 1), "2");
        EXPECT_FALSE(after.cell(14, 0).empty());  // never a blank header
        for (size_t r = 0; r < c.names.size(); ++r)
            EXPECT_EQ(after.cell(0, static_cast<int>(r) + 1), c.names[r]);
        EXPECT_EQ(fs::exists(dir / "progress.txt.damaged"), c.setaside);
        if (c.setaside) {
            EXPECT_EQ(get("progress.txt.damaged"), c.bytes);
        }
        if (c.backup) {
            EXPECT_EQ(get("progress.txt.bak"), oldfile);  // the good copy is not replaced by the bad file
        }
        EXPECT_EQ(get("progress.txt").ends_with("note\r\n"), c.bytes.ends_with("note\r\n"));
    }
    // Noise and no copy to go back to: said, and never written over.
    fs::remove(dir / "progress.txt.bak");
    put("progress.txt", "\x01\xFF garbage");
    Progressgrid shown;
    EXPECT_EQ(shown.load(folder), Workfolder::Status::unreadable);
    EXPECT_FALSE(shown.warning().empty());
    EXPECT_EQ(record("Ali", 3, {.plusminus = true}), Recorded::unreadable);
    EXPECT_EQ(get("progress.txt"), "\x01\xFF garbage");
}

// A stray CR or a byte order mark in names.txt, and the temporary files of saves a crash
// cut off: saving goes on, and every name stays.
TEST_F(Files, NamesAndSavesSurviveStrayBytesAndCrashedSaves)
{
    put("names.txt", "\xEF\xBB\xBF" "Ali\r\nMei\rLing\r\n");
    for (int n = 0; n < 150; ++n)
        put("names.txt.tmp" + std::to_string(n), "half");
    put("progress.txt.bak.tmp7", "half");
    put("notes.txt.tmp1", "not ours");
    Namelist list;
    EXPECT_TRUE(list.add(folder, "\xEF\xBB\xBF" "Siti"));  // pasted with the mark: stored without it
    EXPECT_TRUE(list.add(folder, "Siti"));
    EXPECT_EQ(get("names.txt"), "Ali\r\nMei Ling\r\nSiti\r\n");
    EXPECT_EQ(folder.removeleftovers(), 151);
    EXPECT_EQ(listing(), (Names{"names.txt", "names.txt.bak", "notes.txt.tmp1"}));
}
