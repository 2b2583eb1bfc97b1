// An auto-reset Windows event, owned by the object.
#pragma once

#include "framework/handles.h"
#include "setup/os_object.h"

#include <windows.h>

class OSEvent : public OSObject {
public:
    OSEvent() = default;
    OSEvent(const OSEvent&) = delete;
    OSEvent& operator=(const OSEvent&) = delete;

    // False if the event exists already or cannot be created.
    bool Create();
    bool Exists() const { return event_.Valid(); }
    void Set() const;
    void Close();

protected:
    HANDLE Handle() const { return event_.Get(); }

private:
    UniqueHandle event_;
};
