#pragma once

#include <utility>

// The one owner type for every kind of handle, registry keys as windows and GDI objects: the
// handle's type, the function that frees it and the value that means "none" name the kind, as in
// UniqueHandle<HKEY, RegCloseKey>. Each owner frees its handle exactly once, and each kind counts
// the handles it owns right now, so that tests can prove nothing leaks (Wine's own handle and GDI
// counters are stubs).
namespace penderlin::platform {

template <typename Handle, auto Close, Handle Invalid = Handle{}> class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) { reset(handle); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Invalid)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = std::exchange(other.handle_, Invalid);
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != Invalid; }

    void reset(Handle handle = Invalid) {
        if (handle_ != Invalid) {
            Close(handle_);
            --live_;
        }
        handle_ = handle;
        if (handle_ != Invalid) {
            ++live_;
        }
    }

    // The place where a function that opens or creates a handle writes it, as in
    // RegOpenKeyExW(root, path, 0, access, key.put()). What the owner held is freed first; the
    // new handle is owned, and counted, from the end of that full expression.
    class OutParam {
    public:
        explicit OutParam(UniqueHandle& owner) : owner_(owner) {}
        OutParam(const OutParam&) = delete;
        OutParam& operator=(const OutParam&) = delete;
        ~OutParam() {
            if (owner_.handle_ != Invalid) {
                ++live_;
            }
        }
        operator Handle*() const { return &owner_.handle_; }

    private:
        UniqueHandle& owner_;
    };
    OutParam put() {
        reset();
        return OutParam(*this);
    }

    static int LiveCount() { return live_; }

private:
    Handle handle_ = Invalid;
    static inline int live_ = 0;
};

} // namespace penderlin::platform
