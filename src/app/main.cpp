// The game: the machine's platform, one game context, and the start-up that runs it.

#include "game/Game.h"
#include "game/Startup.h"
#include "platform/SdlPlatform.h"

int main() {
    using namespace morvek;
    return exitStatusOf("morvek", [] {
        SdlPlatform platform;
        Game game(platform);
        Form_Load(game);
    });
}
