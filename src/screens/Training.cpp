#include "screens/Training.h"

#include <algorithm>
#include <string>

#include "battle/Character.h"
#include "battle/Roster.h"
#include "battle/Spacorn.h"
#include "battle/StateOfStage.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "render/Overlay.h"
#include "screens/CharaSelect.h"
#include "screens/Options.h"
#include "screens/Title.h"

namespace morvek {

namespace {

constexpr Rgb kTitleMagenta{255, 0, 255};
constexpr int16_t kPanelMove = 20;

constexpr std::array<std::string_view, 6> kFighterNames{"MORVEKBOY", "GINZAMURAI", "NANGIEF",
                                                        "HONEKAWA",  "GOUDA",      "INTERRUPTER"};
constexpr std::array<std::string_view, 3> kSpeedTexts{"EASY SLOW", "NORMAL SPEED", "FAST HARD"};
constexpr std::array<std::string_view, 2> kKeyModeTexts{"EASY KEY", "NORMAL KEY"};
constexpr std::array<std::string_view, 2> kTpcTexts{"TPC SLOW ON", "TPC SLOW OFF"};

/// Start and rest places of the sliding panel sets.
constexpr std::array<PanelPlace, 3> kThreeStart{{{700, 80}, {640, 120}, {800, 160}}};
constexpr std::array<int16_t, 3> kThreeRestX{200, 220, 240};
constexpr std::array<PanelPlace, 2> kTwoStart{{{700, 80}, {800, 120}}};
constexpr std::array<int16_t, 2> kTwoRestX{200, 220};
constexpr PanelPlace kLevelStart{700, 80};
constexpr int16_t kLevelRestX = 200;

/// Where each step's chosen panel settles once the step is done.
constexpr PanelPlace kSuperArt1Home{20, 240};
constexpr PanelPlace kSuperArt2Home{400, 240};
constexpr PanelPlace kSpeedHome{200, 300};
constexpr PanelPlace kKeyModeHome{200, 340};
constexpr PanelPlace kTpcHome{200, 380};

int16_t& setting(EngineContext& game, size_t element) { return game.engine.gameSettings[element]; }

// ---- drawing ------------------------------------------------------------------------

/// A fighter list at x; the hidden variant's "2" stands at twoX.
void drawFighterList(EngineContext& game, int16_t x, int16_t twoX, int16_t value,
                     const StateOfStage& stage) {
    textFontSet(game, 10, kTextBlack);
    for (size_t i = 0; i < kFighterNames.size(); ++i)
        drawText(game, x, 300 + 20 * static_cast<int32_t>(i), kFighterNames[i]);
    if (stage.secretHonekawa) drawText(game, twoX, 360, "2");
    if (stage.secretBetaBoy) drawText(game, x, 420, "BETABOY");

    if (value >= 0 && value < static_cast<int16_t>(kFighterNames.size()))
        drawMenuText(game, kTextRed, x, 300 + 20 * value,
                     kFighterNames[static_cast<size_t>(value)]);
    else if (value == fighter::Betaboy)
        drawMenuText(game, kTextRed, x, 420, "BETABOY");
    else if (value == fighter::HiddenHonekawa)
        drawMenuText(game, kTextRed, twoX, 360, "2");
}

void drawPanel(EngineContext& game, PanelPlace p, std::string_view text, int16_t height = 40) {
    blitSheet(game, 460, 1070, 420, 120, p.x, p.y, 240, height);
    drawText(game, p.x + 10, p.y + 10, text);
}

void drawChosenPanel(EngineContext& game, PanelPlace p, std::string_view text) {
    blitSheet(game, 460, 1070, 420, 120, p.x, p.y, 240, 40);
    drawMenuText(game, kTextRed, p.x + 10, p.y + 10, text);
}

template <size_t N>
void slideIn(std::array<PanelPlace, N>& places, const std::array<int16_t, N>& restX) {
    for (size_t i = 0; i < N; ++i)
        if (places[i].x > restX[i]) places[i].x = static_cast<int16_t>(places[i].x - kPanelMove);
}

/// A finished step's panel: sideways to its home column first, then down to its row.
void settle(PanelPlace& p, PanelPlace home) {
    if (p.x > home.x) {
        p.x = static_cast<int16_t>(std::max<int>(p.x - kPanelMove, home.x));
    } else if (p.x < home.x) {
        p.x = static_cast<int16_t>(std::min<int>(p.x + kPanelMove, home.x));
    } else if (p.y < home.y) {
        p.y = static_cast<int16_t>(std::min<int>(p.y + kPanelMove, home.y));
    } else if (p.y > home.y) {
        p.y = static_cast<int16_t>(std::max<int>(p.y - kPanelMove, home.y));
    }
}

/// A panel set of `step`: while it is the current step all panels slide in (drawn in
/// `order`) with the chosen one on top in red; after it, only the chosen one, on its way
/// home.
template <size_t N, typename TextOf>
void panelSet(EngineContext& game, const TrainingSelectScreen& s, int16_t step,
              std::array<PanelPlace, N>& places, const std::array<int16_t, N>& restX,
              const std::array<size_t, N>& order, PanelPlace home, TextOf textOf) {
    const auto chosen = static_cast<size_t>(
        std::clamp<int>(setting(game, trainingSettingOf(step)), 0, static_cast<int>(N) - 1));
    textFontSet(game, 10, kTextBlack);
    if (s.step == step) {
        for (size_t i : order) drawPanel(game, places[i], textOf(i));
        drawChosenPanel(game, places[chosen], textOf(chosen));
        slideIn(places, restX);
    } else {
        drawChosenPanel(game, places[chosen], textOf(chosen));
        settle(places[chosen], home);
    }
}

void drawLevelArrows(EngineContext& game, TrainingSelectScreen& s, int16_t level) {
    const int16_t frame = s.obj.frameCount;
    if (frame <= 8) {
        const auto cellX = static_cast<int16_t>(261 + 30 * (frame / 3));
        const PanelPlace p = s.cpuLevel;
        const Surface8& sheet = game.engine.attackEffectSurface;
        if (level > 0)
            blitSurface(game, cellX, 31, 28, 28, sheet, static_cast<int16_t>(p.x + 148),
                        static_cast<int16_t>(p.y + 20));
        if (level < kCpuLevelMax)
            blitSurface(game, cellX, 1, 28, 28, sheet, static_cast<int16_t>(p.x + 148),
                        static_cast<int16_t>(p.y + 60));
    }
    s.obj.timerCounting(10);
}

void drawCpuLevel(EngineContext& game, TrainingSelectScreen& s) {
    const int16_t level = setting(game, gamesetting::TrainingCpuLevel);
    const PanelPlace p = s.cpuLevel;
    textFontSet(game, 10, kTextBlack);
    blitSheet(game, 460, 1070, 420, 120, p.x, p.y, 240, 120);
    drawText(game, p.x + 20, p.y + 45, "CPU LEVEL");
    if (level == 0)
        drawMenuText(game, kTextRed, p.x + 125, p.y + 45, "NO MOVE");
    else
        drawMenuText(game, kTextRed, p.x + 150, p.y + 45, std::to_string(level));
    if (s.step == trainingstep::CpuLevel) drawLevelArrows(game, s, level);
    if (s.cpuLevel.x > kLevelRestX) s.cpuLevel.x = static_cast<int16_t>(s.cpuLevel.x - kPanelMove);
}

void drawSetup(EngineContext& game, TrainingSelectScreen& s, Character& player1, Character& player2,
               const StateOfStage& stage) {
    using namespace trainingstep;
    using namespace gamesetting;
    screenClear(game, kLightGreyIndex);
    textFontSet(game, 20, kTitleMagenta);
    drawText(game, 50, 20, "TRAINING");
    drawFighterList(game, 50, 160, setting(game, TrainingFighter1), stage);
    drawCharaPortrait(game, setting(game, TrainingFighter1), s.portrait1X, 30, 298, 298);
    if (s.portrait1X < 20) s.portrait1X = static_cast<int16_t>(s.portrait1X + 20);

    // The super-art names follow the fighter number, so it is set while the art is chosen.
    if (s.step >= SuperArt1) {
        if (s.step == SuperArt1) player1.NUMBER = setting(game, TrainingFighter1);
        panelSet(game, s, SuperArt1, s.superArt1, kThreeRestX, {0, 2, 1}, kSuperArt1Home,
                 [&](size_t i) { return spacornNameFromNumber(player1, static_cast<int16_t>(i)); });
    }
    if (s.step >= Fighter2) {
        drawFighterList(game, 450, 560, setting(game, TrainingFighter2), stage);
        drawCharaPortrait(game, setting(game, TrainingFighter2), s.portrait2X, 30, 298, 298);
        if (s.portrait2X > 320) s.portrait2X = static_cast<int16_t>(s.portrait2X - 20);
    }
    if (s.step >= SuperArt2) {
        if (s.step == SuperArt2) player2.NUMBER = setting(game, TrainingFighter2);
        panelSet(game, s, SuperArt2, s.superArt2, kThreeRestX, {0, 2, 1}, kSuperArt2Home,
                 [&](size_t i) { return spacornNameFromNumber(player2, static_cast<int16_t>(i)); });
    }
    if (s.step >= Speed)
        panelSet(game, s, Speed, s.speed, kThreeRestX, {0, 1, 2}, kSpeedHome,
                 [](size_t i) { return std::string(kSpeedTexts[i]); });
    if (s.step >= KeyMode)
        panelSet(game, s, KeyMode, s.keyMode, kTwoRestX, {0, 1}, kKeyModeHome,
                 [](size_t i) { return std::string(kKeyModeTexts[i]); });
    if (s.step >= TpcSlow)
        panelSet(game, s, TpcSlow, s.tpcSlow, kTwoRestX, {0, 1}, kTpcHome,
                 [](size_t i) { return std::string(kTpcTexts[i]); });
    if (s.step >= CpuLevel) drawCpuLevel(game, s);
}

// ---- keys ---------------------------------------------------------------------------

/// The fighter lists: Up and Down along the list (BETABOY below INTERRUPTER once
/// unlocked), Right and Left between HONEKAWA and its hidden variant.
int16_t nextFighter(int16_t v, int16_t key, const StateOfStage& stage) {
    switch (key) {
    case keycode::Up:
        if (v >= 1 && v <= 5) return static_cast<int16_t>(v - 1);
        if (v == fighter::Betaboy) return fighter::Interrupter;
        break;
    case keycode::Down:
        if (v < 5) return static_cast<int16_t>(v + 1);
        if (v == fighter::Interrupter && stage.secretBetaBoy) return fighter::Betaboy;
        break;
    case keycode::Right:
        if (v == fighter::Honekawa && stage.secretHonekawa) return fighter::HiddenHonekawa;
        break;
    case keycode::Left:
        if (v == fighter::HiddenHonekawa && stage.secretHonekawa) return fighter::Honekawa;
        break;
    default:
        break;
    }
    return v;
}

/// The other steps: Up and Down by one within 0..last; the computer level also moves by
/// ten with Left and Right.
int16_t nextChoice(int16_t v, int16_t key, int16_t step) {
    int16_t last = 2;
    if (step == trainingstep::KeyMode || step == trainingstep::TpcSlow) last = 1;
    if (step == trainingstep::CpuLevel) last = kCpuLevelMax;
    switch (key) {
    case keycode::Up:
        return v > 0 ? static_cast<int16_t>(v - 1) : v;
    case keycode::Down:
        return v < last ? static_cast<int16_t>(v + 1) : v;
    case keycode::Right:
        if (step == trainingstep::CpuLevel)
            return static_cast<int16_t>(std::min<int>(v + kCpuLevelStep, kCpuLevelMax));
        break;
    case keycode::Left:
        if (step == trainingstep::CpuLevel)
            return static_cast<int16_t>(std::max<int>(v - kCpuLevelStep, 0));
        break;
    default:
        break;
    }
    return v;
}

void handleKey(EngineContext& game, TrainingSelectScreen& s, const StateOfStage& stage, int16_t key) {
    using namespace trainingstep;
    if (key == keycode::Enter) {
        if (s.step < Closing) {
            soundPlay(game, kNextSound);
            ++s.step;
            trainingPanelsReset(s, s.step);
        }
        return;
    }
    if (key == keycode::Space) {
        if (s.step > Fighter1) {
            soundPlay(game, kBackSound);
            --s.step;
            trainingPanelsReset(s, s.step);
            if (s.step == SuperArt1) s.portrait2X = kPortrait2Restart;
        }
        return;
    }
    if (s.step == Closing) return;

    int16_t& v = setting(game, trainingSettingOf(s.step));
    const bool fighterStep = s.step == Fighter1 || s.step == Fighter2;
    const int16_t next = fighterStep ? nextFighter(v, key, stage) : nextChoice(v, key, s.step);
    if (next == v) return;
    v = next;
    if (fighterStep) {
        soundPlay(game, kMenuSound);
        if (s.step == Fighter1)
            s.portrait1X = kPortrait1Start;
        else
            s.portrait2X = kPortrait2Restart;
    } else {
        soundPlay(game, kChoiceSound);
    }
}

/// Hands the choices to the fighters and the match state.
void applyChoices(EngineContext& game, Character& player1, Character& player2, StateOfStage& stage) {
    using namespace gamesetting;
    player1.CharaNameSetFromNumber(setting(game, TrainingFighter1));
    player1.spacornType = setting(game, TrainingSuperArt1);
    player2.CharaNameSetFromNumber(setting(game, TrainingFighter2));
    player2.spacornType = setting(game, TrainingSuperArt2);
    stage.speedSelect(setting(game, TrainingSpeed));
    game.engine.keyCount = setting(game, TrainingKeyMode) > 0 ? kNormalKeyCount : kEasyKeyCount;
    stage.TPCSlow = setting(game, TrainingTpcSlow) == 0;
    player2.cpuLevel = setting(game, TrainingCpuLevel);
    musicStopAll(game);
}

}  // namespace

void trainingPanelsReset(TrainingSelectScreen& s, int16_t step) {
    using namespace trainingstep;
    switch (step) {
    case SuperArt1: s.superArt1 = kThreeStart; break;
    case SuperArt2: s.superArt2 = kThreeStart; break;
    case Speed: s.speed = kThreeStart; break;
    case KeyMode: s.keyMode = kTwoStart; break;
    case TpcSlow: s.tpcSlow = kTwoStart; break;
    case CpuLevel: s.cpuLevel = kLevelStart; break;
    default: break;
    }
}

void trainingSelectBegin(EngineContext& game, TrainingSelectScreen& s) {
    s = TrainingSelectScreen{};
    for (int16_t step = trainingstep::SuperArt1; step < trainingstep::Closing; ++step)
        trainingPanelsReset(s, step);
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    musicPlay(game, kTrainingSetUpTune, kUsualMusicVolume);
    game.platform.pumpEvents();
}

void trainingSelectPass(EngineContext& game, TrainingSelectScreen& s, Character& player1,
                        Character& player2, StateOfStage& stage) {
    if (s.leave) {
        applyChoices(game, player1, player2, stage);
        s.finished = true;
        return;
    }
    drawSetup(game, s, player1, player2, stage);
    handleKey(game, s, stage, inkeyEdge(game));
    if (s.step == trainingstep::Closing && shutterTransition(game, kShutterClose) == kShutterClosed)
        s.leave = true;
    screenFlip(game);
    inkeyRead(game);
}

void trainingSelect(EngineContext& game, Character& player1, Character& player2, StateOfStage& stage) {
    TrainingSelectScreen s;
    trainingSelectBegin(game, s);
    while (!s.finished) trainingSelectPass(game, s, player1, player2, stage);
}

void trainingRecover(EngineContext& game, Character& player1, Character& player2) {
    for (Character* c : {&player1, &player2}) {
        if (c->comboCount == 0 && c->viTality != 254) {
            c->viTality += 1;
            if (c->viTality > 254) c->viTality = 254;
        }
        // A training fighter is never knocked out.
        if (c->viTality <= 0) c->viTality = 1;
        spacornGaugeAdd(game, *c, 1.0);
    }
}

void trainingPauseMenuPass(EngineContext& game, TrainingPauseMenu& m) {
    EngineState& e = game.engine;
    switch (inkeyEdge(game)) {
    case keycode::Space:
        e.playMode = PlayMode::Training;
        m.leave = true;
        break;
    case keycode::Enter:
        e.playMode = m.cursor == pauseitem::BackToTitle ? PlayMode::Arcade : PlayMode::Training;
        // Both other choices abort the match; as an arcade game it ends at the score
        // screen, which has nothing to score for it.
        if (m.cursor != pauseitem::Continue) e.returnToTitle = kTrue;
        m.leave = true;
        break;
    case keycode::Up:
        if (m.cursor > pauseitem::Continue) {
            --m.cursor;
            soundPlay(game, kMenuSound);
        }
        break;
    case keycode::Down:
        if (m.cursor < pauseitem::BackToTitle) {
            ++m.cursor;
            soundPlay(game, kMenuSound);
        }
        break;
    default:
        break;
    }
    blitSheet(game, 460, 1070, 420, 120, 200, 100, 300, 300);
    textFontSet(game, 10, kTextBlack);
    for (size_t i = 0; i < kPauseMenuItems.size(); ++i)
        drawText(game, 240, 180 + 40 * static_cast<int32_t>(i), kPauseMenuItems[i]);
    drawMenuText(game, kTextRed, 240, 180 + 40 * m.cursor,
                 kPauseMenuItems[static_cast<size_t>(m.cursor)]);
    screenFlip(game);
    inkeyRead(game);
}

void trainingPauseMenu(EngineContext& game) {
    TrainingPauseMenu m;
    while (!m.leave) trainingPauseMenuPass(game, m);
}

}  // namespace morvek
