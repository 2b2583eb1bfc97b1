// The per-user folder of the data source's files.
#pragma once

#include <cstddef>

// Writes "<local application data>\Orvane\" into `buffer` (260 characters),
// creating the folder when needed. False when it cannot be had.
bool GetUserDataFolder(char* buffer);
