#pragma once
// The game context: everything that was module-level state in the original program,
// owned in one place so a test can build a fresh game on a headless platform.
//
// Each subsystem keeps its state in one named object declared in its own header; the
// game's procedures are free functions taking `Game&` first, named as the game names them
// (soundPlay(game, 22), inkeyRead(game), battleLoop(game)...).

#include "battle/BattleState.h"
#include "engine/Basic.h"
#include "engine/EngineState.h"
#include "platform/Platform.h"
#include "platform/Surface8.h"

namespace morvek {

struct Game {
    explicit Game(Platform& p) : platform(p) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Platform& platform;
    Random random;

    EngineState engine;   ///< devices' game-side state, palettes, keys, screens' globals
    BattleState battle;   ///< the fighters, the match state and the battle's globals
};

}  // namespace morvek
