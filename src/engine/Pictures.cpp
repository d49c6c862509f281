#include "engine/Pictures.h"

#include "engine/DataTables.h"
#include "engine/EngineContext.h"
#include "platform/Bitmap.h"
#include "platform/Files.h"

namespace morvek {

std::string programFilePath(EngineContext& game, std::string_view name) {
    // Names may be written with the game's own '\\' separators; files use '/'.
    std::string relative(name);
    for (char& c : relative)
        if (c == '\\') c = '/';
    const std::string path = game.engine.appPath + relative;
    if (auto found = resolvePathCaseInsensitive(path)) return *found;
    return path;
}

Surface8 loadPicture(EngineContext& game, std::string_view name) {
    return loadBitmap(programFilePath(game, name)).pixels;
}

void backGroundLoad(EngineContext& game) {
    const int r = static_cast<int>(Int(game.random.next() * 10 + 1));
    game.engine.backGroundSurface =
        loadPicture(game, kBackgroundFiles[static_cast<size_t>(backgroundFileIndex(r))]);
}

void charaGraphicLoad(EngineContext& game, Surface8& surface, const std::string& picTure) {
    surface = loadPicture(game, picTure + std::string(kSheetExtension));
}

}  // namespace morvek
