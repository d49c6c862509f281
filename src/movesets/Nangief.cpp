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
    // A class without insets of its own (getting up) keeps the previous pass's box.
    for (const nangief_patterns::BodyClass& b : nangief_patterns::kBodyBoxes) {
        if (b.number != chara.ATFnumber) continue;
        chara.hitFieldLeft = b.insets.left;
        chara.hitFieldTop = b.insets.top;
        chara.hitFieldRight = b.insets.right;
        chara.hitFieldBottom = b.insets.bottom;
        return;
    }
}

}  // namespace morvek
