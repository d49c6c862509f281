#pragma once
// The game context: all of the game's state that would otherwise be module-level globals,
// owned in one place so a test can build a fresh game on a headless platform.
//
// The contexts nest by layer: EngineContext (platform, random source, engine state) <
// BattleContext (+ battle state, match hooks) < Game. Each procedure takes the narrowest
// one it needs, named `game` throughout, so a Game converts to any of them. Game adds
// only the wiring: the concrete move-set modules and the match modes' screens.

#include <memory>

#include "battle/BattleContext.h"
#include "battle/MatchHooks.h"

namespace morvek {

struct Game : BattleContext {
    explicit Game(Platform& p);
    ~Game();

private:
    std::unique_ptr<MatchHooks> modes_;
};

}  // namespace morvek
