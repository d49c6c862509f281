#pragma once
// MORVEKBOY's animation patterns: 266 patterns in 89 blocks, one block per move.
//
// Each row: move name (written by its first pattern, kept afterwards), sTate, body class,
// zoomCount, then the patterns as {number, column, row, hold, step}. The step is omitted
// where a pattern simply goes on to the next number; `stay` keeps the pattern until
// another routine changes it. Holds use s = sPeed, c = counTer, e = sPeedEffect.
// BETABOY shares most of these rows (pickBlocks), so they live in a header.

#include "movesets/PatternTable.h"

namespace morvek {

namespace morvekboy_patterns {
using namespace anim;
using namespace anim::hold;

/// The display name of the type-0 super art, a two-kanji word.
inline constexpr const char* kSuperArt0Name = "轟拳";

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, 1, 0, 0, {{0, 0, 0, 2}, {1, 1, 0, 2}, {2, 2, 0, 2}, {3, 3, 0, 2, to(0)}}},  // stand (neutral loop)
    {"男パンチ", 0, 0, 0,  // ground attack, red word
     {{20, 4, 11, 3}, {21, 7, 10, 2}, {22, 7, 10, s + 12}, {23, 9, 10, s + 2, to(0)}}},
    {"男クラッシャー", 0, 0, 0,  // the action script turns 20 into this in the air
     {{25, 8, 5, 3}, {26, 9, 5, 2}, {27, 10, 5, s + 12}, {28, 8, 5, s + 2, to(0)}}},
    {unnamed, 3, 0, 0, {{30, 0, 1, s + 1, guardHold(0)}}},  // standing guard
    {unnamed, 3, 0, 0, {{35, 0, 1, 20, to(30)}}},           // guarded hit while standing
    {unnamed, 4, 1, 0, {{40, 3, 1, s + 1, guardHold(0)}}},  // crouching guard
    {unnamed, 4, 1, 0, {{45, 3, 1, 20, to(40)}}},           // guarded hit while crouching
    {unnamed, 2, 0, 0, {{50, 2, 2, s + 7}, {51, 1, 2, s + 6, stay}}},  // targeting stance
    {unnamed, 1, 0, 0, {{55, 2, 2, 2, to(0)}}},                        // targeting cancelled
    {unnamed, -1, 0, 0, {{60, 0, 4, s + 34, to(0)}}},                  // input miss
    {unnamed, -1, 0, 0, {{61, 1, 4, s + 15}, {62, 0, 4, s + 5, to(0)}}},  // short stagger
    {unnamed, from(70, 10, 72, 7), 5, 0,  // quick back step, blue word
     {{70, 1, 9, s + 4}, {71, 2, 9, s + 4}, {72, 3, 9, s + 3}, {73, 0, 9, s + 3, to(0)}},
     {enableActionAt(72, true)}},
    {unnamed, 15, 0, 0, {{75, 2, 10, s + 4}, {76, 0, 7, s + 4, stay}}},  // hop, blue word
    {unnamed, from(80, 11, 81, 7), 0, 0,  // landing and recovery
     {{80, 0, 8, s + 4}, {81, 2, 5, s + 2, to(0)}},
     {enableActionAt(80, true)}},
    {unnamed, 9, 0, 0,  // dash, blue word; repeats while counTer is not 0
     {{90, 0, 10, 2}, {91, 1, 10, 2}, {92, 0, 11, 2}, {93, 2, 10, 2}, {94, 0, 11, 3, loopCountingDown(90, 0)}},
     {enableActionAt(93, true)}},
    {unnamed, from(100, 8, 101, 7), 0, 0,  // walk, blue word; counTer counts the steps
     {{100, 0, 2, s + 7}, {101, 1, 2, s + 5}, {102, 2, 2, s + 7}, {103, 1, 2, s + 5, loopTowardZero(100, 0)}},
     {enableActionAt(101, true)}},
    {unnamed, 9, 5, 0,  // forward run, blue word; repeats while counTer is not 0
     {{120, 1, 9, 3}, {121, 2, 9, 3}, {122, 3, 9, 3}, {123, 0, 9, 3, loopCountingDown(120, 0)}}},
    {unnamed, 10, 5, 0,  // backward run, blue word; repeats while counTer is not 0
     {{125, 1, 9, 3}, {126, 2, 9, 3}, {127, 3, 9, 3}, {128, 0, 9, 3, loopCountingDown(125, 0)}}},
    {unnamed, 12, 0, 0,  // jump pose held in the air
     {{130, 0, 10, s + 2}, {131, 0, 7, s + 4, stay}},
     {enableActionAt(131, true)}},
    {unnamed, 12, 0, 0, {{135, 1, 7, s + 10, stay}}},  // airborne pose of the action script
    {unnamed, from(150, 12, 151, 1), 0, 0,             // jump, blue word
     {{150, 0, 10, s + 2}, {151, 0, 7, s + 10, to(0)}}},
    {unnamed, 12, 0, 0, {{160, 1, 7, s + 4, stay}}},  // airborne fall
    {unnamed, -1, 1, 0, {{180, 2, 5, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {"ホームランパンチ", 0, 0, 0,  // ground attack, red word
     {{200, 9, 11, 2}, {201, 10, 10, 2}, {202, 11, 10, 2}, {203, 11, 9, s + 10}, {204, 4, 8, 2, to(0)}}},
    {"外門頂肘", 0, 0, 0,  // ground attack, red word
     {{210, 5, 10, 2}, {211, 8, 10, 5}, {212, 8, 10, 2}, {213, 8, 10, 21}, {214, 4, 10, s + 2, to(0)}}},
    {"スライディングキック", 0, 1, 0,  // red word; counTer 1-4 from the key sets its length
     {{220, 0, 8, 2}, {221, 10, 8, s + 5 * c}, {222, 5, 1, s + 5, to(0)}}},
    {"打旋", 0, 0, 0,  // ground attack, red word
     {{240, 0, 3, 2}, {241, 3, 6, 4}, {242, 1, 3, 2}, {243, 2, 6, 21}, {244, 4, 8, s + 2, to(0)}}},
    {"大足払い", 0, 1, 0,  // low sweep, red word
     {{250, 0, 8, s + 2}, {251, 8, 8, 2}, {252, 8, 8, s + 4}, {253, 9, 8, s + 5, to(0)}}},
    {"ドラゴンブロウ", 20, 4, 0,  // rising art; the action script moves 261 on to 265
     {{260, 1, 11, 2}, {261, 2, 11, s + 80, stay}},
     {enableActionAt(260, false)}},
    {unnamed, 0, 4, 0, {{265, 3, 11, s + 80, stay}}},  // descent after the rising art
    {"小足", 0, 1, 0,  // low kick, red word
     {{270, 0, 8, s + 1}, {271, 7, 1, 2}, {272, 7, 1, s + 8}, {273, 0, 8, s + 5, to(0)}},
     {enableActionAt(270, true)}},
    {"天空×字拳", 0, 0, 0,  // air attack, red word while airborne
     {{280, 3, 9, 4}, {281, 6, 4, 1}, {282, 6, 4, s + 150, stay}}},
    {unnamed, -1, 0, 0, {{300, 0, 4, 37, to(0)}}},                          // hit reaction
    {unnamed, -2, 0, 0, {{310, 2, 4, 2}, {311, 3, 4, 3}, {312, 4, 4, 4, stay}}},  // launched by a hit
    {unnamed, from(320, -2, 322, -3), 0, 0,  // air hit and fall
     {{320, 3, 4, 5}, {321, 1, 5, 5}, {322, 4, 5, 6, stay}}},
    {unnamed, from(330, -4, 331, -40, 332, -20), from(330, 3, 332, 0), 0,  // floor: bounce, lying, rising
     {{330, 5, 5, 20, stayWhileKnockedOut(331)}, {331, 5, 5, 20}, {332, 0, 8, 5, to(0)}}},
    {unnamed, -1, 0, 0,  // standing hit reaction
     {{340, 0, 4, 4}, {341, 1, 4, 29, collapseWithoutVitality(342, 400)}, {342, 0, 4, 7, to(0)}}},
    {unnamed, -1, 1, 0, {{350, 5, 7, 40, collapseWithoutVitality(0, 400)}}},  // crouching hit reaction
    {unnamed, -4, 0, 0, {{360, 4, 1, 2, to(330)}}},                          // floor bounce after a fall
    {unnamed, -5, from(370, 3, 371, 0), 0,                                   // knock-down fall
     {{370, 1, 5, 12}, {371, 0, 8, 7, to(332)}}},
    {unnamed, 25, 0, 0, {{380, 2, 3, 4}, {381, 5, 3, 37, to(0)}}},  // special guard
    {unnamed, 7, 0, 3,                                              // recovery after the special guard
     {{390, 4, 6, 4}, {391, 4, 6, 4}, {392, 4, 6, 33, to(0)}},
     {enableActionAt(390, true)}},
    {unnamed, -1, 3, 0, {{400, 4, 0, 3, to(330)}}},                    // collapse
    {unnamed, -30, 0, 0, {{410, 2, 4, 2}, {411, 1, 4, 130, to(0)}}},  // reaction to attack type 5
    {unnamed, -30, 0, 0, {{420, 4, 5, 4, stay}}},                     // held pose in state -30
    {unnamed, 0, 0, 0, {{430, 4, 8, 12, to(0)}}, {enableActionAt(430, true)}},  // stop of a dash
    {unnamed, from(450, -20, 454, 20), 5, 0,  // getting up
     {{450, 1, 9, 2}, {451, 2, 9, 2}, {452, 3, 9, 2}, {453, 0, 9, 2}, {454, 2, 5, 10, to(0)}},
     {enableActionAt(450, false), enableActionAt(454, true), enableGardAt(450, false), enableGardAt(454, true)}},
    {unnamed, from(460, -20, 462, -15, 464, 15), 5, 0,  // getting up with a hop
     {{460, 1, 9, 2}, {461, 2, 9, 2}, {462, 3, 9, 2}, {463, 0, 9, 2}, {464, 2, 5, 2, to(0)}},
     {enableActionAt(460, false), enableActionAt(464, true), enableGardAt(460, false), enableGardAt(464, true)}},
    {unnamed, 0, 0, 0,  // round-win pose, first kind; 471-472 repeat
     {{470, 9, 10, 2}, {471, 1, 2, 1}, {472, 7, 0, 1, to(471)}}},
    {unnamed, 0, 0, 0, {{480, 6, 5, 5}, {481, 7, 5, 200, stay}}},  // round-win pose, second kind
    {unnamed, 0, 0, 0,  // super art of spacorn type 2: charge; 502-503 repeat until counTer is below 0
     {{500, 6, 11, s + 2}, {501, 6, 11, s + 2}, {502, 5, 11, 4}, {503, 5, 11, 4, loopUntilCounterNegative(502, 504)},
      {504, 6, 11, s + 2, to(0)}},
     {enableActionAt(501, true), counTerAt(500, 30), counTerAt(501, 30)}},
    {"目から出ちゃった破壊光線", 0, 0, 0,  // beam after 500; 511-512 repeat while counTer is not below 0
     {{510, 8, 11, 2}, {511, 4, 11, 1}, {512, 4, 11, 1, loopWhileCounterNotNegative(511, 513)}, {513, 8, 11, 2, to(0)}},
     {counTerAt(510, 60)}},
    {unnamed, 0, 0, 0,  // ground attack, red word
     {{530, 5, 2, 6}, {531, 6, 2, 2}, {532, 6, 2, 33}, {533, 5, 2, 5, to(0)}}},
    {"チョッピングブロウ", 0, 0, 0,  // typing-combo step after 530
     {{540, 7, 2, 4}, {541, 7, 2, 1}, {542, 8, 2, s + 13}, {543, 5, 2, 3, to(0)}},
     {enableActionAt(540, false)}},
    {"スタンバースト", 0, 0, 0,  // EX version of 580
     {{570, 9, 11, 2}, {571, 10, 11, 2}, {572, 11, 11, 1}, {573, 11, 11, 2}, {574, 11, 11, s + 24},
      {575, 9, 11, 4, to(0)}}},
    {"スタンショット", 0, 0, 0,  // red word
     {{580, 9, 11, 4}, {581, 10, 11, 6}, {582, 11, 11, s + 20}, {583, 4, 11, 3, to(0)}}},
    {unnamed, 0, 0, 0,  // grab attempt, red word; a hit at 591 starts the throw 600
     {{590, 9, 10, 4}, {591, 1, 1, s + 10}, {592, 9, 10, 4, to(0)}}},
    {"背負い投げ", 0, 0, 0,  // throw
     {{600, 5, 2, s + 4}, {601, 4, 2, s + 4}, {602, 3, 2, s + 18}, {603, 4, 2, s + 2, to(0)}}},
    {kSuperArt0Name, from(610, 20, 612, 0), 0, from(610, 5, 613, 0),  // type-0 super art after 630; a hit at 611 starts 820
     {{610, 4, 11, 2}, {611, 5, 9, 2}, {612, 5, 9, s + 20}, {613, 9, 10, s + 2, to(0)}},
     {enableActionAt(610, false)}},
    {unnamed, from(630, 20, 632, 0), 0, 3,  // super art of spacorn type 0: opening
     {{630, 2, 3, 4}, {631, 4, 9, s + 20}, {632, 4, 8, 4, to(0)}},
     {enableActionAt(631, true)}},
    {"似非鉄山", 0, 0, 0,  // ground attack, red word; counTer 2, 5 or 7 from the key lengthens 650
     {{650, 4, 2, s + 4 + c}, {651, 5, 3, 2}, {652, 5, 3, 2}, {653, 5, 3, s + 20}, {654, 5, 2, 4, to(0)}}},
    {unnamed, 0, 1, from(660, 5, 662, 0),  // second super art: opening
     {{660, 2, 3, 2}, {661, 8, 4, s + 30}, {662, 2, 3, s + 2, to(0)}},
     {enableActionAt(661, true)}},
    {"合掌練功", from(665, 20, 668, 0), 1, from(665, 10, 668, 0),  // second super art after 660; 666-667 repeat
     {{665, 9, 4, 2}, {666, 10, 4, 2}, {667, 9, 4, 2, loopWhileCounterPositive(666, 668)}, {668, 2, 3, s + 2, to(0)}}},
    {"グランドショット", 0, 1, 0,  // ground attack, red word
     {{720, 7, 3, 6}, {721, 8, 3, s + 30}, {722, 7, 3, 3, to(0)}}},
    {"真・著作拳", from(730, 20, 731, 0), 1, from(730, 5, 731, 0),  // super art of spacorn type 1: opening
     {{730, 6, 7, s + 30}, {731, 4, 8, s + 2, to(0)}},
     {enableActionAt(730, true)}},
    {unnamed, 20, 1, from(735, 5, 736, 8),  // typing-combo step after 730
     {{735, 1, 11, 2}, {736, 7, 7, 2, to(747)}}},
    {unnamed, 20, 1, 8, {{737, 7, 7, s + 18, to(745)}}},  // continuation of 736
    {unnamed, 20, 1, 10,                                  // typing-combo step after 735
     {{740, 8, 7, 2}, {741, 9, 7, s + 14}, {742, 1, 11, 2, to(745)}}},
    {unnamed, 20, 4, 0, {{745, 2, 11, s + 180, stay}}},  // closing pose of the type-1 super art
    {unnamed, 20, 4, 0,                                   // repeating pose 748-749
     {{747, 2, 11, 2}, {748, 2, 11, 2}, {749, 2, 11, 2, to(748)}}},
    {"ロッコツパンチ", 0, 0, 0,  // typing-combo step after 240
     {{750, 2, 3, 5}, {751, 0, 6, 2}, {752, 0, 6, 5}, {753, 9, 10, 2, to(0)}}},
    {"貫き手", 0, 0, 0,  // typing-combo step after 240
     {{760, 9, 10, 2}, {761, 3, 3, 2}, {762, 3, 3, 5}, {763, 2, 6, 2, to(0)}}},
    {"竜巻", 15, 0, 0,  // spinning jump attack, red word; 771-774 repeat
     {{770, 2, 10, 4 - e}, {771, 8, 1, 2 - e}, {772, 1, 8, 2 - e}, {773, 3, 8, 2 - e}, {774, 2, 8, 2 - e, to(771)}}},
    {"連撃裏拳", 0, 0, 0,  // ground attack, red word; also the typing-combo step after 210
     {{780, 5, 10, 2}, {781, 6, 10, 2}, {782, 6, 10, 21}, {783, 4, 8, s + 2, to(0)}}},
    {"空中打旋", 15, 0, 0,  // air attack, red word while airborne
     {{790, 6, 6, 2}, {791, 7, 6, 2}, {792, 8, 6, 25}, {793, 0, 7, s + 2, to(0)}}},
    {"小竜巻", 15, 0, 0,  // typing-combo step after 790
     {{800, 3, 8, 2}, {801, 2, 8, 2}, {802, 8, 1, 2}, {803, 1, 8, 2, to(0)}}},
    {"サマソ", 15, 0, 0,  // typing-combo step after 800
     {{810, 2, 7, 2}, {811, 3, 7, 2}, {812, 4, 7, 2}, {813, 5, 8, 2, to(0)}}},
    {unnamed, 0, 0, 10,  // follow-up of the type-0 super art: wind-up; 822-823 repeat until counTer is below 0
     {{820, 5, 9, 25}, {821, 9, 10, 2}, {822, 1, 2, 1}, {823, 7, 0, 1, loopUntilCounterNegative(822, 824)},
      {824, 1, 2, 2, to(830)}},
     {enableActionAt(820, false), counTerAt(820, 12)}},
    {unnamed, 0, 0, 10, {{830, 1, 2, s + 20, to(910)}}},  // pause before the finisher
    {unnamed, 0, 0, 0, {{831, 4, 8, s + 2, to(910)}}},    // joins the finisher
    // follow-up steps chosen by the typed word
    {unnamed, 0, 0, 10,
     {{840, 4, 11, 2}, {841, 7, 10, 2}, {842, 7, 10, s + 12}, {843, 9, 10, s + 2, to(830)}},
     {enableActionAt(841, true)}},
    {unnamed, 0, 0, 10,
     {{850, 5, 10, 2}, {851, 6, 10, 2}, {852, 6, 10, s + 12}, {853, 4, 10, s + 2, to(830)}},
     {enableActionAt(851, true)}},
    {unnamed, 0, 0, 10,
     {{860, 0, 3, 2}, {861, 3, 6, 2}, {862, 1, 3, 2}, {863, 1, 3, 2}, {864, 2, 6, s + 10, to(830)}},
     {enableActionAt(861, true)}},
    {unnamed, 0, 0, 10,
     {{870, 2, 3, 2}, {871, 1, 6, 2}, {872, 1, 6, s + 12}, {873, 2, 6, s + 2, to(830)}},
     {enableActionAt(871, true)}},
    {unnamed, 0, 0, 10,
     {{880, 4, 11, 2}, {881, 0, 6, 2}, {882, 0, 6, s + 12}, {883, 9, 10, s + 2, to(830)}},
     {enableActionAt(881, true)}},
    {unnamed, 0, 0, 10,
     {{890, 9, 10, 2}, {891, 3, 3, 2}, {892, 3, 3, s + 12}, {893, 2, 6, s + 2, to(830)}},
     {enableActionAt(891, true)}},
    {unnamed, 0, 0, 10,
     {{900, 4, 11, 2}, {901, 4, 3, 2}, {902, 4, 3, s + 12}, {903, 2, 3, s + 2, to(830)}},
     {enableActionAt(901, true)}},
    {unnamed, 0, 0, from(910, 10, 913, 0),  // finisher of the follow-up
     {{910, 4, 11, 3}, {911, 7, 10, 2}, {912, 7, 10, s + 12}, {913, 9, 10, s + 2, to(0)}}},
    {unnamed, -1, 1, 0, {{950, 2, 5, 200, stay}}, {enableActionAt(950, false)}},  // loser's pose, standing
};

/// Body-box insets (left, top, right, bottom) by class.
inline constexpr BodyInsets kBodyBoxes[] = {
    {65, 60, 65, 20},   // 0: standing
    {65, 90, 65, 20},   // 1: crouching, low attacks, dizzy
    {65, 70, 65, 40},   // 2: selected by no pattern
    {50, 140, 50, 20},  // 3: on the floor, collapsing
    {80, 50, 80, 50},   // 4: rising art
    {65, 120, 65, 20},  // 5: back step, runs, getting up
};

inline constexpr auto kTable = buildPatternTable<266>({kBlocks});

}  // namespace morvekboy_patterns

}  // namespace morvek
