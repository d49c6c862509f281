#pragma once
// Procedures of the drawing, screen and servant modules that the fighter objects and the
// match state call. Declared here so those modules can be written in parallel; each is
// defined by its own module. Until a module lands, BattleServicesStubs.cpp holds a
// minimal body for it.

#include <cstdint>
#include <string>

namespace morvek {

struct Game;
class Character;
struct flyArts;
struct Splite;
class Surface8;

// ---- drawing ------------------------------------------------------------------------
/// Draws one running projectile of owner from sheet (asking owner's move set its frame).
void drawFlyArtsSprite(Game& game, flyArts& fa, Character& owner, const Surface8& sheet);
/// Draws and advances one live effect sprite.
void drawSplite(Game& game, Splite& sp);

/// The grade emblem (grade 0-22, other values the special emblem) at (x, y), each cell
/// stretched to w x h.
void drawGradeEmblem(Game& game, uint8_t grade, int16_t w, int16_t h, int16_t x, int16_t y,
                     uint8_t mode);

// ---- screens ------------------------------------------------------------------------
/// The display name of a fighter number for the result lists ("" outside 0-8).
std::string charaDispNameFromNumber(int16_t n);

// ---- servants ---------------------------------------------------------------------
/// Draws the effect sprites of master's servants.
void servantAttackEffectDraw(Game& game, Character& master);
/// Draws the side's servants.
void servantDrawAll(Game& game, Character& master);
/// Records the master in the trail and moves the servants.
void servantTrailStep(Game& game, Character& master);
/// Runs each servant's attack frame against the opponent.
void servantAttackAll(Game& game, Character& master, Character& opponent);

// ---- hooks of the overlay ---------------------------------------------------------
class StateOfStage;
/// G O D's speech over the match (against fighter 7 only).
void godSpeechDraw(Game& game, StateOfStage& stage, Character& p1, Character& p2);
/// The training pause menu (playMode 5).
void trainingPauseMenu(Game& game);

}  // namespace morvek
