#pragma once
// The character select: fighter, super art, game speed, key mode and TPC SLOW; and the
// small look-ups other screens share (super-art names, display names, portraits, icons).

#include <array>
#include <cstdint>
#include <string>

#include "engine/GenericObject.h"

namespace morvek {

struct EngineContext;
class Character;
class StateOfStage;

/// The wizard's steps.
namespace selectphase {
constexpr int16_t FadeIn = 0;
constexpr int16_t Fighter = 1;
constexpr int16_t ConfirmFighter = 2;
constexpr int16_t SuperArt = 3;
constexpr int16_t StoreSuperArt = 4;
constexpr int16_t Speed = 5;
constexpr int16_t StoreSpeed = 6;
constexpr int16_t KeyMode = 7;
constexpr int16_t StoreKeyMode = 8;
constexpr int16_t TpcSlow = 9;
constexpr int16_t StoreTpcSlow = 10;
constexpr int16_t Done = 11;
}  // namespace selectphase

/// The animated cursor's place on the select picture for fighter cursor 0-5.
struct ScreenPoint {
    int16_t x, y;
};
inline constexpr std::array<ScreenPoint, 6> kSelectCursorPlaces{
    {{59, 403}, {87, 314}, {194, 268}, {221, 410}, {305, 364}, {433, 387}}};

/// The voice of a confirmed fighter value (0-5, 8, 9); -1 for another value.
int16_t selectVoiceOf(int16_t value);

/// One visit of the character select, steppable pass by pass.
struct CharaSelectScreen {
    int16_t phase = selectphase::FadeIn;
    int16_t fighter = 0;        ///< fighter cursor: 0-5, 8 or 9
    int16_t choice = 0;         ///< shared by the super-art, speed, key and TPC steps
    bool leave = false;
    bool finished = false;      ///< the last turn has run (names set, music stopped)
    int16_t portraitX = 640;
    int16_t cursorX = -100;
    int16_t cursorY = -100;
    std::array<int16_t, 3> panelX{700, 640, 800};
    std::array<int16_t, 3> panelY{20, 50, 80};
    genericObject obj;          ///< frameCount animates the cursor
};

void charaSelectBegin(EngineContext& game, CharaSelectScreen& s);
/// One turn of the loop; the turn after the wizard completes sets the name and returns.
void charaSelectPass(EngineContext& game, CharaSelectScreen& s, Character& player, StateOfStage& stage);
/// Runs the wizard: player's NUMBER, charaname, spacornType, the stage's speed, keyCount
/// and TPC SLOW.
void charaSelectMain(EngineContext& game, Character& player, StateOfStage& stage);

/// Name of super art `index` (0-2) of chara's fighter; "" outside the roster.
/// The display name of a fighter number for the result lists ("" outside 0-8).
std::string charaDispNameFromNumber(int16_t n);

std::string spacornNameFromNumber(const Character& chara, int16_t index);
/// Portrait (298x298 on the common sheet) of fighter n, stretched to (dx, dy, dw, dh).
void drawCharaPortrait(EngineContext& game, int16_t n, int16_t dx, int16_t dy, int16_t dw, int16_t dh);
/// Face icon (119x119 on the common sheet) of fighter n, stretched to (dx, dy, dw, dh).
void drawCharaFaceIcon(EngineContext& game, int16_t n, int16_t dx, int16_t dy, int16_t dw, int16_t dh);

}  // namespace morvek
