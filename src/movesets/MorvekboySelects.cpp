// MORVEKBOY's attack and movement selects (a target key's place on the keyboard, seen
// from the fighter's facing, picks the move) and its typing-combo steps.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Morvekboy.h"
#include "movesets/MorvekboyMoves.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace morvekboy_moves {

namespace {

// Slides of the number-row rising art and of the top-row spin, by column 1-10.
constexpr int16_t kRisingSlide[11] = {0, -4, -2, 0, 4, 5, 6, 7, 8, 9, 10};
// The low runs of the bottom row: pattern and length by column.
constexpr int16_t kLowRunPattern[11] = {0, 125, 125, 120, 120, 120, 120, 120, 120, 120, 120};
constexpr int16_t kLowRunCount[11] = {0, 5, 4, 5, 4, 5, 6, 7, 8, 9, 10};

}  // namespace

void attackSelect(EngineContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
        case numberRow:  // ドラゴンブロウ, drifting by column
            animChange(game, 260, c);
            slide(c, kRisingSlide[col]);
            return;

        case topRow:
            if (col == 3) {
                animChange(game, 380, c);  // special guard stance
            } else if (col == 4) {
                animChange(game, 200, c);
            } else if (col == 5) {
                animChange(game, 530, c);
            } else {  // 竜巻, rising and drifting by column
                animChange(game, 770, c);
                c.upVector = c.upVector + 8;
                slide(c, kRisingSlide[col]);
            }
            return;

        case homeRow:
            switch (col) {
                case 1:
                    turnAround(c);
                    animChange(game, 780, c);
                    break;
                case 2: animChange(game, 590, c); break;
                case kGuardColumn: break;
                case 4: animChange(game, c.floatorStand ? 790 : 240, c); break;
                case 5: animChange(game, 20, c); break;
                case 6: animChange(game, 210, c); break;
                case 7: startCounted(game, c, 650, 2); break;
                case 8: startCounted(game, c, 650, 5); break;
                case 9: startCounted(game, c, 650, 7); break;
                case 10: exArtsSelect(game, c, 570, 580); break;
                default: break;
            }
            return;

        case bottomRow:
            if (lowKicks(game, c, col, 2, 1)) return;
            switch (col) {
                case 6: case 7: case 8: case 9:
                    // スライディングキック, longer the further out the key
                    if (!c.floatorStand) startCounted(game, c, 220, cint16(col - 5));
                    else groundOrDive(game, c, 220, cint16(col - 3));
                    break;
                case 10: groundOrDive(game, c, 720, 7); break;
                default: break;
            }
            return;

        default:
            return;
    }
}

void moveSelect(EngineContext& game, Character& c, int16_t key) {
    KeyPlace at{};
    if (!keyPlace(c, key, at)) return;
    const int16_t col = at.column;

    switch (at.row) {
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
                case 2:
                    startCounted(game, c, 100, -10);
                    c.AorMflag = 1;
                    break;
                case kGuardColumn: break;
                case 4:
                    startCounted(game, c, 100, 10);
                    c.AorMflag = 0;
                    break;
                case 5: startCounted(game, c, 120, 3); break;
                case 6: case 7: case 8: case 9:
                    animChange(game, 75, c);
                    slide(c, col);
                    break;
                case 10: startCounted(game, c, 90, 10); break;
                default: break;
            }
            return;

        case bottomRow:
            startCounted(game, c, kLowRunPattern[col], kLowRunCount[col]);
            return;

        default:
            return;
    }
}

void tpcFollow(BattleContext& game, Character& c) {
    auto next = [&](int16_t pattern) { animChange(game, pattern, c); };
    switch (c.TPCNumber) {
        case 210: next(780); break;
        case 240:
            if (c.inputKeyNum == 1) next(760);
            else if (c.inputKeyNum == 3) next(750);
            break;
        case 310:  // recovery from the air into the rising art
            next(260);
            slide(c, 4);
            neutralReturnCheck(game, c);
            break;
        case 500: next(510); break;
        case 530: next(540); break;
        case 630: next(610); break;
        case 660: next(665); break;
        case 730: next(735); break;
        case 735: next(740); break;
        case 780: next(20); break;
        case 790: next(800); break;
        case 800: next(810); break;
        case 820: {
            // Word 1 and words 3-8 each pick one blow of the super art's follow-up.
            const int16_t word = c.inputKeyNum;
            if (word == 1) next(840);
            else if (word >= 3 && word <= 8) next(cint16(850 + (word - 3) * 10));
            break;
        }
        default: break;
    }
}

void tpcSecond(BattleContext& game, Character& c) {
    secondWordHop(game, c, kAtata3Voice, true);  // a short hop back, or up out of an air hit
}

}  // namespace morvekboy_moves

void Morvekboy::AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    morvekboy_moves::attackSelect(game, chara, targetKey);
}

void Morvekboy::MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    morvekboy_moves::moveSelect(game, chara, targetKey);
}

void Morvekboy::TPCFollow(BattleContext& game, Character& chara) {
    chara.enableAction = false;
    morvekboy_moves::tpcFollow(game, chara);
}

void Morvekboy::TPCSecond(BattleContext& game, Character& chara) {
    morvekboy_moves::tpcSecond(game, chara);
}

}  // namespace morvek
