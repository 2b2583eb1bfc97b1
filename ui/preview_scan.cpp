#include "ui/preview_scan.h"

#include "engine/acquisition.h"
#include "engine/scan_context.h"
#include "engine/scan_error.h"
#include "engine/scan_to_bitmap.h"
#include "engine/scanner_io.h"
#include "engine/temp_file_name.h"
#include "engine/user_messages.h"
#include "framework/handles.h"
#include "framework/wait_cursor.h"
#include "framework/wnd.h"
#include "localization/language.h"
#include "localization/text_table.h"

#include <windows.h>

namespace {

constexpr int16_t kPreviewResolution = 75;
constexpr int16_t kPreviewGamma = 10;
constexpr int16_t kPreviewHighlight = 255;

void ShowError(const CWnd& owner, int code) { ShowScanError(owner.GetSafeHwnd(), code); }

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace

ScanSettings PreviewScanSettings(const ScanSettings& current) {
    ScanSettings preview = {};
    preview.ScanMode = kScanModeColor;
    preview.DPI = kPreviewResolution;
    preview.Gamma = kPreviewGamma;
    preview.Highlight = kPreviewHighlight;
    preview.Top = 0;
    preview.Left = 0;
    preview.Right = current.Right;
    preview.Bottom = current.Bottom;
    return preview;
}

PreviewScanOutcome MakePreviewScan(const CWnd& owner, const ScanContext& scan,
                                   const ScanSettings& current, const std::string& previewPath) {
    const ScannerIo& io = scan.Io;
    if (!CheckPaper(scan, &owner)) return kPreviewDeclined;
    if (!io.StartScan()) {
        ShowNotice(owner.GetSafeHwnd(), texts::ScannerNotReady);
        return kPreviewNoScanner;
    }
    const ScanSettings preview = PreviewScanSettings(current);
    BitmapPage page = {0, 0, 0};
    if (!io.GetPageDimension(preview, page.width, page.length)) {
        io.EndScan();
        ShowError(owner, kScanScannerError);
        return kPreviewFailed;
    }
    const std::string temporary = MakeTempFileName("PRV", FolderOf(previewPath).c_str());
    if (temporary.empty()) {
        io.EndScan();
        ShowError(owner, kScanFileError);
        return kPreviewFailed;
    }
    int result;
    {
        CWaitCursor wait;
        result = ScanToBitmapFile(scan, false, &owner, temporary.c_str(), preview, false, page);
    }
    io.EndScan();
    if (result != kScanOk) {
        DeleteFileA(temporary.c_str());
        if (result != kScanCancelled) ShowError(owner, result);
        return kPreviewFailed;
    }
    // Replaced in one step: the old picture stays whenever the new one
    // cannot take its place.
    SetFileAttributesA(previewPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!MoveFileExA(temporary.c_str(), previewPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        ShowError(owner, kScanFileError);
        return kPreviewFailed;
    }
    return kPreviewMade;
}

bool PreviewFileExists(const std::string& previewPath) {
    UniqueHandle file(CreateFileA(previewPath.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

bool AskAndDeletePreview(const CWnd& owner, const std::string& previewPath) {
    if (AskUser(owner.GetSafeHwnd(), texts::DeletePreviewImage, MB_YESNO | MB_ICONEXCLAMATION) == IDNO)
        return false;
    SetFileAttributesA(previewPath.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!DeleteFileA(previewPath.c_str())) {
        ShowError(owner, kScanFileError);
        return false;
    }
    return true;
}
