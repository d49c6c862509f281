#include "battle/Targets.h"

#include <array>

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "battle/BattleContext.h"
#include "engine/Palettes.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

constexpr int16_t kTargetingSound = 6;  // "heartbeat.wav"

/// Letters of the grid by position, keys 1-40.
constexpr std::array<int16_t, 40> kKeyLetters{
    28, 29, 30, 31, 32, 33, 34, 35, 36, 27,   // 1 .. 9, 0
    17, 23, 5,  18, 20, 25, 21, 9,  15, 16,   // Q W E R T Y U I O P
    1,  19, 4,  6,  7,  8,  10, 11, 12, 37,   // A S D F G H J K L ;
    26, 24, 3,  22, 2,  14, 13, 38, 39, 40,   // Z X C V B N M , . /
};

}  // namespace

int16_t keyNumToLetterNum(int16_t key) {
    if (key < 1 || key > 40) return 0;
    return kKeyLetters[static_cast<size_t>(key - 1)];
}

void randomTargetSet(BattleContext& game, int16_t slot) {
    auto& letters = game.battle.targetLetters;
    // Eight distinct letters need at least eight to choose from.
    const int16_t count = game.engine.keyCount < 8 ? kNormalKeyCount : game.engine.keyCount;
    for (int k = 1; k <= 8; ++k) {
        if (slot != 0 && slot != k) continue;
        const size_t i = static_cast<size_t>(k - 1);
        bool clash = true;
        while (clash) {
            letters[i] = static_cast<int16_t>(Int(count * game.random.next() + 1));
            clash = false;
            for (size_t j = 0; j < letters.size(); ++j) {
                if (j != i && letters[j] == letters[i]) clash = true;
            }
        }
    }
}

void hideExtraWords(Character& chara) {
    chara.word3rdDisp = false;
    chara.word4thDisp = false;
    chara.word5thDisp = false;
    chara.word6thDisp = false;
    chara.word7thDisp = false;
    chara.word8thDisp = false;
}

void targetingOnOff(BattleContext& game, Character& chara, int16_t mode, int16_t key) {
    if (mode == targetOpen) {
        chara.tarGeting = true;
        if (chara.sTate == stStand) animChange(game, 50, chara);
        paletteSetEntries(game, game.engine.targetPalette);
        randomTargetSet(game, 0);
        soundPlay(game, kTargetingSound);
    } else {
        chara.tarGeting = false;
        chara.TPC = false;
        chara.MultiTPC = false;
        hideExtraWords(chara);
        paletteSetEntries(game, game.engine.workPalette);
        if (mode == targetCancel && chara.sTate == stTargetStance) animChange(game, 55, chara);
        if (mode == targetMiss) animChange(game, 60, chara);
    }
    if (key >= 1 && key <= 40) {
        const int16_t row = static_cast<int16_t>((key - 1) / 10);
        const int16_t column = static_cast<int16_t>((key - 1) % 10 + 1);
        static constexpr std::array<int16_t, 4> kRowY{-68, -4, 60, 124};
        chara.targetY = kRowY[static_cast<size_t>(row)];
        chara.targetX = static_cast<int16_t>(
            (chara.dirStand == 1 ? -54 : -384) + 64 * (column - 1));
    }
}

}  // namespace morvek
