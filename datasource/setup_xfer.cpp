// DAT_SETUPMEMXFER and DAT_SETUPFILEXFER: the buffer sizes the memory
// transfer wants and the name and format of the file transfer.
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "datasource/transfer_outcome.h"
#include "engine/lines_per_block.h"
#include "engine/negotiation_state.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Buffer sizes before a page is known.
constexpr TW_UINT32 kMinBufferBeforePage = 16384;
constexpr TW_UINT32 kMaxBufferBeforePage = 131072;

const char kDefaultFileName[] = "TWAIN.BMP";

// Names are at most 255 characters (a longer one is refused when set), so
// the name always goes back terminated within the field.
void PutFileName(TW_SETUPFILEXFER& setup, const std::string& name) {
    std::memset(setup.FileName, 0, sizeof setup.FileName);
    std::memcpy(setup.FileName, name.data(), std::min(name.size(), sizeof setup.FileName - 1));
    setup.Format = TWFF_BMP;
    setup.VRefNum = 0;
}

}  // namespace

TW_UINT16 SetupMemXferGet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto& setup = *static_cast<TW_SETUPMEMXFER*>(data);
    if (app.State != 6) {
        setup.MinBufSize = kMinBufferBeforePage;
        setup.MaxBufSize = kMaxBufferBeforePage;
        setup.Preferred = kMaxBufferBeforePage;
        return TWRC_SUCCESS;
    }
    // A whole number of rows: at least 16 KiB (one row when a row is
    // longer), at most one block of the scanner.
    const int32_t row = TransferRowBytes(app);
    if (row <= 0) return app.Fail(TWCC_BUMMER);
    const uint32_t rowBytes = static_cast<uint32_t>(row);
    const uint32_t rowsPerBlock = static_cast<uint32_t>(LinesPerBlock(app.Settings));
    setup.MinBufSize = rowBytes * std::max<uint32_t>(1, kMinBufferBeforePage / rowBytes);
    // Narrow rows make a block smaller than the minimum; an application
    // that allocates between the two must be able to.
    setup.MaxBufSize = std::max(rowBytes * rowsPerBlock, setup.MinBufSize);
    setup.Preferred = setup.MaxBufSize;
    return TWRC_SUCCESS;
}

TW_UINT16 SetupFileXferGet(pTW_IDENTITY, TW_MEMREF data) {
    const CDataSourceApp& app = TheApp();
    PutFileName(*static_cast<TW_SETUPFILEXFER*>(data), app.Negotiated.XferFileName);
    return TWRC_SUCCESS;
}

TW_UINT16 SetupFileXferGetDefault(pTW_IDENTITY, TW_MEMREF data) {
    PutFileName(*static_cast<TW_SETUPFILEXFER*>(data), kDefaultFileName);
    return TWRC_SUCCESS;
}

TW_UINT16 SetupFileXferSet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    const auto& setup = *static_cast<const TW_SETUPFILEXFER*>(data);
    // Only bitmap files are written.
    if (setup.Format != TWFF_BMP) return app.Fail(TWCC_BADVALUE);
    // A field without a terminator is no name: nothing beyond it is read,
    // and a cut name would put the page into a file nobody asked for.
    const size_t length = strnlen(setup.FileName, sizeof setup.FileName);
    if (length == sizeof setup.FileName) return app.Fail(TWCC_BADVALUE);
    app.Negotiated.XferFileName.assign(setup.FileName, length);
    return TWRC_SUCCESS;
}

TW_UINT16 SetupFileXferReset(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    app.Negotiated.XferFileName = kDefaultFileName;
    PutFileName(*static_cast<TW_SETUPFILEXFER*>(data), app.Negotiated.XferFileName);
    return TWRC_SUCCESS;
}
