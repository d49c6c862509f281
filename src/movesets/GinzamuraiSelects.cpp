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

namespace morvek {

namespace {

enum KeyRow : int16_t { numberRow = 0, topRow = 1, homeRow = 2, bottomRow = 3 };
constexpr int16_t kGuardColumn = 3;

/// Row 0-3 and the column 1-10 as a fighter facing right sees it; false off the grid.
bool keyPlace(const Character& c, int16_t key, int16_t& row, int16_t& column) {
    if (key < 1 || key > 40) return false;
    row = static_cast<int16_t>((key - 1) / 10);
    column = static_cast<int16_t>((key - 1) % 10 + 1);
    if (c.dirStand != 1) column = static_cast<int16_t>(11 - column);
    return true;
}

void slide(Character& c, int16_t k) { c.slideVector = c.dirStand * k; }

/// Takes one of the fighter's jumps, if any is left.
void jump(Character& c, int16_t up) {
    if (c.airialJumpCount > 0) {
        c.fallVector = 0;
        c.airialJumpCount = cint16(c.airialJumpCount - 1);
        c.upVector = up;
    }
}

void startCounted(EngineContext& game, Character& c, int16_t pattern, int16_t counter) {
    animChange(game, pattern, c);
    c.counTer = counter;
}

// By column 1-10 (index 0 unused), as seen facing right.
constexpr std::array<int16_t, 11> kWheelSlide = {0, -4, -2, 0, 4, 5, 6, 7, 8, 9, 10};  // 大車輪
constexpr std::array<int16_t, 11> kJumpSlide = {0, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int16_t, 11> kHopSlide = {0, 0, 0, 0, 0, 5, 6, 7, 8, 9, 0};  // home row 5-9
// The bottom-row hops are not mirror images: facing left they reach less far.
constexpr std::array<int16_t, 11> kLowHopRight = {0, -10, -8, 0, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int16_t, 11> kLowHopLeft = {0, -5, -4, 0, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

void Ginzamurai::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    int16_t row = 0, col = 0;
    if (!keyPlace(c, key, row, col)) return;

    switch (row) {
        case numberRow:  // 大車輪, a high jumping slash
            animChange(game, 260, c);
            jump(c, 10);
            slide(c, kWheelSlide[col]);
            return;

        case topRow:
            switch (col) {
                case 3: animChange(game, 380, c); break;  // special guard
                case 4: animChange(game, 200, c); break;
                case 5: animChange(game, 530, c); break;
                default:  // 大車輪, a lower jump
                    animChange(game, 260, c);
                    jump(c, 7);
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
    int16_t row = 0, col = 0;
    if (!keyPlace(c, key, row, col)) return;

    switch (row) {
        case numberRow:
        case topRow:
            animChange(game, 130, c);
            jump(c, row == numberRow ? 14 : 8);
            slide(c, kJumpSlide[col]);
            if (col == kGuardColumn) animChange(game, 150, c);  // the straight jump
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
    animChange(game, 70, c);
    if (c.TPCNumber != 310) {
        c.slideVector = c.dirStand * -10;  // a hop back out of the exchange
        return;
    }
    // Out of an air hit: a hop straight up.
    c.fallVector = 0;
    c.upVector = 5;
    soundPlay(game, 119);
    neutralReturnCheck(game, c);
}

}  // namespace morvek
