// The file store on std::filesystem, with the case-insensitive name lookup the data
// tables need, and an atomic whole-file write for the ranking file.

#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "platform/Platform.h"

namespace fs = std::filesystem;

namespace morvek {

namespace {

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        auto lower = [](unsigned char ch) {
            return (ch >= 'A' && ch <= 'Z') ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
        };
        if (lower(static_cast<unsigned char>(a[i])) != lower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

bool pathExists(const fs::path& p) {
    std::error_code ec;
    return fs::exists(p, ec);
}

/// `folder / name` if it exists, else the entry of `folder` matching `name` ignoring case.
std::optional<fs::path> findInFolder(const fs::path& folder, const fs::path& name) {
    const fs::path exact = folder / name;
    if (pathExists(exact)) return exact;
    const std::string wanted = name.string();
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return std::nullopt;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return std::nullopt;
        const fs::path entry = it->path().filename();
        if (equalsIgnoringCase(entry.string(), wanted)) return folder / entry;
    }
    return std::nullopt;
}

std::string errnoText() { return std::strerror(errno); }

void writeAll(int fd, const std::string& contents, const std::string& path) {
    const char* p = contents.data();
    size_t left = contents.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw PlatformError("cannot write file " + path + ": " + errnoText());
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
}

/// Between a file's name and mkstemp's random part in the name of a write's temporary.
constexpr std::string_view kTemporaryMark = ".morvek-unfinished-write.";

/// True for `base`, the mark and six letters or digits: the names a write of `base` gives
/// its temporary, and nothing else.
bool isTemporaryOf(const std::string& entry, const std::string& base) {
    constexpr size_t kRandomLength = 6;
    const size_t randomStart = base.size() + kTemporaryMark.size();
    if (entry.size() != randomStart + kRandomLength) return false;
    if (entry.compare(0, base.size(), base) != 0 ||
        entry.compare(base.size(), kTemporaryMark.size(), kTemporaryMark) != 0)
        return false;
    for (size_t i = randomStart; i < entry.size(); ++i) {
        const char c = entry[i];
        const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum) return false;
    }
    return true;
}

/// The file `path` names: the path itself, or for a symbolic link (or a chain of them)
/// the file it resolves to, which need not exist yet. Writing and moving act on that file
/// so the link stays a link. Throws PlatformError saying `what` on a link that cannot be
/// read or a loop.
fs::path throughLinks(const fs::path& path, const std::string& what) {
    constexpr int kMostLinks = 40;  // as many as the system itself follows
    fs::path file = path;
    for (int links = 0;; ++links) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(file, ec))) return file;
        if (links == kMostLinks)
            throw PlatformError(what + path.string() + ": " +
                                std::make_error_code(std::errc::too_many_symbolic_link_levels).message());
        const fs::path target = fs::read_symlink(file, ec);
        if (ec) throw PlatformError(what + path.string() + ": " + ec.message());
        file = target.is_absolute() ? target : file.parent_path() / target;
    }
}

/// Deletes the temporaries of `path` that writes cut short left, once they are a minute
/// old. A failure here costs only a little disk, so it is ignored.
void clearStaleTemporaries(const fs::path& path) {
    const fs::path folder = path.parent_path();
    const std::string base = path.filename().string();
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::minutes(1);
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    if (ec) return;
    for (const fs::directory_iterator end; it != end; it.increment(ec)) {
        if (ec) return;
        if (!isTemporaryOf(it->path().filename().string(), base)) continue;
        std::error_code entryEc;
        if (!fs::is_regular_file(it->symlink_status(entryEc)) || entryEc) continue;
        const auto written = fs::last_write_time(it->path(), entryEc);
        if (entryEc || written >= cutoff) continue;
        fs::remove(it->path(), entryEc);
    }
}

}  // namespace

std::optional<std::string> resolvePathCaseInsensitive(const std::string& path) {
    if (path.empty()) return std::nullopt;
    if (pathExists(path)) return path;

    // Walk the components, matching each exactly or else ignoring case.
    const fs::path p(path);
    fs::path current = p.root_path();
    for (const fs::path& part : p.relative_path()) {
        if (part.empty()) continue;  // a trailing '/'
        if (part == "." || part == "..") {
            current /= part;
            continue;
        }
        auto found = findInFolder(current, part);
        if (!found) return std::nullopt;
        current = *found;
    }
    return current.string();
}

FileStore::FileStore(std::string root) : root_(std::move(root)) {}

std::string FileStore::pathOf(const std::string& name) const {
    std::string joined;
    if (root_.empty())
        joined = name;
    else if (root_.back() == '/')
        joined = root_ + name;
    else
        joined = root_ + "/" + name;

    if (auto found = resolvePathCaseInsensitive(joined)) return *found;
    // A file not there yet: still find its folder under another case.
    const fs::path p(joined);
    if (p.has_parent_path()) {
        if (auto folder = resolvePathCaseInsensitive(p.parent_path().string()))
            return (fs::path(*folder) / p.filename()).string();
    }
    return joined;
}

bool FileStore::exists(const std::string& name) const {
    std::error_code ec;
    return fs::exists(pathOf(name), ec);
}

std::string FileStore::read(const std::string& name) const {
    const std::string path = pathOf(name);
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PlatformError("cannot read file " + path);
    std::string contents((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw PlatformError("cannot read file " + path);
    return contents;
}

std::string FileStore::readFrom(const std::string& name, size_t skip, size_t count) const {
    const std::string path = pathOf(name);
    // The size first: it refuses a folder, and a pipe before opening it could block.
    std::error_code ec;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) throw PlatformError("cannot read file " + path + ": " + ec.message());
    std::ifstream in(path, std::ios::binary);
    if (!in) throw PlatformError("cannot read file " + path + ": " + errnoText());
    if (skip >= size) return {};
    const size_t wanted = static_cast<size_t>(std::min<uintmax_t>(size - skip, count));
    std::string contents(wanted, '\0');
    in.seekg(static_cast<std::streamoff>(skip));
    in.read(contents.data(), static_cast<std::streamsize>(wanted));
    if (in.bad()) throw PlatformError("cannot read file " + path);
    contents.resize(static_cast<size_t>(in.gcount()));  // the file may have shrunk meanwhile
    return contents;
}

void FileStore::write(const std::string& name, const std::string& contents) const {
    const std::string path = throughLinks(pathOf(name), "cannot write file ").string();
    clearStaleTemporaries(path);
    // The temporary lives in the same folder so the rename cannot cross file systems.
    std::string tempName = path + std::string(kTemporaryMark) + "XXXXXX";
    const int fd = ::mkstemp(tempName.data());
    if (fd < 0) throw PlatformError("cannot write file " + path + ": " + errnoText());
    try {
        // mkstemp makes the file private; a data file is readable by everyone.
        if (::fchmod(fd, 0644) != 0)
            throw PlatformError("cannot write file " + path + ": " + errnoText());
        writeAll(fd, contents, path);
        if (::fsync(fd) != 0)
            throw PlatformError("cannot write file " + path + ": " + errnoText());
    } catch (...) {
        ::close(fd);
        ::unlink(tempName.c_str());
        throw;
    }
    if (::close(fd) != 0) {
        ::unlink(tempName.c_str());
        throw PlatformError("cannot write file " + path + ": " + errnoText());
    }
    if (::rename(tempName.c_str(), path.c_str()) != 0) {
        const std::string why = errnoText();
        ::unlink(tempName.c_str());
        throw PlatformError("cannot write file " + path + ": " + why);
    }
    // Make the rename itself durable.
    const fs::path folder = fs::path(path).parent_path();
    const int dirFd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void FileStore::remove(const std::string& name) const {
    const std::string path = pathOf(name);
    std::error_code ec;
    fs::remove(path, ec);  // a missing file is no error: it returns false without one
    if (ec) throw PlatformError("cannot delete file " + path + ": " + ec.message());
}

std::string FileStore::moveAside(const std::string& name, const std::string& mark) const {
    const std::string path = throughLinks(pathOf(name), "cannot move file ").string();
    // An older file of the name is an older copy put aside; anything else there (a folder,
    // a link) is someone's, so the copy takes the first name that is free.
    std::string aside = path + "." + mark;
    std::error_code ec;
    const fs::file_type taken = fs::symlink_status(aside, ec).type();
    if (taken != fs::file_type::not_found && taken != fs::file_type::regular) {
        constexpr int kMostNumbers = 999;
        for (int n = 1;; ++n) {
            if (n > kMostNumbers)
                throw PlatformError("cannot move file " + path + " aside: no free name after " + aside);
            aside = path + "." + mark + "." + std::to_string(n);
            if (fs::symlink_status(aside, ec).type() == fs::file_type::not_found) break;
        }
    }
    if (::rename(path.c_str(), aside.c_str()) != 0)
        throw PlatformError("cannot rename file " + path + " to " + aside + ": " + errnoText());
    return aside;
}

}  // namespace morvek
