#pragma once
// GOUDA's animation patterns: 289 patterns, one block per move, on a sheet of 200-pixel cells.
//
// Each row: move name (written by its first pattern unless given, kept afterwards), sTate,
// body class, zoomCount, then the patterns as {number, column, row, hold, step}. The step
// is omitted where a pattern simply goes on to the next number; `stay` keeps the pattern
// until another routine (the action script, the landing, the battle system) changes it.
// Holds use s = sPeed and c = counTer.

#include "movesets/PatternTable.h"

namespace morvek {

class Character;

namespace gouda_patterns {
using namespace anim;
using namespace anim::hold;

/// Fighter states this move set gives its own meaning.
inline constexpr int16_t kAirArt = 15;    ///< air arts and the last getting-up pose
inline constexpr int16_t kRising = -15;   ///< late getting-up patterns
inline constexpr int16_t kHeld = -30;     ///< taken by a grab

/// Pattern 520 arms the rapid-fire count of 滅殺豪斬空: goes on to `next` with tmpCount = `count`.
int16_t ruleArmRapidFire(Character& chara, int16_t pattern, int16_t next, int16_t count);
/// Pattern 524: while tmpCount is not 0 count it down and go back to `loopTo`, else `exit`.
int16_t ruleRapidFireLoop(Character& chara, int16_t pattern, int16_t loopTo, int16_t exit);

constexpr Step armRapidFire(int next, int count) { return when(ruleArmRapidFire, next, count); }
constexpr Step rapidFireLoop(int loopTo, int exit) { return when(ruleRapidFireLoop, loopTo, exit); }

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0,  // stand, looping
     {{0, 0, 0, s + 12}, {1, 1, 0, s + 2}, {2, 2, 0, s + 3}, {3, 3, 0, s + 2, to(0)}}},
    {"豪打", 0, 0, 0,
     {{20, 9, 11, 2}, {21, 8, 11, s + 2}, {22, 7, 10, 2}, {23, 7, 10, s + 12}, {24, 9, 11, s + 2, to(0)}}},
    {"豪打", 0, 0, 0, {{25, 6, 1, s + 1, to(22)}}},  // second hit of the combo, joins 22
    {unnamed, 3, 0, 0, {{30, 0, 1, s + 1, guardHold(0)}}},                      // standing guard
    {unnamed, 3, 0, 0, {{35, 0, 1, 20, to(30)}}, {enableActionAt(35, false)}},  // guarded, standing
    {unnamed, 4, 1, 0, {{40, 3, 1, s + 1, guardHold(0)}}},                      // crouching guard
    {unnamed, 4, 1, 0, {{45, 3, 1, 20, to(40)}}, {enableActionAt(45, false)}},  // guarded, crouching
    {unnamed, 2, 0, 0, {{50, 2, 2, s + 2}, {51, 1, 2, s + 6, stay}}},           // targeting stance
    {unnamed, 1, 0, 0, {{55, 2, 2, s + 2, to(0)}}},                             // targeting cancelled
    {unnamed, -1, 0, 0, {{60, 0, 4, s + 34, to(0)}}},                           // input miss
    {unnamed, -1, 0, 0, {{61, 1, 4, s + 15}, {62, 0, 4, s + 5, to(0)}}},        // stagger
    {unnamed, from(70, 20, 74, 0), 0, 0,  // quick back step
     {{70, 0, 10, 2}, {71, 0, 11, 2}, {72, 0, 12, s + 5}, {73, 0, 11, 2}, {74, 0, 10, 2, to(0)}},
     {enableActionAt(70, false)}},
    {unnamed, from(80, 11, 81, 7), 0, 0,  // landing
     {{80, 3, 5, s + 2}, {81, 2, 5, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, from(90, 0, 91, 20, 94, 0), 0, 0,  // hop forward; counTer holds it in the air
     {{90, 0, 10, 2}, {91, 2, 10, 2}, {92, 1, 10, s + c}, {93, 2, 10, 2}, {94, 0, 10, 2, to(0)}},
     {enableActionAt(90, false)}},
    {unnamed, from(100, 8, 101, 7), 0, 0,  // walk; counTer counts the steps, either sign
     {{100, 0, 2, s + 7}, {101, 1, 2, s + 5}, {102, 2, 2, s + 7}, {103, 1, 2, s + 5, loopTowardZero(100, 0)}},
     {enableActionAt(101, true)}},
    {unnamed, 9, 0, 0,  // dash; repeats while counTer is not 0
     {{110, 6, 9, 2}, {111, 9, 9, 2}, {112, 10, 9, 2}, {113, 6, 9, 2}, {114, 7, 9, 2},
      {115, 8, 9, 2, loopCountingDown(110, 0)}},
     {enableActionAt(114, true)}},
    {unnamed, 9, 5, 0,  // forward step; repeats while counTer is not 0
     {{120, 1, 9, 3}, {121, 2, 9, 3}, {122, 3, 9, 3}, {123, 0, 9, 3, loopCountingDown(120, 0)}}},
    {unnamed, 10, 5, 0,  // back step; repeats while counTer is not 0
     {{125, 1, 9, 3}, {126, 2, 9, 3}, {127, 3, 9, 3}, {128, 0, 9, 3, loopCountingDown(125, 0)}}},
    {unnamed, 12, 0, 0,  // jump
     {{130, 0, 10, s + 2}, {131, 0, 7, s + 4, stay}},
     {enableActionAt(131, true)}},
    {unnamed, 12, 0, 0, {{135, 1, 7, s + 10, stay}}},  // airborne, going down
    {unnamed, from(150, 12, 151, 1), 0, 0,             // vertical jump
     {{150, 0, 10, s + 2}, {151, 0, 7, s + 10, to(0)}}},
    {unnamed, 12, 0, 0, {{160, 1, 7, s + 4, stay}}},                           // airborne fall
    {unnamed, -1, 0, 0, {{180, 2, 4, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {"Gアッパー", 0, 0, 0,
     {{200, 9, 11, 2}, {201, 10, 10, 2}, {202, 11, 9, 2}, {203, 11, 9, s + 10}, {204, 10, 10, 2, to(0)}}},
    {"Gタックル", 0, 0, 0,
     {{210, 0, 3, 5}, {211, 8, 10, s + 5}, {212, 8, 10, 2}, {213, 9, 10, s + 12, to(0)}}},
    {"斬影", 0, 1, 0,  // counTer 1-4 from the key sets the slide's length
     {{220, 10, 8, 2}, {221, 7, 8, s + 5 * c}, {222, 8, 1, s + 5, to(0)}}},
    {"鎖打ち", 0, 0, 0,
     {{230, 2, 6, 1}, {231, 3, 6, 1}, {232, 2, 7, 1}, {233, 3, 7, s + 20}, {234, 2, 2, 2, to(0)}}},
    {"鎖打ち", 0, 0, 0,  // the first form, which chains into 230
     {{240, 6, 1, 1}, {241, 5, 1, 1}, {242, 5, 0, 1}, {243, 0, 6, 1}, {244, 1, 6, s + 18}, {245, 2, 2, s + 2, to(0)}}},
    {"回転足払い", 0, 1, 0,
     {{250, 8, 1, s + 2}, {251, 8, 8, 2}, {252, 8, 8, s + 2}, {253, 10, 8, 2}, {254, 9, 8, s + 5, to(0)}}},
    {"豪昇龍拳", 20, 4, 0,  // the action script moves the rise on to 265
     {{260, 1, 11, 4}, {261, 3, 10, 2}, {262, 2, 11, s + 80, stay}},
     {enableActionAt(260, false)}},
    {unnamed, 0, 4, 0, {{265, 3, 11, s + 80, stay}}},  // coming down after the uppercut
    {"小足", 0, 1, 0,
     {{270, 8, 1, s + 1}, {271, 7, 1, 2}, {272, 7, 1, s + 8}, {273, 8, 1, s + 5, to(0)}},
     {enableActionAt(270, true)}},
    {"天魔空刃脚", kAirArt, 0, 0,  // dive, held until the landing
     {{280, 6, 4, 1}, {281, 6, 4, 1}, {282, 6, 4, s + 150, stay}}},
    {unnamed, -1, 0, 0, {{300, 0, 4, s + 34, to(0)}}},                              // hit
    {unnamed, -2, 0, 0, {{310, 2, 4, 2}, {311, 3, 4, 3}, {312, 4, 4, 4, stay}}},    // knocked up
    {unnamed, from(320, -2, 322, -3), 0, 0,                                         // air hit, falling
     {{320, 3, 4, 5}, {321, 1, 5, 5}, {322, 4, 5, 6, stay}}},
    {unnamed, from(330, -4, 331, -40, 332, -20), from(330, 3, 332, 0), 0,  // floor hit, lying, getting up
     {{330, 5, 5, 20, stayWhileKnockedOut(331)}, {331, 5, 5, 20}, {332, 8, 1, 5, to(0)}}},
    {unnamed, -1, 0, 0,  // hit
     {{340, 0, 4, 4}, {341, 1, 4, s + 26, collapseWithoutVitality(342, 400)}, {342, 0, 4, 7, to(0)}}},
    {unnamed, -1, 1, 0, {{350, 5, 7, 40, collapseWithoutVitality(0, 400)}}},  // hit while crouching
    {unnamed, -4, 0, 0, {{360, 4, 1, 2, to(330)}}},                           // floor bounce
    {unnamed, -5, from(370, 3, 371, 0), 0,                                    // knock-down fall
     {{370, 1, 5, 10}, {371, 8, 1, 5, to(332)}}},
    {unnamed, 25, 0, 0, {{380, 7, 5, 2}, {381, 6, 5, s + 33, to(0)}}},  // special guard
    {unnamed, 7, 0, 3,                                                  // end of guard stun
     {{390, 4, 6, 2}, {391, 7, 4, 2}, {392, 5, 6, s + 30, to(0)}},
     {enableActionAt(390, true)}},
    {unnamed, -1, 3, 0, {{400, 4, 0, 3, to(330)}}},                      // KO
    {unnamed, kHeld, 0, 0, {{410, 2, 4, 2}, {411, 1, 4, 130, to(0)}}},  // reaction to attack type 5
    {unnamed, kHeld, 0, 0, {{420, 4, 5, 4, stay}}},                     // held pose
    {unnamed, 0, 0, 0, {{430, 2, 5, 12, to(0)}}, {enableActionAt(430, true)}},  // dash stopped by Space
    {unnamed, from(450, -20, 454, 20), 5, 0,  // getting up
     {{450, 1, 9, 2}, {451, 2, 9, 2}, {452, 3, 9, 2}, {453, 0, 9, 2}, {454, 2, 5, 10, to(0)}},
     {enableActionAt(450, false), enableGardAt(450, false), enableActionAt(454, true), enableGardAt(454, true)}},
    {unnamed, from(460, -20, 462, kRising, 464, kAirArt), 5, 0,  // getting up, other pose
     {{460, 1, 9, 2}, {461, 2, 9, 2}, {462, 3, 9, 2}, {463, 0, 9, 2}, {464, 6, 6, 2, to(0)}},
     {enableActionAt(460, false), enableGardAt(460, false), enableActionAt(464, true), enableGardAt(464, true)}},
    {unnamed, 0, 0, 0,  // KO display sequence
     {{470, 8, 11, 3}, {471, 9, 11, 3}, {472, 6, 5, 3}, {473, 7, 5, 3}, {474, 7, 4, 3}, {475, 4, 6, 15},
      {476, 7, 4, 2}, {477, 5, 6, 200, stay}},
     {enableActionAt(470, false)}},
    {unnamed, from(500, 20, 501, 0), 0, from(500, 10, 501, 8, 503, 0),  // energy stance, spacorn type 1
     {{500, 9, 11, s + 2}, {501, 8, 11, s + 6}, {502, 8, 11, s + 24}, {503, 9, 11, s + 2, to(0)}},
     {enableActionAt(501, true)}},
    {unnamed, 0, 0, from(505, 3, 506, 10, 507, 3, 508, 0),  // energy stance in the air
     {{505, 6, 6, s + 2}, {506, 6, 6, 1}, {507, 8, 6, s + 26}, {508, 6, 6, s + 2, to(0)}},
     {enableActionAt(506, true)}},
    {"滅殺豪波動", 0, 0, from(510, 5, 517, 0),
     {{510, 10, 11, 2}, {511, 11, 11, 2}, {512, 11, 11, 2}, {513, 11, 11, 2}, {514, 11, 11, 2},
      {515, 11, 11, 2}, {516, 11, 11, s + 12}, {517, 9, 11, 2, to(0)}}},
    {"滅殺豪斬空", from(520, 20, 521, 0), 0, from(520, 5, 525, 0),  // 521-524 repeat ten more times
     {{520, 6, 6, 2, armRapidFire(521, 10)}, {521, 6, 6, 1}, {522, 8, 6, 2}, {523, 6, 6, 1},
      {524, 7, 6, 2, rapidFireLoop(521, 525)}, {525, 6, 6, s + 2, to(0)}}},
    {unnamed, 0, 0, 0,  // opener of 頭蓋破殺
     {{530, 5, 2, 2}, {531, 6, 2, 2}, {532, 6, 2, s + 30}, {533, 5, 2, 5, to(0)}}},
    {"頭蓋破殺", 0, 0, 0,
     {{540, 7, 2, 2}, {541, 8, 2, 2}, {542, 8, 2, s + 20}, {543, 5, 2, 3, to(0)}},
     {enableActionAt(540, false)}},
    {"EXタックル", 0, 0, 0,
     {{550, 8, 0, s + 8}, {551, 0, 3, 2}, {552, 8, 10, s + 5}, {553, 8, 10, 2}, {554, 9, 10, s + 12, to(0)}}},
    {"豪波動拳", 0, 0, 0,
     {{580, 9, 11, 2}, {581, 10, 11, s + 6}, {582, 11, 11, s + 24}, {583, 7, 11, s + 2, to(0)}}},
    {unnamed, 0, 0, 0,  // grab reach; a clean catch at 591 starts 600
     {{590, 1, 1, 4}, {591, 0, 5, s + 10}, {592, 1, 1, 4, to(0)}}},
    {"巴投げ", 0, 0, 0, {{600, 2, 1, s + 10}, {601, 1, 1, 4, to(0)}}},
    {unnamed, 0, 0, 0,  // the throw itself, when the catch holds
     {{602, 4, 2, s + 2}, {603, 3, 2, s + 18}, {604, 9, 8, s + 2, to(0)}}},
    {"暴力", from(610, 20, 612, 0), 0, from(610, 5, 613, 0),  // type-0 art after 630; a clean hit at 611 starts 820
     {{610, 0, 3, 2}, {611, 5, 9, 2}, {612, 5, 9, s + 20}, {613, 9, 10, s + 2, to(0)}},
     {enableActionAt(610, false)}},
    {unnamed, 0, 0, 3,  // spacorn type 0: opening
     {{630, 0, 3, 2}, {631, 0, 3, s + 40}, {632, 5, 2, 4, to(0)}},
     {enableActionAt(631, true)}},
    {"竜巻斬空脚", 0, 0, 0,  // on the ground; counTer sets the turns
     {{650, 1, 7, 3}, {651, 0, 8, 1}, {652, 1, 8, 1}, {653, 3, 8, 1}, {654, 2, 8, 1, loopCountingDown(651, 655)},
      {655, 0, 8, 2, to(0)}}},
    {"斬空波動拳", 0, 0, 0,
     {{660, 6, 6, 2}, {661, 8, 6, s + 6}, {662, 6, 6, 2}, {663, 7, 6, s + 12}, {664, 6, 6, 2, to(0)}}},
    {"アンダーアーモンド", 0, 0, 0,
     {{720, 3, 5, 2}, {721, 6, 9, 2}, {722, 7, 3, 2}, {723, 8, 3, 2}, {724, 6, 3, s + 12}, {725, 8, 3, 2},
      {726, 7, 3, 3, to(0)}}},
    {unnamed, 0, 1, from(730, 5, 731, 0),  // spacorn type 2: opening
     {{730, 5, 11, s + 30}, {731, 7, 11, s + 2, to(0)}},
     {enableActionAt(730, true)}},
    {"大絶唱", 0, 1, 10, {{740, 5, 11, 2}, {741, 6, 11, s + 40}, {742, 5, 11, s + 2, to(0)}}},
    {"滅殺豪昇龍", 20, from(750, 4, 754, 0, 755, 4), 2,  // three rising blows; the action script ends the last
     {{750, 1, 11, 2}, {751, 3, 10, 2}, {752, 2, 11, s + 4}, {753, 3, 11, 2}, {754, 1, 11, 2},
      {755, 3, 10, 2}, {756, 2, 11, s + 4}},
     {enableActionAt(750, false)}},
    {unnamed, 20, from(757, 4, 758, 0, 759, 4), from(757, 10, 760, 0),
     {{757, 3, 11, 2}, {758, 1, 11, s + 3}, {759, 3, 10, s + 2}, {760, 2, 11, s + 80, stay}}},
    {unnamed, from(765, 20, 767, 0), 0, from(765, 2, 768, 0),  // spacorn dash of the F12 key
     {{765, 8, 10, s + 6}, {766, 8, 10, s + 2}, {767, 6, 9, 2}, {768, 9, 10, s + 2, to(0)}},
     {enableActionAt(766, true)}},
    {"竜巻斬空脚", kAirArt, 0, 0,  // in the air; spins until something else starts a pattern
     {{770, 1, 7, 3}, {771, 0, 8, 2}, {772, 1, 8, 2}, {773, 3, 8, 2}, {774, 2, 8, 2, to(771)}}},
    {"豪衝打", 0, 0, 0,
     {{790, 6, 6, 2}, {791, 7, 6, 2}, {792, 8, 6, s + 22}, {793, 0, 7, s + 2, to(0)}}},
    {"小竜巻", 0, 0, 0, {{800, 3, 8, 2}, {801, 2, 8, 2}, {802, 0, 8, 2}, {803, 1, 8, 2, to(0)}}},
    {"豪斬尖", 0, 0, 0, {{810, 6, 6, 2}, {811, 2, 9, 2}, {812, 8, 3, 2}, {813, 4, 2, 2, to(0)}}},
    {"暴力", 0, 0, 5,  // follow-up of the type-0 art; ends in 613
     {{820, 1, 3, 2}, {821, 1, 3, s + 2}, {822, 4, 3, 2}, {823, 2, 3, 2}, {824, 2, 3, s + 2}, {825, 3, 3, 2},
      {826, 5, 3, s + 10, to(613)}}},
    {unnamed, 0, 0, from(830, 5, 832, 8),  // continuation of 暴力
     {{830, 5, 3, s + 10}, {831, 1, 11, 2}, {832, 7, 3, 2}, {833, 6, 3, 2}, {834, 6, 3, s + 10},
      {835, 7, 3, 2, to(613)}}},
    {unnamed, 0, 0, from(840, 8, 843, 0),  // continuation of 暴力
     {{840, 6, 3, s + 10}, {841, 7, 3, 2}, {842, 10, 10, s + 20}, {843, 9, 10, s + 2, to(0)}}},
    {unnamed, 0, 0, from(850, 10, 854, 0),  // continuation of 暴力
     {{850, 9, 11, 2}, {851, 10, 10, 2}, {852, 11, 9, 2}, {853, 11, 9, s + 10}, {854, 10, 10, 2, to(0)}}},
    {unnamed, 0, 0, 5,  // second super art (Ctrl key)
     {{900, 0, 10, 4}, {901, 2, 10, 4}, {902, 1, 10, s + 20}, {903, 2, 10, 2}, {904, 0, 10, 2, to(0)}},
     {enableActionAt(902, true)}},
    {unnamed, 0, 0, from(910, 5, 912, 0),  // grab reach of the second art; a clean catch at 911 starts 920
     {{910, 1, 1, 4}, {911, 0, 5, s + 10}, {912, 1, 1, 4, to(0)}}},
    {"瞬刻殺", 0, 0, 10, {{920, 2, 1, s + 20}, {921, 1, 1, 4, to(0)}}, {counTerAt(920, 40)}},
    {unnamed, 0, 0, 10,  // after the catch of 瞬刻殺: 924-925 repeat while counTer runs down
     {{922, 4, 2, 2}, {923, 3, 2, 2}, {924, 3, 2, 2}, {925, 3, 2, 2, loopCountingDown(924, 926)}, {926, 8, 11, 2},
      {927, 8, 11, s + 20, to(0)}}},
    {unnamed, -1, 1, 0, {{950, 2, 4, 200, stay}}, {enableActionAt(950, false)}},  // win pose
};

/// Body-box insets (left, top, right, bottom) by class.
inline constexpr BodyInsets kBodyBoxes[] = {
    {65, 60, 65, 20},   // 0: standing
    {65, 90, 65, 20},   // 1: crouching, low attacks, win pose
    {65, 70, 65, 40},   // 2: selected by no pattern
    {50, 140, 50, 20},  // 3: lying, KO
    {80, 50, 80, 50},   // 4: rising uppercuts
    {65, 120, 65, 20},  // 5: steps, getting up
};

/// Patterns in the blocks above (the build checks the count).
inline constexpr size_t kPatternCount = 289;

inline constexpr auto kTable = buildPatternTable<kPatternCount>({kBlocks});

}  // namespace gouda_patterns

}  // namespace morvek
