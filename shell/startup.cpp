#include "shell/startup.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "platform/core/atomic_file.h"
#include "platform/core/folder_choice.h"
#include "platform/core/game_paths.h"
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
// The player's data folder is <data home>/<ORGANISATION>/<GAME_FOLDER>/, and an installed
// game keeps its data in <prefix>/share/<GAME_FOLDER>/.
const char* const ORGANISATION = "korvaniaworks";
const char* const GAME_FOLDER = "korvania2-battle";

// Where start-up looked for the pack, for the box when it is not there.
std::string packLookedIn;

// A folder that cannot be written to still lets the game run, without saving.
void sayUserDirUnusable(const std::string& dir, const std::string& why) {
    const std::string text = "Your saves and options cannot be kept: the folder " + dir +
                             " cannot be created or written (" + why + "). The game runs on without saving.";
    std::fprintf(stderr, "%s\n", text.c_str());
    hge->System_MessageBox(text.c_str(), "Korvania 2: Battle", MB_ICONSTOP | MB_SYSTEMMODAL);
}

// Taken before any file is touched: a second copy using the same folder would truncate
// the log and overwrite the first copy's saves and options. False when the game must
// stop; `writable` says whether the folder can hold files at all.
bool takeInstanceLock(InstanceLock& lock, bool& writable) {
    std::string error;
    writable = true;
    switch (lock.take(userPath(LOCKFILE), &error)) {
    case InstanceLock::TAKEN: return true;
    case InstanceLock::HELD_ELSEWHERE:
        hge->System_MessageBox("Korvania 2: Battle is already running from this folder.", "Korvania 2: Battle",
                               MB_ICONSTOP | MB_SYSTEMMODAL);
        return false;
    case InstanceLock::FAILED: break;
    }
    writable = false;
    sayUserDirUnusable(userDir().empty() ? "the working folder" : userDir(), error);
    return true;
}

std::string workingFolder() {
    char buf[4096];
    return getcwd(buf, sizeof buf) ? std::string(buf) + "/" : std::string();
}

// The old layout kept everything in the folder the game ran in: beside the executable
// for ./run.sh players, or the working folder.
std::vector<std::string> oldFolders(const std::string& baseDir) {
    std::vector<std::string> folders;
    if (!baseDir.empty()) folders.push_back(baseDir);
    const std::string cwd = workingFolder();
    if (!cwd.empty()) folders.push_back(cwd);
    return folders;
}
}  // namespace

bool parseCommandLine(int argc, char** argv, StartOptions& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--user-dir" && i + 1 < argc && argv[i + 1][0] != '\0') {
            options.userDir = argv[++i];
        } else if (arg == "--user-dir") {
            error = "--user-dir needs a folder.";
            return false;
        } else if (arg == "--verify-replay") {
            options.replaysToVerify.assign(argv + i + 1, argv + argc);
            if (options.replaysToVerify.empty()) {
                error = "--verify-replay needs one or more replay files.";
                return false;
            }
            break;
        } else {
            error = "Unknown argument " + arg + ".";
            return false;
        }
    }
    return true;
}

std::vector<std::string> chooseFolders(const StartOptions& options) {
    std::vector<std::string> notes;
    FolderInputs in;
    in.userDirOption = options.userDir;
    const char* env = std::getenv("KVB_USER_DIR");
    in.userDirEnv = env ? env : "";
    in.baseDir = hge->System_GetBaseFolder();

    const DataDirChoice data = findDataDir(in.baseDir, GAME_FOLDER, PACKFILE);
    setDataDir(data.dir);
    packLookedIn = data.found ? std::string() : data.looked;
    notes.push_back("Data folder: " + (data.dir.empty() ? std::string("the working folder") : data.dir));

    UserDirChoice user = chooseUserDir(in);
    if (user.dir.empty() && in.userDirOption.empty() && in.userDirEnv.empty() && !in.baseDir.empty()) {
        // Only a real backend has a data folder for the player; the headless one keeps the working folder.
        in.prefDir = hge->System_GetUserDataFolder(ORGANISATION, GAME_FOLDER);
        if (in.prefDir.empty()) {
            notes.push_back(std::string("No user data folder: ") + hge->System_GetErrorMessage());
            in.prefDir = defaultPrefDir(ORGANISATION, GAME_FOLDER);
        }
        user = chooseUserDir(in);
    }
    std::string error;
    if (!makeFolder(user.dir, error)) notes.push_back("The user folder " + user.dir + " cannot be made: " + error);
    setUserDir(user.dir);
    notes.push_back("User folder: " + (user.dir.empty() ? std::string("the working folder") : user.dir) +
                    " (from " + user.why + ")");
    return notes;
}

void showErrorBox(const char* text) { hge->System_MessageBox(text, "Error", MB_ICONSTOP | MB_SYSTEMMODAL); }

void configureEngine() {
    hge->System_SetState(HGE_LOGFILE, userPath("kvb.log").c_str());
    hge->System_SetState(HGE_INIFILE, userPath("Options.ini").c_str());
    setFrameFunctions();
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
    if (!hge->Resource_AttachPack(dataPath(PACKFILE).c_str())) {
        std::string text = hge->System_GetErrorMessage();
        if (!packLookedIn.empty()) text += (text.empty() || text.back() == '.' ? " " : ". ") + std::string("It was looked for in ") + packLookedIn + ".";
        showErrorBox(text.c_str());
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

int WinMain(const StartOptions& options) {
    hge = hgeCreate(HGE_VERSION);
    const std::vector<std::string> folderNotes = chooseFolders(options);
    InstanceLock lock;
    bool writable = true;
    if (!takeInstanceLock(lock, writable)) {
        hge->Release();
        hge = nullptr;
        return 1;
    }
    std::vector<std::string> copyNotes;
    if (writable) {
        removeStrayTempFiles(userDir());
        if (!userDir().empty()) copyNotes = copyOldFiles(oldFolders(hge->System_GetBaseFolder()), userDir());
    }
    configureEngine();
    for (const std::string& note : folderNotes) hge->System_Log("%s", note.c_str());
    for (const std::string& note : copyNotes) hge->System_Log("%s", note.c_str());
    if (!writable) hge->System_Log("Nothing is saved in this run: the user folder cannot be written.");
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
        applyDisplayOptions();
        hge->Channel_SetVolume(chan[0], pl[0].opt[OPT_VOLBGM]);
        hge->System_SetState(HGE_FXVOLUME, pl[0].opt[OPT_VOLSFX]);
        playTime = 0;
        pl[0].showFps = false;
        gameMode = 0;
        callHook(gameHooks.initTitleScreen);
        callHook(gameHooks.loadData);
        playBGM("titleMusicSTR");
        hge->System_Log("Title screen up.");
        hge->System_Start();
    }
    shutDownEngine();
    return status;
}

void shutDownEngine() {
    releaseSharedResources();
    hge->Resource_RemoveAllPacks();
    hge->System_Shutdown();
    hge->Release();
    hge = nullptr;
}
