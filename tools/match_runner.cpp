// match_runner: plays whole matches without a person and prints one line per match (seed,
// fighters, level, winner, rounds, frames, final vitality, end-state hash), so a run can be
// compared with a stored expectation.
//
//   match_runner [--seed N] [--matches N] [--p1 STEM] [--p2 STEM] [--level N]
//                [--accuracy A] [--delay FRAMES] [--guard P] [--round-time T]
//                [--max-frames N] [--keys FILE] [--data DIR] [--boss-stage] [--twice]
//                [--speed]
//
// Player 2 is the computer at --level. Player 1 is the bot typist (--accuracy, --delay,
// --guard) unless --keys gives a key script ("frame code" lines of whole numbers, the frame
// from 0, the code one of the game's key codes: 1-40 the letter grid, 50 Space, 60 Enter,
// 61 F12, 65 Ctrl, 71-74 the arrows; '#' starts a comment). Matches use seeds N, N+1, ...
// --boss-stage plays G O D (as player 2) on its boss stage: the cut-scene before the first
// round and the final defeat, both of which wait for Return, which the bot presses.
// --round-time counts in the game's own unit: the clock shows T/100 as the seconds left
// (6099 is the 60-second round, 9999 the 99) and loses 2 each frame; 0 plays rounds with no
// time limit, as the options screen allows.
// --twice plays each match again and fails when the two results differ. --speed adds the
// frames per second of each match (wall time; not part of the result). The pictures are
// read from --data (default: this program's folder). A value the game cannot use (a number
// out of range or not wholly a number, an unknown fighter, a key script line that is not a key
// to play) is refused in one line on stderr with exit code 2, before anything is played. The
// exit code is 1 when the key script or the data folder cannot be read, or when any match
// failed to end or was not repeatable.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "match_runner.h"

using namespace morvek;
using namespace morvek::match;

namespace {

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: match_runner [--seed N] [--matches N] [--p1 STEM] [--p2 STEM] "
                 "[--level N] [--accuracy A] [--delay FRAMES] [--guard P] [--round-time T] "
                 "[--max-frames N] [--keys FILE] [--data DIR] [--boss-stage] [--twice] "
                 "[--speed]\n");
}

/// What --help adds to the usage: the one option whose unit is the game's own.
void help() {
    usage(stdout);
    std::printf("  --round-time T  the round clock in the game's own unit: it shows T/100 as the "
                "seconds left (6099 is the 60-second round, 9999 the 99) and loses 2 each "
                "frame; 0 plays without a time limit (default 6099)\n");
}

/// An option's value the tool cannot use: said in one line, and nothing is played.
struct Refusal : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/// The fighters' file stems, in the game's fighter order.
std::vector<std::string> fighterStems() {
    std::vector<std::string> stems;
    Character c;
    for (int16_t n = 0; n <= 9; ++n) {
        c.CharaNameSetFromNumber(n);
        if (!c.charaname.empty() &&
            std::find(stems.begin(), stems.end(), c.charaname) == stems.end())
            stems.push_back(c.charaname);
    }
    return stems;
}

// The ranges the game can use. The seed is the random source's; the level and the round
// time are 16-bit fields of the game (a round time of 0 is a round without a time limit);
// the bot adds up to three frames to its delay; and a match bounds its inner loops by four
// presents a frame and 10000 more (see Match), a count that must not run over.
constexpr int64_t kMaxSeed = std::numeric_limits<uint32_t>::max();
constexpr int64_t kMaxField = std::numeric_limits<int16_t>::max();
constexpr int64_t kMaxDelay = std::numeric_limits<int>::max() - 3;
constexpr int64_t kMaxFrames =
    static_cast<int64_t>((std::numeric_limits<uint64_t>::max() - 10000) / 4);

}  // namespace

int main(int argc, char** argv) {
    MatchSetup setup;
    setup.dataFolder = programFolderOf(argv[0]);
    int64_t matches = 1;
    bool twice = false;
    bool speed = false;
    std::string keysFile;
    std::string dataGiven = setup.dataFolder;  // as given, to name it when it is no folder
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string a = argv[i];
            auto value = [&](const std::string& takes) -> std::string {
                if (i + 1 >= argc) throw Refusal(a + " takes " + takes);
                return argv[++i];
            };
            auto number = [&]<typename T>(T lo, T hi, const std::string& takes) -> T {
                const std::optional<T> v = numberIn(value(takes), lo, hi);
                if (!v) throw Refusal(a + " takes " + takes);
                return *v;
            };
            auto whole = [&](int64_t lo, int64_t hi) {
                return number(lo, hi, "a whole number from " + std::to_string(lo) + " to " +
                                          std::to_string(hi));
            };
            auto real01 = [&]() { return number(0.0, 1.0, "a real number from 0 to 1"); };
            auto fighter = [&]() -> std::string {
                const std::vector<std::string> stems = fighterStems();
                std::string known;
                for (const std::string& s : stems) known += " " + s;
                const std::string stem = value("a fighter; known:" + known);
                if (std::find(stems.begin(), stems.end(), stem) == stems.end())
                    throw Refusal(a + ": unknown fighter \"" + stem + "\"; known:" + known);
                return stem;
            };
            if (a == "--seed") setup.seed = static_cast<uint32_t>(whole(0, kMaxSeed));
            else if (a == "--matches") matches = whole(1, kMaxSeed + 1);
            else if (a == "--p1") setup.fighter1 = fighter();
            else if (a == "--p2") setup.fighter2 = fighter();
            else if (a == "--level") setup.level = static_cast<int16_t>(whole(0, kMaxField));
            else if (a == "--accuracy") setup.accuracy = real01();
            else if (a == "--delay") setup.delay = static_cast<int>(whole(0, kMaxDelay));
            else if (a == "--guard") setup.guardChance = real01();
            else if (a == "--round-time")  // 0: no time limit, as the options screen offers
                setup.roundTime = static_cast<int16_t>(whole(0, kMaxField));
            else if (a == "--max-frames") setup.maxFrames = whole(1, kMaxFrames);
            else if (a == "--keys") {
                keysFile = value("a key script file");
                setup.useKeyScript = true;
            } else if (a == "--data") {
                dataGiven = value("a folder");
                setup.dataFolder = dataGiven;
                if (!setup.dataFolder.empty() && setup.dataFolder.back() != '/')
                    setup.dataFolder += '/';
            } else if (a == "--boss-stage") setup.bossStage = true;
            else if (a == "--twice") twice = true;
            else if (a == "--speed") speed = true;
            else if (a == "--help") {
                help();
                return 0;
            } else {
                std::fprintf(stderr, "match_runner: unknown option %s\n", a.c_str());
                usage(stderr);
                return 2;
            }
        }
        // Matches use seeds N, N+1, ...: the last one must still be a seed.
        if (matches - 1 > kMaxSeed - setup.seed)
            throw Refusal("--matches takes a whole number from 1 to " +
                          std::to_string(kMaxSeed - setup.seed + 1) + " with --seed " +
                          std::to_string(setup.seed));
    } catch (const Refusal& e) {
        std::fprintf(stderr, "match_runner: %s\n", e.what());
        return 2;
    }
    if (!std::filesystem::is_directory(setup.dataFolder)) {
        std::fprintf(stderr, "match_runner: --data: no folder \"%s\"\n", dataGiven.c_str());
        return 1;
    }
    if (setup.useKeyScript) {
        try {
            setup.keyScript = readKeyScript(keysFile);
        } catch (const KeyScriptError& e) {
            std::fprintf(stderr, "match_runner: --keys: %s\n", e.what());
            return 2;
        } catch (const std::exception& e) {
            std::fprintf(stderr, "match_runner: --keys: %s\n", e.what());
            return 1;
        }
    }

    PictureCache pictures;
    bool allGood = true;
    const uint32_t first = setup.seed;
    for (int64_t m = 0; m < matches; ++m) {
        setup.seed = first + static_cast<uint32_t>(m);
        const MatchResult r = playMatch(setup, &pictures);
        std::string line = formatResult(r);
        if (speed && r.seconds > 0)
            line += " fps=" + std::to_string(static_cast<long long>(r.frames / r.seconds));
        if (twice) {
            const MatchResult again = playMatch(setup, &pictures);
            if (formatResult(again) != formatResult(r)) {
                line += " NOT-REPEATABLE";
                allGood = false;
            }
        }
        if (!r.finished) allGood = false;
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
    }
    return allGood ? 0 : 1;
}
