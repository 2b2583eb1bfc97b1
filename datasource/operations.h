// The operations behind the triplets. Each takes the triplet's data pointer
// (already checked against null where the operation needs one) and answers a
// TWRC code, recording a condition with SetCondition on failure. The state
// rules are applied by the dispatcher before an operation runs.
#pragma once

#include "datasource/twain.h"

using Operation = TW_UINT16 (*)(pTW_IDENTITY origin, TW_MEMREF data);

TW_UINT16 GetStatus(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 GetXferGroup(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 GetIdentity(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 OpenSource(pTW_IDENTITY origin, TW_MEMREF data);
TW_UINT16 CloseSource(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 CapabilityGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 CapabilityGetCurrent(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 CapabilityGetDefault(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 CapabilitySet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 CapabilityReset(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 CapabilityQuerySupport(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 ProcessEvent(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 EnableSource(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 EnableSourceUiOnly(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 DisableSource(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 PendingXfersGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 PendingXfersEndXfer(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 PendingXfersReset(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 SetupMemXferGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 SetupFileXferGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 SetupFileXferGetDefault(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 SetupFileXferSet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 SetupFileXferReset(pTW_IDENTITY, TW_MEMREF data);

TW_UINT16 ImageInfoGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageLayoutGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageLayoutGetDefault(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageLayoutSet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageLayoutReset(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageMemXferGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageNativeXferGet(pTW_IDENTITY, TW_MEMREF data);
TW_UINT16 ImageFileXferGet(pTW_IDENTITY, TW_MEMREF data);
