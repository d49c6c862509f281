#pragma once
// Small pieces every move set uses alike.

#include <cstdint>
#include <span>

namespace morvek {

class Random;

/// The computer's pick of a typed word: one draw, Int(r x n + 1), names the word of `words`
/// with equal chances; the pick stays inside the list whatever the draw.
int16_t pickWord(Random& random, std::span<const int16_t> words);

}  // namespace morvek
