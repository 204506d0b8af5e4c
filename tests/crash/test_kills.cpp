// Saving progress survives being killed at any moment: a process that records passes in a
// loop is killed with SIGKILL at random times, and each time "progress.txt" must still be
// a whole table holding every pass the process had confirmed, and must still take a save.
// MATHTUVO_KILLS sets how many kills (a few by default; scripts/fuzz asks for hundreds).
#include "lesson/progress.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Starts the saver, lets it run for the time given, kills it and returns what it printed.
std::string runandkill(const fs::path& folder, std::chrono::microseconds alive)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(MATHTUVO_PROGRESS_SAVER, MATHTUVO_PROGRESS_SAVER, folder.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::this_thread::sleep_for(alive);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::string printed;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        printed.append(buffer, size_t(n));
    close(out[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the saver stopped by itself: " << status;
    return printed;
}

int counted(const Progressgrid& grid, const std::string& name)
{
    for (int row = 1; row < grid.rowcount(); ++row)
        if (grid.cell(0, row) == name)
            return std::atoi(grid.cell(2, row).c_str());
    return 0;
}

}  // namespace

TEST(Kills, ProgressSurvivesAKillAtAnyMoment)
{
    const char* asked = std::getenv("MATHTUVO_KILLS");
    const int kills = asked ? std::max(1, std::atoi(asked)) : 5;
    const fs::path folder = fs::temp_directory_path() / ("mathtuvo-kills-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const Workfolder work(folder);
    std::mt19937 random(std::random_device{}());
    std::map<std::string, int> confirmed;  // each pupil's count as last confirmed
    int saves = 0;

    for (int k = 0; k < kills; ++k) {
        // From a moment after the start to some tens of saves in.
        const auto alive = std::chrono::microseconds(std::uniform_int_distribution<int>(200, 30000)(random));
        std::istringstream lines(runandkill(folder, alive));
        std::string name;
        int count = 0;
        while (lines >> name >> count) {
            EXPECT_GE(count, confirmed[name]) << name;
            confirmed[name] = count;
            ++saves;
        }
        Progressgrid grid;
        ASSERT_EQ(grid.load(work), fs::exists(folder / "progress.txt") ? Workfolder::Status::ok : Workfolder::Status::missing)
            << "kill " << k << " after " << alive.count() << " us left a table that cannot be read";
        ASSERT_EQ(grid.cell(0, 0), Progressgrid::firstcell) << "kill " << k;
        for (const auto& [pupil, n] : confirmed)
            ASSERT_GE(counted(grid, pupil), n) << "kill " << k << " lost a confirmed pass of " << pupil;
    }

    // After all that, a save still goes through and is read back.
    Progressgrid grid;
    const Recorded r = recordpassedtest(grid, work, "Pupil0", 3, Ticks{.plusminus = true}, true);
    EXPECT_TRUE(r == Recorded::counted || r == Recorded::appended);
    Progressgrid again;
    ASSERT_EQ(again.load(work), Workfolder::Status::ok);
    EXPECT_GT(counted(again, "Pupil0"), confirmed["Pupil0"]);
    std::printf("%d kills, %d confirmed saves\n", kills, saves);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
