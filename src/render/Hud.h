#pragma once
// The HUD of a match: vitality, damage and stun bars, stun labels, spacorn gauges, combo
// counters, dizzy stars and the zoom view.

#include "platform/Surface8.h"

namespace morvek {

struct Game;
class Character;

void drawGauges(Game& game, Character& p1, Character& p2);
/// Also records the attacker's MaxComboCount and slides the victim's comboTimer in.
void drawComboCounter(Game& game, Character& p1, Character& p2);

/// Dizzy stars over each fighter whose stunSwitch is 2.
void drawStunMarks(Game& game, const Character& p1, const Character& p2);
void drawStunStar(Game& game, const Character& chara);

/// The part of backBuffer the zoom view enlarges for `level` around chara; empty when
/// the level leaves nothing to crop.
Rect zoomCrop(const Game& game, const Character& chara, int16_t level);
/// Steps the zoom level towards chara's zoomCount and enlarges the finished picture.
void drawZoomView(Game& game, const Character& chara);

}  // namespace morvek
