// The languages offered in the dialog, from the "LANGUAGES" resource.
#pragma once

#include "setup/setup_language.h"

#include <vector>

// "1033;1036;..." in resource order; unsupported ids are skipped. A missing
// resource offers English alone. Always true.
bool LoadLanguageList(std::vector<LanguageEntry>& list);
