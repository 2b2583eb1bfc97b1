// The Information page: the logo, what the scanner library reports about the
// hardware, the version and date of the library file, and the legal notice.
#pragma once

#include "framework/property_page.h"
#include "ui/scanner_dialog_context.h"
#include "ui/transparent_picture.h"

#include <string>

class InfoPage : public CPropertyPage {
public:
    InfoPage(const ScannerDialogContext& context, std::string title);

protected:
    bool OnInitDialog() override;

private:
    // Shows the logo, centred in the left half of the frame around the values.
    void PlaceLogo();

    const ScannerDialogContext& context_;
    TransparentPicture logo_;
};
