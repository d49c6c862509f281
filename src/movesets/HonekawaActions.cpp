// HONEKAWA's action script, in two parts: the action part (movement, sounds, pattern
// switches, typing-combo windows, the summoning of the servants) and the attack-frame part
// (boxes and powers), which the servants run as well so that they hit like their master.

#include <algorithm>
#include <iterator>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/CpuTick.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Servants.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/AttackTable.h"
#include "movesets/Honekawa.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

// ---- attack frames ---------------------------------------------------------------------

/// Where a knock-back value comes from besides the row.
enum class Knock : uint8_t {
    Fixed,      ///< the row's vector
    Air,        ///< vertical knock-back = the attacker's upVector - fallVector
    Behind,     ///< horizontal knock-back = LeftOrRight x 10 (the strike behind the back)
};

// Sorted by pattern; a row may stand for a run of patterns.
constexpr AttackEntry kAttackRows[] = {
    {23, {2, 15, 10, 80, 120, 30, 5, 30, 1, -80, 45, 100, 0, 14, 0, 12, 25, 15, true, 24, 30, false}},
    {204, {2, 17, 10, 60, 60, 60, 15, 0, 20, 0, 0, 0, 0, 20, 0, 10, 10, 30, true, 40, 40, false}},
    {212, {3, 16, 10, 90, 80, 20, 5, 4, 0, -80, 50, 50, -20, 12, 0, 10, 10, 10, false, 20, 30, false}},
    {220, {2, 19, 10, 80, 40, 80, 10, 1, 2, 0, 50, 50, 100, 12, 0, 10, 5, 5, true, 7, 13, false}},
    {222, {2, 19, 10, 80, 40, 80, 10, 1, 3, 0, 50, 50, 100, 12, 0, 0, 0, 0, false, 0, 0, false}},
    {224, {8, 14, 10, 10, 40, 80, 10, 1, 10, 0, 50, 50, 100, 12, 0, 0, 0, 0, false, 0, 0, false}},
    {231, {8, 14, 10, 35, 45, 85, 15, 0, 14, 0, 0, 0, 0, 12, 0, 18, 4, 1, false, 15, 8, false}},
    {241, {10, 1, 0, 70, 50, 30, 10, 2, 2, 0, 40, 0, 0, 8, 0, 10, 4, 1, false, 10, 10, false}},
    {251, {2, 11, 30, 150, 70, 30, 5, 0, 1, -40, 120, 50, -10, 12, 1, 20, 4, 0, false, 10, 17, false}},
    {261, {2, 14, 10, 100, 70, 45, 15, 0, 10, 0, 0, 50, 0, 12, 0, 18, 4, 1, true, 5, 5, false}},
    {264, {2, 14, 10, 100, 70, 45, 15, 0, -3, 0, 0, 0, 50, 12, 0, 18, 4, 1, true, 6, 6, false}},
    {267, {2, 14, 10, 35, 60, 125, 15, 0, 10, 0, 0, 50, 50, 12, 0, 18, 4, 1, true, 10, 7, false}},
    {271, {1, 11, 30, 150, 50, 30, 10, 0, 0, -20, 100, 0, 0, 8, 1, 8, 2, 0, false, 3, 6, false}},
    {276, {1, 11, 30, 150, 60, 30, 10, 0, 0, -20, 100, 0, 0, 10, 1, 14, 2, 0, false, 3, 6, false}},
    // 281, the dive kick, is computed (diveBlow)
    {505, {7, 21, 10, 80, 80, 30, 25, 0, 2, 50, -50, 200, 200, 12, 0, 50, 10, 10, true, 0, 0, true}},
    {patterns(513, 516), {2, 16, -50, 80, 160, 30, 5, 0, 2, -80, 50, 50, -20, 12, 0, 20, 2, 2, true, 10, 0, true}},
    {517, {7, 16, -50, 80, 160, 30, 5, 0, 4, -80, 50, 50, -20, 12, 0, 10, 10, 10, true, 30, 0, true}},
    {532, {3, 19, 10, 35, 60, 125, 10, 3, 10, 0, 50, 20, 50, 12, 2, 10, 4, 3, false, 18, 20, false}},
    {541, {3, 19, 10, 80, 80, 30, 10, 0, 0, 0, 0, 50, 50, 6, 0, 20, 5, 0, false, 12, 13, false}},
    {551, {2, 17, 10, 80, 40, 50, 15, 10, 1, 0, 0, 100, 100, 10, 0, 10, 10, 10, false, 15, 17, false}},
    {561, {4, 1, -40, 120, 100, 30, 10, 0, 0, 0, 70, 30, 30, 8, 2, 8, 2, 0, false, 6, 8, false}},
    {566, {4, 1, 0, 100, 50, 80, 10, 0, 0, 0, 0, 50, 50, 8, 2, 8, 2, 0, false, 18, 15, false}},
    {571, {7, 17, 0, 40, 80, 80, 15, 10, 5, 0, 0, 100, 100, 10, 0, 10, 10, 10, false, 30, 20, false}},
    {583, {3, 1, 10, 80, 80, 30, 10, 0, 0, -30, 0, 50, 70, 12, 0, 1, 10, 10, true, 20, 24, false}},
    {591, {4, 23, 0, 60, 60, 60, 15, 0, 0, 0, 50, 0, 0, 0, 3, 0, 0, 0, false, 0, 1, false}},
    {601, {2, 104, 0, 40, 80, 80, 15, -10, 10, 0, 50, 0, 0, 0, 3, 30, 2, 0, false, 12, 22, false}},
    {patterns(610, 613), {3, 19, -20, 120, 60, 60, 10, 0, 0, 0, 50, 50, 50, 6, 0, 20, 2, 0, true, 1, 0, true}},
    {614, {2, 19, 10, 80, 40, 80, 10, 0, 4, 0, 50, 50, 100, 12, 0, 12, 0, 0, true, 1, 0, true}},
    {615, {4, 14, 10, 80, 40, 80, 10, 0, 0, 0, 50, 50, 100, 12, 0, 0, 0, 0, false, 0, 0, false}},
    {616, {7, 14, 10, 40, 40, 120, 10, 0, 10, 0, 50, 50, 100, 12, 0, 0, 0, 0, false, 0, 0, false}},
    {618, {7, 17, 10, 80, 40, 50, 10, 1, 12, 50, 0, 150, 150, 10, 0, 15, 10, 0, true, 20, 0, true}},
    {622, {7, 14, 10, 80, 40, 50, 15, 1, -10, 0, 0, 50, 50, 10, 0, 15, 0, 5, true, 5, 0, true}},
    {625, {7, 17, 10, 80, 80, 80, 10, 1, 10, 50, 0, 150, 150, 10, 0, 10, 10, 10, true, 10, 0, true}},
    {641, {2, 15, -100, 80, 160, 30, 5, 0, 1, 0, 45, 100, 0, 14, 0, 30, 10, 0, true, 30, 10, false}},
    {652, {3, 14, -20, 60, 60, 60, 15, 0, 5, 0, 0, 50, 50, 14, 0, 20, 10, 0, true, 20, 20, false}},
    {656, {2, 14, -20, 60, 60, 60, 15, 0, 5, 0, 0, 50, 50, 14, 0, 20, 20, 0, true, 20, 20, false}},
    {661, {3, 1, 0, 70, 50, 30, 10, 0, 0, 0, 40, 0, 0, 8, 0, 10, 4, 1, true, 5, 0, true}},
    {663, {4, 1, -20, 120, 80, 30, 10, 0, 0, 0, 40, 30, 30, 8, 0, 8, 2, 0, true, 4, 0, true}},
    {667, {4, 1, 20, 35, 45, 125, 10, 0, 0, 10, -30, 10, 30, 8, 0, 8, 2, 0, true, 3, 0, true}},
    {669, {4, 1, 0, 80, 100, 30, 10, 0, 0, -20, 30, 30, 30, 8, 0, 8, 2, 0, true, 2, 0, true}},
    {672, {4, 1, 0, 80, 100, 30, 10, 0, 0, -30, 0, 30, 30, 8, 0, 8, 2, 0, true, 1, 0, true}},
    {678, {2, 17, 10, 80, 40, 50, 15, 0, 3, 0, 0, 100, 100, 10, 0, 10, 10, 10, true, 12, 0, true}},
    {682, {2, 17, -20, 60, 60, 60, 15, 0, 2, 0, -50, 150, 150, 14, 0, 20, 10, 0, true, 7, 0, true}},
    {688, {2, 17, 10, 60, 60, 60, 15, 0, 20, 0, -70, 100, 170, 20, 0, 10, 20, 10, true, 15, 0, true}},
    {711, {3, 1, 20, 70, 50, 30, 10, 0, 0, 0, 40, 0, 0, 12, 0, 10, 4, 1, false, 10, 10, false}},
    {722, {10, 35, 20, 90, 80, 30, 15, 0, 3, -50, 40, 0, 0, 12, 0, 25, 2, 0, true, 10, 10, false}},
    {732, {10, 35, 20, 90, 80, 30, 15, 0, 3, -50, 40, 0, 0, 12, 0, 21, 3, 1, true, 10, 10, false}},
    {742, {9, 35, 20, 90, 80, 30, 15, 10, 3, -50, 40, 120, 0, 12, 0, 20, 7, 4, true, 15, 12, false}},
};

constexpr AttackTable kAttacks{"HONEKAWA", kAttackRows};

/// The rows that are not opened as written: a computed knock-back, or a box without power
/// (`keepsPower`: the power of the move's previous attack pattern stays in force).
struct RowTwist {
    int16_t pattern;
    Knock knock;
    bool keepsPower;
};

constexpr RowTwist kTwists[] = {
    {222, Knock::Fixed, true},
    {224, Knock::Fixed, true},
    {561, Knock::Air, false},
    {566, Knock::Air, false},
    {615, Knock::Air, true},
    {616, Knock::Fixed, true},
    {641, Knock::Behind, false},
    {663, Knock::Air, false},
    {667, Knock::Air, false},
    {669, Knock::Air, false},
    {672, Knock::Air, false},
};

/// The first and second cut of 蟷螂斬 lunge this far before their box opens.
constexpr int16_t kLungeBeforeBox = 20;

/// Opens the row of `pattern` with the knock-back and power its twist (if any) asks for.
void openRow(BattleContext& game, Character& c, int16_t pattern, const AttackRow& row) {
    const auto* twist = std::find_if(std::begin(kTwists), std::end(kTwists),
                                     [&](const RowTwist& t) { return t.pattern == pattern; });
    if (twist == std::end(kTwists)) {
        openAttack(game, c, row);
        return;
    }
    AttackRow r = row;
    if (twist->knock == Knock::Air) r.vectorY = cint16(c.upVector - c.fallVector);
    if (twist->knock == Knock::Behind) r.vectorX = cint16(c.LeftOrRight * 10);
    openAttackFrame(game, c, r);
    if (!twist->keepsPower) setAttackPower(c, r);
}


// ---- action part -----------------------------------------------------------------------

}  // namespace

void Honekawa::AnimAction(BattleContext& game, Character& c, Character& opponent) {
    switch (c.animPat) {
        case 0: case 30: case 40: case 80: case 160: case 332:
            neutralReturnCheck(game, c);
            break;

        // ---- 白虎双掌打 (the variant's key starts 蟷螂斬 instead)
        case 20:
            if (c.ReverseCharaFlag) animChange(game, 720, c);
            break;
        case 21: sound(game, c, kSeiVoice); break;
        case 22: sound(game, c, 5); break;

        // ---- movements
        case 70:
            backward(c, 12);
            c.slideVector = 0;
            break;
        case 71: backward(c, 9); break;
        case 72: backward(c, 7); break;
        case 75: c.upVector = 4; break;
        case 99: c.counTer = 0; break;
        case 100: case 101: case 102: case 103: case 104: case 105: case 106:
            if (c.counTer == 0) forward(c, 3);
            else backward(c, 3);
            break;
        case 120: case 121: case 122: case 123: forward(c, 8); break;
        case 125: case 126: case 127: case 128: backward(c, 8); break;
        case 131: fallPastTheTop(game, c); break;
        case 171:
            c.posMove(60, 0);
            sound(game, c, 20);
            break;
        case 172: c.posMove(20, 0); break;

        // ---- 虎砲, 絶手
        case 200: sound(game, c, 103); break;
        case 203: sound(game, c, kWhiffSound); break;
        case 211:
            c.posMove(15, 0);
            sound(game, c, kHaVoice);
            break;
        case 212: sound(game, c, kSwingSound); break;
        case 214: c.posMove(-4, 0); break;

        // ---- 穿弓腿: rises while it kicks
        case 220:
            c.posY = cint16(c.posY - 8);
            forward(c, 5);
            sound(game, c, kHaVoice);
            break;
        case 221: case 222: case 223: case 225:
            c.posY = cint16(c.posY - 8);
            forward(c, 5);
            break;
        case 224:
            c.posY = cint16(c.posY - 4);
            forward(c, 5);
            break;
        case 226: forward(c, 5); break;

        // ---- 尖翁脚
        case 230: sound(game, c, kSwingSound); break;
        case 231:
            sound(game, c, kHaVoice);
            freeOnHit(c);
            break;

        // ---- 裡門頂肘: 刺腿 in the air, 外門頂肘 from afar (the distance wins)
        case 240:
            sound(game, c, kThrustSound);
            if (c.floatorStand) animChange(game, 560, c);
            if (distanceX(c, opponent) > 80) animChange(game, 710, c);
            break;
        case 241:
            if (c.attackWasHit > 0) TPCStart(game, c);
            c.TPCNumber = 240;  // named even when the blow missed
            break;
        case 244: closeCombo(game, c); break;

        // ---- 前掃腿, 連起脚, 底蹴腿 (the variant's cells from 275), 雷撃蹴
        case 250:
            sound(game, c, kSwingSound);
            forward(c, 3);
            break;
        case 260: c.posY = cint16(c.posY - 1); break;
        case 261: case 264: case 267: sound(game, c, kHaVoice); break;
        case 270:
            if (c.ReverseCharaFlag) animChange(game, 275, c);
            break;
        case 271: case 276: sound(game, c, kLowKickSound); break;
        case 281:
            c.upVector = 0.01;
            c.fallVector = c.fallVector + 0.2;
            sound(game, c, 102);
            break;

        // ---- knocked airborne: falling offers the air-recovery window
        case 310: case 311:
            airRecovery(game, c);
            break;
        case 370: case 371: case 372: case 373:
            c.posX = c.posX - c.LeftOrRight * 4;  // pushed away from the opponent
            break;
        case 380: sound(game, c, kThrustSound); break;

        // ---- getting up
        case 450:
            backward(c, 2);
            gettingUp(game, c);
            break;
        case 451: case 452: case 453: backward(c, 2); break;
        case 460: gettingUp(game, c); break;

        // ---- KO animations
        case 472: case 474: sound(game, c, kThrustSound); break;
        case 476: sound(game, c, kAngerVoice); break;
        case 480: sound(game, c, kHiddenHonekawaVoice); break;
        case 491: sound(game, c, 149); break;
        case 492: sound(game, c, 150); break;

        // ---- 雷震魔破拳 (super art of type 0): stance, charge, rush on a clean hit
        case 500:
            sound(game, c, 106);
            c.TPCNumber = 500;
            break;
        case 504: closeCombo(game, c); break;
        case 505:
            sound(game, c, 107);
            forward(c, 5);
            if (c.attackWasHit == 1) animChange(game, 510, c);
            break;
        case 513: case 514: case 515: case 516:
            forward(c, 20);
            sound(game, c, kSwingSound);
            break;
        case 517: forward(c, 20); break;

        // ---- 旋風脚
        case 530:
            sound(game, c, kSwingSound);
            c.slideVector = c.dirStand * 3;
            c.upVector = 3;
            break;
        case 531: sound(game, c, kHaVoice); break;

        // ---- 崩拳 -> 虎撲子
        case 540:
            sound(game, c, 104);
            c.posMove(8, 0);
            break;
        case 541:
            openComboOnHit(game, c, 540);
            lockUnlessTargeting(c);
            break;
        case 542: case 543: lockUnlessTargeting(c); break;
        case 544: closeCombo(game, c); break;
        case 550:
            sound(game, c, kSeiVoice);
            forward(c, 8);
            break;

        // ---- 刺腿 -> 槍雷脚 -> 片虎撲
        case 560: sound(game, c, kThrustSound); break;
        case 561: openComboOnHit(game, c, 560); break;
        case 563: closeCombo(game, c); break;
        case 565: sound(game, c, kThrustSound); break;
        case 566: openComboOnHit(game, c, 565); break;
        case 567: closeCombo(game, c); break;
        case 570: sound(game, c, kSeiVoice); break;

        // ---- 絶招歩法: steps in, then leaps
        case 582:
            sound(game, c, 104);
            forward(c, 8);
            break;
        case 583:
            if (!c.wavSndFlag) {
                c.slideVector = c.dirStand * 20;
                c.posY = cint16(c.posY - 10);
                c.upVector = 2;
                c.wavSndFlag = true;
                c.fallVector = 0;
            }
            break;

        // ---- the grab: a clean grab throws (モンキーフリップ)
        case 591:
            if (c.attackWasHit == 1) animChange(game, 600, c);
            break;

        // ---- 転身穿弓腿 (after the type-1 dash)
        case 610: case 611: case 612: case 613: forward(c, 16); break;
        case 614:
            c.upVector = 12;
            c.slideVector = c.dirStand;
            sound(game, c, kHaVoice);
            break;
        case 618: case 622: case 625: sound(game, c, kSwingSound); break;

        // ---- super art of type 1: the dash waiting for the word
        case 630:
            forward(c, 16);
            c.TPCNumber = 630;
            break;
        case 631: case 632: case 633: case 634: forward(c, 16); break;
        case 635: closeCombo(game, c); break;

        // ---- 打開, 鉄山靠
        case 640:
            sound(game, c, kHaVoice);
            backward(c, 8);
            break;
        case 641: sound(game, c, kSwingSound); break;
        case 651: forward(c, 24); break;
        case 652: sound(game, c, kSwingSound); break;
        case 656:
            sound(game, c, kSwingSound);
            if (c.ReverseCharaFlag && c.attackWasHit > 0) c.enableAction = true;
            break;

        // ---- 槍雷虎炮 and its finish
        case 660: case 662: case 666: case 668: case 671: sound(game, c, kThrustSound); break;
        case 675:
            forward(c, 40);
            sound(game, c, 20);
            break;
        case 676: c.dirStand = c.LeftOrRight == 1 ? 1 : -1; break;
        case 681:
            forward(c, 16);
            sound(game, c, kSwingSound);
            break;
        case 684: sound(game, c, 103); break;
        case 687: sound(game, c, kWhiffSound); break;

        // ---- super art of type 2: the stance waiting for the word
        case 700: c.TPCNumber = 700; break;
        case 701: closeCombo(game, c); break;

        // ---- 外門頂肘
        case 710:
            c.posMove(12, 0);
            sound(game, c, kThrustSound);
            break;
        case 711:
            openComboOnHit(game, c, 240);
            lockUnlessTargeting(c);
            break;
        case 712: case 713: lockUnlessTargeting(c); break;
        case 714: closeCombo(game, c); break;

        // ---- 蟷螂斬, three cuts; the window opens whether or not the cut landed
        case 720: case 730:
            c.posMove(5, 0);
            sound(game, c, c.animPat == 720 ? 100 : 104);
            break;
        case 721: case 731:
            c.posMove(10, 0);
            sound(game, c, kHeavyWhiffSound);
            break;
        case 722: case 732:
            c.posMove(12, 0);
            openCombo(game, c, c.animPat == 722 ? 720 : 730);
            lockUnlessTargeting(c);
            break;
        case 723: case 733:
            c.posMove(3, 0);
            lockUnlessTargeting(c);
            break;
        case 724: case 734: lockUnlessTargeting(c); break;
        case 725: case 735: closeCombo(game, c); break;
        case 740:
            c.posMove(12, 0);
            sound(game, c, kSeiVoice);
            c.enableAction = false;
            break;
        case 741:
            c.posMove(18, 0);
            sound(game, c, kHeavyWhiffSound);
            break;
        case 742: c.posMove(30, 0); break;
        case 743: c.posMove(12, 0); break;
        case 744: c.posMove(4, 0); break;

        // ---- the variant's super art of type 2: the stance, then the summon
        case 750: c.TPCNumber = 750; break;
        case 752: closeCombo(game, c); break;
        case 761:
            servantCreate(game, c);
            sound(game, c, kBloodSound);
            break;
        case 762: case 763: sound(game, c, kBloodSound); break;

        default: break;
    }
}

void Honekawa::AnimAttack(BattleContext& game, Character& c) {
    const int16_t pattern = c.animPat;
    if (pattern == 281) {
        diveBlow(game, c, 0, 50, 0, 0);  // 雷撃蹴: its fall is the action part's
    } else if (const AttackRow* row = kAttacks.find(pattern)) {
        if (pattern == 722 || pattern == 732) c.posMove(kLungeBeforeBox, 0);
        openRow(game, c, pattern, *row);
    } else {
        return;
    }
    // While the super-art timer runs, every attack counts as a super-art hit.
    if (c.SPspacornTimer > 0) c.spacornHit = true;
}

}  // namespace morvek
