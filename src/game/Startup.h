#pragma once
// The program's entry and its control flow outside a match: start-up, the title loop and
// the endless outer loop.

#include <cstdint>
#include <string>

namespace morvek {

struct BattleContext;
struct EngineContext;

/// The speed given at the end of start-up when the title loop's screens left it unset; a
/// key count left unset becomes NORMAL KEY's.
inline constexpr int16_t kDefaultGameSpeed = 26;

/// Where the loading picture is read from: the current folder, else the program folder.
std::string loadingPicturePath(EngineContext& game);

/// The non-display devices: every sound (then sound 0 plays), the keyboard, every tune.
void dxInit(EngineContext& game);

/// Starts the game and runs it; never returns (the game ends by GameExitRequest).
[[noreturn]] void Form_Load(BattleContext& game);

/// The start-up steps up to and including the title loop and the defaults; Form_Load
/// then enters the outer loop.
void startUp(BattleContext& game);

/// The title loop: the title screen and the menus it leads to, until a game, a training
/// or the tutorial is chosen.
void titleMenuLoop(BattleContext& game);

/// What follows a match, by `nextStep`: the character select, the ladder's next opponent,
/// the score screen and then the title loop, or the training set-up; the same stage again
/// and any other value nothing.
void outerLoopNextStep(BattleContext& game);

/// One turn of the outer loop: the match with its set-up (matchTurn), then the next step.
void outerLoopTurn(BattleContext& game);

}  // namespace morvek
