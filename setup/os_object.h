// Root of the thread and event classes of setup.
#pragma once

class OSObject {
protected:
    OSObject() = default;
    ~OSObject() = default;
};
