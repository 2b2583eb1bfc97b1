// Makes GlobalAlloc fail for the code of this test program while the object
// lives, by pointing the program's own import of it at a stand-in. Only
// in-process tests of code linked into the program see the failure.
#pragma once

class GlobalAllocFailure {
public:
    GlobalAllocFailure();
    ~GlobalAllocFailure();
    GlobalAllocFailure(const GlobalAllocFailure&) = delete;
    GlobalAllocFailure& operator=(const GlobalAllocFailure&) = delete;

    // Whether the import was found and replaced.
    bool Active() const { return slot_ != nullptr; }
    // Calls that were refused.
    int Refused() const;

private:
    void** slot_ = nullptr;
    void* original_ = nullptr;
};
