// The tools' command lines, run as a person runs them: --help is answered, an unknown
// option is refused, and neither is ever taken for a folder to write into.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string contentsOf(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class ToolOptions : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        const fs::path root =
            fs::temp_directory_path() / ("morvek_tools_" + std::to_string(rd()) + std::to_string(rd()));
        work_ = root / "work";
        logs_ = root / "logs";
        fs::create_directories(work_);
        fs::create_directories(logs_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(work_.parent_path(), ec);
    }

    /// Runs `tool arg` in an empty folder of its own, capturing both streams elsewhere.
    ToolRun run(const std::string& tool, const std::string& arg) {
        const std::string command = "cd '" + work_.string() + "' && '" MORVEK_TOOL_FOLDER "/" +
                                    tool + "' " + arg + " >'" + (logs_ / "out").string() +
                                    "' 2>'" + (logs_ / "err").string() + "' </dev/null";
        const int raw = std::system(command.c_str());
        ToolRun r;
        if (raw != -1 && WIFEXITED(raw)) r.status = WEXITSTATUS(raw);
        r.out = contentsOf(logs_ / "out");
        r.err = contentsOf(logs_ / "err");
        return r;
    }
    bool wroteNothing() const { return fs::is_empty(work_); }

    fs::path work_;
    fs::path logs_;
};

TEST_F(ToolOptions, HelpIsAnsweredAndAnUnknownOptionRefusedWithoutWritingAnything) {
    for (const std::string tool : {"scene_viewer", "match_runner", "make_data", "platform_demo"}) {
        const std::string usage = "usage: " + tool;
        const ToolRun help = run(tool, "--help");
        EXPECT_EQ(help.status, 0) << tool;
        EXPECT_EQ(help.out.rfind(usage, 0), 0u) << tool << " said: " << help.out;
        EXPECT_EQ(help.err, "") << tool;
        EXPECT_TRUE(wroteNothing()) << tool << " --help";

        const ToolRun unknown = run(tool, "--frobnicate");
        EXPECT_EQ(unknown.status, 2) << tool;
        EXPECT_EQ(unknown.out, "") << tool;
        EXPECT_NE(unknown.err.find(usage), std::string::npos) << tool << " said: " << unknown.err;
        EXPECT_TRUE(wroteNothing()) << tool << " --frobnicate";
    }
}

}  // namespace
