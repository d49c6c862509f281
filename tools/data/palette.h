#pragma once
// Which palette entries the pictures use. Pixel values are the game's palette indexes.
// Fighters, effects, the HUD, letters and portraits use entries that keep their colour in
// every palette (so they stay visible while the stage darkens for targeting and on the
// super-art flash); stage backgrounds use the entries that dim. Entries whose colour
// changes at the first palette restore are never used. Index 0 is the transparent key of
// the keyed sheets: visible black there is kBlack (255).

#include <cstdint>

#include "engine/Palettes.h"
#include "platform/Platform.h"

namespace morvek::data {

// ---- fixed brightness -----------------------------------------------------------
inline constexpr uint8_t kClear = 0;       // transparent in keyed sheets
inline constexpr uint8_t kBlack = 255;     // (0,0,0), never changes
inline constexpr uint8_t kBlack2 = 67;     // (0,0,0), follows the fades
inline constexpr uint8_t kWhite = 188;     // (255,255,255)
inline constexpr uint8_t kWhite2 = 246;
inline constexpr uint8_t kRed = 4;         // (255,0,0)
inline constexpr uint8_t kRed2 = 176;
inline constexpr uint8_t kDarkRed = 51;    // (128,0,0)
inline constexpr uint8_t kOrange = 33;     // (255,128,0)
inline constexpr uint8_t kYellow = 46;     // (255,255,0)
inline constexpr uint8_t kSkin = 118;      // (255,177,88)
inline constexpr uint8_t kGreen = 44;      // (0,220,88)
inline constexpr uint8_t kLime = 53;       // (127,255,0)
inline constexpr uint8_t kYellowGreen = 250;  // (185,255,0)
inline constexpr uint8_t kOlive = 141;     // (180,220,80)
inline constexpr uint8_t kSage = 7;        // (120,140,120)
inline constexpr uint8_t kGrey = 164;      // (128,128,128)
inline constexpr uint8_t kPlum = 157;      // (100,30,80)
inline constexpr uint8_t kCyan = 12;       // (0,200,255)
inline constexpr uint8_t kSky = 177;       // (0,128,255)
inline constexpr uint8_t kBlue = 228;      // (0,100,255)
inline constexpr uint8_t kViolet = 207;    // (96,0,255)

// ---- dimming (stage backgrounds) ------------------------------------------------
inline constexpr uint8_t kBgLight = 254;   // (220,220,220)
inline constexpr uint8_t kBgWhite = 224;   // (255,255,255)
inline constexpr uint8_t kBgGrey = 145;    // (128,128,128)
inline constexpr uint8_t kBgMagenta = 253; // (255,0,255)
inline constexpr uint8_t kBgYellow = 251;  // (255,255,0)
inline constexpr uint8_t kBgRed = 249;     // (255,0,0)
inline constexpr uint8_t kBgGreen = 221;   // (108,205,128)
inline constexpr uint8_t kBgSage = 69;     // (138,185,128)
inline constexpr uint8_t kBgGold = 29;     // (255,200,30)
inline constexpr uint8_t kBgPale = 10;     // (155,200,130)
inline constexpr uint8_t kBgDarkGreen = 15;  // (70,100,80)
inline constexpr uint8_t kBgMaroon = 9;    // (55,20,30)
inline constexpr uint8_t kBgBlack = 67;    // black that fades with the rest

/// The game's working palette after start-up: the colour table written into every
/// picture so the files also look right in an image viewer.
inline Palette workingPalette() {
    Palette p{};
    fixedColorSet(p, 1);
    fixedColorSet2nd(p);
    return p;
}

}  // namespace morvek::data
