#pragma once
// INTERRUPTER's move set: the first boss.
// Its procedures come with the fighter; until then every slot does nothing.

#include "movesets/MoveSet.h"

namespace morvek {

class Interrupter : public MoveSet {};

}  // namespace morvek
