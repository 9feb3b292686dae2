// Start-up and shut-down of the program, step by step, so each step can be run alone.
#pragma once

#include <string>
#include <vector>

// What the command line can ask for.
struct StartOptions {
    std::string userDir;  // --user-dir DIR: saves, options, log and screenshots go there
    // --verify-replay FILE...: the replays to check instead of playing (every argument after it)
    std::vector<std::string> replaysToVerify;
};

// False with the reason for an argument the game does not know.
bool parseCommandLine(int argc, char** argv, StartOptions& options, std::string& error);

// The whole program: start-up, the frame loop, shut-down. Returns the process exit code:
// 1 when another copy uses the same user folder, the engine cannot start or the resource
// pack cannot be opened (each said in a message box). A user folder that cannot be
// written is said in a box too, and the game runs on without saving.
int WinMain(const StartOptions& options = {});

// Sets the data folder (the executable's, else the installed one) and the user folder
// (--user-dir, KVB_USER_DIR, portable.txt beside the game, else the player's data
// folder), making the latter. Returns what to say in the log once it is open.
std::vector<std::string> chooseFolders(const StartOptions& options);

// Engine states before System_Initiate: log and INI in the user folder, frame function, title, frame rate,
// window mode from the options file, canvas size, icon.
void configureEngine();
// Resource manager, particle managers and everything bound once by name; false (and an
// error box) when the resource pack cannot be opened.
bool loadSharedResources();
// Frees what loadSharedResources made.
void releaseSharedResources();
// Frees the shared resources, lets go of the packs and shuts the engine down (`hge` is
// null afterwards).
void shutDownEngine();
// The "Error" box used for fatal and start-up failures.
void showErrorBox(const char* text);
