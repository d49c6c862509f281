// BURI's attack and movement selects and its typing-combo steps. The attack key does not
// choose a move (BURI has only the bomb) but where the bomb goes off: its row sets the
// height, its column the distance along the facing direction. The movement keys are laid
// out around the guard column, the one of "D" and "C" facing right, "K" and "," facing left.

#include <cstdlib>

#include "battle/Character.h"
#include "battle/Mechanics.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "engine/Sound.h"
#include "movesets/Buri.h"
#include "movesets/MoveSetSupport.h"

namespace morvek {

namespace {

/// One column of the key grid is this many pixels of warp or of bomb distance.
constexpr int kColumnPitch = 64;

struct GridKey {
    int row;     ///< 1 the number row .. 4 the bottom row
    int column;  ///< 1 at the left .. 10 at the right
};

bool onGrid(int16_t key) { return key >= 1 && key <= 40; }

GridKey gridKey(int16_t key) { return GridKey{(key - 1) / 10 + 1, (key - 1) % 10 + 1}; }

int guardColumn(const Character& chara) { return chara.dirStand == 1 ? 3 : 8; }

/// Loops of a flight or forward dash: columns away from the guard column, less one.
int16_t loopsFrom(int column, int guard) { return static_cast<int16_t>(std::abs(column - guard) - 1); }

}  // namespace

void Buri::AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    animChange(game, 200, chara);
    if (!onGrid(targetKey)) return;
    const GridKey k = gridKey(targetKey);
    chara.AorMflag = static_cast<int16_t>(3 - k.row);  // number row 2 .. bottom row -1
    chara.counTer = static_cast<int16_t>(chara.dirStand == 1 ? k.column - 3 : 6 - k.column);
}

void Buri::MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) {
    if (!onGrid(targetKey)) return;
    const GridKey k = gridKey(targetKey);
    const int g = guardColumn(chara);
    switch (k.row) {
        case 1:  // high flight
            animChange(game, 15, chara);
            if (k.column != g) chara.counTer = loopsFrom(k.column, g);
            break;
        case 2:  // low flight
            animChange(game, 10, chara);
            if (k.column != g) chara.counTer = loopsFrom(k.column, g);
            break;
        case 3: {
            // Columns in front of the guard column count positive, whichever way BURI faces.
            const int ahead = chara.dirStand == 1 ? k.column - g : g - k.column;
            if (ahead == -2) {
                animChange(game, 70, chara);  // back dash
            } else if (ahead == -1) {
                animChange(game, 100, chara);  // walk backward
                chara.counTer = 1;
                chara.slideVector = 0;
            } else if (ahead == 1) {
                animChange(game, 100, chara);  // walk forward
                chara.counTer = 0;
                chara.slideVector = 0;
            } else if (ahead >= 2) {
                chara.counTer = loopsFrom(k.column, g);
                animChange(game, 75, chara);  // forward dash
            }
            break;
        }
        default:  // bottom row: a warp to the key's column, in screen direction
            animChange(game, 0, chara);
            soundPlay(game, kWarpSound);
            if (k.column != g) chara.posX += static_cast<double>(kColumnPitch * (k.column - g));
            break;
    }
}

void Buri::TPCFollow(BattleContext& game, Character& chara) {
    // The only chain: a word typed while the super art's first stage runs fires the beam.
    if (chara.TPCNumber == 210) animChange(game, 220, chara);
}

void Buri::TPCSecond(BattleContext&, Character&) {}

}  // namespace morvek
