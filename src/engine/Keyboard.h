#pragma once
// The one keyboard reader. Every key the game reacts to passes through inkeyRead, which
// also runs the F1 handler, the Escape exit and the debug palette keys.

#include <array>
#include <cstddef>
#include <cstdint>

namespace morvek {

struct EngineContext;

/// Key codes the game works with (1-40 are the letter grid by position).
namespace keycode {
constexpr int16_t None = 0;
constexpr int16_t Space = 50;
constexpr int16_t Enter = 60;
constexpr int16_t F12 = 61;
constexpr int16_t Ctrl = 65;
constexpr int16_t Up = 71;
constexpr int16_t Down = 72;
constexpr int16_t Left = 73;
constexpr int16_t Right = 74;
}  // namespace keycode

struct KeyCodeEntry {
    uint8_t scanCode;
    int16_t code;
};

/// The keys that give a code, in priority order: when several are down, the last one
/// down in this order wins (Space beats every letter, Right beats Up).
inline constexpr std::array<KeyCodeEntry, 49> kKeyCodeTable = [] {
    std::array<KeyCodeEntry, 49> t{};
    std::size_t n = 0;
    for (int i = 0; i < 10; ++i) t[n++] = {uint8_t(0x02 + i), int16_t(1 + i)};   // 1..0
    for (int i = 0; i < 10; ++i) t[n++] = {uint8_t(0x10 + i), int16_t(11 + i)};  // Q..P
    for (int i = 0; i < 10; ++i) t[n++] = {uint8_t(0x1E + i), int16_t(21 + i)};  // A..;
    for (int i = 0; i < 10; ++i) t[n++] = {uint8_t(0x2C + i), int16_t(31 + i)};  // Z../
    t[n++] = {0x39, keycode::Space};
    t[n++] = {0x1C, keycode::Enter};
    t[n++] = {0x58, keycode::F12};
    t[n++] = {0x1D, keycode::Ctrl};  // left Ctrl
    t[n++] = {0x9D, keycode::Ctrl};  // right Ctrl
    t[n++] = {0xC8, keycode::Up};
    t[n++] = {0xD0, keycode::Down};
    t[n++] = {0xCB, keycode::Left};
    t[n++] = {0xCD, keycode::Right};
    return t;
}();

/// Reads the keyboard: F1 handler, Escape ends the game, debug palette keys; then the
/// code of the keys down (0 when none of the table's keys is down).
int16_t inkeyRead(EngineContext& game);

/// One code per press: the code of a fresh read on the first call after a key went down,
/// else 0. Re-arms only after a read that finds no key down. Reads two or three times.
int16_t inkeyEdge(EngineContext& game);

/// True while Left Shift is down (a plain read, without inkeyRead's side effects).
bool shiftKeyDown(EngineContext& game);

/// The game's only blocking pause (hit stop, slow motion).
void sleepMs(EngineContext& game, uint32_t ms);

}  // namespace morvek
