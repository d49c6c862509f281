// BURI's action script: the flights, dashes, walk and warp, the gauge it charges on every
// frame, the launches of its three projectile kinds and the two typing combos it opens.
// It never opens an attack box.

#include "battle/Character.h"
#include "battle/Damage.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Buri.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

void moveForward(Character& chara, double pixels) { chara.posX += pixels * chara.dirStand; }

void countDown(Character& chara) { chara.counTer = cint16(chara.counTer - 1); }

}  // namespace

void Buri::AnimAction(BattleContext& game, Character& chara, Character&) {
    spacornGaugeAdd(game, chara, 1.0);

    const int16_t p = chara.animPat;
    if (p == 0 || p == 30 || p == 40 || p == 160) {
        neutralReturnCheck(game, chara);
    } else if (p >= 10 && p <= 13) {  // low flight
        moveForward(chara, 20);
        chara.posY = cint16(chara.posY - 3);
        chara.fallVector = 0;
        countDown(chara);
    } else if (p >= 15 && p <= 18) {  // high flight
        moveForward(chara, 20);
        chara.posY = cint16(chara.posY - 10);
        chara.fallVector = 0;
    } else if (p == 70) {  // back dash
        moveForward(chara, -20);
        chara.slideVector = 0;
    } else if (p >= 71 && p <= 73) {
        moveForward(chara, -20);
    } else if (p >= 75 && p <= 78) {  // forward dash
        moveForward(chara, 20);
    } else if (p >= 100 && p <= 106) {  // walk: counTer 0 forward, anything else backward
        moveForward(chara, chara.counTer != 0 ? -3 : 3);
    } else if (p == 131) {
        fallPastTheTop(game, chara);
    } else if (p == 200) {  // the bomb
        launchOnce(game, *this, chara, 1, kBombSound);
    } else if (p == 210) {
        chara.TPCNumber = 210;
    } else if (p == 211) {  // a burst on each pass of the casting loop
        launchOnce(game, *this, chara, 2, kBlasterSound);
    } else if (p == 214) {
        countDown(chara);
    } else if (p == 215) {
        closeCombo(game, chara);
    } else if (p == 220) {
        charaSoundPlay(game, kRattleSound, chara);
        chara.upVector = 0;
        chara.slideVector = 0;
    } else if (p == 221) {  // a beam on each pass of the beam loop
        launchOnce(game, *this, chara, 3, kMissileSound);
        chara.fallVector = 0;
    } else if (p == 222) {
        countDown(chara);
    } else if (p >= 310 && p <= 312) {  // air hit: once falling, a chance to answer
        airRecovery(game, chara);
    } else if (p == 370) {  // knocked down: warps 100 pixels away from the opponent
        if (firstFrame(chara) && chara.viTality > 0) {
            chara.posX -= 100.0 * chara.LeftOrRight;
            charaSoundPlay(game, kWarpSound, chara);
        }
    } else if (p == 430) {
        moveForward(chara, 4);
    }
}

}  // namespace morvek
