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
    // last line without an end still counts; a CR inside a line reads as a blank and a
    // byte order mark starting a line is dropped, so every line read can be written back.
    // "unreadable": there but cannot be read.
    Lines readlines(const std::string& name) const;

    // Writes the lines whole, each ended by CR LF, in UTF-8. The old file is first copied
    // to name + ".bak"; each file is written to a temporary file of its own, flushed to the
    // disk and renamed over the old one, so a crash or a power cut leaves either the old or
    // the new file whole. False when anything failed, or a line holds CR or LF; the old file
    // is then left as it was. Without `backup` the ".bak" copy is left as it is (the old
    // file was set aside already).
    bool writelines(const std::string& name, const std::vector<std::string>& lines, bool backup = true) const;

    // Removes the temporary files a crashed save of names.txt or progress.txt left behind;
    // the number removed.
    int removeleftovers() const;

    // Keeps a copy of the file's bytes under a name not yet taken, name + ".damaged" (or
    // ".damaged2", ...), before a repaired version is written in its place; `kept` is the
    // name used.
    bool setaside(const std::string& name, std::string& kept) const;

    bool folderexists(const std::string& name) const;
    const std::filesystem::path& root() const { return root_; }

private:
    std::filesystem::path root_;
};
