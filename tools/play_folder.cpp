#include "tools/play_folder.h"

#include "battle/battle_frame.h"
#include "cards/datafiles.h"
#include "platform/core/game_paths.h"
#include "screens/screens.h"
#include "shell/options.h"
#include "shell/startup.h"

namespace fs = std::filesystem;

void enterPlayFolder(const fs::path& work, const fs::path& dataDir, const fs::path& pack) {
    fs::create_directories(work);
    for (const auto& entry : fs::directory_iterator(dataDir))
        fs::copy_file(entry.path(), work / entry.path().filename(), fs::copy_options::overwrite_existing);
    if (!pack.empty()) {
        fs::remove(work / "kvb.paq");
        fs::create_symlink(pack, work / "kvb.paq");
    }
    fs::current_path(work);
    // The folder holds both what the game reads and what it writes, so nothing reaches
    // the player's own folder.
    setUserDir(fs::absolute(work).string());
    setDataDir(fs::absolute(work).string());
}

void loadWholeGame() {
    loadSharedResources();
    readOptions();
    loadData();
    registerBattle();
    registerScreens();
}
