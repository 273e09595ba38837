#pragma once

#include "SystemLibraries.h"
#include "platform/UniqueHandle.h"

#include <windows.h>

// The owner type of each kind of Win32 handle the program and its test tools hold.
namespace penderlin::platform {

using UniqueWindow = UniqueHandle<HWND, DestroyWindow>;
using UniqueFont = UniqueHandle<HFONT, DeleteObject>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteObject>;
using UniqueIcon = UniqueHandle<HICON, DestroyIcon>;
// A DC of CreateCompatibleDC's.
using UniqueMemoryDc = UniqueHandle<HDC, DeleteDC>;
// A visual style's data for one class of control, opened through LoadVisualStyles.
inline void CloseTheme(HTHEME theme) {
    LoadVisualStyles()->CloseThemeData(theme);
}
using UniqueTheme = UniqueHandle<HTHEME, CloseTheme>;
// A COM object's interface, released once.
template <typename Interface> void ReleaseInterface(Interface* object) {
    object->Release();
}
template <typename Interface>
using UniqueInterface = UniqueHandle<Interface*, ReleaseInterface<Interface>>;

} // namespace penderlin::platform
