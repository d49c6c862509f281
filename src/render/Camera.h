#pragma once
// The camera, the stage background, the fighters' shadows and sprites, and the order in
// which everything belonging to the fighters is drawn.

#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
class Character;

/// Screen margins the camera keeps player 1 inside (tested strictly).
inline constexpr int32_t kCameraLeftMargin = 50;
inline constexpr int32_t kCameraRightMargin = 360;
inline constexpr int32_t kCameraTopMargin = 50;
/// The bottom limit is this minus the fighter's bottom margin.
inline constexpr int32_t kCameraBottomBase = 186;
inline constexpr int16_t kScrollXMin = -700;
inline constexpr int16_t kScrollYMin = -1480;

/// Moves the camera after p1 (and p2 as far as p1 allows) and lays the stage background.
void cameraAndBackground(BattleContext& game, const Character& p1, const Character& p2);

/// The shadow rectangle of a fighter on screen; empty (drawn as nothing) when the fighter
/// is so high that the shadow has no width or no height left.
Rect charaShadowRect(const BattleContext& game, const Character& chara);
/// Draws one fighter's shadow from `sheet` (the common sheet).
void drawCharaShadow(BattleContext& game, const Character& chara, const Surface8& sheet);

/// Runs chara's pattern table and body box, then draws its current cell (mirrored when it
/// faces left). `other` is not used.
void drawCharaSprite(BattleContext& game, Character& chara, Character& other, const Surface8& sheet);

/// Servants, both fighters by |sTate|, projectiles, dizzy stars, effects, zoom view.
void drawFighters(BattleContext& game, Character& p1, Character& p2);

/// A fighter's servants, only while its clone mode runs (GINZAMURAI and HONEKAWA).
void servantFrame(BattleContext& game, Character& master, Character& opponent);

}  // namespace morvek
