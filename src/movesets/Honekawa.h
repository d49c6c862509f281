#pragma once
// HONEKAWA's move set: the kung-fu fighter, with three servants; no projectiles.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Honekawa : public MoveSet {};

}  // namespace morvek
