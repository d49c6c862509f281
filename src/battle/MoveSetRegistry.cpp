#include "battle/MoveSetRegistry.h"

namespace morvek {

MoveSet* MoveSetRegistry::find(int16_t number) {
    if (number < 0 || number >= kFighterCount) return nullptr;
    auto& slot = sets_[static_cast<size_t>(number)];
    if (!slot && maker_) slot = maker_(number);
    return slot.get();
}

}  // namespace morvek
