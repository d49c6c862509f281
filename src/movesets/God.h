#pragma once
// G O D's move set: the final boss.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class God : public MoveSet {};

}  // namespace morvek
