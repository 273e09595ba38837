#include "Layout.h"

#include <algorithm>

namespace penderlin::platform {

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::Button || kind == ControlKind::PictureButton;
}

std::wstring WithoutAccessKey(std::wstring_view caption) {
    std::wstring shown;
    for (size_t at = 0; at < caption.size(); ++at) {
        if (caption[at] == L'&') {
            ++at;
            if (at == caption.size()) {
                break;
            }
        }
        shown += caption[at];
    }
    return shown;
}

namespace {

int StackingRank(ControlKind kind) {
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::PictureButton:
        return 0;
    case ControlKind::Label:
        return 1;
    case ControlKind::Frame:
        return 2;
    }
    return 3;
}

} // namespace

std::vector<const ControlDescription*> CreationOrder(std::span<const ControlDescription> controls) {
    std::vector<const ControlDescription*> order;
    for (const ControlDescription& control : controls) {
        order.push_back(&control);
    }
    std::stable_sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
        const bool aInFrame = !a->container.empty();
        const bool bInFrame = !b->container.empty();
        if (aInFrame != bInFrame) {
            return bInFrame;
        }
        if (StackingRank(a->kind) != StackingRank(b->kind)) {
            return StackingRank(a->kind) < StackingRank(b->kind);
        }
        return a->tabIndex < b->tabIndex;
    });
    return order;
}

} // namespace penderlin::platform
