#pragma once
// INTERRUPTER's move set (fighter 5, the first boss): pattern table, body boxes, action
// script, the key map with its teleports and blinks, typing-combo steps, projectiles, the
// computer opponent, and the stage intro the round judge calls on his stage.

#include <cstdint>

#include "battle/MoveSet.h"

namespace morvek {

class StateOfStage;

class Interrupter : public MoveSet {
public:
    void AnimPattern(BattleContext& game, Character& chara, Rect& srcRect) override;          // 1
    void AnimAction(BattleContext& game, Character& chara, Character& opponent) override;     // 2
    void AttackSelect(BattleContext& game, Character& chara, int16_t targetKey) override;     // 3
    void MoveSelect(BattleContext& game, Character& chara, int16_t targetKey) override;       // 4
    void TPCFollow(BattleContext& game, Character& chara) override;                           // 5
    void TPCSecond(BattleContext& game, Character& chara) override;                           // 6
    void FlyArtsAnimPat(BattleContext& game, Character& chara, Rect& srcRect,
                        flyArts& fa) override;                                       // 7
    void FlyArtsLaunch(BattleContext& game, Character& chara, int16_t kind) override;         // 8
    void FAMorfizm(BattleContext& game, Character& chara, flyArts& fa) override;              // 9
    void HitFieldSet(BattleContext& game, Character& chara) override;                         // 10
    void StageIntro(BattleContext& game, StateOfStage& stage, Character& player1,
                    Character& player2) override;                                    // intro
    void CPUThink(BattleContext& game, Character& cpu, Character& opponent) override;         // 11
    void CPUTPC(BattleContext& game, Character& cpu, Character& opponent) override;           // 12
    void CPUSpacorn(BattleContext& game, Character& cpu, Character& opponent) override;       // 13

    /// The distances the computer last measured: slot 11 stores both, slot 13 only distX,
    /// slot 12 reads them as they are. Kept for the whole run.
    int16_t distX = 0;
    int16_t distY = 0;
    /// Frames of the stage intro played so far in this run of the program; never reset,
    /// so only the first visit of the stage plays the voice and waits.
    int16_t interrupterIntroCount = 0;
};

/// The hold at the start of the first round of INTERRUPTER's stage: keeps the round clock
/// at 0 for about 100 frames while his voice line plays, then lets the round start.
/// Called by the round judge every frame of the intro.
void interrupterStageIntro(BattleContext& game, StateOfStage& stage);

}  // namespace morvek
