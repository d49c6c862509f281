#pragma once
// Typing combos (a chain of typed words continuing an attack) and the spacorn, the super
// gauge that fills into stocks and is spent to start a super art.

#include <cstdint>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;

/// Opens a typing combo, once per animation pattern.
void TPCStart(BattleContext& game, Character& chara);
/// Closes the typing combo and the typing frame.
void TPCEnd(EngineContext& game, Character& chara);

/// The extra stock of the two-stock arts: taken from the bar whatever the stock, so below
/// full stock the gauge goes negative by the missing part.
void payExtraStock(Character& chara);
/// Fires a super art at `pattern`, paying one stock. Checks no stock count itself. A
/// pattern 0 (a fighter without that art) does nothing at all.
void spacornStart(BattleContext& game, Character& chara, Character& opponent, int16_t pattern);
/// Ctrl: the second super art (two stocks for NANGIEF and GOUDA).
void spacornCtrlKeyStart(BattleContext& game, Character& chara, Character& opponent);
/// F12: GOUDA's third-type art and INTERRUPTER's two-stock art.
void spacornF12KeyStart(BattleContext& game, Character& chara, Character& opponent);
/// The computer's start: kind 0 the first art, 1 the second; always one stock.
void cpuSpacornStart(BattleContext& game, Character& chara, Character& opponent, int16_t kind);

/// Fills the gauge; makes at most one stock per call. A negative amount counts as 0 and the
/// caller's variable is set to 0.
void spacornGaugeAdd(EngineContext& game, Character& chara, double& amount);
inline void spacornGaugeAdd(EngineContext& game, Character& chara, double&& amount) {
    spacornGaugeAdd(game, chara, amount);
}

/// Per-frame timers of a fighter, the start flash and the growing ring.
void spacornTimerTick(BattleContext& game, Character& chara);
/// Runs the special super-art mode timer down by the fighter's rate.
void spSpacornTimerCount(Character& chara);

}  // namespace morvek
