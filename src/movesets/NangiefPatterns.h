#pragma once
// NANGIEF's animation patterns: 213 patterns in 73 blocks, one block per move, on a sheet
// of 300-pixel cells.
//
// Each row: move name (written by its first pattern, kept afterwards), sTate, body class,
// zoomCount, then the patterns as {number, column, row, hold, step}. The step is omitted
// where a pattern simply goes on to the next number; `stay` keeps the pattern until
// another routine (the action script, the landing, the battle system) changes it.
// Holds use s = sPeed.
//
// The grabs share their frames: 590, 610, 720, 740 and 810 show the same reach, the two
// catches 510 and 780 the same lift, and the action script tells them apart by number and
// by `artsName`.

#include "movesets/PatternTable.h"

namespace morvek {

namespace nangief_patterns {
using namespace anim;
using namespace anim::hold;

/// Fighter states this move set gives its own meaning.
inline constexpr int16_t kThrowAirborne = 14;  ///< airborne throws and slams: lands in its own pose
inline constexpr int16_t kHop = 15;            ///< hops, take-offs, jumping catches
inline constexpr int16_t kGroundSpin = 30;     ///< first pattern of a ground spin
inline constexpr int16_t kRising = -15;        ///< late getting-up patterns
inline constexpr int16_t kHeld = -30;          ///< held by a throw

inline constexpr const char* kBlackHoleScrew = "ブラックホールスクリュー";
inline constexpr const char* kSuperNiceCatch = "スーパーナイスキャッチ";
inline constexpr const char* kBackdrop = "バックドロップ";

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0, {{0, 0, 0, s + 4}, {1, 1, 0, s + 5}, {2, 2, 0, s + 7, to(0)}}},  // stand
    {"ダイナマイトパンチ", 0, 0, 0,  // normal half of the EX pair 540/20
     {{20, 2, 2, 2}, {21, 3, 2, 2}, {22, 4, 2, 2}, {23, 5, 2, 2}, {24, 5, 2, s + 15}, {25, 4, 2, s + 5, to(0)}}},
    {unnamed, 3, 0, 0, {{30, 3, 0, s + 1, guardHold(0)}}},                              // standing guard
    {unnamed, 3, 0, 0, {{35, 3, 0, 20, to(30)}}, {enableActionAt(35, false)}},          // guarded, standing
    {unnamed, 4, 1, 0, {{40, 5, 0, s + 1, guardHold(0)}}},                              // crouching guard
    {unnamed, 4, 1, 0, {{45, 5, 0, 20, to(40)}}, {enableActionAt(45, false)}},          // guarded, crouching
    {unnamed, 2, 0, 0,  // targeting stance, 51-53 repeat
     {{50, 1, 2, s + 2}, {51, 6, 0, s + 6}, {52, 6, 5, s + 5}, {53, 7, 5, s + 8, to(51)}}},
    {unnamed, 1, 0, 0, {{55, 6, 5, 2}, {56, 1, 2, 2, to(0)}}},  // targeting cancelled
    {unnamed, -1, 0, 0, {{60, 2, 4, s + 34, to(0)}}},           // input miss
    {unnamed, kHop, 0, 0, {{70, 6, 1, s + 1}, {71, 0, 4, s + 4, stay}}},  // hop, blue word
    {unnamed, kHop, 0, 0, {{75, 6, 1, s + 4}, {76, 0, 4, s + 4, stay}}},  // forward hop
    {unnamed, from(80, 11, 81, 7), 0, 0,  // landing and recovery
     {{80, 0, 2, s + 4}, {81, 0, 1, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, 9, 0, 0,  // dash; repeats while counTer is not 0, then lands
     {{90, 0, 5, 5}, {91, 1, 5, 3}, {92, 2, 5, 5}, {93, 1, 5, 3, loopCountingDown(90, 80)}},
     {enableActionAt(93, true)}},
    {unnamed, from(100, 8, 101, 7), 0, 0,  // walk; counTer counts the steps toward 0
     {{100, 0, 1, s + 7}, {101, 1, 1, s + 5}, {102, 2, 1, s + 7}, {103, 1, 1, s + 5, loopTowardZero(100, 0)}},
     {enableActionAt(101, true)}},
    {unnamed, 12, 0, 0, {{130, 6, 1, s + 2}, {131, 0, 4, s + 4, stay}}},  // jump
    {unnamed, 12, 0, 0, {{135, 0, 4, s + 10, stay}}},                     // falling pose
    {unnamed, from(150, 12, 151, 1), 0, 0, {{150, 0, 4, s + 2}, {151, 0, 4, s + 10, to(0)}}},  // straight jump
    {unnamed, 12, 0, 0, {{160, 0, 4, s + 4, stay}}},                                       // airborne fall
    {unnamed, -1, 0, 0, {{180, 7, 3, 80, to(0)}}, {enableActionAt(180, false)}},           // dizzy
    {"ハンマーパンチ", 0, 0, 0,
     {{200, 5, 5, s + 2}, {201, 3, 5, 2}, {202, 3, 1, 2}, {203, 3, 1, s + 18}, {204, 5, 5, s + 1, to(0)}}},
    {"ハンドスタンプ", 0, 0, 0,
     {{210, 0, 2, 2}, {211, 3, 2, 2}, {212, 3, 3, 2}, {213, 3, 3, s + 20}, {214, 3, 2, s + 3, to(0)}}},
    {unnamed, kHop, 0, 0, {{220, 0, 4, 6, stay}},  // take-off of the body press
     {enableActionAt(220, false), enableGardAt(220, false)}},
    {"ボディプレス", kThrowAirborne, 0, 0, {{221, 5, 3, s + 200, stay}}},  // falling on the opponent
    {unnamed, 0, 0, 0, {{222, 6, 3, 2}, {223, 6, 3, s + 20}, {224, 4, 1, s + 1, to(0)}}},  // its landing
    {unnamed, 0, 0, 0, {{240, 5, 6, 2}, {241, 5, 6, s + 24}, {242, 1, 2, s + 2, to(0)}}},  // opens combo 240
    {"ダイナマイトキック", 0, 1, 0,
     {{250, 0, 3, s + 2}, {251, 1, 3, 2}, {252, 1, 3, s + 8}, {253, 0, 3, s + 10}, {254, 4, 1, s + 2, to(0)}}},
    {unnamed, kHop, 0, 0, {{260, 7, 1, s + 2}, {261, 7, 2, 2}, {262, 7, 2, 20, stay}}},  // jumping catch
    {"地獄突き", 0, 1, 0,
     {{270, 4, 1, s + 1}, {271, 5, 1, 2}, {272, 5, 1, s + 12}, {273, 4, 1, s + 5, to(0)}},
     {enableActionAt(270, true)}},
    {unnamed, -1, 0, 0, {{300, 2, 4, s + 14, to(0)}}},                              // hit reaction
    {unnamed, -2, 0, 0, {{310, 2, 4, 2}, {311, 3, 4, 3}, {312, 4, 4, 4, stay}}},   // launched by a hit
    {unnamed, from(320, -2, 322, -3), 0, 0, {{320, 3, 4, 5}, {321, 5, 4, 5}, {322, 7, 0, 6, stay}}},  // air hit, fall
    {unnamed, from(330, -4, 331, -40, 332, -20), from(330, 3, 332, 0), 0,  // floor: bounce, lying, rising
     {{330, 6, 4, 20, stayWhileKnockedOut(331)}, {331, 6, 4, 20}, {332, 7, 4, 5, to(0)}}},
    {unnamed, -1, 0, 0,  // standing hit reaction
     {{340, 2, 4, 4}, {341, 1, 4, s + 26, collapseWithoutVitality(342, 400)}, {342, 2, 4, 7, to(0)}}},
    {unnamed, -1, 1, 0, {{350, 8, 0, 40, collapseWithoutVitality(0, 400)}}},  // crouching hit reaction
    {unnamed, -4, 0, 0, {{360, 7, 0, 2, to(330)}}},                          // floor bounce after a fall
    {unnamed, -5, from(370, 3, 371, 0), 0, {{370, 5, 4, 10}, {371, 7, 4, 5, to(332)}}},  // knock-down fall
    {unnamed, 25, 0, 0, {{380, 3, 0, 4}, {381, 3, 3, s + 33, to(0)}}},                   // special guard
    {unnamed, 7, 0, 3,  // end of guard stun
     {{390, 4, 5, 4}, {391, 4, 5, 4}, {392, 3, 2, s + 30, to(0)}},
     {enableActionAt(390, true)}},
    {unnamed, -1, 3, 0, {{400, 8, 0, 3, to(330)}}},                            // KO
    {unnamed, kHeld, 0, 0, {{410, 2, 4, 2}, {411, 1, 4, 130, to(0)}}},        // caught by a grab
    {unnamed, kHeld, 0, 0, {{420, 7, 0, 4, stay}}},                           // held in a throw
    {unnamed, 0, 0, 0, {{430, 0, 2, 12, to(0)}}, {enableActionAt(430, true)}},  // Space during a dash
    {unnamed, from(450, -20, 454, 20), 5, 0,  // getting up
     {{450, 7, 4, 2}, {451, 7, 4, 2}, {452, 8, 2, 2}, {453, 8, 2, 2}, {454, 8, 2, 10, to(0)}},
     {enableGardAt(450, false), enableActionAt(450, false), enableGardAt(454, true), enableActionAt(454, true)}},
    {unnamed, from(460, -20, 462, kRising, 464, kHop), 5, 0,  // getting up with a hop
     {{460, 7, 4, 2}, {461, 7, 4, 2}, {462, 8, 2, 2}, {463, 8, 2, 2}, {464, 8, 2, 2, to(0)}},
     {enableGardAt(460, false), enableActionAt(460, false), enableGardAt(464, true), enableActionAt(464, true)}},
    {unnamed, 0, 0, 0, {{470, 0, 2, 2}, {471, 4, 8, 200, stay}}, {enableActionAt(470, false)}},  // KO fall
    {unnamed, 0, 0, 3, {{500, 8, 2, s + 25}, {501, 3, 2, 2, to(0)}},  // super art, type 1: opens combo 500
     {enableActionAt(500, true)}},
    {kSuperNiceCatch, from(510, 0, 512, kThrowAirborne), 0, 0,  // catch of 670, held overhead
     {{510, 4, 7, s + 2}, {511, 2, 6, s + 2}, {512, 6, 6, s + 20, stay}}},
    {unnamed, 0, 0, 0, {{520, 6, 6, s + 10, to(600)}}},  // its slam, then the follow-up
    {"ヘッドバット", 0, 0, 0,
     {{530, 6, 1, s + 5}, {531, 7, 1, 2}, {532, 8, 1, 2}, {533, 8, 1, s + 12}, {534, 7, 1, 2}, {535, 6, 1, 2, to(0)}}},
    {"EXダイナマイト", 0, from(540, 3, 544, 0), 0,  // EX half of the pair 540/20
     {{540, 2, 2, 2}, {541, 3, 2, 2}, {542, 4, 2, 2}, {543, 5, 2, 2}, {544, 5, 2, s + 15}, {545, 4, 2, s + 5, to(0)}}},
    {kBackdrop, 0, 0, 0, {{590, 4, 6, 2}, {591, 4, 6, s + 14}, {592, 0, 1, s + 4, to(0)}}},
    {unnamed, 0, 0, 0,  // backdrop throw (also after the super catch)
     {{600, 3, 6, s + 5}, {601, 3, 7, 2}, {602, 3, 7, s + 14}, {603, 0, 3, s + 4, to(0)}}},
    {kBlackHoleScrew, 0, 0, 0,  // grab at the typing target, after combo 630
     {{610, 4, 6, 2}, {611, 4, 6, 3}, {612, 4, 6, s + 14}, {613, 0, 1, s + 4, to(0)}}},
    {unnamed, 0, 0, 0,  // super art, type 0: opens combo 630
     {{630, 6, 7, s + 12}, {631, 5, 7, 2}, {632, 5, 6, s + 40}, {633, 0, 2, s + 4, to(0)}},
     {enableActionAt(630, false), enableActionAt(632, true)}},
    {"ダブルウリアット", 0, 0, 0,  // 641-644 spin until the script counts counTer below 0
     {{640, 3, 2, s + 2}, {641, 1, 8, 2}, {642, 2, 8, 2}, {643, 3, 8, 2},
      {644, 0, 8, 2, loopWhileCounterNotNegative(641, 645)}, {645, 3, 2, s + 8, to(0)}}},
    {unnamed, 0, 0, 0,  // run-in; repeats while counTer is not 0, then the backdrop
     {{650, 5, 6, 3}, {651, 5, 7, 3}, {652, 1, 2, 3}, {653, 4, 7, 3}, {654, 1, 2, 2},
      {655, 1, 2, 1, loopCountingDown(650, 660)}}},
    {unnamed, 0, 0, 0, {{660, 1, 2, 2}, {661, 5, 6, s + 2, to(590)}}},
    {unnamed, kHop, 0, 0, {{670, 7, 1, 2}, {671, 7, 2, 2}, {672, 7, 2, 20, stay}}},  // jumping catch, combo 500
    {kBlackHoleScrew, 0, 0, 0,  // grab all around, after combo 730
     {{720, 4, 6, 2}, {721, 4, 6, 3}, {722, 4, 6, s + 14}, {723, 0, 1, s + 4, to(0)}}},
    {unnamed, 0, 0, 0,  // second super art: opens combo 730
     {{730, 6, 7, s + 12}, {731, 5, 7, 2}, {732, 5, 6, s + 40}, {733, 0, 2, s + 4, to(0)}},
     {enableActionAt(730, false), enableActionAt(732, true)}},
    {"セクハラスクリュー", 0, 0, 0,  // grab after combo 240
     {{740, 4, 6, 2}, {741, 4, 6, 3}, {742, 4, 6, s + 14}, {743, 0, 1, s + 4, to(0)}}},
    {unnamed, from(750, kGroundSpin, 751, 0), 0, 0,  // screw: rising spin
     {{750, 0, 6, 2}, {751, 3, 6, 2}, {752, 1, 6, 2}, {753, 2, 6, 2, to(750)}}},
    {unnamed, kThrowAirborne, 0, 0,  // screw: falling spin
     {{760, 0, 6, 2}, {761, 7, 6, 2}, {762, 0, 7, 2}, {763, 6, 6, 2, to(760)}}},
    {unnamed, 0, 0, 0, {{770, 7, 6, 2}, {771, 7, 6, 8, to(0)}}},  // screw landing
    {"ナイスキャッチ", from(780, 0, 782, kThrowAirborne), 0, 0,  // catch of 260, held overhead
     {{780, 4, 7, s + 2}, {781, 2, 6, s + 2}, {782, 6, 6, s + 20, stay}}},
    {unnamed, 0, 0, 0, {{790, 6, 6, s + 20, to(0)}}},  // its slam
    {unnamed, from(800, 20, 803, 0), 0, from(800, 8, 804, 0),  // super art, type 2: opens combo 800
     {{800, 6, 7, 2}, {801, 5, 7, 2}, {802, 5, 6, 20}, {803, 5, 6, s + 20}, {804, 0, 2, s + 4, to(0)}},
     {enableActionAt(800, true)}},
    {"ママぁ、これFABっといて", from(810, 20, 812, 0), 0, from(810, 8, 812, 0),  // grab after combo 800
     {{810, 4, 6, 2}, {811, 4, 6, 3}, {812, 4, 6, s + 14}, {813, 0, 1, s + 4, to(0)}}},
    {unnamed, 0, 0, from(820, 7, 823, 6),  // carried and slammed twice, then lifted at 826
     {{820, 3, 6, s + 5}, {821, 3, 7, 2}, {822, 3, 7, s + 4}, {823, 3, 2, 2}, {824, 3, 6, s + 4},
      {825, 7, 6, s + 4}, {826, 7, 6, s + 4, stay}}},
    {unnamed, from(830, kGroundSpin, 831, 0), 0, 0,  // fast rising spin
     {{830, 0, 6, 1}, {831, 3, 6, 1}, {832, 1, 6, 1}, {833, 2, 6, 1, to(830)}}},
    {unnamed, kThrowAirborne, 0, 3,  // fast falling spin
     {{840, 0, 6, 1}, {841, 7, 6, 1}, {842, 0, 7, 1}, {843, 6, 6, 1, to(840)}}},
    {unnamed, 0, 0, from(850, 10, 851, 3), {{850, 7, 6, 2}, {851, 7, 6, 8, to(0)}}},  // final slam
    {unnamed, -1, 1, 0, {{950, 7, 3, 200, stay}}, {enableActionAt(950, false)}},   // win pose
};

/// Body-box insets (left, top, right, bottom) of the classes the table writes. Class 5
/// (getting up) is deliberately absent: it keeps the box of the pattern before it.
inline constexpr anim::BodyClass kBodyBoxes[] = {
    {0, {100, 80, 100, 55}},   // standing, and everything not listed
    {1, {100, 120, 100, 55}},  // crouching guard and hit, low attacks, win pose
    {3, {80, 200, 80, 55}},    // on the floor, knock-down, KO, EX punch
};

inline constexpr auto kTable = buildPatternTable<213>({kBlocks});

}  // namespace nangief_patterns
}  // namespace morvek
