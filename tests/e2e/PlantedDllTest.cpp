// An administrator runs penderlin.exe elevated, often from a Downloads folder where a browser may
// have saved any DLL. None may ever run: penderlin.exe is copied into a scratch folder with a
// marker DLL beside it under the name of every DLL that its running process loads and that is
// not a KnownDLL, and of a few that Windows loads for such programs; Wine is made to prefer those
// files to its own, as Windows would; and the program is taken through each window, a message box,
// an input box, a tooltip and a screen reader's question.
#include "Fixtures.h"
#include "KnownDlls.h"
#include "PeFile.h"

#include <psapi.h>

#include <filesystem>
#include <set>

namespace penderlin::e2e {
namespace {

namespace fs = std::filesystem;

// Names that Windows 10 and 11 load into such a program, by name, and Wine does not.
constexpr const char* kLoadedOnWindows[] = {
    "dwmapi.dll",           "textinputframework.dll",
    "coremessaging.dll",    "coreuicomponents.dll",
    "kernel.appcore.dll",   "ntmarta.dll",
    "cryptbase.dll",        "oleaccrc.dll",
    "uiautomationcore.dll", "windows.storage.dll",
    "profapi.dll",          "propsys.dll",
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return text;
}

// The files of the modules the process has loaded.
std::set<fs::path> LoadedModules(HANDLE process) {
    std::vector<HMODULE> modules(1024);
    DWORD needed = 0;
    EnumProcessModulesEx(process, modules.data(),
                         static_cast<DWORD>(modules.size() * sizeof(HMODULE)), &needed,
                         LIST_MODULES_ALL);
    modules.resize(std::min<size_t>(modules.size(), needed / sizeof(HMODULE)));
    std::set<fs::path> files;
    for (const HMODULE module : modules) {
        std::wstring path(MAX_PATH, L'\0');
        path.resize(GetModuleFileNameExW(process, module, path.data(), MAX_PATH));
        files.insert(path);
    }
    return files;
}

// While it lives, Wine prefers the DLL files beside penderlin.exe to its own for these names, as
// Windows searches a program's folder first: Wine's overrides for penderlin.exe alone, in the
// test prefix's registry (its environment variable would reach this program, not its children).
class NativeFirst {
public:
    explicit NativeFirst(const std::set<std::string>& names) {
        DeleteOverrides();
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr);
        for (const std::string& name : names) {
            const std::wstring value(name.begin(), name.end() - 4); // less ".dll"
            RegSetValueExW(key, value.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(L"native,builtin"),
                           sizeof(L"native,builtin"));
        }
        RegCloseKey(key);
    }
    NativeFirst(const NativeFirst&) = delete;
    NativeFirst& operator=(const NativeFirst&) = delete;
    ~NativeFirst() { DeleteOverrides(); }

private:
    static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\penderlin.exe\\DllOverrides";
    static void DeleteOverrides() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
};

// Every window, a message box and an input box in each family window, a tooltip and a screen
// reader's question about the frame, then "&Done!". The modules the process has loaded on the
// way, or nothing if the program did not get through.
std::optional<std::set<fs::path>> RunThroughEveryWindow(const Program& program) {
    std::set<fs::path> modules;
    const auto note = [&] {
        const auto loaded = LoadedModules(program.Process());
        modules.insert(loaded.begin(), loaded.end());
    };
    const HWND main = WaitForWindow(kMainCaption, nullptr, kStartTimeoutMs);
    if (main == nullptr) {
        ADD_FAILURE() << "no main window: " << program.State();
        return std::nullopt;
    }
    BringToFront(main);
    EXPECT_EQ(TooltipWhenPointingAt(ControlWithText(main, L"&Done!")), L"Quit");
    // A screen reader's first question, which makes the program load what answers it.
    EXPECT_NE(SendMessageTimeoutW(ControlWithText(main, L"Program Info"), WM_GETOBJECT, 0,
                                  static_cast<LPARAM>(OBJID_CLIENT), SMTO_NORMAL, kTimeoutMs,
                                  nullptr),
              0);
    struct Family {
        const wchar_t* opener;
        const wchar_t* caption;
        const wchar_t* message;
        const wchar_t* input;
    };
    for (const Family& family :
         {Family{L"Click here for Win98/95", L"Windows 98/95 Version", L"Check Current User",
                 L"Replace User"},
          Family{L"Click here for Windows 2000/NT", L"Windows 2000/ NT 4.0 Version",
                 L"Check Current CD-Key", L"Replace Product ID"}}) {
        PostMessageW(ControlWithText(main, family.opener), BM_CLICK, 0, 0);
        const HWND window = WaitForWindow(family.caption);
        if (window == nullptr) {
            ADD_FAILURE() << "no window " << Narrow(family.caption) << ": " << program.State();
            return std::nullopt;
        }
        for (const wchar_t* button : {family.message, family.input}) {
            PostMessageW(ControlWithText(window, button), BM_CLICK, 0, 0);
            const auto dialog = WaitForDialog();
            if (!dialog) {
                ADD_FAILURE() << "no box after " << Narrow(button) << ": " << program.State();
                return std::nullopt;
            }
            note();
            EXPECT_TRUE(Dismiss(*dialog, !dialog->IsInputBox()));
        }
        PostMessageW(ControlWithText(window, L"&Close"), BM_CLICK, 0, 0);
        EXPECT_TRUE(WaitUntilGone(family.caption));
    }
    note();
    PostMessageW(ControlWithText(main, L"&Done!"), BM_CLICK, 0, 0);
    if (!program.WaitForExit()) {
        ADD_FAILURE() << "did not end: " << program.State();
        return std::nullopt;
    }
    return modules;
}

// The DLLs that the KnownDLLs the program imports import, and theirs: Windows loads them from its
// KnownDLLs with those, before any code of the program runs; under Wine they are Wine's own
// (version.dll, for one), and what Wine does with them says nothing about the program.
std::set<std::string> LoadedWithTheKnownDlls(const fs::path& program, const fs::path& system32) {
    std::set<std::string> found;
    std::vector<fs::path> pending;
    for (const auto& [dll, functions] : PeFile(program).Imports()) {
        if (IsKnownDll(dll)) {
            pending.push_back(system32 / dll);
        }
    }
    while (!pending.empty()) {
        const PeFile file(pending.back());
        pending.pop_back();
        if (!file.Valid()) {
            continue;
        }
        for (const auto& [dll, functions] : file.Imports()) {
            if (found.insert(dll).second) {
                pending.push_back(system32 / dll);
            }
        }
    }
    return found;
}

fs::path System32() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder;
}

TEST(PlantedDlls, NoneBesideTheProgramIsEverLoaded) {
    const fs::path scratch = fs::path(Beside(L"planted-dlls"));
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    const fs::path program = scratch / "penderlin.exe";
    fs::copy_file(ProgramPath(), program);

    // What the program loads, as it runs, with nothing planted.
    std::optional<std::set<fs::path>> loaded;
    {
        const Program clean(program.wstring());
        loaded = RunThroughEveryWindow(clean);
    }
    ASSERT_TRUE(loaded.has_value());
    const std::set<std::string> withKnownDlls = LoadedWithTheKnownDlls(program, System32());
    std::set<std::string> planted;
    for (const fs::path& module : *loaded) {
        const std::string name = Lower(module.filename().string());
        if (name.ends_with(".dll") && !IsKnownDll(name) && !withKnownDlls.count(Upper(name))) {
            planted.insert(name);
        }
    }
    // Among them, the two that matter most: the visual styles and Common Controls.
    EXPECT_TRUE(planted.count("uxtheme.dll"));
    EXPECT_TRUE(planted.count("comctl32.dll"));
    planted.insert(std::begin(kLoadedOnWindows), std::end(kLoadedOnWindows));

    const fs::path marker = fs::path(Beside(L"planted_marker.dll"));
    for (const std::string& name : planted) {
        fs::copy_file(marker, scratch / name, fs::copy_options::overwrite_existing);
    }
    {
        const NativeFirst preferred(planted);
        const Program attacked(program.wstring());
        EXPECT_TRUE(RunThroughEveryWindow(attacked).has_value());
    }
    for (const auto& file : fs::directory_iterator(scratch)) {
        EXPECT_NE(file.path().extension(), ".loaded")
            << "the planted " << file.path().stem().string() << " ran inside penderlin.exe";
    }
    std::string names;
    for (const std::string& name : planted) {
        names += " " + name;
    }
    RecordProperty("planted", names);
}

} // namespace
} // namespace penderlin::e2e
