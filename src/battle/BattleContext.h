#pragma once
// The context the battle works on: the engine's context plus the battle state, and the
// match modes' hooks the game layer lends it. The match drawing, the move sets and the
// screens take it too; only the game layer at the top knows the whole Game.

#include "battle/BattleState.h"
#include "engine/EngineContext.h"

namespace morvek {

class MatchHooks;

struct BattleContext : EngineContext {
    explicit BattleContext(Platform& p) : EngineContext(p) {}

    BattleState battle;  ///< the fighters, the match state and the battle's globals
    /// The training and tutorial steps the battle calls; nullptr: none.
    MatchHooks* hooks = nullptr;

protected:
    ~BattleContext() = default;
};

}  // namespace morvek
