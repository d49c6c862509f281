#pragma once
// The VS screen before every arcade match, and the small wait for Enter with the prompt.

#include <cstdint>

#include "battle/Roster.h"
#include "engine/Screen.h"

namespace morvek {

struct EngineContext;
class Character;
class StateOfStage;

/// The jingle of the VS screen: a separate one against G O D.
constexpr int16_t vsJingleFor(int16_t opponentNumber) { return opponentNumber == fighter::God ? 133 : 132; }

/// One visit of the VS screen, steppable pass by pass.
struct VsScreen {
    int16_t phase = 0;          ///< 0 jingle, 1 slide, 2 texts, 3 shutter
    int16_t leftX = -200;
    int16_t rightX = 540;
    double textsSince = 0;      ///< monotonic seconds at which phase 2 began
    bool done = false;
};

void vsScreenBegin(EngineContext& game, VsScreen& s);
void vsScreenPass(EngineContext& game, VsScreen& s, const Character& player1, const Character& player2,
                  const StateOfStage& stage);
/// Shows both fighters, the settings and the super arts; Enter skips after 2 s, and the
/// screen moves on by itself after 4 s. Leaves the shutter closed.
void vsScreen(EngineContext& game, const Character& player1, const Character& player2,
              const StateOfStage& stage);


}  // namespace morvek
