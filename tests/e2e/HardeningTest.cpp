// Checks the built penderlin.exe itself: the protections Windows applies at load time, its
// checksum, the DLLs it imports, and the resources it must carry. Run again on the signed release.
#include "Driver.h"
#include "KnownDlls.h"
#include "PeFile.h"

#include <gtest/gtest.h>
#include <imagehlp.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

namespace {

using penderlin::e2e::IsKnownDll;
using penderlin::e2e::PeFile;
using penderlin::e2e::ProgramPath;

// penderlin.exe's bytes, read as a PE file.
class ProgramImage : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(program.Valid()); }

    const PeFile program{std::filesystem::path(ProgramPath())};
    const IMAGE_NT_HEADERS64* nt = program.Valid() ? &program.Headers() : nullptr;
};

TEST_F(ProgramImage, LoadsWithAddressRandomizationAndNoExecutableData) {
    const WORD characteristics = nt->OptionalHeader.DllCharacteristics;
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE);
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_HIGH_ENTROPY_VA);
    EXPECT_TRUE(characteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT);
    EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

// The Windows it needs, as the header says it: Windows 10, whose per-DPI functions it calls. An
// older Windows then refuses it plainly rather than failing to find an entry point, and Windows
// gives it the frame metrics of current programs (the padded border), which it gives no image
// older than 6.0.
TEST_F(ProgramImage, ClaimsTheWindowsItNeeds) {
    const IMAGE_OPTIONAL_HEADER64& header = nt->OptionalHeader;
    EXPECT_EQ(header.MajorSubsystemVersion, 10);
    EXPECT_EQ(header.MinorSubsystemVersion, 0);
    EXPECT_EQ(header.MajorOperatingSystemVersion, 10);
    EXPECT_EQ(header.MinorOperatingSystemVersion, 0);
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

// Windows resolves a program's imports before any of its code runs, searching the program's
// folder first for any DLL that is not a KnownDLL: only KnownDLLs may be imported.
TEST_F(ProgramImage, ImportsOnlyKnownDlls) {
    const auto imports = program.Imports();
    EXPECT_FALSE(imports.empty());
    for (const auto& [dll, functions] : imports) {
        EXPECT_TRUE(IsKnownDll(dll)) << dll << " is not a KnownDLL";
    }
}

// A second wall, should an import of another DLL ever come back: the load configuration asks
// Windows (10 1607 and later) to resolve the program's imports from System32 alone. It is well
// formed, as the loader reads it: the structure's size is the directory's, and nothing else in it
// is set.
TEST_F(ProgramImage, ItsLoadConfigurationResolvesImportsFromSystem32) {
    const IMAGE_DATA_DIRECTORY& entry = program.LoadConfigurationEntry();
    const auto configuration = program.LoadConfiguration();
    ASSERT_TRUE(configuration.has_value()) << "no load configuration directory";
    EXPECT_EQ(entry.Size, configuration->Size);
    EXPECT_EQ(configuration->Size, sizeof(IMAGE_LOAD_CONFIG_DIRECTORY64));
    // DependentLoadFlags, which mingw-w64's headers still call Reserved1.
    EXPECT_EQ(configuration->Reserved1, LOAD_LIBRARY_SEARCH_SYSTEM32);
    IMAGE_LOAD_CONFIG_DIRECTORY64 onlyThat{};
    onlyThat.Size = configuration->Size;
    onlyThat.Reserved1 = configuration->Reserved1;
    EXPECT_EQ(std::memcmp(&*configuration, &onlyThat, sizeof(onlyThat)), 0)
        << "the load configuration sets more than its size and DependentLoadFlags";
}

// Registry text goes through the W functions only: an A function would pass it through the ANSI
// code page, which may lack its characters.
TEST_F(ProgramImage, ReachesTheRegistryThroughItsWideFunctionsOnly) {
    std::set<std::string> registryFunctions;
    for (const auto& [dll, functions] : program.Imports()) {
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
