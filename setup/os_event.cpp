#include "setup/os_event.h"

bool OSEvent::Create() {
    if (event_.Valid()) return false;
    // Default security of the process, as for the thread: no other process
    // may open it.
    event_.Reset(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    return event_.Valid();
}

void OSEvent::Set() const {
    if (event_.Valid()) SetEvent(event_.Get());
}

void OSEvent::Close() {
    event_.Reset();
}
