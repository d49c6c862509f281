#pragma once
// The roster: the fighters' numbers, and a fighter's fixed data by file stem.

#include <cstdint>
#include <string_view>

namespace morvek {

/// The fighters' numbers (Character::NUMBER): the move set, the roster row and every rule
/// that belongs to one fighter go by them.
namespace fighter {
inline constexpr int16_t Morvekboy = 0;
inline constexpr int16_t Ginzamurai = 1;
inline constexpr int16_t Nangief = 2;
inline constexpr int16_t Honekawa = 3;
inline constexpr int16_t Gouda = 4;
inline constexpr int16_t Interrupter = 5;
inline constexpr int16_t Buri = 6;
inline constexpr int16_t God = 7;
inline constexpr int16_t Betaboy = 8;
/// Never a NUMBER: the selects' value for HONEKAWA's hidden variant, which becomes
/// Honekawa with ReverseCharaFlag set once its name is set.
inline constexpr int16_t HiddenHonekawa = 9;
}  // namespace fighter

/// GINZAMURAI and HONEKAWA: the fighters whose super art calls servants, which are drawn
/// and strike beside them while their SPspacornTimer runs.
inline constexpr bool hasServants(int16_t number) {
    return number == fighter::Ginzamurai || number == fighter::Honekawa;
}

class Character;

/// Writes the row of the stem (display name, cell size, picture, margins, jumps, stun,
/// defence, EX cost, NUMBER, second spacorn art, servants, and the spacorn data of its
/// spacornType); then, for any stem, refills stunGauge and airialJumpCount.
void charaBaseSet(Character& chara, std::string_view name);

}  // namespace morvek
