#include "RegistryStandIn.h"

#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using registry_standin::Access;

struct StandInKey;

namespace {

// Creating subkeys is writing too; the flags choosing a view are no access rights.
constexpr REGSAM kWriteAccess = KEY_SET_VALUE | 0x0004;
constexpr REGSAM kViewFlags = 0x0100 | KEY_WOW64_32KEY;

wchar_t FoldCase(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c;
}

bool SameName(std::wstring_view a, std::wstring_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](wchar_t x, wchar_t y) { return FoldCase(x) == FoldCase(y); });
}

// Windows compares key and value names without regard to case.
struct CaseInsensitiveLess {
    bool operator()(const std::wstring& a, const std::wstring& b) const {
        return std::lexicographical_compare(
            a.begin(), a.end(), b.begin(), b.end(),
            [](wchar_t x, wchar_t y) { return FoldCase(x) < FoldCase(y); });
    }
};

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct Node {
    std::map<std::wstring, std::shared_ptr<Node>, CaseInsensitiveLess> subkeys;
    std::map<std::wstring, Value, CaseInsensitiveLess> values;
    Access access = Access::Full;
};

struct OpenKey {
    std::shared_ptr<Node> node;
    REGSAM granted = 0;
};

struct State {
    std::shared_ptr<Node> localMachine = std::make_shared<Node>();
    // Open handles: the value of an HKEY is its number here, never a real address.
    std::map<std::uintptr_t, OpenKey> handles;
    std::uintptr_t nextHandle = 0x1000;
    std::function<void()> beforeNextDataQuery;
};

State& state() {
    static State instance;
    return instance;
}

std::optional<OpenKey> Resolve(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) {
        return OpenKey{state().localMachine, KEY_ALL_ACCESS};
    }
    const auto found = state().handles.find(reinterpret_cast<std::uintptr_t>(key));
    return found == state().handles.end() ? std::nullopt : std::optional(found->second);
}

HKEY NewHandle(OpenKey key) {
    const std::uintptr_t number = state().nextHandle;
    state().nextHandle += 4;
    state().handles.emplace(number, std::move(key));
    return reinterpret_cast<HKEY>(number);
}

// Splits "A\\B\\\\C\\" into A, B, C; a leading backslash makes the path invalid.
std::optional<std::vector<std::wstring>> SplitPath(LPCWSTR subKey) {
    std::vector<std::wstring> names;
    const std::wstring path = subKey == nullptr ? L"" : subKey;
    if (!path.empty() && path.front() == L'\\') {
        return std::nullopt;
    }
    std::wstring name;
    for (const wchar_t c : path) {
        if (c == L'\\') {
            if (!name.empty()) {
                names.push_back(std::move(name));
            }
            name.clear();
        } else {
            name += c;
        }
    }
    if (!name.empty()) {
        names.push_back(std::move(name));
    }
    return names;
}

std::wstring ValueName(LPCWSTR name) {
    return name == nullptr ? L"" : name;
}

// Walks or builds the path below node, telling whether it made any key. With checks, a key that
// refuses opening stops the walk, and so does a missing key that may not be made.
LONG Walk(std::shared_ptr<Node>& node, const std::vector<std::wstring>& names, bool create,
          bool checks, bool& created) {
    for (const std::wstring& name : names) {
        if (checks && node->access == Access::None) {
            return ERROR_ACCESS_DENIED;
        }
        auto found = node->subkeys.find(name);
        if (found == node->subkeys.end()) {
            if (!create) {
                return ERROR_FILE_NOT_FOUND;
            }
            if (checks && node->access != Access::Full) {
                return ERROR_ACCESS_DENIED;
            }
            auto child = std::make_shared<Node>();
            child->access = node->access;
            found = node->subkeys.emplace(name, std::move(child)).first;
            created = true;
        }
        node = found->second;
    }
    return ERROR_SUCCESS;
}

// The rules of RegOpenKeyExW and RegCreateKeyExW in one place.
LONG OpenOrCreate(HKEY key, LPCWSTR subKey, REGSAM access, PHKEY result, bool create,
                  LPDWORD disposition) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = nullptr;
    const std::optional<OpenKey> parent = Resolve(key);
    if (!parent) {
        return ERROR_INVALID_HANDLE;
    }
    auto names = SplitPath(subKey);
    if (!names) {
        return ERROR_BAD_PATHNAME;
    }
    if (key == HKEY_LOCAL_MACHINE && (access & KEY_WOW64_32KEY) != 0 && !names->empty() &&
        SameName(names->front(), L"Software")) {
        names->insert(names->begin() + 1, L"Wow6432Node");
    }
    std::shared_ptr<Node> node = parent->node;
    bool created = false;
    if (const LONG walked = Walk(node, *names, create, true, created); walked != ERROR_SUCCESS) {
        return walked;
    }
    if (node->access == Access::None ||
        (node->access == Access::ReadOnly && (access & kWriteAccess) != 0)) {
        return ERROR_ACCESS_DENIED;
    }
    if (disposition != nullptr) {
        *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    }
    *result = NewHandle(OpenKey{std::move(node), access & ~kViewFlags});
    return ERROR_SUCCESS;
}

void SetAccessBelow(Node& node, Access access) {
    node.access = access;
    for (auto& [name, child] : node.subkeys) {
        SetAccessBelow(*child, access);
    }
}

} // namespace

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM access, PHKEY result) {
    if (options != 0) {
        return ERROR_INVALID_PARAMETER;
    }
    return OpenOrCreate(key, subKey, access, result, false, nullptr);
}

LONG RegCreateKeyExW(HKEY key, LPCWSTR subKey, DWORD reserved, LPWSTR, DWORD options, REGSAM access,
                     LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
    if (reserved != 0 || options != REG_OPTION_NON_VOLATILE) {
        return ERROR_INVALID_PARAMETER;
    }
    return OpenOrCreate(key, subKey, access, result, true, disposition);
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize) {
    const std::optional<OpenKey> open = Resolve(key);
    if (!open) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    if ((open->granted & KEY_QUERY_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    if (data != nullptr && state().beforeNextDataQuery) {
        std::exchange(state().beforeNextDataQuery, nullptr)();
    }
    const auto found = open->node->values.find(ValueName(valueName));
    if (found == open->node->values.end()) {
        return ERROR_FILE_NOT_FOUND;
    }
    const Value& value = found->second;
    const auto size = static_cast<DWORD>(value.data.size());
    if (type != nullptr) {
        *type = value.type;
    }
    if (data != nullptr) {
        // Like Windows: a buffer too small is left untouched and told the size it needs.
        if (*dataSize < size) {
            *dataSize = size;
            return ERROR_MORE_DATA;
        }
        std::copy(value.data.begin(), value.data.end(), data);
    }
    if (dataSize != nullptr) {
        *dataSize = size;
    }
    return ERROR_SUCCESS;
}

LONG RegSetValueExW(HKEY key, LPCWSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize) {
    const std::optional<OpenKey> open = Resolve(key);
    if (!open) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != 0 || (data == nullptr && dataSize != 0)) {
        return ERROR_INVALID_PARAMETER;
    }
    if ((open->granted & KEY_SET_VALUE) == 0) {
        return ERROR_ACCESS_DENIED;
    }
    Value& value = open->node->values[ValueName(valueName)];
    value.type = type;
    value.data.assign(data, data + dataSize);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) {
        return ERROR_SUCCESS;
    }
    return state().handles.erase(reinterpret_cast<std::uintptr_t>(key)) == 1 ? ERROR_SUCCESS
                                                                             : ERROR_INVALID_HANDLE;
}

LONG RegDeleteTreeW(HKEY key, LPCWSTR subKey) {
    const std::optional<OpenKey> open = Resolve(key);
    if (!open) {
        return ERROR_INVALID_HANDLE;
    }
    auto names = SplitPath(subKey);
    if (!names || names->empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    const std::wstring last = std::move(names->back());
    names->pop_back();
    std::shared_ptr<Node> parent = open->node;
    bool created = false;
    if (const LONG walked = Walk(parent, *names, false, false, created); walked != ERROR_SUCCESS) {
        return walked;
    }
    return parent->subkeys.erase(last) == 1 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

namespace registry_standin {

void Reset() {
    state() = State{};
}

std::size_t OpenHandleCount() {
    return state().handles.size();
}

void SetAccess(std::wstring_view keyPath, Access access) {
    const std::wstring path(keyPath);
    std::shared_ptr<Node> node = state().localMachine;
    bool created = false;
    if (const auto names = SplitPath(path.c_str());
        names && Walk(node, *names, true, false, created) == ERROR_SUCCESS) {
        SetAccessBelow(*node, access);
    }
}

void BeforeNextDataQuery(std::function<void()> action) {
    state().beforeNextDataQuery = std::move(action);
}

} // namespace registry_standin
