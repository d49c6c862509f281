#pragma once
// GOUDA's move set.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Gouda : public MoveSet {};

}  // namespace morvek
