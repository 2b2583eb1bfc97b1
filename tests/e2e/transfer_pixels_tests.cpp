// Pages scanned through Wine's TWAIN manager by the client, by each transfer
// mechanism and pixel type, compared pixel for pixel with what the virtual
// scanner delivered: native and file transfers are bottom-up bitmaps in
// blue-green-red order; memory transfers hand over top-down rows in
// red-green-blue order, which the client turns into a bitmap taking that order
// for granted, so rows in any other order show up as a mismatch.
#include "e2e/client_scan_test.h"
#include "support/build_tree.h"
#include "support/bmp_writer.h"

#include <tuple>

namespace {

struct PixelKind {
    const char* option;
    int bits;
};

void PrintTo(const PixelKind& kind, std::ostream* out) { *out << kind.option; }

constexpr PixelKind kBlackWhite{"bw", 1};
constexpr PixelKind kGray{"gray", 8};
constexpr PixelKind kColor{"rgb", 24};

std::vector<std::string> LetterAt100Dpi(const char* mechanism, const PixelKind& kind, const char* eop) {
    return {"--pixel-type", kind.option, "--resolution", "100", "--frame", "0,0,8.5,11",
            "--detect-eop", eop, "--mech", mechanism, "--indicators", "off"};
}

class TransferPixels : public ClientScanTest,
                       public testing::WithParamInterface<std::tuple<const char*, PixelKind>> {};

TEST_P(TransferPixels, PageIsTheScannersPage) {
    const char* mechanism = std::get<0>(GetParam());
    const PixelKind kind = std::get<1>(GetParam());
    const ClientResult result = Run(LetterAt100Dpi(mechanism, kind, "off"));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(result.messageBoxes.empty());
    EXPECT_TRUE(HasLine(result, "notification: MSG_XFERREADY"));
    EXPECT_TRUE(HasLine(result, "image information: 850 x 1100 pixels, " + std::to_string(kind.bits) +
                                    " bits per pixel"));
    EXPECT_TRUE(HasLine(result, "page 1: transfer done"));
    EXPECT_TRUE(HasLine(result, "pending transfers: 0"));
    EXPECT_TRUE(HasLine(result, "notification: MSG_CLOSEDSREQ"));
    EXPECT_TRUE(HasLine(result, "source disabled"));
    EXPECT_TRUE(HasLine(result, "closed \"Tavix Scanner\""));
    EXPECT_TRUE(PageMatchesScanner(1, 1100, kind.bits));
    if (std::string(mechanism) == "memory") {
        EXPECT_TRUE(HasLine(result, "memory transfer: "));
    }
}

INSTANTIATE_TEST_SUITE_P(MechanismsAndPixelTypes, TransferPixels,
                         testing::Combine(testing::Values("native", "file", "memory"),
                                          testing::Values(kBlackWhite, kGray, kColor)),
                         [](const testing::TestParamInfo<TransferPixels::ParamType>& info) {
                             return std::string(std::get<0>(info.param)) + "_" +
                                    std::get<1>(info.param).option;
                         });

class EndOfPage : public ClientScanTest, public testing::WithParamInterface<const char*> {};

// The sheet is 7 inches long in a Letter frame: the image information, the
// layout and the file all tell its true length, and the sheet is read once.
TEST_P(EndOfPage, ShortSheetGivesItsTrueLength) {
    Scanner("sheet_length", "700");
    const ClientResult result = Run(LetterAt100Dpi(GetParam(), kGray, "on"));
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "image information: 850 x 700 pixels, 8 bits per pixel"));
    EXPECT_TRUE(HasLine(result, "image layout: 0.000,0.000,8.500,7.000 inches"));
    EXPECT_TRUE(PageMatchesScanner(1, 700, 8));
    std::vector<ReplayedPage> pages;
    std::string error;
    ASSERT_TRUE(ReplayScannerLog(ScannerLog(), scanner_, pages, error)) << error;
    EXPECT_EQ(1u, pages.size()) << "the sheet was read more than once";
    EXPECT_EQ(700, pages[0].edge);
}

INSTANTIATE_TEST_SUITE_P(Mechanisms, EndOfPage, testing::Values("native", "file", "memory"));

// A folder of bitmap files is a stack of sheets of their own lengths; the
// client scans them as a batch until the feeder is empty.
TEST_F(ClientScanTest, FolderOfBitmapsScansAsABatchOfSheets) {
    const std::string sheets = folder_.File("sheets");
    ASSERT_TRUE(CreateDirectoryA(sheets.c_str(), nullptr));
    BmpPicture picture;
    // No resolution in the file: the scanner takes 200 dots per inch, so
    // the sheets are 4 inches wide, 5 and 3 inches long.
    picture.width = 800;
    picture.pelsPerMeter = 0;
    picture.color = [](int x, int y) {
        return Rgb{static_cast<uint8_t>(x * 255 / 799), static_cast<uint8_t>(y % 256),
                   static_cast<uint8_t>((x / 50 + y / 50) % 2 ? 40 : 220)};
    };
    picture.height = 1000;
    WriteWholeFile(sheets + "\\a.bmp", BmpBytes(picture));
    picture.height = 600;
    WriteWholeFile(sheets + "\\b.bmp", BmpBytes(picture));
    Scanner("source", "folder");
    Scanner("folder", sheets);

    std::vector<std::string> arguments = LetterAt100Dpi("file", kColor, "on");
    arguments.insert(arguments.end(), {"--pages", "-1", "--batch"});
    const ClientResult result = Run(arguments);
    ASSERT_EQ(0, result.exitCode);
    EXPECT_TRUE(HasLine(result, "2 page(s) scanned"));
    EXPECT_TRUE(PageMatchesScanner(1, 500, 24));
    EXPECT_TRUE(PageMatchesScanner(2, 300, 24));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(PagePath(3).c_str()));
}

}  // namespace
