// A scanner library that writes more than it was asked for: rows wider than
// the page's, or more rows than a block call asked for. Every transfer then
// fails as a scanner error, and nothing is written past the memory the
// application offered or the source owns.
#include "tests/datasource/fenced_buffer.h"
#include "tests/datasource/transfer_session.h"

namespace {

struct BrokenCase {
    const char* name;
    const char* fault;  // the scanner's control line
    TW_UINT16 mechanism;
    bool detectEnd;
};

class BrokenScannerRows : public TransferSession, public testing::WithParamInterface<BrokenCase> {
protected:
    TW_UINT16 Transfer(TW_UINT16 mechanism) {
        if (mechanism == TWSX_NATIVE) {
            HGLOBAL dib = nullptr;
            const TW_UINT16 rc = NativeTransfer(dib);
            EXPECT_EQ(nullptr, dib);
            if (dib) GlobalFree(dib);
            return rc;
        }
        if (mechanism == TWSX_FILE) {
            EXPECT_EQ(TWRC_SUCCESS, SetFileName(page_));
            return FileTransfer();
        }
        TW_SETUPMEMXFER setup{};
        EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup));
        FencedBuffer buffer(setup.Preferred);
        EXPECT_NE(nullptr, buffer.Bytes());
        TW_IMAGEMEMXFER strip{};
        strip.Memory = {TWMF_APPOWNS | TWMF_POINTER, setup.Preferred, buffer.Bytes()};
        return Call(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
    }

    std::string page_ = temp_.File("page.bmp");
};

TEST_P(BrokenScannerRows, TransferFailsAsAScannerErrorAndLeavesNothingBehind) {
    const BrokenCase& c = GetParam();
    Scanner(std::string(c.fault) + "\n");
    Page(4, 100);
    if (c.detectEnd) DetectEndOfPage();
    OpenAndEnable();
    MessageBoxWatcher watcher;

    EXPECT_EQ(TWRC_FAILURE, Transfer(c.mechanism));
    EXPECT_EQ(TWCC_OPERATIONERROR, Condition());
    const std::vector<SeenMessageBox> boxes = Messages(watcher);
    ASSERT_EQ(1u, boxes.size());
    EXPECT_EQ(kScannerNotReadyText, boxes[0].text);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(page_.c_str()));

    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, EndTransfer(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
    EXPECT_TRUE(TemporaryFiles().empty());
    // The sheet went back to the scanner.
    EXPECT_EQ(ScannerCalls("IO_StartScanPage"), ScannerCalls("IO_EndScanPage"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, BrokenScannerRows,
    testing::Values(BrokenCase{"WideRowsNative", "wide_rows=64", TWSX_NATIVE, false},
                    BrokenCase{"WideRowsFile", "wide_rows=64", TWSX_FILE, false},
                    BrokenCase{"WideRowsMemory", "wide_rows=64", TWSX_MEMORY, false},
                    BrokenCase{"MoreRowsNative", "extra_rows=3", TWSX_NATIVE, false},
                    BrokenCase{"MoreRowsFile", "extra_rows=3", TWSX_FILE, false},
                    BrokenCase{"MoreRowsMemory", "extra_rows=3", TWSX_MEMORY, false},
                    BrokenCase{"WideRowsReadIntoTheStore", "wide_rows=64", TWSX_MEMORY, true}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

}  // namespace
