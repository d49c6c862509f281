#pragma once
// NANGIEF's move set: the grappler.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Nangief : public MoveSet {};

}  // namespace morvek
