#pragma once
// One effect sprite (hit spark, guard flash...) of a fighter's pool. Data only.

#include <cstdint>

namespace morvek {

struct Splite {
    bool DrawOn = false;  ///< never read or written
    int16_t posX = 0;
    int16_t posY = 0;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t ATEtype = 0;  ///< never read or written
    int16_t animPat = 0;  ///< > 0 while the sprite is alive
    int16_t dirStand = 0;
};

}  // namespace morvek
