#pragma once
// The ending after G O D falls: white text pages on black under the ending tune, each
// advanced by Enter, closing with "F　I　N".

#include <cstdint>

namespace morvek {

struct EngineContext;

/// The page after which the ending is over.
inline constexpr int16_t kEndingLastPage = 7;

/// One visit of the ending, steppable pass by pass.
struct EndingScreen {
    int16_t page = 0;
    bool done = false;
};

void endingBegin(EngineContext& game, EndingScreen& s);
void endingPass(EngineContext& game, EndingScreen& s);
void endingEnd(EngineContext& game, EndingScreen& s);
/// Blocks until the seventh Enter press.
void endingScreen(EngineContext& game);

}  // namespace morvek
