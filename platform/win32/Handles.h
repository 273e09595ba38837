#pragma once

#include <windows.h>

#include <commctrl.h>

#include <utility>

// One move-only owner type per kind of handle. Each frees its handle exactly once, and each kind
// counts the handles it owns right now, so that tests can prove nothing leaks (Wine's own
// handle and GDI counters are stubs).
namespace penderlin::platform {

template <typename Handle, void (*Free)(Handle)> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) { reset(handle); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Free(handle_);
            --live_;
        }
        handle_ = handle;
        if (handle_ != nullptr) {
            ++live_;
        }
    }

    static int LiveCount() { return live_; }

private:
    Handle handle_ = nullptr;
    static inline int live_ = 0;
};

template <typename GdiObject> void DeleteGdiObject(GdiObject object) {
    DeleteObject(object);
}
inline void DestroyWindowHandle(HWND window) {
    DestroyWindow(window);
}
inline void DestroyIconHandle(HICON icon) {
    DestroyIcon(icon);
}

using UniqueWindow = UniqueHandle<HWND, DestroyWindowHandle>;
using UniqueFont = UniqueHandle<HFONT, DeleteGdiObject<HFONT>>;
using UniqueBrush = UniqueHandle<HBRUSH, DeleteGdiObject<HBRUSH>>;
using UniqueBitmap = UniqueHandle<HBITMAP, DeleteGdiObject<HBITMAP>>;
using UniqueIcon = UniqueHandle<HICON, DestroyIconHandle>;

} // namespace penderlin::platform
