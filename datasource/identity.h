// The identity this source reports to the manager.
#pragma once

#include "datasource/twain.h"

// Fills `identity` with this source's identity (Id 0: the manager assigns it).
void FillSourceIdentity(TW_IDENTITY& identity);
