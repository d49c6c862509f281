#include "screens/VsScreen.h"

#include <string>

#include "battle/Character.h"
#include "battle/ExArts.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "screens/CharaSelect.h"

namespace morvek {

namespace {

constexpr Rgb kGreen{0, 255, 0};
/// Enter is read only after this long in the text phase; the screen moves on by itself
/// after the second time.
constexpr double kEnterAfterS = 2.0;
constexpr double kLeaveAfterS = 4.0;

void drawSuperArtName(EngineContext& game, const Character& chara, int32_t x) {
    const std::string name = spacornNameFromNumber(chara, chara.spacornType);
    textFontSet(game, Len(name) > 9 ? 12 : 15, Rgb{0, 0, 0});
    drawText(game, x, 400, name);
}

void drawTexts(EngineContext& game, const Character& player1, const Character& player2,
               const StateOfStage& stage) {
    textFontSet(game, 40, Rgb{255, 0, 0});
    drawText(game, 280, 300, "VS");
    textFontSet(game, 10, kGreen);
    drawText(game, 20, 450, speedModeText(stage.gameSpeedMode));
    drawText(game, 540, 20, "STAGE " + std::to_string(stage.stageNumber));
    drawText(game, 520, 450, "CPU LEVEL " + std::to_string(player2.cpuLevel));
    drawSuperArtName(game, player1, 80);
    drawSuperArtName(game, player2, 400);
}

}  // namespace

void vsScreenBegin(EngineContext& game, VsScreen& s) {
    s = VsScreen{};
    musicStopAll(game);
    // Not white: the 8-bit surface takes the low byte, index 255, which the fixed colours
    // keep black. The screen stays black for a second before the VS picture, as intended.
    screenClear(game, 0xFFFFFF);
    screenFlip(game);
    waitMs(game, 1000);
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    screenClear(game, kWhiteIndex);
    screenFlip(game);
}

void vsScreenPass(EngineContext& game, VsScreen& s, const Character& player1, const Character& player2,
                  const StateOfStage& stage) {
    screenClear(game, kWhiteIndex);
    drawCharaPortrait(game, player1.NUMBER, s.leftX, 40, 298, 298);
    drawCharaPortrait(game, player2.NUMBER, s.rightX, 40, 298, 298);
    if (s.phase == 0) {
        // The first pass shows a clean screen while the jingle starts.
        screenClear(game, kWhiteIndex);
        waitMs(game, 1000);
        s.phase = 1;
        soundPlay(game, vsJingleFor(player2.NUMBER));
    }
    if (s.phase == 1) {
        if (s.leftX >= 10) {
            s.phase = 2;
            s.textsSince = game.platform.seconds();
        } else {
            s.leftX = static_cast<int16_t>(s.leftX + 10);
            s.rightX = static_cast<int16_t>(s.rightX - 10);
        }
    }
    if (s.phase == 2) {
        const double spent = game.platform.seconds() - s.textsSince;
        if (spent > kEnterAfterS && (inkeyEdge(game) == keycode::Enter || spent > kLeaveAfterS))
            s.phase = 3;
        drawTexts(game, player1, player2, stage);
    }
    if (s.phase == 3) {
        if (shutterTransition(game, kShutterClose) == kShutterClosed) s.done = true;
    }
    screenFlip(game);
    inkeyRead(game);
}

void vsScreen(EngineContext& game, const Character& player1, const Character& player2,
              const StateOfStage& stage) {
    VsScreen s;
    vsScreenBegin(game, s);
    while (!s.done) vsScreenPass(game, s, player1, player2, stage);
}

}  // namespace morvek
