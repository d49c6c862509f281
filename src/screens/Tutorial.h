#pragma once
// The tutorial: a match (PlayMode::Tutorial) in which the player's MORVEKBOY meets the HONEKAWA
// variant, who teaches guarding, targeting and movement in speech balloons and attacks on
// cue. `tutorialInit` readies the two fighters when the match starts, `tutorialControl`
// runs each frame in the round judge's place, and `tutorialScript` is the tutor's lesson
// plan, run while the frame is drawn (under the fighters).
//
// The step lives in stageState.tutorialCounter: 0..114 the lessons, negative values the
// fight that follows a hit on the tutor and the closing scenes.

#include <cstdint>

#include "battle/TutorialState.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;

/// Steps of the tutorial counter the control and the script share.
namespace tutorialstep {
constexpr int16_t Angry = -10;       ///< the tutor was hit during a lesson
constexpr int16_t FightStart = -20;
constexpr int16_t Fighting = -21;    ///< waits for the KO
constexpr int16_t PlayerWon = -30;
constexpr int16_t PlayerLost = -40;
constexpr int16_t Closing = -43;
constexpr int16_t Shutter = -50;
constexpr int16_t Last = 114;
}  // namespace tutorialstep

/// Called last by the round set-up in tutorial mode: the fighters' stems and the tutor's
/// drop-in, his computer off, the counters and the 26 ms frame.
void tutorialInit(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage);

/// Once a frame in tutorial mode, in place of the round judge: the left bound, the anger
/// on a hit, the player's freedom by step and the KO.
void tutorialControl(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage);

/// Once a frame in tutorial mode while the match is drawn: the tutor's balloon, his moves
/// and the step changes.
void tutorialScript(BattleContext& game, Character& p1, Character& p2, StateOfStage& stage);

}  // namespace morvek
