#pragma once
// GOUDA's move set (fighter 4): pattern table, body boxes, action script with its two
// grabs, selects, typing-combo steps, eight projectile kinds and the computer opponent.

#include <cstdint>

#include "movesets/MoveSet.h"

namespace morvek {

class Gouda : public MoveSet {
public:
    void AnimPattern(Game& game, Character& chara, Rect& srcRect) override;          // 1
    void HitFieldSet(Game& game, Character& chara) override;                         // 10
};

}  // namespace morvek
