// Operations whose work is not part of this build of the source yet. They
// are dispatched with their state rules like every other operation and then
// refuse honestly, so that no application mistakes them for a success.
#include "datasource/data_source_app.h"
#include "datasource/operations.h"

namespace {
TW_UINT16 NotAvailable() { return TheApp().Fail(TWCC_BUMMER); }
}  // namespace

TW_UINT16 CapabilitySet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 CapabilityReset(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 SetupMemXferGet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 SetupFileXferGet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 SetupFileXferGetDefault(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 SetupFileXferSet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 SetupFileXferReset(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 ImageMemXferGet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 ImageNativeXferGet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
TW_UINT16 ImageFileXferGet(pTW_IDENTITY, TW_MEMREF) { return NotAvailable(); }
