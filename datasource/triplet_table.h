// Which operation answers which triplet, and in which TWAIN states.
#pragma once

#include "datasource/operations.h"

struct TripletRule {
    TW_UINT32 DG;
    TW_UINT16 DAT;
    TW_UINT16 MSG;
    unsigned AcceptedStates;  // StateBit mask
    bool NeedsData;           // a null data pointer is refused with TWCC_BADVALUE
    // Only reads: it may also be called from inside another operation of the
    // source (its dialog or a progress window pumping the application's
    // messages). Every other operation is refused there with TWCC_SEQERROR:
    // it would close the scanner, end the sheet or change the settings under
    // the operation that is using them.
    bool ReadOnly;
    Operation Run;
};

// The rule for a triplet, or null when the source does not answer it.
const TripletRule* FindTripletRule(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg);

// Looks the triplet up, applies the state rule, the nesting rule and the data
// check, and runs the operation. Unknown triplets: TWCC_BADPROTOCOL; wrong
// state, or a changing operation inside another one: TWCC_SEQERROR.
TW_UINT16 DispatchTriplet(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                          TW_MEMREF data);
