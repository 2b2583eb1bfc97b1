#include "tests/datasource/transfer_session.h"

#include <algorithm>
#include <cstring>

void TransferSession::SetUp() {
    EnabledSource::SetUp();
    ASSERT_TRUE(CreateDirectoryA(tempFolder_.c_str(), nullptr));
    tempPath_ = std::make_unique<ScopedTempPath>(tempFolder_);
    Page(2, 100);
}

void TransferSession::Page(int scanMode, int dpi, int top, int left, int bottom, int right) {
    mode_ = scanMode;
    dpi_ = dpi;
    top_ = top;
    left_ = left;
    bottom_ = bottom;
    right_ = right;
    Setting("ScanMode", scanMode);
    Setting("DPI", dpi);
    Setting("Gamma", 10);
    Setting("Top", top);
    Setting("Left", left);
    Setting("Bottom", bottom);
    Setting("Right", right);
}

TW_UINT16 TransferSession::SetIndicators(bool on) {
    HGLOBAL block = GlobalAlloc(GHND, sizeof(TW_ONEVALUE));
    if (!block) return TWRC_FAILURE;
    auto* value = static_cast<TW_ONEVALUE*>(GlobalLock(block));
    value->ItemType = TWTY_BOOL;
    value->Item = on ? TRUE : FALSE;
    GlobalUnlock(block);
    TW_CAPABILITY capability{CAP_INDICATORS, TWON_ONEVALUE, block};
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &capability);
    GlobalFree(block);
    return rc;
}

void TransferSession::OpenAndEnable(bool indicators) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    ASSERT_EQ(TWRC_SUCCESS, SetIndicators(indicators));
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    ASSERT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
}

ScannedPage TransferSession::Expected(int32_t length) const {
    ScannedPage page{mode_, dpi_, top_, left_, Width(), length};
    return page;
}

TW_UINT16 TransferSession::NativeTransfer(HGLOBAL& dib) {
    TW_HANDLE handle = reinterpret_cast<TW_HANDLE>(static_cast<uintptr_t>(0x5A5A5A5A));
    const TW_UINT16 rc = Call(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle);
    dib = static_cast<HGLOBAL>(handle);
    return rc;
}

TW_UINT16 TransferSession::SetFileName(const std::string& name) {
    TW_SETUPFILEXFER setup{};
    std::memcpy(setup.FileName, name.data(), std::min(name.size(), sizeof setup.FileName));
    setup.Format = TWFF_BMP;
    return Call(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup);
}

TW_UINT16 TransferSession::FileTransfer() {
    // As applications call it: the file was named beforehand, no data comes.
    return Call(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
}

TW_UINT16 TransferSession::MemoryStrip(std::vector<uint8_t>& buffer, TW_IMAGEMEMXFER& strip) {
    std::memset(&strip, 0xEE, sizeof strip);
    strip.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
    strip.Memory.Length = static_cast<TW_UINT32>(buffer.size());
    strip.Memory.TheMem = buffer.data();
    return Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
}

TW_UINT16 TransferSession::MemoryPage(uint32_t bufferBytes, std::vector<uint8_t>& rows,
                                      std::vector<TW_IMAGEMEMXFER>& strips) {
    std::vector<uint8_t> buffer(bufferBytes);
    for (;;) {
        TW_IMAGEMEMXFER strip;
        const TW_UINT16 rc = MemoryStrip(buffer, strip);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) return rc;
        strips.push_back(strip);
        const size_t bytes = static_cast<size_t>(strip.BytesPerRow) * strip.Rows;
        if (bytes > buffer.size()) return TWRC_FAILURE;
        rows.insert(rows.end(), buffer.begin(), buffer.begin() + bytes);
        if (rc == TWRC_XFERDONE) return rc;
        // A source that keeps answering without rows would never end.
        if (strips.size() > 100000) return TWRC_FAILURE;
    }
}

TW_UINT16 TransferSession::EndTransfer(TW_UINT16& count) {
    TW_PENDINGXFERS pending{0xBEEF, 0};
    const TW_UINT16 rc = Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending);
    count = pending.Count;
    return rc;
}

std::vector<SeenMessageBox> TransferSession::Messages(const MessageBoxWatcher& watcher) {
    std::vector<SeenMessageBox> boxes;
    for (const SeenMessageBox& box : watcher.Seen())
        if (!box.text.empty()) boxes.push_back(box);
    return boxes;
}

std::vector<uint8_t> BytesFrom(const void* data, size_t size, size_t offset) {
    if (offset > size) return {};
    const auto* bytes = static_cast<const uint8_t*>(data);
    return std::vector<uint8_t>(bytes + offset, bytes + size);
}
