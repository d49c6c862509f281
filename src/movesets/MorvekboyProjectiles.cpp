// MORVEKBOY's six projectile kinds: the launch (shape, power and position), the
// per-frame behaviour of each kind and the animation cells.
//
//   1 スタンショット shot        4 目から出ちゃった破壊光線 beam
//   2 グランドショット shot      5 合掌練功 aura, following the fighter while its mode lasts
//   3 flash opening the beam   6 スタンバースト shot: hits twice, the second time as a 1

#include "battle/Character.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Morvekboy.h"
#include "movesets/MorvekboyMoves.h"
#include "movesets/ShotTable.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {
namespace morvekboy_moves {

namespace {

// Indexed by kind 1-6.
constexpr ShotShape kShapes[7] = {
    {},
    {48, 48, 5, 120, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -52},
    {48, 48, 5, 70, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -55},
    {198, 198, 15, 70, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 0, -30},
    {598, 198, 25, 4, 7, 19, 45, 100, 140, 10, 0, 30, 20, 0, 100, -30},
    {98, 98, 50, 1000, 3, 19, 10, 0, 40, 10, 0, 0, 0, 0, 20, -52},
    {48, 48, 5, 120, 3, 19, 10, 40, 80, 10, 0, 0, 0, 0, 20, -52},
};
constexpr ShotPower kPowers[7] = {
    {},
    {8, 10, 0, 15, 10, 2, true, true, false, false},
    {20, 0, 0, 0, 10, 2, true, true, false, false},
    {0, 0, 0, 0, 0, 1, false, true, false, false},
    {36, 0, 0, 0, 0, 2, true, true, true, true},
    {8, 10, 0, 15, 10, 2, false, false, false, false},
    {8, 14, 0, 20, 0, 2, true, true, false, false},
};
// How much wider and taller than the sprite the attack box is laid.
constexpr int16_t kExtraWidth[7] = {0, 0, 0, 0, 700, 0, 40};
constexpr int16_t kExtraHeight[7] = {0, 0, -10, 0, 0, 0, 40};

/// The burst a shot turns into once its Force is spent.
constexpr int16_t kBurstPattern = 35;

struct CellRow {
    int16_t animPat, cellX, cellY, hold, step;
    bool last;  ///< the projectile ends after this picture's frame
};
// hold -1 stands for the fighter's shot-loop hold.
constexpr int16_t kLoopHold = -1;
constexpr CellRow kCells[] = {
    {5, 1201, 1, kLoopHold, -1, false},   {6, 1251, 1, kLoopHold, -1, false},
    {7, 1301, 1, kLoopHold, -1, false},   {8, 1351, 1, kLoopHold, -1, false},
    {9, 1201, 51, kLoopHold, -1, false},  {10, 1251, 51, kLoopHold, -1, false},
    {11, 1301, 51, kLoopHold, -1, false}, {12, 1351, 51, kLoopHold, 7, false},
    {15, 201, 2401, 1, -1, false},        {16, 401, 2401, 1, -1, false},
    {17, 601, 2401, 1, -1, false},        {18, 801, 2401, 1, -1, false},
    {19, 1001, 2401, 1, -1, false},       {20, 1201, 2401, 1, -1, false},
    {21, 601, 2401, 1, -1, true},
    {25, 1801, 1, 1, -1, false},          {26, 1801, 201, 1, 1, false},
    {35, 1201, 101, 2, -1, false},        {36, 1251, 101, 2, -1, false},
    {37, 1301, 101, 2, -1, false},        {38, 1351, 101, 2, -1, false},
    {39, 1351, 101, 2, -1, true},
    {50, 1401, 2401, 3, -1, false},       {51, 1501, 2401, 3, -1, false},
    {52, 1401, 2501, 3, -1, false},       {53, 1501, 2501, 4, -1, false},
    {54, 1601, 2401, 5, 4, false},
};

void moveBox(flyArts& fa, int16_t speed) {
    const int16_t dx = cint16(fa.dirStand * speed);
    fa.ATFleft = cint16(fa.ATFleft + dx);
    fa.ATFright = cint16(fa.ATFright + dx);
}

}  // namespace

void launch(EngineContext& game, Character& owner, int16_t kind, const ShotTuning& tuning) {
    flyArts& fa = owner.returningOneFlyArts();
    flyArtsStart(game, fa, owner);
    fa.FAType = kind;
    if (kind < 1 || kind > 6) return;

    const double centre = owner.posX + owner.Width / 2.0;
    const int16_t dir = fa.dirStand;
    const int16_t odir = owner.dirStand;
    switch (kind) {
        case 1:
            placeShot(fa, centre + dir * tuning.shotAhead, owner.posY + 85);
            break;
        case 2:
            placeShot(fa, centre + dir * 15, owner.posY + 100);
            break;
        case 3:
            placeShot(fa, owner.posX + (odir == -1 ? 200 : 0), owner.posY);
            break;
        case 4:
            placeShot(fa, owner.posX + odir * 115 + (odir == -1 ? 200 : 0), owner.posY - 25);
            fa.ATFvectorX = 5;
            fa.ATFvectorY = 1;
            fa.stRength = -1;  // the beam outlasts every clash
            break;
        case 5:
            placeShot(fa, centre - 50, owner.posY + 50);
            break;
        case 6:
            placeShot(fa, centre + dir * 40, owner.posY + 60);
            break;
        default: break;
    }

    setShot(fa, kShapes[kind], kPowers[kind]);

    // The box starts at the reference corner and reaches out in the facing direction.
    setLaunchBox(fa, kExtraWidth[kind], kExtraHeight[kind]);
}

void shotBehaviour(Character& owner, flyArts& fa, const ShotTuning& tuning) {
    switch (fa.FAType) {
        case 1:
        case 2:
            moveBox(fa, fa.FAType == 1 ? tuning.shotSpeed : 15);
            if (!fa.Force) {  // spent on contact: burst and do nothing more
                fa.animPat = kBurstPattern;
                fa.FAType = 0;
            }
            break;
        case 3:  // follows the owner up and down
            fa.ATFtop = owner.posY;
            fa.ATFbottom = cint16(owner.posY + 200);
            break;
        case 4:
            fa.ATFtop = cint16(owner.posY - 25);
            fa.ATFbottom = cint16(owner.posY + 175);
            break;
        case 5:
            fa.ATFleft = cint16(owner.posX + 20);
            fa.ATFright = cint16(owner.posX + 180);
            fa.ATFtop = cint16(owner.posY + 50);
            fa.ATFbottom = cint16(owner.posY + 200);
            if (owner.SPspacornTimer == 0) fa.Running = false;
            break;
        case 6:
            if (!tuning.burstShot) break;
            moveBox(fa, 15);
            if (!fa.Force) {  // the first contact re-arms it as an ordinary shot
                fa.Force = true;
                fa.FAType = 1;
            }
            break;
        default: break;
    }
}

void shotFrame(BattleContext& game, Character& owner, Rect& srcRect, flyArts& fa,
               const ShotTuning& tuning) {
    for (const CellRow& row : kCells) {
        if (row.animPat != fa.animPat) continue;
        const int16_t hold = row.hold == kLoopHold ? tuning.loopHold : row.hold;
        flyArtsAnimStep(game, srcRect, fa, owner, row.cellX, row.cellY, hold, row.step);
        if (row.last) fa.Running = false;
        return;
    }
}

}  // namespace morvekboy_moves

const morvekboy_moves::ShotTuning& Morvekboy::shots() const { return morvekboy_moves::kMorvekboyShots; }

void Morvekboy::FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {
    morvekboy_moves::launch(game, chara, kind, shots());
}

void Morvekboy::FAMorfizm(BattleContext&, Character& chara, flyArts& fa) {
    morvekboy_moves::shotBehaviour(chara, fa, shots());
}

void Morvekboy::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    morvekboy_moves::shotFrame(game, chara, srcRect, fa, shots());
}

}  // namespace morvek
