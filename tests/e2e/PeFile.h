#pragma once

// A 64-bit Windows program or DLL read from its file: the DLLs it imports, with the functions it
// takes from each, and its load configuration.
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace penderlin::e2e {

inline std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return text;
}

class PeFile {
public:
    explicit PeFile(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(file), {});
        if (bytes_.size() < sizeof(IMAGE_DOS_HEADER) ||
            At<IMAGE_DOS_HEADER>(0).e_magic != IMAGE_DOS_SIGNATURE) {
            return;
        }
        const auto headers = static_cast<size_t>(At<IMAGE_DOS_HEADER>(0).e_lfanew);
        if (headers + sizeof(IMAGE_NT_HEADERS64) > bytes_.size()) {
            return;
        }
        const auto& nt = At<IMAGE_NT_HEADERS64>(headers);
        if (nt.Signature == IMAGE_NT_SIGNATURE &&
            nt.OptionalHeader.Magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
            nt_ = &nt;
        }
    }

    // A 64-bit PE file, as far as its headers tell.
    bool Valid() const { return nt_ != nullptr; }
    const IMAGE_NT_HEADERS64& Headers() const { return *nt_; }

    // Each imported DLL's upper-cased name, with the names of the functions taken from it.
    std::vector<std::pair<std::string, std::set<std::string>>> Imports() const {
        std::vector<std::pair<std::string, std::set<std::string>>> imports;
        const auto entry = Directory(IMAGE_DIRECTORY_ENTRY_IMPORT);
        for (size_t at = entry.value_or(0); entry; at += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto& descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(at);
            if (descriptor.Name == 0) {
                break;
            }
            std::set<std::string> functions;
            // Some linkers leave the lookup table out and name the functions in the address table.
            const DWORD lookup = descriptor.OriginalFirstThunk != 0 ? descriptor.OriginalFirstThunk
                                                                    : descriptor.FirstThunk;
            for (auto thunk = Offset(lookup); thunk; *thunk += sizeof(ULONGLONG)) {
                const auto value = At<ULONGLONG>(*thunk);
                if (value == 0) {
                    break;
                }
                if ((value & IMAGE_ORDINAL_FLAG64) == 0) {
                    if (const auto name = Offset(static_cast<DWORD>(value))) {
                        functions.insert(&At<IMAGE_IMPORT_BY_NAME>(*name).Name[0]);
                    }
                }
            }
            if (const auto name = Offset(descriptor.Name)) {
                imports.emplace_back(Upper(&At<char>(*name)), functions);
            }
        }
        return imports;
    }

    // The load configuration directory's entry, and the structure it points at, if any.
    const IMAGE_DATA_DIRECTORY& LoadConfigurationEntry() const {
        return nt_->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG];
    }
    std::optional<IMAGE_LOAD_CONFIG_DIRECTORY64> LoadConfiguration() const {
        const auto at = Directory(IMAGE_DIRECTORY_ENTRY_LOAD_CONFIG);
        if (!at || *at + sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64) > bytes_.size()) {
            return std::nullopt;
        }
        IMAGE_LOAD_CONFIG_DIRECTORY64 configuration{};
        std::memcpy(&configuration, bytes_.data() + *at, sizeof(configuration));
        return configuration;
    }

private:
    template <typename T> const T& At(size_t offset) const {
        return *reinterpret_cast<const T*>(bytes_.data() + offset);
    }

    // The file offset of a relative virtual address, if a section holds it.
    std::optional<size_t> Offset(DWORD rva) const {
        const auto* section = IMAGE_FIRST_SECTION(nt_);
        for (WORD i = 0; i < nt_->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->Misc.VirtualSize) {
                const size_t offset = rva - section->VirtualAddress + section->PointerToRawData;
                return offset < bytes_.size() ? std::optional(offset) : std::nullopt;
            }
        }
        return std::nullopt;
    }

    std::optional<size_t> Directory(int index) const {
        const IMAGE_DATA_DIRECTORY& entry = nt_->OptionalHeader.DataDirectory[index];
        return entry.VirtualAddress != 0 ? Offset(entry.VirtualAddress) : std::nullopt;
    }

    std::string bytes_;
    const IMAGE_NT_HEADERS64* nt_ = nullptr;
};

} // namespace penderlin::e2e
