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

/// The keys of the grid that guard: the home-row and bottom-row keys of column 3 for a
/// fighter facing right, of column 8 for one facing left. The home-row key guards standing
/// (and gets up with a hop), the bottom-row key crouching.
inline constexpr int16_t kGuardRightHigh = 23;  // "D"
inline constexpr int16_t kGuardRightLow = 33;   // "C"
inline constexpr int16_t kGuardLeftHigh = 28;   // "K"
inline constexpr int16_t kGuardLeftLow = 38;    // ","

/// True for the guard keys of a facing: "D" and "C" facing right, "K" and "," facing
/// left. These keys never open targeting. Given the side the opponent is on
/// (LeftOrRight) instead, it names the keys that actually start a guard.
bool isGuardKeyOfFacing(int16_t key, int16_t dirStand);

/// Reads the frame's key and acts on it for player 1. `flashCounter` is the typing frame's
/// flash (BattleState::typingFlashFrames): a typed word sets it to 3, a miss to 20.
void PressKeyJudge(BattleContext& game, int16_t& flashCounter);

}  // namespace morvek
