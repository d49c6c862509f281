#include "movesets/Registry.h"

#include "movesets/Betaboy.h"
#include "movesets/Buri.h"
#include "movesets/Ginzamurai.h"
#include "movesets/God.h"
#include "movesets/Gouda.h"
#include "movesets/Honekawa.h"
#include "movesets/Interrupter.h"
#include "movesets/Morvekboy.h"
#include "movesets/Nangief.h"

namespace morvek {

std::unique_ptr<MoveSet> makeMoveSet(int16_t number) {
    switch (number) {
        case 0: return std::make_unique<Morvekboy>();
        case 1: return std::make_unique<Ginzamurai>();
        case 2: return std::make_unique<Nangief>();
        case 3: return std::make_unique<Honekawa>();
        case 4: return std::make_unique<Gouda>();
        case 5: return std::make_unique<Interrupter>();
        case 6: return std::make_unique<Buri>();
        case 7: return std::make_unique<God>();
        case 8: return std::make_unique<Betaboy>();
        default: return nullptr;
    }
}

}  // namespace morvek
