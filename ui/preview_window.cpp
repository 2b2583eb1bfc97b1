#include "ui/preview_window.h"

#include "engine/scan_settings.h"
#include "engine/scan_sizes.h"
#include "engine/user_data_folder.h"
#include "framework/client_dc.h"
#include "framework/dialog.h"
#include "framework/paint_dc.h"
#include "framework/selected_object.h"
#include "framework/win_app.h"
#include "localization/language.h"
#include "localization/text_table.h"
#include "resources/artwork_ids.h"
#include "resources/custom_settings_page_ids.h"
#include "ui/preview_labels.h"
#include "ui/ruler.h"
#include "ui/tone_table.h"

#include <windowsx.h>

#include <algorithm>

namespace {

constexpr const char* kPreviewClassName = "TavixPreviewWindow";
constexpr const char* kPreviewWindowName = "pvfm";
constexpr const char* kPreviewFileName = "TAVIXSRC.bmp";
constexpr int kMinPreviewResolution = 30;
constexpr COLORREF kCanvasColor = RGB(204, 204, 204);
constexpr COLORREF kGridColor = RGB(224, 224, 224);
constexpr COLORREF kFrameColor = RGB(255, 0, 0);

HCURSOR ZoomCursor() {
    HCURSOR cursor = LoadCursorA(ResourceModule(), MAKEINTRESOURCEA(IDCUR_ZOOM));
    return cursor ? cursor : LoadCursorA(nullptr, IDC_CROSS);
}

bool HasEmptyRange(HWND hwnd, int bar) {
    int low = 0, high = 0;
    GetScrollRange(hwnd, bar, &low, &high);
    return low == high;
}

}  // namespace

std::string PreviewFilePath() {
    char folder[MAX_PATH] = {};
    std::string path;
    if (GetUserDataFolder(folder)) {
        path = folder;
    } else if (const CWinApp* app = CWinApp::Current()) {
        path = app->ModuleFolder();
    }
    return path + kPreviewFileName;
}

PreviewWindow::PreviewWindow(ScanSettings& settings, const ScannerIo& io)
    : settings_(settings), io_(io) {}

PreviewWindow::~PreviewWindow() { DestroyWindow(); }

bool PreviewWindow::CreateOver(HWND page, int frameId, int id) {
    HWND frame = page ? GetDlgItem(page, frameId) : nullptr;
    if (!frame) return false;
    RECT rect;
    GetWindowRect(frame, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return Create(kPreviewClassName, ZoomCursor(), kPreviewWindowName,
                  WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL, rect, page, id);
}

void PreviewWindow::Attach(const PreviewLinks& links) {
    links_ = links;
    UpdateRulers();
}

void PreviewWindow::SetGeometry() {
    RECT client = {};
    if (HWND hwnd = GetSafeHwnd()) GetClientRect(hwnd, &client);
    view_.width = std::max<LONG>(1, client.right);
    view_.height = std::max<LONG>(1, client.bottom);
    tracker_.m_nStyle = CRectTracker::dottedLine | CRectTracker::resizeInside;
    tracker_.m_nHandleSize = 6;
    UpdateTrackerRect();
}

void PreviewWindow::SetMode(int mode) {
    mode_ = mode == kPreviewZoomMode ? kPreviewZoomMode : kPreviewRangeMode;
    if (mode_ == kPreviewZoomMode) {
        SetClassCursor(ZoomCursor());
        return;
    }
    SetClassCursor(LoadCursorA(nullptr, IDC_ARROW));
    view_.zoom = 2;
    ZoomBy(-1);
    // Range mode works at zoom 1 from the top left of the canvas, even for
    // an image larger than the canvas.
    if (view_.offsetX != 0 || view_.offsetY != 0) {
        view_.offsetX = view_.offsetY = 0;
        if (HWND hwnd = GetSafeHwnd()) {
            SetScrollPos(hwnd, SB_HORZ, 0, TRUE);
            SetScrollPos(hwnd, SB_VERT, 0, TRUE);
        }
        UpdateRulers();
        Render();
        Invalidate(true);
    }
}

void PreviewWindow::SetUnit(int unit) {
    if (unit == unit_) return;
    unit_ = unit;
    if (links_.unitButton) SetWindowTextA(links_.unitButton, UnitButtonText(unit));
    UpdateRulers();
    UpdateLabels();
}

void PreviewWindow::Refresh(int code) {
    if (code == kRefreshReload) {
        if (HWND hwnd = GetSafeHwnd()) {
            SetScrollRange(hwnd, SB_HORZ, 0, 0, TRUE);
            SetScrollRange(hwnd, SB_VERT, 0, 0, TRUE);
        }
        view_.zoom = 1;
        view_.offsetX = view_.offsetY = 0;
        UpdateRulers();
        LoadPreview();
        code = kRefreshAfterMode;
    }
    const bool labels = code == 1 || code == 2 || code == 5 || code == 6;
    const bool picture = code == 1 || code == 3 || code == 5;
    const bool frame = code == 5 || code == 6;
    const bool repaint = code == 1 || code == 3 || code == 5 || code == 6 || code == 8;
    if (labels) UpdateLabels();
    if (picture) Render();
    if (frame) UpdateTrackerRect();
    if (repaint) Invalidate(true);
}

void PreviewWindow::LoadPreview() {
    pixels_.Clear();
    hasImage_ = false;
    image_ = PreviewImage();
    int status = 0;
    if (!file_.Load(PreviewFilePath().c_str(), status)) return;
    {
        CClientDC dc(GetSafeHwnd());
        if (!file_.CreateSection(dc.Get())) return;
    }
    if (!pixels_.Take(file_)) return;
    image_.width = pixels_.Width();
    image_.height = pixels_.Height();
    image_.dpi = std::max(kMinPreviewResolution, file_.Resolution());
    hasImage_ = true;
}

void PreviewWindow::UpdateLabels() const {
    const int unit = unit_ == 0 ? 0 : 1;
    if (links_.widthLabel)
        SetWindowTextA(links_.widthLabel,
                       FrameLengthText(CurrentText(texts::Width), settings_.Right - settings_.Left, unit)
                           .c_str());
    if (links_.heightLabel)
        SetWindowTextA(links_.heightLabel,
                       FrameLengthText(CurrentText(texts::Height), settings_.Bottom - settings_.Top, unit)
                           .c_str());
    if (links_.imageSizeLabel)
        SetWindowTextA(links_.imageSizeLabel,
                       ImageSizeText(CurrentText(texts::ImageSize), settings_).c_str());
}

void PreviewWindow::UpdateRulers() const {
    const int unit = unit_ == 0 ? 0 : 1;
    for (Ruler* ruler : {links_.horizontalRuler, links_.verticalRuler})
        if (ruler) ruler->SetView(unit, view_.zoom, view_.offsetX, view_.offsetY);
}

void PreviewWindow::UpdateTrackerRect() {
    tracker_.m_rect = TrackerRectOf(settings_, view_.width, view_.height);
}

void PreviewWindow::NotifyFrameChanged() const {
    if (HWND hwnd = GetSafeHwnd())
        SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(IDC_CUSTOM_FRAME_CHANGED, 0), 0);
}

void PreviewWindow::Invalidate(bool erase) const {
    if (HWND hwnd = GetSafeHwnd()) InvalidateRect(hwnd, nullptr, erase ? TRUE : FALSE);
}

bool PreviewWindow::EnsureOffscreen(HDC reference) {
    if (memory_) return true;
    if (!reference) return false;
    GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(reference, view_.width, view_.height));
    auto memory = std::make_unique<CMemoryDC>(reference);
    if (!bitmap || !*memory || !memory->Select(bitmap.Get())) return false;
    memoryBitmap_ = std::move(bitmap);
    memory_ = std::move(memory);
    return true;
}

void PreviewWindow::Render() {
    if (!memory_) {
        // The first paint makes the off-screen bitmap and draws it.
        CClientDC dc(GetSafeHwnd());
        if (!dc || !EnsureOffscreen(dc.Get())) return;
    }
    HDC dc = memory_->Get();
    ++renderCount_;
    RECT client = {0, 0, view_.width, view_.height};
    GdiObject<HBRUSH> canvas(CreateSolidBrush(kCanvasColor));
    FillRect(dc, &client, canvas.Get());
    ImagePlacement placement;
    if (hasImage_) {
        placement = PlaceImage(image_, view_);
        uint8_t table[256];
        BuildPreviewToneTable(io_, settings_, table);
        pixels_.ApplyTone(table, settings_.ScanMode);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchDIBits(dc, 0, 0, placement.drawWidth, placement.drawHeight, placement.skipColumns,
                      0, placement.columns, placement.rows, pixels_.WorkingBits(),
                      pixels_.WorkingInfo(), DIB_RGB_COLORS, SRCCOPY);
    }
    DrawGrid(dc, placement);
    DrawEdges(dc);
}

void PreviewWindow::DrawGrid(HDC dc, const ImagePlacement& placement) const {
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, kGridColor));
    CSelectedObject selected(dc, pen.Get());
    const int32_t w = view_.width, h = view_.height;
    for (int k = 1;; ++k) {
        const int32_t x = int32_t(int64_t(k) * w * 100 / 1728);
        if (x >= w) break;
        const int32_t y0 = x > placement.drawWidth ? 0 : placement.drawHeight;
        if (y0 < h - 2) DrawLine(dc, x, y0, x, h - 2);
    }
    for (int k = 1;; ++k) {
        const int32_t y = int32_t(int64_t(k) * h * 100 / 2800);
        if (y >= h) break;
        const int32_t x0 = y > placement.drawHeight ? 0 : placement.drawWidth;
        if (x0 < w - 2) DrawLine(dc, x0, y, w - 2, y);
    }
}

void PreviewWindow::DrawEdges(HDC dc) const {
    HWND hwnd = GetSafeHwnd();
    if (!hwnd) return;
    const int32_t w = view_.width, h = view_.height;
    GdiObject<HPEN> gray(CreatePen(PS_SOLID, 1, RGB(128, 128, 128)));
    CSelectedObject selected(dc, GetStockObject(BLACK_PEN));
    if (HasEmptyRange(hwnd, SB_VERT)) {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawLine(dc, w - 1, 0, w - 1, h - 1);
        SelectObject(dc, gray.Get());
        DrawLine(dc, w - 2, 1, w - 2, h - 2);
    }
    if (HasEmptyRange(hwnd, SB_HORZ)) {
        SelectObject(dc, GetStockObject(BLACK_PEN));
        DrawLine(dc, 0, h - 1, w - 1, h - 1);
        SelectObject(dc, gray.Get());
        DrawLine(dc, 1, h - 2, w - 2, h - 2);
    }
}

void PreviewWindow::DrawFrame(HDC dc) const {
    const FrameOnWindow frame = FrameOnWindowOf(settings_, view_);
    GdiObject<HPEN> dotted(CreatePen(PS_DOT, 0, kFrameColor));
    CSelectedObject pen(dc, dotted.Get());
    CSelectedObject brush(dc, GetStockObject(NULL_BRUSH));
    SetBkMode(dc, TRANSPARENT);
    Rectangle(dc, frame.x1, frame.y1 + 1, frame.x2, frame.y2 + 1);
    GdiObject<HBRUSH> red(CreateSolidBrush(kFrameColor));
    for (const POINT& corner : frame.handles) {
        RECT square = {corner.x, corner.y, corner.x + 3, corner.y + 3};
        FillRect(dc, &square, red.Get());
    }
}

void PreviewWindow::Paint() {
    CPaintDC paint(GetSafeHwnd());
    HDC dc = paint.Get();
    if (!dc) return;
    if (!memory_ && EnsureOffscreen(dc)) Render();
    if (memory_) BitBlt(dc, 0, 0, view_.width, view_.height, memory_->Get(), 0, 0, SRCCOPY);
    DrawFrame(dc);
}

void PreviewWindow::ZoomBy(int step) {
    const int zoom = std::max(kMinZoom, std::min(kMaxZoom, view_.zoom + step));
    if (zoom == view_.zoom) return;
    HWND hwnd = GetSafeHwnd();
    if (!hasImage_) {
        view_.zoom = 1;
        view_.offsetX = view_.offsetY = 0;
        if (hwnd) {
            SetScrollRange(hwnd, SB_HORZ, 0, 0, TRUE);
            SetScrollRange(hwnd, SB_VERT, 0, 0, TRUE);
        }
    } else {
        const ZoomLayout layout = LayoutForZoom(image_, zoom, view_.offsetX, view_.offsetY);
        if (hwnd) {
            SetScrollRange(hwnd, SB_HORZ, 0, layout.maxX, FALSE);
            SetScrollRange(hwnd, SB_VERT, 0, layout.maxY, FALSE);
            SetScrollPos(hwnd, SB_HORZ, layout.positionX, TRUE);
            SetScrollPos(hwnd, SB_VERT, layout.positionY, TRUE);
        }
        view_.zoom = zoom;
        view_.offsetX = layout.offsetX;
        view_.offsetY = layout.offsetY;
    }
    UpdateRulers();
    Render();
    Invalidate(true);
}

void PreviewWindow::Scroll(int bar, int code, int thumb) {
    HWND hwnd = GetSafeHwnd();
    int low = 0, high = 0;
    GetScrollRange(hwnd, bar, &low, &high);
    const int position = GetScrollPos(hwnd, bar);
    const int next = ScrollPositionFor(code, position, thumb, high);
    if (next == position) return;
    (bar == SB_HORZ ? view_.offsetX : view_.offsetY) = next * kScrollStep / view_.zoom;
    UpdateRulers();
    SetScrollPos(hwnd, bar, next, TRUE);
    Render();
    Invalidate(true);
}

void PreviewWindow::SaveFrame() {
    savedFrame_[0] = settings_.Top;
    savedFrame_[1] = settings_.Bottom;
    savedFrame_[2] = settings_.Right;
    savedFrame_[3] = settings_.Left;
}

void PreviewWindow::RestoreFrame() {
    settings_.Top = savedFrame_[0];
    settings_.Bottom = savedFrame_[1];
    settings_.Right = savedFrame_[2];
    settings_.Left = savedFrame_[3];
}

void PreviewWindow::OnLeftButtonDown(POINT point) {
    const int hit = tracker_.HitTest(point);
    if (hit != CRectTracker::hitNothing) {
        TrackFrame(point, hit);
        return;
    }
    HWND hwnd = GetSafeHwnd();
    RECT screen;
    GetWindowRect(hwnd, &screen);
    ClipCursor(&screen);
    SaveFrame();
    dragging_ = true;
    firstCorner_ = point;
    secondCorner_ = point;
}

void PreviewWindow::OnMouseMove(POINT point) {
    if (!dragging_) return;
    secondCorner_ = point;
    FrameFromCorners(firstCorner_, secondCorner_, view_.width, view_.height, settings_);
    Invalidate(false);
}

void PreviewWindow::OnLeftButtonUp(POINT point) {
    if (!dragging_) return;
    dragging_ = false;
    secondCorner_ = point;
    ClipCursor(nullptr);
    FrameFromCorners(firstCorner_, secondCorner_, view_.width, view_.height, settings_);
    if (IsFrameTooSmall(settings_)) RestoreFrame();
    UpdateTrackerRect();
    NotifyFrameChanged();
    firstCorner_ = secondCorner_ = POINT{};
    UpdateLabels();
    Invalidate(false);
}

void PreviewWindow::TrackFrame(POINT point, int hit) {
    HWND hwnd = GetSafeHwnd();
    SaveFrame();
    RECT confine;
    GetClientRect(hwnd, &confine);
    if (hit == CRectTracker::hitMiddle) {
        // The whole frame stays inside the window while it moves.
        confine.left += point.x - tracker_.m_rect.left;
        confine.top += point.y - tracker_.m_rect.top;
        confine.right += point.x - tracker_.m_rect.right;
        confine.bottom += point.y - tracker_.m_rect.bottom;
    }
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&confine), 2);
    ClipCursor(&confine);
    tracker_.Track(hwnd, point, false);
    ClipCursor(nullptr);
    const RECT& tracked = tracker_.m_rect;
    FrameFromCorners(POINT{tracked.left, tracked.top}, POINT{tracked.right, tracked.bottom},
                     view_.width, view_.height, settings_);
    if (IsFrameTooSmall(settings_)) RestoreFrame();
    UpdateTrackerRect();
    NotifyFrameChanged();
    if (hit != CRectTracker::hitMiddle) UpdateLabels();
    Invalidate(true);
}

void PreviewWindow::ShowPaperSizeMenu(POINT point) {
    HWND hwnd = GetSafeHwnd();
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    std::string name;
    for (int index = 0;
         IDM_PREVIEW_PAPER_SIZE_FIRST + index <= IDM_PREVIEW_PAPER_SIZE_LAST &&
         GetPaperSizeName(GetLanguage(), index, name);
         ++index)
        AppendMenuA(menu, MF_STRING, IDM_PREVIEW_PAPER_SIZE_FIRST + index, name.c_str());
    ClientToScreen(hwnd, &point);
    TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, hwnd, nullptr);
    DestroyMenu(menu);
}

LRESULT PreviewWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_CREATE:
            LoadPreview();
            SetScrollRange(GetSafeHwnd(), SB_HORZ, 0, 0, FALSE);
            SetScrollRange(GetSafeHwnd(), SB_VERT, 0, 0, FALSE);
            view_.zoom = 1;
            view_.offsetX = view_.offsetY = 0;
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_HSCROLL:
        case WM_VSCROLL:
            Scroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam),
                   static_cast<int16_t>(HIWORD(wParam)));
            return 0;
        case WM_LBUTTONDOWN:
            if (mode_ == kPreviewZoomMode)
                ZoomBy(+1);
            else
                OnLeftButtonDown(point);
            return 0;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
            if (mode_ == kPreviewZoomMode) ZoomBy(message == WM_LBUTTONDBLCLK ? +1 : -1);
            break;
        case WM_RBUTTONDOWN:
            if (mode_ == kPreviewZoomMode)
                ZoomBy(-1);
            else
                ShowPaperSizeMenu(point);
            return 0;
        case WM_MOUSEMOVE:
            if (mode_ == kPreviewRangeMode) OnMouseMove(point);
            return 0;
        case WM_LBUTTONUP:
            if (mode_ == kPreviewRangeMode) OnLeftButtonUp(point);
            return 0;
        case WM_SETCURSOR:
            if (mode_ == kPreviewRangeMode && reinterpret_cast<HWND>(wParam) == GetSafeHwnd() &&
                tracker_.SetCursor(GetSafeHwnd(), LOWORD(lParam)))
                return TRUE;
            break;
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (id >= IDM_PREVIEW_PAPER_SIZE_FIRST && id <= IDM_PREVIEW_PAPER_SIZE_LAST) {
                SetPaperSize(id - (IDM_PREVIEW_PAPER_SIZE_FIRST - 1), &settings_);
                Refresh(kRefreshAfterFrame);
                NotifyFrameChanged();
                return 0;
            }
            break;
        }
        case WM_HELP:
            return SendMessageA(GetParent(GetSafeHwnd()), WM_HELP, wParam, lParam);
        case WM_CAPTURECHANGED:
        case WM_CANCELMODE:
            // A drag that loses the mouse ends where it was.
            if (dragging_) OnLeftButtonUp(secondCorner_);
            break;
        case WM_DESTROY:
            ClipCursor(nullptr);
            memory_.reset();
            break;
        default:
            break;
    }
    return Default(message, wParam, lParam);
}
