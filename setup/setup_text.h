// The setup program's own texts, one column per setup language.
#pragma once

enum class SetupTextRow {
    Title,
    Instruction,
    Ok,
    Cancel,
    Upgrade,       // %s: product name
    LaterVersion,  // %s: product name
    QueryFailed,   // %s: product name; ends an unattended run
};

// The row's text in the current language, code page 1252.
const char* GetSetupText(SetupTextRow row);
