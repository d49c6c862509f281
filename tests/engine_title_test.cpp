#include <gtest/gtest.h>

#include <algorithm>

#include "engine/DataTables.h"
#include "game/Game.h"
#include "engine/DataTables.h"
#include "engine/Pictures.h"
#include "engine/System.h"
#include "engine_fixture.h"
#include "platform/Keys.h"
#include "screens/Title.h"

namespace morvek {
namespace {

using testing::kDownMarkerValue;
using testing::kTitlePictureValue;
using testing::kUpMarkerValue;

struct EngineTitle : testing::EngineFixture {
    TitleScreen t;

    void SetUp() override {
        EngineFixture::SetUp();
        game->engine.attackEffectSurface = loadPicture(*game, kCommonSheet);
        game->engine.playMode = PlayMode::Title;
        winVersionGet(*game);
    }
    /// Keys held during pass `pass` (1 = the first pass after the set-up's present).
    void press(uint64_t pass, std::vector<uint8_t> keys) {
        platform.holdKeysForPresents(std::move(keys), pass, pass + 1);
    }
    uint64_t pass() const { return platform.presentCount(); }
    void begin() { openingTitleBegin(*game, t); }
    void runUntilPass(uint64_t last) {
        while (!t.leaveTitle && pass() < last + 1) openingTitlePass(*game, t);
    }
    /// Enter on passes 1, 3 and 5 skips both fades: the menu is up after pass 5.
    void toMenu() {
        const uint64_t base = pass();
        press(base + 1, {key::Return});
        press(base + 3, {key::Return});
        press(base + 5, {key::Return});
        begin();
        runUntilPass(base + 6);
        ASSERT_EQ(t.obj.GUIcount, 6);
    }
    int16_t finish() {
        while (!t.leaveTitle) openingTitlePass(*game, t);
        return openingTitleEnd(*game, t);
    }
    size_t count(AudioEvent::Kind kind, int index) const {
        size_t n = 0;
        for (const AudioEvent& ev : platform.audioLog()) n += ev.kind == kind && ev.index == index;
        return n;
    }
    uint8_t shown(int x, int y) const { return platform.lastFrame().at(x, y); }
};

TEST_F(EngineTitle, WithoutKeysTheLinesFadeInAndOutThenThePictureFadesIn) {
    begin();
    EXPECT_EQ(platform.displayPalette()[254], (Rgb{0, 0, 0}));  // black at once
    runUntilPass(255);
    EXPECT_EQ(t.obj.GUIcount, 0);  // 255 passes of one unit: still fading in
    EXPECT_TRUE(platform.audioLog().empty());
    runUntilPass(256);  // nothing left to change: full colours, the tune, the fade-out
    EXPECT_EQ(t.obj.GUIcount, 2);
    const auto& log = platform.audioLog();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[1].kind, AudioEvent::MusicVolume);
    EXPECT_EQ(log[1].value, 500);
    EXPECT_EQ(log[2].kind, AudioEvent::PlayMusic);
    EXPECT_EQ(log[2].index, kTitleTune);
    const auto& text = platform.textLog();
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text[0].text, "FOR TYPING FIGHTERS");
    EXPECT_EQ(text[0].x, 210);
    EXPECT_EQ(text[0].y, 200);
    EXPECT_EQ(text[0].pointSize, 12);  // 11 and one point for the system version
    EXPECT_EQ(text[1].y, 240);
    EXPECT_EQ(text[1].text.rfind("PRESENTED BY ", 0), 0u);
    // Six units a pass: 43 passes to black, then black at once and the picture's fade-in
    // at three units a pass (85 passes) before the menu.
    // The fade-out's first step came in pass 256 already.
    runUntilPass(256 + 42);
    EXPECT_EQ(t.obj.GUIcount, 2);
    runUntilPass(256 + 43);
    EXPECT_EQ(t.obj.GUIcount, 4);
    runUntilPass(256 + 43 + 84);
    EXPECT_EQ(t.obj.GUIcount, 4);
    runUntilPass(256 + 43 + 85);
    EXPECT_EQ(t.obj.GUIcount, 6);
    EXPECT_EQ(shown(10, 10), kTitlePictureValue);
    EXPECT_EQ(shown(300, 375), kUpMarkerValue);     // GAME START has an item above
    EXPECT_EQ(shown(300, 425), kDownMarkerValue);   // and one below
    EXPECT_EQ(platform.textLog().back().text, "GAME START");
    EXPECT_EQ(platform.textLog().back().x, 250);
    EXPECT_EQ(platform.textLog().back().y, 400);
    EXPECT_EQ(platform.textLog().back().pointSize, 13);
    // A present and a 10 ms wait per pass after the set-up's present.
    EXPECT_EQ(platform.ticksMs(), 1 + (pass() - 1) * 11);
}

TEST_F(EngineTitle, HoldingEnterAdvancesOneStateOnly) {
    platform.holdKeysForPresents({key::Return}, 1, 31);
    begin();
    runUntilPass(30);
    EXPECT_EQ(t.obj.GUIcount, 2);
    EXPECT_EQ(count(AudioEvent::PlayMusic, kTitleTune), 1u);
    press(31, {});
    press(32, {key::Return});
    runUntilPass(32);
    EXPECT_EQ(t.obj.GUIcount, 4);
}

TEST_F(EngineTitle, EnterDuringTheFirstFadeStartsTheTuneAndTheFadeOutInOnePass) {
    press(10, {key::Return});
    begin();
    runUntilPass(9);
    EXPECT_EQ(t.obj.GUIcount, 0);
    EXPECT_EQ(game->engine.workPalette[254], (Rgb{9, 9, 9}));
    runUntilPass(10);
    EXPECT_EQ(t.obj.GUIcount, 2);
    ASSERT_EQ(count(AudioEvent::PlayMusic, kTitleTune), 1u);
    EXPECT_EQ(platform.audioLog().back().atPresent, 10u);
    // Full colours, then the first six units of the fade-out.
    EXPECT_EQ(game->engine.workPalette[254], (Rgb{214, 214, 214}));
}

TEST_F(EngineTitle, MenuStopsAtItsEndsSilentlyAndHidesTheMarkerBeyond) {
    toMenu();
    press(7, {key::Up});
    press(9, {key::Up});
    runUntilPass(9);
    EXPECT_EQ(t.cursor, -1);
    EXPECT_EQ(count(AudioEvent::PlaySound, kMenuSound), 1u);
    EXPECT_EQ(platform.textLog().back().text, "TUTORIAL");
    EXPECT_EQ(platform.textLog().back().x, 265);
    EXPECT_EQ(shown(300, 375), kTitlePictureValue);  // nothing above TUTORIAL
    EXPECT_EQ(shown(300, 425), kDownMarkerValue);
    for (uint64_t p : {11, 13, 15, 17, 19}) press(p, {key::Down});
    runUntilPass(19);
    EXPECT_EQ(t.cursor, 3);
    EXPECT_EQ(count(AudioEvent::PlaySound, kMenuSound), 5u);  // the fifth Down was silent
    EXPECT_EQ(platform.textLog().back().text, "SCORE RANKING");
    EXPECT_EQ(platform.textLog().back().x, 240);
    EXPECT_EQ(shown(300, 375), kUpMarkerValue);
    EXPECT_EQ(shown(300, 425), kTitlePictureValue);  // nothing below SCORE RANKING
}

TEST_F(EngineTitle, HeldArrowMovesTheCursorOnce) {
    toMenu();
    platform.holdKeysForPresents({key::Down}, 7, 20);
    runUntilPass(19);
    EXPECT_EQ(t.cursor, 1);
    EXPECT_EQ(count(AudioEvent::PlaySound, kMenuSound), 1u);
}

TEST_F(EngineTitle, EachTapWithinOnePumpMovesTheCursorOnce) {
    toMenu();
    for (int tap = 0; tap < 2; ++tap) {  // GAME START to OPTION, short of the end
        platform.tapKeyWithinPump(key::Down);
        openingTitlePass(*game, t);  // the Enter test's two reads see Down before the menu
        openingTitlePass(*game, t);
    }
    EXPECT_EQ(t.cursor, titlemenu::Option);
    EXPECT_EQ(count(AudioEvent::PlaySound, kMenuSound), 2u);
}

TEST_F(EngineTitle, AReturnTapLandingBeforeAnyReadOfAPassConfirmsOnce) {
    for (uint64_t read = 0; read < 4; ++read) {
        SCOPED_TRACE(read);
        platform.clearKeyScript();
        platform.clearLogs();
        toMenu();
        const uint64_t before = platform.keyboardReads();
        openingTitlePass(*game, t);
        // The Enter test's two reads, then the menu's two while nothing is down.
        ASSERT_EQ(platform.keyboardReads() - before, 4u);
        platform.tapKeyAfterReads(key::Return, platform.keyboardReads() + read);
        for (int pass = 0; pass < 3; ++pass) openingTitlePass(*game, t);
        EXPECT_EQ(t.obj.GUIcount, 8);  // GAME START confirmed once, fading to white
        EXPECT_EQ(count(AudioEvent::PlaySound, kHowataVoice), 1u);
    }
}

TEST_F(EngineTitle, OptionAndScoreRankingReturnWithTheTuneStillPlaying) {
    for (int16_t choice : {titlemenu::Option, titlemenu::ScoreRanking}) {
        platform.clearKeyScript();
        platform.clearLogs();
        platform.setPresentLimit(0);
        const uint64_t base = platform.presentCount();
        auto at = [&](uint64_t p, std::vector<uint8_t> k) { press(base + p, std::move(k)); };
        at(1, {key::Return});
        at(3, {key::Return});
        at(5, {key::Return});
        for (int i = 0; i < choice; ++i) at(7 + 2 * i, {key::Down});
        at(7 + 2 * choice, {key::Return});
        begin();
        const int16_t result = finish();
        EXPECT_EQ(result, choice);
        EXPECT_EQ(game->engine.titleChoice, choice);
        // The set-up, the passes up to the confirming one, the white screen: no fade.
        EXPECT_EQ(platform.presentCount() - base, uint64_t(1 + 7 + 2 * choice + 1));
        EXPECT_EQ(count(AudioEvent::PlayMusic, kTitleTune), 1u);
        const auto& log = platform.audioLog();
        auto play = std::find_if(log.begin(), log.end(), [](const AudioEvent& ev) {
            return ev.kind == AudioEvent::PlayMusic;
        });
        EXPECT_TRUE(std::none_of(play, log.end(), [](const AudioEvent& ev) {
            return ev.kind == AudioEvent::StopMusic;
        }));
        EXPECT_EQ(shown(320, 240), 188);  // the white screen the title leaves behind
        EXPECT_EQ(platform.displayPalette()[188], (Rgb{255, 255, 255}));
    }
}

struct FadeToWhiteCase {
    int16_t choice;
    int sound;
};

TEST_F(EngineTitle, TheOtherChoicesPlayTheirSoundStopTheTuneAndFadeToWhite) {
    for (FadeToWhiteCase c : {FadeToWhiteCase{titlemenu::GameStart, kHowataVoice},
                              FadeToWhiteCase{titlemenu::Tutorial, kSuperSound},
                              FadeToWhiteCase{titlemenu::Training, kSuperSound}}) {
        SCOPED_TRACE(c.choice);
        platform.clearKeyScript();
        platform.clearLogs();
        const uint64_t base = platform.presentCount();
        auto at = [&](uint64_t p, std::vector<uint8_t> k) { press(base + p, std::move(k)); };
        at(1, {key::Return});
        at(3, {key::Return});
        at(5, {key::Return});
        if (c.choice == titlemenu::Tutorial) at(7, {key::Up});
        if (c.choice == titlemenu::Training) at(7, {key::Down});
        at(9, {key::Return});
        std::vector<Rgb> entry0, entry254;
        platform.onPresent([&](uint64_t) {
            entry0.push_back(platform.displayPalette()[0]);
            entry254.push_back(platform.displayPalette()[254]);
        });
        begin();
        const int16_t result = finish();
        platform.onPresent(nullptr);
        EXPECT_EQ(result, c.choice);
        EXPECT_EQ(game->engine.titleChoice, result);
        const auto& log = platform.audioLog();
        auto it = std::find_if(log.begin(), log.end(), [&](const AudioEvent& ev) {
            return ev.kind == AudioEvent::PlaySound && ev.index == c.sound;
        });
        ASSERT_NE(it, log.end());
        ASSERT_NE(it + 1, log.end());
        EXPECT_EQ((it + 1)->kind, AudioEvent::StopMusic);
        // Pass 9 confirms and takes the first step; black entries need 43 passes of six
        // units to reach white, the 44th finds nothing to do; then the white screen.
        ASSERT_EQ(platform.presentCount() - base, 1u + 9u + 43u + 1u);
        EXPECT_EQ(entry0[entry0.size() - 2], (Rgb{255, 255, 255}));
        EXPECT_EQ(entry254[entry254.size() - 2], (Rgb{255, 255, 255}));
        // Fixed colours again for the next screen; entries they do not name stay white.
        EXPECT_EQ(entry254.back(), (Rgb{220, 220, 220}));
        EXPECT_EQ(entry0.back(), (Rgb{255, 255, 255}));
        EXPECT_EQ(shown(320, 240), 188);
    }
}

TEST_F(EngineTitle, FOneDoesNothingOnTheTitle) {
    platform.holdKeysForPresents({key::F1}, 0, 1000);
    press(1, {key::Return, key::F1});
    press(3, {key::Return, key::F1});
    press(5, {key::Return, key::F1});
    press(7, {key::Return, key::F1});
    EXPECT_EQ(openingTitle(*game), titlemenu::GameStart);
    EXPECT_EQ(game->engine.returnToTitle, kFalse);
    EXPECT_EQ(game->engine.playMode, PlayMode::Title);
}

TEST_F(EngineTitle, EscapeQuitsFromTheMenu) {
    toMenu();
    press(8, {key::Escape});
    EXPECT_THROW(runUntilPass(8), GameExitRequest);
}

}  // namespace
}  // namespace morvek
