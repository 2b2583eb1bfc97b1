// Import address table slots of a loaded image, so that a test can put its
// own function in the place of a Windows function the image calls.
#pragma once

#include <windows.h>

// The slot of `function` (imported by name) in `module`'s image, or null.
void** FindImportSlot(HMODULE module, const char* function);

// Writes `value` into a slot, whatever the protection of its page.
void WriteImportSlot(void** slot, void* value);
