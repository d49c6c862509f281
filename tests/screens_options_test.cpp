#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "engine/Pictures.h"
#include "engine_fixture.h"
#include "platform/Keys.h"
#include "screens/Options.h"

namespace morvek {
namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlack{0, 0, 0};
using Sounds = std::vector<int>;

struct ScreensOptions : testing::EngineFixture {
    OptionScreen s;
    StateOfStage stage;

    void SetUp() override {
        EngineFixture::SetUp();
        game->engine.attackEffectSurface = loadPicture(*game, kCommonSheet);
        stage.MaxRoundTime = 6099;
    }
    void begin() {
        optionScreenBegin(*game, s, stage);
        platform.clearLogs();
    }
    void pass() { optionScreenPass(*game, s, stage); }
    /// Held through one turn (which reads after its own present), released for the next;
    /// returns the effect sounds played.
    Sounds press(uint8_t k) {
        platform.clearLogs();
        const uint64_t next = platform.presentCount() + 1;
        platform.holdKeysForPresents({k}, next, next + 1);
        pass();
        pass();
        return logged(AudioEvent::PlaySound);
    }
    Sounds logged(AudioEvent::Kind kind) const {
        Sounds out;
        for (const AudioEvent& ev : platform.audioLog())
            if (ev.kind == kind) out.push_back(ev.index);
        return out;
    }
    std::optional<Rgb> colourOf(std::string_view text, int x, int y) const {
        std::optional<Rgb> c;
        for (const TextEvent& t : platform.textLog())
            if (t.text == text && t.x == x && t.y == y) c = t.colour;
        return c;
    }
    void toItem(int16_t item) {
        while (s.cursor < item) press(key::Down);
    }
};

TEST_F(ScreensOptions, EntryLowersTheVolumeAndAnUnknownRoundTimeBecomesSixty) {
    stage.MaxRoundTime = 4500;
    stage.maxRoundCount = 1;
    game->engine.gameSettings[gamesetting::Difficulty] = 2;
    optionScreenBegin(*game, s, stage);
    ASSERT_EQ(platform.audioLog().size(), 1u);  // the tune plays on, at volume 50
    EXPECT_EQ(platform.audioLog()[0].kind, AudioEvent::MusicVolume);
    EXPECT_EQ(platform.audioLog()[0].value, 50);

    pass();
    EXPECT_EQ(colourOf("OPTIONS", 50, 50), (Rgb{0, 255, 255}));
    EXPECT_EQ(colourOf("DIFFICULTY", 180, 150), kRed);
    EXPECT_EQ(colourOf("HARD", 555, 150), kRed);
    EXPECT_EQ(colourOf("NOMAL", 445, 150), kBlack);
    EXPECT_EQ(colourOf("5", 390, 200), kRed);
    for (auto [text, x] : {std::pair{"60", 360}, {"99", 420}, {"∞", 480}})
        EXPECT_EQ(colourOf(text, x, 250), kBlack) << text;  // none current in the first turn
    EXPECT_EQ(stage.MaxRoundTime, 6099);
    EXPECT_EQ(stage.baseLevel, 20);
    platform.clearLogs();
    pass();
    EXPECT_EQ(colourOf("60", 360, 250), kRed);
    EXPECT_TRUE(logged(AudioEvent::StopMusic).empty());
}

TEST_F(ScreensOptions, KeyTableOfTheFirstThreeItems) {
    begin();
    pass();
    EXPECT_EQ(press(key::Up), Sounds{});
    EXPECT_EQ(press(key::Left), Sounds{});  // EASY already
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    stage.baseLevel = 3;  // rewritten every turn from the difficulty shown
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(stage.baseLevel, 20);
    EXPECT_EQ(press(key::Left), Sounds{kMenuSound});
    EXPECT_EQ(stage.baseLevel, 10);
    EXPECT_EQ(press(key::Return), Sounds{});

    EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
    EXPECT_EQ(press(key::Left), Sounds{});
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    EXPECT_EQ(press(key::Right), Sounds{});  // "5" already
    EXPECT_EQ(stage.maxRoundCount, 1);

    EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
    EXPECT_EQ(s.barY, 230);
    EXPECT_EQ(press(key::Left), Sounds{});
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    EXPECT_EQ(stage.MaxRoundTime, 9999);
    EXPECT_EQ(press(key::Right), Sounds{kMenuSound});
    EXPECT_EQ(stage.MaxRoundTime, 0);
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(press(key::Space), Sounds{});
    pass();
    EXPECT_EQ(platform.lastFrame().at(100, 230 + 30), 164);  // the bar under the item
}

TEST_F(ScreensOptions, MusicAndSoundTestsAndExit) {
    begin();
    pass();
    toItem(optionitem::MusicTest);
    EXPECT_EQ(press(key::Left), Sounds{});
    press(key::Return);  // number 0 only stops the music
    EXPECT_EQ(logged(AudioEvent::StopMusic).size(), 1u);
    EXPECT_TRUE(logged(AudioEvent::PlayMusic).empty());
    for (int i = 1; i <= 11; ++i) EXPECT_EQ(press(key::Right), Sounds{kChoiceSound});
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(colourOf("11", 360, 300), kRed);
    press(key::Return);
    EXPECT_EQ(logged(AudioEvent::PlayMusic), Sounds{10});
    EXPECT_EQ(game->engine.currentMusic.volume, 800);

    EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
    EXPECT_EQ(press(key::Return), Sounds{kMenuSound});
    for (int i = 1; i <= 50; ++i) press(key::Right);
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(press(key::Return), Sounds{50});

    EXPECT_EQ(press(key::Down), Sounds{kChoiceSound});
    EXPECT_EQ(press(key::Down), Sounds{});
    EXPECT_EQ(press(key::Right), Sounds{});
    EXPECT_EQ(press(key::Return), Sounds{kMenuSound});  // EXIT; the next turn leaves
    EXPECT_TRUE(s.finished);
    EXPECT_EQ(logged(AudioEvent::StopMusic).size(), 1u);
    EXPECT_EQ(platform.lastFrame().at(320, 240), 0);
}

TEST_F(ScreensOptions, ScriptedVisitKeepsItsSettingsForTheNextVisit) {
    // Rounds 5, round time infinite, NORMAL, then EXIT.
    const std::vector<uint8_t> keys{key::Down, key::Right, key::Down, key::Right, key::Right,
                                    key::Up,   key::Up,    key::Right, key::Down, key::Down,
                                    key::Down, key::Down,  key::Down,  key::Return};
    platform.onPresent([&](uint64_t i) {
        if (i >= 2 && i % 2 == 0 && (i - 2) / 2 < keys.size())
            platform.holdKeysForPresents({keys[(i - 2) / 2]}, i, i + 1);
    });
    optionScreen(*game, stage);
    EXPECT_EQ(stage.maxRoundCount, 1);
    EXPECT_EQ(stage.MaxRoundTime, 0);
    EXPECT_EQ(stage.baseLevel, 10);

    platform.onPresent(nullptr);
    begin();
    EXPECT_EQ(s.cursor, 0);
    pass();
    EXPECT_EQ(colourOf("NOMAL", 445, 150), kRed);
    EXPECT_EQ(colourOf("∞", 480, 250), kRed);
}

TEST_F(ScreensOptions, ADownTapLandingBeforeAnyReadOfAPassMovesTheCursorOnce) {
    for (uint64_t read = 0; read < 3; ++read) {
        SCOPED_TRACE(read);
        begin();
        const uint64_t before = platform.keyboardReads();
        pass();
        // The read after the present, then the edge read's two while nothing is down.
        ASSERT_EQ(platform.keyboardReads() - before, 3u);
        platform.tapKeyAfterReads(key::Down, platform.keyboardReads() + read);
        for (int i = 0; i < 3; ++i) pass();
        EXPECT_EQ(s.cursor, optionitem::Difficulty + 1);
        EXPECT_EQ(logged(AudioEvent::PlaySound), Sounds{kChoiceSound});
    }
}

TEST_F(ScreensOptions, MenuTextLeavesTheFontAtSizeTenBlack) {
    drawMenuText(*game, kRed, 12, 34, "X");
    ASSERT_EQ(platform.textLog().size(), 1u);
    EXPECT_EQ(platform.textLog()[0].colour, kRed);
    EXPECT_EQ(game->engine.textColour, kBlack);
    EXPECT_EQ(game->engine.textFontSize, 10 + game->engine.isNT5);
}

}  // namespace
}  // namespace morvek
