// What a person sees when a scan through the manager is cancelled or the
// scanner fails: the source's message box (its text read from the client's
// window), the codes the client got, and the source back in the state where
// the client can disable and close it.
#include "e2e/client_scan_test.h"
#include "support/english_messages.h"

#include <tuple>

namespace {

constexpr const char* kNotReady = english::kScannerNotReady;

std::vector<std::string> GrayLetter(const char* mechanism, const char* indicators = "off") {
    return {"--pixel-type", "gray", "--resolution", "100", "--frame", "0,0,8.5,11",
            "--detect-eop", "off", "--mech", mechanism, "--indicators", indicators};
}

testing::AssertionResult OneMessage(const ClientResult& result, const std::string& text) {
    if (result.messageBoxes.size() != 1)
        return testing::AssertionFailure() << result.messageBoxes.size() << " message boxes";
    const SeenMessageBox& box = result.messageBoxes[0];
    if (box.caption != "Tavix Scanner" || box.text != text)
        return testing::AssertionFailure() << "\"" << box.caption << "\": " << box.text;
    return testing::AssertionSuccess();
}

// The source went back to state 4: disabling and closing both succeeded.
void ExpectClosedInOrder(const ClientResult& result) {
    EXPECT_TRUE(HasLine(result, "closed \"Tavix Scanner\""));
    EXPECT_TRUE(LinesStartingWith(result.output, "tavix-twain: closing the source failed").empty());
}

class Cancel : public ClientScanTest, public testing::WithParamInterface<const char*> {};

TEST_P(Cancel, CancelInTheProgressWindowEndsThePageWithoutAMessage) {
    // A slow scanner, so that the page is still being read when Cancel comes.
    Scanner("block_delay_ms", "40");
    ClientRunOptions options;
    options.cancelProgress = true;
    const ClientResult result = Run(GrayLetter(GetParam(), "on"), options);
    EXPECT_TRUE(result.cancelPressed);
    EXPECT_EQ(3, result.exitCode);
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_TRUE(HasLine(result, "page 1: cancelled"));
    EXPECT_TRUE(HasLine(result, "pending transfers: 0"));
    EXPECT_TRUE(HasLine(result, "source disabled"));
    ExpectClosedInOrder(result);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PagePath(1).c_str()));
}

INSTANTIATE_TEST_SUITE_P(Mechanisms, Cancel, testing::Values("native", "file", "memory"));

class FaultAtEnable : public ClientScanTest, public testing::WithParamInterface<const char*> {};

// The scanner fails before any page is announced: enabling fails with the
// message, and the source stays open in state 4.
TEST_P(FaultAtEnable, EnablingFailsWithTheMessage) {
    Scanner(GetParam(), "1");
    const ClientResult result = Run(GrayLetter("native"));
    EXPECT_EQ(1, result.exitCode);
    EXPECT_TRUE(OneMessage(result, kNotReady));
    EXPECT_TRUE(HasLine(result, "tavix-twain: MSG_ENABLEDS failed: TWRC 1, condition 5"));
    EXPECT_FALSE(HasLine(result, "notification:"));
    ExpectClosedInOrder(result);
}

INSTANTIATE_TEST_SUITE_P(ScannerFaults, FaultAtEnable,
                         testing::Values("open_fails", "start_scan_fails", "page_dimension_fails"));

struct ScannerFault {
    const char* key;
    const char* value;
};

void PrintTo(const ScannerFault& fault, std::ostream* out) { *out << fault.key << "=" << fault.value; }

class FaultInTransfer : public ClientScanTest,
                        public testing::WithParamInterface<std::tuple<const char*, ScannerFault>> {};

// The page fails while it is transferred: the message, TWRC_FAILURE with
// TWCC_OPERATIONERROR, nothing left pending, no file left behind.
TEST_P(FaultInTransfer, TransferFailsWithTheMessage) {
    const char* mechanism = std::get<0>(GetParam());
    const ScannerFault fault = std::get<1>(GetParam());
    Scanner(fault.key, fault.value);
    const ClientResult result = Run(GrayLetter(mechanism));
    EXPECT_EQ(1, result.exitCode);
    EXPECT_TRUE(OneMessage(result, kNotReady));
    EXPECT_TRUE(HasLine(result, "tavix-twain: page 1: transfer failed: TWRC 1, condition 5"));
    EXPECT_TRUE(HasLine(result, "pending transfers: 0"));
    EXPECT_TRUE(HasLine(result, "source disabled"));
    ExpectClosedInOrder(result);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PagePath(1).c_str()));
}

INSTANTIATE_TEST_SUITE_P(
    ScannerFaults, FaultInTransfer,
    testing::Combine(testing::Values("native", "file", "memory"),
                     testing::Values(ScannerFault{"page_start_fails", "1"},
                                     ScannerFault{"block_fails_after_rows", "300"},
                                     // more empty answers than any working scanner gives
                                     ScannerFault{"empty_blocks", "1200"})),
    [](const testing::TestParamInfo<FaultInTransfer::ParamType>& info) {
        return std::string(std::get<0>(info.param)) + "_" + std::get<1>(info.param).key;
    });

// A scanner that keeps the rows back for a few calls is slow, not broken.
TEST_F(ClientScanTest, AFewEmptyBlocksStillGiveTheWholePage) {
    Scanner("empty_blocks", "5");
    const ClientResult result = Run(GrayLetter("native"));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_TRUE(PageMatchesScanner(1, 1100, 8));
}

// No paper: the source asks for it; the user's Cancel ends the enabling
// without an error message.
TEST_F(ClientScanTest, NoPaperAsksForItAndCancelEndsTheEnabling) {
    Scanner("sheets", "0");
    ClientRunOptions options;
    options.messageBoxAnswers = {IDCANCEL};
    const ClientResult result = Run(GrayLetter("native"), options);
    EXPECT_EQ(1, result.exitCode);
    EXPECT_TRUE(OneMessage(result, english::kInsertItemToScan));
    EXPECT_TRUE(HasLine(result, "tavix-twain: MSG_ENABLEDS failed: TWRC 1, condition 5"));
    ExpectClosedInOrder(result);
}

}  // namespace
