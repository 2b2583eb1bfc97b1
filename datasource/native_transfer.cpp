// DG_IMAGE / DAT_IMAGENATIVEXFER: the page as a DIB in a global memory block
// that the application owns afterwards.
#include "datasource/data_source_app.h"
#include "datasource/operations.h"
#include "datasource/transfer_bitmap.h"
#include "datasource/transfer_outcome.h"
#include "engine/bitmap_file.h"
#include "engine/scan_error.h"
#include "engine/temp_file_name.h"
#include "framework/global_block.h"
#include "framework/handles.h"

#include <windows.h>

#include <algorithm>
#include <string>

namespace {

// The bitmap goes through a temporary file, which never outlives the call.
class TemporaryFile {
public:
    explicit TemporaryFile(std::string path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) DeleteFileA(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Valid() const { return !path_.empty(); }
    const char* Path() const { return path_.c_str(); }

private:
    std::string path_;
};

enum class LoadResult { kLoaded, kFileError, kNoMemory };

bool ReadAll(HANDLE file, unsigned char* bytes, size_t size) {
    // ReadFile takes 32-bit counts.
    constexpr size_t kChunk = size_t{1} << 30;
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(size, kChunk));
        DWORD read = 0;
        if (!ReadFile(file, bytes, chunk, &read, nullptr) || read != chunk) return false;
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

// The bitmap file without its file header is a packed DIB: it is read
// straight into the block the application gets.
LoadResult LoadPackedDib(const char* path, GlobalBlock& dib) {
    UniqueHandle file(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return LoadResult::kFileError;
    LARGE_INTEGER fileSize{};
    if (!GetFileSizeEx(file.Get(), &fileSize)) return LoadResult::kFileError;
    // No smaller file holds a bitmap; no larger one can be a bitmap's.
    if (fileSize.QuadPart < static_cast<LONGLONG>(sizeof(BitmapHeaders)) ||
        static_cast<unsigned long long>(fileSize.QuadPart) > 0xFFFFFFFFull)
        return LoadResult::kFileError;
    const size_t size = static_cast<size_t>(fileSize.QuadPart) - sizeof(BitmapFileHeader);

    GlobalBlock block = GlobalBlock::Allocate(size);
    if (!block) return LoadResult::kNoMemory;
    {
        GlobalBlockLock lock(block.Get());
        if (!lock || lock.Size() < size) return LoadResult::kNoMemory;
        LARGE_INTEGER start{};
        start.QuadPart = sizeof(BitmapFileHeader);
        if (!SetFilePointerEx(file.Get(), start, nullptr, FILE_BEGIN) ||
            !ReadAll(file.Get(), lock.Bytes(), size))
            return LoadResult::kFileError;
    }
    dib = std::move(block);
    return LoadResult::kLoaded;
}

}  // namespace

TW_UINT16 ImageNativeXferGet(pTW_IDENTITY, TW_MEMREF data) {
    CDataSourceApp& app = TheApp();
    auto& handle = *static_cast<TW_HANDLE*>(data);
    handle = nullptr;

    TemporaryFile bitmap(MakeTempFileName("SCN", nullptr));
    // No file to write into (a full or unwritable temporary folder): nothing
    // was read, and the end of the transfers ejects the sheet.
    if (!bitmap.Valid()) return FailTransfer(app, kScanFileError);
    const int result = WriteTransferPage(app, bitmap.Path());
    if (result != kScanOk) return FailTransfer(app, result);

    GlobalBlock dib;
    switch (LoadPackedDib(bitmap.Path(), dib)) {
    case LoadResult::kLoaded:
        break;
    case LoadResult::kNoMemory:
        ShowTransferError(app, kScanOutOfMemory);
        app.PendingXfers = 0;
        return app.Fail(TWCC_LOWMEMORY);
    case LoadResult::kFileError:
        return FailTransfer(app, kScanFileError);
    }
    // The block is the application's from here on.
    handle = dib.Release();
    app.State = 7;
    return TWRC_XFERDONE;
}
