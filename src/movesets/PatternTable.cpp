#include "movesets/PatternTable.h"

#include "battle/Character.h"
#include "engine/Basic.h"

namespace morvek::anim {

int16_t ruleGuardStun(Character& chara, int16_t pattern, int16_t exit, int16_t) {
    return chara.gardFixTime != 0 ? pattern : exit;
}

int16_t ruleLoopCountingDown(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.counTer == 0) return exit;
    chara.counTer = cint16(chara.counTer - 1);
    return loopTo;
}

int16_t ruleLoopTowardZero(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.counTer == 0) return exit;
    chara.counTer = cint16(chara.counTer + (chara.counTer > 0 ? -1 : 1));
    return loopTo;
}

int16_t ruleStayWhileKnockedOut(Character& chara, int16_t pattern, int16_t next, int16_t) {
    return chara.viTality == 0 ? pattern : next;
}

int16_t ruleCollapseWithoutVitality(Character& chara, int16_t, int16_t alive, int16_t collapse) {
    return chara.viTality > 0 ? alive : collapse;
}

int16_t ruleLoopUntilCounterNegative(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    if (chara.counTer < 0) return exit;
    chara.counTer = cint16(chara.counTer - 1);
    return loopTo;
}

int16_t ruleLoopWhileCounterNotNegative(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    return chara.counTer >= 0 ? loopTo : exit;
}

int16_t ruleLoopWhileCounterPositive(Character& chara, int16_t, int16_t loopTo, int16_t exit) {
    return chara.counTer > 0 ? loopTo : exit;
}

Rect applyPattern(std::span<const int16_t> index, std::span<const Entry> entries,
                  Character& chara, int32_t cellSize) {
    chara.zoomCount = 0;
    chara.ATFnumber = 0;
    const int pattern = chara.animPat;
    if (pattern < 0 || static_cast<size_t>(pattern) >= index.size() ||
        index[static_cast<size_t>(pattern)] < 0)
        return cellRect(0, 0, cellSize);  // not a pattern of this fighter: nothing else changes
    const Entry& e = entries[static_cast<size_t>(index[static_cast<size_t>(pattern)])];

    // The hold reads counTer before this pattern's own counter writes.
    const Hold& h = e.hold;
    chara.fixTime = cint16(static_cast<double>(h.k) + h.sMul * chara.sPeed + h.cMul * chara.counTer +
                           h.eMul * chara.sPeedEffect);
    chara.sTate = e.state;
    chara.ATFnumber = e.body;
    chara.zoomCount = e.zoom;
    if (e.name != nullptr) chara.artsName = e.name;
    if (e.enableAction >= 0) chara.enableAction = e.enableAction != 0;
    if (e.enableGard >= 0) chara.enableGard = e.enableGard != 0;
    if (e.setsCounter) chara.counTer = e.counter;

    const int16_t target = e.step.kind == Step::Kind::Rule
                               ? e.step.rule(chara, e.number, e.step.a, e.step.b)
                               : e.step.a;
    chara.nextAnim = cint16(static_cast<double>(target) - e.number);
    return cellRect(e.column, e.row, cellSize);
}

namespace {
void writeInsets(Character& chara, const BodyInsets& b) {
    chara.hitFieldLeft = b.left;
    chara.hitFieldTop = b.top;
    chara.hitFieldRight = b.right;
    chara.hitFieldBottom = b.bottom;
}
}  // namespace

void applyBodyBox(Character& chara, std::span<const BodyInsets> classes) {
    const int k = chara.ATFnumber;
    if (k < 0 || static_cast<size_t>(k) >= classes.size()) return;
    writeInsets(chara, classes[static_cast<size_t>(k)]);
}

void applyBodyBox(Character& chara, std::span<const BodyClass> classes) {
    for (const BodyClass& c : classes) {
        if (c.number != chara.ATFnumber) continue;
        writeInsets(chara, c.insets);
        return;
    }
}

}  // namespace morvek::anim
