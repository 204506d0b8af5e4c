// A working folder for a harness: one temporary folder for the whole run, and the file
// under test written into it raw before each input.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

inline const std::filesystem::path& fuzzfolder()
{
    static const std::filesystem::path path = [] {
        auto p = std::filesystem::temp_directory_path() / ("mathtuvo-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(p);
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(fuzzfolder(), ignored);
        });
        return p;
    }();
    return path;
}

// Empties the folder (a save leaves ".bak" and temporary files) and writes the one file.
inline void writefresh(const std::string& name, const uint8_t* data, size_t size)
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(fuzzfolder(), ignored))
        std::filesystem::remove_all(entry.path(), ignored);
    std::ofstream out(fuzzfolder() / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data), std::streamsize(size));
}

inline std::string readraw(const std::string& name)
{
    std::ifstream in(fuzzfolder() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Stops the run with the input saved as a crash, saying which rule was broken.
[[noreturn]] inline void broken(const char* rule)
{
    std::fprintf(stderr, "invariant broken: %s\n", rule);
    std::abort();
}

// The program's own texts (from the window's boxes) are always UTF-8; a harness that
// passes a name in keeps to that.
inline bool validutf8(const std::string& s)
{
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size() || (n == 2 && c < 0xc2))
            return false;
        uint32_t cp = n == 1 ? c : c & (0x7f >> n);
        for (size_t k = 1; k < n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 2)
                return false;
            cp = (cp << 6) | (d & 0x3f);
        }
        if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10ffff)) || (cp >= 0xd800 && cp <= 0xdfff))
            return false;
        i += n;
    }
    return true;
}
