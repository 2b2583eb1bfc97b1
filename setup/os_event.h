// An auto-reset Windows event, owned by the object.
#pragma once

#include "setup/os_object.h"

#include <windows.h>

class OSEvent : public OSObject {
public:
    OSEvent() = default;
    ~OSEvent();
    OSEvent(const OSEvent&) = delete;
    OSEvent& operator=(const OSEvent&) = delete;

    // False if the event exists already or cannot be created.
    bool Create();
    bool Exists() const { return event_ != nullptr; }
    void Set() const;
    void Close();

protected:
    HANDLE Handle() const { return event_; }

private:
    HANDLE event_ = nullptr;
};
