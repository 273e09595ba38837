#pragma once

#include <windows.h>

namespace penderlin::platform {

// Calls `watch` with every message of this thread's windows while it lives: as each is sent
// (WH_CALLWNDPROC, with a CWPSTRUCT), or once each has been handled (WH_CALLWNDPROCRET, with a
// CWPRETSTRUCT). One of a kind at a time: the hook procedure knows no other way to its watcher.
template <int Kind, typename Message> class MessageHook {
public:
    using Watcher = void (*)(const Message& message);
    explicit MessageHook(Watcher watch) {
        watch_ = watch;
        hook_ = SetWindowsHookExW(Kind, Hook, nullptr, GetCurrentThreadId());
    }
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;
    ~MessageHook() { UnhookWindowsHookEx(hook_); }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION) {
            watch_(*reinterpret_cast<const Message*>(lParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HHOOK hook_ = nullptr;
    static inline Watcher watch_ = nullptr;
};

using SentMessages = MessageHook<WH_CALLWNDPROC, CWPSTRUCT>;
using HandledMessages = MessageHook<WH_CALLWNDPROCRET, CWPRETSTRUCT>;

} // namespace penderlin::platform
