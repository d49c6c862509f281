#pragma once
// Keyboard scan codes by key position. The game's key tables are written in these codes
// (the classic PC set-1 scan codes, extended keys with bit 7 set); each platform maps its
// own physical key positions onto them, so the game works on any keyboard layout.

#include <array>
#include <cstdint>

namespace morvek::key {

constexpr uint8_t Escape = 0x01;
constexpr uint8_t Digit1 = 0x02;  // Digit1..Digit0 are 0x02..0x0B in row order
constexpr uint8_t Digit0 = 0x0B;
constexpr uint8_t Q = 0x10;       // Q..P are 0x10..0x19
constexpr uint8_t P = 0x19;
constexpr uint8_t Return = 0x1C;
constexpr uint8_t LeftCtrl = 0x1D;
constexpr uint8_t A = 0x1E;       // A..L and ';' are 0x1E..0x27
constexpr uint8_t D = 0x20;
constexpr uint8_t K = 0x25;
constexpr uint8_t Semicolon = 0x27;
constexpr uint8_t LeftShift = 0x2A;
constexpr uint8_t Z = 0x2C;       // Z..M, ',', '.', '/' are 0x2C..0x35
constexpr uint8_t C = 0x2E;
constexpr uint8_t Comma = 0x33;
constexpr uint8_t Slash = 0x35;
constexpr uint8_t Space = 0x39;
constexpr uint8_t F1 = 0x3B;
constexpr uint8_t Keypad8 = 0x48;
constexpr uint8_t Keypad4 = 0x4B;
constexpr uint8_t Keypad6 = 0x4D;
constexpr uint8_t Keypad2 = 0x50;
constexpr uint8_t F12 = 0x58;
constexpr uint8_t RightCtrl = 0x9D;
constexpr uint8_t Up = 0xC8;
constexpr uint8_t Left = 0xCB;
constexpr uint8_t Right = 0xCD;
constexpr uint8_t Down = 0xD0;

/// A key's byte is 0x80 while it is down, 0 otherwise.
constexpr uint8_t IsDown = 0x80;

}  // namespace morvek::key

namespace morvek {
/// The whole keyboard, one byte per scan code.
using KeyboardState = std::array<uint8_t, 256>;
}  // namespace morvek
