#include "screens/battle_pictures.h"

#include "platform/core/memory_release.h"
#include "shell/modes.h"
#include "shell/world.h"
#include "toolkit/hgeresource.h"

namespace {
constexpr const char* BATTLESHEET = "txBattleSheet";

// Screens that keep the sheet as it is: let go when reached from the title, kept when
// opened from a match (options and instructions from the pause, the exit question).
bool keepsAsItIs(int mode) {
    switch (mode) {
        case MODE_OPTIONS:
        case MODE_CONFIRMKEY:
        case MODE_INST:
        case MODE_CREDITS:
        case MODE_REPLAYLIST:
        case MODE_CONFIRMEXIT:
        case MODE_LOAD:
            return true;
        default:
            return false;
    }
}
}  // namespace

void followBattlePictures() {
    // Freshly loaded resources have the sheet on the device.
    static const hgeResourceManager* resources = nullptr;
    static bool resident = true;
    if (myRes != resources) {
        resources = myRes;
        resident = true;
    }
    if (!myRes || keepsAsItIs(gameMode)) return;
    const bool wanted = gameMode != MODE_TITLE;
    if (wanted == resident) return;
    hge->Texture_SetResident(myRes->GetTexture(BATTLESHEET), wanted);
    resident = wanted;
    // Either way megabytes were freed: the device's copy, or the pixels decoded for it.
    releaseFreedMemory();
}
