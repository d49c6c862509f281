#pragma once
// The four palettes and the fades. Fades never touch pixels: they step palette entries and
// hand the working palette to the display again.

#include <array>
#include <cstdint>

#include "platform/Platform.h"

namespace morvek {

struct EngineContext;

/// One row of a fixed colour table. Rows marked `scaled` are divided by the table's
/// divisor (all three channels; the fixed zero channels stay zero).
struct FixedColour {
    uint8_t entry;
    uint8_t r, g, b;
    bool scaled;
};

/// Fixed entries the screens clear to. White is never scaled, so it stays white in every
/// palette; the light grey lies behind the option, training and score screens; the match's
/// last frame (and the round change) is cleared to black.
inline constexpr uint32_t kWhiteIndex = 188;
inline constexpr uint32_t kLightGreyIndex = 254;
inline constexpr uint32_t kMatchEndColour = 67;

/// The interface colours, written from entry 255 downward, in this order.
inline constexpr std::array<FixedColour, 51> kFixedColourTable{{
    {255, 0, 0, 0, false},       {254, 220, 220, 220, true},  {253, 255, 0, 255, true},
    {251, 255, 255, 0, true},    {250, 185, 255, 0, false},   {249, 255, 0, 0, true},
    {246, 255, 255, 255, false}, {238, 128, 128, 128, false}, {236, 0, 100, 255, false},
    {228, 0, 100, 255, false},   {224, 255, 255, 255, true},  {222, 108, 205, 128, true},
    {221, 108, 205, 128, true},  {207, 96, 0, 255, false},    {188, 255, 255, 255, false},
    {178, 255, 0, 0, false},     {177, 0, 128, 255, false},   {176, 255, 0, 0, false},
    {164, 128, 128, 128, false}, {157, 100, 30, 80, false},   {145, 128, 128, 128, true},
    {141, 180, 220, 80, false},  {123, 255, 255, 0, false},   {118, 255, 177, 88, false},
    {92, 255, 177, 88, false},   {90, 255, 0, 0, false},      {88, 255, 255, 0, false},
    {86, 0, 220, 88, false},     {84, 255, 128, 30, false},   {82, 255, 128, 0, false},
    {71, 255, 255, 255, false},  {69, 138, 185, 128, true},   {67, 0, 0, 0, false},
    {66, 255, 255, 255, false},  {53, 127, 255, 0, false},    {51, 128, 0, 0, false},
    {49, 255, 255, 0, false},    {46, 255, 255, 0, false},    {44, 0, 220, 88, false},
    {33, 255, 128, 0, false},    {29, 255, 200, 30, true},    {15, 70, 100, 80, true},
    {14, 255, 0, 0, false},      {13, 255, 255, 255, false},  {12, 0, 200, 255, false},
    {11, 155, 200, 130, true},   {10, 155, 200, 130, true},   {9, 55, 20, 30, true},
    {7, 120, 140, 120, false},   {4, 255, 0, 0, false},       {2, 255, 255, 255, false},
}};

/// The second table: never scaled, written in this order over the first.
inline constexpr std::array<FixedColour, 13> kFixedColourTable2nd{{
    {58, 0, 0, 0, false},      {159, 0, 0, 0, false},     {177, 0, 128, 255, false},
    {233, 114, 0, 151, false}, {49, 255, 255, 0, false},  {213, 0, 169, 0, false},
    {207, 96, 0, 255, false},  {165, 0, 116, 159, false}, {92, 255, 180, 20, false},
    {238, 205, 117, 88, false}, {84, 72, 0, 78, false},   {141, 180, 220, 80, false},
    {14, 255, 0, 0, false},
}};

/// Writes the first table into `palette`, scaled channels divided by d (half to even).
void fixedColorSet(Palette& palette, int16_t d);
/// Writes the second table into `palette`.
void fixedColorSet2nd(Palette& palette);

/// Builds the four palettes (working, full-colour reference, darkened for targeting, black)
/// and creates the display's palette from the working one.
void paletteBuildAll(EngineContext& game);

/// Hands `palette` to the display: entries 0-254 (the count is 255, so entry 255 keeps
/// the value it was created with).
void paletteSetEntries(EngineContext& game, const Palette& palette);

/// One step of the K.O. fade: every channel of workPalette above 2 drops by 3; applied.
void paletteDarkenStep(EngineContext& game);

/// steps + 1 passes moving every channel of `palette` one unit toward basePalette; then
/// applies workPalette (whichever palette was stepped). False only when `palette`
/// already equalled basePalette.
bool paletteApproach(EngineContext& game, Palette& palette, int16_t steps);

/// Fade toward the grey (level, level, level): steps + 1 passes of one unit, or at once
/// when `instant` (then the result is false). Applies workPalette; false when nothing
/// was left to change.
bool paletteToLevel(EngineContext& game, Palette& palette, int16_t level, bool instant, int16_t steps);

}  // namespace morvek
