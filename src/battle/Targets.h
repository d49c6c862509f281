#pragma once
// Typing targets: the eight letters of the typing frame, opening and closing the frame,
// where it stands beside the fighter, and the keyboard-position-to-letter table.
//
// Letter numbers: 1-26 "A".."Z", 27 "0", 28-36 "1".."9", 37 ";", 38 ",", 39 ".", 40 "/".

#include <cstdint>

namespace morvek {

struct BattleContext;
class Character;

/// Targeting modes of targetingOnOff.
enum TargetingMode : int16_t {
    targetOpen = 0,
    targetCancel = 1,
    targetMiss = 2,
    targetDone = 3,
};

/// The letter at keyboard position `key` (1-40); 0 for any other key.
int16_t keyNumToLetterNum(int16_t key);

/// 0 draws all eight target letters; 1-8 redraws that slot only. Each letter differs from
/// the seven others and lies within the key count in force.
void randomTargetSet(BattleContext& game, int16_t slot);

/// Words 3-8 of a typing combo are no longer shown.
void hideExtraWords(Character& chara);

/// Opens (mode 0) or closes (1 cancel, 2 input miss, 3 correct word) the typing frame, then
/// places it for a grid key.
void targetingOnOff(BattleContext& game, Character& chara, int16_t mode, int16_t key);

}  // namespace morvek
