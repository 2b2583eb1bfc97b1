#include "datasource/memory_transfer.h"

#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "datasource/page_prescan.h"
#include "datasource/transfer_outcome.h"
#include "engine/lines_per_block.h"
#include "engine/negotiation_state.h"
#include "engine/page_bracket.h"
#include "engine/page_store.h"
#include "engine/scan_error.h"
#include "framework/global_block.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// One call never carries more rows than a 16-bit row count can tell.
constexpr int32_t kMaxRowsPerBuffer = 32767;

// The application's buffer for one call, locked for as long as the rows go
// into it when it was given as a handle.
class ApplicationBuffer {
public:
    explicit ApplicationBuffer(const TW_MEMORY& memory)
        : lock_((memory.Flags & TWMF_HANDLE) ? static_cast<HGLOBAL>(memory.TheMem) : nullptr) {
        if (memory.Flags & TWMF_HANDLE) {
            if (!lock_) return;
            bytes_ = lock_.Bytes();
            // A block smaller than the length the application claims is
            // filled only as far as it goes.
            size_ = std::min<size_t>(memory.Length, lock_.Size());
        } else {
            bytes_ = static_cast<uint8_t*>(memory.TheMem);
            size_ = bytes_ ? memory.Length : 0;
        }
    }

    uint8_t* Bytes() const { return bytes_; }
    // Whole rows of `rowBytes` that fit.
    int32_t Rows(int32_t rowBytes) const {
        if (!bytes_ || rowBytes <= 0) return 0;
        return static_cast<int32_t>(
            std::min<size_t>(size_ / static_cast<size_t>(rowBytes), kMaxRowsPerBuffer));
    }

private:
    GlobalBlockLock lock_;  // empty for a plain pointer
    uint8_t* bytes_ = nullptr;
    size_t size_ = 0;
};

// Gives the sheet back once its rows are delivered or have failed.
void ReleaseSheet(CDataSourceApp& app) {
    MemoryTransfer& transfer = app.MemoryPage;
    transfer.Forget();
    if (transfer.fromStore)
        app.Pages.ClearStore();
    else
        app.Sheet.End();
}

// Steps of the first call: the sheet is read whole into the page store when
// its end is to be detected, otherwise started for reading straight from the
// scanner; then the transfer and its progress window are set up.
int BeginTransfer(CDataSourceApp& app, int32_t rowBytes, int32_t bufferRows) {
    MemoryTransfer& transfer = app.MemoryPage;
    transfer.Forget();
    transfer.owner = &app.HostWnd;
    transfer.side = 0;
    transfer.fromStore = app.Settings.DetectEOP != 0;
    if (transfer.fromStore) {
        if (const int result = PrescanCurrentPage(app); result != kScanOk) return result;
    }
    transfer.width = app.ImageWidth;
    transfer.length = std::max<int32_t>(app.ImageLength, 0);
    // Rows come through a block no larger than the reads the page is made
    // for, whatever buffer the application offers.
    const int32_t rowsPerBlock = std::min(bufferRows, std::max<int32_t>(LinesPerBlock(app.Settings), 1));
    auto reader = std::make_unique<PageReader>(app.Scan(),
                                               transfer.fromStore ? PageSource::Store : PageSource::Scanner,
                                               PageSide{transfer.side, transfer.width, transfer.length, rowBytes});
    if (const int opened = reader->Open(app.Settings, rowsPerBlock); opened != kScanOk) {
        if (transfer.fromStore) app.Pages.ClearStore();
        return opened;
    }
    if (app.Negotiated.ShowIndicators) reader->ShowProgress(transfer.owner, app.Settings.ScanMode);
    transfer.reader = std::move(reader);
    transfer.rowBytes = rowBytes;
    transfer.rowsPerBuffer = bufferRows;
    transfer.rowsDone = 0;
    transfer.active = true;
    return kScanOk;
}

// Reads up to `rows` rows into the application's buffer; `rows` becomes the
// number delivered.
int ReadRows(MemoryTransfer& transfer, uint8_t* buffer, int32_t& rows) {
    PageReader& reader = *transfer.reader;
    // Every strip is a call of its own: the application, and so the user,
    // had their turn since the last one.
    reader.ExpectInput();
    // Only whole rows of the page's size reach the buffer, never more than it
    // was offered for; a read the scanner answers short ends the strip.
    const size_t rowBytes = static_cast<size_t>(transfer.rowBytes);
    int32_t done = 0;
    while (done < rows) {
        const int32_t asked = std::min(rows - done, reader.RowsPerBlock());
        int32_t read = asked;
        uint8_t* block = nullptr;
        if (const int result = reader.Next(read, block); result != kScanOk) return result;
        std::memcpy(buffer + static_cast<size_t>(done) * rowBytes, block, static_cast<size_t>(read) * rowBytes);
        done += read;
        if (read < asked) break;
    }
    rows = done;
    return kScanOk;
}

// A transfer that stops without its page: the application is told to close
// the source, and nothing is pending any more.
TW_UINT16 AbandonTransfer(CDataSourceApp& app, int scanError) {
    const TW_UINT16 rc = FailTransfer(app, scanError);
    app.Notifications.Post(MSG_CLOSEDSREQ);
    return rc;
}

}  // namespace

TW_UINT16 ImageMemXferGet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    MemoryTransfer& transfer = app.MemoryPage;
    auto& strip = *static_cast<TW_IMAGEMEMXFER*>(data);
    const bool first = app.State == 6;
    // State 7 belongs to the transfer that reached it: a page sent another
    // way, or one whose last buffer is out, has nothing more to give.
    if (!first && !transfer.active) return app.Fail(TWCC_SEQERROR);

    const int32_t rowBytes = first ? TransferRowBytes(app) : transfer.rowBytes;
    if (rowBytes <= 0) return AbandonTransfer(app, kScanScannerError);
    int32_t rows = 0;
    int result = kScanOk;
    {
        // Checked before anything is read: rows must never go nowhere, and a
        // buffer too short for one row would be answered with none for ever.
        ApplicationBuffer buffer(strip.Memory);
        const int32_t bufferRows = buffer.Rows(rowBytes);
        if (bufferRows < 1) return app.Fail(TWCC_BADVALUE);
        if (first) result = BeginTransfer(app, rowBytes, bufferRows);
        if (result == kScanOk) {
            rows = std::min({transfer.rowsPerBuffer, bufferRows, transfer.length - transfer.rowsDone});
            result = ReadRows(transfer, buffer.Bytes(), rows);
            if (result != kScanOk) ReleaseSheet(app);
        }
    }
    // The application's block is unlocked again before anything is shown.
    if (result != kScanOk) return AbandonTransfer(app, result);

    strip.Compression = TWCP_NONE;
    strip.BytesPerRow = static_cast<TW_UINT32>(transfer.rowBytes);
    strip.Columns = static_cast<TW_UINT32>(transfer.width);
    strip.Rows = static_cast<TW_UINT32>(rows);
    strip.XOffset = 0;
    strip.YOffset = static_cast<TW_UINT32>(transfer.rowsDone);
    strip.BytesWritten = static_cast<TW_UINT32>(transfer.rowBytes) * static_cast<TW_UINT32>(rows);
    transfer.rowsDone += rows;
    app.State = 7;
    if (transfer.rowsDone < transfer.length) return TWRC_SUCCESS;
    ReleaseSheet(app);
    return TWRC_XFERDONE;
}
