#include "engine/engine_host.h"

namespace {
EngineHost* host = nullptr;
}

void SetEngineHost(EngineHost* newHost) { host = newHost; }

EngineHost* CurrentEngineHost() { return host; }

ScanSettings* SettingsOrCurrent(ScanSettings* record) {
    if (record) return record;
    return host ? &host->CurrentSettings() : nullptr;
}
