#pragma once
// The pieces of GINZAMURAI's move set its source files share.

#include <cstdint>

namespace morvek {

struct Game;
class Character;

namespace ginzamurai_moves {

/// One melee attack frame: the setAttackFrame values, then the setAttackPower values.
struct SwordFrame {
    int16_t pattern;
    int16_t type, hitSound, boxX, boxY, boxW, boxH, effect, vectorX, vectorY;
    int16_t controlX, controlY, zoomX, zoomY, lenge, gardable;
    int16_t pow1, pow2, pow3;
    bool ex;
    int16_t stun, spacorn;
    bool spHit;
};

/// The attack frame a pattern opens, or nullptr; 755 (分身) included.
const SwordFrame* swordFrame(int16_t pattern);
/// Opens (or refreshes) the attack frame and its power, frame first.
void openSwordFrame(Game& game, Character& chara, const SwordFrame& frame);

}  // namespace ginzamurai_moves
}  // namespace morvek
