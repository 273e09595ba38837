#include "RegistryStandIn.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

using registry_standin::Access;

struct StandInKey;

namespace {

// Windows compares key and value names without regard to case.
struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) {
                                                return std::toupper(static_cast<unsigned char>(x)) <
                                                       std::toupper(static_cast<unsigned char>(y));
                                            });
    }
};

struct Value {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct Node {
    std::map<std::string, std::shared_ptr<Node>, CaseInsensitiveLess> subkeys;
    std::map<std::string, Value, CaseInsensitiveLess> values;
    Access access = Access::Full;
};

struct State {
    std::shared_ptr<Node> localMachine = std::make_shared<Node>();
    // Open handles: the value of an HKEY is its number here, never a real address.
    std::map<std::uintptr_t, std::shared_ptr<Node>> handles;
    std::uintptr_t nextHandle = 0x1000;
    std::function<void()> beforeNextDataQuery;
};

State& state() {
    static State instance;
    return instance;
}

std::shared_ptr<Node> Resolve(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) {
        return state().localMachine;
    }
    const auto found = state().handles.find(reinterpret_cast<std::uintptr_t>(key));
    return found == state().handles.end() ? nullptr : found->second;
}

HKEY NewHandle(std::shared_ptr<Node> node) {
    const std::uintptr_t number = state().nextHandle;
    state().nextHandle += 4;
    state().handles.emplace(number, std::move(node));
    return reinterpret_cast<HKEY>(number);
}

// Splits "A\\B\\\\C\\" into A, B, C; a leading backslash makes the path invalid.
std::optional<std::vector<std::string>> SplitPath(LPCSTR subKey) {
    std::vector<std::string> names;
    const std::string path = subKey == nullptr ? "" : subKey;
    if (!path.empty() && path.front() == '\\') {
        return std::nullopt;
    }
    std::string name;
    for (const char c : path) {
        if (c == '\\') {
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

std::string ValueName(LPCSTR name) {
    return name == nullptr ? "" : name;
}

// Walks or builds the path below key; the rules of RegOpenKeyA and RegCreateKeyA in one place.
LONG OpenOrCreate(HKEY key, LPCSTR subKey, PHKEY result, bool create) {
    if (result == nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    *result = nullptr;
    std::shared_ptr<Node> node = Resolve(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    const auto names = SplitPath(subKey);
    if (!names) {
        return ERROR_BAD_PATHNAME;
    }
    for (const std::string& name : *names) {
        if (node->access == Access::None) {
            return ERROR_ACCESS_DENIED;
        }
        auto found = node->subkeys.find(name);
        if (found == node->subkeys.end()) {
            if (!create) {
                return ERROR_FILE_NOT_FOUND;
            }
            if (node->access != Access::Full) {
                return ERROR_ACCESS_DENIED;
            }
            auto child = std::make_shared<Node>();
            child->access = node->access;
            found = node->subkeys.emplace(name, std::move(child)).first;
        }
        node = found->second;
    }
    if (node->access == Access::None) {
        return ERROR_ACCESS_DENIED;
    }
    *result = NewHandle(std::move(node));
    return ERROR_SUCCESS;
}

void SetAccessBelow(Node& node, Access access) {
    node.access = access;
    for (auto& [name, child] : node.subkeys) {
        SetAccessBelow(*child, access);
    }
}

} // namespace

LONG RegOpenKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
    return OpenOrCreate(key, subKey, result, false);
}

LONG RegCreateKeyA(HKEY key, LPCSTR subKey, PHKEY result) {
    return OpenOrCreate(key, subKey, result, true);
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize) {
    const std::shared_ptr<Node> node = Resolve(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr)) {
        return ERROR_INVALID_PARAMETER;
    }
    if (data != nullptr && state().beforeNextDataQuery) {
        std::exchange(state().beforeNextDataQuery, nullptr)();
    }
    const auto found = node->values.find(ValueName(valueName));
    if (found == node->values.end()) {
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

LONG RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataSize) {
    const std::shared_ptr<Node> node = Resolve(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    if (reserved != 0 || (data == nullptr && dataSize != 0)) {
        return ERROR_INVALID_PARAMETER;
    }
    if (node->access != Access::Full) {
        return ERROR_ACCESS_DENIED;
    }
    Value& value = node->values[ValueName(valueName)];
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

LONG RegDeleteTreeA(HKEY key, LPCSTR subKey) {
    const std::shared_ptr<Node> node = Resolve(key);
    if (!node) {
        return ERROR_INVALID_HANDLE;
    }
    const auto names = SplitPath(subKey);
    if (!names || names->empty()) {
        return ERROR_INVALID_PARAMETER;
    }
    Node* parent = node.get();
    for (size_t i = 0; i + 1 < names->size(); ++i) {
        const auto found = parent->subkeys.find((*names)[i]);
        if (found == parent->subkeys.end()) {
            return ERROR_FILE_NOT_FOUND;
        }
        parent = found->second.get();
    }
    return parent->subkeys.erase(names->back()) == 1 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

namespace registry_standin {

void Reset() {
    state() = State{};
}

std::size_t OpenHandleCount() {
    return state().handles.size();
}

void SetAccess(std::string_view keyPath, Access access) {
    const std::string path(keyPath);
    HKEY key = nullptr;
    if (RegCreateKeyA(HKEY_LOCAL_MACHINE, path.c_str(), &key) == ERROR_SUCCESS) {
        SetAccessBelow(*Resolve(key), access);
        RegCloseKey(key);
    }
}

void BeforeNextDataQuery(std::function<void()> action) {
    state().beforeNextDataQuery = std::move(action);
}

} // namespace registry_standin
