#pragma once
// BETABOY's animation patterns: 288 patterns in 92 blocks. BETABOY is MORVEKBOY's variant
// and draws from a sheet of the same layout, so 71 of its blocks are MORVEKBOY's own,
// taken from that table by their first pattern; the 21 blocks below are its own moves or
// MORVEKBOY's moves changed. Notation as in MorvekboyPatterns.h.
//
// MORVEKBOY patterns BETABOY lacks: 503-504 (no charge repeat), 570-575 (no EX art), 736,
// 737 and 742.

#include "movesets/MorvekboyPatterns.h"
#include "movesets/PatternTable.h"

namespace morvek {

namespace betaboy_patterns {
using namespace anim;
using namespace anim::hold;

/// MORVEKBOY's blocks that BETABOY keeps unchanged, by first pattern.
inline constexpr int16_t kSharedFirsts[] = {
    0,   25,  30,  35,  40,  45,  50,  55,  60,  61,  70,  75,  80,  90,  100, 120, 125, 130,
    135, 150, 160, 180, 200, 220, 240, 250, 260, 265, 270, 280, 300, 310, 320, 330, 340, 350,
    360, 370, 380, 390, 400, 410, 420, 430, 450, 460, 470, 480, 530, 540, 580, 590, 600, 610,
    630, 660, 665, 720, 747, 780, 820, 830, 831, 850, 860, 870, 880, 890, 900, 910, 950,
};
static_assert(std::size(kSharedFirsts) == 71);

inline constexpr auto kShared = pickBlocks(morvekboy_patterns::kBlocks, kSharedFirsts);

/// The name of the four typing-combo steps after 210.
inline constexpr const char* kCentreLineName = "正中線連撃";

inline constexpr Block kOwnBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {"羅漢拳", 0, 0, 0,  // ground attack, red word
     {{20, 4, 11, 3}, {21, 7, 10, 2}, {22, 7, 11, s + 15}, {23, 9, 10, s + 2, to(0)}}},
    {"似非鉄山", 0, from(210, 1, 212, 0), 0,  // ground attack, red word; airborne it turns into 810
     {{210, 6, 1, 2 * s + 3}, {211, 4, 2, 4}, {212, 5, 3, 2}, {213, 5, 3, s + 24}, {214, 5, 2, 2, to(0)}}},
    {"ドラゴンブロウ", 20, 4, 0,  // rising art: 520's word typed again during 520-525, or after 310
     {{230, 1, 11, 2}, {231, 2, 11, s + 4}, {232, 2, 11, s + 80, stay}},
     {enableActionAt(230, false)}},
    {unnamed, 0, 0, from(500, 5, 502, 0),  // super art of spacorn type 2: opening, no charge
     {{500, 8, 0, s}, {501, 9, 0, s + 24}, {502, 8, 0, s, to(0)}},
     {enableActionAt(501, true)}},
    {unnamed, 0, 0, 0,  // landing blow of the spinning super art
     {{505, 8, 5, 3}, {506, 9, 5, 2}, {507, 10, 5, s + 12}, {508, 8, 5, s + 2, to(0)}}},
    {"素敵竜巻", from(510, 0, 511, 15), 0, 0,  // after 500; 512-515 spin until the script lands it
     {{510, 10, 0, s + 2}, {511, 10, 1, s}, {512, 10, 0, 1}, {513, 9, 1, 1}, {514, 11, 0, 1},
      {515, 10, 1, 1, to(512)}}},
    {"ジョルトアッパー", 0, 0, 0,  // uppercut, red word on the ground
     {{520, 6, 9, 2}, {521, 7, 9, 1}, {522, 8, 9, 1}, {523, 9, 9, s + 23}, {524, 8, 9, s + 1},
      {525, 6, 9, s + 1, to(0)}}},
    {"似非崩山", 0, 0, 0,  // ground attack, red word; counTer from the key lengthens 650
     {{650, 4, 2, s + 4 + c}, {651, 6, 8, 2}, {652, 7, 8, 2}, {653, 7, 8, s + 20}, {654, 5, 2, 4, to(0)}}},
    {unnamed, from(730, 20, 731, 0), 1, from(730, 5, 731, 0),  // super art of spacorn type 1: opening
     {{730, 6, 7, s + 30}, {731, 4, 8, s + 2, to(0)}},
     {enableActionAt(730, true)}},
    {"降龍拳", 20, 1, 0, {{735, 7, 4, 99, stay}}},  // after 730: rises until the script drops it
    {unnamed, 14, 1, from(740, 2, 741, 3),           // after 735: the drop
     {{740, 5, 4, 2}, {741, 5, 4, 99, stay}}},
    {unnamed, 0, 1, 5, {{745, 5, 0, 2}, {746, 5, 0, s + 18, to(81)}}},  // landing of the drop
    {kCentreLineName, 0, 0, 0,  // after 210, word 4
     {{750, 2, 3, 1}, {751, 0, 6, 2}, {752, 0, 6, 1}, {753, 0, 6, s + 5}, {754, 9, 10, 2, to(0)}}},
    {kCentreLineName, 0, 0, 0,  // after 210, word 3
     {{755, 2, 3, 1}, {756, 4, 3, 2}, {757, 4, 3, 1}, {758, 4, 3, s + 5}, {759, 9, 10, 2, to(0)}}},
    {kCentreLineName, 0, 0, 0,  // after 210, word 1
     {{760, 9, 10, 2}, {761, 3, 3, 2}, {762, 3, 3, 1}, {763, 3, 3, s + 5}, {764, 2, 6, 2, to(0)}}},
    {kCentreLineName, 0, 0, 0,  // after 210, word 5
     {{765, 9, 10, 1}, {766, 1, 6, 2}, {767, 1, 6, 1}, {768, 1, 6, s + 5}, {769, 2, 6, 2, to(0)}}},
    {"竜巻", 15, 0, 0,  // spinning jump attack, red word; 771-776 repeat
     {{770, 2, 10, 4 - e}, {771, 10, 1, 1 - e}, {772, 8, 1, 1 - e}, {773, 11, 0, 1 - e}, {774, 9, 1, 1 - e},
      {775, 11, 1, 1 - e}, {776, 10, 0, 1 - e, to(771)}}},
    {"スラッシュ", 15, 0, 0,  // air attack, red word while airborne
     {{790, 1, 8, 4}, {791, 2, 8, 2}, {792, 0, 7, 25}, {793, 0, 7, s + 2, to(0)}}},
    {"小竜巻", 15, 0, 0,  // after 790
     {{800, 11, 0, 2}, {801, 10, 1, 2}, {802, 8, 1, 2}, {803, 11, 0, 2, to(0)}}},
    {"獄屠拳", from(810, 15, 812, 0), 0, 0,  // after 800, and 210 started in the air
     {{810, 8, 5, 2}, {811, 2, 7, 2}, {812, 3, 7, 2}, {813, 2, 7, 2}, {814, 8, 5, 2, to(0)}}},
    {unnamed, 0, 0, 10,  // follow-up step chosen by the typed word
     {{840, 6, 9, 1}, {841, 7, 9, 1}, {842, 8, 9, 1}, {843, 9, 9, s + 13}, {844, 8, 9, s + 1},
      {845, 6, 9, s + 1, to(830)}},
     {enableActionAt(842, true)}},
};
static_assert(std::size(kOwnBlocks) == 21);

/// Body boxes: MORVEKBOY's classes unchanged.
inline constexpr const auto& kBodyBoxes = morvekboy_patterns::kBodyBoxes;

inline constexpr auto kTable = buildPatternTable<288>({kShared, kOwnBlocks});

}  // namespace betaboy_patterns

}  // namespace morvek
