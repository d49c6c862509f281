// The game: the machine's platform, one game context, and the start-up that runs it.

#include <cstdio>

#include "game/Game.h"
#include "game/Startup.h"
#include "platform/SdlPlatform.h"

int main() {
    using namespace morvek;
    try {
        SdlPlatform platform;
        Game game(platform);
        Form_Load(game);
    } catch (const PlatformError& err) {
        std::fprintf(stderr, "morvek: %s\n", err.what());
        return 1;
    } catch (const GameExitRequest&) {
        return 0;
    }
}
