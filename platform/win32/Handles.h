#pragma once

#include "platform/UniqueHandle.h"

#include <windows.h>

#include <commctrl.h>

// The owner type of each kind of Win32 handle the program and its test tools hold.
namespace penderlin::platform {

namespace detail {
template <typename GdiObject> void DeleteGdiObject(GdiObject object) {
    DeleteObject(object);
}
inline void DestroyWindowHandle(HWND window) {
    DestroyWindow(window);
}
inline void DestroyIconHandle(HICON icon) {
    DestroyIcon(icon);
}
inline void DeleteMemoryDc(HDC dc) {
    DeleteDC(dc);
}
inline void DestroyImageList(HIMAGELIST list) {
    ImageList_Destroy(list);
}
} // namespace detail

using UniqueWindow = UniqueHandle<HWND, detail::DestroyWindowHandle>;
using UniqueFont = UniqueHandle<HFONT, detail::DeleteGdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, detail::DeleteGdiObject<HBRUSH>>;
using UniqueBitmap = UniqueHandle<HBITMAP, detail::DeleteGdiObject<HBITMAP>>;
using UniqueIcon = UniqueHandle<HICON, detail::DestroyIconHandle>;
// A DC of CreateCompatibleDC's.
using UniqueMemoryDc = UniqueHandle<HDC, detail::DeleteMemoryDc>;
using UniqueImageList = UniqueHandle<HIMAGELIST, detail::DestroyImageList>;

} // namespace penderlin::platform
