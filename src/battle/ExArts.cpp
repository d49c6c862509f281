#include "battle/ExArts.h"

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

constexpr int16_t kExArtsSound = 57;  // "ExArts.wav"

}  // namespace

void exArtsSelect(EngineContext& game, Character& chara, int16_t exPattern, int16_t normalPattern) {
    const bool shift = shiftKeyDown(game);
    // The cost is charged only when Left Shift asks for the EX art.
    if (shift && exArtsPay(chara)) {
        animChange(game, exPattern, chara);
    } else {
        animChange(game, normalPattern, chara);
    }
}

void cpuExArtsSelect(EngineContext& game, Character& chara, int16_t exPattern, int16_t normalPattern) {
    // dice(5): the payment is tried only when it shows 1.
    if (Int(5 * game.random.next() + 1) == 1 && exArtsPay(chara)) {
        animChange(game, exPattern, chara);
    } else {
        animChange(game, normalPattern, chara);
    }
}

bool exArtsPay(Character& chara) {
    if (chara.spacornGauge >= chara.ExArtsConsumption) {
        chara.spacornGauge -= chara.ExArtsConsumption;
        // At full stock the bar shows the top stock: paying from it breaks that stock.
        if (chara.spacornCount == chara.spacornCountMax) {
            chara.spacornCount = cint16(chara.spacornCount - 1);
        }
        return true;
    }
    if (chara.spacornCount >= 1) {
        chara.spacornCount = cint16(chara.spacornCount - 1);
        chara.spacornGauge = chara.spacornGauge + chara.spacornGaugeMax - chara.ExArtsConsumption;
        return true;
    }
    return false;
}

void exArtsEffect(EngineContext& game, Character& chara, Character& other) {
    if (chara.wavSndFlag) return;
    attackEffectSet(chara, 65, cint16(chara.Width / 3.0), cint16(-chara.Height / 4.0),
                    chara.Width, chara.Height);
    attackEffectSpawn(other, chara);
    charaSoundPlay(game, kExArtsSound, chara);
}

void attackEffectSet(Character& chara, int16_t ATEanimPat, int16_t controlX, int16_t controlY,
                     int16_t ATEzoomX, int16_t ATEzoomY) {
    chara.ATEanimPat = ATEanimPat;
    chara.controlX = controlX;
    chara.controlY = controlY;
    chara.ATEzoomX = ATEzoomX;
    chara.ATEzoomY = ATEzoomY;
}

void attackEffectSpawn(Character& /*other*/, Character& chara) {
    Splite& sp = chara.returningOneSplite();
    sp.animPat = chara.ATEanimPat;
    const double centre = chara.posX + chara.Width / 2.0;
    sp.posX = cint16(chara.dirStand == 1 ? centre - chara.controlX : centre + chara.controlX);
    sp.Width = cint16(chara.ATEzoomX + 100);
    sp.posY = cint16(chara.posY + chara.controlY);
    sp.Height = cint16(chara.ATEzoomY + 100);
    sp.dirStand = chara.dirStand;
}

int16_t fallAttackPowCap(int16_t& v) {
    if (v > 80) v = 80;
    return v;
}

std::string difficultyText(int16_t v) {
    switch (v) {
        case 0: return "EASY";
        case 10: return "NORMAL";
        case 20: return "HARD";
        default: return "";
    }
}

std::string speedModeText(int16_t v) {
    switch (v) {
        case 0: return "EASY SLOW";
        case 1: return "NORMAL SPEED";
        case 2: return "FAST HARD";
        default: return "";
    }
}

std::string keyModeText(int16_t v) { return v == kNormalKeyCount ? "NORMAL KEY" : "EASY KEY"; }

std::string onOffText(int16_t b) { return b == kTrue ? "ON" : "OFF"; }

}  // namespace morvek
