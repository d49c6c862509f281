// Replay: seeded whole matches of every fighter pair (player 1 the bot typist, player 2 the
// computer), each compared line for line with the recorded end state in tests/golden/: the
// winner, the rounds, the frames played, the last vitality and a hash of both fighters, the
// stage and the random sequence. A step, a damage, a timer or a random draw that changes
// anywhere in a match changes its line, so this holds every match as it plays now. A rule
// changed on purpose rewrites the files with scripts/update_golden.sh in the same commit,
// which says why.
//
// The line is match_runner's, made by the same formatResult. A recorded line has a winner
// and no FAILED mark, so a match that no longer ends within its frame limit fails too.
//
// The matches are listed once, in tests/golden/plan.txt, which scripts/update_golden.sh reads
// too; a recorded line that the plan does not play fails.
//
// The Release build plays all 324 recorded matches, one test per pair so ctest runs them in
// parallel, and G O D's boss stage (its cut-scene and its final defeat). The sanitizers make
// a frame some ten times slower, so that build plays one recorded match of a third of the
// pairs (every fighter meets three opponents on either side, its mirror match among them)
// and one boss stage; any memory or undefined-behaviour fault in a match fails there.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <ostream>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "battle/Character.h"
#include "match_runner.h"
#include "movesets/Registry.h"

namespace morvek::match {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

/// The pictures come from the build's generated data set beside the tools.
const std::string kDataFolder = MORVEK_TOOL_FOLDER "/";
const std::string kGoldenFolder = MORVEK_SOURCE_DIR "/tests/golden/";

std::string stemOf(int16_t number) {
    Character c;
    c.CharaNameSetFromNumber(number);
    return c.charaname;
}

/// The recorded matches as plan.txt lists them: every pair of the fighters at each seed and
/// computer level, and G O D's boss stage at each boss seed.
struct Plan {
    std::vector<std::string> fighters;
    std::vector<uint32_t> seeds;
    std::vector<int16_t> levels;
    std::vector<uint32_t> bossSeeds;
    std::string error;  ///< why the plan cannot be played; empty when it can
};

Plan readPlan(const std::string& path) {
    Plan plan;
    std::ifstream in(path);
    if (!in || std::filesystem::is_directory(path)) {
        plan.error = "cannot read the plan " + path;
        return plan;
    }
    std::vector<std::string> known;
    for (int16_t n = 0; n < kFighterCount; ++n) known.push_back(stemOf(n));
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::istringstream words(line);
        std::string list, word;
        if (!(words >> list) || list[0] == '#') continue;
        std::vector<std::string> values;
        while (words >> word) values.push_back(word);
        // Each list once, with values, every one of them one the list can hold.
        bool ok = !values.empty();
        auto numbers = [&]<typename T>(std::vector<T>& to, T lo, T hi) {
            ok = ok && to.empty();
            for (const std::string& v : values) {
                const std::optional<T> n = numberIn(v, lo, hi);
                ok = ok && n.has_value();
                if (n) to.push_back(*n);
            }
        };
        if (list == "fighters") {
            ok = ok && plan.fighters.empty();
            for (const std::string& v : values)
                ok = ok && std::find(known.begin(), known.end(), v) != known.end();
            plan.fighters = values;
        } else if (list == "seeds") {
            numbers(plan.seeds, 0u, std::numeric_limits<uint32_t>::max());
        } else if (list == "levels") {
            numbers(plan.levels, int16_t{0}, std::numeric_limits<int16_t>::max());
        } else if (list == "boss-seeds") {
            numbers(plan.bossSeeds, 0u, std::numeric_limits<uint32_t>::max());
        } else {
            ok = false;
        }
        if (!ok) {
            plan.error = path + " line " + std::to_string(number) + ": not a list it takes";
            return plan;
        }
    }
    if (in.bad()) plan.error = "cannot read the plan " + path;
    else if (plan.fighters.empty() || plan.seeds.empty() || plan.levels.empty() ||
             plan.bossSeeds.empty())
        plan.error = path + " wants the lists fighters, seeds, levels and boss-seeds";
    return plan;
}

/// What names a match in its line: "seed=S p1=A p2=B level=L".
std::string keyOf(const std::string& line) { return line.substr(0, line.find(" winner=")); }

/// Reads a recorded file's lines by match into `lines`; '#' starts a comment line. Fails
/// once, saying why, when the file cannot be read, records no match, or records one twice
/// (only one of the two lines would be compared).
::testing::AssertionResult readGolden(const std::string& path,
                                      std::map<std::string, std::string>& lines) {
    std::ifstream in(path);
    if (!in || std::filesystem::is_directory(path))
        return ::testing::AssertionFailure() << "cannot read the recorded matches " << path;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (!lines.emplace(keyOf(line), line).second)
            return ::testing::AssertionFailure() << path << " records " << keyOf(line) << " twice";
    }
    if (in.bad())
        return ::testing::AssertionFailure() << "cannot read the recorded matches " << path;
    if (lines.empty()) return ::testing::AssertionFailure() << path << " records no match";
    return ::testing::AssertionSuccess();
}

/// Match `match` of the pair of the plan's fighters `p1` and `p2`: its seeds in turn, then
/// its levels.
MatchSetup pairMatch(const Plan& plan, size_t p1, size_t p2, size_t match) {
    MatchSetup setup;
    setup.dataFolder = kDataFolder;
    setup.fighter1 = plan.fighters[p1];
    setup.fighter2 = plan.fighters[p2];
    setup.seed = plan.seeds[match % plan.seeds.size()];
    setup.level = plan.levels[match / plan.seeds.size()];
    return setup;
}
size_t matchesOfAPair(const Plan& plan) { return plan.seeds.size() * plan.levels.size(); }

/// G O D's boss stage: the cut-scene before the first round and, once player 1 has won, the
/// final defeat, both standing still until the bot presses Return. A perfect typist against
/// a computer that hardly acts wins these seeds, so the final defeat is played too.
MatchSetup bossMatch(uint32_t seed) {
    MatchSetup setup;
    setup.dataFolder = kDataFolder;
    setup.fighter1 = "morvekboy";
    setup.fighter2 = "god";
    setup.level = 0;
    setup.accuracy = 1.0;
    setup.seed = seed;
    setup.bossStage = true;
    return setup;
}

/// The recorded lines that none of `played` gives.
std::vector<std::string> unplayed(const std::map<std::string, std::string>& golden,
                                  const std::vector<MatchSetup>& played) {
    std::set<std::string> keys;
    for (const MatchSetup& s : played) {
        MatchResult r;
        r.seed = s.seed;
        r.fighter1 = s.fighter1;
        r.fighter2 = s.fighter2;
        r.level = s.level;
        keys.insert(keyOf(formatResult(r)));
    }
    std::vector<std::string> lines;
    for (const auto& [key, line] : golden)
        if (!keys.contains(key)) lines.push_back(line);
    return lines;
}

/// Plays the match and compares its line with the recorded one.
void expectAsRecorded(const std::map<std::string, std::string>& golden, const MatchSetup& setup,
                      PictureCache& pictures) {
    const std::string actual = formatResult(playMatch(setup, &pictures));
    const std::string key = keyOf(actual);
    const auto it = golden.find(key);
    ASSERT_NE(it, golden.end()) << "no recorded line for " << key;
    EXPECT_EQ(actual, it->second) << "the match " << key << " plays differently";
}

/// Two of the plan's fighters by their place in its list.
struct Pair {
    size_t p1, p2;
    std::string stem1, stem2;
};
void PrintTo(const Pair& p, std::ostream* os) { *os << p.stem1 << " vs " << p.stem2; }

/// Release: every pair. Sanitizers: the pairs whose places differ by a multiple of 3.
std::vector<Pair> pairsPlayed() {
    const Plan plan = readPlan(kGoldenFolder + "plan.txt");
    std::vector<Pair> pairs;
    if (!plan.error.empty()) return pairs;  // MatchReplayRecords says why
    const size_t n = plan.fighters.size();
    for (size_t a = 0; a < n; ++a)
        for (size_t b = 0; b < n; ++b)
            if (!kSanitized || a % 3 == b % 3)
                pairs.push_back({a, b, plan.fighters[a], plan.fighters[b]});
    return pairs;
}

class MatchReplay : public ::testing::TestWithParam<Pair> {};

TEST_P(MatchReplay, PlaysAsRecorded) {
    const Plan plan = readPlan(kGoldenFolder + "plan.txt");
    ASSERT_EQ(plan.error, "");
    std::map<std::string, std::string> golden;
    ASSERT_TRUE(readGolden(kGoldenFolder + "matches.txt", golden));
    const Pair pair = GetParam();
    PictureCache pictures;
    for (size_t i = 0; i < matchesOfAPair(plan); ++i) {
        // Under the sanitizers one match a pair. With p and q the thirds of the list (0-2)
        // that the two fighters stand in, it is match (p + q + p / 2) mod 4: of the two
        // seeds at two levels, each fighter plays three on either side and all four between
        // its five matches.
        const size_t p = pair.p1 / 3;
        const size_t q = pair.p2 / 3;
        if (kSanitized && i != (p + q + p / 2) % matchesOfAPair(plan)) continue;
        expectAsRecorded(golden, pairMatch(plan, pair.p1, pair.p2, i), pictures);
    }
}

INSTANTIATE_TEST_SUITE_P(Pairs, MatchReplay, ::testing::ValuesIn(pairsPlayed()),
                         [](const auto& p) { return p.param.stem1 + "_" + p.param.stem2; });

TEST(MatchReplayBossStage, GodsStagePlaysAsRecorded) {
    const Plan plan = readPlan(kGoldenFolder + "plan.txt");
    ASSERT_EQ(plan.error, "");
    std::map<std::string, std::string> golden;
    ASSERT_TRUE(readGolden(kGoldenFolder + "boss_stage.txt", golden));
    PictureCache pictures;
    for (size_t i = 0; i < (kSanitized ? 1 : plan.bossSeeds.size()); ++i)
        expectAsRecorded(golden, bossMatch(plan.bossSeeds[i]), pictures);
}

TEST(MatchReplayRecords, EveryRecordedLineIsAMatchThePlanPlays) {
    const Plan plan = readPlan(kGoldenFolder + "plan.txt");
    ASSERT_EQ(plan.error, "");
    std::map<std::string, std::string> matches, boss;
    ASSERT_TRUE(readGolden(kGoldenFolder + "matches.txt", matches));
    ASSERT_TRUE(readGolden(kGoldenFolder + "boss_stage.txt", boss));
    std::vector<MatchSetup> pairs;
    for (size_t a = 0; a < plan.fighters.size(); ++a)
        for (size_t b = 0; b < plan.fighters.size(); ++b)
            for (size_t i = 0; i < matchesOfAPair(plan); ++i)
                pairs.push_back(pairMatch(plan, a, b, i));
    std::vector<MatchSetup> bossStages;
    for (uint32_t seed : plan.bossSeeds) bossStages.push_back(bossMatch(seed));
    EXPECT_EQ(unplayed(matches, pairs), std::vector<std::string>{});
    EXPECT_EQ(unplayed(boss, bossStages), std::vector<std::string>{});

    // A line left behind by a seed the plan does not list.
    const std::string& line = matches.begin()->second;
    const std::string stale = "seed=4294967295" + line.substr(line.find(' '));
    matches.emplace(keyOf(stale), stale);
    EXPECT_EQ(unplayed(matches, pairs), std::vector<std::string>{stale});
}

TEST(MatchReplayRecords, ARecordThatCannotBeUsedFailsOnceSayingSo) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                      ("morvek_golden_" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(dir / "folder.txt");
    const std::string missing = (dir / "missing.txt").string();
    const std::string folder = (dir / "folder.txt").string();
    std::map<std::string, std::string> lines;
    for (const std::string& path : {missing, folder}) {
        const ::testing::AssertionResult read = readGolden(path, lines);
        EXPECT_FALSE(read);
        EXPECT_EQ(std::string(read.message()), "cannot read the recorded matches " + path);
        EXPECT_EQ(readPlan(path).error, "cannot read the plan " + path);
    }
    const std::string twice = (dir / "twice.txt").string();
    std::ofstream(twice) << "# heading\n"
                         << "seed=1 p1=god p2=buri level=10 winner=1\n"
                         << "seed=1 p1=god p2=buri level=10 winner=2\n";
    EXPECT_EQ(std::string(readGolden(twice, lines).message()),
              twice + " records seed=1 p1=god p2=buri level=10 twice");
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace morvek::match
