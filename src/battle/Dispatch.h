#pragma once
// Dispatch into the fighters' move sets by NUMBER, and the shared guard-key handler.
// Every dispatcher reads NUMBER once; a number outside 0-8 dispatches nowhere.
// (Slots 7 and 9 are dispatched by Character::FlyArtsAnimPat and Character::FAMorfizm.)

#include <cstdint>

namespace morvek {

struct BattleContext;
class Character;
struct Rect;
class MoveSet;

/// The module of chara's NUMBER, or nullptr outside 0-8.
MoveSet* moveSetOf(BattleContext& game, const Character& chara);

/// Slot 1 then slot 10: the pattern's fields, the sprite cell and the body box.
void animPatternDispatch(BattleContext& game, Rect& srcRect, Character& chara);
/// Slot 2; for fighters 1 and 3, slot 2a then slot 2b.
void animActionDispatch(BattleContext& game, Character& chara, Character& opponent);
/// Slot 2b alone for fighters 1 and 3 (their servants' attack frames); others nothing.
void servantAnimAttackDispatch(BattleContext& game, Character& chara);
/// enableAction = false, then slot 3.
void attackSelectDispatch(BattleContext& game, Character& chara, int16_t targetKey);
/// Slot 4.
void moveSelectDispatch(BattleContext& game, Character& chara, int16_t targetKey);
/// During a running spacorn a new letter for the word just typed, then slot 5.
void TPCFollowDispatch(BattleContext& game, Character& chara);
/// Slot 6.
void TPCSecondDispatch(BattleContext& game, Character& chara);

/// A guard key of the current side (kGuardRightHigh ... kGuardLeftLow): guard, hold the
/// guard, or get up.
void gardAndTurnKey(BattleContext& game, Character& chara, int16_t key);

}  // namespace morvek
