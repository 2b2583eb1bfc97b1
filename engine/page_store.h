// The page store: the rows of both sides of a sheet, parked in temporary
// files ("SPF") while the end of the page is found, then read back by the
// transfers.
#pragma once

#include "framework/handles.h"

#include <cstdint>
#include <string>

// Results of WriteRows, ReadRows and Rewind; callers turn a failure into a
// file error of the scan.
constexpr int kPageStoreOk = 0;
constexpr int kPageStoreFailed = 1;

class PageStore {
public:
    static constexpr int kSlotCount = 2;  // 0 front, 1 back

    PageStore() = default;
    // A store that was never cleared still takes its files with it.
    ~PageStore() { ClearStore(); }
    PageStore(const PageStore&) = delete;
    PageStore& operator=(const PageStore&) = delete;

    // Row size in bytes for every slot. Refused (false) for a negative size,
    // or for a different size while a slot holds rows: those rows would be
    // read back cut at the wrong places.
    bool SetRowBytes(int32_t bytes);
    int32_t RowBytes() const { return rowBytes_; }

    // Makes slot `side` (0 or 1) current; false for any other side, which
    // leaves the current slot as it was.
    bool SelectSlot(int side);
    int CurrentSlot() const { return current_; }

    // Slot 0 holds at least one row: the current sheet has been pre-scanned.
    bool HasRows() const { return slots_[0].lineCount > 0; }

    // Appends `count` rows of RowBytes() each to the current slot, making its
    // file on the first rows. Fails without a row size, for a slot already
    // being read, and when the file cannot be made or written; a slot whose
    // write failed refuses further use until ClearStore.
    int WriteRows(const void* rows, int32_t count);
    // Reads the next `count` rows of the current slot; the first read starts
    // at its first row. Fails when the slot has no rows or fewer than `count`
    // remain (nothing is consumed then).
    int ReadRows(void* buffer, int32_t count);
    // Positions the current slot at its first row for reading.
    int Rewind();

    // Closes and deletes both slots' files and resets the store; the current
    // slot stays as it was.
    void ClearStore();

    // Rows written to slot `side` (0 for a side out of range).
    int32_t LineCount(int side) const;
    // Path of the slot's temporary file; empty when it has none.
    const std::string& FileName(int side) const;

private:
    struct Slot {
        std::string fileName;
        UniqueHandle file;  // open from the first write until ClearStore
        bool reading = false;
        bool failed = false;
        int32_t lineCount = 0;
        int32_t rowsRead = 0;
    };

    bool CreateSlotFile(Slot& slot);

    Slot slots_[kSlotCount];
    int current_ = 0;
    int32_t rowBytes_ = 0;
};

