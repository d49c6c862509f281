#pragma once
// HONEKAWA's animation patterns: 324 patterns, one block per move (the longest moves are
// written as two blocks of the same move, so that each block's fields fit the form).
//
// Each row: move name (written by its first pattern unless a pattern is given, kept
// afterwards), sTate, body class, zoomCount, then the patterns as {number, column, row,
// hold, step}. The step is omitted where a pattern simply goes on to the next number;
// `stay` keeps the pattern until another routine changes it. Holds use s = sPeed and
// c = counTer. The hidden variant and the servants draw from this same table.

#include <cstdint>

#include "movesets/PatternTable.h"

namespace morvek {

class Character;

namespace honekawa_patterns {
using namespace anim;
using namespace anim::hold;

/// The dash's last frame: while `counTer` is left, count it down and run again from
/// `loopTo`; then into the kick `kick` when the dash was an attack (`AorMflag`), else stand.
int16_t ruleDashThenKick(Character& chara, int16_t pattern, int16_t loopTo, int16_t kick);
/// `counTer` 0 goes to `ifZero`, any other value to `otherwise`; nothing is counted.
int16_t ruleCounterZeroOr(Character& chara, int16_t pattern, int16_t ifZero, int16_t otherwise);
/// After a hit or guarded contact (`attackWasHit` not 0) go to `landed`, else `missed`.
int16_t ruleOnContact(Character& chara, int16_t pattern, int16_t missed, int16_t landed);

constexpr Step dashThenKick(int loopTo, int kick) { return when(ruleDashThenKick, loopTo, kick); }
constexpr Step counterZeroOr(int ifZero, int otherwise) {
    return when(ruleCounterZeroOr, ifZero, otherwise);
}
constexpr Step onContact(int missed, int landed) { return when(ruleOnContact, missed, landed); }

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0,  // stand (neutral loop)
     {{0, 0, 0, s + 4}, {1, 1, 0, s + 5}, {2, 2, 0, s + 7}, {3, 3, 0, s + 3, to(0)}}},
    {unnamed, 0, 0, 0,  // entered by nothing of this move set
     {{10, 0, 3, s + 1}, {11, 1, 3, s + 2}, {12, 0, 3, s + 1}, {13, 2, 3, s + 2}, {14, 3, 3, s + 1},
      {15, 4, 3, s + 1}, {16, 5, 3, s + 5}, {17, 4, 3, s + 4, to(0)}}},
    {Name("白虎双掌打", 23), 0, 0, 0,  // palm strike, red word (the variant turns it into 720)
     {{20, 2, 5, s + 4}, {21, 0, 5, s + 9}, {22, 3, 5, s + 1}, {23, 1, 5, s + 6}, {24, 1, 5, 6},
      {25, 2, 5, s + 7, to(0)}},
     {enableActionAt(25, true)}},
    {unnamed, 3, 0, 0, {{30, 0, 2, s + 1, guardHold(0)}}},  // standing guard
    {unnamed, 3, 0, 0, {{35, 0, 2, 20, to(30)}}, {enableActionAt(35, false)}},  // guarded, standing
    {unnamed, 4, 1, 0, {{40, 2, 2, s + 1, guardHold(0)}}},                      // crouching guard
    {unnamed, 4, 1, 0, {{45, 2, 2, 20, to(40)}}, {enableActionAt(45, false)}},  // guarded, crouching
    {unnamed, 2, 0, 0, {{50, 0, 1, s + 7}, {51, 1, 1, s + 20, stay}}},         // targeting stance
    {unnamed, 1, 0, 0, {{55, 0, 1, s + 7, to(0)}}},                            // targeting cancelled
    {unnamed, -1, 0, 0, {{60, 0, 4, s + 34, to(0)}}},                          // input miss
    {unnamed, -1, 0, 0, {{61, 1, 4, s + 15}, {62, 0, 4, s + 5, to(0)}}},
    {unnamed, 10, 0, 0,  // back step, blue word
     {{70, 2, 6, s + 4}, {71, 0, 6, s + 4}, {72, 1, 6, s + 3, to(0)}},
     {enableActionAt(72, true)}},
    {unnamed, 15, 0, 0, {{75, 0, 7, s + 4}, {76, 1, 7, s + 4, stay}}, {enableActionAt(76, true)}},  // hop
    {unnamed, from(80, 11, 81, 7), 0, 0,  // landing
     {{80, 2, 7, s + 4}, {81, 0, 7, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, from(99, 8, 101, 7), 0, 0,  // walk (100; the tutorial starts 99)
     {{99, 0, 0, 1}, {100, 0, 0, s + 7}, {101, 1, 0, s + 7}, {102, 2, 0, s + 7}, {103, 4, 0, s + 7},
      {104, 1, 0, s + 7}, {105, 2, 0, s + 7}, {106, 4, 0, s + 7, to(0)}},
     {enableActionAt(101, true)}},
    {unnamed, 9, 5, 0,  // dash; runs counTer more times, then the kick 220 when AorMflag is set
     {{120, 3, 7, 2}, {121, 4, 7, 2}, {122, 5, 7, 2}, {123, 6, 7, 2, dashThenKick(120, 220)}}},
    {unnamed, 10, 5, 0,  // back dash; runs counTer more times
     {{125, 5, 7, 2}, {126, 4, 7, 2}, {127, 3, 7, 2}, {128, 6, 7, 2, loopCountingDown(125, 0)}}},
    {unnamed, 12, 0, 0, {{130, 2, 7, s + 2}, {131, 0, 8, s + 4, stay}}, {enableActionAt(131, true)}},  // jump
    {unnamed, 12, 0, 0, {{135, 1, 8, s + 2, stay}}},  // falling out of the jump
    {unnamed, from(150, 12, 151, 1), 0, 0, {{150, 2, 7, s + 2}, {151, 0, 8, s + 10, to(0)}}},  // straight jump
    {unnamed, 12, 0, 0, {{160, 0, 8, s + 4, stay}}},  // airborne fall
    {unnamed, from(170, 30, 174, 0), 0, 0,  // long slide, blue word
     {{170, 0, 11, s + 0}, {171, 12, 9, s + 2}, {172, 12, 10, s + 1}, {173, 12, 11, s + 1},
      {174, 2, 7, s + 2, to(0)}},
     {enableActionAt(170, false), enableActionAt(173, true)}},
    {unnamed, -1, 0, 0, {{180, 2, 1, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {"虎砲", 0, 0, 0,
     {{200, 1, 10, s + 2}, {201, 0, 10, s + 18}, {202, 1, 10, s + 1}, {203, 2, 10, s + 1},
      {204, 3, 10, s + 24}, {205, 2, 10, s + 3, to(0)}},
     {enableActionAt(204, true)}},
    {"絶手", 0, 0, 0,
     {{210, 2, 8, s + 5}, {211, 3, 8, s + 1}, {212, 4, 8, 2}, {213, 4, 8, s + 16}, {214, 3, 8, s + 3, to(0)}},
     {enableActionAt(214, true)}},
    {"穿弓腿", 0, 0, 0,  // rising kick, also at the end of an attacking dash
     {{220, 7, 7, 2}, {221, 7, 7, 3}, {222, 8, 7, 2}, {223, 8, 7, 3}, {224, 9, 7, 2}, {225, 9, 7, s + 8},
      {226, 8, 7, s + 20, to(0)}}},
    {"尖翁脚", 0, 0, 0, {{230, 2, 3, s + 1}, {231, 3, 3, 2}, {232, 3, 3, s + 12}, {233, 4, 3, s + 3, to(0)}}},
    {"裡門頂肘", 0, 0, 0,
     {{240, 4, 6, s + 2}, {241, 6, 6, 2}, {242, 6, 6, s + 7}, {243, 5, 6, s + 2}, {244, 4, 6, s + 4, to(0)}}},
    {"前掃腿", 0, 1, 0, {{250, 0, 9, s + 2}, {251, 2, 9, s + 6}, {252, 4, 9, s + 5, to(0)}}},
    {"連起脚", 15, 0, 0,  // jumping kicks, number and top rows
     {{260, 10, 4, s + 2}, {261, 10, 4, s + 4}, {262, 6, 3, s + 2}, {263, 7, 3, s + 2}, {264, 8, 3, s + 5},
      {265, 9, 3, s + 4}, {266, 10, 3, s + 2}, {267, 11, 3, s + 5}, {268, 9, 3, s + 4, to(0)}}},
    {"底蹴腿", 0, 1, 0,  // low kick (the variant goes on to 275)
     {{270, 0, 9, s + 1}, {271, 1, 9, 2}, {272, 1, 9, s + 6}, {273, 0, 9, s + 5, to(0)}},
     {enableActionAt(270, true)}},
    {"底蹴腿", 0, 1, 0,  // the variant's low kick
     {{275, 5, 9, s + 1}, {276, 6, 9, 2}, {277, 6, 9, s + 5}, {278, 5, 9, s + 1, to(0)}},
     {enableActionAt(275, true)}},
    {"雷撃蹴", 0, 0, 0, {{280, 3, 9, 1}, {281, 3, 9, s + 150, stay}}},  // dive kick, held until landing
    {unnamed, -1, 0, 0, {{300, 0, 4, s + 35, to(0)}}},                   // hit
    {unnamed, -1, 0, 0, {{301, 1, 4, s + 15}, {302, 0, 4, s + 5, to(0)}}},
    {unnamed, -2, 0, 0, {{310, 2, 4, 4}, {311, 3, 4, 4, stay}}},  // knocked airborne
    {unnamed, from(320, -2, 322, -3), 0, 0, {{320, 4, 4, 5}, {321, 5, 4, 6}, {322, 6, 4, 4, stay}}},
    {unnamed, from(330, -4, 331, -40, 332, -20), from(330, 3, 334, 0), 0,  // floor, lying, getting up
     {{330, 7, 4, 20, stayWhileKnockedOut(331)}, {331, 7, 4, 20}, {332, 8, 4, 3}, {333, 2, 6, 3},
      {334, 2, 7, 3, to(0)}}},
    {unnamed, -1, 0, 0,  // standing hit
     {{340, 0, 4, 2}, {341, 1, 4, 30, collapseWithoutVitality(342, 400)}, {342, 0, 4, 7, to(0)}}},
    {unnamed, -1, 1, 0,  // crouching hit
     {{350, 4, 2, 2}, {351, 5, 2, 30, collapseWithoutVitality(352, 400)}, {352, 4, 2, 7, to(0)}}},
    {unnamed, -4, 0, 0, {{360, 6, 5, 8, to(330)}}},  // landing after an air hit
    {unnamed, from(370, -5, 371, 20), 1, 0,         // knock-down fall
     {{370, 5, 5, 10}, {371, 5, 7, 3}, {372, 4, 7, 3}, {373, 3, 7, 3, to(0)}}},
    {unnamed, 25, 0, 0, {{380, 10, 0, 3}, {381, 8, 0, s + 30, to(0)}}},  // parry stance
    {unnamed, 7, 0, 3, {{390, 9, 0, s + 30, to(0)}}, {enableActionAt(390, true)}},  // end of guard stun
    {unnamed, -1, 3, 0, {{400, 4, 5, 3, to(330)}}},                                  // KO
    {unnamed, -30, 0, 0, {{410, 0, 4, 2}, {411, 1, 4, 130, to(0)}}},  // reaction to attack type 5
    {unnamed, -30, 0, 0, {{420, 6, 4, 4, stay}}},
    {unnamed, 0, 0, 0, {{430, 2, 7, 12, to(0)}}, {enableActionAt(430, true)}},  // Space during a dash
    {unnamed, from(450, -20, 454, 20), 5, 0,  // getting up
     {{450, 5, 7, 2}, {451, 4, 7, 2}, {452, 3, 7, 2}, {453, 6, 7, 2}, {454, 2, 7, 10, to(0)}},
     {enableActionAt(450, false), enableGardAt(450, false), enableActionAt(454, true), enableGardAt(454, true)}},
    {unnamed, from(460, -20, 462, -15, 464, 15), 5, 0,  // getting up with a hop
     {{460, 5, 7, 2}, {461, 4, 7, 2}, {462, 3, 7, 2}, {463, 6, 7, 2}, {464, 2, 7, 2, to(0)}},
     {enableActionAt(460, false), enableGardAt(460, false), enableActionAt(464, true), enableGardAt(464, true)}},
    {unnamed, 0, 0, 0,  // KO animation, first kind
     {{470, 0, 1, 5}, {471, 1, 1, 5}, {472, 4, 10, 5}, {473, 5, 3, 2}, {474, 4, 3, 2}, {475, 3, 3, 2},
      {476, 2, 3, 5}, {477, 0, 1, 200, stay}}},
    {unnamed, 0, 0, 0, {{480, 8, 6, 5}, {481, 11, 0, 200, stay}}},  // KO animation, second kind
    {unnamed, 0, 0, 0,                                              // KO animation, third kind
     {{490, 8, 6, 5}, {491, 12, 0, 20}, {492, 12, 1, 2}, {493, 12, 2, 2}, {494, 12, 3, 2},
      {495, 11, 0, 200, stay}}},
    {"雷震魔破拳", from(500, 20, 503, 0), 0, 5,  // super art of spacorn type 0: the stance
     {{500, 3, 8, 2}, {501, 6, 2, 4}, {502, 7, 2, s + 20}, {503, 6, 2, s + 1}, {504, 3, 8, s + 1, to(0)}},
     {enableActionAt(502, true)}},
    {unnamed, from(505, 20, 506, 0), 0, 5,  // its combo word: the charge
     {{505, 4, 8, s + 1}, {506, 3, 8, s + 5, to(0)}},
     {enableActionAt(505, false)}},
    {unnamed, from(510, 0, 513, 30), 0, from(510, 10, 513, 9, 514, 8),  // the rush after a hit
     {{510, 8, 2, s + 2}, {511, 9, 2, s + 5}, {512, 10, 2, s + 1}, {513, 5, 8, 1}, {514, 5, 8, 1}},
     {enableActionAt(510, false)}},
    {unnamed, from(515, 30, 518, 0), 0, from(515, 7, 516, 6, 517, 5),
     {{515, 5, 8, 1}, {516, 5, 8, 1}, {517, 5, 8, 1}, {518, 4, 8, s + 20}, {519, 3, 8, s + 2, to(0)}}},
    {"旋風脚", 0, from(530, 2, 534, 0), 0,
     {{530, 6, 3, s + 4}, {531, 7, 5, s + 3}, {532, 8, 5, s + 1}, {533, 9, 5, s + 1}, {534, 10, 5, s + 4, to(0)}}},
    {"崩拳", 0, 0, 0,  // typing-combo step after 240
     {{540, 6, 6, s + 1}, {541, 7, 6, 2}, {542, 7, 6, s + 8}, {543, 5, 6, s + 3}, {544, 4, 6, s + 1, to(0)}}},
    {"虎撲子", 0, 0, 0,  // typing-combo step after 540
     {{550, 0, 5, s + 1}, {551, 2, 5, 2}, {552, 2, 5, s + 12, to(0)}},
     {enableActionAt(550, false)}},
    {"刺腿", 0, 0, 0, {{560, 3, 1, 1}, {561, 4, 1, s + 16}, {562, 3, 1, s + 2}, {563, 3, 1, s + 4, to(0)}}},
    {"槍雷脚", 0, 0, 0, {{565, 3, 1, 1}, {566, 3, 9, s + 18}, {567, 3, 1, s + 4, to(0)}}},
    {"片虎撲", 0, 0, 0, {{570, 5, 1, 1}, {571, 5, 1, s + 14}, {572, 3, 1, s + 4, to(0)}}},
    {"絶招歩法", from(580, 0, 582, 15), from(580, 0, 583, 2), 0,
     {{580, 6, 1, s + 1}, {581, 7, 1, s + 1}, {582, 8, 1, s + 1}, {583, 9, 1, s + 20, to(0)}}},
    {unnamed, 0, 0, 0,  // grab of モンキーフリップ
     {{590, 8, 6, s + 4}, {591, 9, 6, s + 4}, {592, 10, 6, s + 14}, {593, 9, 6, s + 1}, {594, 8, 6, s + 1, to(0)}}},
    {"モンキーフリップ", 0, 0, 0,  // the throw, ending in the back dash's last frame
     {{600, 6, 8, s + 10}, {601, 7, 8, s + 2}, {602, 8, 8, s + 8, to(128)}},
     {counTerAt(600, 0)}},
    {"転身穿弓腿", from(610, 9, 614, 0), from(610, 1, 614, 0), 3,  // typing-combo step after 630
     {{610, 3, 7, 2}, {611, 4, 7, 2}, {612, 5, 7, 2}, {613, 6, 7, 2}, {614, 7, 7, s + 2}, {615, 8, 7, s + 3},
      {616, 9, 7, s + 5}, {617, 6, 3, s + 2}},
     {enableActionAt(610, false)}},
    {unnamed, 0, 0, 7,
     {{618, 10, 3, s + 2}, {619, 11, 3, s + 2}, {620, 6, 3, 2}, {621, 7, 5, 2}, {622, 8, 5, 2}, {623, 9, 5, 2},
      {624, 6, 3, 2}, {625, 10, 3, 2}, {626, 11, 3, s + 5}, {627, 9, 3, s + 4, to(0)}}},
    {unnamed, from(630, 20, 631, 9), 5, 0,  // super art of spacorn type 1: the dash
     {{630, 3, 7, 2}, {631, 3, 7, 2}, {632, 4, 7, 2}, {633, 5, 7, 2}, {634, 6, 7, 2, loopCountingDown(631, 635)},
      {635, 3, 7, 2, to(0)}},
     {counTerAt(630, 10), enableActionAt(633, true)}},
    {"打開", 0, 1, 0,  // strikes behind
     {{640, 7, 1, s + 6}, {641, 7, 0, 4}, {642, 7, 0, s + 20}, {643, 7, 1, s + 4, to(0)}},
     {counTerAt(640, 0)}},
    {"鉄山靠", 0, from(650, 0, 651, 1, 652, 0), 0,  // counTer lengthens the lunge at 651
     {{650, 7, 1, s + 2}, {651, 10, 1, s + 2 + c, counterZeroOr(652, 656)}, {652, 11, 1, 2},
      {653, 11, 1, s + 20}, {654, 7, 1, s + 2, to(0)}},
     {enableActionAt(654, true)}},
    {unnamed, 0, 0, 0,  // second ending of 鉄山靠
     {{656, 11, 1, 4}, {657, 11, 1, s + 20}, {658, 7, 1, s + 2, to(0)}},
     {enableActionAt(658, true)}},
    {"槍雷虎炮", 0, 0, 0,  // typing-combo step after 700
     {{660, 4, 6, 1}, {661, 6, 6, 3}, {662, 5, 6, 1}, {663, 0, 3, 1}, {664, 1, 3, 2}, {665, 0, 3, 1},
      {666, 2, 3, 1}, {667, 3, 3, 2}, {668, 4, 3, 1}, {669, 5, 3, 2}},
     {enableActionAt(660, false)}},
    {unnamed, 0, 0, 0,  // a hit at 672 goes on to the finish 675
     {{670, 4, 3, 1}, {671, 6, 6, 1}, {672, 7, 6, 4, onContact(673, 675)}, {673, 5, 6, s + 2},
      {674, 4, 6, s + 1, to(0)}}},
    {unnamed, from(675, 30, 676, 0), 0, 5,  // finish of 槍雷虎炮
     {{675, 12, 9, 4}, {676, 2, 7, 2}, {677, 1, 10, 1}, {678, 1, 10, 4}, {679, 7, 1, 1}, {680, 7, 1, 1}}},
    {unnamed, 0, 0, from(681, 8, 688, 10, 689, 0),
     {{681, 10, 1, 3}, {682, 11, 1, 12}, {683, 7, 1, s + 2}, {684, 1, 10, 1}, {685, 0, 10, 12},
      {686, 1, 10, 2}, {687, 2, 10, 3}, {688, 3, 10, s + 15}, {689, 2, 10, s + 3, to(0)}}},
    {unnamed, 0, 0, 0, {{700, 0, 1, s + 30}, {701, 0, 1, s + 10, to(0)}}, {enableActionAt(700, true)}},  // type 2
    {"外門頂肘", 0, from(710, 0, 711, 1, 713, 0), 0,  // 裡門頂肘 from farther than 80
     {{710, 4, 6, s + 2}, {711, 11, 6, 2}, {712, 11, 6, s + 12}, {713, 5, 6, s + 2}, {714, 4, 6, s + 4, to(0)}}},
    {"蟷螂斬", 0, from(720, 0, 721, 1, 725, 0), 0,  // the variant's palm-strike key
     {{720, 0, 11, 2}, {721, 1, 11, s + 0}, {722, 2, 11, 2}, {723, 3, 11, 2}, {724, 4, 11, s + 10},
      {725, 3, 8, s + 2, to(0)}}},
    {"蟷螂斬", 0, from(730, 0, 731, 1, 735, 0), 0,  // typing-combo step after 720
     {{730, 4, 11, 2}, {731, 5, 11, s + 0}, {732, 6, 11, 2}, {733, 7, 11, 2}, {734, 8, 11, s + 10},
      {735, 3, 8, s + 2, to(0)}}},
    {"蟷螂斬", 0, from(740, 0, 741, 1, 745, 0), 0,  // typing-combo step after 730
     {{740, 8, 11, 2}, {741, 9, 11, s + 0}, {742, 10, 11, 2}, {743, 11, 11, 2}, {744, 12, 11, s + 15},
      {745, 3, 8, s + 2, to(0)}}},
    {unnamed, 2, 0, 5,  // super art of spacorn type 2, the variant: the stance
     {{750, 0, 1, s + 7}, {751, 1, 1, s + 25}, {752, 0, 1, s + 2, to(0)}},
     {enableActionAt(751, true)}},
    {unnamed, 2, 0, 10,  // its combo word: the summon (servants at 761)
     {{760, 2, 8, s + 2}, {761, 5, 10, 2}, {762, 6, 10, 2}, {763, 7, 10, s + 2}, {764, 6, 10, 2},
      {765, 5, 10, s + 20}, {766, 2, 8, s + 2, to(0)}},
     {enableActionAt(760, false), enableActionAt(763, true)}},
    {unnamed, -1, 1, 0, {{950, 2, 1, 200, stay}}, {enableActionAt(950, false)}},  // win pose
};

/// Every pattern of the table, found by number.
inline constexpr auto kTable = buildPatternTable<324>({kBlocks});

/// Body-box insets (left, top, right, bottom) by class. Class 4 does not exist for this
/// fighter: it leaves the insets as they were.
inline constexpr anim::BodyClass kBodyBoxes[] = {
    {0, {65, 60, 65, 20}},   // standing, moving, jumping, most attacks
    {1, {65, 90, 65, 20}},   // crouching, low kicks, striking frames
    {2, {65, 50, 65, 60}},   // 旋風脚 in the air, 絶招歩法's leap
    {3, {40, 140, 40, 20}},  // KO and on the floor
    {5, {65, 120, 65, 20}},  // dashes and getting up
};

}  // namespace honekawa_patterns
}  // namespace morvek
