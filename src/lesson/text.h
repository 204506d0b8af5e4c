// Small text helpers shared by the core.
#pragma once

#include <string>
#include <string_view>

// Leading and trailing blanks and control characters go, as the old program's trim did;
// what is between them stays.
inline std::string trimmed(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t begin = 0, end = text.size();
    while (begin < end && blank(text[begin]))
        ++begin;
    while (end > begin && blank(text[end - 1]))
        --end;
    return std::string(text.substr(begin, end - begin));
}
