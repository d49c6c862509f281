#pragma once
// One projectile of a fighter's pool. Data only: the owner's move set and the projectile
// routines give it its meaning. Positions are world pixels.

#include <cstdint>

namespace morvek {

struct flyArts {
    bool Running = false;       ///< the projectile exists
    int16_t RunTimer = 0;       ///< frames left
    int16_t FAType = 0;         ///< kind within the owner's move set
    bool Force = false;         ///< it may still hit
    int16_t posX = 0;
    int16_t posY = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t eraseType = 0;      ///< on contact: 1 ends it, 2 takes its Force away
    int16_t dirStand = 0;       ///< +1 / -1
    int16_t animPat = 0;
    int16_t AttackLeft = 0;     ///< attack box insets
    int16_t AttackTop = 0;
    int16_t AttackRight = 0;
    int16_t AttackBottom = 0;
    int16_t ATFleft = 0;        ///< frame rectangle, world coordinates
    int16_t ATFtop = 0;
    int16_t ATFright = 0;
    int16_t ATFbottom = 0;
    bool drawOnChara = false;
    int16_t ATFtype = 0;        ///< HitReaction: a projectile answers 1-4 and 7
    int16_t ATFHitSound = 0;
    int16_t ATFvectorX = 0;
    int16_t ATFvectorY = 0;
    int16_t setLenge = 0;
    int16_t gardableType = 0;   ///< GuardType, never written (guardableEither); read by the
                                ///< projectile guard test
    int16_t ATEanimPat = 0;
    int16_t controlX = 0;
    int16_t controlY = 0;
    int16_t ATEzoomX = 0;
    int16_t ATEzoomY = 0;
    double slideVector = 0;     ///< never written; read once each
    double upVector = 0;
    double fallVector = 0;
    int16_t attackPow1st = 0;
    int16_t attackPow2nd = 0;
    int16_t attackPow3rd = 0;
    int16_t stunPoint = 0;
    int16_t spacornPoint = 0;
    bool normalorEX = false;
    int16_t animCounter = 0;    ///< frames shown of the current frame
    int16_t stRength = 0;       ///< clash strength; -1 never loses Force in a clash
    bool spacornORnot = false;
    int16_t genericCounter = 0;
};

}  // namespace morvek
