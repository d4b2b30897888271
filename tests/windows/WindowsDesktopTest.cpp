// The desktop integration of Windows: the shell link on the desktop and the Run value that
// starts the program with Windows, read back as Explorer and Windows read them.
#include <gtest/gtest.h>

#include "platform/windows/WinApi.h"
// After windows.h.
#include <objbase.h>
#include <sddl.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <string>
#include <vector>

#include "install/DesktopShortcut.h"
#include "program/Configuration.h"
#include "support/GameFolder.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

std::wstring Backslashed(const std::string& path) {
    std::wstring w = win::Widen(path);
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

// What a link starts, as "PROGRAM|ARGUMENTS|FOLDER"; empty when it cannot be read as a link.
std::wstring LinkTarget(const std::string& path) {
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring out;
    IShellLinkW* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_IShellLinkW, reinterpret_cast<void**>(&link)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t program[MAX_PATH] = {}, arguments[1024] = {}, folder[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(Backslashed(path).c_str(), STGM_READ)) &&
                SUCCEEDED(link->GetPath(program, MAX_PATH, nullptr, SLGP_RAWPATH)) &&
                SUCCEEDED(link->GetArguments(arguments, 1024)) &&
                SUCCEEDED(link->GetWorkingDirectory(folder, MAX_PATH)))
                out = std::wstring(program) + L"|" + arguments + L"|" + folder;
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return out;
}

// The value "Harbinet" of the machine's Run key; "<none>" when there is none.
std::wstring RunValue() {
    wchar_t data[1024] = {};
    DWORD size = sizeof data;
    const LONG result =
        ::RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run",
                       L"Harbinet", RRF_RT_REG_SZ, nullptr, data, &size);
    return result == ERROR_SUCCESS ? std::wstring(data) : L"<none>";
}

// A link of the folder's own is replaced; another folder's, or any other file of that name,
// is kept and the new link gets the next number.
TEST(WindowsDesktop, TheDesktopLinkStartsTheProgramInItsFolderAndKeepsOthers) {
    UserHome home;
    GameFolder game, other;
    WriteFile(home.Desktop() + "Harbinet 2.2b (2).lnk", "the user's own");
    const std::pair<GameFolder*, std::string> cases[] = {
        {&game, "Harbinet 2.2b.lnk"},
        {&game, "Harbinet 2.2b.lnk"},
        {&other, "Harbinet 2.2b (3).lnk"},
    };
    for (const auto& [folder, link] : cases) {
        EXPECT_EQ(CreateDesktopShortcut(*folder->MakeState()).Message(), "");
        const std::string own = folder->Own();
        EXPECT_EQ(LinkTarget(home.Desktop() + link),
                  Backslashed(own + "harbinet") + L"||" + Backslashed(own))
            << link;
    }
    EXPECT_EQ(ListFolder(home.Desktop()),
              "Harbinet 2.2b (2).lnk Harbinet 2.2b (3).lnk Harbinet 2.2b.lnk");
    EXPECT_EQ(ReadFile(home.Desktop() + "Harbinet 2.2b (2).lnk"), "the user's own");
}

// "Load Harbinet on Windows Start" is the value "Harbinet" of the machine's Run key: the
// program's path in quotes, removed again when the option is cleared (none to remove is no
// failure), and "LoadOnStart" follows it.
TEST(WindowsDesktop, StartWithWindowsIsTheRunValueOfTheProgram) {
    GameFolder game;
    auto state = game.MakeState();
    const std::pair<bool, std::wstring> cases[] = {
        {true, L"\"" + Backslashed(game.Own() + "harbinet") + L"\""},
        {false, L"<none>"},
        {false, L"<none>"},
    };
    for (const auto& [start, value] : cases) {
        Configuration options = ReadConfiguration(*state);
        options.loadOnStart = start;
        EXPECT_TRUE(ApplyConfiguration(*state, options));
        EXPECT_EQ(RunValue(), value);
        EXPECT_EQ(game.Setting("Harbinet", "LoadOnStart"), start ? "1" : "0");
    }
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

// Without the right to write the Run key (a user who is no administrator), the registry's
// refusal is told with the call and its code, and "LoadOnStart" keeps its value.
TEST(WindowsDesktop, ARunKeyThatRefusesWritesIsToldAndLeavesTheSetting) {
    const std::wstring before = RunValue();
    HKEY key = nullptr;
    ASSERT_EQ(
        ::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run", 0,
                        READ_CONTROL | WRITE_DAC, &key),
        ERROR_SUCCESS);
    std::vector<char> saved(4096);
    DWORD size = static_cast<DWORD>(saved.size());
    ASSERT_EQ(::RegGetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data(), &size),
              ERROR_SUCCESS);
    // Everyone may read the key and change its rights, nothing more.
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(
        L"D:P(A;;KRRCWD;;;WD)", SDDL_REVISION_1, &readOnly, nullptr));
    ASSERT_EQ(::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly), ERROR_SUCCESS);
    ::LocalFree(readOnly);

    GameFolder game;
    auto state = game.MakeState();
    Configuration options = ReadConfiguration(*state);
    options.loadOnStart = true;
    EXPECT_FALSE(ApplyConfiguration(*state, options));
    ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, saved.data());
    ::RegCloseKey(key);
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: Windows Registry error: function "
                                       "RegCreateKeyEx, return code:5l"});
    EXPECT_EQ(game.Setting("Harbinet", "LoadOnStart"), "<missing>");
    EXPECT_EQ(RunValue(), before);
}

}  // namespace
}  // namespace harbinet::test
