#pragma once
// GINZAMURAI's move set: the swordsman, with one clone servant.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Ginzamurai : public MoveSet {};

}  // namespace morvek
