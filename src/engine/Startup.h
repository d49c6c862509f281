#pragma once
// The program's entry and its control flow outside a match: start-up, the title loop and
// the endless outer loop.

#include <string>

namespace morvek {

struct Game;

/// Defaults given at the end of start-up when the title loop's screens left them unset.
inline constexpr int16_t kDefaultKeyCount = 40;
inline constexpr int16_t kDefaultGameSpeed = 26;

/// Where the loading picture is read from: the current folder, else the program folder.
std::string loadingPicturePath(Game& game);

/// The non-display devices: every sound (then sound 0 plays), the keyboard, every tune.
void dxInit(Game& game);

/// Starts the game and runs it; never returns (the game ends by GameExitRequest).
[[noreturn]] void Form_Load(Game& game);

/// The start-up steps up to and including the title loop and the defaults; Form_Load
/// then enters the outer loop.
void startUp(Game& game);

/// The title loop: the title screen and the menus it leads to, until a game, a training
/// or the tutorial is chosen.
void titleMenuLoop(Game& game);

/// One turn of the outer loop.
void outerLoopTurn(Game& game);

}  // namespace morvek
