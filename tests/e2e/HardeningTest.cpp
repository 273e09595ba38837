// Checks the built penderlin.exe itself: the protections Windows applies at load time, its
// checksum, the DLLs it imports, and the resources it must carry. Run again on the signed release.
#include "Driver.h"

#include <gtest/gtest.h>
#include <imagehlp.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using penderlin::e2e::ProgramPath;

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    });
    return text;
}

// penderlin.exe's bytes, read as a PE file.
class ProgramImage : public testing::Test {
protected:
    void SetUp() override {
        std::ifstream file(std::filesystem::path(ProgramPath()), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(file), {});
        ASSERT_GT(bytes.size(), sizeof(IMAGE_DOS_HEADER));
        const auto& dos = At<IMAGE_DOS_HEADER>(0);
        ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
        nt = &At<IMAGE_NT_HEADERS64>(static_cast<size_t>(dos.e_lfanew));
        ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
        ASSERT_EQ(nt->OptionalHeader.Magic, IMAGE_NT_OPTIONAL_HDR64_MAGIC);
    }

    template <typename T> const T& At(size_t offset) const {
        return *reinterpret_cast<const T*>(bytes.data() + offset);
    }

    // The file offset of a relative virtual address.
    size_t Offset(DWORD rva) const {
        const auto* section = IMAGE_FIRST_SECTION(nt);
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section) {
            if (rva >= section->VirtualAddress &&
                rva < section->VirtualAddress + section->Misc.VirtualSize) {
                return rva - section->VirtualAddress + section->PointerToRawData;
            }
        }
        ADD_FAILURE() << "address outside every section";
        return 0;
    }

    // Each imported DLL's upper-cased name, with the names of the functions taken from it.
    std::vector<std::pair<std::string, std::set<std::string>>> Imports() const {
        std::vector<std::pair<std::string, std::set<std::string>>> imports;
        const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
        for (size_t entry = Offset(directory.VirtualAddress);;
             entry += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
            const auto& descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(entry);
            if (descriptor.Name == 0) {
                break;
            }
            std::set<std::string> functions;
            for (size_t thunk = Offset(descriptor.OriginalFirstThunk);;
                 thunk += sizeof(ULONGLONG)) {
                const auto value = At<ULONGLONG>(thunk);
                if (value == 0) {
                    break;
                }
                if ((value & IMAGE_ORDINAL_FLAG64) == 0) {
                    functions.insert(
                        &At<IMAGE_IMPORT_BY_NAME>(Offset(static_cast<DWORD>(value))).Name[0]);
                }
            }
            imports.emplace_back(Upper(&At<char>(Offset(descriptor.Name))), functions);
        }
        return imports;
    }

    std::string bytes;
    const IMAGE_NT_HEADERS64* nt = nullptr;
};

TEST_F(ProgramImage, LoadsWithAddressRandomizationAndNoExecutableData) {
    const WORD characteristics = nt->OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// The header's checksum is the one Windows computes from the file's bytes: the linker sets it,
// and signing, which appends to the file, must set it again.
TEST_F(ProgramImage, CarriesTheChecksumOfItsBytes) {
    DWORD inHeader = 0;
    DWORD computed = 0;
    ASSERT_EQ(MapFileAndCheckSumW(ProgramPath().c_str(), &inHeader, &computed), CHECKSUM_SUCCESS);
    EXPECT_NE(inHeader, 0u);
    EXPECT_EQ(inHeader, computed);
}

TEST_F(ProgramImage, ImportsOnlyWindowsOwnDllsAndLoadsThemFromSystem32) {
    const std::set<std::string> windowsDlls = {"KERNEL32.DLL", "USER32.DLL",   "GDI32.DLL",
                                               "COMCTL32.DLL", "ADVAPI32.DLL", "MSVCRT.DLL",
                                               "UXTHEME.DLL",  "OLE32.DLL"};
    bool setsDllDirectories = false;
    for (const auto& [dll, functions] : Imports()) {
        EXPECT_TRUE(windowsDlls.count(dll)) << dll;
        setsDllDirectories |= dll == "KERNEL32.DLL" && functions.count("SetDefaultDllDirectories");
    }
    EXPECT_TRUE(setsDllDirectories);
}

// Registry text goes through the W functions only: an A function would pass it through the ANSI
// code page, which may lack its characters.
TEST_F(ProgramImage, ReachesTheRegistryThroughItsWideFunctionsOnly) {
    std::set<std::string> registryFunctions;
    for (const auto& [dll, functions] : Imports()) {
        if (dll == "ADVAPI32.DLL") {
            registryFunctions = functions;
        }
    }
    for (const char* ansi : {"RegOpenKeyA", "RegOpenKeyExA", "RegQueryValueExA", "RegCreateKeyA",
                             "RegCreateKeyExA", "RegSetValueExA"}) {
        EXPECT_FALSE(registryFunctions.count(ansi)) << ansi;
    }
    for (const char* wide : {"RegOpenKeyExW", "RegQueryValueExW", "RegCreateKeyExW",
                             "RegSetValueExW", "RegCloseKey"}) {
        EXPECT_TRUE(registryFunctions.count(wide)) << wide;
    }
}

TEST_F(ProgramImage, CarriesItsManifest) {
    const HMODULE module = LoadLibraryExW(
        ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(module, nullptr);
    const HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(resource, nullptr);
    const std::string manifest(
        static_cast<const char*>(LockResource(LoadResource(module, resource))),
        SizeofResource(module, resource));
    for (const char* setting :
         {"highestAvailable", ">UTF-8<", ">PerMonitorV2, PerMonitor<",
          "Microsoft.Windows.Common-Controls", "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"}) {
        EXPECT_NE(manifest.find(setting), std::string::npos) << setting;
    }
    FreeLibrary(module);
}

} // namespace
