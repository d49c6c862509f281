#pragma once
// Frame clock, screen waits, the system version check and the one text font.
// Every wait is on the platform's monotonic clock and sleeps instead of spinning.

#include <cstdint>
#include <string_view>

#include "platform/Platform.h"

namespace morvek {

struct EngineContext;

/// The system major version the game reports (a modern system: 5 or later).
inline constexpr double kReportedMajorVersion = 6.0;

/// Notes the start of a frame.
void frameStart(EngineContext& game);
/// Returns once ms have passed since frameStart (at once when they already have).
void frameWait(EngineContext& game, uint32_t ms);
/// Waits ms milliseconds from now.
void waitMs(EngineContext& game, uint32_t ms);

/// Sets winMajorVersion and isNT5 (1 from major version 5 on).
void winVersionGet(EngineContext& game);

/// The text font at size + isNT5 and the text colour, for every later text.
void textFontSet(EngineContext& game, int16_t size, Rgb colour);
/// Italic on or off. The style is read at each draw, so this shows even without a
/// following textFontSet.
void textFontItalicSet(EngineContext& game, bool italic);
/// Text with its top-left at (x, y) on backBuffer, in the current font and colour.
void drawText(EngineContext& game, int32_t x, int32_t y, std::string_view text);

/// A colour given as the game's 32-bit colour value (red in the low byte).
constexpr Rgb RGB(uint8_t r, uint8_t g, uint8_t b) { return Rgb{r, g, b}; }

/// The text colours the screens share.
inline constexpr Rgb kTextBlack{0, 0, 0};
inline constexpr Rgb kTextRed{255, 0, 0};
inline constexpr Rgb kTextWhite{255, 255, 255};

}  // namespace morvek
