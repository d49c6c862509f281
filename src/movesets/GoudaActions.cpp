// GOUDA's action script: what happens on every frame of a pattern (moving, jump vectors,
// attack frames and their power, sounds, launches, typing-combo steps) and the two grabs
// that act on the opponent directly.

#include <algorithm>
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
#include "movesets/AttackTable.h"
#include "movesets/Gouda.h"
#include "movesets/GoudaPatterns.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

constexpr bool T = true;
constexpr bool F = false;

// Sorted by pattern. 211 is the tackle on the ground; in the air it knocks the victim down
// instead of up (kTackleAirVectorY). The dive 282 and the random blows 924-925 are computed.
constexpr AttackEntry kStrikeRows[] = {
    {22, {3, 14, 10, 70, 80, 30, 10, 10, 4, 20, -20, 120, 100, 20, 0, 35, 6, 1, F, 18, 8, F}},
    {202, {8, 14, 0, 20, 40, 100, 15, 4, 12, 0, -60, 0, 120, 8, 0, 10, 10, 1, F, 8, 13, F}},
    {211, {7, 14, 20, 70, 30, 30, 15, 20, 2, -45, -10, 0, 100, 12, 0, 15, 20, 1, T, 20, 20, F}},
    {221, {1, 11, 30, 150, 80, 30, 10, 0, 0, -20, 100, 0, 0, 8, 1, 8, 2, 0, F, 3, 6, F}},
    {231, {3, 14, 10, 80, 80, 30, 10, 0, 0, -20, 20, 0, 0, 12, 0, 15, 4, 3, F, 8, 20, F}},
    {241, {4, 14, 10, 80, 60, 30, 10, 0, 0, 0, 40, 0, 0, 12, 0, 15, 4, 3, F, 8, 20, F}},
    {251, {2, 11, 30, 150, 70, 30, 5, 0, 1, -40, 120, 50, -10, 12, 1, 20, 4, 0, F, 10, 17, F}},
    {260, {3, 14, -20, 60, 70, 80, 15, 0, 0, 20, 0, 120, 120, 0, 0, 25, 2, 1, T, 8, 12, F}},
    {261, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 25, 2, 1, T, 8, 10, F}},
    {262, {2, 14, -20, 10, 50, 80, 15, 2, 12, 0, -50, 20, 120, 14, 0, 25, 2, 1, T, 18, 22, F}},
    {271, {1, 11, 30, 150, 50, 30, 10, 0, 0, -20, 100, 0, 0, 8, 1, 8, 2, 0, F, 3, 6, F}},
    {540, {3, 14, 10, 60, 30, 60, 15, 0, 0, 0, 0, 50, 100, 10, 2, 10, 10, 0, F, 5, 5, F}},
    {541, {3, 14, 10, 60, 60, 120, 15, 0, -10, 0, 0, 50, 100, 10, 2, 10, 10, 0, F, 15, 10, F}},
    {550, {7, 14, 20, 70, 30, 30, 15, 20, 2, -45, -10, 0, 100, 12, 0, 15, 20, 1, T, 20, 0, F}},
    {552, {7, 14, -80, 70, 120, 30, 15, 20, 5, -45, -10, 0, 100, 12, 0, 15, 20, 1, T, 15, 0, F}},
    {591, {5, 23, 10, 100, 40, 30, 15, 0, 0, 0, 140, 0, 0, 0, 3, 0, 0, 0, F, 0, 1, F}},
    {603, {2, 117, -100, 20, 180, 180, 40, -8, 10, 150, 100, 100, 0, 0, 5, 30, 2, 0, F, 12, 22, F}},
    {611, {5, 21, 10, 70, 60, 30, 30, 30, 4, 100, -60, 220, 200, 0, 0, 35, 6, 1, F, 18, 0, T}},
    {652, {2, 14, -80, 80, 60, 30, 10, 0, 2, 0, 30, 20, 0, 20, 0, 20, 1, 1, T, 8, 8, F}},
    {654, {2, 14, 10, 80, 60, 30, 10, 0, 2, 0, 30, 20, 0, 20, 0, 20, 1, 1, T, 8, 8, F}},
    {750, {3, 14, -20, 60, 70, 80, 15, 0, 0, 20, 0, 120, 120, 0, 0, 15, 2, 1, T, 2, 0, T}},
    {751, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 15, 2, 1, T, 1, 0, T}},
    {752, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 25, 2, 1, T, 3, 0, T}},
    {754, {3, 14, -20, 60, 70, 80, 15, 0, 0, 20, 0, 120, 120, 0, 0, 15, 2, 1, T, 2, 0, T}},
    {755, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 15, 2, 1, T, 1, 0, T}},
    {756, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 25, 2, 1, T, 3, 0, T}},
    {758, {3, 14, -20, 60, 70, 80, 15, 0, 0, 20, 0, 120, 120, 0, 0, 5, 10, 5, T, 8, 0, T}},
    {759, {3, 14, -20, 60, 70, 60, 15, 0, 0, 20, 0, 120, 120, 0, 0, 5, 10, 3, T, 7, 0, T}},
    {760, {2, 14, -20, 10, 50, 80, 15, 2, 12, 0, -50, 20, 120, 14, 0, 5, 20, 6, T, 18, 0, T}},
    {772, {2, 14, -80, 100, 60, 30, 10, 0, 2, -50, 30, 20, 0, 20, 0, 20, 1, 1, T, 8, 8, F}},
    {774, {2, 14, 10, 100, 60, 30, 10, 0, 2, -50, 30, 20, 0, 20, 0, 20, 1, 1, T, 8, 8, F}},
    {791, {4, 14, 10, 80, 60, 30, 10, 0, 0, 0, 40, 0, 0, 12, 0, 15, 4, 3, F, 8, 20, F}},
    {801, {4, 1, 10, 100, 60, 30, 10, 0, 0, -50, 30, 20, 0, 20, 0, 20, 1, 1, T, 8, 8, F}},
    {812, {2, 14, 10, 100, 80, 160, 15, 5, -20, -50, 80, 20, 0, 20, 0, 10, 21, 1, F, 8, 8, F}},
    {820, {3, 14, 10, 70, 80, 80, 10, 0, 0, 40, 20, 120, 100, 30, 0, 35, 6, 1, T, 8, 0, T}},
    {823, {3, 14, 10, 70, 80, 80, 10, 0, 0, 40, -60, 120, 100, 0, 0, 35, 6, 1, T, 10, 0, T}},
    {825, {3, 14, 10, 70, 80, 80, 10, 0, 0, 40, -20, 120, 100, 20, 0, 35, 6, 1, T, 6, 0, T}},
    {833, {3, 14, 0, 20, 40, 100, 15, 0, 0, 0, -60, 0, 120, 12, 0, 10, 10, 1, T, 8, 0, T}},
    {852, {2, 17, 0, 20, 40, 100, 15, 4, 18, 0, -60, 0, 120, 8, 0, 0, 20, 10, T, 8, 0, T}},
    {911, {5, 23, 10, 100, 40, 30, 15, 0, 0, 0, 80, 0, 0, 0, 3, 0, 0, 0, F, 0, 1, F}},
    {924, {3, 1, 10, 80, 60, 30, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, F, 0, 0, F}},
    {925, {3, 1, 10, 80, 60, 30, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, F, 0, 0, F}},
    {926, {2, 1, 10, 80, 60, 30, 10, 0, -10, 0, 0, 0, 0, 0, 0, 0, 0, 0, F, 0, 0, F}},
};

constexpr AttackTable kStrikes{"GOUDA", kStrikeRows};

/// The airborne tackle drives the victim down rather than lifting it.
constexpr int16_t kTackleAirVectorY = -5;

/// The finishing blow of 瞬刻殺 ignores guard and combo: 256 less 35 per defence point, at
/// least 135.
constexpr int16_t kFinisherDamage = 256;
constexpr int16_t kFinisherPerDefence = 35;
constexpr int16_t kFinisherLeast = 135;

/// Every caller names a pattern of the table.
const AttackRow& strikeOf(int16_t pattern) { return kStrikes.at(pattern); }

/// Opens (or refreshes) an attack frame with its power, frame first. The effect's control
/// and zoom values may be given in place of the row's.
void strike(BattleContext& game, Character& chara, const AttackRow& s, int16_t vectorY, int16_t controlX,
            int16_t controlY, int16_t zoomX, int16_t zoomY) {
    AttackRow r = s;
    r.vectorY = vectorY;
    r.controlX = controlX;
    r.controlY = controlY;
    r.zoomX = zoomX;
    r.zoomY = zoomY;
    openAttack(game, chara, r);
}

void strike(BattleContext& game, Character& chara, int16_t pattern) {
    openAttack(game, chara, strikeOf(pattern));
}

/// The blows of 瞬刻殺 throw their sparks at random: four draws, control x and y, then zoom
/// x and y, on every frame. 924 scatters them around the victim, 925 below and ahead.
void randomBlow(BattleContext& game, Character& chara, int16_t pattern) {
    const double r1 = game.random.next();
    const double r2 = game.random.next();
    const double r3 = game.random.next();
    const double r4 = game.random.next();
    const AttackRow& s = strikeOf(pattern);
    const bool scatter = pattern == 924;
    const int16_t controlX = cint16(Int(r1 * 100) - (scatter ? 50 : 0));
    const int16_t controlY = cint16(Int(r2 * 100) - (scatter ? 100 : 0));
    strike(game, chara, s, s.vectorY, controlX, controlY, cint16(Int(r3 * 100)), cint16(Int(r4 * 100)));
}

/// 天魔空刃脚: falls faster every frame, and the blow grows with the fall (at most 80).
void dive(BattleContext& game, Character& chara) {
    chara.upVector = 0.01;
    chara.fallVector = chara.fallVector + 0.3;
    diveBlow(game, chara, 30, 20, -5, 0);
}

void stopVectors(Character& chara) {
    chara.slideVector = 0;
    chara.upVector = 0;
    chara.fallVector = 0;
}

/// Spinning kicks stay at their height.
void hover(Character& chara) {
    chara.fallVector = 0;
    chara.upVector = 0;
}

/// Holds GOUDA against the caught opponent, his centre 10 px short of the opponent's.
void holdAgainst(Character& chara, const Character& opponent) {
    const double centre = opponent.posX + opponent.Width / 2.0;
    const double half = chara.Width / 2.0;
    chara.posX = centre - (half + 10);
    if (chara.dirStand != 1) chara.posX = chara.posX + 20;
}

/// The rises end in the descent pose once the fighter starts falling.
void descendWhenFalling(EngineContext& game, Character& chara) {
    if (chara.fallVector > chara.upVector) animChange(game, 265, chara);
}

}  // namespace

void Gouda::AnimAction(BattleContext& game, Character& c, Character& opponent) {
    auto launch = [&](int16_t kind) { FlyArtsLaunch(game, c, kind); };

    switch (c.animPat) {
        // ---- neutral and engine-started patterns
        case 0: case 30: case 40: case 160:
            neutralReturnCheck(game, c);
            break;
        case 332:
            closeCombo(game, c);
            neutralReturnCheck(game, c);
            break;
        case 450:
            backward(c, 2);
            gettingUp(game, c);
            break;
        case 451: case 452: case 453:
            backward(c, 2);
            break;
        case 460: gettingUp(game, c); break;
        case 310: case 311: case 312: airRecovery(game, c); break;
        case 430: forward(c, 4); break;
        case 476: sound(game, c, 141); break;

        // ---- movements
        case 70: case 90: sound(game, c, 51); break;
        case 71: case 73:
            backward(c, 6);
            stopVectors(c);
            break;
        case 72:
            backward(c, 12);
            stopVectors(c);
            break;
        case 91: case 93:  // the hop moves only when the key asked for it (AorMflag 1)
            c.posX = c.posX + c.dirStand * 6 * c.AorMflag;
            stopVectors(c);
            break;
        case 92:
            c.posX = c.posX + c.dirStand * 12 * c.AorMflag;
            stopVectors(c);
            break;
        case 100: case 101: case 102: case 103:
            if (c.AorMflag == 0) forward(c, 3);
            else backward(c, 3);
            break;
        case 110: case 111: case 112: case 113: case 114: case 115:
            forward(c, 12);
            break;
        case 120: case 121: case 122: case 123: forward(c, 8); break;
        case 125: case 126: case 127: case 128: backward(c, 8); break;
        case 131: fallPastTheTop(game, c); break;

        // ---- 豪打
        case 22:
            strike(game, c, 22);
            if (firstFrame(c)) forward(c, 16);
            sound(game, c, kSwingSound);
            break;

        // ---- Gアッパー
        case 200: sound(game, c, kDoryaaVoice); break;
        case 202:
            strike(game, c, 202);
            freeOnHit(c);
            sound(game, c, kSwingSound);
            forward(c, 10);
            break;

        // ---- Gタックル
        case 210:
            sound(game, c, kSwingSound);
            forward(c, 12);
            break;
        case 211: {
            forward(c, 18);
            const AttackRow& s = strikeOf(211);
            strike(game, c, s, c.floatorStand ? kTackleAirVectorY : s.vectorY, s.controlX,
                   s.controlY, s.zoomX, s.zoomY);
            break;
        }
        case 212: forward(c, 12); break;
        case 213: forward(c, 4); break;

        // ---- 斬影
        case 221:
            sound(game, c, kSliding2Sound);
            strike(game, c, 221);
            forward(c, 10);
            break;

        // ---- 鎖打ち, both forms: a touch opens the combo
        case 230: case 240: sound(game, c, kSwingSound); break;
        case 231: case 241:
            strike(game, c, c.animPat);
            if (c.attackWasHit != 0) openCombo(game, c, cint16(c.animPat - 1));
            break;
        case 234: case 245: closeCombo(game, c); break;

        // ---- 回転足払い
        case 250:
            sound(game, c, kSwingSound);
            forward(c, 3);
            break;
        case 251: strike(game, c, 251); break;

        // ---- 豪昇龍拳
        case 260:
            strike(game, c, 260);
            sound(game, c, kUryaaVoice);
            break;
        case 261: strike(game, c, 261); break;
        case 262:
            if (firstFrame(c)) {
                c.upVector = 10;
                c.fallVector = 0;
            }
            strike(game, c, 262);
            sound(game, c, kSwingSound);
            descendWhenFalling(game, c);
            break;
        case 265: c.posY = cint16(c.posY + 3); break;

        // ---- 小足
        case 271:
            sound(game, c, kLowKickSound);
            strike(game, c, 271);
            break;

        // ---- 天魔空刃脚
        case 281:
            sound(game, c, kUryaaVoice);
            c.fallVector = c.fallVector + 6;
            break;
        case 282: dive(game, c); break;

        // ---- energy stance (spacorn type 1), on the ground and in the air
        case 500:
            launchOnce(game, *this, c, 3, kPowerSound);
            if (c.floatorStand) animChange(game, 505, c);
            break;
        case 501: c.TPCNumber = 500; break;
        case 502: case 507:
            if (firstFrame(c)) {
                launch(3);
                c.wavSndFlag = true;
            }
            break;
        case 503: case 508: closeCombo(game, c); break;
        case 506: c.TPCNumber = 505; break;

        // ---- 滅殺豪波動
        case 510:
            sound(game, c, kRattleSound);
            stopVectors(c);
            break;
        case 511: case 512: case 513: case 514: case 515:
            launchOnce(game, *this, c, 4, kMissileSound);
            c.fallVector = 0;
            break;

        // ---- 滅殺豪斬空
        case 520:
            c.upVector = 5;
            c.slideVector = c.dirStand * -3;
            c.fallVector = 0;
            break;
        case 521: case 523:
            launchOnce(game, *this, c, 7, kRattleSound);
            break;
        case 522: sound(game, c, kMissileSound); break;

        // ---- opener of 頭蓋破殺
        case 531: openCombo(game, c, 530); break;
        case 533: closeCombo(game, c); break;

        // ---- 頭蓋破殺
        case 540:
            forward(c, 5);
            strike(game, c, 540);
            sound(game, c, kUryaaVoice);
            break;
        case 541:
            forward(c, 5);
            sound(game, c, kSwingSound);
            strike(game, c, 541);
            freeOnHit(c);
            break;

        // ---- EXタックル
        case 550:
            c.posMove(32, 0);
            exArtsEffect(game, c, opponent);
            strike(game, c, 550);
            break;
        case 551: c.posMove(24, 0); break;
        case 552:
            c.posMove(28, 0);
            strike(game, c, 552);
            sound(game, c, kSwingSound);
            break;
        case 553: c.posMove(16, 0); break;
        case 554: c.posMove(6, 0); break;

        // ---- 豪波動拳: in the air the shot pushes GOUDA back and up a little
        case 581: sound(game, c, 141); break;
        case 582:
            if (firstFrame(c)) {
                launch(1);
                sound(game, c, kRattleSound);
                if (c.floatorStand) {
                    c.fallVector = 0;
                    c.slideVector = c.dirStand * -2;
                    c.upVector = 2;
                }
            }
            break;

        // ---- grab and 巴投げ
        case 591:
            strike(game, c, 591);
            if (c.attackWasHit == 1) animChange(game, 600, c);
            break;
        case 600: holdAgainst(c, opponent); break;
        case 601:
            if (opponent.sTate == gouda_patterns::kHeld) animChange(game, 602, c);
            break;
        case 603: strike(game, c, 603); break;

        // ---- 暴力 (spacorn type 0) and its chain
        case 610:
            forward(c, 20);
            sound(game, c, kHowataVoice);
            break;
        case 611:
            strike(game, c, 611);
            if (c.attackWasHit == 1) animChange(game, 820, c);
            break;
        case 630:
            forward(c, 20);
            c.TPCNumber = 630;
            break;
        case 631: forward(c, 20); break;
        case 632:
            closeCombo(game, c);
            forward(c, 5);
            break;

        // ---- 竜巻斬空脚 on the ground: spins at its height, then drifts down
        case 650:
            c.posY = cint16(c.posY - 10);
            hover(c);
            forward(c, 8);
            break;
        case 651: case 653:
            sound(game, c, kThrustSound);
            hover(c);
            forward(c, 8);
            break;
        case 652: case 654:
            strike(game, c, c.animPat);
            hover(c);
            forward(c, 8);
            break;
        case 655:
            c.slideVector = c.dirStand * 5;
            c.upVector = 1;
            c.fallVector = 3;
            break;

        // ---- 斬空波動拳
        case 661: case 663:
            launchOnce(game, *this, c, 5, kRattleSound);
            break;

        // ---- アンダーアーモンド
        case 720: sound(game, c, 142); break;
        case 723:
            launchOnce(game, *this, c, 2, kMissileSound);
            break;

        // ---- spacorn type 2 and 大絶唱
        case 730: c.TPCNumber = 730; break;
        case 731: closeCombo(game, c); break;
        case 740: sound(game, c, 143); break;
        case 741:  // nothing in the pattern marks it done: a new trembling picture every frame
            if (firstFrame(c)) launch(6);
            break;

        // ---- 滅殺豪昇龍: three rising blows, the last one leaves the ground
        case 750: case 751: case 752: case 754: case 755: case 756: case 758: case 759: {
            // Each blow strikes, steps in and (on some) sounds; the steps shorten as it rises.
            struct Rise { int16_t pattern, step, sound; };
            static constexpr Rise kRises[] = {
                {750, 15, 141}, {751, 12, 0}, {752, 7, 2}, {754, 12, 141},
                {755, 9, 0},    {756, 7, 2},  {758, 8, 117}, {759, 6, 0},
            };
            for (const Rise& r : kRises) {
                if (r.pattern != c.animPat) continue;
                strike(game, c, r.pattern);
                if (r.sound != 0) sound(game, c, r.sound);
                c.posMove(r.step, 0);
            }
            break;
        }
        case 760:
            if (firstFrame(c)) {
                c.upVector = 10;
                c.fallVector = 0;
                c.slideVector = c.dirStand * 2;
            }
            strike(game, c, 760);
            sound(game, c, kSwingSound);
            descendWhenFalling(game, c);
            break;

        // ---- spacorn dash of the F12 key
        case 765:
            c.TPCNumber = 765;
            c.posMove(20, 0);
            break;
        case 766: c.posMove(6, 0); break;
        case 768: closeCombo(game, c); break;

        // ---- 竜巻斬空脚 in the air
        case 771: sound(game, c, kSwingSound); break;
        case 772: case 774: strike(game, c, c.animPat); break;

        // ---- 豪衝打 -> 小竜巻 -> 豪斬尖
        case 790: case 800: case 810: sound(game, c, kSwingSound); break;
        case 791: case 801:
            strike(game, c, c.animPat);
            openComboOnHit(game, c, cint16(c.animPat - 1));
            break;
        case 793: closeCombo(game, c); break;
        case 812:
            strike(game, c, 812);
            freeOnHit(c);
            break;

        // ---- 暴力, follow-up: every touch carries on into the next part
        case 820: strike(game, c, 820); break;
        case 821: forward(c, 10); break;
        case 822: forward(c, 20); break;
        case 823:
            strike(game, c, 823);
            sound(game, c, kWhooshSound);
            forward(c, 10);
            break;
        case 824: forward(c, 5); break;
        case 825:
            strike(game, c, 825);
            sound(game, c, kWhooshSound);
            forward(c, 10);
            if (c.attackWasHit != 0) animChange(game, 830, c);
            break;
        case 831: case 832: forward(c, 15); break;
        case 833:
            strike(game, c, 833);
            sound(game, c, kWhooshSound);
            if (c.attackWasHit != 0) animChange(game, 840, c);
            break;
        case 841:
            forward(c, 15);
            openCombo(game, c, 840);
            break;
        case 843: closeCombo(game, c); break;
        case 852:
            strike(game, c, 852);
            sound(game, c, kWhooshSound);
            forward(c, 10);
            break;

        // ---- second super art (Ctrl key) and 瞬刻殺
        case 900:
            forward(c, 4);
            c.TPCNumber = 900;
            break;
        case 901: forward(c, 8); break;
        case 902: forward(c, 10); break;
        case 903: forward(c, 4); break;
        case 904: closeCombo(game, c); break;
        case 911:
            strike(game, c, 911);
            if (c.attackWasHit == 1) animChange(game, 920, c);
            break;
        case 920: holdAgainst(c, opponent); break;
        case 921:
            if (opponent.sTate == gouda_patterns::kHeld) animChange(game, 922, c);
            break;
        case 922: case 923: launch(8); break;
        case 924:
            randomBlow(game, c, 924);
            launch(8);
            break;
        case 925: case 926:
            if (c.animPat == 925) randomBlow(game, c, 925);
            else strike(game, c, 926);
            c.comboCount = cint16(c.comboCount + 1);
            launch(8);
            break;
        case 927:
            if (firstFrame(c)) {
                int16_t damage = cint16(kFinisherDamage - kFinisherPerDefence * opponent.difensiBle);
                if (damage < kFinisherLeast) damage = kFinisherLeast;
                opponent.viTality = opponent.viTality - damage;
                c.spacornHit = true;
                sound(game, c, 144);
            }
            break;

        default: break;
    }
}

}  // namespace morvek
