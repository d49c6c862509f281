#pragma once
// One match, frame by frame, and the match steps of the outer game loop.
//
// The order of a frame is a contract the other modules rely on: an attack box opened by
// an action script is tested in the next frame's collision phase at the earliest, the
// camera moves only in the stage drawing (between the physics and the fighters' drawing),
// and the round judge sees the vitality the previous frame's damage left.

#include <cstdint>

#include "battle/RoundJudge.h"

namespace morvek {

struct BattleContext;
class Character;

/// The extra frame time while player 1 types a combo with TPC SLOW on.
inline constexpr int16_t kTypingComboSlowMs = 7;

/// Runs one match until the round judge ends it or it is aborted (returnToTitle).
void battleLoop(BattleContext& game);
/// One frame of the match, from noting its start time to the hit-stop sleeps. Returns the
/// end flag the frame leaves: true when the match is over or aborted; that frame has
/// already shown the cleared screen.
bool battleFrame(BattleContext& game);
/// Frame time of the frame: the game speed plus player 1's slow-motion delay, plus the
/// typing-combo slowdown (16-bit sum).
int16_t battleFrameMs(const BattleContext& game);

/// Animation timers and action scripts of both fighters, p1 first; nothing while the
/// finish display holds the action.
void fighterActionPhase(BattleContext& game, Character& p1, Character& p2);
/// One fighter's animation timer, then its action script.
void fighterAction(BattleContext& game, Character& me, Character& enemy);

/// The match state's and both fighters' per-stage reset.
void stageInitAll(BattleContext& game);

/// The fighters' sheets a turn loads.
enum class SheetReload { None, Player1, Player2, Both };
/// The sheets the outer loop's step `nextStep` may have changed: none after the same stage,
/// player 1's after the character select, player 2's after the next opponent, both after
/// start-up, the title loop, the training set-up and any other code.
SheetReload sheetsToReload(int16_t nextStep);

/// The match steps of one outer-loop turn: round and stage set-up, background, the sheets
/// sheetsToReload gives for the last `nextStep`, the common sheet, the match itself, then
/// the new `nextStep` and both win counts reset.
void matchTurn(BattleContext& game);

}  // namespace morvek
