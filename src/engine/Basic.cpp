#include "engine/Basic.h"

#include <cmath>
#include <limits>

namespace morvek {

namespace {
template <typename T>
T roundHalfEvenSaturating(double v) {
    if (std::isnan(v)) return 0;
    // nearbyint follows the current rounding mode, which is round-half-to-even by default.
    const double r = std::nearbyint(v);
    if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}
}  // namespace

int16_t cint16(double v) { return roundHalfEvenSaturating<int16_t>(v); }
int32_t cint32(double v) { return roundHalfEvenSaturating<int32_t>(v); }
uint8_t cbyte(double v) { return roundHalfEvenSaturating<uint8_t>(v); }

double Int(double x) { return std::floor(x); }
double Fix(double x) { return std::trunc(x); }

int32_t Mod(double a, double b) {
    const int32_t ia = cint32(a);
    const int32_t ib = cint32(b);
    if (ib == 0) return 0;
    // int64 avoids the INT32_MIN % -1 overflow
    return static_cast<int32_t>(static_cast<int64_t>(ia) % static_cast<int64_t>(ib));
}

int32_t Len(std::string_view utf8) {
    int32_t n = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++n;  // count every byte that starts a code point
    }
    return n;
}

void Random::reseed(uint32_t seed) {
    state_ = seed & 0xFFFFFFu;
    scripted_.clear();
    scriptPos_ = 0;
}

double Random::next() {
    if (scriptPos_ < scripted_.size()) return scripted_[scriptPos_++];
    // A 24-bit linear congruential generator: cheap, deterministic for a seed.
    state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
    return static_cast<double>(state_) / 16777216.0;
}

void Random::script(std::vector<double> values) {
    scripted_ = std::move(values);
    scriptPos_ = 0;
}

}  // namespace morvek
