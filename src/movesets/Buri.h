#pragma once
// BURI's move set: the small, projectile-only form of the final boss.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Buri : public MoveSet {};

}  // namespace morvek
