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
    // Adds a name not yet in the list (exact comparison) and saves the whole list. The list
    // is first read again from the file, so names added meanwhile are kept. A blank name is
    // not added. False when the name could not be stored: the file exists but cannot be read
    // (it is then left alone), it could not be written, or the name holds a line break. The
    // name stays in the list in the first two cases.
    bool add(const Workfolder& folder, const std::string& name);
};
