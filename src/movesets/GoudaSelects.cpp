// GOUDA's attack and movement selects (a target key's place on the keyboard, seen from
// the fighter's facing, picks the move) and his typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Gouda.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

// By column 1-10: the drift of 豪昇龍拳 (number row) and of the air 竜巻斬空脚 (top row).
constexpr int16_t kUppercutSlide[11] = {0, -4, -2, 0, 4, 5, 6, 7, 8, 9, 10};
constexpr int16_t kAirSpinSlide[11] = {0, -4, -2, 0, 0, 0, 6, 7, 8, 9, 10};
/// The top-row columns that start the air spin; the middle ones of the back side do not.
constexpr bool isAirSpinColumn(int16_t column) { return column <= 2 || column >= 6; }
// By column 5-9: the hop's hold in the air.
constexpr int16_t kHopHold[11] = {0, 0, 0, 0, 0, 0, 5, 10, 15, 20, 0};
// By column: the bottom row's steps, back (125) on the two back columns, forward (120) else.
constexpr int16_t kStepCount[11] = {0, 5, 4, 5, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

void Gouda::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t row = at.row;
    const int16_t col = at.column;

    switch (row) {
        case numberRow:  // 豪昇龍拳, drifting further the nearer the key is to the front
            animChange(game, 260, c);
            slide(c, kUppercutSlide[col]);
            return;

        case topRow:
            if (isAirSpinColumn(col)) {
                animChange(game, 770, c);
                c.upVector = c.upVector + 8;
                slide(c, kAirSpinSlide[col]);
            } else if (col == 3) {
                animChange(game, 380, c);  // special guard stance
            } else if (col == 4) {
                animChange(game, 200, c);
            } else {
                animChange(game, 530, c);
            }
            return;

        case homeRow:
            switch (col) {
                case 1:
                    turnAround(c);
                    animChange(game, 210, c);
                    break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, c.floatorStand ? 790 : 240, c); break;
                case 5: animChange(game, 20, c); break;
                case 6: exArtsSelect(game, c, 550, 210); break;
                case 7: startCounted(game, c, 650, 2); break;
                case 8: startCounted(game, c, 650, 5); break;
                case 9: startCounted(game, c, 650, 7); break;
                default: animChange(game, 580, c); break;  // 10
            }
            return;

        default:  // bottom row
            if (lowKicks(game, c, col, 4, 2)) return;
            switch (col) {
                case 6: case 7: case 8: case 9:
                    // 斬影 slides longer, and the dive drifts further, the further out the key
                    if (c.floatorStand) {
                        animChange(game, 280, c);
                        slide(c, cint16(2 * (col - 3)));
                    } else {
                        startCounted(game, c, 220, cint16(col - 5));
                    }
                    break;
                default: animChange(game, c.floatorStand ? 660 : 720, c); break;  // 10
            }
            return;
    }
}

void Gouda::MoveSelect(BattleContext& game, Character& c, int16_t key) {
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
                case 1: animChange(game, 70, c); break;
                case 2:  // walks backwards
                    startCounted(game, c, 100, -10);
                    c.AorMflag = 1;
                    break;
                case kGuardColumn: break;
                case 4:
                    startCounted(game, c, 100, 10);
                    c.AorMflag = 0;
                    break;
                case 5: case 6: case 7: case 8: case 9:
                    startCounted(game, c, 90, kHopHold[col]);
                    c.AorMflag = 1;
                    break;
                default: startCounted(game, c, 110, 10); break;  // 10: dash
            }
            return;

        default:  // bottom row
            startCounted(game, c, col <= 2 ? 125 : 120, kStepCount[col]);
            return;
    }
}

void Gouda::TPCFollow(BattleContext& game, Character& c) {
    c.enableAction = false;
    auto next = [&](int16_t pattern) { animChange(game, pattern, c); };
    switch (c.TPCNumber) {
        case 230: next(25); break;
        case 240: next(230); break;
        case 310:  // recovery from the air into 豪昇龍拳
            next(260);
            slide(c, 4);
            neutralReturnCheck(game, c);
            break;
        case 500: next(510); break;
        case 505: next(520); break;
        case 530: next(540); break;
        case 630: next(820); break;
        case 730: next(740); break;
        case 765: next(750); break;
        case 780: next(20); break;
        case 790: next(800); break;
        case 800: next(810); break;
        case 840: next(850); break;
        case 900: next(910); break;
        default: break;
    }
}

void Gouda::TPCSecond(BattleContext& game, Character& c) {
    secondWordHop(game, c, kNoVoice, true);  // a short hop back, or up out of an air hit
}

}  // namespace morvek
