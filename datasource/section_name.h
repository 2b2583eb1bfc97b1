// The profile section that keeps one calling application's settings.
#pragma once

#include <cstddef>

constexpr size_t kSectionNameSize = 16;

// From the application's product name: its letters, upper-cased, at most 15,
// taken from the first 33 characters; "UNTITLED" when fewer than 3 remain.
void MakeSectionName(const char* productName, char (&section)[kSectionNameSize]);
