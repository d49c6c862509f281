// G O D's pattern table and body box.

#include "movesets/God.h"

#include "battle/Character.h"
#include "movesets/GodPatterns.h"

namespace morvek {

namespace god_patterns {

int16_t ruleLieDownAtZeroVitality(Character& chara, int16_t, int16_t up, int16_t down) {
    return chara.viTality == 0 ? down : up;
}

int16_t ruleJudgementLoop(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.counTer == 1) chara.enableAction = true;
    return chara.counTer >= 0 ? loopTo : exit;
}

}  // namespace god_patterns

namespace {

// Frames are 498 x 398, one column on a 400-pixel pitch; the dash row's cells lie 50
// pixels apart.
constexpr int32_t kFrameWidth = 498;
constexpr int32_t kFrameHeight = 398;
constexpr int32_t kRowPitch = 400;
constexpr int32_t kDashCellPitch = 50;

}  // namespace

void God::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    using namespace god_patterns;
    const anim::Entry* e = kTable.find(chara.animPat);
    // The shared evaluation writes the fields; the cell is computed here, as the sheet
    // is not a grid of square cells.
    anim::evaluatePattern(kTable, chara, kFrameWidth);
    if (e == nullptr) {
        srcRect = Rect{0, 0, kFrameWidth, kFrameHeight};
        return;
    }
    const int32_t left = 1 + kDashCellPitch * e->column;
    const int32_t top = 1 + kRowPitch * e->row;
    srcRect = Rect{left, top, left + kFrameWidth, top + kFrameHeight};
}

void God::HitFieldSet(BattleContext&, Character& chara) {
    chara.hitFieldLeft = god_patterns::kBodyBox.left;
    chara.hitFieldTop = god_patterns::kBodyBox.top;
    chara.hitFieldRight = god_patterns::kBodyBox.right;
    chara.hitFieldBottom = god_patterns::kBodyBox.bottom;
}

}  // namespace morvek
