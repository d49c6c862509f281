#pragma once
// The game's file store: the few whole-file operations the ranking file needs, rooted at a
// folder so tests can use a temporary one. Paths use '/'. A name is matched exactly first,
// then case-insensitively within its folder, because the data tables mix cases
// ("BURI.mid", "MORVEK.cha", "D_PUNCH.wav").

#include <optional>
#include <string>

namespace morvek {

/// Resolves `path` against the file system: the path itself when it exists, else the
/// entry of its folder whose name equals it ignoring case; std::nullopt when neither.
std::optional<std::string> resolvePathCaseInsensitive(const std::string& path);

class FileStore {
public:
    /// Files are named relative to `root` (a folder; "" means the current folder).
    explicit FileStore(std::string root);

    bool exists(const std::string& name) const;
    /// Whole contents; throws PlatformError naming the file when it cannot be read.
    std::string read(const std::string& name) const;
    /// At most `count` bytes after skipping `skip` (fewer, or none, when the file is
    /// shorter). Reads only those bytes, so a huge file costs no more than a small one.
    std::string readFrom(const std::string& name, size_t skip,
                         size_t count = std::string::npos) const;
    /// Replaces the file atomically: written to a temporary file (the name, '.' and six
    /// letters or digits), flushed, then renamed over the old one, so a crash never leaves a
    /// half-written file. A write killed part way leaves its temporary behind, so each
    /// write first clears this name's temporaries older than a minute (a younger one may
    /// be another writer's at work); nothing else is touched.
    void write(const std::string& name, const std::string& contents) const;
    void append(const std::string& name, const std::string& contents) const;
    /// Creates an empty file (truncating an existing one).
    void create(const std::string& name) const;
    /// Deletes the file; deleting a missing file is not an error.
    void remove(const std::string& name) const;
    /// Renames `from` to `to` in one step, replacing a file already named `to`; throws
    /// PlatformError naming the file when it cannot.
    void rename(const std::string& from, const std::string& to) const;

    /// Full path of a name in this store (after case-insensitive resolution if it exists).
    std::string pathOf(const std::string& name) const;

private:
    std::string root_;
};

}  // namespace morvek
