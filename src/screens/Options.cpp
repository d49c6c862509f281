#include "screens/Options.h"

#include <string>

#include "battle/StateOfStage.h"
#include "battle/BattleContext.h"
#include "engine/DataTables.h"
#include "engine/Keyboard.h"
#include "engine/Palettes.h"
#include "engine/Screen.h"
#include "engine/Sound.h"
#include "engine/System.h"
#include "screens/Title.h"

namespace morvek {

namespace {

constexpr Rgb kTitleCyan{0, 255, 255};
constexpr uint32_t kBarIndex = 164;
constexpr int16_t kItemSize = 16;

struct ValueText {
    std::string_view text;
    int16_t x;
};
constexpr std::array<ValueText, 3> kDifficultyTexts{{{"EASY", 360}, {"NOMAL", 445}, {"HARD", 555}}};
constexpr std::array<ValueText, 2> kRoundCountTexts{{{"3", 360}, {"5", 390}}};
constexpr std::array<ValueText, 3> kRoundTimeTexts{{{"60", 360}, {"99", 420}, {"∞", 480}}};

Rgb redWhen(bool on) { return on ? kTextRed : kTextBlack; }

void text(EngineContext& game, Rgb colour, int32_t x, int32_t y, std::string_view s) {
    textFontSet(game, kItemSize, colour);
    drawText(game, x, y, s);
}

void drawItems(EngineContext& game, const OptionScreen& s, StateOfStage& stage) {
    const int16_t difficulty = game.engine.gameSettings[gamesetting::Difficulty];
    const auto on = [&](int16_t item) { return s.cursor == item; };

    text(game, redWhen(on(optionitem::Difficulty)), 180, 150, "DIFFICULTY");
    for (int16_t i = 0; i < 3; ++i) {
        const bool current = difficulty == i;
        // The difficulty the menu shows is the one the battle system gets.
        if (current) stage.baseLevel = baseLevelOf(i);
        text(game, redWhen(current), kDifficultyTexts[static_cast<size_t>(i)].x, 150,
             kDifficultyTexts[static_cast<size_t>(i)].text);
    }

    text(game, redWhen(on(optionitem::MaxRound)), 180, 200, "MAX ROUND");
    for (int16_t i = 0; i < 2; ++i)
        text(game, redWhen(stage.maxRoundCount == i), kRoundCountTexts[static_cast<size_t>(i)].x,
             200, kRoundCountTexts[static_cast<size_t>(i)].text);

    // Drawn from the match state, not from the choice: an unknown round time shows no
    // current value until the end of the first turn has rewritten it.
    text(game, redWhen(on(optionitem::RoundTime)), 180, 250, "ROUND TIME");
    for (size_t i = 0; i < 3; ++i)
        text(game, redWhen(stage.MaxRoundTime == kRoundTimes[i]), kRoundTimeTexts[i].x, 250,
             kRoundTimeTexts[i].text);

    const Rgb music = redWhen(on(optionitem::MusicTest));
    text(game, music, 180, 300, "MUSIC TEST");
    text(game, music, 360, 300, std::to_string(s.musicNumber));

    const Rgb sound = redWhen(on(optionitem::SoundTest));
    text(game, sound, 180, 350, "SOUND TEST");
    text(game, sound, 360, 350, std::to_string(s.soundNumber));

    text(game, redWhen(on(optionitem::Exit)), 180, 400, "EXIT");
}

/// Steps `value` by `delta` within [low, high]; plays `sound` only when it moved.
void stepWithin(EngineContext& game, int16_t& value, int delta, int16_t low, int16_t high,
                int16_t sound) {
    const int next = value + delta;
    if (next < low || next > high) return;
    value = static_cast<int16_t>(next);
    soundPlay(game, sound);
}

void handleKey(EngineContext& game, OptionScreen& s, StateOfStage& stage, int16_t key) {
    int16_t& difficulty = game.engine.gameSettings[gamesetting::Difficulty];
    switch (key) {
    case keycode::Up:
        stepWithin(game, s.cursor, -1, optionitem::Difficulty, optionitem::Exit, kChoiceSound);
        break;
    case keycode::Down:
        stepWithin(game, s.cursor, +1, optionitem::Difficulty, optionitem::Exit, kChoiceSound);
        break;
    case keycode::Left:
    case keycode::Right: {
        const int delta = key == keycode::Left ? -1 : +1;
        switch (s.cursor) {
        case optionitem::Difficulty:
            stepWithin(game, difficulty, delta, 0, 2, kMenuSound);
            break;
        case optionitem::MaxRound:
            stepWithin(game, stage.maxRoundCount, delta, 0, 1, kMenuSound);
            break;
        case optionitem::RoundTime:
            stepWithin(game, s.roundTimeChoice, delta, 0, 2, kMenuSound);
            break;
        case optionitem::MusicTest:
            stepWithin(game, s.musicNumber, delta, 0, kMusicTestLast, kChoiceSound);
            break;
        case optionitem::SoundTest:
            stepWithin(game, s.soundNumber, delta, 0, kSoundTestLast, kChoiceSound);
            break;
        default:
            break;
        }
        break;
    }
    case keycode::Enter:
        if (s.cursor == optionitem::MusicTest) {
            musicStopAll(game);
            if (s.musicNumber > 0)
                musicPlay(game, static_cast<int16_t>(s.musicNumber - 1), kMusicTestVolume);
        } else if (s.cursor == optionitem::SoundTest) {
            soundPlay(game, s.soundNumber);
        } else if (s.cursor == optionitem::Exit) {
            soundPlay(game, kMenuSound);
            s.leave = true;
        }
        break;
    default:
        break;
    }
}

}  // namespace

void drawMenuText(EngineContext& game, Rgb colour, int32_t x, int32_t y, std::string_view s) {
    textFontSet(game, 10, colour);
    drawText(game, x, y, s);
    textFontSet(game, 10, kTextBlack);
}

void optionScreenBegin(EngineContext& game, OptionScreen& s, const StateOfStage& stage) {
    s = OptionScreen{};
    s.roundTimeChoice = roundTimeChoiceOf(stage.MaxRoundTime);
    // The tune that was playing goes on, quietly.
    musicVolumeSet(game, kOptionVolume);
    game.platform.pumpEvents();
    screenClear(game, 0);
    screenFlip(game);
    fixedColorSet(game.engine.workPalette, 1);
    paletteSetEntries(game, game.engine.workPalette);
    textFontSet(game, 10, kTextWhite);
    game.platform.pumpEvents();
    screenClear(game, 0);
}

void optionScreenPass(EngineContext& game, OptionScreen& s, StateOfStage& stage) {
    screenFlip(game);
    inkeyRead(game);
    if (s.leave) {
        musicStopAll(game);
        screenClear(game, 0);
        screenFlip(game);
        s.finished = true;
        return;
    }

    screenClear(game, kLightGreyIndex);
    fillRect(game, 100, static_cast<int16_t>(s.barY + 30), 640, static_cast<int16_t>(s.barY + 38),
             kBarIndex);
    textFontSet(game, 40, kTitleCyan);
    drawText(game, 50, 50, "OPTIONS");
    drawItems(game, s, stage);
    textFontSet(game, 10, kTextBlack);
    drawText(game, 480, 450, "MORVEK ver 1.21");

    const auto frame = static_cast<int16_t>(s.obj.frameCount / 3);
    blitSurface(game, static_cast<int16_t>(351 + 50 * frame), 1, 48, 47,
                game.engine.attackEffectSurface, 100, s.barY);
    s.obj.timerCounting(12);

    handleKey(game, s, stage, inkeyEdge(game));
    s.barY = optionBarY(s.cursor);
    stage.MaxRoundTime = kRoundTimes[static_cast<size_t>(s.roundTimeChoice)];
}

void optionScreen(EngineContext& game, StateOfStage& stage) {
    OptionScreen s;
    optionScreenBegin(game, s, stage);
    while (!s.finished) optionScreenPass(game, s, stage);
}

}  // namespace morvek
