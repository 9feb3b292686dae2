#include "shell/sound.h"

#include "shell/world.h"
#include "toolkit/hgeresource.h"

void playBGM(const std::string& name) {
    if (hge->Channel_IsPlaying(chan[0])) hge->Channel_Stop(chan[0]);
    const bool streamed = name.size() >= 3 && name.compare(name.size() - 3, 3, "STR") == 0;
    if (streamed) {
        mus = myRes ? myRes->GetStream(name.c_str()) : 0;
        chan[0] = hge->Stream_Play(mus, true);
    } else {
        mus = myRes ? myRes->GetMusic(name.c_str()) : 0;
        chan[0] = hge->Music_Play(mus, true);
    }
    hge->Channel_SetVolume(chan[0], pl[0].opt[OPT_VOLBGM]);
}

void playSFX(int id, int channel) {
    // Ids and channels come from tables and card data; one out of range plays nothing.
    if (id < 0 || id >= MAXSFX || channel < 0 || channel >= MAXCHANNELS) return;
    chan[channel] = hge->Effect_Play(sfx[id]);
}
