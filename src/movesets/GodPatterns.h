#pragma once
// G O D's animation patterns: 115 patterns in 46 blocks, one block per move.
//
// Its sheet is one column of 498 x 398 frames on a 400-pixel pitch, so a pattern names
// only its row; the exception is the dash row, four small cells side by side 50 pixels
// apart, whose cell number is the "column" below.
//
// Each row: move name (written by its first pattern, kept afterwards), sTate, body class,
// zoomCount, then the patterns as {number, column, row, hold, step}. The step is omitted
// where a pattern simply goes on to the next number; `stay` keeps the pattern until
// another routine changes it. Holds use s = sPeed.
//
// The two judgements loop on counTer, which the action script counts down once per frame
// (214, 222, 537); the dashes and the long step count it down themselves on their last
// pattern.

#include "battle/Character.h"
#include "movesets/PatternTable.h"

namespace morvek {

namespace god_patterns {
using namespace anim;
using namespace anim::hold;

/// The floor: only a fighter whose vitality is exactly 0 goes on to lie there (`down`);
/// any other value gets up (`up`).
int16_t ruleLieDownAtZeroVitality(Character& chara, int16_t pattern, int16_t up, int16_t down);
constexpr Step lieDownAtZeroVitality(int up, int down) { return when(ruleLieDownAtZeroVitality, up, down); }

/// The first judgement's loop: lets the fighter act again on the pass where counTer is
/// exactly 1, and loops back while counTer has not gone below 0.
int16_t ruleJudgementLoop(Character& chara, int16_t pattern, int16_t loopTo, int16_t exit);
constexpr Step judgementLoop(int loopTo, int exit) { return when(ruleJudgementLoop, loopTo, exit); }

inline constexpr const char* kStingBomb = "スティングボム";
inline constexpr const char* kJudgement = "ジャッジメント";
inline constexpr const char* kFingertip = "神の指先";
inline constexpr const char* kFlick = "神のデコピン";
inline constexpr const char* kFist = "神の拳";

/// Sheet rows.
inline constexpr int8_t kPoses = 0;    ///< stand, guards, targeting, ground arts, speech
inline constexpr int8_t kAir = 1;      ///< jumps, airborne poses, the rise
inline constexpr int8_t kHurt = 2;     ///< hit reactions, input miss, dizzy, KO, the fist
inline constexpr int8_t kSteps = 3;    ///< quick steps and walking
inline constexpr int8_t kJudge = 4;    ///< the super art
inline constexpr int8_t kDefeat = 5;   ///< the last defeat pose
inline constexpr int8_t kDash = 6;     ///< four small cells

/// The cut-scene's G O D sways at pattern 90 and speaks at 540-543.
inline constexpr int16_t kSlowWalk = 90;
inline constexpr int16_t kFirstSpeech = 540;
inline constexpr int16_t kLastSpeech = 543;
/// Lying KO, and the final defeat the defeat switch turns it into.
inline constexpr int16_t kLyingKO = 333;
inline constexpr int16_t kFinalDefeat = 335;

inline constexpr Block kBlocks[] = {
    // name, sTate, body, zoomCount, patterns, other fields
    {unnamed, stStand, 0, 0, {{0, 0, kPoses, s + 2}, {1, 0, kPoses, s + 2, to(0)}}},  // stand
    {unnamed, stDash, from(10, 0, 11, 1, 12, 0), 0,  // dash, repeated counTer more times
     {{10, 0, kDash, 2}, {11, 1, kDash, 2}, {12, 2, kDash, 2}, {13, 3, kDash, 2, loopCountingDown(10, 0)}},
     {enableActionAt(10, true)}},
    {unnamed, stDash, from(15, 0, 16, 1, 17, 0), 0,  // the steeper dash
     {{15, 0, kDash, 2}, {16, 1, kDash, 2}, {17, 2, kDash, 2}, {18, 3, kDash, 2, loopCountingDown(15, 0)}},
     {enableActionAt(15, true)}},
    {unnamed, stStand, 0, 0, {{30, 0, kPoses, s + 1, to(0)}}},                                // stand guard
    {unnamed, stStand, 0, 0, {{35, 0, kPoses, 20, to(30)}}, {enableActionAt(35, false)}},    // guarded
    {unnamed, stStand, 1, 0, {{40, 0, kPoses, s + 1, to(0)}}},                                // crouch guard
    {unnamed, stStand, 1, 0, {{45, 0, kPoses, 20, to(40)}}, {enableActionAt(45, false)}},    // guarded
    {unnamed, stTargetStance, 0, 0,  // targeting stance
     {{50, 0, kPoses, 2}, {51, 0, kPoses, 2}, {52, 0, kPoses, 2}, {53, 0, kPoses, 2, to(50)}}},
    {unnamed, stStand, 0, 0, {{55, 0, kPoses, 2}, {56, 0, kPoses, 2, to(0)}}},  // targeting cancelled
    {unnamed, stHit, 0, 0,  // input miss; 61-62 only when started directly
     {{60, 0, kHurt, s + 34, to(0)}, {61, 0, kHurt, s + 15}, {62, 0, kHurt, s + 5, to(0)}}},
    {unnamed, stDash, from(70, 0, 71, 1, 72, 0), 0,  // quick step back
     {{70, 0, kSteps, 2}, {71, 0, kSteps, 2}, {72, 0, kSteps, 2}, {73, 0, kSteps, 2, to(0)}},
     {enableActionAt(70, true)}},
    {unnamed, stDash, from(75, 0, 76, 1, 77, 0), 0,  // quick step forward, repeated counTer times
     {{75, 0, kSteps, 2}, {76, 0, kSteps, 2}, {77, 0, kSteps, 2}, {78, 0, kSteps, 2, loopCountingDown(76, 0)}},
     {enableActionAt(75, true)}},
    {unnamed, stLanding, 0, 0, {{80, 0, kPoses, 2, to(0)}}, {enableActionAt(80, true)}},  // landing
    {unnamed, stWalk, 0, 0, {{kSlowWalk, 0, kPoses, s + 27, stay}}},                     // slow walk
    {unnamed, from(100, stWalk, 101, stRecover), 0, 0,  // walk
     {{100, 0, kSteps, s + 27}, {101, 0, kSteps, s + 27, to(0)}}},
    {unnamed, stAirborne, from(130, 0, 131, 2), 0,  // jump
     {{130, 0, kAir, s + 5}, {131, 0, kAir, s + 4, to(0)}},
     {enableActionAt(131, true)}},
    {unnamed, stAirborne, 0, 0, {{134, 0, kAir, s + 5, to(131)}}},  // air pose
    {unnamed, stAirborne, 2, 0,  // falling
     {{135, 0, kAir, s + 2}, {136, 0, kAir, s + 2}, {137, 0, kAir, s + 2}, {138, 0, kAir, s + 2, to(135)}},
     {enableActionAt(138, true)}},
    {unnamed, from(150, stAirborne, 151, stStand), 0, 0,  // air landing
     {{150, 0, kAir, s + 18}, {151, 0, kAir, s + 3, to(0)}}},
    {unnamed, stAirborne, 2, 0,  // airborne fall
     {{160, 0, kAir, s + 2}, {161, 0, kAir, s + 2}, {162, 0, kAir, s + 2}, {163, 0, kAir, s + 2, to(160)}},
     {enableActionAt(163, true)}},
    {unnamed, stHit, 0, 0, {{180, 0, kHurt, 80, to(0)}}, {enableActionAt(180, false)}},  // dizzy
    {kStingBomb, stTargetStance, 0, 0,
     {{200, 0, kPoses, 4}, {201, 0, kPoses, 4}, {202, 0, kPoses, 4}, {203, 0, kPoses, 4, to(0)}}},
    {kJudgement, stTargetStance, 0, 0,  // first stage, opens the typing combo
     {{210, 0, kPoses, 4}, {211, 0, kPoses, 4}, {212, 0, kPoses, 4}, {213, 0, kPoses, 4},
      {214, 0, kPoses, 4, judgementLoop(211, 215)}, {215, 0, kPoses, s + 4, to(0)}},
     {counTerAt(210, 10)}},
    {kJudgement, stAttack, 0, 0,  // second stage, the follow-up word
     {{220, 0, kPoses, 2}, {221, 0, kPoses, 1}, {222, 0, kPoses, 1, loopWhileCounterNotNegative(221, 223)},
      {223, 0, kPoses, 2, to(0)}},
     {enableActionAt(220, false), counTerAt(220, 60)}},
    {unnamed, stHit, 0, 0,  // standing hit; 301-302 only when started directly
     {{300, 0, kHurt, s + 34, to(0)}, {301, 0, kHurt, s + 15}, {302, 0, kHurt, s + 5, to(0)}}},
    {unnamed, stAirHit, 0, 0,  // knocked into the air
     {{310, 0, kHurt, 2}, {311, 0, kHurt, 3}, {312, 0, kHurt, 4, to(0)}}},
    {unnamed, from(320, stAirHit, 322, stHitFall), from(320, 0, 321, 3, 322, 0), 0,  // falling after it
     {{320, 0, kHurt, 5}, {321, 0, kHurt, 5}, {322, 0, kHurt, 6, to(0)}}},
    {unnamed, stFloorHit, 3, 0, {{330, 0, kHurt, 4, lieDownAtZeroVitality(0, 332)}}},  // floor hit
    {unnamed, stFloorHit, 3, 0, {{332, 0, kHurt, 20}, {kLyingKO, 0, kHurt, 20, stay}}},  // lying KO
    {unnamed, stFloorHit, 3, 0,  // final defeat
     {{kFinalDefeat, 0, kHurt, 1}, {336, 0, kHurt, 4}, {337, 0, kDefeat, 40, stay}}},
    {unnamed, stHit, 0, 0,  // stagger, standing
     {{340, 0, kHurt, 2}, {341, 0, kHurt, 30, collapseWithoutVitality(342, 400)}, {342, 0, kHurt, 7, to(0)}}},
    {unnamed, stHit, 1, 0,  // stagger, crouching
     {{350, 0, kHurt, 2}, {351, 0, kHurt, 30, collapseWithoutVitality(352, 400)}, {352, 0, kHurt, 7, to(0)}}},
    {unnamed, stAirHit, 0, 0, {{360, 0, kHurt, 5, to(0)}}},                  // floor landing
    {unnamed, stKnockdownFall, 3, 0, {{370, 0, kHurt, 10, to(0)}}},          // knock-down fall
    {unnamed, stHit, 3, 0, {{400, 0, kHurt, 3, to(330)}}},                   // KO
    {unnamed, -30, 0, 0, {{410, 0, kHurt, 2}, {411, 0, kHurt, 130, to(0)}}},  // reaction to type 5
    {unnamed, -30, 0, 0, {{420, 0, kHurt, 6, stay}}},                         // reaction hold
    {unnamed, stAttack, 0, 0, {{430, 0, kPoses, 2, to(0)}}, {enableActionAt(430, true)}},   // dash stopped
    {unnamed, stAttack, 0, 0, {{470, 0, kPoses, 2, to(0)}}, {enableActionAt(470, false)}},  // KO fall end
    {kFingertip, stTargetStance, 0, 0,
     {{500, 0, kPoses, 2}, {501, 0, kPoses, 2}, {502, 0, kPoses, 10}, {503, 0, kPoses, 4, to(0)}}},
    {kFlick, stTargetStance, 0, 0,
     {{510, 0, kPoses, 20}, {511, 0, kPoses, 2}, {512, 0, kPoses, 10}, {513, 0, kPoses, 14, to(0)}}},
    {kFist, stTargetStance, 0, 0,
     {{520, 0, kHurt, 4}, {521, 0, kHurt, 42}, {522, 0, kHurt, 2}, {523, 0, kHurt, 28},
      {524, 0, kHurt, 4, to(0)}}},
    {unnamed, stAirborne, 2, 0, {{530, 0, kAir, 100, stay}}, {enableActionAt(530, false)}},  // rise
    {kJudgement, stSpecialArt, 0, 0,  // the super art
     {{535, 0, kJudge, 2}, {536, 0, kJudge, 1}, {537, 0, kJudge, 1, loopWhileCounterNotNegative(536, 538)},
      {538, 0, kJudge, 20, stay}},
     {enableActionAt(535, false), counTerAt(535, 60)}},
    {unnamed, stTargetStance, 0, 0,  // speech poses
     {{kFirstSpeech, 0, kPoses, 20, stay}, {541, 0, kPoses, 20, stay}, {542, 0, kPoses, 20, stay},
      {kLastSpeech, 0, kPoses, 20, stay}}},
    {unnamed, stHit, 1, 0, {{950, 0, kPoses, 2, to(0)}}, {enableActionAt(950, false)}},  // win pose
};

inline constexpr auto kTable = buildPatternTable<115>({kBlocks});

/// The one body box, whatever the pattern's class.
inline constexpr BodyInsets kBodyBox{80, 50, 80, 25};

}  // namespace god_patterns

}  // namespace morvek
