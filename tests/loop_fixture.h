#pragma once
// A match on a headless platform: palettes built, every sound slot answering (so the log
// shows what played), MORVEKBOY against MORVEKBOY set up for the first round, and helpers
// to press keys by key code or by letter for the next battle frame.

#include <gtest/gtest.h>

#include <vector>

#include "game/BattleLoop.h"
#include "battle/Character.h"
#include "battle/RoundJudge.h"
#include "battle/Targets.h"
#include "game/Game.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "platform/HeadlessPlatform.h"
#include "temp_folder.h"

namespace morvek::loop_test {

/// The scan code of a key code (1-40, Space, Return, F12, Ctrl).
inline uint8_t scanOfKey(int16_t key) {
    for (const KeyCodeEntry& k : kKeyCodeTable)
        if (k.code == key) return k.scanCode;
    ADD_FAILURE() << "no scan code for key " << key;
    return 0;
}

/// The grid key showing letter `letter`.
inline int16_t keyOfLetter(int16_t letter) {
    for (int16_t k = 1; k <= 40; ++k)
        if (keyNumToLetterNum(k) == letter) return k;
    ADD_FAILURE() << "no key for letter " << letter;
    return 0;
}

struct MatchFixture : ::testing::Test {
    morvek::testing::ScopedTempCurrentFolder cwd;  // a tutorial win writes SCORE here
    HeadlessPlatform platform;
    Game game{platform};
    EngineState& e = game.engine;
    BattleState& b = game.battle;
    Character& p1 = game.battle.player1;
    Character& p2 = game.battle.player2;
    StateOfStage& stage = game.battle.stageState;

    void SetUp() override {
        platform.setRequireFiles(false);
        platform.setPresentLimit(20000);
        for (int i = 0; i < kSoundSlots; ++i) platform.loadSound(i, "sound.wav");
        for (int i = 0; i < kMusicSlots; ++i) platform.loadMusic(i, "tune.mid");
        paletteBuildAll(game);
        e.keyCount = kNormalKeyCount;
        e.playMode = PlayMode::Arcade;
        stage.gameSpeed = 26;
        stage.MaxRoundTime = 9999;
        p1.charaname = "morvekboy";
        p2.charaname = "morvekboy";
        battleRoundInit(game);
        stageInitAll(game);
        platform.clearLogs();
    }

    /// Holds key code `key` for the next `frames` keyboard reads of battle frames.
    void holdKey(int16_t key, uint64_t frames = 1) {
        const uint64_t now = platform.presentCount();
        platform.holdKeysForPresents({scanOfKey(key)}, now, now + frames);
    }
    void tapKey(int16_t key) { platform.tapKey(scanOfKey(key)); }
    void tapLetter(int16_t letter) { tapKey(keyOfLetter(letter)); }

    int soundsPlayed(int index) const {
        int n = 0;
        for (const auto& ev : platform.audioLog())
            if (ev.kind == AudioEvent::PlaySound && ev.index == index) ++n;
        return n;
    }
    /// Battle frames until the judge's intro is over and both fighters may act.
    void skipIntro() {
        while (stage.wholeTimer <= 51) battleFrame(game);
    }
    /// The last presented frame is palette index `index` all over.
    bool screenIs(uint8_t index) const {
        const Surface8& f = platform.lastFrame();
        for (int y = 0; y < f.height(); y += 37)
            for (int x = 0; x < f.width(); x += 41)
                if (f.at(x, y) != index) return false;
        return true;
    }
    bool paletteShown(const Palette& p) const {
        for (int i = 0; i < 255; ++i)
            if (!(platform.displayPalette()[size_t(i)] == p[size_t(i)])) return false;
        return true;
    }
};

}  // namespace morvek::loop_test
