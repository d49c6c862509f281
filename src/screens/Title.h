#pragma once
// The title screen and main menu.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/GenericObject.h"
#include "engine/Screen.h"

namespace morvek {

struct EngineContext;

/// Main-menu positions (the value openingTitle returns).
namespace titlemenu {
constexpr int16_t Tutorial = -1;
constexpr int16_t GameStart = 0;
constexpr int16_t Training = 1;
constexpr int16_t Option = 2;
constexpr int16_t ScoreRanking = 3;
}  // namespace titlemenu

struct TitleMenuItem {
    std::string_view label;
    int16_t x;
};
/// Labels by cursor + 1 (TUTORIAL stands above GAME START), drawn alone at y 400.
inline constexpr std::array<TitleMenuItem, 5> kTitleMenuItems{{
    {"TUTORIAL", 265},
    {"GAME START", 250},
    {"TRAINING", 265},
    {"OPTION", 280},
    {"SCORE RANKING", 240},
}};
inline constexpr int16_t kTitleMenuY = 400;

/// The title's two lines, faded in and out before the picture.
inline constexpr std::string_view kTitleLine = "FOR TYPING FIGHTERS";
inline constexpr std::string_view kCreditLine = "PRESENTED BY THE MORVEK TEAM";
/// The game's full title with its subtitle, in the one wording every screen uses.
inline constexpr std::string_view kFullTitle = "MORVEK ～FOR TYPING FIGHTERS～";
static_assert(kFullTitle.find(kTitleLine) != std::string_view::npos,
              "the full title carries the title screen's subtitle");

/// The marker cell of the common sheet for the menu's animation counter (0-9).
constexpr int16_t titleMarkerCellX(int16_t frameCount) {
    if (frameCount <= 3) return 261;
    if (frameCount <= 6) return 291;
    return 321;
}

/// One visit of the title screen: its locals, so a test can step it pass by pass.
struct TitleScreen {
    genericObject obj;          ///< GUIcount: the state 0-8; frameCount: marker animation
    int16_t cursor = 0;         ///< -1 TUTORIAL .. 3 SCORE RANKING
    bool enterLatch = false;    ///< an Enter press was counted; no key released since
    bool leaveTitle = false;    ///< the loop ends after this pass
};

/// Set-up: opens the shutter, loads the title picture, font, black palette, presents.
void openingTitleBegin(EngineContext& game, TitleScreen& t);
/// One pass of the loop: keys, the state blocks, present, 10 ms wait.
void openingTitlePass(EngineContext& game, TitleScreen& t);
/// After the loop: titleChoice, fixed colours, white screen; returns the choice.
int16_t openingTitleEnd(EngineContext& game, TitleScreen& t);

/// The title screen: returns -1 TUTORIAL, 0 GAME START, 1 TRAINING, 2 OPTION or
/// 3 SCORE RANKING, also kept in titleChoice.
int16_t openingTitle(EngineContext& game);


}  // namespace morvek
