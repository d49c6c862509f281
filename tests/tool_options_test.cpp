// The tools' command lines, run as a person runs them: --help is answered, an unknown
// option is refused, and neither is ever taken for a folder to write into; a value the
// match runner cannot use is refused in one line before anything is played.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <utility>

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
    /// The run said one line on stderr, starting with `start`, and nothing on stdout.
    static void expectOneLineRefusal(const ToolRun& r, const std::string& start, int status,
                                     const std::string& what) {
        EXPECT_EQ(r.status, status) << what;
        EXPECT_EQ(r.out, "") << what;
        EXPECT_EQ(r.err.rfind(start, 0), 0u) << what << " said: " << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << " said: " << r.err;
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
    // The round time is not in seconds: --help says what it counts.
    EXPECT_NE(run("match_runner", "--help").out.find(
                  "--round-time T  the round clock in the game's own unit: it shows T/100 as "
                  "the seconds left (6099 is the 60-second round"),
              std::string::npos);
}

TEST_F(ToolOptions, MatchRunnerRefusesANumberOrFighterItCannotUseAndTakesTheEdges) {
    const std::pair<const char*, const char*> bad[] = {
        {"--seed", "-1"},          {"--seed", "12abc"},      {"--seed", "4294967296"},
        {"--seed", "' 7'"},        {"--seed", "''"},         {"--level", "40000"},
        {"--level", "32768"},      {"--level", "-1"},        {"--matches", "-3"},
        {"--matches", "0"},        {"--round-time", "-10"},  {"--round-time", "-1"},
        {"--round-time", "32768"}, {"--max-frames", "0"},    {"--delay", "-1"},
        {"--delay", "2.5"},        {"--accuracy", "1.5"},    {"--accuracy", "nan"},
        {"--guard", "-0.1"},       {"--guard", "half"},      {"--level", ""},
    };
    for (const auto& [option, value] : bad) {
        const std::string args = std::string(option) + " " + value;
        expectOneLineRefusal(run("match_runner", "--max-frames 1 " + args),
                             "match_runner: " + std::string(option) + " takes ", 2, args);
    }
    EXPECT_EQ(run("match_runner", "--level 40000").err,
              "match_runner: --level takes a whole number from 0 to 32767\n");
    EXPECT_EQ(run("match_runner", "--guard 2").err,
              "match_runner: --guard takes a real number from 0 to 1\n");
    // The seeds of the matches run on from --seed and must stay seeds.
    expectOneLineRefusal(run("match_runner", "--seed 4294967295 --matches 2"),
                         "match_runner: --matches takes a whole number from 1 to 1 ", 2,
                         "--matches after the last seed");

    const ToolRun fighter = run("match_runner", "--p1 foo");
    EXPECT_EQ(fighter.err,
              "match_runner: --p1: unknown fighter \"foo\"; known: morvekboy ginzamurai nangief "
              "honekawa gouda interrupter buri god betaboy\n");
    EXPECT_EQ(fighter.status, 2);
    EXPECT_EQ(fighter.out, "");
    expectOneLineRefusal(run("match_runner", "--p2 ''"),
                         "match_runner: --p2: unknown fighter \"\"", 2, "--p2 ''");

    // Every edge is taken: one match, stopped by its frame limit.
    const ToolRun edges = run("match_runner",
                              "--seed 4294967295 --level 32767 --round-time 0 --delay 0 "
                              "--accuracy 1 --guard 0 --max-frames 1 --p1 buri --p2 god");
    EXPECT_EQ(edges.status, 1) << edges.err;
    EXPECT_EQ(edges.out.rfind("seed=4294967295 p1=buri p2=god level=32767 ", 0), 0u) << edges.out;
    EXPECT_NE(edges.out.find(" frames=1 "), std::string::npos) << edges.out;
    EXPECT_TRUE(edges.out.ends_with(" FAILED=frame limit\n")) << edges.out;
    EXPECT_TRUE(wroteNothing());
}

TEST_F(ToolOptions, AFileOrFolderThatCannotBeReadIsSaidInOneLineBeforeAnythingIsWritten) {
    // The run's own folder, given as a key script, is not an empty script.
    expectOneLineRefusal(run("match_runner", "--keys ."),
                         "match_runner: --keys: cannot read key script .", 1, "--keys .");
    expectOneLineRefusal(run("match_runner", "--keys missing.txt"),
                         "match_runner: --keys: cannot read key script missing.txt", 1,
                         "--keys missing.txt");
    expectOneLineRefusal(run("match_runner", "--data missing"), "match_runner: --data: ", 1,
                         "--data missing");
    const ToolRun empty = run("match_runner", "--data ''");
    expectOneLineRefusal(empty, "match_runner: --data: ", 1, "--data ''");
    EXPECT_EQ(empty.err, "match_runner: --data: no folder \"\"\n");
    // A refused option comes first: nothing is read.
    expectOneLineRefusal(run("match_runner", "--keys . --level x"),
                         "match_runner: --level takes ", 2, "--keys . --level x");
    // Not stand-ins for every picture, nor the current folder filled.
    expectOneLineRefusal(run("scene_viewer", "out missing"), "scene_viewer: DATADIR missing ", 1,
                         "scene_viewer out missing");
    expectOneLineRefusal(run("make_data", "''"), "make_data: ", 2, "make_data ''");
    EXPECT_TRUE(wroteNothing());
}

TEST_F(ToolOptions, MatchRunnerRefusesAKeyScriptLineThatIsNotAKeyToPlayNamingTheLine) {
    // Each after a comment and a blank line, so it is line 3.
    const std::string bad[] = {
        "300 65537", "300 -65535", "300 1.9", "300 1 junk", "junk", "300", "-1 5",
        "300 0",     "300 41",     "300 75",  "+3 5",       "3 0x5",
    };
    const std::string script = (logs_ / "keys.txt").string();
    for (const std::string& line : bad) {
        std::ofstream(script) << "# a comment\n\n" << line << "\n0 1\n";
        const ToolRun r = run("match_runner", "--max-frames 1 --keys '" + script + "'");
        expectOneLineRefusal(r, "match_runner: --keys: " + script + " line 3: \"" + line + "\"", 2,
                             line);
    }
    // Whole frames from 0, every kind of key code, comments, blanks and tabs are taken.
    std::ofstream(script) << "# Return, then keys\n\n0 60 # Enter\n\t1\t1\n2 40\n3 50\n4 61\n"
                          << "5 65\n6 71\n7 74\n9223372036854775807 1\n";
    const ToolRun good = run("match_runner", "--max-frames 1 --keys '" + script + "'");
    EXPECT_EQ(good.status, 1) << good.err;  // stopped by its frame limit
    EXPECT_EQ(good.err, "");
    EXPECT_TRUE(good.out.ends_with(" FAILED=frame limit\n")) << good.out;
    EXPECT_TRUE(wroteNothing());
}

}  // namespace
