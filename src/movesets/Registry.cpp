#include "movesets/Registry.h"

#include "battle/Roster.h"
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
        case fighter::Morvekboy: return std::make_unique<Morvekboy>();
        case fighter::Ginzamurai: return std::make_unique<Ginzamurai>();
        case fighter::Nangief: return std::make_unique<Nangief>();
        case fighter::Honekawa: return std::make_unique<Honekawa>();
        case fighter::Gouda: return std::make_unique<Gouda>();
        case fighter::Interrupter: return std::make_unique<Interrupter>();
        case fighter::Buri: return std::make_unique<Buri>();
        case fighter::God: return std::make_unique<God>();
        case fighter::Betaboy: return std::make_unique<Betaboy>();
        default: return nullptr;
    }
}

}  // namespace morvek
