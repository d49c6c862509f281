#include "engine/Sound.h"

#include "engine/DataTables.h"
#include "engine/EngineContext.h"
#include "platform/Files.h"

namespace morvek {

namespace {

bool soundIndexValid(int16_t index) { return soundIndexInUse(index); }

}  // namespace

void soundLoadAll(EngineContext& game) {
    const std::string& app = game.engine.appPath;
    for (int i = kFirstEffect; i <= kLastEffect; ++i)
        game.platform.loadSound(i, app + std::string(soundFolder(i)) + std::string(soundFileName(i)));
    for (int i = kFirstVoice; i <= kLastVoice; ++i)
        game.platform.loadSound(i, app + std::string(soundFolder(i)) + std::string(soundFileName(i)));
}

void soundPlay(EngineContext& game, int16_t index) {
    if (!soundIndexValid(index)) return;
    game.platform.playSound(index, false);
}

void soundPlayLoop(EngineContext& game, int16_t index) {
    if (!soundIndexValid(index)) return;
    game.platform.playSound(index, true);
}

void soundStop(EngineContext& game, int16_t index) {
    if (!soundIndexValid(index)) return;
    game.platform.stopSound(index);
}

std::string musicFilePath(EngineContext& game, const std::string& name) {
    const std::string relative = std::string(kMusicFolder) + name;
    if (auto found = resolvePathCaseInsensitive(relative)) return *found;
    const std::string& app = game.engine.appPath;
    return (app.empty() ? game.platform.programFolder() : app) + relative;
}

void musicSegmentLoad(EngineContext& game, int16_t index, const std::string& name) {
    // Standard MIDI files are told apart by their extension, in any case; every tune of
    // the table is one, and the platform reads nothing else.
    game.platform.loadMusic(index, musicFilePath(game, name));
}

void musicListLoad(EngineContext& game) {
    for (int i = 0; i < kTuneCount; ++i)
        musicSegmentLoad(game, static_cast<int16_t>(i), std::string(kTuneFiles[i]));
}

void musicPlay(EngineContext& game, int16_t index, int32_t volume) {
    if (index >= kTuneCount) return;
    CurrentMusic& m = game.engine.currentMusic;
    if (index >= 0) m.index = index;
    if (volume >= 0) m.volume = volume;
    musicStopAll(game);
    game.platform.setMusicVolume(m.volume);
    game.platform.playMusic(m.index, kMusicRepeatCount + 1);
}

void musicStopAll(EngineContext& game) { game.platform.stopMusic(); }

void musicVolumeSet(EngineContext& game, int32_t volume) { game.platform.setMusicVolume(volume); }

}  // namespace morvek
