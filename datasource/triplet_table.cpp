#include "datasource/triplet_table.h"

#include "datasource/data_source_app.h"

namespace {

const TripletRule kRules[] = {
    {DG_CONTROL, DAT_CAPABILITY, MSG_GET, kStates4to7, true, CapabilityGet},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, kStates4to7, true, CapabilityGetCurrent},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT, kStates4to7, true, CapabilityGetDefault},
    {DG_CONTROL, DAT_CAPABILITY, MSG_SET, StateBit(4), true, CapabilitySet},
    {DG_CONTROL, DAT_CAPABILITY, MSG_RESET, StateBit(4), true, CapabilityReset},
    {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, kStates4to7, true, CapabilityQuerySupport},
    {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, kStates3to7, true, ProcessEvent},
    {DG_CONTROL, DAT_IDENTITY, MSG_GET, kStates3to7, true, GetIdentity},
    {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, StateBit(3), true, OpenSource},
    // Closing a source that is not open succeeds and does nothing.
    {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, kStates3to7, false, CloseSource},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, kStates4to7, true, PendingXfersGet},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, kStates6to7, true, PendingXfersReset},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, kStates6to7, true, PendingXfersEndXfer},
    {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, kStates4to6, true, SetupMemXferGet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, kStates4to6, true, SetupFileXferGet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, kStates4to6, true, SetupFileXferGetDefault},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, kStates4to6, true, SetupFileXferSet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, StateBit(4), true, SetupFileXferReset},
    {DG_CONTROL, DAT_STATUS, MSG_GET, kStates3to7, true, GetStatus},
    // The window handle of MSG_DISABLEDS is optional.
    {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, kStates5to7, false, DisableSource},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, StateBit(4), true, EnableSource},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, StateBit(4), true, EnableSourceUiOnly},
    {DG_CONTROL, DAT_XFERGROUP, MSG_GET, kStates4to7, true, GetXferGroup},
    {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, kStates6to7, true, ImageInfoGet},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, kStates4to6, true, ImageLayoutGet},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, kStates4to6, true, ImageLayoutGetDefault},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, StateBit(4), true, ImageLayoutSet},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, StateBit(4), true, ImageLayoutReset},
    {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, kStates6to7, true, ImageMemXferGet},
    {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, StateBit(6), true, ImageNativeXferGet},
    // The file was named with DAT_SETUPFILEXFER; applications pass no data here.
    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, StateBit(6), false, ImageFileXferGet},
};

}  // namespace

const TripletRule* FindTripletRule(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg) {
    for (const TripletRule& rule : kRules) {
        if (rule.DG == dg && rule.DAT == dat && rule.MSG == msg) return &rule;
    }
    return nullptr;
}

TW_UINT16 DispatchTriplet(pTW_IDENTITY origin, TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg,
                          TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const TripletRule* rule = FindTripletRule(dg, dat, msg);
    if (!rule) return app.Fail(TWCC_BADPROTOCOL);
    if (!app.InState(rule->AcceptedStates)) return app.Fail(TWCC_SEQERROR);
    if (rule->NeedsData && !data) return app.Fail(TWCC_BADVALUE);
    return rule->Run(origin, data);
}
