#pragma once
// Player 1's keyboard in a match: a target key opens the letter frame, the red letter
// throws the attack bound to that key, the blue letter the movement, the extra words
// continue a typing combo, a wrong letter is an input miss, Space cancels, the guard keys
// guard and Return, F12 and Ctrl start super arts.

#include <cstdint>

namespace morvek {

struct BattleContext;

/// Flash frames after a correctly typed word and after an input miss.
inline constexpr int16_t kWordFlashFrames = 3;
inline constexpr int16_t kMissFlashFrames = 20;
/// The pattern an input miss leaves player 1 in, and the one Space stops a dash with.
inline constexpr int16_t kInputMissPattern = 60;
inline constexpr int16_t kDashStopPattern = 430;

/// True for the guard keys of a facing: "D" and "C" facing right, "K" and "," facing
/// left. These keys never open targeting.
bool isGuardKeyOfFacing(int16_t key, int16_t dirStand);
/// True for the guard keys of the side the opponent is on (LeftOrRight): the keys that
/// actually start a guard.
bool isGuardKeyOfSide(int16_t key, int16_t leftOrRight);

/// Reads the frame's key and acts on it for player 1. `flashCounter` is the typing frame's
/// flash (BattleState::typingFlashFrames): a typed word sets it to 3, a miss to 20.
void PressKeyJudge(BattleContext& game, int16_t& flashCounter);

}  // namespace morvek
