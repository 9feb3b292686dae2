#include "battle/battle_frame.h"
#include "cards/datafiles.h"
#include "screens/screens.h"
#include "shell/hooks.h"
#include "shell/startup.h"

// The program's top: hands the higher layers' entry points to the shell, then runs it.
int main() {
    gameHooks.loadData = loadData;
    registerBattle();
    registerScreens();
    return WinMain();
}
