#include "workfolder.h"

#include <cerrno>
#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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

const char* const bom = "\xEF\xBB\xBF";

// A file descriptor that closes itself.
struct Fd {
    int fd = -1;
    ~Fd()
    {
        if (fd >= 0)
            ::close(fd);
    }
    bool close()
    {
        const int f = fd;
        fd = -1;
        return ::close(f) == 0;
    }
};

bool writeall(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// Makes a new file next to `final` that nobody else has, for writing. Its name starts with
// final's name and ".tmp", so a start after a crash can find and remove it.
bool createtemp(const fs::path& final, fs::path& temp, Fd& out)
{
    static std::mt19937_64 draw{std::random_device{}()};
    for (int n = 0; n < 20; ++n) {
        temp = final;
        temp += ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(draw() % 1000000000);
        out.fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (out.fd >= 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    return false;
}

// Writes `bytes` to a new temporary file beside `final`, flushed to the disk; on failure
// nothing is left behind.
bool writetemp(const fs::path& final, const std::string& bytes, fs::path& temp)
{
    Fd out;
    if (!createtemp(final, temp, out))
        return false;
    bool good = writeall(out.fd, bytes.data(), bytes.size()) && ::fsync(out.fd) == 0;
    good = out.close() && good;
    std::error_code ec;
    if (!good)
        fs::remove(temp, ec);
    return good;
}

// Flushes the folder holding `file`, so a rename or link there survives a power cut.
void syncfolder(const fs::path& file)
{
    Fd folder;
    folder.fd = ::open(file.parent_path().empty() ? "." : file.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
    if (folder.fd >= 0)
        ::fsync(folder.fd);
}

// Puts `bytes` in place of `final` so that a crash at any moment leaves either the old file
// or the new one whole: a fresh temporary file, flushed to the disk, renamed over the old
// one, and the folder flushed.
bool replaceatomically(const fs::path& final, const std::string& bytes, fs::perms perms, bool keepperms)
{
    fs::path temp;
    if (!writetemp(final, bytes, temp))
        return false;
    std::error_code ec;
    if (keepperms)
        fs::permissions(temp, perms, ec);  // keep whatever access the old file had
    fs::rename(temp, final, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    syncfolder(final);
    return true;
}

bool readbytes(const fs::path& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream whole;
    whole << in.rdbuf();
    if (in.bad())
        return false;
    bytes = std::move(whole).str();
    return true;
}

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
    // Read in one go: the word problems are read for every story told.
    std::string text;
    if (!readbytes(path, text))
        return result;
    if (!validutf8(text))
        text = fromcp1252(text);

    std::string::size_type start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        auto len = end - start;
        if (len > 0 && text[end - 1] == '\r')
            --len;
        std::string line = text.substr(start, len);
        // A CR on its own, as some editors leave one, would end the line on the next
        // reading: it reads as a blank, so the line can be written back as it stands.
        std::ranges::replace(line, '\r', ' ');
        // Notepad's byte order mark, or the same character pasted before a name, is no text.
        while (line.starts_with(bom))
            line.erase(0, 3);
        result.lines.push_back(std::move(line));
        start = end + 1;
    }
    result.status = Status::ok;
    return result;
}

bool Workfolder::writelines(const std::string& name, const std::vector<std::string>& lines, bool backup) const
{
    std::string bytes;
    for (const auto& line : lines) {
        if (line.find_first_of("\r\n") != std::string::npos)
            return false;
        bytes += line;
        bytes += "\r\n";
    }

    const fs::path target = root_ / name;
    std::error_code ec;
    const fs::file_status old = fs::status(target, ec);
    const bool hadold = fs::exists(old);
    if (hadold && !fs::is_regular_file(old))
        return false;
    if (hadold && backup) {
        // The copy of the old file is made the same way, so it is never left half written.
        std::string previous;
        if (!readbytes(target, previous) || !replaceatomically(root_ / (name + ".bak"), previous, old.permissions(), true))
            return false;
    }
    return replaceatomically(target, bytes, old.permissions(), hadold);
}

int Workfolder::removeleftovers() const
{
    int removed = 0;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(root_, ec)) {
        const std::string file = entry.path().filename().string();
        for (const char* ours : {"names.txt", "progress.txt"})
            for (const std::string& stem : {std::string(ours) + ".tmp", std::string(ours) + ".bak.tmp"})
                if (file.starts_with(stem) && entry.is_regular_file(ec) && fs::remove(entry.path(), ec))
                    ++removed;
    }
    return removed;
}

bool Workfolder::setaside(const std::string& name, std::string& kept) const
{
    std::string bytes;
    fs::path temp;
    if (!readbytes(root_ / name, bytes) || !writetemp(root_ / name, bytes, temp))
        return false;
    bool linked = false, good = true;
    // Linking fails when the name is taken, so nothing set aside earlier is ever replaced.
    for (int n = 1; good && !linked && n < 1000; ++n) {
        kept = name + ".damaged" + (n > 1 ? std::to_string(n) : std::string());
        linked = ::link(temp.c_str(), (root_ / kept).c_str()) == 0;
        good = linked || errno == EEXIST;
    }
    std::error_code ec;
    fs::remove(temp, ec);
    if (linked)
        syncfolder(root_ / kept);
    return linked;
}

bool Workfolder::folderexists(const std::string& name) const
{
    std::error_code ec;
    return fs::is_directory(root_ / name, ec);
}
