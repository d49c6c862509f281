// TEMPORARY empty bodies that keep the tree linking until MORVEKBOY's module is written.
// "morvek": delete each stub below as you define the slot in your own Morvekboy*.cpp,
// and delete this file once it is empty.

#include "movesets/Morvekboy.h"

namespace morvek {

void Morvekboy::AnimAction(Game&, Character&, Character&) {}
void Morvekboy::AttackSelect(Game&, Character&, int16_t) {}
void Morvekboy::MoveSelect(Game&, Character&, int16_t) {}
void Morvekboy::TPCFollow(Game&, Character&) {}
void Morvekboy::TPCSecond(Game&, Character&) {}
void Morvekboy::FlyArtsAnimPat(Game&, Character&, Rect&, flyArts&) {}
void Morvekboy::FlyArtsLaunch(Game&, Character&, int16_t) {}
void Morvekboy::FAMorfizm(Game&, Character&, flyArts&) {}
void Morvekboy::CPUThink(Game&, Character&, Character&) {}
void Morvekboy::CPUTPC(Game&, Character&, Character&) {}
void Morvekboy::CPUSpacorn(Game&, Character&, Character&) {}

}  // namespace morvek
