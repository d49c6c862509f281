// MORVEKBOY's action script: what happens on every frame of a pattern (moving, opening
// attack frames, sounds, launches, typing-combo words), then the super-art mode.

#include <algorithm>
#include <array>
#include <cmath>
#include <iterator>

#include "battle/AttackFrames.h"
#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Morvekboy.h"
#include "movesets/MorvekboyMoves.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace morvekboy_moves {

namespace {

// Sorted by pattern. 221 and 271 share the low kick's frame; the dive kick 282 is computed.
constexpr AttackEntry kAttackRows[] = {
    {21, {2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0, 25, 16, 4, false, 18, 8, false}},
    {26, {2, 14, 10, 100, 60, 60, 10, 10, -40, 40, 20, 120, 100, 20, 0, 20, 12, 12, false, 18, 8, false}},
    {201, {8, 14, 0, 60, 60, 60, 15, 4, 12, 0, 0, 0, 120, 8, 0, 10, 1, 1, false, 8, 13, false}},
    {211, {7, 1, 20, 70, 30, 30, 10, 0, 0, -15, 35, 20, 0, 2, 0, 15, 1, 1, false, 8, 8, false}},
    {221, {1, 11, 30, 150, 50, 30, 10, 0, 0, -20, 100, 0, 0, 8, 1, 8, 2, 0, false, 3, 6, false}},
    {240, {3, 14, 10, 80, 60, 30, 10, 0, 0, 0, 40, 0, 0, 12, 0, 15, 4, 3, false, 8, 20, false}},
    {251, {2, 11, 30, 150, 70, 30, 5, 0, 1, -40, 120, 50, -10, 12, 1, 2, 4, 0, false, 10, 17, false}},
    {260, {3, 14, -20, 100, 70, 100, 15, 0, 0, 20, 0, 120, 120, 0, 0, 25, 2, 1, true, 18, 22, false}},
    {261, {2, 14, -20, 10, 50, 100, 15, 2, 12, 0, -50, 20, 120, 14, 0, 25, 2, 1, true, 18, 22, false}},
    {271, {1, 11, 30, 150, 50, 30, 10, 0, 0, -20, 100, 0, 0, 8, 1, 8, 2, 0, false, 3, 6, false}},
    {541, {3, 17, 10, 60, 60, 120, 15, 0, -10, 0, 0, 50, 100, 10, 2, 10, 20, 0, false, 15, 15, false}},
    {591, {2, 23, 10, 100, 40, 30, 15, -10, 2, 0, 140, 0, 0, 0, 3, 0, 0, 0, false, 0, 1, false}},
    {602, {7, 17, -100, 20, 180, 180, 40, -4, 10, 150, 100, 100, 0, 0, 5, 30, 2, 0, false, 12, 22, false}},
    {611, {5, 21, 10, 70, 60, 30, 30, 30, 4, 100, -60, 220, 200, 0, 0, 35, 6, 1, false, 18, 0, true}},
    {652, {3, 14, 0, 60, 40, 50, 15, 0, 10, -10, 0, 0, 120, 0, 0, 15, 14, 4, true, 8, 17, false}},
    {665, {10, 11, -80, 20, 160, 180, 50, 0, 2, 200, -150, 300, 300, 15, 0, 0, 0, 10, true, 18, 0, true}},
    {736, {10, 17, -20, 100, 70, 100, 50, 0, 2, 220, -150, 400, 400, 0, 0, 20, 42, 1, true, 18, 22, true}},
    {741, {10, 17, -20, 100, 70, 100, 50, 0, 2, 190, -170, 400, 400, 0, 0, 10, 50, 1, true, 18, 22, true}},
    {745, {9, 17, -20, 10, 60, 100, 50, 2, 20, 220, -210, 400, 400, 14, 0, 15, 21, 5, true, 18, 22, true}},
    {748, {4, 14, -20, 10, 60, 100, 10, 0, -30, 80, -80, 100, 100, 14, 0, 0, 5, 2, true, 4, 0, true}},
    {751, {3, 14, 10, 100, 60, 30, 10, 0, 0, -20, 70, 0, 0, 2, 0, 20, 1, 1, false, 8, 10, false}},
    {761, {3, 16, 10, 70, 60, 30, 5, 0, 0, -50, 30, 20, 0, 20, 0, 20, 1, 1, false, 8, 8, false}},
    {772, {2, 14, -80, 100, 60, 30, 10, 4, 6, -50, 30, 20, 0, 20, 0, 20, 1, 1, true, 8, 8, false}},
    {774, {2, 14, 10, 100, 60, 30, 10, 4, 6, -50, 30, 20, 0, 20, 0, 20, 1, 1, true, 8, 8, false}},
    {781, {7, 1, 20, 70, 30, 30, 10, 0, 0, 10, 10, 20, 0, 0, 0, 15, 1, 1, false, 8, 8, false}},
    {790, {4, 14, 10, 80, 60, 30, 10, 0, 0, 0, 40, 0, 0, 12, 0, 15, 4, 3, false, 8, 20, false}},
    {801, {4, 1, 10, 100, 60, 30, 10, 0, 0, -50, 30, 20, 0, 20, 0, 20, 1, 1, true, 8, 8, false}},
    {812, {7, 14, 10, 100, 80, 160, 15, 5, 10, -50, 30, 20, 0, 20, 0, 40, 1, 1, false, 8, 8, false}},
    {841, {3, 1, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 0, 0, 18, 5, 2, true, 18, 0, true}},
    {851, {3, 1, 20, 70, 30, 30, 10, 0, 0, 10, 10, 20, 0, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {861, {3, 14, 10, 80, 60, 30, 10, 0, 0, 0, 40, 0, 0, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {871, {3, 16, 40, 100, 30, 30, 5, 0, 0, -50, 65, 20, -20, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {881, {3, 1, 10, 100, 60, 30, 10, 0, 0, 0, 60, 0, 0, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {891, {3, 16, 40, 100, 30, 30, 5, 0, 0, -50, 40, 20, -20, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {901, {3, 1, 10, 100, 60, 30, 10, 0, 0, -10, 25, 0, 0, 0, 0, 18, 5, 1, true, 8, 0, true}},
    {911, {2, 14, 10, 70, 60, 30, 10, 30, 4, 40, -20, 120, 100, 20, 0, 35, 16, 11, true, 18, 0, true}},
};

constexpr AttackTable kAttacks{"MORVEKBOY", kAttackRows};

}  // namespace

const AttackRow* attackRow(int16_t pattern) { return kAttacks.find(pattern); }

void forward(Character& chara, int16_t a, int16_t b) {
    const int16_t step = cint16(a * chara.sPeedEffect + b);
    chara.posX = chara.posX + chara.dirStand * step;
}

void backward(Character& chara, int16_t a, int16_t b) {
    const int16_t step = cint16(a * chara.sPeedEffect + b);
    chara.posX = chara.posX - chara.dirStand * step;
}

void diveKick(BattleContext& game, Character& chara) {
    chara.upVector = 0.01;
    chara.fallVector = chara.fallVector + 0.2;
    diveBlow(game, chara, 0, 50, -5, -30);
}

void superArtWordSet(BattleContext& game, Character& chara, int16_t timer) {
    TPCStart(game, chara);
    chara.spacornTimer = timer;
    chara.MultiTPC = true;
    chara.word3rdDisp = chara.word4thDisp = chara.word5thDisp = true;
    chara.word6thDisp = chara.word7thDisp = chara.word8thDisp = true;
    chara.word3rdPosX = -10;
    chara.word3rdPosY = -40;
    chara.word4thPosX = -40;
    chara.word4thPosY = 10;
    chara.word5thPosX = 80;
    chara.word5thPosY = 80;
    chara.word6thPosX = 0;
    chara.word6thPosY = 40;
    chara.word7thPosX = 30;
    chara.word7thPosY = -70;
    chara.word8thPosX = -50;
    chara.word8thPosY = -100;
    chara.TPCNumber = 820;
}

bool actionEntry(MoveSet& self, BattleContext& game, Character& c, Character& opponent) {
    const int16_t pattern = c.animPat;
    auto attack = [&] { openAttack(game, c, requireAttackRow(attackRow(pattern), "MORVEKBOY", pattern)); };
    auto launch = [&](int16_t kind) { self.FlyArtsLaunch(game, c, kind); };

    switch (pattern) {
        case 0: case 30: case 40: case 160:
            neutralReturnCheck(game, c);
            break;

        // ---- 男パンチ and its air version
        case 20:
            sound(game, c, kAtaaVoice);
            forward(c, 5, 5);
            if (c.floatorStand) animChange(game, 25, c);
            break;
        case 21:
            attack();
            sound(game, c, kSwingSound);
            TPCEnd(game, c);
            break;
        case 26:
            attack();
            sound(game, c, kSwingSound);
            break;

        // ---- movements
        case 70:
            backward(c, 4, 12);
            c.slideVector = 0;
            break;
        case 71: backward(c, 3, 9); break;
        case 72: backward(c, 2, 7); break;
        case 73: backward(c, 1, 4); break;
        case 75: c.upVector = 4; break;
        case 90: case 91: case 92: case 93: case 94:
            forward(c, 8, 12);
            break;
        case 100: case 101: case 102: case 103:
            if (c.AorMflag == 0) forward(c, 1, 3);
            else backward(c, 1, 3);
            break;
        case 120: case 121: case 122: case 123:
            forward(c, 2, 8);
            break;
        case 125: case 126: case 127: case 128:
            backward(c, 2, 8);
            break;
        case 131: fallPastTheTop(game, c); break;

        // ---- ホームランパンチ
        case 200: sound(game, c, kAtata2Voice); break;
        case 201:
            attack();
            freeOnHit(c);
            sound(game, c, kSwingSound);
            forward(c, 3, 10);
            break;

        // ---- 外門頂肘: a hit or guard opens the combo into 連撃裏拳
        case 210: sound(game, c, kSwingSound); break;
        case 211:
            forward(c, 5, 18);
            attack();
            if (c.attackWasHit != 0) {
                openCombo(game, c, 210);
            }
            lockUnlessTargeting(c);
            break;
        case 212: case 213: lockUnlessTargeting(c); break;
        case 214: closeCombo(game, c); break;

        // ---- スライディングキック
        case 221:
            sound(game, c, kSliding2Sound);
            attack();
            forward(c, 3, 10);
            break;

        // ---- 打旋: a hit offers the extra word 3 beside the usual two
        case 240:
            attack();
            if (c.attackWasHit > 0) {
                TPCStart(game, c);
                c.MultiTPC = true;
                c.word3rdDisp = true;
                c.word3rdPosX = 30;
                c.word3rdPosY = 30;
                c.TPCNumber = 240;
                c.spacornTimer = 10;
            }
            break;
        case 241: sound(game, c, kAtaaVoice); break;
        case 244: closeCombo(game, c); break;

        // ---- 大足払い
        case 250:
            sound(game, c, kSwingSound);
            forward(c, 1, 3);
            break;
        case 251: attack(); break;

        // ---- ドラゴンブロウ
        case 260:
            attack();
            sound(game, c, 120);
            break;
        case 261:
            if (firstFrame(c)) {
                c.upVector = 10;
                c.fallVector = 0;
            }
            attack();
            sound(game, c, kSwingSound);
            if (c.fallVector > c.upVector) animChange(game, 265, c);
            break;
        case 265:
            c.posY = cint16(c.posY + 2 * c.sPeedEffect + 3);
            break;

        // ---- 小足
        case 271:
            sound(game, c, kLowKickSound);
            attack();
            break;

        // ---- 天空×字拳
        case 281: sound(game, c, kAtata3Voice); break;
        case 282: diveKick(game, c); break;

        // ---- reactions and getting up
        case 310: case 311: case 312:
            airRecovery(game, c);
            break;
        case 332:
            closeCombo(game, c);
            neutralReturnCheck(game, c);
            break;
        case 430: forward(c, 1, 4); break;
        case 450:
            backward(c, 0, 2);
            [[fallthrough]];
        case 460:
            if (firstFrame(c)) {
                neutralReturnCheck(game, c);
                c.wavSndFlag = true;
                c.enableGard = false;
                c.enableAction = false;
            }
            break;
        case 451: case 452: case 453:
            backward(c, 0, 2);
            break;
        case 470: sound(game, c, 127); break;

        // ---- super art of spacorn type 2: charge, then 目から出ちゃった破壊光線
        case 500:
            launchOnce(game, self, c, 3, kPowerSound);
            break;
        case 501: c.TPCNumber = 500; break;
        case 502:
            if (firstFrame(c)) {
                launch(3);
                c.wavSndFlag = true;
            }
            break;
        case 504: closeCombo(game, c); break;
        case 510:
            sound(game, c, kRattleSound);
            c.upVector = 0;
            c.slideVector = 0;
            break;
        case 511:
            launchOnce(game, self, c, 4, kMissileSound);
            c.fallVector = 0;
            break;
        case 512: c.counTer = cint16(c.counTer - 1); break;

        // ---- 530 and チョッピングブロウ
        case 531:
            openCombo(game, c, 530);
            break;
        case 533: closeCombo(game, c); break;
        case 540:
            forward(c, 1, 5);
            sound(game, c, kAtata2Voice);
            break;
        case 541:
            sound(game, c, kSwingSound);
            attack();
            freeOnHit(c);
            break;

        // ---- スタンバースト (EX) and スタンショット
        case 570: exArtsEffect(game, c, opponent); break;
        case 571: case 581: sound(game, c, 121); break;
        case 573:
            launchOnce(game, self, c, 6, kRattleSound);
            break;
        case 582:
            launchOnce(game, self, c, 1, kRattleSound);
            break;

        // ---- grab, and 背負い投げ on a clean grab
        case 591:
            attack();
            if (c.attackWasHit == 1) animChange(game, 600, c);
            break;
        case 602: attack(); break;

        // ---- super art of spacorn type 0
        case 610:
            forward(c, 0, 20);
            sound(game, c, kHowataVoice);
            break;
        case 611:
            attack();
            if (c.attackWasHit == 1) animChange(game, 820, c);
            break;
        case 630: c.TPCNumber = 630; break;
        case 632: closeCombo(game, c); break;

        // ---- 似非鉄山
        case 650: forward(c, 8, 24); break;
        case 652:
            attack();
            sound(game, c, kSwingSound);
            break;

        // ---- second super art: 合掌練功 starts the super-art mode
        case 661: c.TPCNumber = 660; break;
        case 662: closeCombo(game, c); break;
        case 665:
            attack();
            c.counTer = 10;
            c.fallVector = 0;
            c.upVector = 0;
            c.SPspacornTimer = static_cast<float>(c.spacornGaugeMax);
            launchOnce(game, self, c, 5, kRattleSound);
            break;
        case 666: c.counTer = cint16(c.counTer - 1); break;

        // ---- グランドショット
        case 720: sound(game, c, 122); break;
        case 721:
            launchOnce(game, self, c, 2, kMissileSound);
            break;

        // ---- super art of spacorn type 1: 真・著作拳 and its rising finish
        case 730: c.TPCNumber = 730; break;
        case 731: closeCombo(game, c); break;
        case 735: sound(game, c, kSwingSound); break;
        case 736:
            attack();
            if (c.attackWasHit != 0) {
                openCombo(game, c, 735);
                animChange(game, 737, c);
            }
            break;
        case 741:
            attack();
            sound(game, c, kSwingSound);
            break;
        case 745:
            if (firstFrame(c)) {
                c.upVector = 10;
                c.fallVector = 0;
                c.slideVector = 3 * c.dirStand;
            }
            attack();
            sound(game, c, 120);
            if (c.fallVector > c.upVector) animChange(game, 265, c);
            closeCombo(game, c);
            break;
        case 747:
            if (firstFrame(c)) {
                c.upVector = 12;
                c.fallVector = 0;
                c.slideVector = 3 * c.dirStand;
            }
            sound(game, c, 120);
            closeCombo(game, c);
            break;
        case 748:
            attack();
            if (c.fallVector > c.upVector) animChange(game, 265, c);
            break;

        // ---- ロッコツパンチ and 貫き手, the two ends of the 打旋 combo
        case 750:
            forward(c, 1, 2);
            sound(game, c, kAtata2Voice);
            c.MultiTPC = false;
            c.word3rdDisp = false;
            break;
        case 751:
            attack();
            c.enableAction = true;
            c.tarGeting = true;
            break;
        case 752: case 762: sound(game, c, kSwingSound); break;
        case 753: closeCombo(game, c); break;
        case 760:
            TPCEnd(game, c);
            sound(game, c, kAtata3Voice);
            break;
        case 761:
            attack();
            freeOnHit(c);
            break;

        // ---- 竜巻: hits behind, then in front
        case 771: sound(game, c, kSwingSound); break;
        case 772: case 774: attack(); break;

        // ---- 連撃裏拳: a hit or guard opens the combo into 男パンチ
        case 780:
            sound(game, c, kAtata2Voice);
            forward(c, 1, 5);
            break;
        case 781:
            attack();
            if (c.attackWasHit != 0) {
                openCombo(game, c, 780);
            }
            lockUnlessTargeting(c);
            break;
        case 782: lockUnlessTargeting(c); break;
        case 783: closeCombo(game, c); break;

        // ---- 空中打旋 -> 小竜巻 -> サマソ
        case 790:
            attack();
            openComboOnHit(game, c, 790);
            break;
        case 791: sound(game, c, kAtaaVoice); break;
        case 793: closeCombo(game, c); break;
        case 800: sound(game, c, kSwingSound); break;
        case 801:
            attack();
            openComboOnHit(game, c, 800);
            break;
        case 810:
            sound(game, c, kSwingSound);
            TPCEnd(game, c);
            break;
        case 812:
            attack();
            freeOnHit(c);
            break;

        // ---- the type-0 super art's follow-up: eight words while the timer lasts
        case 821: sound(game, c, 127); break;
        case 824: superArtWordSet(game, c, 200); break;
        case 830:
            if (c.spacornTimer == 0) animChange(game, 910, c);
            if (opponent.viTality == 0) animChange(game, 910, c);
            break;
        case 831: closeCombo(game, c); break;
        case 840: case 850: case 860: case 870: case 880: case 890: case 900:
            sound(game, c, kAtata3Voice);
            break;
        case 841: case 851: case 861: case 871: case 881: case 891: case 901:
            attack();
            if (pattern == 841 || pattern == 861 || pattern == 881 || pattern == 901)
                sound(game, c, kSwingSound);
            if (c.spacornTimer == 0) animChange(game, 910, c);
            break;
        case 910:
            closeCombo(game, c);
            sound(game, c, kAtaaVoice);
            forward(c, 0, 5);
            break;
        case 911:
            attack();
            sound(game, c, kSwingSound);
            break;

        default:
            return false;
    }
    return true;
}

}  // namespace morvekboy_moves

void Morvekboy::AnimAction(BattleContext& game, Character& chara, Character& opponent) {
    morvekboy_moves::actionEntry(*this, game, chara, opponent);
    SpacornMode(game, chara);
}

}  // namespace morvek
