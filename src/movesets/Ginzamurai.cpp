// GINZAMURAI's pattern table and body boxes.

#include "movesets/Ginzamurai.h"

#include "battle/Character.h"
#include "movesets/GinzamuraiPatterns.h"

namespace morvek {

void Ginzamurai::AnimPattern(BattleContext&, Character& chara, Rect& srcRect) {
    srcRect = anim::evaluatePattern(ginzamurai_patterns::kTable, chara, ginzamurai_patterns::kCellSize);
}

void Ginzamurai::HitFieldSet(BattleContext&, Character& chara) {
    anim::applyBodyBox(chara, ginzamurai_patterns::kBodyBoxes);
}

}  // namespace morvek
