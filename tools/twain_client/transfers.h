// One page from the source by the chosen transfer mechanism, written to `path`.
#pragma once

#include "tools/twain_client/dsm_session.h"

#include <string>

// Prints the image information, transfers the page and writes the BMP file.
// Returns the transfer's TWRC code (TWRC_XFERDONE when the file was written);
// `written` tells whether the file exists.
TW_UINT16 TransferPage(DsmSession& session, TW_UINT16 mechanism, const std::string& path, bool& written);
