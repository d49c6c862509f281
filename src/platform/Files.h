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

    /// True when something has the name: a file, or a folder or other thing that reading
    /// refuses. A symbolic link counts as what it resolves to, so a link to nothing does not.
    bool exists(const std::string& name) const;
    /// Whole contents; throws PlatformError naming the file when it cannot be read.
    std::string read(const std::string& name) const;
    /// At most `count` bytes after skipping `skip` (fewer, or none, when the file is
    /// shorter). Reads only those bytes, so a huge file costs no more than a small one.
    /// Anything but a file (a folder, a pipe) is refused before it is opened.
    std::string readFrom(const std::string& name, size_t skip,
                         size_t count = std::string::npos) const;
    /// Replaces the file atomically: written to a temporary file beside it, flushed, then
    /// renamed over the old one, so a crash never leaves a half-written file. A symbolic
    /// link is written through: the file it resolves to is replaced, beside itself, and
    /// the link stays. The temporary is named after the file, ".morvek-unfinished-write."
    /// and six random letters or digits: a name no person gives a file. A write killed
    /// part way leaves its temporary behind, so each write first clears the file's
    /// temporaries older than a minute (a younger one may be another writer's at work);
    /// nothing else is touched.
    void write(const std::string& name, const std::string& contents) const;
    /// Deletes the file; deleting a missing file is not an error.
    void remove(const std::string& name) const;
    /// Moves the file aside in one step, as `<file>.<mark>`, replacing an older file of
    /// that name; when the name is taken by something else (a folder, a link), as the
    /// first free `<file>.<mark>.1`, `.2`, ... A symbolic link stays where it is: the file
    /// it resolves to is moved, beside itself. Returns the path it now has; throws
    /// PlatformError naming the file when it cannot be moved.
    std::string moveAside(const std::string& name, const std::string& mark) const;

    /// Full path of a name in this store (after case-insensitive resolution if it exists).
    std::string pathOf(const std::string& name) const;

private:
    std::string root_;
};

}  // namespace morvek
