#include "engine/page_store.h"

#include "engine/temp_file_name.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace {

// Largest single WriteFile/ReadFile request; bigger transfers go in pieces.
constexpr uint64_t kMaxIoChunk = 1u << 30;

bool WriteAll(HANDLE file, const uint8_t* bytes, uint64_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(size, kMaxIoChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written != chunk) return false;
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

bool ReadAll(HANDLE file, uint8_t* bytes, uint64_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min(size, kMaxIoChunk));
        DWORD read = 0;
        if (!ReadFile(file, bytes, chunk, &read, nullptr) || read != chunk) return false;
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

const std::string kNoFileName;

}  // namespace

bool PageStore::SetRowBytes(int32_t bytes) {
    if (bytes < 0) return false;
    if (bytes != rowBytes_ && (slots_[0].file || slots_[1].file)) return false;
    rowBytes_ = bytes;
    return true;
}

bool PageStore::SelectSlot(int side) {
    if (side < 0 || side >= kSlotCount) return false;
    current_ = side;
    return true;
}

bool PageStore::CreateSlotFile(Slot& slot) {
    std::string name = MakeTempFileName("SPF", nullptr);
    if (name.empty()) return false;
    // One handle for writing and reading back, so the rows cannot be lost
    // between the two; the system deletes the file when the handle closes,
    // even if the process dies before the store is cleared.
    UniqueHandle file(CreateFileA(
        name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        // The name was made by creating an empty file; do not leave it behind.
        DeleteFileA(name.c_str());
        return false;
    }
    slot.fileName = std::move(name);
    slot.file = std::move(file);
    slot.reading = false;
    slot.rowsRead = 0;
    return true;
}

int PageStore::WriteRows(const void* rows, int32_t count) {
    if (!rows || count < 0 || rowBytes_ <= 0) return kPageStoreFailed;
    Slot& slot = slots_[current_];
    if (slot.failed || slot.reading) return kPageStoreFailed;
    if (count == 0) return kPageStoreOk;
    if (count > std::numeric_limits<int32_t>::max() - slot.lineCount) return kPageStoreFailed;
    if (!slot.file && !CreateSlotFile(slot)) return kPageStoreFailed;

    const uint64_t bytes = static_cast<uint64_t>(count) * static_cast<uint64_t>(rowBytes_);
    if (!WriteAll(slot.file.Get(), static_cast<const uint8_t*>(rows), bytes)) {
        // Part of the block may be in the file now; the slot no longer
        // matches its line count and must not be read.
        slot.failed = true;
        return kPageStoreFailed;
    }
    slot.lineCount += count;
    return kPageStoreOk;
}

int PageStore::Rewind() {
    Slot& slot = slots_[current_];
    if (!slot.file || slot.failed) return kPageStoreFailed;
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(slot.file.Get(), start, nullptr, FILE_BEGIN)) {
        slot.failed = true;
        return kPageStoreFailed;
    }
    slot.reading = true;
    slot.rowsRead = 0;
    return kPageStoreOk;
}

int PageStore::ReadRows(void* buffer, int32_t count) {
    if (!buffer || count < 0 || rowBytes_ <= 0) return kPageStoreFailed;
    Slot& slot = slots_[current_];
    if (!slot.file || slot.failed) return kPageStoreFailed;
    if (!slot.reading && Rewind() != kPageStoreOk) return kPageStoreFailed;
    if (count > slot.lineCount - slot.rowsRead) return kPageStoreFailed;
    if (count == 0) return kPageStoreOk;

    const uint64_t bytes = static_cast<uint64_t>(count) * static_cast<uint64_t>(rowBytes_);
    if (!ReadAll(slot.file.Get(), static_cast<uint8_t*>(buffer), bytes)) {
        slot.failed = true;
        return kPageStoreFailed;
    }
    slot.rowsRead += count;
    return kPageStoreOk;
}

void PageStore::ClearStore() {
    for (Slot& slot : slots_) {
        slot.file.Reset();
        // Normally gone with its handle; this catches a file whose handle
        // was never opened.
        if (!slot.fileName.empty()) DeleteFileA(slot.fileName.c_str());
        slot.fileName.clear();
        slot.reading = false;
        slot.failed = false;
        slot.lineCount = 0;
        slot.rowsRead = 0;
    }
    rowBytes_ = 0;
}

int32_t PageStore::LineCount(int side) const {
    if (side < 0 || side >= kSlotCount) return 0;
    return slots_[side].lineCount;
}

const std::string& PageStore::FileName(int side) const {
    if (side < 0 || side >= kSlotCount) return kNoFileName;
    return slots_[side].fileName;
}

