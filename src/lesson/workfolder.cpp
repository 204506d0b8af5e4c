#include "workfolder.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Strict UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF), so a
// Windows-1252 file never passes for UTF-8 by accident.
bool validutf8(const std::string& s)
{
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned c = *p;
        int more;
        unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF) {
            more = 2;
            if (c == 0xE0)
                lo = 0xA0;
            else if (c == 0xED)
                hi = 0x9F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            more = 3;
            if (c == 0xF0)
                lo = 0x90;
            else if (c == 0xF4)
                hi = 0x8F;
        } else
            return false;
        if (end - p <= more)
            return false;
        for (int i = 1; i <= more; ++i) {
            const unsigned b = p[i];
            if (b < (i == 1 ? lo : 0x80) || b > (i == 1 ? hi : 0xBF))
                return false;
        }
        p += more + 1;
    }
    return true;
}

void appendutf8(std::string& out, char32_t u)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

// 0x80-0x9F are the only bytes where Windows-1252 differs from Latin-1; its five unused
// codes map to the C1 controls, as Windows itself converts them.
constexpr char16_t cp1252high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::string fromcp1252(const std::string& s)
{
    std::string out;
    out.reserve(s.size() + s.size() / 4);
    for (const char ch : s) {
        const auto b = static_cast<unsigned char>(ch);
        appendutf8(out, b >= 0x80 && b < 0xA0 ? cp1252high[b - 0x80] : b);
    }
    return out;
}

struct Fileclose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

Workfolder::Lines Workfolder::readlines(const std::string& name) const
{
    Lines result;
    const fs::path path = root_ / name;
    std::error_code ec;
    const fs::file_status st = fs::status(path, ec);
    if (st.type() == fs::file_type::not_found)
        return result;
    result.status = Status::unreadable;
    if (ec || fs::is_directory(st))
        return result;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return result;
    // Read in one go: the word problems are read for every story told.
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad())
        return result;
    std::string text = std::move(whole).str();

    if (!validutf8(text))
        text = fromcp1252(text);
    else if (text.starts_with("\xEF\xBB\xBF"))  // Notepad's byte order mark
        text.erase(0, 3);

    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        auto len = end - start;
        if (len > 0 && text[end - 1] == '\r')
            --len;
        result.lines.push_back(text.substr(start, len));
        start = end + 1;
    }
    result.status = Status::ok;
    return result;
}

bool Workfolder::writelines(const std::string& name, const std::vector<std::string>& lines) const
{
    for (const auto& line : lines)
        if (line.find_first_of("\r\n") != std::string::npos)
            return false;

    const fs::path target = root_ / name;
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool hadold = fs::exists(old);
    if (hadold && !fs::is_regular_file(old))
        return false;

    // Exclusive creation, so a leftover temporary of a crashed run is never written into.
    fs::path temp;
    std::unique_ptr<std::FILE, Fileclose> out;
    for (int n = 0; n < 100 && !out; ++n) {
        temp = root_ / (name + ".tmp" + (n ? std::to_string(n) : std::string()));
        out.reset(std::fopen(temp.c_str(), "wbx"));
        if (!out && errno != EEXIST)
            return false;
    }
    if (!out)
        return false;

    bool good = true;
    for (const auto& line : lines) {
        good = good && std::fwrite(line.data(), 1, line.size(), out.get()) == line.size();
        good = good && std::fwrite("\r\n", 1, 2, out.get()) == 2;
    }
    good = good && std::fflush(out.get()) == 0 && !std::ferror(out.get());
    good = std::fclose(out.release()) == 0 && good;

    if (good && hadold) {
        fs::permissions(temp, old.permissions(), ec);  // keep whatever access the old file had
        good = fs::copy_file(target, root_ / (name + ".bak"), fs::copy_options::overwrite_existing, ec);
    }
    if (good) {
        fs::rename(temp, target, ec);
        good = !ec;
    }
    if (!good)
        fs::remove(temp, ec);
    return good;
}

bool Workfolder::folderexists(const std::string& name) const
{
    std::error_code ec;
    return fs::is_directory(root_ / name, ec);
}
