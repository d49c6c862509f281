#include <gtest/gtest.h>

#include "temp_folder.h"
#include "battle/Character.h"
#include "engine/DataTables.h"
#include "game/Game.h"
#include "engine/Pictures.h"
#include "engine/Screen.h"
#include "engine/Shutter.h"
#include "engine/Sound.h"
#include "engine_fixture.h"

namespace morvek {
namespace {

using testing::EngineFixture;
using EngineSound = EngineFixture;
using EngineScreen = EngineFixture;

std::vector<int> indexes(const std::vector<AudioEvent>& evs) {
    std::vector<int> out;
    for (const AudioEvent& ev : evs) out.push_back(ev.index);
    return out;
}

TEST(EngineTables, SoundAndTuneNamesByIndex) {
    int inUse = 0;
    for (int i = 0; i < 300; ++i) inUse += soundIndexInUse(i) ? 1 : 0;
    EXPECT_EQ(inUse, 117);
    EXPECT_EQ(soundFileName(0), "effect0.wav");
    EXPECT_EQ(soundFileName(59), "D_PUNCH.wav");
    EXPECT_EQ(soundFileName(100), "ha.wav");
    EXPECT_EQ(soundFileName(156), "atata4.wav");
    EXPECT_EQ(soundFileName(60), "");
    EXPECT_EQ(soundFileName(99), "");
    EXPECT_EQ(soundFileName(157), "");
    EXPECT_EQ(soundFolder(59), "wavbox/");
    EXPECT_EQ(soundFolder(100), "voicedata/");
    // Indexes that share a file.
    for (auto [a, b] : {std::pair{2, 4}, {3, 26}, {21, 31}, {103, 114}, {131, 139}, {141, 145}})
        EXPECT_EQ(soundFileName(a), soundFileName(b));
    // Draws 1-3 pick exback02-04, 4-10 exback01.
    EXPECT_EQ(kBackgroundFiles[size_t(backgroundFileIndex(1))], "grafics/exback02.cha");
    EXPECT_EQ(kBackgroundFiles[size_t(backgroundFileIndex(3))], "grafics/exback04.cha");
    EXPECT_EQ(kBackgroundFiles[size_t(backgroundFileIndex(4))], "grafics/exback01.cha");
    EXPECT_EQ(kBackgroundFiles[size_t(backgroundFileIndex(10))], "grafics/exback01.cha");
}

TEST_F(EngineSound, SoundPlayRestartsItsIndexAndIgnoresIndexesWithoutASound) {
    soundPlay(*game, 11);
    soundPlay(*game, 11);
    soundPlay(*game, 2);
    soundPlay(*game, 4);
    for (int16_t bad : {60, 99, 157, 254, 255, -1}) soundPlay(*game, bad);
    // Each call rewinds and plays its own slot: a replay restarts 11 rather than adding a
    // third slot; 2 and 4 share a file but have slots of their own.
    EXPECT_EQ(indexes(events(AudioEvent::PlaySound)), (std::vector<int>{11, 11, 2, 4}));
    soundStop(*game, 11);
    soundPlay(*game, 11);
    soundPlayLoop(*game, 55);
    soundStop(*game, 55);
    soundStop(*game, 200);
    EXPECT_EQ(indexes(events(AudioEvent::StopSound)), (std::vector<int>{11, 55}));
    EXPECT_EQ(indexes(events(AudioEvent::LoopSound)), (std::vector<int>{55}));
}

TEST_F(EngineSound, CharaSoundPlaysOncePerPattern) {
    Character c;
    charaSoundPlay(*game, 101, c);
    charaSoundPlay(*game, 101, c);
    charaSoundPlay(*game, 102, c);
    EXPECT_TRUE(c.wavSndFlag);
    c.wavSndFlag = false;  // what an animation change does
    charaSoundPlay(*game, 102, c);
    EXPECT_EQ(indexes(events(AudioEvent::PlaySound)), (std::vector<int>{101, 102}));
}

TEST_F(EngineSound, MusicPlayKeepsTheStoredTuneOrVolumeForNegativeArguments) {
    musicPlay(*game, 16, 0);
    musicPlay(*game, -1, 500);
    musicPlay(*game, 3, -1);
    musicPlay(*game, -1, -1);
    const auto& log = platform.audioLog();
    ASSERT_EQ(log.size(), 12u);
    const std::pair<int, int> expected[] = {{16, 0}, {16, 500}, {3, 500}, {3, 500}};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(log[3 * i].kind, AudioEvent::StopMusic);
        EXPECT_EQ(log[3 * i + 1].kind, AudioEvent::MusicVolume);
        EXPECT_EQ(log[3 * i + 1].value, expected[i].second);
        EXPECT_EQ(log[3 * i + 2].kind, AudioEvent::PlayMusic);
        EXPECT_EQ(log[3 * i + 2].index, expected[i].first);
        EXPECT_EQ(log[3 * i + 2].value, 101);  // the first play and 100 repeats
    }
    EXPECT_EQ(game->engine.currentMusic.index, 3);
    EXPECT_EQ(game->engine.currentMusic.volume, 500);
}

TEST_F(EngineSound, TuneIndexPastTheTableIsIgnoredAndVolumeSetKeepsTheStoredValue) {
    musicPlay(*game, 18, 700);
    musicPlay(*game, 400, 700);
    EXPECT_TRUE(platform.audioLog().empty());
    musicVolumeSet(*game, 900);
    EXPECT_EQ(game->engine.currentMusic.volume, 0);
    ASSERT_EQ(events(AudioEvent::MusicVolume).size(), 1u);
    EXPECT_EQ(events(AudioEvent::MusicVolume)[0].value, 900);
}

TEST_F(EngineSound, TunesAreFoundBesideTheProgramWhenNotInTheCurrentFolder) {
    const morvek::testing::ScopedTempCurrentFolder elsewhere;  // holds no musicbox/
    EXPECT_EQ(musicFilePath(*game, "GOD1.mid"), folder + "musicbox/GOD1.mid");
    game->engine.appPath.clear();
    EXPECT_EQ(musicFilePath(*game, "GOD1.mid"), folder + "musicbox/GOD1.mid");
    platform.clearLogs();
    musicListLoad(*game);
    EXPECT_EQ(indexes(events(AudioEvent::LoadMusic)).size(), 18u);
}

TEST_F(EngineScreen, PromptIconCyclesThroughItsFrames) {
    game->engine.attackEffectSurface = loadPicture(*game, kCommonSheet);
    std::vector<int> frames;
    for (int call = 1; call <= 72; ++call) {
        drawPromptIcon(*game, 100, 50);
        frames.push_back(game->engine.backBuffer.at(120, 70) - 1);
    }
    // From a fresh counter: 5 calls of frame 0, then 10 each of frames 3, 2, 1; from then
    // on every 36-call cycle starts with 6 calls of frame 0.
    std::vector<int> expected;
    auto add = [&](int frame, int n) { expected.insert(expected.end(), n, frame); };
    add(0, 5), add(3, 10), add(2, 10), add(1, 10);
    add(0, 6), add(3, 10), add(2, 10), add(1, 10);
    add(0, 1);
    EXPECT_EQ(frames, expected);
    EXPECT_EQ(promptIconFrame(36), 0);
}

TEST_F(EngineScreen, ClearFillFullScreenCopyAndFlip) {
    EngineState& e = game->engine;
    screenClear(*game, 67);
    EXPECT_EQ(e.backBuffer.at(639, 479), 67);
    EXPECT_EQ(e.backBuffer.at(640, 100), 0);  // outside the visible part: untouched
    fillRect(*game, 10, 10, 10, 20, 5);       // left = right: nothing
    fillRect(*game, 30, 10, 20, 20, 5);       // left > right: nothing
    EXPECT_EQ(e.backBuffer.at(10, 10), 67);
    fillRect(*game, 10, 10, 12, 12, 5);
    EXPECT_EQ(e.backBuffer.at(11, 11), 5);
    EXPECT_EQ(e.backBuffer.at(12, 11), 67);
    Surface8 picture(700, 500);
    picture.fill(9);
    picture.set(0, 0, 0);
    fullScreenBlt(*game, picture);
    EXPECT_EQ(e.backBuffer.at(0, 0), 0);  // no colour key: index 0 is copied
    EXPECT_EQ(e.backBuffer.at(639, 479), 9);
    EXPECT_EQ(e.backBuffer.at(640, 479), 0);
    screenFlip(*game);
    EXPECT_EQ(platform.presentCount(), 1u);
    EXPECT_EQ(platform.lastFrame().at(639, 479), 9);
}

TEST_F(EngineScreen, ShutterClosesInSixteenCallsWithOneSoundAndOpensAgain) {
    std::vector<int16_t> results;
    for (int i = 0; i < 16; ++i) results.push_back(shutterTransition(*game, i == 0 ? 1 : 0));
    EXPECT_EQ(std::count(results.begin(), results.end(), 1), 15);
    EXPECT_EQ(results.back(), 3);
    EXPECT_EQ(indexes(events(AudioEvent::PlaySound)), (std::vector<int>{52}));
    EXPECT_EQ(shutterTransition(*game, 0), 3);
    EXPECT_EQ(shutterTransition(*game, 2), 2);
    for (int i = 0; i < 14; ++i) EXPECT_EQ(shutterTransition(*game, 0), 2);
    EXPECT_EQ(shutterTransition(*game, 0), 0);
    shutterTransition(*game, 1);
    EXPECT_EQ(shutterTransition(*game, 3), 0);
}

TEST_F(EngineScreen, ExitGoesThroughTheCleanExitPath) {
    EXPECT_THROW(gameExit(*game), GameExitRequest);
}

}  // namespace
}  // namespace morvek
