#include "battle/Spacorn.h"

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/ExArts.h"
#include "battle/Mechanics.h"
#include "battle/Targets.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Palettes.h"
#include "engine/Sound.h"

namespace morvek {

namespace {

constexpr int16_t kStockFilledSound = 25;  // "filled.wav": a super art stock filled

}  // namespace

void TPCStart(BattleContext& game, Character& chara) {
    if (chara.wavSndFlag) return;
    chara.TPC = true;
    chara.tarGeting = true;
    chara.enableAction = true;
    if (chara.PrimalPlayer) {
        randomTargetSet(game, 0);
        paletteSetEntries(game, game.engine.targetPalette);
    }
    chara.wavSndFlag = true;
}

void TPCEnd(EngineContext& game, Character& chara) {
    if (chara.PrimalPlayer) paletteSetEntries(game, game.engine.workPalette);
    chara.TPC = false;
    chara.tarGeting = false;
    chara.enableAction = false;
    chara.MultiTPC = false;
    hideExtraWords(chara);
}

void spacornStart(BattleContext& game, Character& chara, Character& opponent, int16_t pattern) {
    // A fighter without this art has pattern 0: nothing starts and nothing is paid.
    if (pattern == 0) return;
    soundPlay(game, kSuperSound);
    chara.MultiTPC = false;
    faceOpponent(game, chara, opponent);
    animChange(game, pattern, chara);
    attackEffectSet(chara, 60, 50, 0, 100, 100);
    attackEffectSpawn(opponent, chara);
    chara.sTate = stSpecialArt;
    chara.TPC = true;
    chara.tarGeting = true;
    chara.enableAction = true;
    if (chara.PrimalPlayer) {
        randomTargetSet(game, 0);
        paletteSetEntries(game, game.engine.blackPalette);
        hideExtraWords(chara);
    }
    if (chara.spacornCount == chara.spacornCountMax) chara.spacornGauge -= chara.spacornGaugeMax;
    chara.spacornCount = cint16(chara.spacornCount - 1);
    chara.spacornSwitch = true;
    chara.spacornCircle = 20;
}

void payExtraStock(Character& chara) {
    chara.spacornCount = cint16(chara.spacornCount - 1);
    chara.spacornGauge -= chara.spacornGaugeMax;
}

void spacornCtrlKeyStart(BattleContext& game, Character& chara, Character& opponent) {
    if (chara.spacornNumber2 == 0) return;
    switch (chara.NUMBER) {
        case fighter::Nangief:
            if (chara.spacornType == 0 && chara.spacornCount > 1) {
                payExtraStock(chara);
                spacornStart(game, chara, opponent, chara.spacornNumber2);
            }
            break;
        case fighter::Gouda:
            if (chara.spacornCount > 1) {
                payExtraStock(chara);
                spacornStart(game, chara, opponent, chara.spacornNumber2);
            }
            break;
        default:
            spacornStart(game, chara, opponent, chara.spacornNumber2);
            break;
    }
}

void spacornF12KeyStart(BattleContext& game, Character& chara, Character& opponent) {
    if (chara.spacornType == 1 && chara.NUMBER == fighter::Gouda)
        spacornStart(game, chara, opponent, 765);
    if (chara.spacornCount >= 2 && chara.NUMBER == fighter::Interrupter) {
        payExtraStock(chara);
        spacornStart(game, chara, opponent, 860);
    }
}

void cpuSpacornStart(BattleContext& game, Character& chara, Character& opponent, int16_t kind) {
    int16_t pattern = 0;
    if (kind == 0) pattern = chara.spacornNumber;
    else if (kind == 1) pattern = chara.spacornNumber2;
    if (pattern == 0) return;
    if (chara.spacornCount > 0) {
        spacornStart(game, chara, opponent, pattern);
        chara.spacornSwitch = true;
        chara.spacornCircle = 20;
    }
}

void spacornGaugeAdd(EngineContext& game, Character& chara, double& amount) {
    if (amount < 0) amount = 0;
    chara.spacornGauge += amount;
    if (chara.spacornGauge >= chara.spacornGaugeMax) {
        if (chara.spacornCount < chara.spacornCountMax) {
            chara.spacornCount = cint16(chara.spacornCount + 1);
            soundPlay(game, kStockFilledSound);
            if (chara.spacornCount < chara.spacornCountMax) {
                chara.spacornGauge -= chara.spacornGaugeMax;
            }
        }
        // One stock per call: a bar still full waits for the next call.
        if (chara.spacornGauge >= chara.spacornGaugeMax) chara.spacornGauge = chara.spacornGaugeMax;
    }
}

void spacornTimerTick(BattleContext& game, Character& chara) {
    const int32_t cx = cint16(chara.posX + game.battle.scrollX + chara.Width / 2.0 +
                              chara.dirStand * 10);
    const int32_t cy = cint16(chara.posY + game.battle.scrollY + chara.Height / 2.0);
    if (chara.spacornTimer > 0) chara.spacornTimer = cint16(chara.spacornTimer - 1);
    if (chara.SPspacornTimer > 0) spSpacornTimerCount(chara);
    if (chara.KBTimer > 0) chara.KBTimer = cint16(chara.KBTimer - 1);
    if (chara.spacornSwitch) {
        game.engine.backBuffer.fill(255);
        chara.spacornSwitch = false;
    }
    if (chara.spacornCircle > 0) {
        drawCircle(game.engine.backBuffer, cx, cy, 400 - 20 * chara.spacornCircle, 3, 253);
        chara.spacornCircle = cint16(chara.spacornCircle - 1);
    }
}

void spSpacornTimerCount(Character& chara) {
    double rate;
    switch (chara.NUMBER) {
        case fighter::Morvekboy: rate = 0.5; break;
        case fighter::Ginzamurai: rate = 0.36; break;
        case fighter::Honekawa: rate = 0.3; break;
        case fighter::Betaboy: rate = 0.5; break;
        default: return;
    }
    chara.SPspacornTimer = static_cast<float>(static_cast<double>(chara.SPspacornTimer) - rate);
}

}  // namespace morvek
