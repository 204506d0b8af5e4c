// A new working folder: which one it is, and filling it from the shipped files without
// ever changing what the pupil already has.
#include "lesson/firststart.h"
#include "support/bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace fs = std::filesystem;

TEST(Firststart, TheFolderIsMathtuvoHomeElseXdgDataHomeElseHome)
{
    struct Row {
        const char *mathtuvohome, *xdghome, *home, *expected;
    };
    const Row rows[] = {
        {"/srv/5A", "/x", "/home/ali", "/srv/5A"},
        {"", "/x", "/home/ali", "/x/mathtuvo"},
        {nullptr, "relative/data", "/home/ali", "/home/ali/.local/share/mathtuvo"},
        {nullptr, nullptr, "/home/ali", "/home/ali/.local/share/mathtuvo"},
        {nullptr, nullptr, nullptr, ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(userworkfolder(r.mathtuvohome, r.xdghome, r.home), fs::path(r.expected))
            << (r.mathtuvohome ? r.mathtuvohome : "-") << " " << (r.xdghome ? r.xdghome : "-");
}

TEST(Firststart, OnlyWhatIsMissingIsCopiedAndNothingThereChanges)
{
    const fs::path dir = fs::temp_directory_path() / ("mathtuvo-first-" + std::to_string(std::random_device{}()));
    const fs::path shipped = dir / "shipped";
    putbytes(shipped / "litq.txt", "stories");
    putbytes(shipped / "progress.txt", "blank report");
    putbytes(shipped / "numdll/README.txt", "numbers on");
    fs::permissions(shipped / "litq.txt", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);

    struct Row {
        const char* name;
        std::vector<std::pair<std::string, std::string>> before;  // the pupil's files
        std::vector<std::string> copied;
    };
    const Row rows[] = {
        {"new", {}, {"litq.txt", "numdll/", "numdll/README.txt", "progress.txt"}},
        {"pupil's progress and names", {{"progress.txt", "Ali 3"}, {"names.txt", "Ali"}},
         {"litq.txt", "numdll/", "numdll/README.txt"}},
        {"teacher's stories, numdll kept", {{"litq.txt", "ours"}, {"numdll/notes", "x"}},
         {"numdll/README.txt", "progress.txt"}},
        {"complete", {{"litq.txt", ""}, {"progress.txt", ""}, {"numdll/README.txt", ""}}, {}},
    };
    int n = 0;
    for (const Row& row : rows) {
        const fs::path folder = dir / ("pupil" + std::to_string(n++)) / "mathtuvo";
        for (const auto& [name, text] : row.before)
            putbytes(folder / name, text);
        Fillresult r = fillworkfolder(folder, shipped);
        std::sort(r.copied.begin(), r.copied.end());
        EXPECT_TRUE(r.ok) << row.name << ": " << r.error;
        EXPECT_EQ(r.copied, row.copied) << row.name;
        for (const auto& [name, text] : row.before)
            EXPECT_EQ(getbytes(folder / name), text) << row.name << ": " << name;
        for (const std::string& name : row.copied) {
            if (name.back() != '/') {
                EXPECT_EQ(getbytes(folder / name), getbytes(shipped / name)) << row.name << ": " << name;
            }
        }
        // The copy of a read-only shipped file is the pupil's to change, and no temporary is left.
        if (fs::exists(folder / "litq.txt")) {
            EXPECT_NE(fs::status(folder / "litq.txt").permissions() & fs::perms::owner_write, fs::perms::none);
        }
        for (const auto& e : fs::recursive_directory_iterator(folder))
            EXPECT_EQ(e.path().filename().string().find(".firststart"), std::string::npos) << e.path();
        // A second start finds nothing to add.
        EXPECT_TRUE(fillworkfolder(folder, shipped).copied.empty()) << row.name;
    }

    // A folder that cannot be made is an error, not a silent start in the wrong place.
    putbytes(dir / "afile", "x");
    EXPECT_FALSE(fillworkfolder(dir / "afile" / "mathtuvo", shipped).ok);
    fs::remove_all(dir);
}
