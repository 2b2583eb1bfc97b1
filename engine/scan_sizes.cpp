#include "engine/scan_sizes.h"


const ScanSize ScanSizeTable[kScanSizeCount] = {
    {1100, 850},  // Letter
    {1400, 850},  // Legal
    {1169, 827},  // A4
    {827, 583},   // A5
    {984, 693},   // B5
    {217, 354},   // Business card
    {350, 500},   // Photo
    {400, 600},   // Large photo
};

void SetPaperSize(int index, ScanSettings* record) {
    if (!record) return;
    if (index < 1 || index > kScanSizeCount) index = 1;
    const ScanSize& size = ScanSizeTable[index - 1];
    record->Top = 0;
    record->Left = 0;
    record->Bottom = size.Bottom;
    record->Right = size.Right;
}

int FindPaperSize(const ScanSettings* record) {
    if (!record) return 0;
    for (int index = 1; index <= kScanSizeCount; ++index) {
        const ScanSize& size = ScanSizeTable[index - 1];
        if (record->Top == 0 && record->Left == 0 && record->Bottom == size.Bottom &&
            record->Right == size.Right)
            return index;
    }
    return 0;
}
