// The installer as a deployment tool runs it: a silent install, the installed program at work, a
// newer package over it and a silent removal. The profiles the program saved in its folder
// between those steps must come through both untouched.
//
// The runner gives the packages (VORLIP_MSI, VORLIP_MSI_NEXT: the same program, the second
// packaged with a higher version) and runs this in a prefix of its own.
#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "Desktop.h"
#include "resource.h"

using namespace e2e;

namespace {

// Every VorlIP package carries it; a package with another one would install beside the old.
constexpr wchar_t kUpgradeCode[] = L"{6AF96C06-D398-41AA-A43E-D3692900384D}";

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[MAX_PATH * 2] = {};
    const DWORD n = ::GetEnvironmentVariableW(name, buffer, MAX_PATH * 2);
    return n > 0 && n < MAX_PATH * 2 ? std::wstring(buffer, n) : std::wstring();
}

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Runs msiexec with these arguments and returns its exit code (STILL_ACTIVE after two minutes).
DWORD Msiexec(const std::wstring& arguments) {
    std::wstring line = L"msiexec.exe " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi)) {
        return ::GetLastError();
    }
    ::WaitForSingleObject(pi.hProcess, 120000);
    DWORD dwExit = STILL_ACTIVE;
    ::GetExitCodeProcess(pi.hProcess, &dwExit);
    ::CloseHandle(pi.hProcess);
    ::CloseHandle(pi.hThread);
    return dwExit;
}

struct Product {
    std::wstring code;
    std::wstring version;
};

// Every installed product with VorlIP's upgrade code.
std::vector<Product> RelatedProducts() {
    std::vector<Product> products;
    wchar_t code[39];
    for (DWORD i = 0; ::MsiEnumRelatedProductsW(kUpgradeCode, 0, i, code) == ERROR_SUCCESS; ++i) {
        wchar_t version[64] = {};
        DWORD n = 64;
        ::MsiGetProductInfoW(code, INSTALLPROPERTY_VERSIONSTRING, version, &n);
        products.push_back({code, version});
    }
    return products;
}

bool Installed(const std::wstring& productCode) {
    return ::MsiQueryProductStateW(productCode.c_str()) == INSTALLSTATE_DEFAULT;
}

// The Start-menu shortcut. A per-machine package puts it in the common Programs folder; Wine 8
// puts it in the user's.
bool HasShortcut() {
    return Exists(KnownFolder(CSIDL_COMMON_PROGRAMS) + L"\\VorlIP.lnk") ||
           Exists(KnownFolder(CSIDL_PROGRAMS) + L"\\VorlIP.lnk");
}

// Starts the installed program and waits for its main window.
HWND StartInstalled(App& app, const std::wstring& exe) {
    if (!app.Start(exe)) return nullptr;
    HWND hMain = app.WaitWindow(kCaption);
    if (hMain) Pause(300);
    return hMain;
}

void AnswerMessage(App& app, const std::wstring& text) {
    HWND hBox = app.WaitMessageBox();
    ASSERT_NE(hBox, nullptr) << "no message box";
    EXPECT_EQ(App::MessageBoxText(hBox), text);
    App::PressButton(hBox, IDOK);
    Pause(300);
}

void Exit(App& app, HWND hMain) {
    ::PostMessageW(hMain, WM_COMMAND, MAKEWPARAM(IDC_EXIT_CHECK, BN_CLICKED), 0);
    EXPECT_EQ(app.WaitExit(), 0u);
}

}  // namespace

TEST(Msi, InstallsUpgradesAndRemovesKeepingTheProfiles) {
    const std::wstring msi = Env(L"VORLIP_MSI");
    const std::wstring nextMsi = Env(L"VORLIP_MSI_NEXT");
    if (msi.empty() || nextMsi.empty()) GTEST_SKIP() << "VORLIP_MSI and VORLIP_MSI_NEXT not set";
    const std::wstring folder = KnownFolder(CSIDL_PROGRAM_FILES) + L"\\VorlIP";
    const std::wstring exe = folder + L"\\VorlIP.exe";
    const std::wstring ini = folder + L"\\vorlip_configure.ini";
    const std::wstring log = folder + L"\\vorlip_autoswitch.log";

    ASSERT_EQ(Msiexec(L"/i \"" + msi + L"\" /qn"), 0u);
    EXPECT_TRUE(Exists(exe));
    EXPECT_TRUE(HasShortcut());
    std::vector<Product> products = RelatedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].version, Env(L"VORLIP_MSI_VERSION"));
    const std::wstring firstCode = products[0].code;

    // The installed program saves a profile in its folder, as the user would.
    {
        App app;
        HWND hMain = StartInstalled(app, exe);
        ASSERT_NE(hMain, nullptr) << "the installed program shows no main window";
        SaveScreenshot(L"msi_installed_program");
        SetText(hMain, IDC_TITLE_LIST, L"Office");
        ClickButton(hMain, IDC_SAVE);
        ASSERT_TRUE(WaitUntil([&] { return IniValue(ini, L"Office", L"nicname") != L""; }))
            << "the profile was not saved beside the installed program";
        Exit(app, hMain);
    }
    ASSERT_TRUE(WriteFileBytes(log, "switched to Office\r\n"));
    std::string iniBytes = ReadFileBytes(ini);
    const std::string logBytes = ReadFileBytes(log);

    ASSERT_EQ(Msiexec(L"/i \"" + nextMsi + L"\" /qn"), 0u);
    EXPECT_FALSE(Installed(firstCode))
        << "the newer package replaces the older one instead of installing beside it";
    products = RelatedProducts();
    ASSERT_EQ(products.size(), 1u);
    EXPECT_EQ(products[0].version, Env(L"VORLIP_MSI_NEXT_VERSION"));
    const std::wstring nextCode = products[0].code;
    EXPECT_TRUE(Exists(exe));
    EXPECT_EQ(ReadFileBytes(ini), iniBytes);
    EXPECT_EQ(ReadFileBytes(log), logBytes);

    // The upgraded program finds the profile and registers its log-on task, which the removal
    // must take away. (Whether an upgrade keeps the task cannot be seen here: Wine removes the
    // older product without UPGRADINGPRODUCTCODE, so the older package deletes it then.)
    {
        App app;
        HWND hMain = StartInstalled(app, exe);
        ASSERT_NE(hMain, nullptr) << "the upgraded program shows no main window";
        EXPECT_EQ(ComboItems(hMain, IDC_TITLE_LIST), std::vector<std::wstring>{L"Office"});
        ClickButton(hMain, IDC_START_ON_BOOT);
        AnswerMessage(app, L"등록 성공");
        EXPECT_TRUE(Exists(TaskFile()));
        Exit(app, hMain);
    }
    iniBytes = ReadFileBytes(ini);

    ASSERT_EQ(Msiexec(L"/x \"" + nextMsi + L"\" /qn"), 0u);
    EXPECT_FALSE(Installed(nextCode));
    EXPECT_FALSE(Exists(exe));
    EXPECT_FALSE(HasShortcut());
    EXPECT_FALSE(Exists(TaskFile())) << "the removal deletes the log-on task";
    EXPECT_EQ(ReadFileBytes(ini), iniBytes);
    EXPECT_EQ(ReadFileBytes(log), logBytes);
}
