// Every named entry of the text table, listed by hand for the table-wide
// checks. text_table_tests compares its length with the header's declarations.
#pragma once

#include "localization/localized_text.h"

#include <vector>

struct NamedTextEntry {
    const char* Name;
    const LocalizedText* Entry;
};

const std::vector<NamedTextEntry>& AllTextEntries();
