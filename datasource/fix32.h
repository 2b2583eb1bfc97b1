// TW_FIX32 numbers: conversion from and to floats, and the 32-bit word a
// container carries them in (Whole in the low half, Frac in the high half).
#pragma once

#include "datasource/twain.h"

// Nearest 1/65536, halves rounded away from zero.
TW_FIX32 FloatToFix32(float value);
float Fix32ToFloat(TW_FIX32 value);
// Both halves equal.
bool Fix32Equal(TW_FIX32 a, TW_FIX32 b);

TW_UINT32 Fix32ToWord(TW_FIX32 value);
TW_FIX32 WordToFix32(TW_UINT32 word);
