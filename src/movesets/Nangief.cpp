// NANGIEF's pattern table and body boxes.

#include "movesets/Nangief.h"

#include "battle/Character.h"
#include "movesets/NangiefPatterns.h"

namespace morvek {

namespace {
constexpr int32_t kCellSize = 300;  // the sheet is 9 x 9 cells of 300 pixels
}  // namespace

void Nangief::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(nangief_patterns::kTable, chara, kCellSize);
}

void Nangief::HitFieldSet(BattleContext&, Character& chara) {
    // A class without insets of its own keeps the previous pass's box.
    anim::applyBodyBox(chara, nangief_patterns::kBodyBoxes);
}

}  // namespace morvek
