#pragma once
// GINZAMURAI's animation patterns: 188 patterns in 61 blocks, one block per move, on a
// sheet of 300-pixel cells.
//
// Each row: move name (written by its first pattern unless another is given, kept
// afterwards), sTate, body class, zoomCount, then the patterns as {number, column, row,
// hold, step}. The step is omitted where a pattern simply goes on to the next number;
// `stay` keeps the pattern until another routine changes it. Holds use s = sPeed and
// c = counTer.

#include "movesets/PatternTable.h"

namespace morvek {

namespace ginzamurai_patterns {
using namespace anim;
using namespace anim::hold;

inline constexpr int32_t kCellSize = 300;

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0, {{0, 0, 0, s + 4}, {1, 1, 0, s + 5}, {2, 2, 0, s + 7, to(0)}}},  // stand
    {"斬り払い", 0, 0, 0,
     {{20, 2, 2, 4}, {21, 7, 2, 2}, {22, 7, 2, 3}, {23, 7, 2, s + 15}, {24, 1, 3, 5, to(0)}},
     {enableActionAt(24, true)}},
    {unnamed, 3, 0, 0, {{30, 3, 0, s + 1, guardHold(0)}}},                          // standing guard
    {unnamed, 3, 0, 0, {{35, 3, 0, 20, to(30)}}, {enableActionAt(35, false)}},      // guarded blow
    {unnamed, 4, 1, 0, {{40, 5, 0, s + 1, guardHold(0)}}},                          // crouching guard
    {unnamed, 4, 1, 0, {{45, 5, 0, 20, to(40)}}, {enableActionAt(45, false)}},      // guarded blow
    {unnamed, 2, 0, 0,  // targeting stance; 51-53 repeat
     {{50, 1, 2, s + 7}, {51, 6, 0, s + 6}, {52, 6, 5, s + 5}, {53, 7, 5, s + 8, to(51)}}},
    {unnamed, 1, 0, 0, {{55, 6, 5, 2}, {56, 1, 2, 2, to(0)}}},  // targeting cancelled
    {unnamed, -1, 0, 0, {{60, 2, 4, s + 34, to(0)}}},           // input miss
    {unnamed, 15, 0, 0, {{70, 6, 0, s + 1}, {71, 0, 4, s + 4, stay}}},  // hop
    {unnamed, 15, 0, 0, {{75, 6, 0, s + 4}, {76, 0, 4, s + 4, stay}}},  // hop
    {unnamed, from(80, 11, 81, 7), 0, 0,  // landing
     {{80, 0, 2, s + 4}, {81, 1, 2, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, 9, 0, 0,  // dash; repeats while counTer is not 0, then lands
     {{90, 0, 5, 2}, {91, 1, 5, 4}, {92, 2, 5, 2}, {93, 0, 5, 4}, {94, 3, 5, 3, loopCountingDown(90, 80)}},
     {enableActionAt(93, true)}},
    {unnamed, from(100, 8, 101, 7), 0, 0,  // walk; counTer counts the steps toward 0
     {{100, 0, 1, s + 7}, {101, 1, 1, s + 5}, {102, 2, 1, s + 7}, {103, 1, 1, s + 5, loopTowardZero(100, 0)}},
     {enableActionAt(101, true)}},
    {unnamed, 12, 0, 0, {{130, 6, 0, s + 2}, {131, 0, 4, s + 4, stay}}},  // jump
    {unnamed, 12, 0, 0, {{135, 0, 4, s + 10, stay}}},                     // airborne pose
    {unnamed, from(150, 12, 151, 1), 0, 0,                                // straight jump
     {{150, 0, 4, s + 2}, {151, 0, 4, s + 10, to(0)}}},
    {unnamed, 12, 0, 0, {{160, 0, 4, s + 4, stay}}},                               // airborne fall
    {unnamed, -1, 1, 0, {{180, 7, 3, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {"燕返し", 0, 0, 0,
     {{200, 6, 6, s + 2}, {201, 4, 1, 2}, {202, 4, 1, s + 18}, {203, 0, 1, s + 1, to(0)}}},
    {"首狩り", 0, 0, 0,
     {{210, 0, 3, s + 9}, {211, 2, 3, 2}, {212, 2, 3, s + 2}, {213, 2, 3, s + 20}, {214, 1, 2, s + 3, to(0)}}},
    {"小車輪", 0, 0, 0,
     {{220, 0, 4, s + 2}, {221, 8, 1, 2}, {222, 8, 2, 2}, {223, 8, 3, 2}, {224, 8, 4, 2}, {225, 3, 1, 4},
      {226, 3, 1, s + 10, to(0)}}},
    {Name("兜割", 242), 0, 0, 0,  // the lead-in 240-241 keeps the previous name
     {{240, 0, 2, 2}, {241, 2, 3, s + 9}, {242, 5, 3, s + 2}, {243, 0, 3, s + 8, to(0)}}},
    {"足首狩り", 0, 1, 0,
     {{250, 5, 0, s + 2}, {251, 0, 6, 2}, {252, 0, 6, s + 6}, {253, 3, 1, s + 5}, {254, 5, 0, s + 2, to(0)}}},
    {"大車輪", 0, 0, 0,
     {{260, 0, 4, s + 8}, {261, 8, 1, 2}, {262, 8, 2, 2}, {263, 8, 3, 2}, {264, 8, 4, 2}, {265, 0, 3, 2},
      {266, 0, 3, 2}, {267, 0, 3, s + 10, to(0)}}},
    {"足斬り", 0, 1, 0,
     {{270, 5, 0, s + 1}, {271, 3, 1, 2}, {272, 3, 1, s + 12}, {273, 5, 0, s + 5, to(0)}},
     {enableActionAt(270, true)}},
    {unnamed, -1, 0, 0, {{300, 2, 4, s + 34, to(0)}}},                            // hit
    {unnamed, -2, 0, 0, {{310, 2, 4, 2}, {311, 3, 4, 3}, {312, 4, 4, 4, stay}}},  // hit into the air
    {unnamed, from(320, -2, 322, -3), 0, 0,                                       // falling
     {{320, 3, 4, 5}, {321, 5, 4, 5}, {322, 7, 0, 6, stay}}},
    {unnamed, from(330, -4, 331, -40, 332, -20), from(330, 3, 332, 0), 0,  // floor, lying, rising
     {{330, 6, 4, 20, stayWhileKnockedOut(331)}, {331, 6, 4, 20}, {332, 7, 4, 5, to(0)}}},
    {unnamed, -1, 0, 0,  // hit
     {{340, 2, 4, 4}, {341, 1, 4, s + 26, collapseWithoutVitality(342, 400)}, {342, 2, 4, 7, to(0)}}},
    {unnamed, -1, 1, 0, {{350, 4, 0, 40, collapseWithoutVitality(0, 400)}}},  // hit while crouching
    {unnamed, -4, 0, 0, {{360, 7, 0, 2, to(330)}}},                            // floor bounce
    {unnamed, -5, from(370, 3, 371, 0), 0,                                     // knock-down fall
     {{370, 5, 4, 10}, {371, 7, 4, 5, to(332)}}},
    {unnamed, 25, 0, 0, {{380, 3, 0, 4}, {381, 3, 3, s + 33, to(0)}}},  // special guard
    {unnamed, 7, 0, 3,                                                  // recovery after a guard
     {{390, 2, 2, 4}, {391, 4, 3, 4}, {392, 5, 1, s + 30, to(0)}},
     {enableActionAt(390, true)}},
    {unnamed, -1, 3, 0, {{400, 8, 0, 3, to(330)}}},                    // KO
    {unnamed, -30, 0, 0, {{410, 2, 4, 2}, {411, 1, 4, 130, to(0)}}},  // reaction to attack type 5
    {unnamed, -30, 0, 0, {{420, 7, 0, 4, stay}}},                     // held by an opponent's move
    {unnamed, 0, 0, 0, {{430, 1, 2, 12, to(0)}}, {enableActionAt(430, true)}},  // dash stopped
    {unnamed, from(450, -20, 454, 20), 5, 0,  // getting up
     {{450, 7, 4, 2}, {451, 7, 4, 2}, {452, 5, 5, 2}, {453, 5, 5, 2}, {454, 5, 5, 10, to(0)}},
     {enableGardAt(450, false), enableActionAt(450, false), enableGardAt(454, true), enableActionAt(454, true)}},
    {unnamed, from(460, -20, 462, -15, 464, 15), 5, 0,  // getting up with a hop
     {{460, 7, 4, 2}, {461, 7, 4, 2}, {462, 5, 5, 2}, {463, 5, 5, 2}, {464, 5, 5, 2, to(0)}},
     {enableGardAt(460, false), enableActionAt(460, false), enableGardAt(464, true), enableActionAt(464, true)}},
    {unnamed, 0, 0, 0,  // defeat pose
     {{470, 2, 2, 2}, {471, 4, 3, 2}, {472, 8, 5, 200, stay}},
     {enableActionAt(470, false)}},
    {unnamed, 0, 0, 3,  // opening of 超手裏剣: waits for the combo word
     {{500, 2, 2, s + 20}, {501, 0, 1, 2, to(0)}},
     {enableActionAt(500, true)}},
    {"超手裏剣", 0, 0, 5,
     {{510, 2, 2, 2}, {511, 7, 6, 2}, {512, 8, 6, 3}, {513, 8, 6, s + 20, to(0)}}},
    {"撫で斬り", 0, 0, 0,
     {{530, 4, 3, 3}, {531, 6, 6, s + 10}, {532, 5, 1, 2}, {533, 5, 1, 2}, {534, 5, 1, s + 18},
      {535, 0, 1, s + 4, to(0)}}},
    {"乱射", 0, 0, 0,
     {{570, 2, 2, 2}, {571, 7, 6, 1}, {572, 7, 6, 1}, {573, 7, 6, 1}, {574, 7, 6, 1}, {575, 8, 6, 3},
      {576, 8, 6, s + 20, to(0)}}},
    {"棒手裏剣", 0, 0, 0,
     {{580, 2, 2, 2}, {581, 7, 6, 2}, {582, 8, 6, 3}, {583, 8, 6, s + 20, to(0)}}},
    {unnamed, 0, 0, 0,  // grab attempt; a clean hit leads to 600
     {{590, 6, 3, 2}, {591, 6, 3, s + 4}, {592, 6, 3, 4, to(0)}}},
    {"一本釣り", 0, 0, 0,
     {{600, 6, 3, s + 2}, {601, 0, 3, s + 2}, {602, 4, 6, s + 10}, {603, 4, 2, 2}, {604, 6, 2, 2},
      {605, 3, 2, s + 8, to(0)}},
     {counTerAt(600, 0), counTerAt(601, 0)}},
    {"雷鳴剣", 0, 0, 5,  // 612-613 repeat until counTer is below 0
     {{610, 5, 6, 2}, {611, 6, 1, 2}, {612, 6, 1, 2}, {613, 6, 1, s + 10, loopUntilCounterNegative(612, 614)},
      {614, 1, 2, 2, to(0)}},
     {counTerAt(610, 54), enableActionAt(610, false)}},
    {unnamed, 0, 0, 3,  // opening of 雷鳴剣
     {{630, 1, 2, s + 20}, {631, 1, 2, s + 4, to(0)}},
     {counTerAt(630, 54), enableActionAt(630, true)}},
    {"斬り返し", 0, 0, 0,
     {{640, 4, 2, s + 2}, {641, 5, 2, 2}, {642, 3, 2, 2}, {643, 3, 2, s + 20}, {644, 1, 1, s + 4, to(0)}},
     {counTerAt(640, 0)}},
    {"地擦り残月", 0, 0, 0,  // counTer from the key lengthens the first hold
     {{650, 5, 2, s + 10 + c}, {651, 4, 2, 2}, {652, 6, 2, 2}, {653, 3, 2, s + 24}, {654, 6, 2, 2, to(0)}}},
    {"弧月斬", from(710, 20, 712, 0), 0, 0,
     {{710, 8, 0, 2}, {711, 7, 1, s + 2}, {712, 4, 2, 2}, {713, 0, 4, 2, to(0)}}},
    {unnamed, 0, 0, 3,  // opening of 風刃剣
     {{720, 5, 6, s + 20}, {721, 3, 0, 2, to(0)}},
     {enableActionAt(720, true)}},
    {"風刃剣", 0, 0, 5,
     {{730, 2, 6, s + 2}, {731, 3, 6, s + 2}, {732, 4, 6, s + 20}, {733, 1, 3, 3, to(0)}}},
    {"十文字剣", 0, 0, 0,
     {{740, 2, 2, 2}, {741, 4, 7, 4}, {742, 7, 2, 3}, {743, 7, 2, s + 15}, {744, 1, 3, 5, to(0)}},
     {enableActionAt(744, true)}},
    {unnamed, 0, 0, 2,  // opening of 分身
     {{750, 5, 6, s + 20}, {751, 3, 0, s + 2, to(0)}},
     {enableActionAt(750, true)}},
    {"分身", 0, 0, 4,
     {{755, 5, 6, 2}, {756, 5, 6, s + 20}, {757, 3, 0, s + 2, to(0)}},
     {enableActionAt(755, true)}},
    {unnamed, -1, 1, 0, {{950, 7, 3, 200, stay}}, {enableActionAt(950, false)}},  // win pose
};

/// Body-box insets (left, top, right, bottom) by class; class 5 (getting up) keeps the box.
inline constexpr BodyInsets kBodyBoxes[] = {
    {100, 110, 120, 55},  // 0: standing
    {100, 155, 120, 55},  // 1: crouching, low slashes, dizzy, win pose
    {65, 50, 65, 60},     // 2: selected by no pattern
    {80, 200, 80, 55},    // 3: on the floor
};

inline constexpr auto kTable = buildPatternTable<188>({kBlocks});

}  // namespace ginzamurai_patterns

}  // namespace morvek
