// The Information page run in a property sheet: its labels and legal notice
// in each language, what the virtual scanner reports, the version and date of
// the library in the Windows system folder, and the logo over the page.
#include "support/dialog_driver.h"
#include "page_host.h"
#include "support/png_file.h"
#include "system_scanner_library.h"
#include "ui_fixture.h"

#include "framework/gdi_object.h"
#include "resources/artwork_ids.h"
#include "resources/info_page_ids.h"
#include "scanner-sim/brsvio_version.h"
#include "ui/info_page.h"
#include "ui/scanner_dialog_context.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace {

const int kTextIds[] = {IDC_INFO_INTERFACE_LABEL, IDC_INFO_INTERFACE, IDC_INFO_CONFIG_LABEL,
                        IDC_INFO_CONFIG,          IDC_INFO_VERSION_LABEL, IDC_INFO_VERSION,
                        IDC_INFO_DATE_LABEL,      IDC_INFO_DATE,          IDC_INFO_LEGAL_NOTICE};

// The logo as the module carries it, as 24-bit colours.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
};

Picture LoadLogo() {
    Picture picture;
    GdiObject<HBITMAP> bitmap(static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_LOGO), IMAGE_BITMAP, 0, 0,
                   LR_CREATEDIBSECTION)));
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap.Get(), sizeof info, &info)) return picture;
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> rows(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int got = GetDIBits(screen, bitmap.Get(), 0, info.bmHeight, rows.data(), &request,
                              DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (got != info.bmHeight) return picture;
    picture.width = info.bmWidth;
    picture.height = info.bmHeight;
    for (uint32_t bgrx : rows)
        picture.pixels.push_back(RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF));
    return picture;
}

// What the script saw of the page.
struct InfoView {
    bool shown = false;
    std::map<int, std::string> texts;
    std::vector<int> clipped;
    RECT logo = {};
    RECT frame = {};
    int transparentPixels = 0;
    int transparentMismatches = 0;  // magenta pixels not showing the background
    int picturePixels = 0;
    int pictureMismatches = 0;  // other pixels not showing the logo's colour
};

class InfoPageTest : public UiTest {
protected:
    // Shows the page with `io` as the scanner; the screenshot is saved when named.
    InfoView Show(const ScannerIo& io, const char* screenshot = nullptr) {
        const ScanContext scan{io, sheet_, store_, nullptr};
        ScannerDialogContext context{settings_, kUiModeScan, "InfoPageTest", &owner_, scan, negotiated_, units_};
        InfoPage page(context, "Information");
        PageHost host(OwnerHwnd());
        InfoView view;
        const Picture logo = LoadLogo();
        const INT_PTR result = host.Run(page, [&](HWND hwnd) {
            view.shown = true;
            for (int id : kTextIds) {
                HWND control = GetDlgItem(hwnd, id);
                view.texts[id] = WindowText(control);
                if (!TextFits(control, true)) view.clipped.push_back(id);
            }
            HWND logoControl = GetDlgItem(hwnd, IDC_INFO_LOGO);
            view.logo = RectInDialog(hwnd, logoControl);
            view.frame = RectInDialog(hwnd, GetDlgItem(hwnd, IDC_INFO_FRAME));
            ReadLogo(hwnd, logoControl, logo, view);
            if (screenshot) SaveWindowPng(host.GetSafeHwnd(), ScreenshotPath(screenshot));
            return true;
        });
        EXPECT_EQ(PageHost::kEndedByScript, result);
        return view;
    }

    // Compares the screen under the logo with the logo's pixels: the magenta
    // ones must show the page as it is just left of the logo.
    static void ReadLogo(HWND page, HWND control, const Picture& logo, InfoView& view) {
        if (logo.pixels.empty()) return;
        const RECT shown = ClientOnScreen(control);
        const ScreenPixels screen = ReadScreen(shown);
        RECT besideRect = {shown.left - 4, shown.top + logo.height / 2, shown.left - 3,
                           shown.top + logo.height / 2 + 1};
        const ScreenPixels beside = ReadScreen(besideRect);
        (void)page;
        if (screen.width < logo.width || screen.height < logo.height || beside.width != 1) return;
        const COLORREF background = beside.At(0, 0);
        for (int y = 0; y < logo.height; ++y) {
            for (int x = 0; x < logo.width; ++x) {
                const COLORREF expected = logo.pixels[static_cast<size_t>(y) * logo.width + x];
                const COLORREF seen = screen.At(x, y);
                if (expected == RGB(255, 0, 255)) {
                    ++view.transparentPixels;
                    if (seen != background) ++view.transparentMismatches;
                } else {
                    ++view.picturePixels;
                    if (seen != expected) ++view.pictureMismatches;
                }
            }
        }
    }
};

TEST_F(InfoPageTest, LabelsAndLegalNoticeInEnglish) {
    const InfoView view = Show(io_);
    ASSERT_TRUE(view.shown);
    EXPECT_EQ("Interface: ", view.texts.at(IDC_INFO_INTERFACE_LABEL));
    EXPECT_EQ("DLL config: ", view.texts.at(IDC_INFO_CONFIG_LABEL));
    EXPECT_EQ("DLL version: ", view.texts.at(IDC_INFO_VERSION_LABEL));
    EXPECT_EQ("DLL date: ", view.texts.at(IDC_INFO_DATE_LABEL));
    const std::string& notice = view.texts.at(IDC_INFO_LEGAL_NOTICE);
    EXPECT_EQ(0u, notice.find("Copyright \xA9 All rights reserved.\n\n")) << notice;
    EXPECT_NE(std::string::npos, notice.find("prosecuted")) << notice;
}

TEST_F(InfoPageTest, LabelsAndLegalNoticeInGerman) {
    UseLanguage(LanguageGerman);
    const InfoView view = Show(io_);
    ASSERT_TRUE(view.shown);
    EXPECT_EQ("Schnittstelle: ", view.texts.at(IDC_INFO_INTERFACE_LABEL));
    EXPECT_EQ("DLL-Version: ", view.texts.at(IDC_INFO_VERSION_LABEL));
    EXPECT_EQ(0u, view.texts.at(IDC_INFO_LEGAL_NOTICE).find("Copyright \xA9 Alle Rechte vorbehalten."));
}

TEST_F(InfoPageTest, InterfaceAndConfigurationComeFromTheScanner) {
    Configure("interface_text", "SCSI-2 bus 3");
    Configure("config_text", "SR-1 rev C");
    const InfoView view = Show(io_);
    EXPECT_EQ("SCSI-2 bus 3", view.texts.at(IDC_INFO_INTERFACE));
    EXPECT_EQ("SR-1 rev C", view.texts.at(IDC_INFO_CONFIG));
    EXPECT_EQ(1, Calls("IO_HardwareCheck"));
}

TEST_F(InfoPageTest, UnknownWhenTheLibraryHasNoHardwareCheck) {
    const ScannerIo noLibrary;
    const InfoView view = Show(noLibrary);
    EXPECT_EQ("Unknown", view.texts.at(IDC_INFO_INTERFACE));
    EXPECT_EQ("Unknown", view.texts.at(IDC_INFO_CONFIG));
}

TEST_F(InfoPageTest, VersionAndDateOfTheLibraryInTheSystemFolder) {
    SystemScannerLibrary library(VirtualScannerPath());
    ASSERT_TRUE(library.Ready()) << library.Path();
    ASSERT_TRUE(SetModifiedDay(library.Path(), 2009, 3, 5));
    const InfoView view = Show(io_);
    EXPECT_EQ(BRSVIO_VERSION_TEXT, view.texts.at(IDC_INFO_VERSION));
    EXPECT_EQ("2009-3-5", view.texts.at(IDC_INFO_DATE));
}

TEST_F(InfoPageTest, DashesForALibraryWithoutVersionResource) {
    SystemScannerLibrary library(UnversionedScannerPath());
    ASSERT_TRUE(library.Ready()) << library.Path();
    ASSERT_TRUE(SetModifiedDay(library.Path(), 2020, 1, 31));
    const InfoView view = Show(io_);
    EXPECT_EQ("---", view.texts.at(IDC_INFO_VERSION));
    EXPECT_EQ("2020-1-31", view.texts.at(IDC_INFO_DATE));
}

TEST_F(InfoPageTest, NoLibraryFileInTheSystemFolder) {
    SystemScannerLibrary none("");
    ASSERT_TRUE(none.Ready());
    const InfoView view = Show(io_);
    EXPECT_EQ("---", view.texts.at(IDC_INFO_VERSION));
    EXPECT_EQ("0-0-0", view.texts.at(IDC_INFO_DATE));
}

TEST_F(InfoPageTest, LogoIsCentredInTheLeftHalfOfTheFrame) {
    const InfoView view = Show(io_);
    EXPECT_EQ(196, view.logo.right - view.logo.left);
    EXPECT_EQ(37, view.logo.bottom - view.logo.top);
    const int logoCentreX2 = view.logo.left + view.logo.right;
    const int logoCentreY2 = view.logo.top + view.logo.bottom;
    const int halfCentreX2 = view.frame.left + (view.frame.left + view.frame.right) / 2;
    const int frameCentreY2 = view.frame.top + view.frame.bottom;
    EXPECT_LE(std::abs(logoCentreX2 - halfCentreX2), 2) << view.logo.left << " in " << view.frame.left
                                                        << ".." << view.frame.right;
    EXPECT_LE(std::abs(logoCentreY2 - frameCentreY2), 2) << view.logo.top << " in " << view.frame.top
                                                         << ".." << view.frame.bottom;
}

TEST_F(InfoPageTest, LogoLetsThePageShowThroughItsMagentaPixels) {
    const InfoView view = Show(io_);
    ASSERT_GT(view.transparentPixels, 500);
    ASSERT_GT(view.picturePixels, 500);
    EXPECT_EQ(0, view.transparentMismatches) << "of " << view.transparentPixels;
    EXPECT_EQ(0, view.pictureMismatches) << "of " << view.picturePixels;
}

TEST_F(InfoPageTest, TextsFitTheirControlsInEveryLanguage) {
    SystemScannerLibrary library(VirtualScannerPath());
    ASSERT_TRUE(library.Ready());
    const struct {
        LanguageId language;
        const char* screenshot;
    } cases[] = {
        {LanguageEnglish, "info-page-english.png"}, {LanguageFrench, nullptr},
        {LanguageSpanish, nullptr},                 {LanguageItalian, nullptr},
        {LanguageGerman, "info-page-german.png"},
    };
    for (const auto& c : cases) {
        UseLanguage(c.language);
        const InfoView view = Show(io_, c.screenshot);
        ASSERT_TRUE(view.shown) << c.language;
        for (int id : view.clipped)
            ADD_FAILURE() << "language " << c.language << ": control " << id << " \""
                          << view.texts.at(id) << "\" is clipped";
    }
}

}  // namespace
