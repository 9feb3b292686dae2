#include "shell/modes.h"

namespace {
ModeHandlers table[NUMMODES];
const ModeHandlers none{};
}  // namespace

void setModeHandlers(int mode, const ModeHandlers& handlers) {
    if (mode >= 0 && mode < NUMMODES) table[mode] = handlers;
}

const ModeHandlers& modeHandlers(int mode) { return mode >= 0 && mode < NUMMODES ? table[mode] : none; }

bool progressFrozen(int mode) {
    return mode == MODE_PAUSE || mode == MODE_CONFIRMEXIT || mode == MODE_OPTIONS || mode == MODE_INST ||
           mode == MODE_CONFIRMKEY;
}

bool usesKeyHandler(int mode) {
    return mode == MODE_SELECTVEH || mode == MODE_SELECTDECK || mode == MODE_SELECTOPP || mode == MODE_LOAD ||
           mode == MODE_REPLAYLIST;
}
