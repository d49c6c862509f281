#include "battle/Character.h"
#include "battle/Roster.h"

#include "battle/Servants.h"
#include "battle/Projectiles.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "battle/MoveSet.h"

namespace morvek {

namespace {

/// Touching edges count as an overlap.
bool boxesOverlap(const Rect& a, const Rect& b) {
    return a.bottom >= b.top && a.top <= b.bottom && a.right >= b.left && a.left <= b.right;
}

}  // namespace

void Character::InitFlyArts() {
    for (auto& fa : FA) fa = flyArts{};
}

void Character::InitSplite() {
    for (auto& sp : SP) sp = Splite{};
}

void Character::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    const int16_t number = chara.NUMBER;
    if (number == fighter::Honekawa) return;  // HONEKAWA throws nothing
    if (MoveSet* set = game.battle.moveSets.find(number)) {
        set->FlyArtsAnimPat(game, chara, srcRect, fa);
    }
}

void Character::FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) {
    const int16_t number = chara.NUMBER;
    if (number == fighter::Honekawa) return;
    if (MoveSet* set = game.battle.moveSets.find(number)) set->FAMorfizm(game, chara, fa);
}

void Character::HitCheckFlyArts(BattleContext& game, Character& enemy) {
    for (auto& fa : FA) {
        if (fa.Running && fa.Force) {
            flyArtsHitJudge(game, *this, enemy, fa);
            enemy.flyArtsCrossing(game, fa);
        }
    }
}

void Character::flyArtsCrossing(BattleContext& game, flyArts& fa) {
    const Rect theirs = flyArtsBox(game, fa);
    for (auto& mine : FA) {
        if (!(mine.Force && mine.Running)) continue;
        if (boxesOverlap(theirs, flyArtsBox(game, mine))) {
            if (fa.stRength != -1) fa.Force = false;
            if (mine.stRength != -1) mine.Force = false;
        }
    }
}

void Character::drawFlyArts(BattleContext& game, const Surface8& sheet) {
    for (auto& fa : FA) {
        if (!fa.Running) continue;
        drawFlyArtsSprite(game, fa, *this, sheet);
        if (!game.battle.freezeFlag) {
            FAMorfizm(game, *this, fa);
            fa.RunTimer = cint16(fa.RunTimer - 1);
        }
        // A timer the move set left at or below zero ends the projectile as well.
        if (fa.RunTimer <= 0) {
            fa.Running = false;
            fa.Force = false;
        }
    }
}

flyArts& Character::returningOneFlyArts() {
    FANumber = cint16(FANumber + 1);
    if (FANumber > kFlyArtsPool - 1 || FANumber < 0) FANumber = 0;
    return FA[static_cast<size_t>(FANumber)];
}

void Character::DrawAttackEffect(BattleContext& game) {
    for (auto& sp : SP) {
        if (sp.animPat > 0) drawSplite(game, sp);
    }
    if (SPspacornTimer > 0 && hasServants(NUMBER))
        servantAttackEffectDraw(game, *this);
}

Splite& Character::returningOneSplite() {
    SpliteNumber = cint16(SpliteNumber + 1);
    if (SpliteNumber > kSplitePool - 1 || SpliteNumber < 0) SpliteNumber = 0;
    return SP[static_cast<size_t>(SpliteNumber)];
}

void Character::stageInit() {
    spacornGauge = 0;
    spacornPoint = 0;
    spacornCount = 0;
    MaxComboCount = 0;
    SJSpoint = 0;
    tarGeting = false;
}

void Character::winMarkSet(uint8_t mark) {
    if (winCount < 0 || winCount > 3) return;  // a match ends at three wins
    winMark[static_cast<size_t>(winCount)] = mark;
}

uint8_t Character::returningHowtoWin(uint8_t index) const {
    return index < winMark.size() ? winMark[index] : 0;
}

int16_t Character::characterAxis() const { return cint16(posX + Width / 2.0); }

void Character::posMove(int16_t dx, int16_t dy) {
    posX = posX + static_cast<double>(dirStand) * dx;
    posY = cint16(static_cast<double>(posY) + dy);
}

void Character::CharaNameSetFromNumber(int16_t n) {
    static constexpr const char* kStems[] = {"morvekboy", "ginzamurai", "nangief",
                                             "honekawa",  "gouda",      "interrupter",
                                             "buri",      "god",        "betaboy",
                                             "honekawa"};
    charaname = (n >= 0 && n <= 9) ? kStems[n] : "";
    ReverseCharaFlag = (n == fighter::HiddenHonekawa);
}

void charaSoundPlay(EngineContext& game, int16_t index, Character& chara) {
    if (!chara.wavSndFlag) {
        soundPlay(game, index);
        chara.wavSndFlag = true;
    }
}

}  // namespace morvek
