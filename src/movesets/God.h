#pragma once
// G O D's move set (fighter 7, the final boss, always the computer): its pattern table and
// body box, action script, three attack keys, movement map and one typing-combo follow-up,
// projectiles (mostly one-frame pictures laid over its poses), the computer opponent, and
// the pre-fight cut-scene and defeat switch the round judge calls on its stage.
// Its speech over the match is godSpeechDraw, below.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

struct EngineContext;

class StateOfStage;

class God : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;     // 3
    void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) override;       // 4
    void TPCFollow(BattleContext& game, Character& chara) override;                           // 5
    void TPCSecond(BattleContext& game, Character& chara) override;                           // 6: none
    void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect,
                        flyArts& fa) override;                                       // 7
    void FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) override;         // 8
    void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) override;              // 9
    void HitFieldSet(BattleContext& game, Character& chara) override;                         // 10
    void StageIntro(BattleContext& game, StateOfStage& stage, Character& player1,
                    Character& player2) override;                                    // intro
    void DefeatCheck(BattleContext& game, StateOfStage& stage, Character& player1,
                     Character& player2) override;
    void SpeechDraw(BattleContext& game, StateOfStage& stage, Character& player1,
                    Character& player2) override;
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;         // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;           // 12
    void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) override;       // 13

    /// The distances the computer last measured: slot 11 stores both, slot 13 reads distX
    /// as it is. Kept for the whole run.
    int16_t distX = 0;
    int16_t distY = 0;
    /// The cut-scene's step, 0-6. Never reset, so a second visit of the stage in the same
    /// run of the program skips the scene at once.
    int16_t godStageStep = 0;
};

/// The cut-scene before the first round of G O D's stage: the player waits, G O D walks in,
/// speaks four times (each line after a fresh Enter) and the round starts. Keeps the
/// round's start count at 0 and sets VSactionFlag at its end. Called by the round judge
/// every frame of the scene.
void godStageIntro(BattleContext& game, StateOfStage& stage, Character& player1, Character& player2);

/// G O D's speech over the match (against fighter 7 only).
void godSpeechDraw(BattleContext& game, StateOfStage& stage, Character& p1, Character& p2);

/// On the frames player 2 has no vitality: once G O D has lost the match and lies at its
/// KO pattern, it starts the final defeat. player1 is not read.
void godDefeatCheck(EngineContext& game, StateOfStage& stage, Character& player1, Character& player2);

}  // namespace morvek
