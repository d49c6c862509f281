#pragma once
// A fresh temporary folder that is also the current folder while a test runs, so the
// game's writes to its current folder (the SCORE file) never touch the real one.

#include <filesystem>
#include <random>
#include <string>

namespace morvek::testing {

class ScopedTempCurrentFolder {
public:
    ScopedTempCurrentFolder() {
        std::random_device rd;
        folder_ = std::filesystem::temp_directory_path() /
                  ("morvek-cwd-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(folder_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }
    ~ScopedTempCurrentFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::remove_all(folder_, ec);
    }
    ScopedTempCurrentFolder(const ScopedTempCurrentFolder&) = delete;
    ScopedTempCurrentFolder& operator=(const ScopedTempCurrentFolder&) = delete;

    const std::filesystem::path& path() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path previous_;
};

}  // namespace morvek::testing
