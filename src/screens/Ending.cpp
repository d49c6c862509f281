#include "screens/Ending.h"

#include <string>

#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/DataTables.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "screens/Title.h"

namespace morvek {

namespace {

constexpr int32_t kLineX = 120;

void closingLines(EngineContext& game) {
    textFontSet(game, 10, kTextWhite);
    drawText(game, kLineX, 160, "簡単なバージョンアップぐらいは続けていこうと");
    drawText(game, kLineX, 200, "考えておりますので、これからも");
    drawText(game, kLineX, 240, "MORVEKをよろしくお願い致します。");
}

void drawPage(EngineContext& game, EndingScreen& s) {
    switch (s.page) {
    case 0:
        textFontSet(game, 16, kTextWhite);
        drawText(game, kLineX, 100, "ゲームクリアおめでとうございます。");
        textFontSet(game, 10, kTextWhite);
        drawText(game, kLineX, 200, "「" + std::string(kFullTitle) + "」はいかがでしたか？");
        drawText(game, kLineX, 240, "楽しんで頂けたでしょうか？");
        break;
    case 1:
        textFontSet(game, 10, kTextWhite);
        drawText(game, kLineX, 160, "エンディングですが、ここでひとつ");
        drawText(game, kLineX, 200, "残念なお知らせがあります。");
        break;
    case 2:
        textFontSet(game, 10, kTextWhite);
        drawText(game, kLineX, 160, "このゲームは、公開からもう１年以上経ちました。");
        drawText(game, kLineX, 200, "開発当初、このゲームをオンライン対戦化しようと考えていましたが、");
        drawText(game, kLineX, 240, "製作者の都合により中止となりました。");
        break;
    case 3:
        textFontSet(game, 10, kTextWhite);
        drawText(game, kLineX, 160, "だってみんな募金してくれないんですもの。");
        break;
    case 4:
        closingLines(game);
        break;
    case 5:
        closingLines(game);
        textFontSet(game, 20, Rgb{255, 0, 0});
        drawText(game, 420, 400, "F　I　N");
        break;
    case 6:
        break;
    default:
        s.done = true;
        break;
    }
}

}  // namespace

void endingBegin(EngineContext& game, EndingScreen& s) {
    s = EndingScreen{};
    musicPlay(game, kEndingTune, 0);
    screenClear(game, 0);
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    textFontSet(game, 10, kTextWhite);
    game.platform.pumpEvents();
    waitMs(game, 1);
}

void endingPass(EngineContext& game, EndingScreen& s) {
    screenClear(game, 0);
    drawPromptIcon(game, 540, 400);
    drawPage(game, s);
    if (inkeyEdge(game) == keycode::Enter) ++s.page;
    screenFlip(game);
    game.platform.pumpEvents();
    waitMs(game, 1);
    inkeyRead(game);
}

void endingEnd(EngineContext& game, EndingScreen& s) {
    musicStopAll(game);
    screenClear(game, 0);
    screenFlip(game);
    game.platform.pumpEvents();
    waitMs(game, 1);
}

void endingScreen(EngineContext& game) {
    EndingScreen s;
    endingBegin(game, s);
    while (!s.done) endingPass(game, s);
    endingEnd(game, s);
}

}  // namespace morvek
