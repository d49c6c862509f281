// Soak: seeded whole matches of every fighter pair (player 1 and the computer each any
// fighter number the registry knows) at several computer levels, player 1 the bot typist.
// Every match must end within its frame limit with a winner, and a repeated match must play
// out the same way again from the same seed. ./check runs it in the Release build and again
// under AddressSanitizer + UndefinedBehaviorSanitizer, so any memory or undefined-behaviour
// fault in a match fails here.
//
// A pair's matches take the levels and typists in turn, starting at a different one for
// each pair, so three matches cover every level for every pair and a single one still
// spreads them evenly. One test per player-1 fighter keeps the parts parallel under ctest.
//
// The Release build plays three matches of every pair and repeats each. The sanitizers
// make a frame some ten times slower, so that build plays one match, with shorter rounds,
// of a third of the pairs (every fighter still meets three opponents on either side, its
// mirror match among them) and repeats only the mirror matches. MORVEK_SOAK_SEEDS sets the
// matches per pair in either build. G O D's boss stage, with its cut-scene and final defeat,
// gets one match of its own in the sanitizer build and two in Release.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "battle/Character.h"
#include "data/dataset.h"
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

/// Below, at and above the act-chance steps of the computer's tick (21 and up act alike).
constexpr int16_t kLevels[] = {0, 10, 21};
/// Accuracies the bot takes in turn: a clumsy, a good and a perfect typist.
constexpr double kAccuracies[] = {0.6, 0.9, 1.0};
/// Short rounds: more round changes per frame played. Most rounds end on time.
constexpr int16_t kRoundTime = kSanitized ? 200 : 400;
/// G O D's rounds have no time limit, so against a computer that hardly acts a clumsy
/// typist needs some 25,000 frames to win.
constexpr int64_t kMaxFrames = 60000;

int matchesPerPair() {
    const char* v = std::getenv("MORVEK_SOAK_SEEDS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : kSanitized ? 1 : 3;
}

/// Pairs played: those whose fighter numbers differ by a multiple of this.
constexpr int kPairStride = kSanitized ? 3 : 1;

bool played(int16_t n1, int16_t n2) { return std::abs(n2 - n1) % kPairStride == 0; }
bool repeated(int16_t n1, int16_t n2) { return !kSanitized || n1 == n2; }

std::string stemOf(int16_t number) {
    Character c;
    c.CharaNameSetFromNumber(number);
    return c.charaname;
}

class CpuSoak : public ::testing::TestWithParam<int16_t> {
protected:
    static void SetUpTestSuite() {
        namespace fs = std::filesystem;
        const fs::path root =
            fs::temp_directory_path() / ("morvek_soak_" + std::to_string(::getpid()));
        data::writeDataSet(root);
        dataFolder_ = new std::string(root.string() + "/");
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        std::filesystem::remove_all(*dataFolder_, ec);
        delete dataFolder_;
        dataFolder_ = nullptr;
    }
    static std::string* dataFolder_;
};

std::string* CpuSoak::dataFolder_ = nullptr;

TEST_P(CpuSoak, EveryOpponentEndsWithAWinnerAndRepeats) {
    const int16_t n1 = GetParam();
    PictureCache pictures;
    for (int16_t n2 = 0; n2 < kFighterCount; ++n2) {
        if (!played(n1, n2)) continue;
        const int pairIndex = n1 * kFighterCount + n2;
        for (int i = 0; i < matchesPerPair(); ++i) {
            // Level, accuracy and delay change with different steps, so over the pairs
            // played every level meets every typist.
            const int k = n2 / 3;
            const auto level = static_cast<size_t>(n1 + k + i) % std::size(kLevels);
            const auto typist = static_cast<size_t>(n1 + 2 * k + i) % std::size(kAccuracies);
            MatchSetup setup;
            setup.dataFolder = *dataFolder_;
            setup.fighter1 = stemOf(n1);
            setup.fighter2 = stemOf(n2);
            setup.level = kLevels[level];
            setup.seed = static_cast<uint32_t>(1000 * pairIndex + i + 1);
            setup.accuracy = kAccuracies[typist];
            setup.delay = 2 + 3 * ((n1 + n2 + i) % 3);
            setup.roundTime = kRoundTime;
            setup.maxFrames = kMaxFrames;

            const MatchResult first = playMatch(setup, &pictures);
            SCOPED_TRACE(formatResult(first));
            EXPECT_TRUE(first.finished) << first.error;
            EXPECT_TRUE(first.winner == 1 || first.winner == 2);
            EXPECT_GE(first.rounds, 2);
            if (repeated(n1, n2)) {
                const MatchResult again = playMatch(setup, &pictures);
                EXPECT_EQ(formatResult(again), formatResult(first));
            }
        }
    }
}

/// G O D's boss stage: the cut-scene before the first round and, once player 1 has won, the
/// final defeat, both standing still until the bot presses Return. A perfect typist against
/// a computer that hardly acts wins these seeds, so the final defeat is played too.
TEST_F(CpuSoak, GodBossStageEndsWithAWinnerAndRepeats) {
    constexpr uint32_t kSeeds[] = {4, 8};
    const size_t seeds = kSanitized ? 1 : std::size(kSeeds);
    PictureCache pictures;
    for (size_t i = 0; i < seeds; ++i) {
        MatchSetup setup;
        setup.dataFolder = *dataFolder_;
        setup.fighter1 = "morvekboy";
        setup.fighter2 = "god";
        setup.level = 0;
        setup.accuracy = 1.0;
        setup.seed = kSeeds[i];
        setup.maxFrames = kMaxFrames;
        setup.bossStage = true;

        const MatchResult first = playMatch(setup, &pictures);
        SCOPED_TRACE(formatResult(first));
        EXPECT_TRUE(first.finished) << first.error;
        EXPECT_EQ(first.winner, 1) << "a seed player 1 wins plays the final defeat";
        EXPECT_EQ(first.rounds, 2);
        const MatchResult again = playMatch(setup, &pictures);
        EXPECT_EQ(formatResult(again), formatResult(first));
    }
}

INSTANTIATE_TEST_SUITE_P(Player1, CpuSoak,
                         ::testing::Range<int16_t>(0, static_cast<int16_t>(kFighterCount)),
                         [](const auto& p) { return stemOf(p.param); });

}  // namespace
}  // namespace morvek::match
