#pragma once
// The fighters' move-set modules by fighter number: 0 MORVEKBOY, 1 GINZAMURAI, 2 NANGIEF,
// 3 HONEKAWA, 4 GOUDA, 5 INTERRUPTER, 6 BURI, 7 G O D, 8 BETABOY. A number outside 0-8
// has no module.

#include <array>
#include <cstdint>
#include <memory>

#include "movesets/MoveSet.h"

namespace morvek {

constexpr int kFighterCount = 9;

/// A new module object for a fighter number, or nullptr outside 0-8.
std::unique_ptr<MoveSet> makeMoveSet(int16_t number);

/// One module object per fighter, created on first use and kept for the whole run.
class MoveSetRegistry {
public:
    /// The module of the number, or nullptr outside 0-8.
    MoveSet* find(int16_t number);

private:
    std::array<std::unique_ptr<MoveSet>, kFighterCount> sets_;
};

}  // namespace morvek
