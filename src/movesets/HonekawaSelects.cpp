// HONEKAWA's attack and movement selects (the target key's place on the keyboard, seen
// from the fighter's facing, picks the move; the fighter's own column is the guard keys')
// and its typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Honekawa.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

/// Jump slide of the number-row and top-row keys by column: -2 at the far back to 7.
int16_t jumpSlide(int16_t column) { return static_cast<int16_t>(column - 3); }

/// Starts a jumping pattern; it rises only while an air jump is left, but slides anyway.
void jumpSetUp(EngineContext& game, Character& c, int16_t pattern, int16_t speed, int16_t slide) {
    animChange(game, pattern, c);
    takeJump(c, speed);
    c.slideVector = c.dirStand * slide;
}

/// 雷撃蹴 in the air: the dive slides `slide` toward the facing.
void dive(BattleContext& game, Character& c, int16_t slide) {
    animChange(game, 280, c);
    c.slideVector = c.dirStand * slide;
}

}  // namespace

void Honekawa::AttackSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
        case numberRow:  // 連起脚, high jump
            jumpSetUp(game, c, 260, 10, jumpSlide(col));
            break;

        case topRow:
            switch (col) {
                case 1: jumpSetUp(game, c, 260, 7, -2); break;
                case 2: jumpSetUp(game, c, 260, 7, -1); break;
                case 3: animChange(game, 380, c); break;  // parry stance
                case 4: animChange(game, 230, c); break;
                case 5: animChange(game, 530, c); break;
                default: jumpSetUp(game, c, 260, 7, static_cast<int16_t>(col - 4)); break;
            }
            break;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 640, c); break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, c.floatorStand ? 560 : 240, c); break;
                case 5: animChange(game, 210, c); break;
                case 6: animChange(game, 20, c); break;
                // 鉄山靠: the farther the key, the longer the lunge
                case 7: startCounted(game, c, 650, 2); break;
                case 8: startCounted(game, c, 650, 5); break;
                case 9: startCounted(game, c, 650, 10); break;
                case 10: animChange(game, 580, c); break;
                default: break;
            }
            break;

        case bottomRow:
            if (lowKicks(game, c, col, 2, 1)) break;
            switch (col) {
                default:
                    // A dash that runs longer the farther the key, then 穿弓腿.
                    if (c.floatorStand) {
                        dive(game, c, static_cast<int16_t>(col - 3));
                    } else {
                        startCounted(game, c, 120, static_cast<int16_t>(col - 5));
                        c.AorMflag = 1;
                    }
                    break;
            }
            break;

        default: break;
    }
}

void Honekawa::MoveSelect(BattleContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
        case numberRow:
        case topRow:
            jumpByColumn(game, c, at, 15, 9);
            break;

        case homeRow:
            switch (col) {
                case 1: animChange(game, 70, c); break;
                case 2: startCounted(game, c, 100, 1); break;  // walk back
                case kGuardColumn: break;
                case 4: startCounted(game, c, 100, 0); break;  // walk forward
                case 10: animChange(game, 170, c); break;
                default:  // hop, farther by column
                    animChange(game, 75, c);
                    c.slideVector = c.dirStand * col;
                    break;
            }
            break;

        case bottomRow:
            c.AorMflag = 0;  // these dashes end standing
            switch (col) {
                case 1: startCounted(game, c, 125, 5); break;
                case 2: startCounted(game, c, 125, 4); break;
                case kGuardColumn: startCounted(game, c, 120, 5); break;
                default: startCounted(game, c, 120, col); break;
            }
            break;

        default: break;
    }
}

void Honekawa::TPCFollow(BattleContext& game, Character& c) {
    switch (c.TPCNumber) {
        case 240: animChange(game, 540, c); break;  // 崩拳
        case 540: animChange(game, 550, c); break;  // 虎撲子
        case 560: animChange(game, 565, c); break;  // 槍雷脚
        case 565: animChange(game, 570, c); break;  // 片虎撲
        case 500: animChange(game, 505, c); break;  // the charge of 雷震魔破拳
        case 630: animChange(game, 610, c); break;  // 転身穿弓腿
        case 700: animChange(game, 660, c); break;  // 槍雷虎炮
        case 720: animChange(game, 730, c); break;  // 蟷螂斬, second cut
        case 730: animChange(game, 740, c); break;  // 蟷螂斬, third cut
        case 750: animChange(game, 760, c); break;  // the summon
        case 310:                                   // 雷撃蹴 out of an air hit
            animChange(game, 280, c);
            neutralReturnCheck(game, c);
            break;
        default: break;
    }
}

void Honekawa::TPCSecond(BattleContext& game, Character& c) {
    secondWordHop(game, c, kHaVoice, false);  // the back step, or a recovery hop out of an air hit
}

}  // namespace morvek
