#include "engine/engine_host.h"

namespace {
EngineHost* host = nullptr;
}

void SetEngineHost(EngineHost* newHost) { host = newHost; }

EngineHost* CurrentEngineHost() { return host; }
