// DAT_PENDINGXFERS after an enable without the dialog: the only page ends
// the acquisition and the source asks to be closed.
#include "tests/datasource/enabled_source.h"
#include "tests/engine/scoped_temp_path.h"

namespace {

class PendingTransfers : public EnabledSource {
protected:
    void EnableForOnePage() {
        ASSERT_EQ(TWRC_SUCCESS, Open());
        ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
        ASSERT_EQ(std::vector<WPARAM>{MSG_XFERREADY}, Notifications());
    }
    // Page store files ("SPF") in the temporary folder.
    size_t StoreFiles() const {
        size_t count = 0;
        for (const std::string& name : FilesIn(storeFolder_))
            if (name.compare(0, 3, "SPF") == 0) ++count;
        return count;
    }

    std::string storeFolder_ = temp_.Path() + "store\\";
};

TEST_F(PendingTransfers, EndOfTheOnlyTransferGoesToStateFiveAndAsksToBeClosed) {
    EnableForOnePage();
    TW_PENDINGXFERS pending{0xBEEF, 0x12345678};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_EQ(0, pending.Count);
    // Only Count is written.
    EXPECT_EQ(0x12345678u, pending.Reserved);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    TW_UINT16 count = 0xBEEF;
    EXPECT_EQ(TWRC_SUCCESS, PendingCount(count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(5, ProbeState());
}

TEST_F(PendingTransfers, ResetEndsTheAcquisitionTheSameWay) {
    EnableForOnePage();
    TW_PENDINGXFERS pending{0xBEEF, 0};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
    EXPECT_EQ(0, pending.Count);
    EXPECT_EQ(std::vector<WPARAM>{MSG_CLOSEDSREQ}, Notifications());
    EXPECT_EQ(5, ProbeState());
}

TEST_F(PendingTransfers, EndOfTransfersGivesTheApplicationItsWindowBack) {
    EnableForOnePage();
    EnableWindow(window_.Handle(), FALSE);
    TW_PENDINGXFERS pending{};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_TRUE(IsWindowEnabled(window_.Handle()));
}

TEST_F(PendingTransfers, EndAndResetOutsideStatesSixAndSevenAreSequenceErrors) {
    ASSERT_EQ(TWRC_SUCCESS, Open());
    TW_PENDINGXFERS pending{0xBEEF, 0};
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(0xBEEF, pending.Count);
    ASSERT_EQ(TWRC_SUCCESS, EnableWithoutUi());
    ASSERT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    // State 5: nothing is left to end.
    EXPECT_EQ(TWRC_FAILURE, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending));
    EXPECT_EQ(TWCC_SEQERROR, Condition());
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
    EXPECT_EQ(4, ProbeState());
}

TEST_F(PendingTransfers, EndOfTransfersEmptiesThePageStore) {
    CreateDirectoryA(storeFolder_.c_str(), nullptr);
    ScopedTempPath tempPath(storeFolder_);
    Setting("DetectEOP", 1);
    Setting("DPI", 100);
    EnableForOnePage();
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    ASSERT_EQ(1u, StoreFiles());
    TW_PENDINGXFERS pending{};
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending));
    EXPECT_EQ(0u, StoreFiles());
}

TEST_F(PendingTransfers, DisablingWithAPageStillHeldEmptiesThePageStore) {
    CreateDirectoryA(storeFolder_.c_str(), nullptr);
    ScopedTempPath tempPath(storeFolder_);
    Setting("DetectEOP", 1);
    Setting("DPI", 100);
    EnableForOnePage();
    TW_IMAGEINFO info{};
    ASSERT_EQ(TWRC_SUCCESS, ImageInfo(info));
    ASSERT_EQ(1u, StoreFiles());
    EXPECT_EQ(TWRC_SUCCESS, Call(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui_));
    EXPECT_EQ(0u, StoreFiles());
    EXPECT_EQ(4, ProbeState());
}

}  // namespace
