#pragma once
// One fighter in a match: identity and roster data, animation state, position and motion,
// body and attack boxes, attack power, gauges, combo, typing-target state, computer level,
// win marks, and two private pools (100 projectiles, 10 effect sprites) handed out in turn.
//
// Fields are public: the engine and the move sets read and write them directly. Integer
// fields are 16-bit and must be stored through cint16() when the value may have a fraction;
// the fields that keep fractions (position, motion vectors, gauges) are doubles.
// A new object has every field zero, false or empty.

#include <array>
#include <cstdint>
#include <string>

#include "battle/FlyArts.h"
#include "battle/Splite.h"
#include "platform/Surface8.h"

namespace morvek {

struct BattleContext;
struct EngineContext;

/// Fighter states (`sTate`) that rules outside the move sets test.
enum FighterState : int16_t {
    stAttack = 0,
    stStand = 1,
    stTargetStance = 2,
    stStandGuard = 3,
    stCrouchGuard = 4,
    stRecover = 7,
    stWalk = 8,
    stDash = 9,
    stBackStep = 10,
    stLanding = 11,
    stAirborne = 12,
    /// With -15: pushes the other body apart by half the overlap in the air as well.
    stAirPush = 15,
    stSpecialArt = 20,
    stSpecialGuard = 25,
    /// With -30 (held by a throw): never pushed and never pushes.
    stUnpushed = 30,
    stHit = -1,
    stAirHit = -2,
    stHitFall = -3,
    stFloorHit = -4,
    stKnockdownFall = -5,
    stGetUp = -20,
    stLyingDown = -40,
};

/// stunSwitch: a fighter whose stun gauge ran out is stunned, and turns dizzy once it is
/// back in neutral; a hit or the next neutral return wakes it.
enum StunState : int16_t {
    stunNormal = 0,
    stunStunned = 1,
    stunDizzy = 2,
};

/// A fighter stands on the ground when posY = kGroundLine - bottom.
constexpr int16_t kGroundLine = 1716;
/// A fighter's vitality at the start of a round.
inline constexpr double kFullVitality = 254;
constexpr int kFlyArtsPool = 100;
constexpr int kSplitePool = 10;

class Character {
public:
    // ---- identity and animation ----------------------------------------------------
    int16_t NUMBER = 0;          ///< fighter number 0-8 (fighter::), selects the move set
    bool PrimalPlayer = false;   ///< the human side
    int16_t animPat = 0;
    int16_t fixTime = 0;         ///< frames the pattern is held
    int16_t nextAnim = 0;        ///< relative step to the next pattern
    std::string charaname;       ///< file stem
    std::string charaDispname;
    int16_t nameWidth = 0;
    double posX = 0;             ///< left edge of the sprite cell
    int16_t posY = 0;            ///< top of the cell
    int16_t hitFieldLeft = 0;    ///< body box insets
    int16_t hitFieldTop = 0;
    int16_t hitFieldRight = 0;
    int16_t hitFieldBottom = 0;
    int16_t sPeed = 0;           ///< base hold of the patterns
    int16_t sPeedEffect = 0;     ///< 1 while the super-art mode runs
    int16_t animTimer = 0;
    int16_t dirStand = 0;        ///< +1 faces right, -1 left
    int16_t LeftOrRight = 0;     ///< +1 the opponent is to the right
    int16_t sTate = 0;
    bool wavSndFlag = false;     ///< the pattern's sound has been played
    std::string artsName;
    std::string artsFAName;
    double slideVector = 0;
    double upVector = 0;
    double fallVector = 0;
    bool floatorStand = false;   ///< airborne
    int16_t counTer = 0;
    int16_t AorMflag = 0;
    int16_t MaxJumpCount = 0;
    int16_t airialJumpCount = 0;
    int16_t KBTimer = 0;
    int16_t ATFnumber = 0;       ///< body-box class
    // ---- attack frame --------------------------------------------------------------
    int16_t ATFleft = 0;         ///< attack box, screen coordinates
    int16_t ATFtop = 0;
    int16_t ATFright = 0;
    int16_t ATFbottom = 0;
    int16_t ATFflag = 0;         ///< 0 none, 1 open, -1 resolved
    int16_t ATFtype = 0;         ///< HitReaction
    int16_t ATFHitSound = 0;
    int16_t ATFvectorX = 0;
    int16_t ATFvectorY = 0;
    int16_t ATEanimPat = 0;
    int16_t controlX = 0;
    int16_t controlY = 0;
    int16_t ATEzoomX = 0;
    int16_t ATEzoomY = 0;
    int16_t setLenge = 0;        ///< knock-back length given
    int16_t nockLenge = 0;       ///< knock-back length received
    int16_t gardableType = 0;    ///< GuardType
    // ---- combo, damage, gauges -----------------------------------------------------
    int16_t comboCount = 0;
    int16_t MaxComboCount = 0;
    int16_t comboTimer = 0;
    int16_t attackWasHit = 0;    ///< 0 none, 1 hit, 2 guarded
    bool FAwasHit = false;
    bool spacornHit = false;
    bool spAttacked = false;
    double viTality = 0;         ///< full 254
    double stunGauge = 0;
    int16_t stunPointMax = 0;
    int16_t TotalDamage = 0;
    int16_t OneHitDamage = 0;
    int16_t stunSwitch = 0;      ///< StunState: 0 normal, 1 stunned, 2 dizzy
    int16_t difensiBle = 0;
    int16_t attackPow1st = 0;
    int16_t attackPow2nd = 0;
    int16_t attackPow3rd = 0;
    bool normalorEX = false;
    int16_t stunPoint = 0;
    int16_t zoomCount = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t bottom = 0;          ///< empty margin under the feet in the cell
    std::string picTure;
    // ---- typing --------------------------------------------------------------------
    bool tarGeting = false;
    bool enableAction = false;
    bool enableGard = false;
    bool TPC = false;
    bool MultiTPC = false;
    int16_t TPCNumber = 0;
    int16_t inputKeyNum = 0;
    int16_t targetX = 0;
    int16_t targetY = 0;
    int16_t word1stPosX = 0;
    int16_t word1stPosY = 0;
    int16_t word2ndPosX = 0;
    int16_t word2ndPosY = 0;
    int16_t word3rdPosX = 0;
    int16_t word3rdPosY = 0;
    bool word3rdDisp = false;
    int16_t word4thPosX = 0;
    int16_t word4thPosY = 0;
    bool word4thDisp = false;
    int16_t word5thPosX = 0;
    int16_t word5thPosY = 0;
    bool word5thDisp = false;
    int16_t word6thPosX = 0;
    int16_t word6thPosY = 0;
    bool word6thDisp = false;
    int16_t word7thPosX = 0;
    int16_t word7thPosY = 0;
    bool word7thDisp = false;
    int16_t word8thPosX = 0;
    int16_t word8thPosY = 0;
    bool word8thDisp = false;
    // ---- spacorn -------------------------------------------------------------------
    int16_t spacornType = 0;
    int16_t spacornNumber = 0;
    int16_t spacornNumber2 = 0;
    bool spacornSwitch = false;
    int16_t spacornCircle = 0;
    double spacornGauge = 0;
    int16_t spacornGaugeMax = 0;
    int16_t spacornPoint = 0;
    int16_t spacornCount = 0;
    int16_t spacornCountMax = 0;
    int16_t spacornTimer = 0;
    float SPspacornTimer = 0;
    int16_t ExArtsConsumption = 0;
    int16_t NumOfServant = 0;
    // ---- computer, match -----------------------------------------------------------
    int16_t cpuLevel = 0;
    int16_t winCount = 0;
    int16_t SJSpoint = 0;
    int16_t ABSStop = 0;
    int16_t gardFixTime = 0;
    bool ReverseCharaFlag = false;
    int16_t FANumber = 0;        ///< ring position of the projectile pool
    int16_t SpliteNumber = 0;    ///< ring position of the effect-sprite pool
    int16_t tmpCount = 0;

    // ---- the 16 procedures ---------------------------------------------------------
    /// Fresh, idle projectiles; the ring position carries on.
    void InitFlyArts();
    /// Fresh, idle effect sprites; the ring position carries on.
    void InitSplite();
    /// A projectile's frame, from chara's move set (slot 7). Nothing for fighter 3 or an
    /// unknown number.
    void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa);
    /// A projectile's behaviour for this frame, from chara's move set (slot 9).
    void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa);
    /// Every live projectile of this fighter against enemy: the hit judge, then the clash.
    void HitCheckFlyArts(BattleContext& game, Character& enemy);
    /// The clash of the opponent's projectile fa with this fighter's own.
    void flyArtsCrossing(BattleContext& game, flyArts& fa);
    /// Draws the running projectiles from sheet and, unless frozen, runs and ages them.
    void drawFlyArts(BattleContext& game, const Surface8& sheet);
    /// The next projectile of the ring, busy or not.
    flyArts& returningOneFlyArts();
    /// Draws and advances the live effect sprites (and the servants' while they exist).
    void DrawAttackEffect(BattleContext& game);
    /// The next effect sprite of the ring, busy or not.
    Splite& returningOneSplite();
    /// Per-stage reset of the gauges and counts of this fighter.
    void stageInit();
    /// Records how the round just counted in winCount was won.
    void winMarkSet(uint8_t mark);
    uint8_t returningHowtoWin(uint8_t index) const;
    /// Body centre, posX + Width/2, rounded half to even.
    int16_t characterAxis() const;
    /// Moves by dx in the facing direction and by dy downwards.
    void posMove(int16_t dx, int16_t dy);
    /// File stem for a selection number (9 is HONEKAWA's variant).
    void CharaNameSetFromNumber(int16_t n);

    // ---- pool access for the drawing, the servants and tests -----------------------
    flyArts& flyArtsAt(int i) { return FA[static_cast<size_t>(i)]; }
    const flyArts& flyArtsAt(int i) const { return FA[static_cast<size_t>(i)]; }
    Splite& spliteAt(int i) { return SP[static_cast<size_t>(i)]; }
    const Splite& spliteAt(int i) const { return SP[static_cast<size_t>(i)]; }

private:
    std::array<flyArts, kFlyArtsPool> FA{};
    std::array<Splite, kSplitePool> SP{};
    std::array<uint8_t, 4> winMark{};
};

struct BattleContext;
/// Plays `index` once per animation pattern: only while the fighter's wavSndFlag is
/// clear, then sets it (animChange clears it again).
void charaSoundPlay(EngineContext& game, int16_t index, Character& chara);

}  // namespace morvek
