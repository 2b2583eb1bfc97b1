// DAT_CAPABILITY MSG_RESET: puts a negotiable capability back to its power-on
// value, lifts an application's restriction of pixel types or resolutions,
// and answers with the capability's current value as MSG_GETCURRENT does.
#include "datasource/capability_setters.h"
#include "datasource/capability_table.h"
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "engine/negotiation_state.h"

namespace {

enum class ResetKind { Restores, KeepsValue, ReadOnly };

ResetKind KindOf(TW_UINT16 id) {
    switch (id) {
    case CAP_XFERCOUNT:
    case ICAP_PIXELTYPE:
    case ICAP_XFERMECH:
    case CAP_INDICATORS:
    case ICAP_BRIGHTNESS:
    case ICAP_THRESHOLD:
    case ICAP_CONTRAST:
    case ICAP_GAMMA:
    case ICAP_HIGHLIGHT:
    case ICAP_SHADOW:
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION:
    case ICAP_PIXELFLAVOR:
    case ICAP_SUPPORTEDSIZES:
    case kCapFilter:
    case kCapDetectEndOfPage: return ResetKind::Restores;
    // Fixed properties: there is nothing to put back.
    case ICAP_COMPRESSION:
    case ICAP_UNITS:
    case CAP_FEEDERENABLED:
    case CAP_AUTOFEED:
    case ICAP_IMAGEFILEFORMAT:
    case ICAP_BITORDER:
    case ICAP_PLANARCHUNKY:
    case ICAP_BITDEPTH:
    case ICAP_BITDEPTHREDUCTION: return ResetKind::KeepsValue;
    // Read-only capabilities and the commands.
    default: return ResetKind::ReadOnly;
    }
}

void Restore(TW_UINT16 id, CDataSourceApp& app) {
    ScanSettings& settings = app.Settings;
    switch (id) {
    case CAP_XFERCOUNT: app.Negotiated.XferCount = -1; break;
    case ICAP_PIXELTYPE:
        for (bool& allowed : app.Negotiated.AllowedPixelTypes) allowed = true;
        SetPixelType(settings, app.Negotiated, TWPT_BW);
        break;
    case ICAP_XFERMECH: app.Negotiated.XferMech = TWSX_NATIVE; break;
    case CAP_INDICATORS: app.Negotiated.ShowIndicators = TRUE; break;
    case ICAP_BRIGHTNESS:
    case ICAP_THRESHOLD: SetBrightness(settings, 0); break;
    case ICAP_CONTRAST: SetContrast(settings, 0); break;
    case ICAP_GAMMA: SetGamma(settings, 1.8f); break;
    case ICAP_HIGHLIGHT: SetHighlight(settings, 255); break;
    case ICAP_SHADOW: SetShadow(settings, 0); break;
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION:
        for (bool& allowed : app.Negotiated.AllowedResolutions) allowed = true;
        SetResolution(settings, app.Negotiated, kDefaultResolution);
        break;
    case ICAP_PIXELFLAVOR: app.Negotiated.PixelFlavor = TWPF_CHOCOLATE; break;
    case ICAP_SUPPORTEDSIZES: SetSupportedSize(settings, app.Negotiated, kDefaultPaperSize); break;
    case kCapFilter: settings.Filter = 0; break;
    case kCapDetectEndOfPage: settings.DetectEOP = 0; break;
    default: break;
    }
}

}  // namespace

TW_UINT16 CapabilityReset(pTW_IDENTITY origin, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const TW_UINT16 id = static_cast<const TW_CAPABILITY*>(data)->Cap;
    if (!FindCapability(id)) return app.Fail(TWCC_CAPUNSUPPORTED);
    switch (KindOf(id)) {
    case ResetKind::ReadOnly: return app.Fail(TWCC_CAPBADOPERATION);
    case ResetKind::Restores: Restore(id, app); break;
    case ResetKind::KeepsValue: break;
    }
    return CapabilityGetCurrent(origin, data);
}
