#pragma once
// What the pattern tables cannot say: a few moves have no name in their table (the game
// shows none for them) or a name that does not tell the kind of action, yet their cells
// must still show it. A hint is read after the block's name by the pose rules (poses.h,
// attackFamily).

#include <cstdint>
#include <string>

namespace morvek::data {

struct MoveHint {
    int16_t fighter;  ///< fighter number
    int16_t first;    ///< first pattern of the block
    const char* hint;
};

inline constexpr MoveHint kMoveHints[] = {
    // MORVEKBOY, and BETABOY (see moveHint)
    {0, 25, "air"}, {0, 500, "super art"}, {0, 590, "grab"}, {0, 610, "super art"}, {0, 630, "super art"},
    {0, 660, "super art"}, {0, 730, "super art"}, {0, 820, "super art"},
    // GINZAMURAI
    {1, 590, "grab"},
    // NANGIEF: the jumping catches
    {2, 260, "grab"}, {2, 670, "grab"},
    // HONEKAWA
    {3, 630, "super art"}, {3, 700, "super art"}, {3, 750, "super art"},
    // GOUDA
    {4, 265, "uppercut"}, {4, 500, "energy shot"}, {4, 505, "energy shot"}, {4, 590, "grab"},
    {4, 602, "throw"}, {4, 630, "super art"}, {4, 730, "super art"}, {4, 765, "dash"},
    {4, 900, "super art"}, {4, 910, "grab"},
};

/// The hint for a block, or "" when its table says enough.
inline std::string moveHint(int16_t fighter, int first) {
    // BETABOY's table takes MORVEKBOY's rows, and its own super arts (500, 730) open
    // where and as MORVEKBOY's do.
    const int16_t owner = fighter == 8 ? 0 : fighter;
    for (const MoveHint& h : kMoveHints)
        if (h.fighter == owner && h.first == first) return h.hint;
    return "";
}

}  // namespace morvek::data
