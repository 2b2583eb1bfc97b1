#include "setup/os_event.h"

OSEvent::~OSEvent() { Close(); }

bool OSEvent::Create() {
    if (event_ != nullptr) return false;
    // Default security of the process, as for the thread: no other process
    // may open it.
    event_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    return event_ != nullptr;
}

void OSEvent::Set() const {
    if (event_ != nullptr) SetEvent(event_);
}

void OSEvent::Close() {
    if (event_ != nullptr) CloseHandle(event_);
    event_ = nullptr;
}
