#include "screens/Title.h"

#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Pictures.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine/System.h"

namespace morvek {

namespace {

void drawTitleLines(EngineContext& game) {
    drawText(game, 210, 200, kTitleLine);
    drawText(game, 200, 240, kCreditLine);
}

void applyFixedColours(EngineContext& game) {
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
}

}  // namespace

void openingTitleBegin(EngineContext& game, TitleScreen& t) {
    t = TitleScreen{};
    if (shutterTransition(game, kShutterGoOn) != kShutterOpened)
        shutterTransition(game, kShutterOpenAtOnce);
    game.engine.backGroundSurface = loadPicture(game, kTitlePicture);
    textFontItalicSet(game, false);
    textFontSet(game, 11, kTextWhite);
    // The lines fade in on a clean screen rather than over the last screen's picture.
    screenClear(game, 0);
    paletteToLevel(game, game.engine.workPalette, 0, true, 0);
    screenFlip(game);
}

void openingTitlePass(EngineContext& game, TitleScreen& t) {
    EngineState& e = game.engine;
    Palette& work = e.workPalette;
    int16_t& state = t.obj.GUIcount;

    // Each Enter press advances the state once, in any state: it skips a fade or confirms
    // the menu. A held Enter counts once; the latch re-arms when no key is down.
    if (inkeyRead(game) == keycode::Enter && !t.enterLatch) {
        ++state;
        t.enterLatch = true;
    }
    if (inkeyRead(game) == 0 && t.enterLatch) t.enterLatch = false;

    // The blocks test the state afresh, so a state that advances lets the next one run in
    // the same pass.
    if (state == 0) {  // the title lines fade in
        if (!paletteApproach(game, work, 0)) ++state;
        drawTitleLines(game);
    }
    if (state == 1) {  // full colours, the title tune
        applyFixedColours(game);
        drawTitleLines(game);
        ++state;
        musicPlay(game, kTitleTune, kUsualMusicVolume);
    }
    if (state == 2) {  // the lines fade out
        if (!paletteToLevel(game, work, 0, false, 5)) ++state;
        drawTitleLines(game);
    }
    if (state == 3) {  // black at once
        paletteToLevel(game, work, 0, true, 0);
        ++state;
    }
    if (state == 4) {  // the title picture fades in
        if (!paletteApproach(game, work, 2)) ++state;
        fullScreenBlt(game, e.backGroundSurface);
    }
    if (state == 5) {  // full colours, the menu's font
        applyFixedColours(game);
        fullScreenBlt(game, e.backGroundSurface);
        ++state;
        textFontSet(game, 12, kTextWhite);
    }
    if (state == 6) {  // the menu
        fullScreenBlt(game, e.backGroundSurface);
        const int16_t k = inkeyEdge(game);
        if (k == keycode::Up && t.cursor > titlemenu::Tutorial) {
            --t.cursor;
            soundPlay(game, kMenuSound);
        } else if (k == keycode::Down && t.cursor < titlemenu::ScoreRanking) {
            ++t.cursor;
            soundPlay(game, kMenuSound);
        }
        const TitleMenuItem& item = kTitleMenuItems[static_cast<size_t>(t.cursor + 1)];
        drawText(game, item.x, kTitleMenuY, item.label);
        const int16_t cellX = titleMarkerCellX(t.obj.frameCount);
        if (t.cursor > titlemenu::Tutorial)
            blitSurface(game, cellX, 31, 28, 28, e.attackEffectSurface, 295, 370);
        if (t.cursor < titlemenu::ScoreRanking)
            blitSurface(game, cellX, 1, 28, 28, e.attackEffectSurface, 295, 420);
        t.obj.timerCounting(10);
    }
    if (state == 7) {  // the choice is confirmed
        switch (t.cursor) {
        case titlemenu::Tutorial:
        case titlemenu::Training:
            soundPlay(game, kSuperSound);
            musicStopAll(game);
            fullScreenBlt(game, e.backGroundSurface);
            ++state;
            break;
        case titlemenu::GameStart:
            soundPlay(game, kHowataVoice);
            musicStopAll(game);
            fullScreenBlt(game, e.backGroundSurface);
            ++state;
            break;
        default:  // OPTION, SCORE RANKING: straight back, the tune plays on
            t.leaveTitle = true;
            break;
        }
    }
    if (state >= 8) {  // fade to white
        if (!paletteToLevel(game, work, 255, false, 5)) t.leaveTitle = true;
        fullScreenBlt(game, e.backGroundSurface);
    }

    screenFlip(game);
    waitMs(game, 10);
}

int16_t openingTitleEnd(EngineContext& game, TitleScreen& t) {
    game.engine.titleChoice = t.cursor;
    applyFixedColours(game);
    screenClear(game, kWhiteIndex);
    screenFlip(game);
    waitMs(game, 1);
    return t.cursor;
}

int16_t openingTitle(EngineContext& game) {
    TitleScreen t;
    openingTitleBegin(game, t);
    while (!t.leaveTitle) openingTitlePass(game, t);
    return openingTitleEnd(game, t);
}

}  // namespace morvek
