#include "screens/CharaSelect.h"

#include <string_view>

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/StateOfStage.h"
#include "engine/DataTables.h"
#include "battle/BattleContext.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Pictures.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "movesets/MorvekboyPatterns.h"
#include "render/Overlay.h"
#include "screens/Title.h"

namespace morvek {

namespace {

constexpr int16_t kPortraitRestX = 350;

/// Source corners on the common sheet by fighter number 0-9 ({-1, -1}: none).
constexpr ScreenPoint kPortraitCells[10] = {{1, 2101},   {301, 2401}, {301, 2101}, {1, 1801},
                                            {301, 1801}, {1, 2401},   {601, 2401}, {601, 2101},
                                            {901, 1801}, {1, 1801}};
constexpr ScreenPoint kFaceCells[10] = {{900, 2100},  {1018, 2100}, {1136, 2100}, {900, 2218},
                                        {1018, 2218}, {1136, 2218}, {900, 2336},  {1018, 2336},
                                        {1136, 2336}, {900, 2218}};

void resetPanels(CharaSelectScreen& s) { s.panelX = {700, 640, 800}; }

void slidePanels(CharaSelectScreen& s) {
    static constexpr int16_t kRest[3] = {0, 20, 40};
    for (size_t i = 0; i < 3; ++i)
        if (s.panelX[i] > kRest[i]) s.panelX[i] = static_cast<int16_t>(s.panelX[i] - 20);
}

/// A panel with its text in black at (x + 21, y + 42).
void drawPanel(EngineContext& game, const CharaSelectScreen& s, size_t i, std::string_view text) {
    blitSurface(game, 460, 1070, 420, 120, game.engine.attackEffectSurface, s.panelX[i], s.panelY[i]);
    textFontSet(game, 16, kTextBlack);
    drawText(game, s.panelX[i] + 21, s.panelY[i] + 42, text);
}

/// The chosen panel once more on top, its text in red `dy` below the panel's top.
void drawChosenPanel(EngineContext& game, const CharaSelectScreen& s, size_t i, std::string_view text,
                     int16_t dy) {
    blitSurface(game, 460, 1070, 420, 120, game.engine.attackEffectSurface, s.panelX[i], s.panelY[i]);
    textFontSet(game, 16, kTextRed);
    drawText(game, s.panelX[i] + 21, s.panelY[i] + dy, text);
    textFontSet(game, 16, kTextBlack);
}

void drawNote(EngineContext& game, std::string_view note) {
    textFontSet(game, 8, kTextBlack);
    drawText(game, 40, 180, note);
    textFontSet(game, 16, kTextBlack);
}

/// Up and Down over 0..last with the choice sound; Space and Enter go to the given phases.
void choiceKeys(EngineContext& game, CharaSelectScreen& s, int16_t last, int16_t onSpace,
                int16_t onEnter) {
    const int16_t k = inkeyEdge(game);
    if (k == keycode::Space) {
        s.phase = onSpace;
        soundPlay(game, kBackSound);
        resetPanels(s);
    } else if (k == keycode::Enter) {
        s.phase = onEnter;
    } else if (k == keycode::Up && s.choice > 0) {
        --s.choice;
        soundPlay(game, kChoiceSound);
    } else if (k == keycode::Down && s.choice < last) {
        ++s.choice;
        soundPlay(game, kChoiceSound);
    }
}

/// The one-frame steps that store a choice: panels back, the next sound.
void stored(EngineContext& game, CharaSelectScreen& s, int16_t next) {
    resetPanels(s);
    soundPlay(game, kNextSound);
    s.choice = 0;
    s.phase = next;
}

void fighterStep(EngineContext& game, CharaSelectScreen& s, const StateOfStage& stage) {
    const int16_t before = s.fighter;
    const int16_t k = inkeyEdge(game);
    if (k == keycode::Enter) {
        s.phase = selectphase::ConfirmFighter;
    } else if (k == keycode::Left) {
        if (s.fighter >= 1 && s.fighter <= 5) --s.fighter;
    } else if (k == keycode::Right) {
        if (s.fighter < 5) ++s.fighter;
    } else if (k == keycode::Down) {
        if (stage.secretBetaBoy && s.fighter == fighter::Morvekboy) s.fighter = fighter::Betaboy;
        if (stage.secretHonekawa && s.fighter == fighter::Honekawa)
            s.fighter = fighter::HiddenHonekawa;
    } else if (k == keycode::Up) {
        if (s.fighter == fighter::Betaboy) s.fighter = fighter::Morvekboy;
        else if (s.fighter == fighter::HiddenHonekawa) s.fighter = fighter::Honekawa;
    }
    if (s.fighter != before) {
        soundPlay(game, kMenuSound);
        s.portraitX = 640;
    }
    if (s.fighter >= 0 && s.fighter <= 5) {
        s.cursorX = kSelectCursorPlaces[static_cast<size_t>(s.fighter)].x;
        s.cursorY = kSelectCursorPlaces[static_cast<size_t>(s.fighter)].y;
    }
}

void superArtStep(EngineContext& game, CharaSelectScreen& s, const Character& player) {
    choiceKeys(game, s, 2, selectphase::Fighter, selectphase::StoreSuperArt);
    slidePanels(s);
    drawPanel(game, s, 0, spacornNameFromNumber(player, 0));
    drawPanel(game, s, 2, spacornNameFromNumber(player, 2));
    drawPanel(game, s, 1, spacornNameFromNumber(player, 1));
    const auto i = static_cast<size_t>(s.choice);
    drawChosenPanel(game, s, i, spacornNameFromNumber(player, s.choice), 40);
}

void speedStep(EngineContext& game, CharaSelectScreen& s) {
    static constexpr std::string_view kChosen[3] = {"EASY SLOW", "NOMAL SPEED", "FAST HARD"};
    choiceKeys(game, s, 2, selectphase::SuperArt, selectphase::StoreSpeed);
    slidePanels(s);
    drawPanel(game, s, 0, "EASY SLOW");
    drawPanel(game, s, 2, "FAST HARD");
    drawPanel(game, s, 1, "NORMAL SPEED");
    drawChosenPanel(game, s, static_cast<size_t>(s.choice), kChosen[s.choice], 40);
}

/// The two-choice steps: choice 0 shows `first` in red, choice 1 `second` and the note.
void twoChoiceStep(EngineContext& game, CharaSelectScreen& s, int16_t onSpace, int16_t onEnter,
                   std::string_view first, std::string_view second, std::string_view note) {
    choiceKeys(game, s, 1, onSpace, onEnter);
    slidePanels(s);
    if (s.choice == 0) {
        drawPanel(game, s, 1, second);
        drawChosenPanel(game, s, 0, first, 42);
    } else {
        drawPanel(game, s, 0, first);
        drawChosenPanel(game, s, 1, second, 42);
        drawNote(game, note);
    }
}

void phaseStep(EngineContext& game, CharaSelectScreen& s, Character& player, StateOfStage& stage) {
    using namespace selectphase;
    switch (s.phase) {
    case FadeIn:
        if (!paletteApproach(game, game.engine.workPalette, 3)) s.phase = Fighter;
        break;
    case Fighter:
        fighterStep(game, s, stage);
        break;
    case ConfirmFighter: {
        const int16_t voice = selectVoiceOf(s.fighter);
        if (voice >= 0) soundPlay(game, voice);
        player.NUMBER = s.fighter;
        s.phase = SuperArt;
        break;
    }
    case SuperArt:
        superArtStep(game, s, player);
        break;
    case StoreSuperArt:
        player.spacornType = s.choice;
        // Past the first stage the speed stays as the game began.
        stored(game, s, stage.stageNumber > 1 ? KeyMode : Speed);
        break;
    case Speed:
        speedStep(game, s);
        break;
    case StoreSpeed:
        stage.speedSelect(s.choice);
        stored(game, s, KeyMode);
        break;
    case KeyMode:
        twoChoiceStep(game, s, stage.stageNumber > 1 ? SuperArt : Speed, StoreKeyMode,
                      "NORMAL KEY", "EASY KEY",
                      "入力要求キーがアルファベット26文字のみになります。");
        break;
    case StoreKeyMode:
        game.engine.keyCount = s.choice > 0 ? kEasyKeyCount : kNormalKeyCount;
        stored(game, s, TpcSlow);
        break;
    case TpcSlow:
        twoChoiceStep(game, s, KeyMode, StoreTpcSlow, "TPC SLOW OFF", "TPC SLOW ON",
                      "タイピングコンボ入力時にスローモーションになります。");
        break;
    case StoreTpcSlow:
        stage.TPCSlow = s.choice == 1;
        resetPanels(s);
        soundPlay(game, kNextSound);
        s.phase = Done;
        s.leave = true;
        break;
    default:
        break;
    }
}

}  // namespace

int16_t selectVoiceOf(int16_t value) {
    switch (value) {
    case fighter::Morvekboy: return kAtaaVoice;
    case fighter::Ginzamurai: return kDoryaaVoice;
    case fighter::Nangief: return kNangiefVoice;
    case fighter::Honekawa: return kAngerVoice;
    case fighter::Gouda: return 130;        // "nanda.wav"
    case fighter::Interrupter: return 131;  // "watashiga.wav"
    case fighter::Betaboy: return kFaoVoice;
    case fighter::HiddenHonekawa: return kHiddenHonekawaVoice;
    default: return -1;
    }
}

void charaSelectBegin(EngineContext& game, CharaSelectScreen& s) {
    s = CharaSelectScreen{};
    game.engine.returnToTitle = kFalse;
    game.engine.backGroundSurface = loadPicture(game, kSelectPicture);
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    musicPlay(game, kSelectTune, kUsualMusicVolume);
    textFontSet(game, 16, kTextBlack);
    paletteToLevel(game, game.engine.workPalette, 255, true, 0);
}

void charaSelectPass(EngineContext& game, CharaSelectScreen& s, Character& player, StateOfStage& stage) {
    if (s.leave) {
        player.CharaNameSetFromNumber(player.NUMBER);
        musicStopAll(game);
        s.finished = true;
        return;
    }
    fullScreenBlt(game, game.engine.backGroundSurface);
    drawCharaPortrait(game, s.fighter, s.portraitX, 70, 298, 298);
    phaseStep(game, s, player, stage);
    for (int i = 0; i < 2; ++i)
        if (s.portraitX > kPortraitRestX) s.portraitX = static_cast<int16_t>(s.portraitX - 10);
    const auto frame = static_cast<int16_t>(s.obj.frameCount / 3);
    blitSurface(game, static_cast<int16_t>(351 + 50 * frame), 1, 48, 47,
                game.engine.attackEffectSurface, s.cursorX, s.cursorY);
    s.obj.timerCounting(12);
    screenFlip(game);
    inkeyRead(game);
    if (game.engine.returnToTitle != kFalse) s.leave = true;
}

void charaSelectMain(EngineContext& game, Character& player, StateOfStage& stage) {
    CharaSelectScreen s;
    charaSelectBegin(game, s);
    while (!s.finished) charaSelectPass(game, s, player, stage);
}

std::string spacornNameFromNumber(const Character& chara, int16_t index) {
    if (index < 0 || index > 2) return {};
    const std::string signature = morvekboy_patterns::kSuperArt0Name;
    const std::string judgement = "ジャッジメント";
    switch (chara.NUMBER) {
    case fighter::Morvekboy: {
        const std::string names[3] = {signature, "真・著作拳", "目から出ちゃった破壊光線"};
        return names[index];
    }
    case fighter::Ginzamurai: {
        const char* names[3] = {"雷鳴剣", "風刃剣", "分身"};
        return names[index];
    }
    case fighter::Nangief: {
        const char* names[3] = {"ブラックホールスクリュー", "スーパーナイスキャッチ",
                                "ママぁ、これFABっといて"};
        return names[index];
    }
    case fighter::Honekawa: {
        const char* names[3] = {"雷震魔破拳", "転身穿弓腿",
                                chara.ReverseCharaFlag ? "星影円舞" : "槍雷虎砲"};
        return names[index];
    }
    case fighter::Gouda: {
        const char* names[3] = {"暴力", "滅殺豪波動", "大絶唱"};
        return names[index];
    }
    case fighter::Interrupter: {
        const char* names[3] = {"キャノネード", "ディストーション", "スパイラルナイトメア"};
        return names[index];
    }
    case fighter::Buri:
    case fighter::God:
        return judgement;
    case fighter::Betaboy: {
        const std::string names[3] = {signature, "降龍拳", "素敵竜巻"};
        return names[index];
    }
    case fighter::HiddenHonekawa: {
        const char* names[3] = {"雷震魔破拳", "転身穿弓腿", "星影円舞"};
        return names[index];
    }
    default:
        return {};
    }
}

std::string charaDispNameFromNumber(int16_t n) {
    static constexpr const char* kNames[] = {"MORVEKBOY", "GINZAMURAI", "NANGIEF",
                                             "HONEKAWA",  "GOUDA",      "INTERRUPTER",
                                             "G O D",     "G O D",      "BETABOY"};
    return (n >= 0 && n <= 8) ? kNames[n] : "";
}

void drawCharaPortrait(EngineContext& game, int16_t n, int16_t dx, int16_t dy, int16_t dw, int16_t dh) {
    if (n < 0 || n > 9) return;
    const ScreenPoint c = kPortraitCells[n];
    blitSheet(game, c.x, c.y, 298, 298, dx, dy, dw, dh);
}

void drawCharaFaceIcon(EngineContext& game, int16_t n, int16_t dx, int16_t dy, int16_t dw, int16_t dh) {
    if (n < 0 || n > 9) return;
    const ScreenPoint c = kFaceCells[n];
    blitSheet(game, c.x, c.y, 119, 119, dx, dy, dw, dh);
}

}  // namespace morvek
