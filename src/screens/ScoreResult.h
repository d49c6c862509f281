#pragma once
// The score screen that closes an arcade game: the grade bonuses, the score, settings,
// play time, opponents and total grade; Enter records the result and shows the ranking.

#include <cstdint>
#include <string>

#include "engine/GenericObject.h"

namespace morvek {

struct EngineContext;
class Character;
class StateOfStage;

/// The score after the grade bonuses, each on the score left by the one before.
int32_t gradeBonusScore(int32_t score, uint8_t grade);

/// The 35-digit record of the game just played (seven random trailing digits).
std::string scoreRecordOfGame(EngineContext& game, const Character& player, const StateOfStage& stage,
                              uint8_t grade);

/// One visit of the score screen, steppable pass by pass.
struct ScoreResultScreen {
    genericObject obj;  ///< GUIcount: 0 fading in, 1 waiting for Enter
    uint8_t grade = 0;
    std::string record;
    bool leave = false;
};

/// The list of fought stages with their grades; y is moved down 100 for the caller.
void drawingVSresult(EngineContext& game, const StateOfStage& stage, int16_t x, int16_t& y);

/// Set-up: false (and nothing done) unless the game began with GAME START.
bool scoreResultBegin(EngineContext& game, ScoreResultScreen& s, const Character& player,
                      const Character& opponent, StateOfStage& stage);
void scoreResultPass(EngineContext& game, ScoreResultScreen& s, const Character& player,
                     StateOfStage& stage);
/// After Enter: records the result with the unlock marker and shows the ranking.
void scoreResultEnd(EngineContext& game, ScoreResultScreen& s, const StateOfStage& stage);
void scoreResult(EngineContext& game, Character& player, Character& opponent, StateOfStage& stage);

}  // namespace morvek
