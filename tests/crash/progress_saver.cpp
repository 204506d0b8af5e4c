// A program that only saves progress: in the folder given, it records passed tests for a
// few pupils over and over, and after each save has returned it writes "name count" on
// standard output, the count being what the file now holds for that pupil. The kill test
// runs it and kills it at a moment of its choosing.
#include "lesson/progress.h"

#include <cstdio>
#include <string>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    const Workfolder folder{std::string(argv[1])};
    Ticks ticks;
    ticks.plusminus = true;
    for (unsigned k = 0;; ++k) {
        const std::string name = "Pupil" + std::to_string(k % 4);
        Progressgrid grid;
        const Recorded r = recordpassedtest(grid, folder, name, 3, ticks, true);
        if (r != Recorded::counted && r != Recorded::appended)
            return 1;
        int row = 1;
        while (row < grid.rowcount() && grid.cell(0, row) != name)
            ++row;
        const std::string line = name + " " + grid.cell(2, row) + "\n";
        // Unbuffered, so every line written is a save that has returned.
        if (write(STDOUT_FILENO, line.data(), line.size()) != ssize_t(line.size()))
            return 1;
    }
}
