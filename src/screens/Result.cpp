#include "screens/Result.h"

#include <string>

#include "render/Finish.h"
#include "battle/RoundJudge.h"
#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/StateOfStage.h"
#include "engine/Basic.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "render/Overlay.h"
#include "screens/CharaSelect.h"
#include "screens/Ending.h"
#include "screens/Quotes.h"
#include "screens/Ranking.h"

namespace morvek {

namespace {

constexpr Rgb kLabel{0, 255, 128};
constexpr Rgb kValue{200, 100, 0};
/// The continue menu's back to the title.
constexpr int16_t kGiveUpSound = 134;  // "CLASH.wav"
/// The last page of the false form's speech.
constexpr int16_t kLastSpeechPage = 23;

void label(EngineContext& game, int32_t y, std::string_view text) {
    textFontSet(game, 10, kLabel);
    drawText(game, 480, y, text);
}

/// A bonus value right-aligned on x 630.
void rightValue(EngineContext& game, int32_t y, int64_t value) {
    const std::string digits = std::to_string(value);
    textFontSet(game, 15, kValue);
    drawText(game, 630 - 13 * (static_cast<int32_t>(digits.size()) + 1), y, digits);
}

void drawWinPage(EngineContext& game, const ResultScreen& s, const Character& player1,
                 const Character& player2) {
    const int32_t f = s.obj.frameCount;
    textFontSet(game, 80, Rgb{255, 255, 0});
    drawText(game, f * 30 - 200, 20, "WIN");
    label(game, 150, "MaxComboCount");
    rightValue(game, 160, player1.MaxComboCount);
    label(game, 180, "VitalityBonus");
    rightValue(game, 190, s.bonuses.vitality);
    label(game, 210, "StageTime");
    textFontSet(game, 15, kValue);
    const int32_t t = s.stageTime;
    drawText(game, 530, 220,
             std::to_string(static_cast<int32_t>(Int(t / 60.0))) + " m " +
                 std::to_string(Mod(t, 60)) + " s");
    if (s.bonuses.perfects > 0) {
        label(game, 240, "PERFECT");
        textFontSet(game, 10, Rgb{255, 0, 128});
        drawText(game, 500, 255, " × " + std::to_string(s.bonuses.perfects));
        rightValue(game, 250, s.bonuses.perfects * 30000);
    }
    if (s.bonuses.complete) {
        label(game, 270, "COMPLETE");
        rightValue(game, 280, s.bonuses.completeBonus);
    }
    label(game, 300, "Judge");
    // The emblem flies from the top left to its place beside the label.
    if (f < 10) {
        drawGradeEmblem(game, s.level, 120, 90, 20, 25, 0);
    } else {
        drawGradeEmblem(game, s.level, static_cast<int16_t>(120 - 4 * f),
                        static_cast<int16_t>(90 - 3 * f), static_cast<int16_t>((f - 10) * 50 + 20),
                        static_cast<int16_t>((f - 10) * 30 + 25), 0);
    }
}

void continueMenu(EngineContext& game, ResultScreen& s) {
    const int16_t k = inkeyEdge(game);
    if (k == keycode::Up && s.cursor > 0) {
        --s.cursor;
        soundPlay(game, kMenuSound);
    } else if (k == keycode::Down && s.cursor < 2) {
        ++s.cursor;
        soundPlay(game, kMenuSound);
    } else if (k == keycode::Enter) {
        if (s.cursor == 0) {
            soundPlay(game, kMenuSound);
            soundPlay(game, kFightVoice);
        } else if (s.cursor == 2) {
            soundPlay(game, kMenuSound);
            soundPlay(game, kGiveUpSound);
        }
        s.obj.loopFlag = kTrue;
    }
    textFontSet(game, 24, Rgb{0, 0, 255});
    drawText(game, 320, 200, "CONTINUE?");
    for (size_t i = 0; i < kContinueItems.size(); ++i) {
        const bool chosen = static_cast<int16_t>(i) == s.cursor;
        textFontSet(game, 13, chosen ? Rgb{255, 0, 0} : Rgb{0, 0, 0});
        drawText(game, 280, kContinueItems[i].y, kContinueItems[i].text);
    }
}

void phaseStep(EngineContext& game, ResultScreen& s, const StateOfStage& stage) {
    using namespace resultphase;
    int16_t& phase = s.obj.GUIcount;
    switch (phase) {
    case Blackout:
        screenClear(game, kMatchEndColour);
        screenFlip(game);
        waitMs(game, 2000);
        phase = Balloon;
        break;
    case Balloon:
        blitSheet(game, 464, 1083, 368, 82, 90, 320, s.obj.frameCount * 20,
                  static_cast<int16_t>(s.obj.frameCount * 6));
        s.obj.timerCounting(100);
        waitMs(game, 15);
        if (s.obj.frameCount > 19) phase = Quote;
        break;
    case Quote:
        if (inkeyEdge(game) == keycode::Enter) {
            if (s.won && s.falseForm) {
                phase = FalseFormSpeech;
                ++s.quote;
            } else if (s.won) {
                s.obj.loopFlag = kTrue;
            } else {
                phase = PortraitSlide;
                musicPlay(game, kContinueTune, 1000);
            }
        }
        winQuoteSelect(game, s.portrait, s.quote, stage.FinishArts);
        drawPromptIcon(game, 540, 400);
        break;
    case PortraitSlide:
        if (s.portraitX > 20) s.portraitX = static_cast<int16_t>(s.portraitX - 10);
        if (s.portraitX <= 20) phase = ContinueMenu;
        break;
    case ContinueMenu:
        continueMenu(game, s);
        break;
    case FalseFormSpeech:
        if (inkeyEdge(game) == keycode::Enter) {
            if (s.quote < kLastSpeechPage) {
                ++s.quote;
            } else {
                s.leaveAsLoss = true;
                s.cursor = 2;
                s.obj.loopFlag = kTrue;
                screenClear(game, kMatchEndColour);
            }
        }
        godFalseFormSpeech(game, s.quote);
        drawPromptIcon(game, 540, 400);
        break;
    default:
        break;
    }
}

}  // namespace

WinBonuses winBonusesOf(const Character& player1, const Character& player2,
                        const StateOfStage& stage) {
    WinBonuses b;
    b.vitality = stage.vitalityBonus(player1);
    b.perfects = stage.numofPerfect(player1);
    b.complete = player2.winCount == 0;
    if (b.complete) b.completeBonus = (player1.winCount - 1) * 10000;
    return b;
}

bool winnerDispBegin(EngineContext& game, ResultScreen& s, Character& player1, Character& player2,
                     StateOfStage& stage) {
    s = ResultScreen{};
    s.quote = static_cast<int16_t>(Int(game.random.next() * 8 + 1));
    s.level = stage.SimpleJudgeSystem(game, player1, player2);
    s.won = player1.winCount > stage.maxRoundCount + 1;
    if (s.won) {
        s.bonuses = winBonusesOf(player1, player2, stage);
        s.stageTime = stage.stageTime();
        game.engine.gameScore = cint32(static_cast<double>(game.engine.gameScore) + s.bonuses.total());
    }
    s.portrait = s.won ? player1.NUMBER : player2.NUMBER;
    if (s.won && stage.checkCounter == ladderstage::Buri) {
        s.portrait = 6;
        s.quote = 20;
        s.falseForm = true;
    }
    if (s.won && stage.checkCounter == ladderstage::GodDefeated) {
        endingScreen(game);
        s.leaveAsLoss = true;
        s.cursor = 2;
        return false;
    }
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    if (s.won) musicPlay(game, kWinTune, 0);
    // Only a win over BETABOY unlocks it; the marker is rewritten at every such win.
    if (s.won && player2.NUMBER == fighter::Betaboy) {
        stage.secretBetaBoy = true;
        secretMarkerWrite(game, stage);
    }
    if (stage.checkCounter == ladderstage::Buri) musicStopAll(game);
    if (!s.won) musicPlay(game, kLoseTune, kUsualMusicVolume);
    return true;
}

void winnerDispPass(EngineContext& game, ResultScreen& s, const Character& player1,
                    const Character& player2, const StateOfStage& stage) {
    screenClear(game, kWhiteIndex);
    if (s.won) {
        drawWinPage(game, s, player1, player2);
    } else {
        textFontSet(game, 50, Rgb{0, 100, 255});
        drawText(game, 380, 20, "LOSE");
    }
    drawCharaPortrait(game, s.portrait, s.portraitX, 40, 298, 298);
    phaseStep(game, s, stage);
    screenFlip(game);
    inkeyRead(game);
}

int16_t winnerDispEnd(EngineContext& game, ResultScreen& s, StateOfStage& stage) {
    if (s.won && !s.leaveAsLoss) {
        musicStopAll(game);
        return nextstep::NextOpponent;
    }
    // A continue bars the hidden stage for the rest of the game and costs one point, so
    // the score's last two digits count the continues.
    stage.NoContinue = false;
    int16_t result = nextstep::ScoreScreen;
    if (s.cursor == 0 || s.cursor == 1) {
        game.engine.gameScore = cint32(static_cast<double>(game.engine.gameScore) + 1);
        result = kContinueItems[static_cast<size_t>(s.cursor)].result;
    }
    musicStopAll(game);
    return result;
}

int16_t winnerDispMain(EngineContext& game, Character& player1, Character& player2, StateOfStage& stage) {
    ResultScreen s;
    if (winnerDispBegin(game, s, player1, player2, stage)) {
        while (s.obj.loopFlag == kFalse) winnerDispPass(game, s, player1, player2, stage);
    }
    return winnerDispEnd(game, s, stage);
}

}  // namespace morvek
