// The play time as the score screen shows it: minutes and seconds both from the whole
// seconds the ranking record keeps (the fraction cut off), so the screen, the record and
// the ranking never disagree by a second.

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "game/Game.h"
#include "screens/Ranking.h"
#include "screens/ScoreResult.h"
#include "screens/Title.h"
#include "screens_fixture.h"

namespace morvek {
namespace {

struct ScoreScreenClock : testing::ScreensFixture {
    StateOfStage stage;
    Character player, opponent;

    void SetUp() override {
        ScreensFixture::SetUp();
        game->engine.titleChoice = titlemenu::GameStart;
        game->engine.keyCount = kNormalKeyCount;
        stage.stageNumber = 1;
        stage.baseLevel = 10;
        stage.speedSelect(1);
        player.NUMBER = 2;
        opponent.NUMBER = 4;
    }

    /// The time line of the first frame for a play time, and the record's seconds.
    std::pair<std::string, int64_t> shownAndRecorded(float seconds) {
        stage.totalGameTime = seconds;
        platform.clearLogs();
        ScoreResultScreen s;
        EXPECT_TRUE(scoreResultBegin(*game, s, player, opponent, stage));
        scoreResultPass(*game, s, player, stage);
        std::string shown;
        for (const TextEvent& t : platform.textLog())
            if (t.x == 160 && t.y == 120) shown = t.text;
        const auto record = decodeScoreRecord(s.record);
        EXPECT_TRUE(record.has_value());
        return {shown, record ? record->seconds : -1};
    }
};

TEST_F(ScoreScreenClock, SecondsAreCutOffOnScreenAsInTheRecord) {
    auto [shown, recorded] = shownAndRecorded(754.8f);
    EXPECT_EQ(shown, "12  m  34  s  ");
    EXPECT_EQ(recorded, 754);

    // Just short of a minute: still the minute before, with its last second.
    std::tie(shown, recorded) = shownAndRecorded(119.7f);
    EXPECT_EQ(shown, "1  m  59  s  ");
    EXPECT_EQ(recorded, 119);

    std::tie(shown, recorded) = shownAndRecorded(124.5f);
    EXPECT_EQ(shown, "2  m  4  s  ");
    std::tie(shown, recorded) = shownAndRecorded(125.5f);
    EXPECT_EQ(shown, "2  m  5  s  ");
    EXPECT_EQ(recorded, 125);
}

}  // namespace
}  // namespace morvek
