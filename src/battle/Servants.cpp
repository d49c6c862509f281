#include "battle/Servants.h"

#include "battle/Collision.h"
#include "battle/Dispatch.h"
#include "battle/Roster.h"
#include "engine/Basic.h"
#include "battle/BattleContext.h"
#include "platform/Surface8.h"

namespace morvek {

namespace {

/// How many of the side's slots the master uses (0-3).
int servantCount(const Character& master) {
    const int n = master.NumOfServant;
    return n < 0 ? 0 : (n > kServantSlots ? kServantSlots : n);
}

const Surface8& sideSheet(EngineContext& game, const Character& master) {
    return master.PrimalPlayer ? game.engine.charaSurface1 : game.engine.charaSurface2;
}

}  // namespace

ServantSide& servantSideOf(BattleContext& game, const Character& master) {
    return master.PrimalPlayer ? game.battle.servants.player1Side
                               : game.battle.servants.player2Side;
}

void servantCreate(BattleContext& game, Character& master) {
    ServantSide& side = servantSideOf(game, master);
    const int n = servantCount(master);
    for (int k = 0; k < n; ++k) servantClone(side.servantSlots[static_cast<size_t>(k)], master);
    servantTrailFill(side.servantTrail, master);
    side.servantTrailIndex = 30;
}

void servantClone(std::optional<Character>& slot, Character& master) {
    Character& servant = slot.emplace();
    charaBaseSet(servant, master.charaname);
    servant.NUMBER = master.NUMBER;
    servant.animPat = master.animPat;
    servant.PrimalPlayer = master.PrimalPlayer;
    servant.posX = master.posX;
    servant.posY = master.posY;
    servant.dirStand = master.dirStand;
    servant.viTality = 100;
    servant.InitFlyArts();
    servant.InitSplite();
    master.SPspacornTimer = static_cast<float>(master.spacornGaugeMax);
}

void servantTrailFill(ServantTrail& trail, const Character& master) {
    for (ServantTrailEntry& entry : trail) servantTrailRecord(entry, master);
}

void servantTrailRecord(ServantTrailEntry& entry, const Character& master) {
    entry.animPat = master.animPat;
    entry.posX = cint16(master.posX);
    entry.posY = master.posY;
    entry.dirStand = master.dirStand;
}

void servantDrawAll(BattleContext& game, Character& master) {
    ServantSide& side = servantSideOf(game, master);
    const Surface8& sheet = sideSheet(game, master);
    for (int k = servantCount(master) - 1; k >= 0; --k) {
        if (auto& slot = side.servantSlots[static_cast<size_t>(k)]) servantDraw(game, *slot, sheet);
    }
}

void servantDraw(BattleContext& game, Character& servant, const Surface8& sheet) {
    Rect src{};
    animPatternDispatch(game, src, servant);
    // GINZAMURAI's single servant moves in step with its master, so it stands back a little
    // to be seen.
    int32_t left = cint32(servant.posX + game.battle.scrollX);
    if (servant.NUMBER == fighter::Ginzamurai) left -= servant.dirStand * 20;
    const int32_t top = servant.posY + game.battle.scrollY;
    const Rect dst{left, top, left + servant.Width, top + servant.Height};
    blit(game.engine.backBuffer, dst, sheet, src,
         BlitKeyed | (servant.dirStand == -1 ? BlitMirror : BlitCopy));
    servant.drawFlyArts(game, sheet);
}

void servantTrailStep(BattleContext& game, Character& master) {
    // Everything the master lands during the spell counts as a super-art hit.
    master.spacornHit = true;
    ServantSide& side = servantSideOf(game, master);
    if (side.servantTrailIndex >= kServantTrailLength) side.servantTrailIndex = 0;
    servantTrailRecord(side.servantTrail[side.servantTrailIndex], master);
    servantFollowAll(side, master);
}

void servantFollowAll(ServantSide& side, const Character& master) {
    const int step = master.NUMBER == fighter::Ginzamurai ? 0 : 5;
    const int i = side.servantTrailIndex;
    auto back = [&](int frames) {
        const int e = i - frames;
        return e < 0 ? e + kServantTrailLength : e;
    };
    const std::array<int, kServantSlots> entries = {back(step), back(2 * step), back(3 * step)};
    side.servantTrailIndex = static_cast<uint8_t>(i + 1 >= kServantTrailLength ? 0 : i + 1);
    const int n = servantCount(master);
    for (int k = 0; k < n; ++k) {
        if (auto& slot = side.servantSlots[static_cast<size_t>(k)]) {
            servantFollow(*slot, side.servantTrail[static_cast<size_t>(entries[static_cast<size_t>(k)])]);
        }
    }
}

void servantFollow(Character& servant, const ServantTrailEntry& entry) {
    if (servant.animPat != entry.animPat) {
        servant.ATFflag = 0;
        servant.wavSndFlag = false;
    }
    servant.animPat = entry.animPat;
    servant.dirStand = entry.dirStand;
    servant.posX = entry.posX;
    servant.posY = entry.posY;
}

void servantAttackAll(BattleContext& game, Character& master, Character& opponent) {
    ServantSide& side = servantSideOf(game, master);
    const int n = servantCount(master);
    for (int k = 0; k < n; ++k) {
        if (auto& slot = side.servantSlots[static_cast<size_t>(k)]) servantAttack(game, *slot, opponent);
    }
}

void servantAttack(BattleContext& game, Character& servant, Character& opponent) {
    servantAnimAttackDispatch(game, servant);
    // A servant's blow lands as one: the damage judge divides it by the combo count whole.
    servant.attackPow1st = cint16(servant.attackPow1st + servant.attackPow2nd + servant.attackPow3rd);
    servant.attackPow2nd = 0;
    servant.attackPow3rd = 0;
    attackCheckOne(game, servant, opponent);
}

void servantAttackEffectDraw(BattleContext& game, Character& master) {
    ServantSide& side = servantSideOf(game, master);
    for (int k = servantCount(master) - 1; k >= 0; --k) {
        if (auto& slot = side.servantSlots[static_cast<size_t>(k)]) slot->DrawAttackEffect(game);
    }
}

}  // namespace morvek
