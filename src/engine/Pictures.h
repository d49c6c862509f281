#pragma once
// Loading the picture files into surfaces.

#include <string>
#include <string_view>

#include "platform/Surface8.h"

namespace morvek {

struct EngineContext;

/// The full path of a file under the program folder (names matched ignoring case when
/// the exact name is missing).
std::string programFilePath(EngineContext& game, std::string_view name);
/// Loads the picture `name` (for example "grafics/MORVEK.cha") from the program folder.
/// A missing or damaged file throws PlatformError naming it.
Surface8 loadPicture(EngineContext& game, std::string_view name);

/// A random stage background into backGroundSurface: r = Int(Rnd * 10 + 1); 1, 2, 3 give
/// exback02-04, 4-10 exback01.
void backGroundLoad(EngineContext& game);
/// Index into kBackgroundFiles for a draw r of 1-10.
constexpr int backgroundFileIndex(int r) { return r >= 1 && r <= 3 ? r : 0; }

/// A fighter's sheet from its picTure stem plus ".cha" (the stem itself is left alone).
void charaGraphicLoad(EngineContext& game, Surface8& surface, const std::string& picTure);

}  // namespace morvek
