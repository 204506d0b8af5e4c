// The list of known pupils, "names.txt": one name a line, in the order they were added.
#pragma once

#include "workfolder.h"

#include <string>
#include <vector>

class Namelist {
public:
    std::vector<std::string> names;

    // Replaces the list with the file's names; on failure the list keeps its items.
    Workfolder::Status load(const Workfolder& folder);
    // Adds a name not yet in the list (exact comparison) and saves the whole list. False
    // only when the file could not be written (the name then stays in the list).
    bool add(const Workfolder& folder, const std::string& name);
};
