#include "battle/Roster.h"

#include <array>
#include <cstdint>

#include "battle/Character.h"

namespace morvek {

namespace {

/// A value the row leaves as the object already had it.
constexpr int16_t kKeep = INT16_MIN;

struct Spacorn {
    int16_t number;       ///< spacornNumber
    int16_t gaugeMax;     ///< spacornGaugeMax
    int16_t countMax;     ///< spacornCountMax
    int16_t number2;      ///< spacornNumber2, or kKeep
};

struct RosterRow {
    const char* stem;
    const char* dispName;
    int16_t nameWidth;
    int16_t width, height;
    const char* picture;
    int16_t bottom;
    int16_t maxJump;
    int16_t stunMax;       ///< as player 1 and as player 2 (only BETABOY differs)
    int16_t stunMaxP2;
    int16_t defence;
    int16_t defenceP2;
    int16_t exCost;
    int16_t number;
    int16_t spacornNumber2;  ///< kKeep: not written
    int16_t servants;        ///< always written, so a reused object never keeps a count
    std::array<Spacorn, 3> spacorn;  ///< by spacornType 0, 1, 2
};

// clang-format off
constexpr std::array<RosterRow, 9> kRoster{{
    {"morvekboy", "MORVEKBOY", 9, 199, 199, "grafics\\morvekboy", 0, 2, 90, 90, 3, 3, 60, fighter::Morvekboy, 660, 0,
     {{{630, 270, 1, kKeep}, {730, 240, 1, kKeep}, {500, 200, 1, kKeep}}}},
    {"ginzamurai", "GINZAMURAI", 10, 300, 300, "grafics\\ginzamurai", 70, 1, 120, 120, 3, 3, 60, fighter::Ginzamurai, 0, 1,
     {{{630, 270, 1, kKeep}, {720, 200, 2, kKeep}, {750, 120, 3, 500}}}},
    {"nangief", "NANGIEF", 7, 300, 300, "grafics\\nangief", 70, 1, 150, 150, 4, 4, 100, fighter::Nangief, kKeep, 0,
     {{{630, 200, 2, 730}, {500, 200, 2, 0}, {800, 290, 1, 0}}}},
    {"honekawa", "HONEKAWA", 9, 199, 199, "grafics\\honekawa", 0, 3, 90, 90, 2, 2, 999, fighter::Honekawa, 0, 3,
     {{{500, 240, 1, kKeep}, {630, 150, 2, kKeep}, {700, 120, 3, kKeep}}}},  // variant: below
    {"gouda", "GOUDA", 6, 199, 199, "grafics\\gouda", 0, 2, 90, 90, 0, 0, 120, fighter::Gouda, 900, 0,
     {{{630, 240, 2, kKeep}, {500, 240, 2, kKeep}, {730, 240, 2, kKeep}}}},
    {"interrupter", "INTERRUPTER", 11, 199, 199, "grafics\\interrupter", 0, 2, 72, 72, 2, 2, 999, fighter::Interrupter, kKeep, 0,
     {{{610, 180, 2, 800}, {840, 180, 2, 730}, {740, 180, 2, 800}}}},
    {"buri", "G O D", 5, 49, 49, "grafics\\god", -70, 2, 90, 90, 5, 5, 999, fighter::Buri, kKeep, 0,
     {{{210, 270, 1, kKeep}, {210, 270, 1, kKeep}, {210, 270, 1, kKeep}}}},
    {"god", "G O D", 5, 498, 398, "grafics\\god", 185, 2, 150, 150, 20, 20, 999, fighter::God, 530, 0,
     {{{210, 270, 1, kKeep}, {210, 270, 1, kKeep}, {210, 270, 1, kKeep}}}},
    // BETABOY is weaker as player 1.
    {"betaboy", "B・B", 4, 199, 199, "grafics\\betaboy", 0, 3, 80, 120, 1, 5, 999, fighter::Betaboy, 660, 0,
     {{{630, 270, 2, kKeep}, {730, 200, 2, kKeep}, {500, 150, 3, kKeep}}}},
}};
// clang-format on

/// HONEKAWA's hidden variant changes only its second super art.
constexpr Spacorn kHonekawaVariantType2{750, 120, 3, 700};

void writeRow(Character& chara, const RosterRow& row) {
    chara.charaDispname = row.dispName;
    chara.nameWidth = row.nameWidth;
    chara.Width = row.width;
    chara.Height = row.height;
    chara.picTure = row.picture;
    chara.bottom = row.bottom;
    chara.MaxJumpCount = row.maxJump;
    chara.stunPointMax = chara.PrimalPlayer ? row.stunMax : row.stunMaxP2;
    chara.difensiBle = chara.PrimalPlayer ? row.defence : row.defenceP2;
    chara.ExArtsConsumption = row.exCost;
    chara.NUMBER = row.number;
    if (row.spacornNumber2 != kKeep) chara.spacornNumber2 = row.spacornNumber2;
    chara.NumOfServant = row.servants;

    const int16_t type = chara.spacornType;
    if (type < 0 || type > 2) return;
    Spacorn sp = row.spacorn[static_cast<size_t>(type)];
    if (row.number == fighter::Honekawa && type == 2 && chara.ReverseCharaFlag)
        sp = kHonekawaVariantType2;
    chara.spacornNumber = sp.number;
    chara.spacornGaugeMax = sp.gaugeMax;
    chara.spacornCountMax = sp.countMax;
    if (sp.number2 != kKeep) chara.spacornNumber2 = sp.number2;
}

}  // namespace

void charaBaseSet(Character& chara, std::string_view name) {
    for (const RosterRow& row : kRoster) {
        if (name == row.stem) {
            writeRow(chara, row);
            break;
        }
    }
    chara.stunGauge = chara.stunPointMax;
    chara.airialJumpCount = chara.MaxJumpCount;
}

}  // namespace morvek
