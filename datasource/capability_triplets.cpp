// DAT_CAPABILITY: each message finds the capability's row and does what the
// row says. Ids the source does not handle fail with TWCC_CAPUNSUPPORTED,
// except for MSG_QUERYSUPPORT, which answers them with support 0.
#include "datasource/capability_containers.h"
#include "datasource/capability_table.h"
#include "datasource/data_source_app.h"
#include "datasource/operations.h"

namespace {

enum class Ask { Get, Current, Default };

TW_UINT16 Answer(TW_MEMREF data, Ask ask) {
    CDataSourceApp& app = TheApp();
    auto& cap = *static_cast<TW_CAPABILITY*>(data);
    const Capability* row = FindCapability(cap.Cap);
    if (!row) return app.Fail(TWCC_CAPUNSUPPORTED);
    if (row->Values && (ask == Ask::Get || !row->CurrentWord)) return row->Values(cap, app);
    const Capability::Word word = (ask == Ask::Default && row->DefaultWord) ? row->DefaultWord : row->CurrentWord;
    return MakeOneValue(cap, row->ItemType, word(app));
}

}  // namespace

TW_UINT16 CapabilityGet(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Get); }

TW_UINT16 CapabilityGetCurrent(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Current); }

TW_UINT16 CapabilityGetDefault(pTW_IDENTITY, TW_MEMREF data) { return Answer(data, Ask::Default); }

TW_UINT16 CapabilityQuerySupport(pTW_IDENTITY, TW_MEMREF data) {
    auto& cap = *static_cast<TW_CAPABILITY*>(data);
    const Capability* row = FindCapability(cap.Cap);
    return MakeOneValue(cap, TWTY_INT32, static_cast<TW_UINT32>(row ? row->Support() : 0));
}

// A refused value changes nothing; the application's container is only read.
TW_UINT16 CapabilitySet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const auto& cap = *static_cast<const TW_CAPABILITY*>(data);
    const Capability* row = FindCapability(cap.Cap);
    if (!row || row->SetIsUnsupported) return app.Fail(TWCC_CAPUNSUPPORTED);
    if (!row->SetValue) return app.Fail(TWCC_CAPBADOPERATION);
    if (!AcceptsContainer(row->SetContainers, cap.ConType)) return app.Fail(TWCC_BADVALUE);
    return row->SetValue(cap, app);
}

// Puts a negotiable capability back to its power-on value, lifting an
// application's restriction of pixel types or resolutions, and answers with
// the current value as MSG_GETCURRENT does.
TW_UINT16 CapabilityReset(pTW_IDENTITY origin, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const Capability* row = FindCapability(static_cast<const TW_CAPABILITY*>(data)->Cap);
    if (!row) return app.Fail(TWCC_CAPUNSUPPORTED);
    if (!row->Resettable) return app.Fail(TWCC_CAPBADOPERATION);
    if (row->ResetValue) row->ResetValue(app);
    return CapabilityGetCurrent(origin, data);
}
