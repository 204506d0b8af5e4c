#include "firststart.h"

#include <system_error>

namespace fs = std::filesystem;

fs::path userworkfolder(const char* mathtuvohome, const char* xdghome, const char* home)
{
    if (mathtuvohome && *mathtuvohome)
        return mathtuvohome;
    if (xdghome && *xdghome && fs::path(xdghome).is_absolute())
        return fs::path(xdghome) / "mathtuvo";
    if (home && *home)
        return fs::path(home) / ".local/share/mathtuvo";
    return {};
}

fs::path shippeddata(const fs::path& installed, const fs::path& sourcetree)
{
    std::error_code ec;
    for (const fs::path& p : {installed, sourcetree})
        if (!p.empty() && fs::is_directory(p, ec))
            return p.lexically_normal();
    return {};
}

namespace {

void fail(Fillresult& r, const std::string& what, const std::error_code& ec)
{
    if (r.ok)
        r.error = what + ": " + ec.message();
    r.ok = false;
}

// One missing file: copied beside its final name, then renamed into place.
bool copyone(const fs::path& source, const fs::path& target, Fillresult& r)
{
    const fs::path temporary = target.parent_path() / ("." + target.filename().string() + ".firststart");
    std::error_code ec;
    if (!fs::copy_file(source, temporary, fs::copy_options::overwrite_existing, ec)) {
        fail(r, "cannot copy " + source.string() + " to " + temporary.string(), ec);
        fs::remove(temporary, ec);
        return false;
    }
    fs::permissions(temporary, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
    // Made by another start since we looked: theirs stays.
    if (fs::exists(fs::symlink_status(target, ec))) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, target, ec);
    if (ec) {
        fail(r, "cannot rename " + temporary.string() + " to " + target.string(), ec);
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

void fill(const fs::path& folder, const fs::path& from, const fs::path& relative, Fillresult& r)
{
    std::error_code ec;
    fs::directory_iterator it(from, ec), end;
    if (ec) {
        fail(r, "cannot read " + from.string(), ec);
        return;
    }
    for (; it != end; it.increment(ec)) {
        const fs::path name = it->path().filename();
        const fs::path target = folder / name;
        const fs::file_status source = fs::status(it->path(), ec);
        const bool there = fs::exists(fs::symlink_status(target, ec));
        if (fs::is_directory(source)) {
            if (!there && !fs::create_directory(target, ec)) {
                fail(r, "cannot make " + target.string(), ec);
                continue;
            }
            if (!there)
                r.copied.push_back((relative / name).generic_string() + "/");
            if (fs::is_directory(target, ec))
                fill(target, it->path(), relative / name, r);
        } else if (fs::is_regular_file(source) && !there) {
            if (copyone(it->path(), target, r))
                r.copied.push_back((relative / name).generic_string());
        }
    }
    if (ec)
        fail(r, "cannot read " + from.string(), ec);
}

}  // namespace

Fillresult fillworkfolder(const fs::path& folder, const fs::path& from)
{
    Fillresult r;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec)) {
        fail(r, "cannot make the folder " + folder.string(), ec ? ec : std::make_error_code(std::errc::not_a_directory));
        return r;
    }
    if (!from.empty())
        fill(folder, from, {}, r);
    return r;
}
