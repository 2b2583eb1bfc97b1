#include "tools/twain_client/transfers.h"

#include "tools/twain_client/bmp_output.h"
#include "tools/twain_client/fix32_values.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void PrintImageInfo(const TW_IMAGEINFO& info) {
    std::printf("image information: %ld x %ld pixels, %d bits per pixel, pixel type %d, "
                "%g x %g dpi\n",
                static_cast<long>(info.ImageWidth), static_cast<long>(info.ImageLength),
                info.BitsPerPixel, info.PixelType, FromFix32(info.XResolution),
                FromFix32(info.YResolution));
}

void PrintImageLayout(DsmSession& session) {
    TW_IMAGELAYOUT layout{};
    if (session.ToSource(DG_IMAGE, DAT_IMAGELAYOUT, MSG_GET, &layout) != TWRC_SUCCESS) {
        std::printf("image layout: not available, condition %u\n", session.SourceCondition());
        return;
    }
    std::printf("image layout: %.3f,%.3f,%.3f,%.3f inches\n", FromFix32(layout.Frame.Left),
                FromFix32(layout.Frame.Top), FromFix32(layout.Frame.Right), FromFix32(layout.Frame.Bottom));
}

TW_UINT16 Native(DsmSession& session, const std::string& path, bool& written) {
    TW_MEMREF handle = nullptr;
    TW_UINT16 rc = session.ToSource(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle);
    if (rc != TWRC_XFERDONE || !handle) return rc;
    // The application owns the DIB from here on.
    HGLOBAL dib = static_cast<HGLOBAL>(handle);
    const void* bytes = GlobalLock(dib);
    const size_t size = bytes ? PackedDibBytes(*static_cast<const BITMAPINFOHEADER*>(bytes)) : 0;
    written = size > 0 && size <= GlobalSize(dib) && WriteDibFile(path, bytes, size);
    if (bytes) GlobalUnlock(dib);
    GlobalFree(dib);
    return rc;
}

TW_UINT16 File(DsmSession& session, const std::string& path, bool& written) {
    TW_SETUPFILEXFER setup{};
    std::strncpy(setup.FileName, path.c_str(), sizeof setup.FileName - 1);
    setup.Format = TWFF_BMP;
    TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup);
    if (rc != TWRC_SUCCESS) return rc;
    rc = session.ToSource(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
    written = rc == TWRC_XFERDONE && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    return rc;
}

TW_UINT16 Memory(DsmSession& session, const TW_IMAGEINFO& info, const std::string& path, bool& written) {
    TW_SETUPMEMXFER setup{};
    TW_UINT16 rc = session.ToSource(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup);
    if (rc != TWRC_SUCCESS) return rc;
    std::vector<uint8_t> buffer(setup.Preferred ? setup.Preferred : setup.MaxBufSize);
    std::vector<uint8_t> image;
    int32_t stride = 0;
    int32_t rows = 0;
    int buffers = 0;
    for (;;) {
        TW_IMAGEMEMXFER block{};
        block.Memory.Flags = TWMF_APPOWNS | TWMF_POINTER;
        block.Memory.Length = static_cast<TW_UINT32>(buffer.size());
        block.Memory.TheMem = buffer.data();
        rc = session.ToSource(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &block);
        if (rc != TWRC_SUCCESS && rc != TWRC_XFERDONE) return rc;
        ++buffers;
        stride = static_cast<int32_t>(block.BytesPerRow);
        const size_t end = static_cast<size_t>(block.YOffset + block.Rows) * stride;
        if (image.size() < end) image.resize(end);
        std::memcpy(image.data() + static_cast<size_t>(block.YOffset) * stride, buffer.data(),
                    static_cast<size_t>(block.Rows) * stride);
        rows = static_cast<int32_t>(block.YOffset + block.Rows);
        if (rc == TWRC_XFERDONE) break;
    }
    std::printf("memory transfer: %d buffers of up to %zu bytes, %ld rows\n", buffers, buffer.size(),
                static_cast<long>(rows));
    written = WriteRowsFile(path, info.BitsPerPixel, info.ImageWidth, rows, stride, image,
                            info.XResolution.Whole);
    return rc;
}

}  // namespace

TW_UINT16 TransferPage(DsmSession& session, TW_UINT16 mechanism, const std::string& path, bool& written) {
    written = false;
    TW_IMAGEINFO info{};
    TW_UINT16 rc = session.ToSource(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info);
    if (rc != TWRC_SUCCESS) return rc;
    PrintImageInfo(info);
    PrintImageLayout(session);
    switch (mechanism) {
    case TWSX_FILE:
        return File(session, path, written);
    case TWSX_MEMORY:
        return Memory(session, info, path, written);
    default:
        return Native(session, path, written);
    }
}
