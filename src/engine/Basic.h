#pragma once
// The number and string rules the game's arithmetic was written against.
//
// Integer fields are 16-bit; storing a fraction into one rounds to the nearest integer
// with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). We saturate
// at the limits instead of failing. Int() is floor, Fix() truncates toward zero, Mod
// rounds both operands first. True is -1.

#include <cstdint>
#include <string_view>
#include <vector>

namespace morvek {

using Bool16 = int16_t;
constexpr Bool16 kTrue = -1;
constexpr Bool16 kFalse = 0;
constexpr Bool16 toBool16(bool b) { return b ? kTrue : kFalse; }

/// Rounds half to even and saturates to the 16-bit range: the store into an Integer field.
int16_t cint16(double v);
/// The same for 32-bit fields.
int32_t cint32(double v);
/// The same for 8-bit unsigned fields (0..255).
uint8_t cbyte(double v);

/// Largest integer not above x (Int(-0.6) = -1).
double Int(double x);
/// x truncated toward zero (Fix(-0.6) = 0).
double Fix(double x);
/// Remainder of the operands rounded half to even; takes the sign of the dividend.
/// A zero divisor gives 0 instead of failing.
int32_t Mod(double a, double b);

/// Number of characters as the game counts them: Unicode code points of UTF-8 text.
int32_t Len(std::string_view utf8);

/// The game's one random source: r in [0, 1). Seeded once; tests may script the values.
class Random {
public:
    explicit Random(uint32_t seed = 0) { reseed(seed); }
    void reseed(uint32_t seed);
    /// Next r in [0, 1).
    double next();
    /// From now on next() returns these values in turn (then resumes the generator).
    void script(std::vector<double> values);

private:
    uint32_t state_ = 0;
    std::vector<double> scripted_;
    size_t scriptPos_ = 0;
};

}  // namespace morvek
