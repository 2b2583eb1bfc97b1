#include "datasource/triplet_table.h"

#include "datasource/data_source_app.h"

namespace {

// Marks a changing operation as running for as long as it runs, however it ends.
class RunningOperation {
public:
    explicit RunningOperation(CDataSourceApp& app) : app_(app) { app_.OperationRunning = true; }
    ~RunningOperation() { app_.OperationRunning = false; }
    RunningOperation(const RunningOperation&) = delete;
    RunningOperation& operator=(const RunningOperation&) = delete;

private:
    CDataSourceApp& app_;
};

const TripletRule kRules[] = {
    {DG_CONTROL, DAT_CAPABILITY, MSG_GET, kStates4to7, true, true, CapabilityGet},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETCURRENT, kStates4to7, true, true, CapabilityGetCurrent},
    {DG_CONTROL, DAT_CAPABILITY, MSG_GETDEFAULT, kStates4to7, true, true, CapabilityGetDefault},
    {DG_CONTROL, DAT_CAPABILITY, MSG_SET, StateBit(4), true, false, CapabilitySet},
    {DG_CONTROL, DAT_CAPABILITY, MSG_RESET, StateBit(4), true, false, CapabilityReset},
    {DG_CONTROL, DAT_CAPABILITY, MSG_QUERYSUPPORT, kStates4to7, true, true, CapabilityQuerySupport},
    {DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, kStates3to7, true, true, ProcessEvent},
    {DG_CONTROL, DAT_IDENTITY, MSG_GET, kStates3to7, true, true, GetIdentity},
    {DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, StateBit(3), true, false, OpenSource},
    // Closing a source that is not open succeeds and does nothing.
    {DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, kStates3to7, false, false, CloseSource},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, kStates4to7, true, true, PendingXfersGet},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, kStates6to7, true, false, PendingXfersReset},
    {DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, kStates6to7, true, false, PendingXfersEndXfer},
    {DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, kStates4to6, true, true, SetupMemXferGet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, kStates4to6, true, true, SetupFileXferGet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_GETDEFAULT, kStates4to6, true, true, SetupFileXferGetDefault},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, kStates4to6, true, false, SetupFileXferSet},
    {DG_CONTROL, DAT_SETUPFILEXFER, MSG_RESET, StateBit(4), true, false, SetupFileXferReset},
    {DG_CONTROL, DAT_STATUS, MSG_GET, kStates3to7, true, true, GetStatus},
    // The window handle of MSG_DISABLEDS is optional.
    {DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, kStates5to7, false, false, DisableSource},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, StateBit(4), true, false, EnableSource},
    {DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDSUIONLY, StateBit(4), true, false, EnableSourceUiOnly},
    {DG_CONTROL, DAT_XFERGROUP, MSG_GET, kStates4to7, true, true, GetXferGroup},
    {DG_IMAGE, DAT_IMAGEINFO, MSG_GET, kStates6to7, true, false, ImageInfoGet},
    // With end-of-page detection the frame's length may be read off the sheet.
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, kStates4to6, true, false, ImageLayoutGet},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_GETDEFAULT, kStates4to6, true, true, ImageLayoutGetDefault},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, StateBit(4), true, false, ImageLayoutSet},
    {DG_IMAGE, DAT_IMAGELAYOUT, MSG_RESET, StateBit(4), true, false, ImageLayoutReset},
    {DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, kStates6to7, true, false, ImageMemXferGet},
    {DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, StateBit(6), true, false, ImageNativeXferGet},
    // The file was named with DAT_SETUPFILEXFER; applications pass no data here.
    {DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, StateBit(6), false, false, ImageFileXferGet},
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
    if (!rule->ReadOnly && app.OperationRunning) return app.Fail(TWCC_SEQERROR);
    if (rule->NeedsData && !data) return app.Fail(TWCC_BADVALUE);
    // Reads run anywhere and are not counted: the manager's callback to the
    // application that MSG_PROCESSEVENT may lead to can do anything.
    if (rule->ReadOnly) return rule->Run(origin, data);
    RunningOperation running(app);
    return rule->Run(origin, data);
}
