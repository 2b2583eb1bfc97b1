#include "tools/twain_client/negotiation.h"

#include "tools/twain_client/fix32_values.h"

#include <string>
#include <cstdio>

namespace {

bool Report(DsmSession& session, const char* what, TW_UINT16 rc) {
    if (rc == TWRC_SUCCESS || rc == TWRC_CHECKSTATUS) return true;
    std::fprintf(stderr, "tavix-twain: %s failed: TWRC %u, condition %u\n", what, rc,
                 session.SourceCondition());
    return false;
}

bool SetOneValue(DsmSession& session, const char* name, TW_UINT16 cap, TW_UINT16 type, TW_UINT32 item) {
    TW_CAPABILITY capability{cap, TWON_ONEVALUE, GlobalAlloc(GHND, sizeof(TW_ONEVALUE))};
    if (!capability.hContainer) return false;
    auto* one = static_cast<TW_ONEVALUE*>(GlobalLock(capability.hContainer));
    one->ItemType = type;
    one->Item = item;
    GlobalUnlock(capability.hContainer);
    TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &capability);
    GlobalFree(capability.hContainer);
    return Report(session, (std::string("setting ") + name).c_str(), rc);
}

// The support mask MSG_QUERYSUPPORT reports for `cap`, or 0.
TW_INT32 QuerySupport(DsmSession& session, TW_UINT16 cap) {
    TW_CAPABILITY capability{cap, TWON_DONTCARE16, nullptr};
    if (session.ToSource(DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, &capability) != TWRC_SUCCESS)
        return 0;
    TW_INT32 support = 0;
    const auto* one = static_cast<const TW_ONEVALUE*>(GlobalLock(capability.hContainer));
    if (one && capability.ConType == TWON_ONEVALUE) support = static_cast<TW_INT32>(one->Item);
    GlobalUnlock(capability.hContainer);
    GlobalFree(capability.hContainer);
    return support;
}

// Prints the current value of a one-value or enumeration answer. As many
// applications do, the current value is asked for only when the source
// reports that it answers MSG_GETCURRENT; otherwise the default stands in.
bool PrintCurrent(DsmSession& session, const char* name, TW_UINT16 cap) {
    const TW_UINT16 msg = (QuerySupport(session, cap) & TWQC_GETCURRENT) ? MSG_GETCURRENT : MSG_GETDEFAULT;
    TW_CAPABILITY capability{cap, TWON_DONTCARE16, nullptr};
    TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_CAPABILITY, msg, &capability);
    if (!Report(session, (std::string("reading ") + name).c_str(), rc)) return false;
    const auto* bytes = static_cast<const TW_UINT8*>(GlobalLock(capability.hContainer));
    TW_UINT16 type = *reinterpret_cast<const TW_UINT16*>(bytes);
    TW_UINT32 item = 0;
    if (capability.ConType == TWON_ONEVALUE) {
        item = reinterpret_cast<const TW_ONEVALUE*>(bytes)->Item;
    } else if (capability.ConType == TWON_ENUMERATION) {
        const auto* e = reinterpret_cast<const TW_ENUMERATION*>(bytes);
        const size_t width = (type == TWTY_FIX32 || type == TWTY_INT32 || type == TWTY_UINT32) ? 4 : 2;
        const TW_UINT8* at = e->ItemList + e->CurrentIndex * width;
        item = width == 4 ? *reinterpret_cast<const TW_UINT32*>(at) : *reinterpret_cast<const TW_UINT16*>(at);
    }
    GlobalUnlock(capability.hContainer);
    GlobalFree(capability.hContainer);
    if (type == TWTY_FIX32) {
        TW_FIX32 fix{static_cast<TW_INT16>(item & 0xFFFF), static_cast<TW_UINT16>(item >> 16)};
        std::printf("  %-22s %g\n", name, FromFix32(fix));
    } else if (type == TWTY_INT16) {
        std::printf("  %-22s %d\n", name, static_cast<TW_INT16>(item));
    } else {
        std::printf("  %-22s %lu\n", name, static_cast<unsigned long>(item));
    }
    return true;
}

}  // namespace

bool Negotiate(DsmSession& session, const ClientOptions& o) {
    bool ok = true;
    if (o.pixelType >= 0)
        ok = ok && SetOneValue(session, "ICAP_PIXELTYPE", ICAP_PIXELTYPE, TWTY_UINT16, o.pixelType);
    if (o.resolution > 0) {
        const TW_UINT32 dpi = Fix32Word(ToFix32(o.resolution));
        ok = ok && SetOneValue(session, "ICAP_XRESOLUTION", ICAP_XRESOLUTION, TWTY_FIX32, dpi);
        ok = ok && SetOneValue(session, "ICAP_YRESOLUTION", ICAP_YRESOLUTION, TWTY_FIX32, dpi);
    }
    if (o.detectEop >= 0)
        ok = ok && SetOneValue(session, "end-of-page detection", kCapDetectEndOfPage, TWTY_BOOL, o.detectEop);
    if (o.indicators >= 0)
        ok = ok && SetOneValue(session, "CAP_INDICATORS", CAP_INDICATORS, TWTY_BOOL, o.indicators);
    ok = ok && SetOneValue(session, "ICAP_XFERMECH", ICAP_XFERMECH, TWTY_UINT16, o.mechanism);
    ok = ok && SetOneValue(session, "CAP_XFERCOUNT", CAP_XFERCOUNT, TWTY_INT16,
                           static_cast<TW_UINT16>(static_cast<TW_INT16>(o.pages)));
    if (ok && o.haveFrame) {
        TW_IMAGELAYOUT layout{};
        layout.Frame.Left = ToFix32(o.left);
        layout.Frame.Top = ToFix32(o.top);
        layout.Frame.Right = ToFix32(o.right);
        layout.Frame.Bottom = ToFix32(o.bottom);
        layout.DocumentNumber = layout.PageNumber = layout.FrameNumber = 1;
        TW_UINT16 rc = session.ToSource(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout);
        ok = Report(session, "setting the layout", rc);
        if (ok && rc == TWRC_CHECKSTATUS) std::printf("the source adjusted the frame\n");
    }
    if (!ok) return false;

    std::printf("capabilities after negotiation:\n");
    ok = PrintCurrent(session, "ICAP_PIXELTYPE", ICAP_PIXELTYPE) &&
         PrintCurrent(session, "ICAP_XRESOLUTION", ICAP_XRESOLUTION) &&
         PrintCurrent(session, "ICAP_YRESOLUTION", ICAP_YRESOLUTION) &&
         PrintCurrent(session, "ICAP_XFERMECH", ICAP_XFERMECH) &&
         PrintCurrent(session, "CAP_XFERCOUNT", CAP_XFERCOUNT) &&
         PrintCurrent(session, "CAP_INDICATORS", CAP_INDICATORS) &&
         PrintCurrent(session, "end-of-page detection", kCapDetectEndOfPage);
    TW_IMAGELAYOUT layout{};
    TW_UINT16 rc = session.ToSource(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout);
    if (!Report(session, "reading the layout", rc)) return false;
    std::printf("  %-22s %g,%g,%g,%g inches\n", "frame", FromFix32(layout.Frame.Left),
                FromFix32(layout.Frame.Top), FromFix32(layout.Frame.Right), FromFix32(layout.Frame.Bottom));
    return ok;
}
