#pragma once
// The round-finish display, the win lamps and marks, and the judge-grade emblem.

#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;

/// Runs its own loop of presented frames until finishStop is 0 (K.O. picture and slow
/// frames of a spacorn finish, the fading art name, PERFECT or DOUBLE K.O).
void drawFinishSequence(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2);
/// One K.O. picture, growing with k.
void drawKOGraphic(EngineContext& game, uint8_t k);
void drawFinishArtsName(EngineContext& game, const StateOfStage& stage);
void drawFinishArtsLabel(EngineContext& game, const StateOfStage& stage);

/// Empty lamps under the names and one mark per round won.
void drawWinLamps(EngineContext& game, const Character& p1, const Character& p2,
                  const StateOfStage& stage);
/// Mark of win kind `kind` (0..4) at (x, 70); another kind draws nothing.
void drawWinMark(EngineContext& game, uint8_t kind, int16_t x);

/// The grade emblem (grade 0-22, other values the special emblem) at (x, y), each cell
/// stretched to w x h.
void drawGradeEmblem(EngineContext& game, uint8_t grade, int16_t w, int16_t h, int16_t x, int16_t y,
                     uint8_t mode);

}  // namespace morvek
