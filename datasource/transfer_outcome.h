// What the three transfers share once the page has been read or has failed:
// the message shown for a failure and the codes the application gets.
#pragma once

#include "datasource/twain.h"

#include <cstdint>

class CDataSourceApp;

// The message of a failed scan (ScanErrorText) over the application's window,
// with the exclamation icon. A cancel by the user shows nothing.
void ShowTransferError(const CDataSourceApp& app, int scanError);

// A transfer that did not deliver its page: no transfer is left pending, so
// the next MSG_ENDXFER ends the acquisition. A cancel answers TWRC_CANCEL
// without a condition; any other error shows its message and answers
// TWRC_FAILURE with TWCC_OPERATIONERROR.
TW_UINT16 FailTransfer(CDataSourceApp& app, int scanError);

// Bytes of one row of the current page (its scan mode and ImageWidth), as
// every transfer delivers its rows; 0 when the page has no usable width.
int32_t TransferRowBytes(const CDataSourceApp& app);
