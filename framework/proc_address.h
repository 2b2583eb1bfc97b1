// Typed access to a function exported by a loaded library.
#pragma once

#include <windows.h>

// The exported function `name` of `module` as a pointer of type F, or null.
template <typename F>
F ProcAddress(HMODULE module, const char* name) {
    // Through a generic function pointer type, which any function pointer converts to and from.
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

template <typename F>
F FunctionCast(FARPROC function) {
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(function));
}
