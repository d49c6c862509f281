// G O D's stage: the pre-fight cut-scene, the switch from its lying KO to the final defeat,
// and its speech over the match (the cut-scene's lines, and the last line in a balloon
// once it has lost).

#include <array>
#include <string_view>

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Mechanics.h"
#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "engine/Screen.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "movesets/God.h"
#include "movesets/GodPatterns.h"

namespace morvek {

namespace {

constexpr int16_t kEnterKey = 60;

// The cut-scene.
constexpr int16_t kPlayerMark = 100;   // where the player waits
constexpr int16_t kGodMark = 800;      // where G O D comes from
constexpr int16_t kSpeechMark = 300;   // G O D speaks once it is left of this
constexpr int16_t kGreetingVoice = 140;  // "hisasiburida.wav"

// The speech.
constexpr int16_t kSpeechOffset = 450;  // from G O D's centre, towards its facing
constexpr int16_t kSpeechDrop = 50;
constexpr int16_t kLineStep = 20;
constexpr int16_t kSpeechSize = 10;
constexpr int16_t kLastLineSize = 20;

using Lines = std::array<std::string_view, 3>;
constexpr std::array<Lines, 4> kSpeech{{
    {"よくここまで辿り着いた。", "", ""},
    {"かつて私がアニメートされた当初、", "私はただ殴られ続けるだけの", "名前すら無いただの物体であった・・・"},
    {"だが今の私は違う！", "ゲーム製作者の意思を代弁する", "この世界の神だッ！！"},
    {"ここまで辿り着いた褒美に", "この神の絶対的な力、", "とくと味あわせてやろう！"},
}};
constexpr std::string_view kLastLine = "ば・・・馬鹿なッ！";

// The balloon of the common sheet and where it and the last line go on the screen.
constexpr int16_t kBalloonX = 730;
constexpr int16_t kBalloonY = 740;
constexpr int16_t kBalloonWidth = 420;
constexpr int16_t kBalloonHeight = 180;
constexpr int16_t kBalloonAtX = 180;
constexpr int16_t kBalloonAtY = 160;
constexpr int16_t kLastLineX = 280;
constexpr int16_t kLastLineY = 220;

God& godModule(BattleContext& game) { return *static_cast<God*>(game.battle.moveSets.find(fighter::God)); }

bool enterPressed(EngineContext& game) { return inkeyEdge(game) == kEnterKey; }

}  // namespace

void godStageIntro(BattleContext& game, StateOfStage& stage, Character& player1, Character& player2) {
    using namespace god_patterns;
    int16_t& step = godModule(game).godStageStep;
    stage.wholeTimer = 0;  // the round's start calls wait while the scene runs
    switch (step) {
    case 0:
        player1.posX = kPlayerMark;
        player2.posX = kGodMark;
        stage.enterKey = true;
        if (enterPressed(game)) {
            step = 1;
            // The walk in moves along the facing. On the stage's very first frame nothing
            // has turned G O D toward the player yet, and a walk facing nowhere (or away)
            // would never reach the speech mark: face the player before walking.
            faceOpponent(game, player2, player1);
            animChange(game, kSlowWalk, player2);
        }
        break;
    case 1:
        if (player2.posX < kSpeechMark) {
            animChange(game, kFirstSpeech, player2);
            soundPlay(game, kGreetingVoice);
            step = 2;
        }
        break;
    case 2:
    case 3:
    case 4:
        stage.enterKey = true;
        if (enterPressed(game)) {
            step = cint16(step + 1);
            animChange(game, cint16(kFirstSpeech - 2 + step), player2);
            if (step == 5) musicPlay(game, kGodTune, kUsualMusicVolume);
        }
        break;
    case 5:
        stage.enterKey = true;
        if (enterPressed(game)) {
            step = 6;
            animChange(game, 0, player2);
        }
        break;
    case 6: stage.VSactionFlag = true; break;
    default: break;
    }
}

void godDefeatCheck(EngineContext& game, StateOfStage& stage, Character&, Character& player2) {
    if (player2.NUMBER == fighter::God && stage.checkCounter == ladderstage::GodDefeated &&
        player2.animPat == god_patterns::kLyingKO)
        animChange(game, god_patterns::kFinalDefeat, player2);
}

void godSpeechDraw(BattleContext& game, StateOfStage& stage, Character&, Character& player2) {
    using namespace god_patterns;
    const BattleState& b = game.battle;
    const int16_t x = cint16(player2.posX + b.scrollX + player2.Width / 2.0 + kSpeechOffset * player2.dirStand);
    const int32_t y = player2.posY + b.scrollY + kSpeechDrop;
    textFontSet(game, kSpeechSize, RGB(0, 0, 0));
    const int16_t p = player2.animPat;
    if (player2.NUMBER == fighter::God && stage.checkCounter == ladderstage::God && p >= kFirstSpeech &&
        p <= kLastSpeech) {
        const Lines& lines = kSpeech[static_cast<size_t>(p - kFirstSpeech)];
        for (size_t i = 0; i < lines.size(); ++i)
            if (!lines[i].empty())
                drawText(game, x, y + kLineStep * static_cast<int32_t>(i), lines[i]);
    }
    if (player2.NUMBER == fighter::God && stage.checkCounter == ladderstage::GodDefeated && p == kFinalDefeat) {
        blitSurface(game, kBalloonX, kBalloonY, kBalloonWidth, kBalloonHeight,
                    game.engine.attackEffectSurface, kBalloonAtX, kBalloonAtY);
        textFontSet(game, kLastLineSize, RGB(0, 0, 0));
        drawText(game, kLastLineX, kLastLineY, kLastLine);
        waitEnterKey(game);  // the game stands still until Enter
    }
}

void God::StageIntro(BattleContext& game, StateOfStage& stage, Character& player1, Character& player2) {
    godStageIntro(game, stage, player1, player2);
}

void God::DefeatCheck(BattleContext& game, StateOfStage& stage, Character& player1, Character& player2) {
    godDefeatCheck(game, stage, player1, player2);
}

void God::SpeechDraw(BattleContext& game, StateOfStage& stage, Character& player1, Character& player2) {
    godSpeechDraw(game, stage, player1, player2);
}

}  // namespace morvek
