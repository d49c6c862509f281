#pragma once
// BETABOY's move set: MORVEKBOY's hidden variant.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Betaboy : public MoveSet {};

}  // namespace morvek
