#pragma once
// The tutorial's speech balloon and the end-of-frame pauses (KO slow motion, the freeze
// at time over, hit stop). The shutter lives in engine/Shutter.h.

#include <string_view>

namespace morvek {

struct BattleContext;
struct EngineContext;
class Character;
class StateOfStage;

/// Balloon with `text` beside the speaker; the prompt icon when showPrompt. The stage is
/// not read. The caller sets font and colour.
void drawSpeechBalloon(BattleContext& game, const Character& speaker, const StateOfStage& stage,
                       bool showPrompt, std::string_view text);

/// Sleeps the KO slow motion, the stage freeze and the larger hit stop of the frame.
void slowAndStops(EngineContext& game, Character& p1, Character& p2, StateOfStage& stage);

}  // namespace morvek
