// GINZAMURAI's attack and movement selects and typing-combo steps. A target key's place on
// the keyboard, seen from the fighter's guard column ("D"/"C" facing right, "K"/"," facing
// left), picks the move: the tables are written for a fighter facing right and mirrored.

#include <array>

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Ginzamurai.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

// By column 1-10 (index 0 unused), as seen facing right.
constexpr std::array<int16_t, 11> kWheelSlide = {0, -4, -2, 0, 4, 5, 6, 7, 8, 9, 10};  // 大車輪
constexpr std::array<int16_t, 11> kHopSlide = {0, 0, 0, 0, 0, 5, 6, 7, 8, 9, 0};  // home row 5-9
// The bottom-row hops are not mirror images: facing left they reach less far.
constexpr std::array<int16_t, 11> kLowHopRight = {0, -10, -8, 0, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int16_t, 11> kLowHopLeft = {0, -5, -4, 0, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

void Ginzamurai::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t row = at.row;
    const int16_t col = at.column;

    switch (row) {
        case numberRow:  // 大車輪, a high jumping slash
            animChange(game, 260, c);
            takeJump(c, 10);
            slide(c, kWheelSlide[col]);
            return;

        case topRow:
            switch (col) {
                case 3: animChange(game, 380, c); break;  // special guard
                case 4: animChange(game, 200, c); break;
                case 5: animChange(game, 530, c); break;
                default:  // 大車輪, a lower jump
                    animChange(game, 260, c);
                    takeJump(c, 7);
                    slide(c, kWheelSlide[col]);
                    break;
            }
            return;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 640, c); break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, 240, c); break;
                case 5: animChange(game, 210, c); break;
                case 6: animChange(game, 20, c); break;
                case 7: startCounted(game, c, 650, 0); break;  // the farther the key, the longer the run-in
                case 8: startCounted(game, c, 650, 5); break;
                case 9: startCounted(game, c, 650, 12); break;
                case 10: exArtsSelect(game, c, 570, 580); break;
                default: break;
            }
            return;

        case bottomRow:
            switch (col) {
                case 1:
                    c.dirStand = cint16(-c.dirStand);
                    animChange(game, 250, c);
                    break;
                case 2:
                    c.dirStand = cint16(-c.dirStand);
                    animChange(game, 270, c);
                    break;
                case kGuardColumn: break;
                case 4: animChange(game, 270, c); break;
                case 5: animChange(game, 250, c); break;
                default:  // 小車輪, a small hop forward
                    animChange(game, 220, c);
                    c.upVector = 3;
                    slide(c, col);
                    break;
            }
            return;

        default: return;
    }
}

void Ginzamurai::MoveSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t row = at.row;
    const int16_t col = at.column;

    switch (row) {
        case numberRow:
        case topRow:
            jumpByColumn(game, c, at, 14, 8);
            return;

        case homeRow:
            switch (col) {
                case 1:
                    animChange(game, 70, c);
                    slide(c, -10);
                    break;
                case 2:  // walk back
                    startCounted(game, c, 100, -10);
                    c.AorMflag = 1;
                    break;
                case kGuardColumn: break;
                case 4:  // walk forward
                    startCounted(game, c, 100, 10);
                    c.AorMflag = 0;
                    break;
                case 10: startCounted(game, c, 90, 10); break;  // dash
                default:
                    animChange(game, 75, c);
                    slide(c, kHopSlide[col]);
                    break;
            }
            return;

        case bottomRow:
            animChange(game, 70, c);
            slide(c, c.dirStand == 1 ? kLowHopRight[col] : kLowHopLeft[col]);
            return;

        default: return;
    }
}

void Ginzamurai::TPCFollow(BattleContext& game, Character& c) {
    c.enableAction = false;
    switch (c.TPCNumber) {
        case 210: animChange(game, 242, c); break;  // 首狩り into 兜割
        case 310:                                   // out of the air hit with 弧月斬
            animChange(game, 710, c);
            neutralReturnCheck(game, c);
            break;
        case 500: animChange(game, 510, c); break;
        case 530: animChange(game, 20, c); break;
        case 630: animChange(game, 610, c); break;
        case 720: animChange(game, 730, c); break;
        case 740: animChange(game, 740, c); break;
        case 750: animChange(game, 755, c); break;
        default: break;
    }
}

void Ginzamurai::TPCSecond(BattleContext& game, Character& c) {
    secondWordHop(game, c, 119, true);  // back out of the exchange, or up out of an air hit
}

}  // namespace morvek
