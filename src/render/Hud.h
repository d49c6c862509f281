#pragma once
// The HUD of a match: vitality, damage and stun bars, stun labels, spacorn gauges, combo
// counters, dizzy stars and the zoom view.

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

void drawGauges(EngineContext& game, Character& p1, Character& p2);
/// Also records the attacker's MaxComboCount and slides the victim's comboTimer in.
void drawComboCounter(EngineContext& game, Character& p1, Character& p2);

/// Dizzy stars over each fighter whose stunSwitch is stunDizzy.
void drawStunMarks(BattleContext& game, const Character& p1, const Character& p2);
void drawStunStar(BattleContext& game, const Character& chara);

/// The part of backBuffer the zoom view enlarges for `level` around chara; empty when
/// the level leaves nothing to crop.
Rect zoomCrop(const BattleContext& game, const Character& chara, int16_t level);
/// Steps the zoom level towards chara's zoomCount and enlarges the finished picture.
void drawZoomView(BattleContext& game, const Character& chara);

}  // namespace morvek
