#pragma once
// EX arts (a stronger normal attack paid from the spacorn gauge), the effect-sprite
// spawner of hits, guards and super-art starts, the dive-attack power cap, and the texts of
// the option values.

#include <cstdint>
#include <string>

namespace morvek {

struct EngineContext;
class Character;

/// The player's attack select: exPattern when Left Shift is held and the cost is paid,
/// else normalPattern.
void exArtsSelect(EngineContext& game, Character& chara, int16_t exPattern, int16_t normalPattern);
/// The computer's: exPattern with one chance in five when the cost is paid.
void cpuExArtsSelect(EngineContext& game, Character& chara, int16_t exPattern, int16_t normalPattern);
/// Pays the EX cost from the bar, or by breaking a stock. False when it cannot be paid.
bool exArtsPay(Character& chara);
/// The EX flash and sound, once per animation pattern.
void exArtsEffect(EngineContext& game, Character& chara, Character& other);

/// Stores the five effect values of chara's next effect sprite.
void attackEffectSet(Character& chara, int16_t ATEanimPat, int16_t controlX, int16_t controlY,
                     int16_t ATEzoomX, int16_t ATEzoomY);
/// Spawns chara's current effect in chara's own ring. `other` is not read.
void attackEffectSpawn(Character& other, Character& chara);

/// A dive attack's power is at most 80; the value is written back and returned.
int16_t fallAttackPowCap(int16_t& v);

std::string difficultyText(int16_t v);
std::string speedModeText(int16_t v);
std::string keyModeText(int16_t v);
std::string onOffText(int16_t b);

}  // namespace morvek
