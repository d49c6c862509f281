#include "render/SlowMotion.h"

#include <algorithm>

#include "battle/Character.h"
#include "battle/StateOfStage.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Screen.h"
#include "engine/System.h"
#include "render/Overlay.h"

namespace morvek {

void drawSpeechBalloon(BattleContext& game, const Character& speaker, const StateOfStage& /*stage*/,
                       bool showPrompt, std::string_view text) {
    const int32_t sx = cint32(speaker.posX + game.battle.scrollX);
    const int32_t y = speaker.posY + game.battle.scrollY - 120;
    const bool right = speaker.dirStand == 1;
    int32_t x = right ? sx + 100 : sx - 300;
    bool tailMirror = !right;
    x = std::clamp(x, 0, 250);
    const double centre = sx + speaker.Width / 2.0;
    int32_t tailX = 0;
    if (right) {
        tailX = x + 50;
        if (centre < x + 100) tailMirror = true;
    } else {
        tailX = x + 300;
        if (centre > tailX) tailMirror = false;
    }
    blitSheet(game, 601, 1601, 410, 190, x, y, 410, 190);
    blitSheet(game, 551, 1, 68, 45, tailX, y + 150, 68, 45, tailMirror);
    drawText(game, x + 50, y + 50, text);
    if (showPrompt) drawPromptIcon(game, cint16(x + 320), cint16(y + 105));
}

void slowAndStops(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage) {
    if (stage.KOslow > 0) {
        sleepMs(game, static_cast<uint32_t>(stage.KOslow));
        stage.KOslow = cint16(stage.KOslow - 10);
    }
    if (stage.ABSStop > 0) {
        sleepMs(game, static_cast<uint32_t>(stage.ABSStop));
        stage.ABSStop = 0;
    }
    if (p1.ABSStop > 0 || p2.ABSStop > 0) {
        sleepMs(game, static_cast<uint32_t>(std::max(p1.ABSStop, p2.ABSStop)));
        p1.ABSStop = 0;
        p2.ABSStop = 0;
    }
}

}  // namespace morvek
