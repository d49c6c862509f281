#pragma once
// The concrete move-set modules by fighter number, for the battle's MoveSetRegistry.

#include <cstdint>
#include <memory>

#include "battle/MoveSetRegistry.h"

namespace morvek {

/// A new module object for a fighter number, or nullptr outside 0-8.
std::unique_ptr<MoveSet> makeMoveSet(int16_t number);

}  // namespace morvek
