// The sheet feeder: the sheets waiting in the tray, the first of them at the
// paper sensor. Test-page sheets, or one sheet per bitmap file of a folder
// in file-name order.
#pragma once

#include <deque>
#include <memory>
#include <string>

#include "paper_sheet.h"
#include "scanner_config.h"
#include "test_page.h"

class Feeder {
public:
    // Empties the tray and lays in the sheets the configuration names. For a
    // folder, `note` tells how many files were found (or that none could be listed).
    void Load(const ScannerConfig& config, std::string& note);

    bool PaperOn() const { return !sheets_.empty(); }
    size_t Count() const { return sheets_.size(); }
    // Moves the sheet at the sensor out; false when there was none.
    bool Eject();

    // Reads the sheet at the sensor. Null, with the reason, when there is no
    // sheet or its file cannot be used; the sheet then stays where it is.
    std::unique_ptr<PaperSheet> OpenCurrent(std::string& error) const;

private:
    struct Slot {
        std::string bitmapPath;  // empty for a test-page sheet
        test_page::Sheet size;
    };
    std::deque<Slot> sheets_;
};
