#pragma once
// INTERRUPTER's animation patterns: 324 patterns in 89 blocks, one block per move, on a
// sheet of 200-pixel cells.
//
// Each row: move name (written by its first pattern, kept afterwards), sTate, body class,
// zoomCount, then the patterns as {number, column, row, hold, step}. The step is omitted
// where a pattern simply goes on to the next number; `stay` keeps the pattern until
// another routine changes it. Holds use s = sPeed.
//
// The super arts loop on counTer: the shock wave counts it down on every drawing pass of
// 722, the two dash arts (800, 840) and the distortion (850) on their last loop pattern,
// and the infinity (810) leaves the counting to the action script.

#include "battle/Character.h"
#include "movesets/PatternTable.h"

namespace morvek {

namespace interrupter_patterns {
using namespace anim;
using namespace anim::hold;

/// The shock wave's loop: counts counTer down first and repeats while it is still above 0.
int16_t ruleCountDownLoopWhilePositive(Character& chara, int16_t pattern, int16_t loopTo,
                                       int16_t exit);
constexpr Step countDownLoopWhilePositive(int loopTo, int exit) {
    return when(ruleCountDownLoopWhilePositive, loopTo, exit);
}

/// Fighter states this move set gives its own meaning.
inline constexpr int16_t kHeld = -30;      ///< caught, or held high by the meteor strike
inline constexpr int16_t kUnpushed = 30;   ///< the super art's lunges pass through
inline constexpr int16_t kRising = -15;    ///< late getting-up patterns
inline constexpr int16_t kHop = 15;        ///< last getting-up pattern of the hop

inline constexpr const char* kCannonade = "キャノネード";
inline constexpr const char* kSpiralNightmare = "スパイラルナイトメア";
inline constexpr const char* kGoumaFuujinken = "業魔封神拳";

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, stStand, 0, 0,  // stand
     {{0, 0, 0, s}, {1, 1, 0, s}, {2, 2, 0, s}, {3, 3, 0, s}, {4, 4, 0, s}, {5, 5, 0, s},
      {6, 6, 0, s}, {7, 7, 0, s, to(0)}}},
    {unnamed, stAttack, 0, 0,
     {{8, 0, 1, s}, {9, 1, 1, s}, {10, 2, 1, s}, {11, 3, 1, s}, {12, 4, 1, s}, {13, 5, 1, s + 10},
      {14, 6, 1, s}, {15, 7, 1, s}, {16, 8, 1, s + 10}, {17, 9, 1, s, to(0)}}},
    {unnamed, stAttack, 0, 0,
     {{18, 0, 2, s}, {19, 1, 2, s}, {20, 2, 2, s}, {21, 3, 2, s + 2}, {22, 4, 2, s + 3},
      {23, 5, 2, s + 4}, {24, 6, 2, s + 5}, {25, 1, 2, s + 4}, {26, 7, 2, s + 3}, {27, 8, 2, s + 15, to(0)}}},
    {unnamed, stStandGuard, 0, 0, {{30, 0, 3, s + 1, guardHold(0)}}},                     // standing guard
    {unnamed, stStandGuard, 0, 0, {{35, 0, 3, 20, to(30)}}, {enableActionAt(35, false)}},  // guarded
    {unnamed, stCrouchGuard, 1, 0, {{40, 2, 3, s + 1, guardHold(0)}}},                    // crouching guard
    {unnamed, stCrouchGuard, 1, 0, {{45, 2, 3, 20, to(40)}}, {enableActionAt(45, false)}},
    {unnamed, stTargetStance, 0, 0, {{50, 0, 5, s + 2}, {51, 1, 5, s + 2}, {52, 2, 5, s + 20, stay}}},
    {unnamed, stStand, 0, 0, {{55, 1, 5, s + 2}, {56, 0, 5, s + 2, to(0)}}},  // targeting cancelled
    {unnamed, stHit, 0, 0, {{60, 0, 6, s + 34, to(0)}}},                      // input miss
    {unnamed, stHit, 0, 0, {{61, 1, 6, s + 15}, {62, 0, 6, s + 5, to(0)}}},
    {unnamed, from(70, stBackStep, 72, stRecover), 0, 0,  // back step
     {{70, 0, 9, s + 4}, {71, 1, 9, s + 4}, {72, 2, 9, s + 3}, {73, 3, 9, s + 3, to(0)}},
     {enableActionAt(72, true)}},
    {unnamed, from(75, stDash, 77, stRecover), from(75, 0, 76, 1, 77, 0), 0,  // long dash
     {{75, 2, 10, s + 2}, {76, 1, 10, s + 24}, {77, 2, 10, s + 3}, {78, 2, 9, s + 3, to(0)}},
     {enableActionAt(77, true)}},
    {unnamed, from(80, stLanding, 81, stRecover), 1, 0,  // landing
     {{80, 6, 7, s + 4}, {81, 2, 7, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, from(90, stDash, 92, stRecover), from(90, 0, 91, 1, 92, 0), 0,  // dash
     {{90, 2, 10, s + 2}, {91, 1, 10, s + 4}, {92, 2, 10, s + 3}, {93, 2, 9, s + 3, to(0)}},
     {enableActionAt(92, true)}},
    {unnamed, from(100, stWalk, 101, stRecover), 0, 0,  // walk
     {{100, 0, 4, s + 7}, {101, 1, 4, s + 7}, {102, 2, 4, s + 7}, {103, 3, 4, s + 7},
      {104, 6, 4, s + 7}, {105, 5, 4, s + 7}, {106, 4, 4, s + 7, to(0)}}},
    {unnamed, stAirborne, from(130, 0, 131, 2), 0,  // jump
     {{130, 0, 10, s + 5}, {131, 0, 8, s + 4, stay}},
     {enableActionAt(131, true)}},
    {unnamed, stAirborne, 0, 0, {{134, 2, 7, s + 5, to(131)}}},  // short hop
    {unnamed, stAirborne, 2, 0,  // falling
     {{135, 0, 8, s + 2}, {136, 1, 8, s + 2}, {137, 2, 8, s + 2}, {138, 1, 8, s + 2, to(135)}},
     {enableActionAt(138, true)}},
    {unnamed, stAirborne, 0, 0, {{140, 8, 8, s + 18}, {141, 7, 8, s + 3, to(0)}}},  // blink
    {unnamed, from(150, stAirborne, 151, stStand), 0, 0,  // straight jump, meteor's end
     {{150, 8, 8, s + 18}, {151, 7, 8, s + 3, to(0)}}},
    {unnamed, stAirborne, 0, 0, {{160, 10, 1, s + 2, stay}}},                            // airborne fall
    {unnamed, stHit, 0, 0, {{180, 4, 5, 80, to(0)}}, {enableActionAt(180, false)}},      // dizzy
    {"根削り", stAttack, 1, 0,
     {{200, 2, 7, s + 2}, {201, 4, 10, 2}, {202, 4, 10, s + 4}, {203, 2, 7, s + 4, to(0)}},
     {enableActionAt(200, true)}},
    {"穿槍脚", stAttack, 0, 0,
     {{210, 2, 7, s + 2}, {211, 7, 10, s + 40}, {212, 2, 7, s + 4, to(0)}},
     {enableActionAt(210, true)}},
    {"水面蹴り", stAttack, 1, 0,
     {{220, 2, 7, s + 3}, {221, 5, 10, s + 9}, {222, 8, 10, s + 2}, {223, 6, 10, s + 4, to(0)}},
     {enableActionAt(223, true)}},
    {"空中旋脚", stAttack, 0, 0,
     {{230, 3, 8, 2}, {231, 4, 8, 2}, {232, 5, 8, 4}, {233, 8, 8, s + 8, to(0)}},
     {enableActionAt(233, true)}},
    {"旋舞連脚　独鈷", stAttack, 0, 0,  // opens combo 240
     {{240, 5, 2, s + 2}, {241, 6, 2, 2}, {242, 6, 2, s + 16}, {243, 9, 0, s + 5, to(0)}}},
    {"楊脚", stAttack, 0, 0, {{250, 10, 2, s + 2}, {251, 11, 2, s + 20}, {252, 10, 1, s + 5, to(0)}}},
    {unnamed, stHit, 0, 0,  // hit reaction; 301-302 only when started directly
     {{300, 0, 6, s + 34, to(0)}, {301, 1, 6, s + 15}, {302, 0, 6, s + 5, to(0)}}},
    {unnamed, stAirHit, 0, 0, {{310, 2, 6, 2}, {311, 3, 6, 3}, {312, 4, 6, 4, stay}}},  // launched
    {unnamed, from(320, stAirHit, 322, stHitFall), from(320, 0, 321, 3, 322, 0), 0,      // air hit, fall
     {{320, 5, 6, 5}, {321, 3, 7, 5}, {322, 4, 7, 6, stay}}},
    {unnamed, from(330, stFloorHit, 331, stLyingDown, 332, stGetUp), 3, 0,  // floor, lying, rising
     {{330, 5, 7, 20, stayWhileKnockedOut(331)}, {331, 5, 7, 20}, {332, 3, 7, 3}, {333, 2, 7, 3, to(0)}}},
    {unnamed, stHit, 0, 0,  // standing hit
     {{340, 0, 6, 2}, {341, 1, 6, 30, collapseWithoutVitality(342, 400)}, {342, 0, 6, 7, to(0)}}},
    {unnamed, stHit, 1, 0,  // crouching hit
     {{350, 6, 3, 2}, {351, 7, 3, 30, collapseWithoutVitality(352, 400)}, {352, 6, 3, 7, to(0)}}},
    {unnamed, stFloorHit, 0, 0, {{360, 1, 7, 5}, {361, 3, 7, 3, to(330)}}},  // floor bounce
    {unnamed, stKnockdownFall, 3, 0, {{370, 5, 5, 10, to(80)}}},             // teleports away
    {unnamed, from(380, stSpecialGuard, 386, stAttack), 0, 0,  // special guard
     {{380, 0, 1, 1}, {381, 1, 1, 1}, {382, 2, 1, 1}, {383, 3, 1, 1}, {384, 4, 1, 1},
      {385, 5, 1, s + 25}, {386, 9, 1, s, to(0)}}},
    {unnamed, stRecover, 0, 3,  // end of guard stun
     {{390, 6, 1, 1}, {391, 7, 1, 1}, {392, 8, 1, s + 30, to(0)}},
     {enableActionAt(390, true)}},
    {unnamed, stHit, 3, 0, {{400, 5, 6, 3, to(330)}}},                // KO
    {unnamed, kHeld, 0, 0, {{410, 0, 6, 2}, {411, 1, 6, 130, to(0)}}},  // caught
    {unnamed, kHeld, 0, 0, {{420, 4, 7, 6, stay}}},                     // held high
    {unnamed, stAttack, 0, 0,  // Space during a dash
     {{430, 2, 9, 4}, {431, 1, 9, 4}, {432, 0, 9, 4, to(0)}},
     {enableActionAt(430, true)}},
    {unnamed, from(450, stGetUp, 454, stSpecialArt), 5, 0,  // getting up
     {{450, 6, 7, 2}, {451, 6, 7, 2}, {452, 6, 7, 2}, {453, 5, 3, 2}, {454, 5, 3, 10, to(0)}},
     {enableGardAt(450, false), enableActionAt(450, false), enableGardAt(454, true), enableActionAt(454, true)}},
    {unnamed, from(460, stGetUp, 462, kRising, 464, kHop), 5, 0,  // getting up with a hop
     {{460, 6, 7, 2}, {461, 6, 7, 2}, {462, 6, 7, 2}, {463, 5, 3, 2}, {464, 5, 3, 2, to(0)}},
     {enableGardAt(460, false), enableActionAt(460, false), enableGardAt(464, true), enableActionAt(464, true)}},
    {unnamed, stAttack, 0, 0, {{470, 0, 5, 2, to(710)}}, {enableActionAt(470, false)}},  // KO fall: barrier
    {unnamed, stAttack, 0, 0, {{480, 0, 5, 5}, {481, 12, 1, 200, stay}}},                // KO fall
    {"混濁", stAttack, 0, 0,
     {{500, 7, 9, 2}, {501, 8, 9, 2}, {502, 9, 9, 2}, {503, 10, 9, 2}, {504, 9, 9, 2},
      {505, 8, 9, 2}, {506, 9, 9, 2}, {507, 7, 9, 2, to(0)}}},
    {"旋舞連脚　鬼独楽", stAttack, 0, 0,  // opens combo 510
     {{510, 0, 2, 1}, {511, 1, 2, 2}, {512, 2, 2, 2}, {513, 3, 2, s + 2}, {514, 4, 2, s + 12},
      {515, 5, 2, 2}, {516, 5, 2, s + 4, to(0)}}},
    {"旋舞連脚　牙砲", stAttack, 0, 0,
     {{520, 1, 2, 4}, {521, 7, 2, s + 3}, {522, 8, 2, s + 20}, {523, 9, 0, 2, to(0)}},
     {enableActionAt(520, false)}},
    {unnamed, stAttack, 0, 0,  // opens combo 530
     {{530, 9, 0, 4}, {531, 7, 5, s + 3}, {532, 8, 5, s + 30}, {533, 9, 0, 5, to(0)}}},
    {"斧瓦", stAttack, 0, 0,
     {{540, 9, 5, 4}, {541, 10, 5, 3}, {542, 10, 5, s + 20}, {543, 7, 4, 3, to(0)}},
     {enableActionAt(540, false)}},
    {"錬氣弾", stAttack, 0, 0,
     {{550, 0, 1, 2}, {551, 1, 1, 2}, {552, 2, 1, 2}, {553, 3, 1, 2}, {554, 4, 1, 2},
      {555, 5, 1, s + 10}, {556, 6, 1, 2}, {557, 7, 1, 2}, {558, 8, 1, s + 10}, {559, 9, 1, 2, to(0)}}},
    {"闇鎌", stAttack, 0, 0,
     {{570, 1, 2, s + 2}, {571, 8, 3, 2}, {572, 9, 2, 4}, {573, 8, 4, 3}, {574, 1, 2, 2, to(0)}}},
    {kCannonade, stAttack, 0, 0,  // word 4 of combo 610
     {{580, 6, 1, 2}, {581, 7, 1, 2}, {582, 8, 1, s + 10}, {583, 9, 1, 2, to(612)}}},
    {kCannonade, stAttack, 0, 0,  // word 1
     {{590, 12, 7, 2}, {591, 11, 7, 2}, {592, 13, 7, s + 10}, {593, 12, 7, 2, to(612)}}},
    {kCannonade, stAttack, 0, 0,  // word 3
     {{600, 0, 5, 2}, {601, 9, 8, 2}, {602, 10, 8, s + 10}, {603, 12, 7, 2, to(612)}}},
    {unnamed, stAttack, 0, 0,  // super art, type 0: opens combo 610
     {{610, 0, 5, 2}, {611, 0, 5, 2}, {612, 12, 7, s + 30}, {613, 0, 5, s + 6, to(0)}},
     {enableActionAt(612, true)}},
    {unnamed, stAttack, 0, 0, {{620, 8, 7, s + 30}, {621, 8, 6, 3, to(0)}}},  // opens combo 620
    {"メテオストライク", stAttack, 0, 0,
     {{630, 7, 9, 2}, {631, 9, 7, 2}, {632, 10, 7, s + 28}, {633, 7, 9, 2, to(0)}},
     {enableActionAt(630, false)}},
    {unnamed, stAttack, 0, 0, {{640, 6, 9, s + 30}, {641, 6, 9, 3}, {642, 6, 8, 3, stay}}},  // the slam
    {unnamed, stAttack, 0, 0,  // opens combo 650
     {{650, 7, 9, 3}, {651, 6, 5, 4}, {652, 9, 3, 3}, {653, 10, 3, 3}, {654, 11, 3, 3},
      {655, 12, 3, s + 30}, {656, 6, 5, s + 3, to(0)}}},
    {"打開", stAttack, 0, 0, {{660, 12, 2, 2}, {661, 12, 2, 2}, {662, 13, 2, s + 12, to(0)}}},
    {"練気閃", stAttack, 0, 0,
     {{670, 6, 1, 2}, {671, 7, 1, 2}, {672, 8, 1, s + 10}, {673, 9, 1, 2, to(0)}}},
    {unnamed, stAttack, 0, 0, {{680, 9, 10, 2}, {681, 9, 10, 2}, {682, 9, 10, 2, stay}}},  // after a teleport
    {"転移旋脚", stAttack, 0, 0,
     {{690, 9, 10, 2}, {691, 10, 10, 2}, {692, 11, 10, 2}, {693, 12, 10, s + 10, to(0)}}},
    {"閃断", stAttack, 0, 0,
     {{700, 9, 1, 2}, {701, 5, 1, s + 2}, {702, 6, 1, 2}, {703, 11, 1, s + 12, to(0)}}},
    {"練気障壁", from(710, stSpecialArt, 712, stAttack), 0, 0,
     {{710, 10, 4, 2}, {711, 10, 4, s + 2}, {712, 10, 4, 20, to(55)}}},
    {"ショックウェイブ", from(720, stSpecialArt, 723, stAttack), 0, from(720, 10, 723, 0),
     {{720, 12, 11, s + 2}, {721, 13, 11, 2}, {722, 13, 11, 2, countDownLoopWhilePositive(721, 723)},
      {723, 13, 11, 20}, {724, 6, 5, 2, to(0)}},
     {counTerAt(720, 31), enableActionAt(720, false)}},
    {unnamed, stAttack, 0, from(730, 10, 733, 0),  // super art, second: opens combo 730
     {{730, 6, 5, 2}, {731, 6, 5, 2}, {732, 11, 11, s + 30}, {733, 6, 5, s + 6, to(0)}},
     {enableActionAt(732, true)}},
    {unnamed, stAttack, 0, from(740, 2, 742, 0),  // super art, type 2: opens combo 740
     {{740, 0, 2, 2}, {741, 1, 2, s + 30}, {742, 5, 2, s + 6, to(0)}},
     {enableActionAt(741, true)}},
    {kSpiralNightmare, stAttack, 0, 5,
     {{750, 10, 2, s + 2}, {751, 11, 2, 2}, {752, 11, 2, s + 20}, {753, 10, 1, s + 5, to(0)}}},
    {unnamed, stAttack, 0, 0,  // spiral: strike from the left
     {{760, 7, 7, s + 2}, {761, 4, 9, 2}, {762, 4, 9, s + 20}, {763, 1, 8, s + 20, to(0)}}},
    {unnamed, stAttack, 0, 0,  // spiral: strike from the right
     {{770, 8, 8, s + 2}, {771, 5, 9, 2}, {772, 5, 9, s + 20}, {773, 8, 8, s + 20, to(0)}}},
    {unnamed, stAttack, 0, 0, {{779, 8, 8, 2}, {780, 8, 8, 40, stay}}},  // spiral: combo 780
    {unnamed, stAttack, 0, 0,  // spiral: the last kick
     {{790, 9, 10, 2}, {791, 10, 10, 2}, {792, 11, 10, 2}, {793, 12, 10, s + 10, to(0)}}},
    {unnamed, stAttack, 0, 5,  // second super art: opens combo 800; 802-805 repeat
     {{800, 12, 7, 3}, {801, 12, 4, 3}, {802, 10, 6, 2}, {803, 11, 6, 2}, {804, 12, 6, 2},
      {805, 13, 6, 2, loopCountingDown(802, 806)}, {806, 7, 4, 3, to(0)}},
     {counTerAt(801, 20), enableActionAt(801, true)}},
    {"インフィニティ", stAttack, 0, from(810, 10, 815, 0),  // 811-814 repeat while counTer >= 0
     {{810, 11, 5, 4}, {811, 10, 6, 2}, {812, 11, 6, 2}, {813, 12, 6, 2},
      {814, 13, 6, 2, loopWhileCounterNotNegative(811, 815)}, {815, 7, 4, 3, to(0)}},
     {counTerAt(810, 42), enableActionAt(810, false)}},
    {unnamed, stAttack, 0, 0, {{820, 7, 7, 2}, {821, 7, 7, 2}, {822, 7, 7, s + 20, stay}}},  // after a teleport
    {"ラビットパンチ", stAttack, 0, 0,
     {{830, 11, 8, 2}, {831, 12, 8, 2}, {832, 13, 8, s + 10}, {833, 13, 8, s + 2, to(0)}}},
    {unnamed, stAttack, 0, 5,  // super art, type 1: opens combo 840; 842-845 repeat
     {{840, 12, 7, 3}, {841, 12, 4, 3}, {842, 4, 11, 2}, {843, 5, 11, 2}, {844, 6, 11, 2},
      {845, 7, 11, 2, loopCountingDown(842, 846)}, {846, 7, 4, 3, to(0)}},
     {counTerAt(841, 20), enableActionAt(841, true)}},
    {"ディストーション", stAttack, 0, 10,  // 851-853 repeat
     {{850, 4, 11, 2}, {851, 5, 11, 2}, {852, 6, 11, 2}, {853, 7, 11, 2, loopCountingDown(851, 854)},
      {854, 7, 4, 3, to(0)}},
     {counTerAt(850, 10)}},
    {unnamed, stAttack, 0, from(860, 10, 863, 5),  // two-stock art: opens combo 860
     {{860, 7, 9, 2}, {861, 9, 11, 6}, {862, 9, 11, s + 24}, {863, 7, 9, s + 2, to(0)}}},
    {kGoumaFuujinken, from(870, kUnpushed, 871, stAttack, 872, kUnpushed, 873, stAttack),
     0, from(870, 10, 873, 5, 874, 0),
     {{870, 10, 11, 2}, {871, 10, 11, 2}, {872, 9, 11, 2}, {873, 9, 11, s + 24}, {874, 7, 9, s + 2, to(0)}}},
    {unnamed, kUnpushed, 0, 10, {{876, 10, 11, 2, to(872)}}},  // the swing repeats
    {unnamed, stAttack, 0, 10, {{879, 10, 11, 30, stay}}},     // the freeze
    {unnamed, stAttack, 0, 0,  // the finishing blow
     {{880, 0, 5, 5}, {881, 12, 1, 20}, {882, 12, 1, 40}, {883, 12, 1, 10}, {884, 12, 1, 10},
      {885, 12, 1, 10}, {886, 12, 1, 200, stay}}},
    {unnamed, stHit, 1, 0, {{950, 4, 5, 200, stay}}, {enableActionAt(950, false)}},  // win pose
};

/// Body-box insets (left, top, right, bottom) by class. Classes 4 and 5 (getting up) are
/// deliberately absent: they keep the box of the drawing pass before.
inline constexpr BodyInsets kBodyBoxes[] = {
    {65, 60, 65, 20},   // 0: standing, and everything not listed
    {65, 90, 65, 20},   // 1: crouching, low kicks, landing, win pose
    {65, 70, 65, 40},   // 2: in the air
    {50, 140, 50, 20},  // 3: on the floor, knock-down, KO
};

inline constexpr auto kTable = buildPatternTable<324>({kBlocks});

}  // namespace interrupter_patterns
}  // namespace morvek
