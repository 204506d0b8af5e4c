// A file's bytes, written and read whole, for tests that set up or inspect a working folder.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

inline void putbytes(const std::filesystem::path& file, const std::string& bytes)
{
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string getbytes(const std::filesystem::path& file)
{
    std::ostringstream s;
    s << std::ifstream(file, std::ios::binary).rdbuf();
    return s.str();
}
