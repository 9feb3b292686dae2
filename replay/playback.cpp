#include "replay/playback.h"

#include <algorithm>

#include "replay/recorder.h"
#include "replay/replay_library.h"
#include "replay/round_runner.h"
#include "shell/hooks.h"
#include "shell/modes.h"
#include "shell/sound.h"
#include "shell/world.h"
#include "toolkit/hgepmanager.h"

namespace {

constexpr float BETWEENROUNDS = 1.5f;  // seconds the end of a round stays on show
constexpr int LOUDESTSPEED = 2;       // faster than this, the sounds are muted

struct Playback {
    Replay replay;
    RoundRunner runner;
    int round = 0;
    int speed = 1;
    bool paused = false;
    bool finished = false;
    float betweenRounds = 0;
    std::string fault;
    int second = 0, seconds = 0;  // of the round last on show, kept once it is over
};
Playback show;

void setSoundsFor(int speed) {
    hge->System_SetState(HGE_FXVOLUME, speed > LOUDESTSPEED ? 0 : pl[0].opt[OPT_VOLSFX]);
}

void finish(const std::string& fault) {
    if (const ReplayRound* r = show.runner.round()) {
        show.second = static_cast<int>(show.runner.stepsDone() / REPLAY_STEPSPERCHECK);
        show.seconds = static_cast<int>(r->steps / REPLAY_STEPSPERCHECK);
    }
    show.finished = true;
    show.fault = fault;
    show.runner.end();
    if (!fault.empty()) hge->System_Log("Replay: %s", fault.c_str());
}

void beginRound(int index) {
    std::string error;
    show.round = index;
    show.betweenRounds = 0;
    if (!show.runner.begin(show.replay, index, false, error)) finish(error);
}

void roundOver() {
    if (show.round + 1 >= static_cast<int>(show.replay.rounds.size())) finish("");
    else show.betweenRounds = BETWEENROUNDS;
}

}  // namespace

bool startPlayback(const std::string& path, std::string& error) {
    Replay replay;
    if (!readReplayFile(path, replay, error)) return false;
    if (replay.rounds.empty()) {
        error = "has no round to play";
        return false;
    }
    setRecording(false);
    show = Playback();
    show.replay = std::move(replay);
    if (!show.runner.begin(show.replay, 0, true, error)) {
        show.runner.end();
        setRecording(true);
        return false;
    }
    gameMode = MODE_REPLAY;
    hge->System_SetState(HGE_HIDEMOUSE, false);
    setSoundsFor(show.speed);
    return true;
}

void updatePlayback(float dt) {
    if (show.finished || show.paused) return;
    if (show.betweenRounds > 0) {
        show.betweenRounds -= dt;
        if (show.betweenRounds <= 0) beginRound(show.round + 1);
        gameMode = MODE_REPLAY;
        return;
    }
    for (int i = 0; i < show.speed && !show.finished && show.betweenRounds <= 0; ++i) {
        const RoundRunner::Status s = show.runner.step();
        if (s == RoundRunner::PARTED) finish(show.runner.fault());
        else if (s == RoundRunner::ROUND_OVER) roundOver();
    }
    gameMode = MODE_REPLAY;
}

void setPlaybackPaused(bool paused) { show.paused = paused; }

void setPlaybackSpeed(int factor) {
    int speed = PLAYBACK_SPEEDS[0];
    for (int s : PLAYBACK_SPEEDS)
        if (s <= factor) speed = s;
    show.speed = speed;
    setSoundsFor(speed);
}

void skipToNextRound() {
    if (show.finished) return;
    if (show.round + 1 >= static_cast<int>(show.replay.rounds.size())) finish("");
    else beginRound(show.round + 1);
    gameMode = MODE_REPLAY;
}

void stopPlayback() {
    show.runner.end();
    show.finished = true;
    setRecording(true);
    if (psmgr) psmgr->KillAll();
    if (psmgrX) psmgrX->KillAll();
    hge->System_SetState(HGE_FXVOLUME, pl[0].opt[OPT_VOLSFX]);
    // The replay set the match's choices and statistics; the data files put them back.
    callHook(gameHooks.loadData);
    playBGM("titleMusicSTR");
    if (gameHooks.initReplayList) gameHooks.initReplayList();
    else gameMode = MODE_TITLE;
}

PlaybackStatus playbackStatus() {
    PlaybackStatus s;
    s.info = &show.replay.info;
    s.rounds = static_cast<int>(show.replay.rounds.size());
    s.round = std::min(show.round + 1, s.rounds);
    s.second = show.second;
    s.seconds = show.seconds;
    if (const ReplayRound* r = show.runner.round()) {
        s.second = static_cast<int>(show.runner.stepsDone() / REPLAY_STEPSPERCHECK);
        s.seconds = static_cast<int>(r->steps / REPLAY_STEPSPERCHECK);
    }
    s.speed = show.speed;
    s.paused = show.paused;
    s.betweenRounds = show.betweenRounds > 0;
    s.finished = show.finished;
    s.fault = show.fault;
    return s;
}
