// Which operation answers which triplet, and in which TWAIN states.
#pragma once

#include "datasource/operations.h"

struct TripletRule {
    TW_UINT32 DG;
    TW_UINT16 DAT;
    TW_UINT16 MSG;
    unsigned AcceptedStates;  // StateBit mask
    bool NeedsData;           // a null data pointer is refused with TWCC_BADVALUE
    Operation Run;
};

// The rule for a triplet, or null when the source does not answer it.
const TripletRule* FindTripletRule(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg);

// Looks the triplet up, applies the state rule and the data check, and runs
// the operation. Unknown triplets: TWCC_BADPROTOCOL; wrong state: TWCC_SEQERROR.
TW_UINT16 DispatchTriplet(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                          TW_MEMREF data);
