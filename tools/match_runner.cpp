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
// --guard) unless --keys gives a key script ("frame code" lines, codes as the game's key
// codes: 1-40 the letter grid, 50 Space, 60 Enter...). Matches use seeds N, N+1, ...
// --boss-stage plays G O D (as player 2) on its boss stage: the cut-scene before the first
// round and the final defeat, both of which wait for Return, which the bot presses.
// --twice plays each match again and fails when the two results differ. --speed adds the
// frames per second of each match (wall time; not part of the result). The pictures are
// read from --data (default: this program's folder). The exit code is 1 when any match
// failed to end or was not repeatable.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <string>

#include "match_runner.h"

using namespace morvek::match;

namespace {

void usage(std::FILE* to) {
    std::fprintf(to,
                 "usage: match_runner [--seed N] [--matches N] [--p1 STEM] [--p2 STEM] "
                 "[--level N] [--accuracy A] [--delay FRAMES] [--guard P] [--round-time T] "
                 "[--max-frames N] [--keys FILE] [--data DIR] [--boss-stage] [--twice] "
                 "[--speed]\n");
}

}  // namespace

int main(int argc, char** argv) {
    MatchSetup setup;
    setup.dataFolder = programFolderOf(argv[0]);
    long matches = 1;
    bool twice = false;
    bool speed = false;
    try {
        for (int i = 1; i < argc; ++i) {
            const std::string a = argv[i];
            auto value = [&]() -> std::string {
                if (i + 1 >= argc) throw std::runtime_error("missing value after " + a);
                return argv[++i];
            };
            if (a == "--seed") setup.seed = static_cast<uint32_t>(std::stoul(value()));
            else if (a == "--matches") matches = std::stol(value());
            else if (a == "--p1") setup.fighter1 = value();
            else if (a == "--p2") setup.fighter2 = value();
            else if (a == "--level") setup.level = static_cast<int16_t>(std::stoi(value()));
            else if (a == "--accuracy") setup.accuracy = std::stod(value());
            else if (a == "--delay") setup.delay = std::stoi(value());
            else if (a == "--guard") setup.guardChance = std::stod(value());
            else if (a == "--round-time") setup.roundTime = static_cast<int16_t>(std::stoi(value()));
            else if (a == "--max-frames") setup.maxFrames = std::stoll(value());
            else if (a == "--keys") {
                setup.keyScript = readKeyScript(value());
                setup.useKeyScript = true;
            } else if (a == "--data") {
                setup.dataFolder = value();
                if (!setup.dataFolder.empty() && setup.dataFolder.back() != '/')
                    setup.dataFolder += '/';
            } else if (a == "--boss-stage") setup.bossStage = true;
            else if (a == "--twice") twice = true;
            else if (a == "--speed") speed = true;
            else if (a == "--help") {
                usage(stdout);
                return 0;
            } else {
                std::fprintf(stderr, "match_runner: unknown option %s\n", a.c_str());
                usage(stderr);
                return 2;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "match_runner: %s\n", e.what());
        usage(stderr);
        return 2;
    }

    PictureCache pictures;
    bool allGood = true;
    const uint32_t first = setup.seed;
    for (long m = 0; m < matches; ++m) {
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
