#include "shell/startup.h"

#include "platform/core/atomic_file.h"
#include "platform/core/instance_lock.h"

#include "shell/frame.h"
#include "shell/hooks.h"
#include "shell/options.h"
#include "shell/sound.h"
#include "shell/text.h"
#include "shell/world.h"
#include "toolkit/hgeanim.h"
#include "toolkit/hgefont.h"
#include "toolkit/hgeparticle.h"
#include "toolkit/hgepmanager.h"
#include "toolkit/hgeresource.h"
#include "toolkit/hgesprite.h"

namespace {
constexpr int WINDOW_ICON = 201;
constexpr int NUMENEMYANIMS = 24;
constexpr int NUMSFXLOADED = 112;
constexpr int NUMPARTICLESLOADED = 74;
const char* const LOCKFILE = "kvb.lock";
const char* const PACKFILE = "kvb.paq";

// Taken before any file is touched: a second copy in the same folder would truncate the
// log and overwrite the first copy's saves and options.
bool takeInstanceLock(InstanceLock& lock) {
    std::string error;
    switch (lock.take(LOCKFILE, &error)) {
    case InstanceLock::TAKEN: return true;
    case InstanceLock::HELD_ELSEWHERE:
        hge->System_MessageBox("Korvania 2: Battle is already running from this folder.", "Korvania 2: Battle",
                               MB_ICONSTOP | MB_SYSTEMMODAL);
        return false;
    case InstanceLock::FAILED: break;
    }
    // A folder that cannot hold the lock cannot hold saves either; the game still runs.
    hge->System_Log("No lock on the game folder (%s); a second copy would not be noticed.", error.c_str());
    return true;
}
}  // namespace

void showErrorBox(const char* text) { hge->System_MessageBox(text, "Error", MB_ICONSTOP | MB_SYSTEMMODAL); }

void configureEngine() {
    hge->System_SetState(HGE_LOGFILE, "kvb.log");
    hge->System_SetState(HGE_INIFILE, "Options.ini");
    hge->System_SetState(HGE_FRAMEFUNC, FrameFunc);
    hge->System_SetState(HGE_TITLE, "Korvania 2:  Battle");
    hge->System_SetState(HGE_FPS, 100);
    hge->System_SetState(HGE_WINDOWED, hge->Ini_GetInt("Misc", "Fullscreen", 1) == 0);
    hge->System_SetState(HGE_HIDEMOUSE, false);
    hge->System_SetState(HGE_SCREENWIDTH, SCREEN_WIDTH);
    hge->System_SetState(HGE_SCREENHEIGHT, SCREEN_HEIGHT);
    hge->System_SetState(HGE_SCREENBPP, 32);
    hge->System_SetState(HGE_ICON, WINDOW_ICON);
}

bool loadSharedResources() {
    if (!hge->Resource_AttachPack(PACKFILE)) {
        showErrorBox(hge->System_GetErrorMessage());
        return false;
    }
    myRes = new hgeResourceManager("resource.res");
    psmgr = new hgeParticleManager();
    psmgrX = new hgeParticleManager();

    for (int n = 1; n <= NUMENEMYANIMS; ++n) {
        enemyAnimDB[n] = myRes->GetAnimation(("enemy" + itos(n)).c_str());
        enemyAnimDeathDB[n] = myRes->GetAnimation(("enemyD" + itos(n)).c_str());
    }
    for (int n = 0; n < NUMSFXLOADED; ++n) sfx[n] = myRes->GetEffect(("sfx" + itos(n)).c_str());
    for (int n = 0; n < NUMPARTICLESLOADED; ++n)
        if (hgeParticleSystem* ps = myRes->GetParticleSystem(("par" + itos(n)).c_str())) psiGeneral[n] = ps->info;
    font1 = myRes->GetFont("font1");
    fontSmall1 = myRes->GetFont("fontSmall1");
    fontSmall2 = myRes->GetFont("fontSmall2");
    fontArial = myRes->GetFont("fontArial");
    fontCoin = myRes->GetFont("fontCoin");
    fontBig = myRes->GetFont("fontBig");
    accumulatedTime[ONE_TENTH_SEC] = accumulatedTime[ONE_SEC] = 0;
    blankSpr = new hgeSprite(0, 0, 0, 32, 32);
    instSprite = myRes->GetSprite("inst");
    return true;
}

void releaseSharedResources() {
    delete blankSpr;
    delete psmgrX;
    delete psmgr;
    delete myRes;
    blankSpr = nullptr;
    psmgrX = psmgr = nullptr;
    myRes = nullptr;
    // Every handle below belonged to the resource manager.
    font1 = fontSmall1 = fontSmall2 = fontArial = fontCoin = fontBig = nullptr;
    instSprite = nullptr;
}

int WinMain() {
    hge = hgeCreate(HGE_VERSION);
    InstanceLock lock;
    if (!takeInstanceLock(lock)) {
        hge->Release();
        hge = nullptr;
        return 1;
    }
    removeStrayTempFiles(".");
    configureEngine();
    int status = 0;
    if (!hge->System_Initiate()) {
        showErrorBox(hge->System_GetErrorMessage());
        status = 1;
    } else if (!loadSharedResources()) {
        // Without its pictures and sounds the game would run black and silent.
        status = 1;
    } else {
        done = false;
        hge->Random_Seed(0);
        readOptions();
        hge->Channel_SetVolume(chan[0], pl[0].opt[OPT_VOLBGM]);
        hge->System_SetState(HGE_FXVOLUME, pl[0].opt[OPT_VOLSFX]);
        playTime = 0;
        pl[0].showFps = false;
        gameMode = 0;
        callHook(gameHooks.initTitleScreen);
        callHook(gameHooks.loadData);
        playBGM("titleMusicSTR");
        hge->System_Start();
    }
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    hge = nullptr;
    return status;
}
