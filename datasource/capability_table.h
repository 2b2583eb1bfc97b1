// The capabilities this source negotiates, one row each: its id and item
// type, how its current and default values and its list are built, the
// containers MSG_SET accepts with the handler that stores the value, and what
// MSG_RESET puts back. MSG_QUERYSUPPORT's answer and CAP_SUPPORTEDCAPS follow
// from the rows.
#pragma once

#include "datasource/capability_values.h"
#include "datasource/twain.h"

class CDataSourceApp;

// Custom capabilities.
constexpr TW_UINT16 kCapFilter = 0xBC00;             // descreen filter, Settings.Filter
constexpr TW_UINT16 kCapDetectEndOfPage = 0xBC01;    // Settings.DetectEOP
constexpr TW_UINT16 kCapCalibrationNeeded = 0xBE00;  // read-only, asked of the scanner
constexpr TW_UINT16 kCapCalibrate = 0xBE01;          // command
constexpr TW_UINT16 kCapFeed = 0xBE02;               // command
constexpr TW_UINT16 kCapClean = 0xBE03;              // command

// MSG_QUERYSUPPORT's answer for every capability: 13, 15 with a setter (the
// commands), 31 when it can also be reset. Every capability answers
// MSG_GETCURRENT, and says so: applications ask for the current value only
// when the mask allows it, and would otherwise take the default for it.
constexpr TW_INT32 kSupportReadOnly = TWQC_GET | TWQC_GETCURRENT | TWQC_GETDEFAULT;

struct Capability {
    using Word = TW_UINT32 (*)(const CDataSourceApp& app);
    using List = TW_UINT16 (*)(TW_CAPABILITY& cap, const CDataSourceApp& app);
    using Setter = TW_UINT16 (*)(const TW_CAPABILITY& cap, CDataSourceApp& app);
    using Resetter = void (*)(CDataSourceApp& app);

    TW_UINT16 Id = 0;
    TW_UINT16 ItemType = 0;
    // The one value MSG_GETCURRENT answers, and MSG_GET where there is no
    // list. Without it every get answers with the list.
    Word CurrentWord = nullptr;
    // The one value MSG_GETDEFAULT answers; without it, the current one.
    Word DefaultWord = nullptr;
    // The enumeration, range or array MSG_GET answers with.
    List Values = nullptr;
    // MSG_SET: the kAccepts... containers and the handler. Without a handler
    // the capability is read-only and MSG_SET is a bad operation, or, for a
    // row marked so, an unsupported capability.
    unsigned SetContainers = kAcceptsNone;
    Setter SetValue = nullptr;
    bool SetIsUnsupported = false;
    // MSG_RESET is allowed; the resetter, where there is one, puts the
    // power-on value back (a fixed property has nothing to put back).
    bool Resettable = false;
    Resetter ResetValue = nullptr;

    constexpr TW_INT32 Support() const {
        return kSupportReadOnly | (SetValue ? TWQC_SET : 0) | (Resettable ? TWQC_RESET : 0);
    }

    // Builders, so that each row of the table reads as one sentence.
    constexpr Capability Current(Word word) const { return With(&Capability::CurrentWord, word); }
    constexpr Capability Default(Word word) const { return With(&Capability::DefaultWord, word); }
    constexpr Capability Lists(List list) const { return With(&Capability::Values, list); }
    constexpr Capability Set(unsigned containers, Setter setter) const {
        return With(&Capability::SetContainers, containers).With(&Capability::SetValue, setter);
    }
    constexpr Capability SetUnsupported() const { return With(&Capability::SetIsUnsupported, true); }
    constexpr Capability Reset(Resetter resetter) const {
        return With(&Capability::Resettable, true).With(&Capability::ResetValue, resetter);
    }
    constexpr Capability ResetKeepsValue() const { return Reset(nullptr); }

private:
    template <typename Field>
    constexpr Capability With(Field Capability::*field, Field value) const {
        Capability row = *this;
        row.*field = value;
        return row;
    }
};

constexpr Capability CapabilityRow(TW_UINT16 id, TW_UINT16 itemType) {
    Capability row;
    row.Id = id;
    row.ItemType = itemType;
    return row;
}

constexpr int kSupportedCapCount = 41;
// One row per capability, in the order CAP_SUPPORTEDCAPS reports them.
extern const Capability CapabilityTable[kSupportedCapCount];
// The ids of the table's rows, in order: CAP_SUPPORTEDCAPS.
extern const TW_UINT16 (&SupportedCapsList)[kSupportedCapCount];
// The row of `id`, or null when the source does not handle it.
const Capability* FindCapability(TW_UINT16 id);
