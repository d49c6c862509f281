// MORVEKBOY's pattern table, body boxes and super-art mode.

#include "movesets/Morvekboy.h"

#include "battle/Character.h"
#include "movesets/MorvekboyPatterns.h"

namespace morvek {

namespace {
constexpr int32_t kCellSize = 200;  // the sheet is 12 x 12 cells of 200 pixels
}  // namespace

void Morvekboy::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(morvekboy_patterns::kTable, chara, kCellSize);
}

void Morvekboy::HitFieldSet(BattleContext&, Character& chara) {
    anim::applyBodyBox(chara, morvekboy_patterns::kBodyBoxes);
}

void Morvekboy::SpacornMode(BattleContext&, Character& chara) {
    if (chara.SPspacornTimer <= 0) {
        chara.sPeed = 3;
        chara.sPeedEffect = 0;
        return;
    }
    // While the super-art timer runs: every s+k hold is 3 shorter, every landed attack
    // counts as a super-art hit with its later power parts capped, and the fighter may
    // act again in any state that is not a reaction.
    chara.sPeed = 0;
    chara.sPeedEffect = 1;
    chara.spacornHit = true;
    if (chara.attackPow2nd > 5) chara.attackPow2nd = 5;
    if (chara.attackPow3rd > 3) chara.attackPow3rd = 3;
    if (chara.sTate >= 0) chara.enableAction = true;
}

}  // namespace morvek
