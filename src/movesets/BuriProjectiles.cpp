// BURI's three projectile kinds. None of them moves: each stays where it was launched.
//
//   1 スティングボム, the bomb: goes off at the aimed place, harmful only on the frame it bursts
//   2 the burst around BURI while the super art is cast: never harmful
//   3 the super art's beam: reaches 600 pixels beyond its picture in the facing direction

#include "battle/Character.h"
#include "battle/FlyArts.h"
#include "battle/Projectiles.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "movesets/Buri.h"
#include "movesets/ShotTable.h"

namespace morvek {

namespace {

// Indexed by kind 1-3.
constexpr ShotShape kShapes[4] = {
    {},
    {124, 124, 5, 70, 2, 45, 45, -30, 100, 20, 5, 5, 5, 5, 0, 0},
    {124, 124, 30, 70, 2, 45, 45, -30, 100, 20, 5, 5, 5, 5, 0, 0},
    {598, 198, 40, 4, 3, 19, 45, 100, 140, 10, 0, 0, 0, 0, 100, -30},
};
constexpr ShotPower kPowers[4] = {
    {},
    {10, 10, 10, 0, 0, 2, false, true, false, false},
    {10, 10, 10, 0, 0, 2, false, true, false, false},
    {40, 0, 0, 0, 0, 2, true, true, true, true},
};

/// The beam's reach beyond its own picture.
constexpr int16_t kBeamReach = 600;
/// The bomb's aim: one step of counTer or AorMflag is this many pixels.
constexpr int kAimPitch = 64;

}  // namespace

void Buri::FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) {
    if (kind < 1 || kind > 3) return;
    flyArts& fa = chara.returningOneFlyArts();
    flyArtsStart(game, fa, chara);
    fa.FAType = kind;
    setShot(fa, kShapes[kind], kPowers[kind]);

    const double centre = chara.posX + chara.Width / 2.0;
    int16_t reach = 0;
    switch (kind) {
        case 1:
            placeShot(fa, centre + static_cast<double>(chara.counTer) * kAimPitch * fa.dirStand - 50,
                      static_cast<double>(chara.posY) - 30 - chara.AorMflag * kAimPitch);
            fa.stRength = -1;
            break;
        case 2:
            placeShot(fa, centre, chara.posY - 30);
            break;
        default:
            placeShot(fa, chara.posX + (chara.dirStand == -1 ? 40 : 0), chara.posY - 75);
            fa.stRength = -1;
            reach = kBeamReach;
            break;
    }
    setLaunchBox(fa, reach, 0);
}

void Buri::FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect, flyArts& fa) {
    const int16_t p = fa.animPat;
    if (p >= 5 && p <= 24) {  // the bomb's burst: five columns, four rows
        const int16_t i = static_cast<int16_t>(p - 5);
        flyArtsAnimStep(game, srcRect, fa, chara, static_cast<int16_t>(901 + 126 * (i % 5)),
                        static_cast<int16_t>(1801 + 126 * (i / 5)), 1, -1);
        // Harmful only between the draw that leaves cell 7 and the next draw.
        if (p == 7 && fa.animCounter == 0) fa.Force = true;
        if (p == 8) fa.Force = false;
        if (p == 24) fa.Running = false;
    } else if (p >= 30 && p <= 34) {  // the cast's burst, a five-cell loop
        flyArtsAnimStep(game, srcRect, fa, chara, static_cast<int16_t>(901 + 126 * (p - 30)), 2305, 1,
                        p == 34 ? 4 : -1);
    } else if (p == 40) {  // the beam flickers between two cells
        flyArtsAnimStep(game, srcRect, fa, chara, 501, 801, 1, -1);
    } else if (p == 41) {
        flyArtsAnimStep(game, srcRect, fa, chara, 501, 1001, 1, 1);
    }
}

void Buri::FAMorfizm(BattleContext&, Character&, flyArts&) {
    // BURI's projectiles stay where they were launched.
}

}  // namespace morvek
