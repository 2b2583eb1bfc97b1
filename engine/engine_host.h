// The data source object owns the current scan settings and the scanner
// binding; it registers here so that engine operations can reach them
// without the engine depending on the data source.
#pragma once

struct ScanSettings;
class ScannerIo;

class EngineHost {
public:
    virtual ScanSettings& CurrentSettings() = 0;
    virtual ScannerIo& Scanner() = 0;

protected:
    ~EngineHost() = default;
};

void SetEngineHost(EngineHost* host);
EngineHost* CurrentEngineHost();

