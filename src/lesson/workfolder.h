// The pupil's working folder: litq.txt, names.txt, progress.txt and numdll/. Every file
// the core reads or writes goes through here, so tests can point it at a folder of their own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class Workfolder {
public:
    explicit Workfolder(std::filesystem::path root) : root_(std::move(root)) {}

    enum class Status { ok, missing, unreadable };
    struct Lines {
        Status status = Status::missing;
        std::vector<std::string> lines;  // UTF-8, line ends removed
    };

    // Reads a text file whole. Files from older installations may be Windows-1252: a file
    // that is not valid UTF-8 is read as Windows-1252. CR LF and LF both end a line; a
    // last line without an end still counts. "unreadable": there but cannot be read.
    Lines readlines(const std::string& name) const;

    // Writes the lines whole, each ended by CR LF, in UTF-8: first to a temporary file that
    // is then renamed over the old one, after the old one was copied to name + ".bak".
    // False when anything failed, or a line holds CR or LF; the old file is then left as
    // it was.
    bool writelines(const std::string& name, const std::vector<std::string>& lines) const;

    bool folderexists(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};
