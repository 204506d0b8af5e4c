// The working folder before the first lesson: which folder it is when none is named, where
// the files a new one starts with are, and filling it with them.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The pupil's own folder: MATHTUVO_HOME, else $XDG_DATA_HOME/mathtuvo, else
// $HOME/.local/share/mathtuvo. The variables' values are passed in (null or empty when
// unset) so a test need not change the environment. A relative XDG_DATA_HOME is ignored,
// as the XDG base directory rules ask. Empty when none of them is set.
std::filesystem::path userworkfolder(const char* mathtuvohome, const char* xdghome, const char* home);

// The files a new working folder starts with: the installed copy, `installed` (the program's
// folder joined with the share folder), when it is there, else `sourcetree` (the data/ the
// program was built from, for a run from the build folder). Empty when neither is a folder.
std::filesystem::path shippeddata(const std::filesystem::path& installed, const std::filesystem::path& sourcetree);

struct Fillresult {
    bool ok = true;                   // false: the folder could not be made, or a copy failed
    std::vector<std::string> copied;  // what was added, relative to the folder, in '/' form
    std::string error;                // the first failure, for the pupil's terminal
};

// Makes `folder` when it is missing and copies into it every file and sub-folder of `from`
// that it lacks. Nothing already in the folder is ever changed, so the pupil's names and
// progress survive a new version. Each file is copied to a temporary name and then renamed,
// so a start cut short leaves no half file that a later start would take as complete.
// Copies are writable by the pupil even when the installed files are read-only.
Fillresult fillworkfolder(const std::filesystem::path& folder, const std::filesystem::path& from);
