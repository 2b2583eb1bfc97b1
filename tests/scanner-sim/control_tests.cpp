// The control surface: the call log (in memory and in the BRSVIO_LOG file)
// and the BRSVIO_CONTROL file read when the interface is opened.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include <gtest/gtest.h>

#include "support/bmp_writer.h"

#include "brsvio_library.h"
#include "scan_helpers.h"
#include "support/temp_folder.h"

namespace {

std::string Hex(const ScanRecordBytes& r) {
    std::string text;
    char pair[3];
    for (uint8_t b : r.bytes) {
        std::snprintf(pair, sizeof pair, "%02X", b);
        text += pair;
    }
    return text;
}

class CallLog : public ScannerTest {};

class ControlFile : public ScannerTest {
protected:
    void WriteControl(const std::string& body) {
        WriteWholeFile(path_, "[scanner]\r\n" + body);
        SetEnvironmentVariableA("BRSVIO_CONTROL", path_.c_str());
    }
    std::string OpenLine() {
        for (const std::string& line : io().CallLogLines())
            if (line.rfind("IO_OpenInterface", 0) == 0) return line;
        return std::string();
    }

    TempFolder folder_{"brsvio"};
    std::string path_ = folder_.File("control.ini");
};

TEST_F(CallLog, RecordsEachCallWithItsArgumentsAndResult) {
    ScanRecordBytes r = PageRecord(4, 300, 0, 0, 1100, 850);
    r.Set(BRSVIO_OFFSET_SHADOW, 254).Set(BRSVIO_OFFSET_BRIGHTNESS, -5);
    int32_t width = 0, length = 0, ignored = 0;
    std::vector<uint8_t> buffer(8 * 7652);
    int32_t eop = 0;
    uint8_t table[256];

    io().OpenInterface("Brisvane");
    io().IsCalibrationNeeded();
    io().StartScan();
    io().GetPageDimension(r.Data(), &width, &length);
    io().StartScanPage(r.Data(), &ignored, &ignored);
    io().GetImageBlock(buffer.data(), 8, &eop, 2550, 0);
    io().GetImageBlock(buffer.data(), 8, nullptr, 2550, 0);
    io().AdjustChannelValue(table, 65531, 0, 10, 255, 254);
    io().CalibrateScanner(0);
    io().Clean();
    io().FeedOn();
    io().EndScanPage();
    io().FeedPage();
    io().IsPaperOn();
    io().EndScan();
    io().CloseInterface();

    const std::vector<std::string> expected = {
        "IO_OpenInterface model=Brisvane -> 0",
        "IO_IsCalibrationNeeded -> 0",
        "IO_StartScan -> 1",
        "IO_GetPageDimension settings=" + Hex(r) + " -> 1 width=2550 length=3300",
        "IO_StartScanPage settings=" + Hex(r) + " -> 1 width=2550 lines=3300 edge=3300",
        "IO_GetImageBlock lines=8 width=2550 side=0 -> 8 eop=0",
        "IO_GetImageBlock lines=8 width=2550 side=0 -> 8 eop=null",
        "IO_AdjustChannelValue brightness=65531 contrast=0 gamma=10 highlight=255 shadow=254 -> 1",
        "IO_CalibrateScanner mode=0 -> 1",
        "IO_Clean -> 1",
        "IO_FeedOn -> 1 sheets=1",
        "IO_EndScanPage -> 1",
        "IO_FeedPage -> 1 sheets=0",
        "IO_IsPaperOn -> 0",
        "IO_EndScan -> 1",
        "IO_CloseInterface -> 1",
    };
    EXPECT_EQ(expected, io().CallLogLines());
}

TEST_F(CallLog, SettingsBytesAreLoggedExactlyAsHandedOver) {
    ScanRecordBytes r = PageRecord(1, 200, 10, 20, 1090, 830);
    r.Set(BRSVIO_OFFSET_BRIGHTNESS, -100).Set(BRSVIO_OFFSET_DOUBLESIDED, 1);
    r.bytes[20] = 0xAB;  // a reserved word is passed on unchanged too
    io().StartScanPage(r.Data(), nullptr, nullptr);
    const std::vector<std::string> lines = io().CallLogLines();
    ASSERT_EQ(1u, lines.size());
    const std::string prefix = "IO_StartScanPage settings=";
    ASSERT_EQ(0u, lines[0].rfind(prefix, 0));
    const std::string hex = lines[0].substr(prefix.size(), 172);
    EXPECT_EQ(Hex(r), hex);
    EXPECT_EQ("9CFF", hex.substr(2 * BRSVIO_OFFSET_BRIGHTNESS, 4));
    EXPECT_EQ("0100", hex.substr(2 * BRSVIO_OFFSET_STARTFLAG, 4));
    EXPECT_EQ(' ', lines[0][prefix.size() + 172]);
}

TEST_F(CallLog, FailuresAndNullPointersAreLoggedWithTheReason) {
    std::vector<uint8_t> buffer(64);
    Configure("sheets", 0);
    io().StartScanPage(PageRecord(2, 100, 0, 0, 100, 100).Data(), nullptr, nullptr);
    io().StartScanPage(nullptr, nullptr, nullptr);
    io().GetImageBlock(nullptr, 4, nullptr, 100, 0);
    io().GetImageBlock(buffer.data(), 0, nullptr, 100, 0);
    io().GetPageDimension(nullptr, nullptr, nullptr);
    io().AdjustChannelValue(nullptr, 0, 0, 10, 255, 0);
    const std::vector<std::string> expected = {
        "IO_StartScanPage settings=" + Hex(PageRecord(2, 100, 0, 0, 100, 100)) + " -> 0 (no paper)",
        "IO_StartScanPage settings=null -> 0 (no settings)",
        "IO_GetImageBlock buffer=null lines=4 width=100 side=0 -> -1 eop=null (no buffer)",
        "IO_GetImageBlock lines=0 width=100 side=0 -> -1 eop=null (lines below 1)",
        "IO_GetPageDimension settings=null -> 0 (no settings)",
        "IO_AdjustChannelValue table=null brightness=0 contrast=0 gamma=10 highlight=255 shadow=0 "
        "-> 0 (no table)",
    };
    EXPECT_EQ(expected, io().CallLogLines());
}

TEST_F(CallLog, CopyReportsTheFullLengthAndCutsToTheBuffer) {
    io().StartScan();
    io().EndScan();
    const std::string full = "IO_StartScan -> 1\nIO_EndScan -> 1\n";
    EXPECT_EQ(static_cast<int32_t>(full.size()), io().GetCallLog(nullptr, 0));
    char small[10];
    std::memset(small, '#', sizeof small);
    EXPECT_EQ(static_cast<int32_t>(full.size()), io().GetCallLog(small, sizeof small));
    EXPECT_STREQ(full.substr(0, 9).c_str(), small);
    EXPECT_EQ(full, io().CallLog());
    io().Reset();
    EXPECT_EQ(0, io().GetCallLog(nullptr, 0));
}

TEST_F(CallLog, KeepsTheLatestTenThousandLines) {
    for (int i = 0; i < 10050; ++i) io().IsPaperOn();
    io().EndScan();
    const std::vector<std::string> lines = io().CallLogLines();
    ASSERT_EQ(10000u, lines.size());
    EXPECT_EQ("IO_EndScan -> 1", lines.back());
}

TEST_F(CallLog, AlsoAppendsToTheFileNamedByBrsvioLog) {
    TempFolder folder("brsvio");
    const std::string file = folder.File("calls.log");
    io().StartScan();  // before the variable is set: memory only
    SetEnvironmentVariableA("BRSVIO_LOG", file.c_str());
    io().IsPaperOn();
    io().StartScanPage(PageRecord(2, 100, 0, 0, 100, 100).Data(), nullptr, nullptr);
    EXPECT_EQ(io().CallLog().substr(std::string("IO_StartScan -> 1\n").size()),
              ReadWholeFile(file));
    // The file is not held open: it can be removed and starts again.
    ASSERT_TRUE(DeleteFileA(file.c_str()));
    io().Reset();
    io().EndScan();
    EXPECT_EQ("IO_EndScan -> 1\n", ReadWholeFile(file));
}

TEST_F(ControlFile, ReadWhenTheInterfaceOpens) {
    WriteControl(
        "sheets=2\r\npaper=photo\r\ncalibration_needed=1\r\nstart_scan_fails=1\r\n"
        "config_text=Bench unit 7\r\ninterface_text=Loopback\r\n; a comment\r\n"
        "calibration_result=2\r\n");
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(1, io().IsCalibrationNeeded());
    EXPECT_EQ(0, io().StartScan());
    char config[50], interfaceText[32], text[32];
    int32_t n;
    io().HardwareCheck(config, interfaceText, text, text, text, &n, &n, &n);
    EXPECT_STREQ("Bench unit 7", config);
    EXPECT_STREQ("Loopback", interfaceText);
    EXPECT_EQ(2, io().CalibrateScanner(0));
    int32_t width = 0, length = 0;
    const ScanRecordBytes r = PageRecord(2, 100, 0, 0, 1100, 850);
    ASSERT_EQ(1, io().GetPageDimension(r.Data(), &width, &length));
    ASSERT_NE(0, io().StartScanPage(r.Data(), nullptr, nullptr));
    std::vector<uint8_t> buffer(static_cast<size_t>(ShapeOf(r).stride) * 1100);
    int32_t eop = 0;
    EXPECT_EQ(350, io().GetImageBlock(buffer.data(), 1100, &eop, width, 0)) << "a 3.5-inch photo";
    EXPECT_EQ(1, eop);
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(0, io().IsPaperOn());
    EXPECT_NE(std::string::npos, OpenLine().find("(control " + path_)) << OpenLine();
}

TEST_F(ControlFile, EachOpenStartsFromTheDefaultsAndTheFile) {
    WriteControl("open_fails=1\r\n");
    Configure("button", 1);
    EXPECT_NE(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(0, io().IsButtonOn()) << "the file replaces what was configured before";
    WriteControl("no_such_key=3\r\nsheets=lots\r\nbutton=1\r\n");
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(1, io().IsButtonOn());
    const std::string open = io().CallLogLines()[2];
    EXPECT_NE(std::string::npos, open.find("ignored no_such_key,sheets")) << open;
}

TEST_F(ControlFile, WithoutTheVariableOpeningKeepsTheConfiguration) {
    Configure("sheets", 4);
    Configure("calibration_needed", 1);
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(1, io().IsCalibrationNeeded());
    for (int i = 0; i < 4; ++i) EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(0, io().IsPaperOn());
}

TEST_F(ControlFile, ReadAtFirstUseWhenTheInterfaceIsNeverOpened) {
    WriteControl("calibration_needed=1\r\nsheets=0\r\n");
    io().Reset();
    EXPECT_EQ(1, io().IsCalibrationNeeded());
    EXPECT_EQ(0, io().IsPaperOn());
    // Only once: what is configured afterwards stays.
    Configure("sheets", 1);
    EXPECT_EQ(1, io().IsPaperOn());
}

TEST_F(ControlFile, FolderSourceFromTheFile) {
    TempFolder sheets("brsvio");
    BmpPicture picture;
    picture.width = picture.height = 4;
    picture.color = [](int, int) { return kBlack; };
    WriteWholeFile(sheets.File("a.bmp"), BmpBytes(picture));
    WriteWholeFile(sheets.File("b.bmp"), BmpBytes(picture));
    WriteControl("source=folder\r\nfolder=" + sheets.Path() + "\r\n");
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    EXPECT_NE(std::string::npos, OpenLine().find("2 bitmap files in ")) << OpenLine();
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(1, io().FeedPage());
    EXPECT_EQ(0, io().IsPaperOn());
}

TEST_F(ControlFile, MissingFileIsNotedAndChangesNothing) {
    SetEnvironmentVariableA("BRSVIO_CONTROL", folder_.File("absent.ini").c_str());
    Configure("button", 1);
    EXPECT_EQ(0, io().OpenInterface("Brisvane"));
    EXPECT_EQ(1, io().IsButtonOn());
    EXPECT_NE(std::string::npos, OpenLine().find("control file missing")) << OpenLine();
}

}  // namespace
