// TEMPORARY empty bodies that keep the tree linking until MORVEKBOY's module is written.
// "morvek": delete each stub below as you define the slot in your own Morvekboy*.cpp,
// and delete this file once it is empty.

#include "movesets/Morvekboy.h"

namespace morvek {

void Morvekboy::CPUThink(Game&, Character&, Character&) {}
void Morvekboy::CPUTPC(Game&, Character&, Character&) {}
void Morvekboy::CPUSpacorn(Game&, Character&, Character&) {}

}  // namespace morvek
