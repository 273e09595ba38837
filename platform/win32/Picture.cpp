#include "Picture.h"

#include "Gdi.h"
#include "ProgramResource.h"

#include <algorithm>

namespace penderlin::platform {

namespace {

// A BITMAP resource is a packed DIB: its header, its colour table, then its pixels.
struct PackedDib {
    const BITMAPINFO* info = nullptr;
    const void* pixels = nullptr;
};

PackedDib FindPackedDib(int resourceId) {
    const auto resource = ProgramResource(resourceId, RT_BITMAP);
    if (resource.empty()) {
        return {};
    }
    const auto* info = reinterpret_cast<const BITMAPINFO*>(resource.data());
    const BITMAPINFOHEADER& header = info->bmiHeader;
    DWORD colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8) {
        colours = 1u << header.biBitCount;
    }
    const DWORD masks = header.biCompression == BI_BITFIELDS ? 3 : 0;
    const auto* bytes = reinterpret_cast<const BYTE*>(info);
    return {info, bytes + header.biSize + (colours + masks) * sizeof(RGBQUAD)};
}

} // namespace

ScaledPicture::ScaledPicture(int resourceId, const Scale& scale, PixelSize limit) {
    const PackedDib dib = FindPackedDib(resourceId);
    if (dib.info == nullptr) {
        return;
    }
    const LONG width = dib.info->bmiHeader.biWidth;
    const LONG height = std::abs(dib.info->bmiHeader.biHeight);
    // The source pixels that can show, and what they cover at this scale.
    const int sourceWidth = std::min<int>(width, scale.ToPixelsAt96(limit.width) + 1);
    const int sourceHeight = std::min<int>(height, scale.ToPixelsAt96(limit.height) + 1);
    size_ = {scale.FromPixelsAt96(sourceWidth), scale.FromPixelsAt96(sourceHeight)};

    const WindowDc screen(nullptr);
    bitmap_.reset(CreateCompatibleBitmap(screen.get(), size_.cx, size_.cy));
    const UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
    const SelectedObject selected(memory.get(), bitmap_.get());
    SetStretchBltMode(memory.get(), COLORONCOLOR);
    // A bottom-up DIB, as resources are, counts its source rows from the bottom.
    const int sourceTop = dib.info->bmiHeader.biHeight > 0 ? height - sourceHeight : 0;
    StretchDIBits(memory.get(), 0, 0, size_.cx, size_.cy, 0, sourceTop, sourceWidth, sourceHeight,
                  dib.pixels, dib.info, DIB_RGB_COLORS, SRCCOPY);
}

void ScaledPicture::Paint(HDC dc, const RECT& area, std::optional<COLORREF> transparent) const {
    const RECT picture{0, 0, size_.cx, size_.cy};
    RECT target{};
    if (!bitmap_ || !IntersectRect(&target, &area, &picture)) {
        return;
    }
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const SelectedObject selected(memory.get(), bitmap_.get());
    if (transparent) {
        GdiTransparentBlt(dc, target.left, target.top, width, height, memory.get(), target.left,
                          target.top, width, height, *transparent);
    } else {
        BitBlt(dc, target.left, target.top, width, height, memory.get(), target.left, target.top,
               SRCCOPY);
    }
}

} // namespace penderlin::platform
