#include "names.h"

#include <algorithm>

namespace {

const char* const namesfile = "names.txt";

bool blank(const std::string& s)
{
    return std::ranges::all_of(s, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

}  // namespace

Workfolder::Status Namelist::load(const Workfolder& folder)
{
    auto file = folder.readlines(namesfile);
    if (file.status == Workfolder::Status::ok) {
        std::erase_if(file.lines, blank);  // a stray empty line is no pupil
        names = std::move(file.lines);
    }
    return file.status;
}

bool Namelist::add(const Workfolder& folder, const std::string& typed)
{
    // A byte order mark pasted before a name would be dropped when the file is read back.
    std::string name = typed;
    while (name.starts_with("\xEF\xBB\xBF"))
        name.erase(0, 3);
    if (blank(name))
        return true;
    if (name.find_first_of("\r\n") != std::string::npos)
        return false;  // could never be read back as one name
    // Another copy of the program may have added names since this list was read: start from
    // the file, and never write over a file we cannot read.
    const auto status = load(folder);
    const bool known = std::ranges::find(names, name) != names.end();
    if (!known)
        names.push_back(name);
    if (status == Workfolder::Status::unreadable)
        return false;
    return known || folder.writelines(namesfile, names);
}
