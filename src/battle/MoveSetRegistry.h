#pragma once
// The fighters' move-set modules by fighter number (fighter::, battle/Roster.h). A number
// outside 0-8 has no module. The battle knows only the interface; the game layer hands the registry
// the maker of the concrete modules.

#include <array>
#include <cstdint>
#include <memory>

#include "battle/MoveSet.h"

namespace morvek {

constexpr int kFighterCount = 9;

/// One module object per fighter, created on first use and kept for the whole run.
class MoveSetRegistry {
public:
    using Maker = std::unique_ptr<MoveSet> (*)(int16_t number);

    /// The maker of new module objects (nullptr outside 0-8); without one, no fighter has
    /// a module.
    void setMaker(Maker maker) { maker_ = maker; }
    /// The module of the number, or nullptr outside 0-8.
    MoveSet* find(int16_t number);

private:
    Maker maker_ = nullptr;
    std::array<std::unique_ptr<MoveSet>, kFighterCount> sets_;
};

}  // namespace morvek
