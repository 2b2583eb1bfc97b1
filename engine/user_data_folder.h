// The per-user folder of the data source's files.
#pragma once

#include <cstddef>

// Writes "<local application data>\Orvane\" into `buffer` (260 characters),
// creating the folder when needed. False (buffer untouched) when it cannot
// be had or `buffer` is null; callers then use the module's own folder.
bool GetUserDataFolder(char* buffer);
