// The compressed stream names of installer storages.
#pragma once

#include <string>

// A table's stream name: the table marker followed by the name packed two
// characters to one where the alphabet allows.
std::wstring EncodeTableStreamName(const std::wstring& table);
