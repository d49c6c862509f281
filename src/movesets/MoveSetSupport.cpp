#include "movesets/MoveSetSupport.h"

#include <algorithm>

#include "engine/Basic.h"

namespace morvek {

int16_t pickWord(Random& random, std::span<const int16_t> words) {
    const auto n = static_cast<double>(words.size());
    const double place = Int(random.next() * n + 1);
    const auto index = static_cast<size_t>(std::clamp(place, 1.0, n)) - 1;
    return words[index];
}

}  // namespace morvek
