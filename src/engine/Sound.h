#pragma once
// Sound effects and voices by index, and the background music.

#include <cstdint>
#include <string>

namespace morvek {

struct EngineContext;

/// A tune repeats this many times after its first play before it stops.
inline constexpr int kMusicRepeatCount = 100;

/// A music volume (musicPlay, musicVolumeSet) is in hundredths of a decibel with 1000 as
/// full level: 500 is -5 dB, and 0 is -10 dB, quieter but not silence (only musicStopAll
/// silences). Most tunes play at this one: the title's, the select's, the training set-up's,
/// the tutorial fight's with HONEKAWA, G O D's entrance, the final stage's and the lost
/// match's; the stage tunes' own volumes stand in the ladder's table.
inline constexpr int32_t kUsualMusicVolume = 500;

/// Loads every sound of the table: effects 0-59, then voices 100-156, from appPath.
void soundLoadAll(EngineContext& game);
/// Rewinds sound `index` and plays it once (a sound still playing restarts). Indexes
/// without a sound are ignored.
void soundPlay(EngineContext& game, int16_t index);
/// Rewinds sound `index` and plays it looping until soundStop.
void soundPlayLoop(EngineContext& game, int16_t index);
/// Stops sound `index` where it is.
void soundStop(EngineContext& game, int16_t index);

/// Where the tune file `name` is read from: musicbox/ under the current folder, or under
/// the program folder when the game was started from elsewhere.
std::string musicFilePath(EngineContext& game, const std::string& name);
/// Loads tune `index` from musicbox/.
void musicSegmentLoad(EngineContext& game, int16_t index, const std::string& name);
/// Loads the 18 tunes in table order.
void musicListLoad(EngineContext& game);
/// A non-negative index or volume replaces the stored one; then every tune stops, the
/// stored volume is set and the stored tune plays from its start. An index past the
/// table is ignored.
void musicPlay(EngineContext& game, int16_t index, int32_t volume);
/// Stops every tune.
void musicStopAll(EngineContext& game);
/// Sets the music master volume without touching the stored tune and volume.
void musicVolumeSet(EngineContext& game, int32_t volume);

}  // namespace morvek
