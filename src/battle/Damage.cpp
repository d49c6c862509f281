#include "battle/Damage.h"

#include <algorithm>
#include <string>

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "battle/Spacorn.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "battle/Targets.h"

namespace morvek {

namespace {

constexpr int16_t kDizzySound = 24;  // "piyo.wav"

}  // namespace

int32_t comboPlaceOfHit(Character& defender) {
    if (defender.comboCount == 0) defender.comboCount = 1;
    return defender.comboCount;
}

double comboDamage(Character& defender, int32_t place, int16_t pow1, int16_t pow2, int16_t pow3) {
    double d1 = pow1 / static_cast<double>(place);
    if (d1 < 0) d1 = 1;
    double d2 = (50 - place) * pow2 / 50.0;
    if (d2 < 0) d2 = 1;
    const double d3 = pow3;
    double dmg = d1 + d2 + d3 - defender.difensiBle;
    if (dmg <= 1) dmg = 1;
    if (pow1 + pow2 + pow3 == 0) {
        // A powerless attack neither hurts nor counts in the combo.
        dmg = 0;
        defender.comboCount = cint16(defender.comboCount - 1);
    }
    return dmg;
}

double takeHitDamage(Character& defender, double dmg) {
    if (defender.viTality - dmg <= 0) dmg = std::max(0.0, defender.viTality);
    defender.viTality -= dmg;
    defender.TotalDamage = cint16(defender.TotalDamage + dmg);
    defender.OneHitDamage = cint16(dmg);
    return dmg;
}

bool takeStun(Character& defender, int16_t stunPoint, int32_t place) {
    int16_t s = cint16((33 - place) * stunPoint / 33.0);
    if (s < 0) s = 1;
    defender.stunGauge -= s;
    if (defender.stunGauge >= 0) return false;
    defender.stunGauge = 0;
    defender.stunSwitch = stunStunned;
    return true;
}

void finishHit(Character& defender, double dmg, bool cleanHit, bool ex) {
    if (!cleanHit && ex) defender.viTality -= dmg / 20;
    defender.KBTimer = 30;
}

void hitTakenStart(BattleContext& game, Character& defender, bool spacornHit) {
    if (defender.PrimalPlayer) targetingOnOff(game, defender, targetCancel, 0);
    defender.comboCount = cint16(defender.comboCount + 1);
    defender.comboTimer = 0;
    defender.enableAction = false;
    defender.enableGard = false;
    if (spacornHit) defender.spAttacked = true;
}

void hitTakenEnd(Character& defender) {
    defender.sTate = stHit;
    defender.TPC = false;
    if (defender.stunSwitch == stunDizzy) {
        // A hit wakes a dizzy fighter with a full stun gauge.
        defender.stunSwitch = stunNormal;
        defender.stunGauge = defender.stunPointMax;
    }
}

void damageJudge(BattleContext& game, Character& attacker, Character& defender, bool cleanHit) {
    if (game.battle.damageLock) return;
    const double dmg = comboDamage(defender, comboPlaceOfHit(defender), attacker.attackPow1st,
                                   attacker.attackPow2nd, attacker.attackPow3rd);
    if (!cleanHit) {
        spacornGaugeAdd(game, attacker, attacker.spacornPoint / 5.0);
    } else {
        if (attacker.PrimalPlayer) hitScoreAdd(game, attacker);
        const double taken = takeHitDamage(defender, dmg);
        // Both gains and the stun are judged at the combo count after a powerless attack
        // was taken back out of it.
        const int32_t c = defender.comboCount;
        spacornGaugeAdd(game, attacker, cint16((33 - c) * attacker.spacornPoint / 33.0));
        spacornGaugeAdd(game, defender, Int(taken / 5) + 1);
        if (takeStun(defender, attacker.stunPoint, c)) attacker.SJSpoint = cint16(attacker.SJSpoint + 3);
    }
    finishHit(defender, dmg, cleanHit, attacker.normalorEX);
}

void hitScoreAdd(EngineContext& game, const Character& attacker) {
    int16_t v = cint16(attacker.attackPow1st + 2 * attacker.attackPow2nd +
                       3 * attacker.attackPow3rd + attacker.stunPoint + attacker.spacornPoint);
    if (attacker.normalorEX) v = cint16(v * 3 / 2.0);
    int32_t points;
    if (v < 30) points = 100;
    else if (v < 60) points = 200;
    else if (v < 100) points = 300;
    else if (v <= 150) points = 500;
    else points = 900;
    game.engine.gameScore += points;
}

void neutralReturnCheck(BattleContext& game, Character& chara) {
    if (chara.viTality == 0) {
        chara.stunGauge = chara.stunPointMax;
        chara.stunSwitch = stunNormal;
    }
    if (chara.stunSwitch == stunStunned) {
        animChange(game, kDizzy, chara);
        chara.sTate = stHit;
        chara.stunSwitch = stunDizzy;
        soundPlay(game, kDizzySound);
    } else if (chara.stunSwitch == stunDizzy) {
        chara.stunSwitch = stunNormal;
        chara.stunGauge = chara.stunPointMax;
    } else {
        if (chara.comboCount >= 2) {
            // Out of reach of melee through the next collision phase.
            chara.sTate = stSpecialArt;
            chara.enableGard = true;
        } else {
            chara.enableGard = false;
        }
        if (chara.viTality != 0) {
            comboBonusCalc(game, chara, false);
            chara.comboCount = 0;
            chara.TotalDamage = 0;
            chara.OneHitDamage = 0;
        }
        // The victim's own judge points, by the damage it still holds.
        const int16_t total = chara.TotalDamage;
        if (total >= 50 && total <= 100) chara.SJSpoint = cint16(chara.SJSpoint + 1);
        else if (total >= 101 && total <= 150) chara.SJSpoint = cint16(chara.SJSpoint + 4);
        else if (total > 150) chara.SJSpoint = cint16(chara.SJSpoint + 9);
        chara.spAttacked = false;
        chara.enableAction = true;
    }
    if (chara.viTality == 0) {
        animChange(game, kKnockedOut, chara);
        chara.enableAction = false;
        chara.stunGauge = chara.stunPointMax;
        chara.stunSwitch = stunNormal;
    }
}

void comboBonusCalc(BattleContext& game, Character& victim, bool finish) {
    if (game.engine.playMode != PlayMode::Arcade || victim.PrimalPlayer || victim.comboCount < 2)
        return;
    ComboBonusState& cb = game.battle.comboBonus;
    const int32_t h = victim.comboCount;
    cb.comboBonusHits = h;
    cb.comboBonusFinish = finish;
    cb.comboBonusSpacorn = victim.spAttacked;

    int32_t b = 1000 + 100 * h;
    if (h > 3) b += 200;
    if (h > 5) b += 200;
    if (h > 10) b += 1100;
    if (h > 20) b += 1400;
    if (h > 30) b += 1700;
    if (h > 40) b += 3000;
    if (h > 50) {
        b = cint32(b * 1.2);
        if (h > 100) b = cint32(b * 1.5);
    }
    if (cb.comboBonusSpacorn) b += 6000;
    if (finish) b = cint32(b * 1.2 + 3000);
    if (cb.comboBonusSpacorn && finish) b += 20000;
    b = cint32(b / 100.0) * 100;
    cb.comboBonusValue = b;
    cb.comboBonusTimer = 1;
    game.engine.gameScore += b;
}

void drawComboBonus(BattleContext& game) {
    ComboBonusState& cb = game.battle.comboBonus;
    if (cb.comboBonusTimer == 0) return;
    cb.comboBonusTimer = cint16(cb.comboBonusTimer + 1);
    if (cb.comboBonusTimer > 60) cb.comboBonusTimer = 0;
    const int32_t x = std::min<int32_t>(cb.comboBonusTimer * 10 - 200, 0);

    const Rgb blue = RGB(0, 128, 255);
    textFontSet(game, 12, blue);
    drawText(game, x + 20, 232, std::to_string(cb.comboBonusHits));
    const char* label = "  HITCOMBO BONUS";
    if (cb.comboBonusSpacorn && cb.comboBonusFinish) label = "  HIT SPACORN FINISH";
    else if (cb.comboBonusSpacorn) label = "  HIT SPACORN BONUS";
    else if (cb.comboBonusFinish) label = "  HITCOMBO FINISH";
    textFontSet(game, 8, blue);
    drawText(game, x + 40, 240, label);
    const std::string value = std::to_string(cb.comboBonusValue);
    const int32_t len = static_cast<int32_t>(value.size()) + 1;  // with the sign's blank
    textFontSet(game, 10, RGB(0, 255, 128));
    drawText(game, x + 120 - 10 * len, 250, value);
}

}  // namespace morvek
