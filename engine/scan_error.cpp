#include "engine/scan_error.h"

#include "localization/language.h"
#include "localization/text_table.h"

std::string ScanErrorText(int code) {
    const LocalizedText* entry = nullptr;
    switch (code) {
    case kScanScannerError:
        entry = &texts::ScannerNotReady;
        break;
    case kScanCancelled:
        entry = &texts::ScanAbortedByUser;
        break;
    case kScanFileError:
        entry = &texts::ScanAbortedFileError;
        break;
    case kScanOutOfMemory:
        entry = &texts::ScanAbortedOutOfMemory;
        break;
    default:
        // The one message that is not translated.
        return "Inscrutible error";
    }
    std::string text;
    LoadText(GetLanguage(), *entry, text);
    return text;
}
