// DG_IMAGE / DAT_IMAGEINFO: what the next image will look like.
#include "datasource/data_source_app.h"
#include "datasource/fix32.h"
#include "datasource/operations.h"
#include "datasource/page_prescan.h"

namespace {

struct PixelFormat {
    TW_INT16 samplesPerPixel;
    TW_INT16 bitsPerSample;
    TW_INT16 pixelType;
};

PixelFormat FormatOf(int16_t scanMode) {
    switch (scanMode) {
    case kScanModeGray:
        return {1, 8, TWPT_GRAY};
    case kScanModeColor:
        return {3, 8, TWPT_RGB};
    default:
        return {1, 1, TWPT_BW};
    }
}

}  // namespace

TW_UINT16 ImageInfoGet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    // A failed read is kept in AcquireResult for the transfer to report;
    // the page is then described as the scanner announced it.
    if (NeedsPrescanForLength(app)) PrescanCurrentPage(app);

    auto& info = *static_cast<TW_IMAGEINFO*>(data);
    info.XResolution = FloatToFix32(app.Settings.DPI);
    info.YResolution = info.XResolution;
    info.ImageWidth = app.ImageWidth;
    info.ImageLength = app.ImageLength;
    const PixelFormat format = FormatOf(app.Settings.ScanMode);
    info.SamplesPerPixel = format.samplesPerPixel;
    // Only the entries of the samples present are written.
    for (int i = 0; i < format.samplesPerPixel; ++i) info.BitsPerSample[i] = format.bitsPerSample;
    info.BitsPerPixel = static_cast<TW_INT16>(format.samplesPerPixel * format.bitsPerSample);
    info.Planar = FALSE;
    info.PixelType = format.pixelType;
    info.Compression = TWCP_NONE;
    return TWRC_SUCCESS;
}
