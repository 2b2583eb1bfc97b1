// Preview scans through the virtual scanner: what the preview file holds and
// what the page shows of it, deleting it, and every way a preview can fail
// without losing the old picture or leaving a temporary file behind.
#include "custom_page_fixture.h"

#include "engine/scan_error.h"
#include "framework/handles.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "page_host.h"
#include "resources/custom_settings_page_ids.h"
#include "support/message_box_watcher.h"
#include "support/temp_folder.h"
#include "ui/bitmap_file_image.h"
#include "ui/preview_scan.h"
#include "ui/preview_window.h"
#include "ui/scanner_sheet.h"

#include "../../scanner-sim/test_page.h"

namespace {

using PreviewScanTest = CustomPageTest;

// The page's off-screen picture at a point of the sheet, in inches.
COLORREF ShownAt(const PreviewWindow& window, double xInches, double yInches) {
    return GetPixel(window.OffscreenDC(), CanvasToWindowX(window.View(), int(xInches * 100)),
                    CanvasToWindowY(window.View(), int(yInches * 100)));
}

// The test page's colour bars are 1.25 inch wide on a Letter sheet, from 0.5
// inch on, between 3.2 and 4.2 inches down; the gray ramp lies above them.
constexpr double kBarsMiddle = 3.7;
double BarCentre(int bar) { return 0.5 + 1.25 * (bar + 0.5); }

// A sheet that records which feed polling switches the page sent.
class PollingHost : public PageHost {
public:
    using PageHost::PageHost;
    std::vector<WPARAM> polling;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == kFeedPollingMessage) polling.push_back(wParam);
        return PageHost::WindowProc(message, wParam, lParam);
    }
};

TEST_F(PreviewScanTest, PreviewButtonScansInColourAt75DpiAndShowsThePage) {
    settings_.ScanMode = kScanModeGray;  // the preview is colour whatever the page shows
    settings_.DPI = 600;
    MessageBoxWatcher watcher({IDOK});
    CustomSettingsPage page(context_, "Custom Settings");
    PollingHost host(OwnerHwnd());
    host.Run(page, [&](HWND hwnd) {
        Click(hwnd, IDC_CUSTOM_PREVIEW);
        PreviewWindow& window = *page.Preview();
        EXPECT_TRUE(FileExists(PreviewPath()));
        if (!window.HasImage()) {
            ADD_FAILURE() << "the preview shows no image";
            return true;
        }
        EXPECT_EQ(75, window.ImageResolution());
        EXPECT_EQ(850 * 75 / 100, window.Pixels().Width());  // Letter: 8.5 x 11 inches at 75 dpi
        EXPECT_EQ(825, window.Pixels().Height());
        PaintNow(hwnd);
        // Grayscale display: each pixel is the tone table of its green byte,
        // so the red bar is black and the green bar white.
        EXPECT_EQ(RGB(0, 0, 0), ShownAt(window, BarCentre(0), kBarsMiddle));
        EXPECT_EQ(RGB(255, 255, 255), ShownAt(window, BarCentre(1), kBarsMiddle));
        Click(hwnd, IDC_CUSTOM_COLOR);
        for (int bar = 0; bar < 6; ++bar) {
            const Rgb expected = test_page::kBars[bar];
            EXPECT_EQ(RGB(expected.r, expected.g, expected.b),
                      ShownAt(window, BarCentre(bar), kBarsMiddle))
                << "bar " << bar;
        }
        // The ramp's mid-gray goes through the gamma 1.8 curve of the library.
        uint8_t table[256];
        for (int i = 0; i < 256; ++i) table[i] = static_cast<uint8_t>(i);
        io_.AdjustChannelValue(table, settings_);
        const COLORREF ramp = window.Pixels().WorkingPixel(319, 195);  // 4.25 x 2.6 inches
        const uint8_t source = static_cast<uint8_t>((4.25 - 0.5) / 7.5 * 256);
        EXPECT_NEAR(table[source], GetGValue(ramp), 2);
        EXPECT_GT(GetGValue(ramp), source + 20);  // lifted by the gamma
        // Black/white and inverted.
        Click(hwnd, IDC_CUSTOM_BLACK_WHITE);
        EXPECT_EQ(RGB(0, 0, 0), ShownAt(window, BarCentre(0), kBarsMiddle));
        Click(hwnd, IDC_CUSTOM_INVERT);
        EXPECT_EQ(RGB(255, 255, 255), ShownAt(window, BarCentre(0), kBarsMiddle));
        EXPECT_EQ(RGB(0, 0, 0), ShownAt(window, BarCentre(1), kBarsMiddle));
        return true;
    });
    EXPECT_TRUE(watcher.Seen().empty());
    // Feed polling was off while the scanner read the sheet, and on again after.
    EXPECT_EQ((std::vector<WPARAM>{0, 1}), host.polling);
    EXPECT_TRUE(LeftoverPreviewTemporaries().empty());
    // The scanner got the preview record: colour, 75 dpi, neutral tones.
    EXPECT_NE(std::string::npos, CallLog().find("IO_StartScanPage"));
}

TEST_F(PreviewScanTest, PreviewCoversTheWidthFromTheLeftEdgeToTheFramesRightAndBottom) {
    settings_.Top = 300;
    settings_.Left = 200;
    settings_.Bottom = 600;
    settings_.Right = 400;
    const ScanSettings preview = PreviewScanSettings(settings_);
    EXPECT_EQ(kScanModeColor, preview.ScanMode);
    EXPECT_EQ(75, preview.DPI);
    EXPECT_EQ(10, preview.Gamma);
    EXPECT_EQ(255, preview.Highlight);
    EXPECT_EQ(0, preview.Brightness);
    EXPECT_EQ(0, preview.Top);
    EXPECT_EQ(0, preview.Left);
    EXPECT_EQ(600, preview.Bottom);
    EXPECT_EQ(400, preview.Right);
    MessageBoxWatcher watcher({IDOK});
    EXPECT_EQ(kPreviewMade, MakePreviewScan(Owner(), scan_, settings_, PreviewPath()));
    BitmapFileImage image;
    int status = -1;
    ASSERT_TRUE(image.Load(PreviewPath().c_str(), status));
    EXPECT_EQ(300, image.Width());   // 4 inches at 75 dpi
    EXPECT_EQ(450, image.Height());  // 6 inches
    EXPECT_EQ(24, image.BitCount());
}

TEST_F(PreviewScanTest, DeleteAsksFirstAndNoKeepsThePicture) {
    WriteColorBitmap(PreviewPath(), 64, 64, 75, [](int32_t, int32_t) { return RGB(9, 9, 9); });
    {
        MessageBoxWatcher watcher({IDNO});
        RunPage([&](CustomSettingsPage& page, HWND hwnd) {
            ASSERT_TRUE(page.Preview()->HasImage());
            Click(hwnd, IDC_CUSTOM_PREVIEW);
            EXPECT_TRUE(page.Preview()->HasImage());
        });
        ASSERT_EQ(1u, watcher.Seen().size());
        EXPECT_EQ(CurrentText(texts::DeletePreviewImage), watcher.Seen()[0].text);
        EXPECT_EQ("Tavix Scanner", watcher.Seen()[0].caption);
    }
    EXPECT_TRUE(FileExists(PreviewPath()));
    SetFileAttributesA(PreviewPath().c_str(), FILE_ATTRIBUTE_READONLY);
    MessageBoxWatcher watcher({IDYES});
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        Click(hwnd, IDC_CUSTOM_PREVIEW);
        EXPECT_FALSE(page.Preview()->HasImage());
    });
    EXPECT_FALSE(FileExists(PreviewPath()));
    EXPECT_EQ(0, Calls("IO_StartScan"));  // deleting scans nothing
}

TEST_F(PreviewScanTest, APreviewFileInUseStaysWithTheFileErrorOnDeleteAndOnReplace) {
    WriteColorBitmap(PreviewPath(), 64, 64, 75, [](int32_t, int32_t) { return RGB(9, 9, 9); });
    const std::string original = ReadWholeFile(PreviewPath());
    {
        // Another program reads it and lets nobody delete it.
        UniqueHandle reader(CreateFileA(PreviewPath().c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.Valid());
        MessageBoxWatcher watcher({IDYES, IDOK});
        RunPage([&](CustomSettingsPage& page, HWND hwnd) {
            Click(hwnd, IDC_CUSTOM_PREVIEW);
            EXPECT_TRUE(page.Preview()->HasImage());
        });
        ASSERT_EQ(2u, watcher.Seen().size());
        EXPECT_EQ(ScanErrorText(kScanFileError), watcher.Seen()[1].text);
    }
    {
        // Locked so that nobody else can even read it: the page scans anew,
        // and the new picture cannot take the old one's place.
        UniqueHandle locker(CreateFileA(PreviewPath().c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locker.Valid());
        MessageBoxWatcher watcher({IDOK});
        RunPage([&](CustomSettingsPage&, HWND hwnd) { Click(hwnd, IDC_CUSTOM_PREVIEW); });
        ASSERT_EQ(1u, watcher.Seen().size());
        EXPECT_EQ(ScanErrorText(kScanFileError), watcher.Seen()[0].text);
        EXPECT_EQ(1, Calls("IO_StartScan"));
    }
    EXPECT_EQ(original, ReadWholeFile(PreviewPath()));
    EXPECT_TRUE(LeftoverPreviewTemporaries().empty());
}

TEST_F(PreviewScanTest, FailedScansKeepTheOldFileAndLeaveNoTemporaryFile) {
    WriteColorBitmap(PreviewPath(), 64, 64, 75, [](int32_t, int32_t) { return RGB(9, 9, 9); });
    const std::string original = ReadWholeFile(PreviewPath());
    const struct {
        const char* key;
        const char* value;
        PreviewScanOutcome outcome;
        int errorCode;  // -1: the scanner-not-ready text
    } faults[] = {
        {"start_scan_fails", "1", kPreviewNoScanner, -1},
        {"page_dimension_fails", "1", kPreviewFailed, kScanScannerError},
        {"block_fails_after_rows", "100", kPreviewFailed, kScanScannerError},
    };
    for (const auto& fault : faults) {
        ProcAddress<void(__cdecl*)()>(io_.Library(), "BRSVIO_Reset")();
        Configure(fault.key, fault.value);
        MessageBoxWatcher watcher({IDOK});
        EXPECT_EQ(fault.outcome, MakePreviewScan(Owner(), scan_, settings_, PreviewPath()))
            << fault.key;
        ASSERT_EQ(1u, watcher.Seen().size()) << fault.key;
        EXPECT_EQ(fault.errorCode < 0 ? CurrentText(texts::ScannerNotReady)
                                      : ScanErrorText(fault.errorCode),
                  watcher.Seen()[0].text)
            << fault.key;
        EXPECT_EQ(original, ReadWholeFile(PreviewPath())) << fault.key;
        EXPECT_TRUE(LeftoverPreviewTemporaries().empty()) << fault.key;
    }
}

TEST_F(PreviewScanTest, WithoutPaperThePageAsksAndADeclineScansNothing) {
    Configure("sheets", "0");
    MessageBoxWatcher watcher({IDCANCEL});
    RunPage([&](CustomSettingsPage& page, HWND hwnd) {
        Click(hwnd, IDC_CUSTOM_PREVIEW);
        EXPECT_FALSE(page.Preview()->HasImage());
    });
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(CurrentText(texts::InsertItemToScan), watcher.Seen()[0].text);
    EXPECT_EQ(0, Calls("IO_StartScan"));
    EXPECT_FALSE(FileExists(PreviewPath()));
}

TEST_F(PreviewScanTest, AnUnwritableFolderIsAFileErrorAndNothingIsLeft) {
    // The preview's folder taken by a file: no temporary file can be made there.
    const std::string path = folder_.File("no-folder\\TAVIXSRC.bmp");
    MessageBoxWatcher watcher({IDOK});
    EXPECT_EQ(kPreviewFailed, MakePreviewScan(Owner(), scan_, settings_, path));
    ASSERT_EQ(1u, watcher.Seen().size());
    EXPECT_EQ(ScanErrorText(kScanFileError), watcher.Seen()[0].text);
    EXPECT_EQ(1, Calls("IO_EndScan"));
}

TEST_F(PreviewScanTest, BrokenPreviewFilesShowNoImageAndNothingBreaks) {
    const std::string good = [] {
        TempFolder scratch("tavix-bmp");
        WriteColorBitmap(scratch.File("good.bmp"), 40, 30, 75,
                         [](int32_t x, int32_t) { return RGB(x, 0, 0); });
        return ReadWholeFile(scratch.File("good.bmp"));
    }();
    auto patched = [&](size_t offset, uint32_t value, size_t bytes) {
        std::string file = good;
        for (size_t i = 0; i < bytes; ++i) file[offset + i] = static_cast<char>(value >> (8 * i));
        return file;
    };
    const std::pair<const char*, std::string> files[] = {
        {"empty", ""},
        {"truncated header", good.substr(0, 30)},
        {"truncated pixels", good.substr(0, good.size() - 200)},
        {"not a bitmap", "GIF89a" + good.substr(6)},
        {"compressed", patched(30, BI_RLE8, 4)},
        {"16 bits", patched(28, 16, 2)},
        {"negative width", patched(18, uint32_t(-40), 4)},
        {"absurd size", patched(22, 0x7FFFFFFF, 4)},
        {"offset past the header block", patched(10, 6000, 4)},
    };
    for (const auto& [name, bytes] : files) {
        WriteWholeFile(PreviewPath(), bytes);
        RunPage([&, name = name](CustomSettingsPage& page, HWND hwnd) {
            EXPECT_FALSE(page.Preview()->HasImage()) << name;
            Click(hwnd, IDC_CUSTOM_ZOOM_MODE);
            Mouse(PreviewOf(hwnd), WM_LBUTTONDOWN, 20, 20);
            EXPECT_EQ(1, page.Preview()->View().zoom) << name;
            PaintNow(hwnd);
        });
    }
}

}  // namespace
