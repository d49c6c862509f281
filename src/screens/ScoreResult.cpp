#include "screens/ScoreResult.h"

#include <cmath>

#include "render/Finish.h"
#include "battle/Character.h"
#include "battle/ExArts.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "screens/CharaSelect.h"
#include "screens/Ranking.h"
#include "screens/Title.h"

namespace morvek {

namespace {

double roundEven(double x) { return std::nearbyint(x); }

}  // namespace

int32_t gradeBonusScore(int32_t score, uint8_t grade) {
    double s = score;
    if (grade > 14) s += grade * 10000.0;
    if (grade > 19) s += 200000.0 + roundEven(s / 1000.0) * 100.0;
    if (grade > 22) s += roundEven(s / 500.0) * 100.0 + 1000000.0;
    return cint32(s);
}

std::string scoreRecordOfGame(EngineContext& game, const Character& player, const StateOfStage& stage,
                              uint8_t grade) {
    ScoreRecord r;
    r.fighter = player.NUMBER;
    r.score = game.engine.gameScore;
    const PlayTime t = playTimeOf(stage.totalGameTime);
    r.seconds = t.minutes * 60 + t.seconds;
    r.grade = grade;
    r.baseLevel = stage.baseLevel;
    r.speedMode = stage.gameSpeedMode;
    r.keyCount = game.engine.keyCount;
    r.tpcSlow = stage.TPCSlow;
    std::string trailing;
    for (int i = 0; i < 7; ++i)
        trailing += static_cast<char>('0' + static_cast<int>(Int(9 * game.random.next() + 1)));
    return encodeScoreRecord(r, trailing);
}

void drawingVSresult(EngineContext& game, const StateOfStage& stage, int16_t x, int16_t& y) {
    y = cint16(y + 100);
    for (int i = 0; i < stage.stageNumber && i < 10; ++i) {
        const int32_t rowY = y + 30 * i;
        textFontSet(game, 10, Rgb{0, 125, 255});
        drawText(game, x, rowY, "VS");
        textFontSet(game, 10, Rgb{0, 0, 0});
        drawText(game, x + 40, rowY, charaDispNameFromNumber(stage.enemyNumberOfStage(i + 1)));
        drawGradeEmblem(game, stage.judgeLevelOfStage(i + 1), 40, 30, cint16(x + 180),
                        cint16(y - 5 + 30 * i), 1);
    }
}

bool scoreResultBegin(EngineContext& game, ScoreResultScreen& s, const Character& player,
                      const Character& opponent, StateOfStage& stage) {
    s = ScoreResultScreen{};
    if (game.engine.titleChoice != titlemenu::GameStart) return false;
    musicStopAll(game);
    soundPlayLoop(game, kScoreJingle);
    stage.SimpleJudgeSystem(game, player, opponent);
    s.grade = stage.totalJudgeRank(game);
    game.engine.gameScore = gradeBonusScore(game.engine.gameScore, s.grade);
    paletteToLevel(game, game.engine.workPalette, 0, true, 0);
    s.record = scoreRecordOfGame(game, player, stage, s.grade);
    return true;
}

void scoreResultPass(EngineContext& game, ScoreResultScreen& s, const Character& player,
                     StateOfStage& stage) {
    screenClear(game, kLightGreyIndex);
    fillRect(game, 0, 15, 640, 105, 0);
    fillRect(game, 30, 0, 90, 480, 0);
    fillRect(game, 356, 400, 640, 420, 0);
    drawCharaPortrait(game, player.NUMBER, 20, 160, 298, 298);

    textFontSet(game, 24, Rgb{0, 255, 0});
    drawText(game, 40, 20, "SCORE");
    const std::string score = std::to_string(game.engine.gameScore);
    textFontSet(game, 16, Rgb{255, 255, 0});
    drawText(game, 250 - 14 * (static_cast<int32_t>(score.size()) + 1), 70, score);

    auto setting = [&](int32_t y, std::string_view name, const std::string& value) {
        textFontSet(game, 10, kLabelBlue);
        drawText(game, 360, y, name);
        textFontSet(game, 10, kValueRed);
        drawText(game, 480, y, value);
    };
    setting(20, "DIFFICULTY", difficultyText(stage.baseLevel));
    setting(40, "SPEED MODE", speedModeText(stage.gameSpeedMode));
    setting(60, "KEY MODE", keyModeText(game.engine.keyCount));
    setting(80, "TPCSLOW", onOffText(toBool16(stage.TPCSlow)));

    textFontSet(game, 10, kValueRed);
    drawText(game, 80, 120, "TIME");
    const PlayTime played = playTimeOf(stage.totalGameTime);
    drawText(game, 160, 120,
             std::to_string(played.minutes) + "  m  " + std::to_string(played.seconds) + "  s  ");

    int16_t listY = 20;
    drawingVSresult(game, stage, 360, listY);

    textFontSet(game, 10, Rgb{255, 255, 0});
    drawText(game, 360, 400, "TOTAL GRADE");
    drawGradeEmblem(game, s.grade, 80, 60, 500, 360, 2);

    if (s.obj.GUIcount == 0) {
        if (!paletteApproach(game, game.engine.workPalette, 5)) s.obj.GUIcount = 1;
    } else if (inkeyEdge(game) == keycode::Enter) {
        soundPlay(game, kConfirmSound);
        s.leave = true;
    }
    s.obj.timerCounting(100);
    screenFlip(game);
    inkeyRead(game);
}

void scoreResultEnd(EngineContext& game, ScoreResultScreen& s, const StateOfStage& stage) {
    soundStop(game, kScoreJingle);
    screenClear(game, 0);
    screenFlip(game);
    // The new entry and the unlock marker go in together, creating the file when missing;
    // a write that failed has been told already, and the ranking shows what is there.
    scoreRecordInsert(game, stage, s.record);
    scoreRankingDisp(game, /*createMissing=*/false);
}

void scoreResult(EngineContext& game, Character& player, Character& opponent, StateOfStage& stage) {
    ScoreResultScreen s;
    if (scoreResultBegin(game, s, player, opponent, stage)) {
        while (!s.leave) scoreResultPass(game, s, player, stage);
        scoreResultEnd(game, s, stage);
    }
    // An F1 on these screens must not send the next TRAINING or TUTORIAL to the title.
    game.engine.returnToTitle = kFalse;
}

}  // namespace morvek
