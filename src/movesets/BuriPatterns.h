#pragma once
// BURI's animation patterns: 96 patterns in 39 blocks, one block per move.
//
// BURI is drawn from G O D's sheet, whose small cells are 48 pixels square on a 50-pixel
// pitch (plus two odd cells near the sheet's corner), so a row names its cell by one of
// the ids below instead of a grid position: {number, cell, 0, hold, step}.
// Each block: move name (written by its first pattern unless given), sTate, body class,
// zoomCount, the patterns, then the other fields some patterns write. Holds use s = sPeed.

#include <cstdint>

#include "battle/Character.h"
#include "movesets/PatternTable.h"

namespace morvek {

namespace buri_patterns {
using namespace anim;
using namespace anim::hold;

/// The cells of BURI's pictures on G O D's sheet.
enum Cell : int8_t {
    a1, a2, a3, a4,  // standing, flying, dashing, walking, airborne
    b1, b2, b3, b4,  // hit reactions, targeting stance, casting
    c1,              // guard
    k88, k78,        // the two corner cells at (8, 8) and (7, 8)
    kCellCount
};

struct CellPos {
    int16_t x, y;
};
inline constexpr CellPos kCells[kCellCount] = {
    {1, 2401}, {51, 2401}, {101, 2401}, {151, 2401},
    {1, 2451}, {51, 2451}, {101, 2451}, {151, 2451},
    {1, 2501},
    {8, 8}, {7, 8},
};
/// A cell is 48 pixels square; the rectangle's right and bottom are inclusive.
inline constexpr int32_t kCellExtent = 47;

/// Low flight: back to standing only when counTer is exactly 0, otherwise round again;
/// the action script does the counting.
inline int16_t ruleLoopWhileCounterNotZero(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    return chara.counTer == 0 ? exit : loopTo;
}
/// Casting loop of the super art: one frame before the count runs out, BURI may act again
/// (so the typed word can fire the beam); once it is negative the cast ends.
inline int16_t ruleCastLoop(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.counTer == 1) chara.enableAction = true;
    return chara.counTer < 0 ? exit : loopTo;
}
constexpr Step loopWhileCounterNotZero(int loopTo, int exit) {
    return when(ruleLoopWhileCounterNotZero, loopTo, exit);
}
constexpr Step castLoop(int loopTo, int exit) { return when(ruleCastLoop, loopTo, exit); }

inline constexpr const char* kBombName = "スティングボム";
inline constexpr const char* kJudgementName = "ジャッジメント";

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0,  // stand (neutral loop)
     {{0, a1, 0, s}, {1, a2, 0, s}, {2, a3, 0, s}, {3, a4, 0, s, to(0)}}},
    {unnamed, 9, from(10, 0, 11, 1, 12, 0), 0,  // low flight, row "Q".."P"
     {{10, a1, 0, 2}, {11, a2, 0, 2}, {12, a3, 0, 2}, {13, a4, 0, 2, loopWhileCounterNotZero(10, 0)}},
     {enableActionAt(10, true)}},
    {unnamed, 9, from(15, 0, 16, 1, 17, 0), 0,  // high flight, number row; 18 counts the loops
     {{15, a1, 0, 2}, {16, a2, 0, 2}, {17, a3, 0, 2}, {18, a4, 0, 2, loopCountingDown(15, 0)}},
     {enableActionAt(15, true)}},
    {unnamed, 3, 0, 0, {{30, c1, 0, s + 1, guardHold(0)}}},  // standing guard
    {unnamed, 3, 0, 0, {{35, c1, 0, 20, to(30)}}, {enableActionAt(35, false)}},  // guarded, standing
    {unnamed, 4, 1, 0, {{40, c1, 0, s + 1, guardHold(0)}}},  // crouching guard
    {unnamed, 4, 1, 0, {{45, c1, 0, 20, to(40)}}, {enableActionAt(45, false)}},  // guarded, crouching
    {unnamed, 2, 0, 0,  // targeting stance
     {{50, b2, 0, 2}, {51, b3, 0, 2}, {52, b4, 0, 2}, {53, b3, 0, 2, to(50)}}},
    {unnamed, 1, 0, 0, {{55, b4, 0, 2}, {56, b3, 0, 2, to(0)}}},  // targeting cancelled
    {unnamed, -1, 0, 0, {{60, b1, 0, s + 34, to(0)}}},            // input miss
    {unnamed, -1, 0, 0, {{61, b1, 0, s + 15}, {62, b1, 0, s + 5, to(0)}}},  // input miss, further rows
    {unnamed, 9, from(70, 0, 71, 1, 72, 0), 0,  // back dash
     {{70, a1, 0, 2}, {71, a2, 0, 2}, {72, a3, 0, 2}, {73, a4, 0, 2, to(0)}},
     {enableActionAt(70, true)}},
    {unnamed, 9, from(75, 0, 76, 1, 77, 0), 0,  // forward dash; 78 counts the loops
     {{75, a1, 0, 2}, {76, a2, 0, 2}, {77, a3, 0, 2}, {78, a4, 0, 2, loopCountingDown(75, 0)}},
     {enableActionAt(75, true)}},
    {unnamed, 11, 0, 0, {{80, a1, 0, 2, to(0)}}, {enableActionAt(80, true)}},  // landing
    {unnamed, from(100, 8, 101, 7), 0, 0,  // walk; counTer picks the direction
     {{100, a1, 0, s + 7}, {101, a2, 0, s + 7}, {102, a3, 0, s + 7}, {103, a4, 0, s + 7},
      {104, a2, 0, s + 7}, {105, a3, 0, s + 7}, {106, a4, 0, s + 7, to(0)}}},
    {unnamed, 12, from(130, 0, 131, 2), 0,  // airborne rise
     {{130, a1, 0, s + 5}, {131, a2, 0, s + 4, to(0)}},
     {enableActionAt(131, true)}},
    {unnamed, 12, 0, 0, {{134, a3, 0, s + 5, to(131)}}},  // airborne, leads into 131
    {unnamed, 12, 2, 0,  // airborne loop
     {{135, a1, 0, s + 2}, {136, a2, 0, s + 2}, {137, a3, 0, s + 2}, {138, a4, 0, s + 2, to(135)}},
     {enableActionAt(138, true)}},
    {unnamed, 12, 0, 0, {{140, k88, 0, s + 18}, {141, k78, 0, s + 3, to(0)}}},
    {unnamed, from(150, 12, 151, 1), 0, 0, {{150, k88, 0, s + 18}, {151, k78, 0, s + 3, to(0)}}},
    {unnamed, 12, 2, 0,  // airborne fall
     {{160, a1, 0, s + 2}, {161, a2, 0, s + 2}, {162, a3, 0, s + 2}, {163, a4, 0, s + 2, to(160)}},
     {enableActionAt(163, true)}},
    {unnamed, -1, 0, 0, {{180, a1, 0, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {kBombName, 2, 0, 0,  // the bomb, set off where the key aimed it
     {{200, b2, 0, 4}, {201, b3, 0, 4}, {202, b4, 0, 4}, {203, b3, 0, 4, to(0)}}},
    {kJudgementName, 2, 0, 0,  // super art, first stage: casts while the count lasts
     {{210, b2, 0, 4}, {211, b2, 0, 4}, {212, b3, 0, 4}, {213, b4, 0, 4}, {214, b3, 0, 4, castLoop(211, 215)},
      {215, b4, 0, s + 4, to(0)}},
     {counTerAt(210, 10)}},
    {kJudgementName, 0, 0, 0,  // super art, second stage: the beam
     {{220, b2, 0, 2}, {221, b3, 0, 1}, {222, b4, 0, 1, loopWhileCounterNotNegative(221, 223)},
      {223, b2, 0, 2, to(0)}},
     {enableActionAt(220, false), counTerAt(220, 60)}},
    {unnamed, -1, 0, 0,  // hit
     {{300, b1, 0, s + 34, to(0)}, {301, b1, 0, s + 15}, {302, b1, 0, s + 5, to(0)}}},
    {unnamed, -2, 0, 0,  // knocked into the air
     {{310, b1, 0, 2}, {311, b1, 0, 3}, {312, b1, 0, 4, to(0)}}},
    {unnamed, from(320, -2, 322, -3), from(320, 0, 321, 3, 322, 0), 0,  // air hit, falling
     {{320, b1, 0, 5}, {321, b1, 0, 5}, {322, b1, 0, 6, to(0)}}},
    {unnamed, -4, 3, 0, {{330, b1, 0, 4, stayWhileKnockedOut(0)}}},  // on the floor
    {unnamed, -1, 0, 0,  // hit, standing
     {{340, b1, 0, 2}, {341, b1, 0, 30, collapseWithoutVitality(342, 400)}, {342, b1, 0, 7, to(0)}}},
    {unnamed, -1, 1, 0,  // hit, crouching
     {{350, b1, 0, 2}, {351, b1, 0, 30, collapseWithoutVitality(352, 400)}, {352, b1, 0, 7, to(0)}}},
    {unnamed, -2, 0, 0, {{360, b1, 0, 5, to(0)}}},   // bounce
    {unnamed, -5, 3, 0, {{370, b1, 0, 10, to(0)}}},  // knock-down fall (the action script warps)
    {unnamed, -1, 3, 0, {{400, b1, 0, 3, to(330)}}},  // KO
    {unnamed, -30, 0, 0, {{410, b1, 0, 2}, {411, b1, 0, 130, to(0)}}},  // reaction to a type-5 blow
    {unnamed, -30, 0, 0, {{420, b1, 0, 6, stay}}},                     // held pose
    {unnamed, 0, 0, 0, {{430, a1, 0, 2, to(0)}}, {enableActionAt(430, true)}},   // stop of a dash
    {unnamed, 0, 0, 0, {{470, a1, 0, 2, to(0)}}, {enableActionAt(470, false)}},  // KO fall
    {unnamed, -1, 1, 0, {{950, a1, 0, 2, to(0)}}, {enableActionAt(950, false)}},  // win pose
};

inline constexpr auto kTable = buildPatternTable<96>({kBlocks});

/// One body box for every class: 10 pixels in from each edge of the 49-pixel cell.
inline constexpr BodyInsets kBodyBox{10, 10, 10, 10};

}  // namespace buri_patterns
}  // namespace morvek
