#pragma once
// The computer opponent's tick (player 2 is always the computer) and the small services
// every move set's computer procedures share: dice, the distances of two fighters' centres
// and the typing-combo choice.

#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// Once per battle frame, before the keyboard is handled: decides whether the computer acts
/// in this frame (by cpuLevel and the run-long counters cpuTick10/cpuTick30), hands over to
/// its move set's decision (slot 11) or typing-combo step (slot 12), and gets a lying
/// computer up. Advances both counters on every call.
void cpuThinkTick(BattleContext& game, Character& cpu, Character& opponent);

/// A whole number from 1 to n with equal chances: Int(n * r + 1).
int16_t dice(EngineContext& game, int16_t n);

/// Horizontal distance of the two fighters' centres, rounded half to even.
int16_t distanceX(const Character& a, const Character& b);
/// Vertical distance of the two fighters' centres, rounded half to even.
int16_t distanceY(const Character& a, const Character& b);

/// The typing-combo choice 0-3 shared by the computer's combo steps: 3 with three chances
/// in eight; else 2 when far (distX >= 100 or distY >= 200); else 1 or 0 by a second roll.
/// The fighters themselves are not consulted.
uint8_t cpuTPCChoice(EngineContext& game, const Character& cpu, const Character& opponent, int16_t distX,
                     int16_t distY);

}  // namespace morvek
