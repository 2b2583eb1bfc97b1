// The picture area of the Custom Settings page: the canvas of the whole
// glass with the last preview scan drawn through the tone table of the
// current settings, and the scan frame as a red dotted rectangle with eight
// handles. In Range mode the user draws, moves and resizes the frame (written
// straight into the settings); in Zoom mode the picture zooms and scrolls.
#pragma once

#include "framework/child_window.h"
#include "framework/gdi_object.h"
#include "framework/memory_dc.h"
#include "framework/rect_tracker.h"
#include "ui/bitmap_file_image.h"
#include "ui/preview_geometry.h"
#include "ui/preview_pixels.h"

#include <memory>
#include <string>

class Ruler;
class ScannerIo;
struct ScanSettings;

// What a Refresh redoes after a change of the settings.
enum PreviewRefresh : int {
    kRefreshAfterMode = 1,        // labels, picture
    kRefreshAfterResolution = 2,  // labels
    kRefreshAfterTone = 3,        // picture
    kRefreshAfterReset = 5,       // labels, picture, frame
    kRefreshAfterFrame = 6,       // labels, frame
    kRefreshReload = 7,           // zoom 1, the preview file read again, then as 1
    kRefreshRepaint = 8,          // repaint only
};

constexpr int kPreviewZoomMode = 0;
constexpr int kPreviewRangeMode = 1;

// The controls of the page the preview keeps up to date.
struct PreviewLinks {
    Ruler* horizontalRuler = nullptr;
    Ruler* verticalRuler = nullptr;
    HWND unitButton = nullptr;
    HWND widthLabel = nullptr;
    HWND heightLabel = nullptr;
    HWND imageSizeLabel = nullptr;
};

// "<user data folder>TAVIXSRC.bmp", or beside the module without one.
std::string PreviewFilePath();

class PreviewWindow : public CChildWindow {
public:
    // The window edits `settings` and shows them through `io`'s tone curve.
    PreviewWindow(ScanSettings& settings, const ScannerIo& io);
    ~PreviewWindow() override;

    // Makes the window ("pvfm", id 1048) exactly over control `frameId` of `page`.
    bool CreateOver(HWND page, int frameId, int id);
    void Attach(const PreviewLinks& links);
    // Takes the client size as the canvas size; sets up the tracker.
    void SetGeometry();
    void SetMode(int mode);
    void SetUnit(int unit);
    void Refresh(int code);

    // The state, for the page and for tests.
    int Mode() const { return mode_; }
    int Unit() const { return unit_; }
    const PreviewView& View() const { return view_; }
    bool HasImage() const { return hasImage_; }
    int ImageResolution() const { return image_.dpi; }
    const PreviewPixels& Pixels() const { return pixels_; }
    const RECT& TrackerRect() const { return tracker_.m_rect; }
    // The off-screen picture (null before the first paint) and how often it
    // was drawn.
    HDC OffscreenDC() const { return memory_ ? memory_->Get() : nullptr; }
    int RenderCount() const { return renderCount_; }
    // Draws the picture into the off-screen bitmap now (made when needed).
    void Render();
    // Zooms by +1 or -1 step.
    void ZoomBy(int step);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LoadPreview();
    void UpdateLabels() const;
    void UpdateRulers() const;
    void UpdateTrackerRect();
    void NotifyFrameChanged() const;
    void Invalidate(bool erase) const;
    bool EnsureOffscreen(HDC reference);
    void DrawGrid(HDC dc, const ImagePlacement& placement) const;
    void DrawEdges(HDC dc) const;
    void DrawFrame(HDC dc) const;
    void Paint();
    void Scroll(int bar, int code, int thumb);
    void OnLeftButtonDown(POINT point);
    void OnMouseMove(POINT point);
    void OnLeftButtonUp(POINT point);
    void TrackFrame(POINT point, int hit);
    void ShowPaperSizeMenu(POINT point);
    void SaveFrame();
    void RestoreFrame();

    ScanSettings& settings_;
    const ScannerIo& io_;
    PreviewLinks links_;
    PreviewView view_;
    int mode_ = kPreviewRangeMode;
    int unit_ = -1;
    BitmapFileImage file_;
    PreviewImage image_;
    bool hasImage_ = false;
    PreviewPixels pixels_;
    std::unique_ptr<CMemoryDC> memory_;
    GdiObject<HBITMAP> memoryBitmap_;
    int renderCount_ = 0;
    CRectTracker tracker_;
    bool dragging_ = false;
    POINT firstCorner_ = {};
    POINT secondCorner_ = {};
    int16_t savedFrame_[4] = {};  // top, bottom, right, left
};
