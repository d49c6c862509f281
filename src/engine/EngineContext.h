#pragma once
// The context the engine works on: the machine, the one random source and the engine's
// state. The battle's context extends it, and the game's extends that, so a Game converts
// to it and an engine procedure cannot reach anything above the engine.

#include "engine/Basic.h"
#include "engine/EngineState.h"
#include "platform/Platform.h"

namespace morvek {

struct EngineContext {
    explicit EngineContext(Platform& p) : platform(p) {}
    EngineContext(const EngineContext&) = delete;
    EngineContext& operator=(const EngineContext&) = delete;

    Platform& platform;
    Random random;

    EngineState engine;  ///< devices' game-side state, palettes, keys, screens' globals

protected:
    ~EngineContext() = default;
};

}  // namespace morvek
