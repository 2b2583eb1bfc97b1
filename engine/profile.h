// The engine's access to the data source's INI profile, through the module's
// application object. Without one, reads give the fallback and writes are lost.
#pragma once

int ProfileInt(const char* section, const char* key, int fallback);
bool WriteProfileInt(const char* section, const char* key, int value);
