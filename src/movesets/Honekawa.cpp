// HONEKAWA's pattern table and body boxes, and the conditional steps its table uses.

#include "movesets/Honekawa.h"

#include "battle/Character.h"
#include "engine/Basic.h"
#include "movesets/HonekawaPatterns.h"

namespace morvek {

namespace honekawa_patterns {

int16_t ruleDashThenKick(Character& chara, int16_t, int16_t loopTo, int16_t kick) {
    if (chara.counTer != 0) {
        chara.counTer = cint16(chara.counTer - 1);
        return loopTo;
    }
    return chara.AorMflag != 0 ? kick : 0;
}

int16_t ruleCounterZeroOr(Character& chara, int16_t, int16_t ifZero, int16_t otherwise) {
    return chara.counTer == 0 ? ifZero : otherwise;
}

int16_t ruleOnContact(Character& chara, int16_t, int16_t missed, int16_t landed) {
    return chara.attackWasHit != 0 ? landed : missed;
}

}  // namespace honekawa_patterns

namespace {
constexpr int32_t kCellSize = 200;  // the sheet is 13 x 12 cells of 200 pixels
}  // namespace

void Honekawa::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(honekawa_patterns::kTable, chara, kCellSize);
}

void Honekawa::HitFieldSet(BattleContext&, Character& chara) {
    // A class without insets of its own keeps the previous pass's box.
    anim::applyBodyBox(chara, honekawa_patterns::kBodyBoxes);
}

}  // namespace morvek
