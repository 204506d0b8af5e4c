// A working folder for a window test: a temporary folder with copies of the shipped data
// (the word problems, the progress record, the number topics' folder), so a test may write
// "names.txt" and "progress.txt" without touching data/.
#pragma once

#include <QTemporaryDir>

#include <filesystem>

struct Workcopy {
    QTemporaryDir dir;

    Workcopy()
    {
        namespace fs = std::filesystem;
        const fs::path data(MATHTUVO_DATA_DIR);
        fs::copy(data, path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    std::filesystem::path path() const { return dir.path().toStdString(); }
};
