#pragma once
// The options screen: difficulty, rounds per match and round time, with a music test and
// a sound test; and the menu text routine the training screens share.

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/GenericObject.h"
#include "platform/Platform.h"

namespace morvek {

struct EngineContext;
class StateOfStage;

/// The options' items, by cursor.
namespace optionitem {
constexpr int16_t Difficulty = 0;
constexpr int16_t MaxRound = 1;
constexpr int16_t RoundTime = 2;
constexpr int16_t MusicTest = 3;
constexpr int16_t SoundTest = 4;
constexpr int16_t Exit = 5;
}  // namespace optionitem

/// Highest numbers of the two tests: music number 11 plays tune 10 (0 only stops the
/// music), the sound test reaches the effects 0-50.
inline constexpr int16_t kMusicTestLast = 11;
inline constexpr int16_t kSoundTestLast = 50;
/// The music volume while the options screen is open, and the music test's volume.
inline constexpr int32_t kOptionVolume = 50;
inline constexpr int32_t kMusicTestVolume = 800;

/// Round clock values of the round-time choices 0 "60", 1 "99" and 2 "∞".
inline constexpr std::array<int16_t, 3> kRoundTimes{6099, 9999, 0};

/// The round-time choice for a round clock value; any unknown value counts as "60".
constexpr int16_t roundTimeChoiceOf(int16_t maxRoundTime) {
    for (int16_t i = 0; i < 3; ++i)
        if (kRoundTimes[static_cast<size_t>(i)] == maxRoundTime) return i;
    return 0;
}

/// The difficulty as the battle system uses it, for choice 0-2 (EASY, NORMAL, HARD).
constexpr int16_t baseLevelOf(int16_t difficultyChoice) {
    return static_cast<int16_t>(10 * difficultyChoice);
}

/// Top of the highlight bar for a cursor.
constexpr int16_t optionBarY(int16_t cursor) { return static_cast<int16_t>(130 + 50 * cursor); }

/// One visit of the options screen: its locals, so a test can step it turn by turn.
struct OptionScreen {
    genericObject obj;           ///< frameCount animates the cursor sprite
    int16_t cursor = optionitem::Difficulty;
    int16_t roundTimeChoice = 0;
    int16_t musicNumber = 0;
    int16_t soundNumber = 0;
    int16_t barY = optionBarY(0);
    bool leave = false;          ///< EXIT was confirmed
    bool finished = false;       ///< the leaving turn has run
};

/// Set-up: the round-time choice, music volume 50, black screen, fixed colours, font.
void optionScreenBegin(EngineContext& game, OptionScreen& s, const StateOfStage& stage);
/// One turn: present; then either leave (music stopped, black screen) or draw the menu,
/// handle one key and write the round time back.
void optionScreenPass(EngineContext& game, OptionScreen& s, StateOfStage& stage);
/// Runs the options screen until EXIT.
void optionScreen(EngineContext& game, StateOfStage& stage);

/// Text at (x, y) in font size 10 and `colour`; the font is left at size 10, black.
void drawMenuText(EngineContext& game, Rgb colour, int32_t x, int32_t y, std::string_view text);

}  // namespace morvek
