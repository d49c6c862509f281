// The play time as the score screen shows it: whole minutes cut off, but the seconds taken
// to the nearest whole second (halves to even) before the minute is taken off them. The
// record keeps the cut-off count, so the screen and the file may differ by a second.

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
        game->engine.keyCount = 40;
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

TEST_F(ScoreScreenClock, SecondsAreRoundedOnScreenAndCutOffInTheRecord) {
    auto [shown, recorded] = shownAndRecorded(754.8f);
    EXPECT_EQ(shown, "12  m  35  s  ");
    EXPECT_EQ(recorded, 754);

    // Rounding carries into the next minute only in the seconds: the minutes are cut off.
    std::tie(shown, recorded) = shownAndRecorded(119.7f);
    EXPECT_EQ(shown, "1  m  0  s  ");
    EXPECT_EQ(recorded, 119);

    // Halves go to the even neighbour.
    std::tie(shown, recorded) = shownAndRecorded(124.5f);
    EXPECT_EQ(shown, "2  m  4  s  ");
    std::tie(shown, recorded) = shownAndRecorded(125.5f);
    EXPECT_EQ(shown, "2  m  6  s  ");
    EXPECT_EQ(recorded, 125);
}

}  // namespace
}  // namespace morvek
