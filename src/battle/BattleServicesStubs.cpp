// TEMPORARY minimal bodies of procedures that other modules own (effect, projectile and
// emblem drawing, the result screens' name table, servants), so the tree links
// before they land. Each owner: define the procedure in your module and delete its stub
// here; delete this file once it is empty.

#include "battle/BattleServices.h"

#include "battle/Character.h"
#include "engine/Game.h"

namespace morvek {

void godSpeechDraw(Game&, StateOfStage&, Character&, Character&) {}

}  // namespace morvek
