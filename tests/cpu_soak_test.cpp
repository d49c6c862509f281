// Soak: seeded whole matches of every fighter pair at several computer levels, player 1 the
// bot typist. Every match must end within its frame limit, have a winner, and play out the
// same way again from the same seed. Run under the sanitizers by ./check, so any memory or
// undefined-behaviour fault in a match fails here. MORVEK_SOAK_SEEDS raises the number of
// seeds per pair and level (default 2: 40 matches, each played twice).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <tuple>

#include <unistd.h>

#include "data/dataset.h"
#include "match_runner.h"

namespace morvek::match {
namespace {

constexpr const char* kFighters[] = {"morvekboy", "betaboy"};
constexpr int16_t kLevels[] = {0, 5, 10, 20, 30};
/// Accuracies the bot cycles through by seed: a clumsy, a good and a perfect typist.
constexpr double kAccuracies[] = {0.6, 0.9, 1.0};

int seedsPerCell() {
    const char* v = std::getenv("MORVEK_SOAK_SEEDS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 2;
}

class CpuSoak
    : public ::testing::TestWithParam<std::tuple<const char*, const char*, int16_t>> {
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

TEST_P(CpuSoak, MatchesEndWithAWinnerAndRepeat) {
    const auto [fighter1, fighter2, level] = GetParam();
    PictureCache pictures;
    for (int i = 0; i < seedsPerCell(); ++i) {
        MatchSetup setup;
        setup.dataFolder = *dataFolder_;
        setup.fighter1 = fighter1;
        setup.fighter2 = fighter2;
        setup.level = level;
        setup.seed = static_cast<uint32_t>(1000 * level + i + 1);
        setup.accuracy = kAccuracies[i % 3];
        setup.delay = 2 + 3 * (i % 3);
        setup.roundTime = 400;  // short rounds: more round changes per frame played
        setup.maxFrames = 20000;

        const MatchResult first = playMatch(setup, &pictures);
        SCOPED_TRACE(formatResult(first));
        EXPECT_TRUE(first.finished) << first.error;
        EXPECT_TRUE(first.winner == 1 || first.winner == 2);
        EXPECT_GE(first.rounds, 2);
        const MatchResult again = playMatch(setup, &pictures);
        EXPECT_EQ(formatResult(again), formatResult(first));
    }
}

INSTANTIATE_TEST_SUITE_P(
    PairsAndLevels, CpuSoak,
    ::testing::Combine(::testing::ValuesIn(kFighters), ::testing::ValuesIn(kFighters),
                       ::testing::ValuesIn(kLevels)),
    [](const auto& p) {
        return std::string(std::get<0>(p.param)) + "_vs_" + std::get<1>(p.param) +
               "_level" + std::to_string(std::get<2>(p.param));
    });

}  // namespace
}  // namespace morvek::match
