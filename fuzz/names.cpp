// The name list on any "names.txt" and any name. The input is the name, a 0 byte, then
// the file. A name reported stored is in the file when it is read again, beside every
// name the file held before; a file that was there but unreadable is left as it was.
#include "fuzzfolder.h"

#include "lesson/names.h"

#include <algorithm>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto* zero = static_cast<const uint8_t*>(std::memchr(data, 0, size));
    if (!zero)
        return 0;
    const std::string name(reinterpret_cast<const char*>(data), size_t(zero - data));
    if (!validutf8(name))
        return 0;
    writefresh("names.txt", zero + 1, size - size_t(zero + 1 - data));
    const std::string before = readraw("names.txt");
    const Workfolder folder(fuzzfolder());

    Namelist earlier;
    const auto status = earlier.load(folder);
    Namelist list;
    const bool stored = list.add(folder, name);
    if (status == Workfolder::Status::unreadable && readraw("names.txt") != before)
        broken("an unreadable names file was written over");
    if (!stored)
        return 0;

    Namelist again;
    if (again.load(folder) == Workfolder::Status::unreadable)
        broken("the names file cannot be read after a save");
    const auto has = [&](const std::string& n) { return std::ranges::find(again.names, n) != again.names.end(); };
    const auto blank = [](const std::string& n) {
        return std::ranges::all_of(n, [](char c) { return static_cast<unsigned char>(c) <= ' '; });
    };
    // A byte order mark before a name is no part of it: dropped on adding and on reading.
    const auto bom = [](std::string n) {
        while (n.starts_with("\xEF\xBB\xBF"))
            n.erase(0, 3);
        return n;
    };
    if (!blank(name) && !has(name) && !has(bom(name)) && !blank(bom(name)))
        broken("a name reported stored is not in the file");
    if (status == Workfolder::Status::ok)
        for (const auto& n : earlier.names)
            if (!has(n) && !has(bom(n)) && !blank(bom(n)))
                broken("a name the file held before was lost");
    return 0;
}
