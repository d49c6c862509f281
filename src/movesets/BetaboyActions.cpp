// BETABOY's action script: its own entries for the patterns where it differs from
// MORVEKBOY (its own moves, other attack values, sounds and steps), MORVEKBOY's entry for
// every other pattern, then the super-art mode. On the computer's side its super gauge
// fills by one every frame on top of the gains from hits.

#include <algorithm>
#include <iterator>

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Betaboy.h"
#include "movesets/MorvekboyMoves.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

// BETABOY's own attack frames, sorted by pattern; every other attack frame is MORVEKBOY's.
constexpr AttackEntry kOwnAttackRows[] = {
    {21, {2, 15, 10, 70, 60, 30, 10, 80, 4, 40, -20, 120, 100, 20, 0, 27, 18, 7, true, 24, 10, false}},
    {212, {7, 14, 20, 70, 30, 30, 15, 0, 10, -10, 0, 0, 120, 0, 0, 15, 1, 1, false, 8, 8, false}},
    {231, {2, 14, -20, 10, 60, 100, 15, 3, 6, 0, -50, 20, 120, 14, 0, 0, 20, 10, true, 18, 22, false}},
    {506, {2, 14, 10, 100, 60, 60, 10, 10, -60, 40, 20, 120, 100, 20, 0, 6, 22, 12, false, 18, 0, true}},
    {510, {9, 14, 0, 60, 60, 80, 15, 0, 16, 0, 0, 0, 120, 8, 0, 10, 10, 10, true, 8, 0, true}},
    {513, {4, 14, -80, 100, 160, 30, 15, 4, 6, 0, 20, 120, 0, 20, 0, 20, 0, 0, true, 2, 0, true}},
    {515, {4, 14, -80, 100, 160, 30, 15, 4, 6, 0, 20, 120, 0, 20, 0, 20, 0, 0, true, 2, 0, true}},
    {520, {3, 1, 10, 100, 40, 30, 10, 3, 4, 40, -20, 120, 100, 0, 0, 15, 5, 2, false, 8, 12, false}},
    {522, {3, 14, 10, 50, 50, 30, 10, 3, 4, 60, -40, 120, 100, 6, 0, 5, 5, 2, false, 5, 8, false}},
    {651, {3, 14, 0, 60, 40, 50, 15, 0, 10, -10, 0, 0, 120, 0, 0, 10, 4, 4, true, 8, 7, false}},
    {652, {2, 14, 0, 60, 40, 50, 15, 5, 5, -10, 0, 30, 150, 0, 0, 15, 14, 4, true, 8, 14, false}},
    {735, {2, 14, -50, -150, 100, 270, 50, 0, 20, 220, -150, 400, 400, 0, 0, 5, 1, 1, true, 10, 0, true}},
    {741, {10, 14, -50, -400, 100, 500, 50, 0, -120, 220, -150, 400, 400, 0, 2, 20, 1, 1, true, 5, 0, true}},
    {745, {2, 14, -100, 60, 160, 140, 40, 10, -50, 240, -150, 420, 300, 10, 2, 5, 30, 45, true, 18, 0, true}},
    {751, {3, 1, 10, 100, 60, 30, 10, 0, 0, -20, 70, 0, 0, 12, 0, 20, 5, 1, false, 10, 10, false}},
    {756, {3, 1, 10, 100, 60, 30, 10, 0, 0, -20, 30, 0, 0, 12, 0, 20, 5, 1, false, 10, 10, false}},
    {761, {3, 1, 10, 70, 60, 30, 5, 0, 0, -50, 30, 20, 0, 20, 0, 20, 5, 1, false, 10, 8, false}},
    {766, {3, 1, 10, 70, 60, 30, 10, 0, 0, -20, 100, 20, 0, 12, 0, 20, 5, 1, false, 10, 8, false}},
    {771, {4, 14, -80, 100, 60, 30, 10, 4, 6, -50, 30, 20, 0, 20, 0, 16, 2, 0, true, 4, 2, false}},
    {773, {4, 14, 10, 100, 60, 30, 10, 4, 6, -50, 30, 20, 0, 20, 0, 16, 2, 0, true, 4, 2, false}},
    {781, {4, 1, 20, 70, 30, 30, 10, 0, 0, 10, 10, 20, 0, 0, 0, 15, 1, 1, false, 8, 8, false}},
    {791, {4, 14, 10, 80, 60, 80, 15, 0, 0, 0, 0, 60, 60, 12, 0, 15, 4, 3, false, 8, 20, false}},
    {812, {4, 16, 10, 100, 80, 60, 5, 0, 0, 0, 80, 20, 0, 0, 0, 10, 15, 1, false, 12, 12, false}},
    {842, {3, 14, 10, 50, 50, 30, 10, 3, 4, 60, -40, 120, 100, 0, 0, 5, 2, 2, true, 5, 0, true}},
};

constexpr AttackTable kOwnAttacks{"BETABOY", kOwnAttackRows};

/// The drop of 降龍拳 begins once the rise has carried the fighter above this height.
constexpr int16_t kRiseTop = -1000;

void comboCheck(BattleContext& game, Character& chara) { closeCombo(game, chara); }

/// The fighter's own entry for the current pattern; false hands the pattern to MORVEKBOY's.
bool ownEntry(BattleContext& game, Character& c) {
    const int16_t pattern = c.animPat;
    auto attack = [&] {
        openAttack(game, c, requireAttackRow(betaboy_moves::attackRow(pattern), "BETABOY", pattern));
    };
    // Steps of the 正中線連撃 chain lengthen by one in the super-art mode.
    auto advance = [&](int16_t step) { c.posMove(cint16(c.sPeedEffect + step), 0); };

    switch (pattern) {
        // ---- 羅漢拳
        case 21:
            attack();
            sound(game, c, kWhooshSound);
            TPCEnd(game, c);
            break;

        // ---- 似非鉄山: in the air it becomes 獄屠拳; a hit or guard opens three words
        case 210:
            if (c.floatorStand) animChange(game, 810, c);
            break;
        case 211:
            sound(game, c, kSwingSound);
            c.posMove(30, 0);
            break;
        case 212:
            attack();
            if (c.attackWasHit != 0) {
                TPCStart(game, c);
                c.MultiTPC = true;
                c.word3rdDisp = c.word4thDisp = c.word5thDisp = true;
                c.word3rdPosX = -40;
                c.word3rdPosY = -40;
                c.word4thPosX = -40;
                c.word4thPosY = 0;
                c.word5thPosX = -40;
                c.word5thPosY = 40;
                c.TPCNumber = 210;
            }
            lockUnlessTargeting(c);
            break;

        // ---- ドラゴンブロウ, the uppercut's second word
        case 230:
            c.slideVector = 2 * c.dirStand;
            sound(game, c, 155);
            break;
        case 231:
            if (firstFrame(c)) {
                c.upVector = 4;
                c.fallVector = 0;
            }
            attack();
            sound(game, c, kSwingSound);
            break;
        case 232:
            if (c.fallVector > c.upVector) animChange(game, 265, c);
            break;

        // ---- super art of spacorn type 2: opening, 素敵竜巻, and its landing blow
        case 500: case 504: case 511: break;
        case 502: comboCheck(game, c); break;
        case 505:
            sound(game, c, kAtaaVoice);
            morvekboy_moves::forward(c, 5, 5);
            break;
        case 506:
            attack();
            sound(game, c, kSwingSound);
            break;
        case 510:
            if (firstFrame(c)) {
                c.upVector = 20;
                c.fallVector = 0;
                c.slideVector = 0;
            }
            attack();
            sound(game, c, kAtata2Voice);
            break;
        case 512: case 514: case 521: sound(game, c, kSwingSound); break;
        case 513:
            attack();
            sound(game, c, 156);
            break;
        case 515:
            attack();
            sound(game, c, 156);
            if (c.fallVector > c.upVector) animChange(game, 505, c);
            break;

        // ---- ジョルトアッパー
        case 520:
            attack();
            freeOnHit(c);
            sound(game, c, kAtaaVoice);
            break;
        case 522:
            attack();
            freeOnHit(c);
            break;

        // ---- no EX art
        case 570: case 571: case 573: break;

        // ---- 似非崩山
        case 651:
            attack();
            sound(game, c, kSwingSound);
            break;
        case 652: attack(); break;

        // ---- super art of spacorn type 1: 降龍拳 rises, then drops onto the opponent
        case 735:
            attack();
            if (firstFrame(c)) {
                c.upVector = 40;
                c.fallVector = 0;
                c.slideVector = 0;
            }
            sound(game, c, kFaoVoice);
            c.posY = cint16(c.posY - 200);
            if (c.posY < kRiseTop) animChange(game, 740, c);
            break;
        case 736: break;
        case 740:
            c.upVector = 0;
            c.fallVector = 80;
            c.slideVector = 0;
            c.posY = cint16(c.posY + 400);
            break;
        case 741:
            attack();
            if (!c.floatorStand) animChange(game, 745, c);
            break;
        case 745:
            sound(game, c, kHeavyBlowSound);
            attack();
            break;
        case 747: case 748: case 753: break;

        // ---- 正中線連撃, the four ends of the 似非鉄山 combo
        case 750:
            advance(10);
            sound(game, c, kAtata3Voice);
            c.word4thDisp = false;
            advance(2);
            break;
        case 751:
            attack();
            c.enableAction = true;
            break;
        case 754: case 759: case 764: case 769: comboCheck(game, c); break;
        case 755:
            sound(game, c, kAtata3Voice);
            c.word3rdDisp = false;
            advance(10);
            break;
        case 756: case 766:
            attack();
            c.enableAction = true;
            break;
        case 757: case 767: sound(game, c, kSwingSound); break;
        case 760:
            TPCEnd(game, c);
            sound(game, c, kAtata3Voice);
            advance(20);
            break;
        case 761: attack(); break;
        case 765:
            c.word5thDisp = false;
            sound(game, c, kAtata3Voice);
            advance(10);
            break;

        // ---- 竜巻: hits behind at 771, in front at 773
        case 771: case 773: attack(); break;
        case 772: case 774: sound(game, c, kSwingSound); break;

        // ---- 連撃裏拳 with its own attack type
        case 781:
            attack();
            if (c.attackWasHit != 0) {
                openCombo(game, c, 780);
            }
            lockUnlessTargeting(c);
            break;

        // ---- スラッシュ -> 小竜巻 -> 獄屠拳
        case 790: sound(game, c, kAtaaVoice); break;
        case 791:
            attack();
            openComboOnHit(game, c, 790);
            break;
        case 792: sound(game, c, kSwingSound); break;
        case 793: break;
        case 810:
            sound(game, c, kSwingSound);
            c.fallVector = 0;
            c.slideVector = 0;
            c.upVector = 0;
            break;
        case 811: c.posMove(15, 0); break;
        case 812:
            attack();
            c.posMove(50, 0);
            break;

        // ---- the type-0 super art's follow-up: a shorter word phase, a later 840 blow
        case 824: morvekboy_moves::superArtWordSet(game, c, 160); break;
        case 841: break;
        case 842:
            attack();
            sound(game, c, kSwingSound);
            if (c.spacornTimer == 0) animChange(game, 910, c);
            break;

        default:
            return false;
    }
    return true;
}

}  // namespace

namespace betaboy_moves {

const AttackRow* attackRow(int16_t pattern) {
    if (const AttackRow* own = kOwnAttacks.find(pattern)) return own;
    return morvekboy_moves::attackRow(pattern);
}

}  // namespace betaboy_moves

void Betaboy::AnimAction(BattleContext& game, Character& chara, Character& opponent) {
    if (!chara.PrimalPlayer) spacornGaugeAdd(game, chara, 1.0);
    if (!ownEntry(game, chara)) morvekboy_moves::actionEntry(*this, game, chara, opponent);
    SpacornMode(game, chara);
}

}  // namespace morvek
