#include "platform/headless/headless_engine.h"

hgeEngine* hgeCreate(int version) { return createHeadlessEngine(version); }
