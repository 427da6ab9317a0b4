// The update check against a real local web server that the runner reaches by the project's
// update host name; each test tells the server what to answer, and a stand-in browser records
// what the program hands to the shell. One test hides the desktop shell from the program.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Desktop.h"
#include "Session.h"
#include "resource.h"
#include "config/ConfigKeys.h"
#include "ui/LanguageTexts.h"

using namespace e2e;

namespace {

const std::wstring kDialogCaption = L"New VorlIP is available!!";
const std::string kMarkerLine = "VorlIP_Version_Checking_System\r\n";

std::wstring ServerDir() {
    wchar_t buffer[MAX_PATH * 2] = {};
    ::GetEnvironmentVariableW(L"VORLIP_UPDATE_DIR", buffer, MAX_PATH * 2);
    return buffer;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

// The server's control folder: what it answers, and what it and the stand-in browser saw.
struct UpdateServer {
    std::wstring dir = ServerDir();

    // mode: body, notfound, slow, silent or closed (see tools/rig/update-server.py).
    void Serve(const std::string& mode, const std::string& body = {}) {
        for (const wchar_t* log : {L"\\requests", L"\\ended", L"\\opened.log"}) {
            ::DeleteFileW((dir + log).c_str());
        }
        WriteFileBytes(dir + L"\\body", body);
        WriteFileBytes(dir + L"\\mode", mode);
        // The server looks at the mode between connections; give a port to close time to go.
        Pause(200);
    }
    std::vector<std::string> Requests() const { return Lines(ReadFileBytes(dir + L"\\requests")); }
    // Silent connections the client gave up or left.
    std::vector<std::string> Ended() const { return Lines(ReadFileBytes(dir + L"\\ended")); }
    // Addresses the stand-in browser was started with.
    std::vector<std::string> Opened() const { return Lines(ReadFileBytes(dir + L"\\opened.log")); }
    bool WaitRequest() const {
        return WaitUntil([this] { return !Requests().empty(); });
    }
};

std::string VersionFile(const std::string& version, const std::string& page,
                        const std::string& notes) {
    return kMarkerLine + version + "\r\n" + page + "\r\n" + notes;
}

// The main window answers right away: a language change goes through and retitles it.
void ExpectMainWindowWorks(Session& s) {
    DWORD_PTR result = 0;
    ASSERT_NE(::SendMessageTimeoutW(s.hMain, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0)
        << "main window does not answer";
    SelectCombo(s.hMain, IDC_LANGUAGE_LIST, kLanguageKorean);
    EXPECT_EQ(WindowText(s.hMain), GetWindowCaption(kLanguageKorean));
    SelectCombo(s.hMain, IDC_LANGUAGE_LIST, kLanguageEnglish);
    EXPECT_EQ(WindowText(s.hMain), GetWindowCaption(kLanguageEnglish));
}

// Time counts from the "Terminate Program" answer.
void CloseAndExpectExit(Session& s, DWORD dwMilliseconds = 10000) {
    ASSERT_TRUE(CloseAndTerminate(s, s.hMain));
    EXPECT_EQ(s.app.WaitExit(dwMilliseconds), 0u);
}

// Exit may not wait for a check that is still busy: well under the check's own time-out.
constexpr DWORD kPromptExitMs = 3000;

}  // namespace

TEST(Update, DifferentVersionIsAnnouncedAndGoToTheSiteOpensTheBrowser) {
    UpdateServer server;
    const std::string page = "https://update.vorlip.test/download?from=1.3.3.7";
    server.Serve("body", VersionFile("1.4.0.0", page, "What is new:\r\n- one\r\n- two"));
    Session s;
    HWND hDlg = s.app.WaitWindow(kDialogCaption);
    ASSERT_NE(hDlg, nullptr) << "no new-version window";
    EXPECT_EQ(ItemText(hDlg, IDC_LATEST_VERSION), L"1.4.0.0");
    EXPECT_EQ(ItemText(hDlg, IDC_DOWNLOAD_PAGE), std::wstring(page.begin(), page.end()));
    EXPECT_EQ(ItemText(hDlg, IDC_RELEASE_NOTES), L"\nWhat is new:\r\n- one\r\n- two");
    EXPECT_TRUE(HasChildWithText(hDlg, L"New VorlIP is available now in the Update Server."));
    EXPECT_EQ(ItemText(hDlg, IDOK), L"Go to the site!");
    EXPECT_EQ(ItemText(hDlg, IDCANCEL), L"취소");
    // One request, for the version file, with the program's name as agent, that no cache may
    // answer.
    EXPECT_EQ(server.Requests(),
              std::vector<std::string>{
                  "GET /version/vorlip/latest/version.txt\tVorlIP\tno-cache\tno-cache"});
    SaveScreenshot(L"update_dialog");

    // The window shows on the checking thread; the main window goes on working meanwhile, and
    // the texts stay the same whatever the interface language.
    ExpectMainWindowWorks(s);
    EXPECT_EQ(ItemText(hDlg, IDCANCEL), L"취소");

    ClickButton(hDlg, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); })) << "window stayed after Go";
    EXPECT_TRUE(WaitUntil([&] { return !server.Opened().empty(); })) << "no browser started";
    EXPECT_EQ(server.Opened(), std::vector<std::string>{page});
    EXPECT_TRUE(s.app.IsRunning());
    CloseAndExpectExit(s);
}

TEST(Update, SameVersionOrABadAnswerShowsNothing) {
    struct Case {
        const char* name;
        const char* mode;
        std::string body;
    };
    const Case cases[] = {
        {"same version", "body", VersionFile("1.3.3.7", "https://x.test/", "notes")},
        {"404 page", "notfound", VersionFile("2.0", "https://x.test/", "")},
        {"closed port", "closed", {}},
    };
    UpdateServer server;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        server.Serve(c.mode, c.body);
        Session s;
        ASSERT_NE(s.hMain, nullptr);
        if (std::string(c.mode) != "closed") {
            EXPECT_TRUE(server.WaitRequest());
        }
        // The answer is in; a window would follow it at once.
        Pause(1500);
        EXPECT_EQ(s.app.WaitWindow(kDialogCaption, 0), nullptr);
        EXPECT_EQ(s.app.FindMessageBox(), nullptr);
        ExpectMainWindowWorks(s);
        CloseAndExpectExit(s);
    }
    EXPECT_TRUE(server.Opened().empty());
}

TEST(Update, FileInSlowPiecesArrivesWholeAndCancelOpensNothing) {
    UpdateServer server;
    const std::string notes =
        "Release notes\r\n- the file comes seven bytes at a time\r\n- and is read to its end";
    server.Serve("slow", VersionFile("2.0.1", "http://update.vorlip.test/get", notes));
    Session s;
    HWND hDlg = s.app.WaitWindow(kDialogCaption);
    ASSERT_NE(hDlg, nullptr) << "no new-version window";
    EXPECT_EQ(ItemText(hDlg, IDC_LATEST_VERSION), L"2.0.1");
    EXPECT_EQ(ItemText(hDlg, IDC_DOWNLOAD_PAGE), L"http://update.vorlip.test/get");
    EXPECT_EQ(ItemText(hDlg, IDC_RELEASE_NOTES), L"\n" + std::wstring(notes.begin(), notes.end()));

    ClickButton(hDlg, IDCANCEL);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); })) << "cancel left the window";
    Pause(500);
    EXPECT_TRUE(server.Opened().empty());
    CloseAndExpectExit(s);
}

TEST(Update, LocalAddressIsShownButNeverHandedToTheShell) {
    UpdateServer server;
    // Both name the stand-in browser itself: had the shell been asked, it would have run and
    // left a line in its log.
    std::wstring program = server.dir + L"\\browser.exe";
    std::wstring fileUrl = L"file:///" + program;
    for (wchar_t& c : fileUrl) {
        if (c == L'\\') c = L'/';
    }
    for (const std::wstring& address : {fileUrl, program}) {
        SCOPED_TRACE(std::string(address.begin(), address.end()));
        server.Serve("body",
                     VersionFile("9.9", std::string(address.begin(), address.end()), "Run me"));
        Session s;
        HWND hDlg = s.app.WaitWindow(kDialogCaption);
        ASSERT_NE(hDlg, nullptr) << "no new-version window";
        EXPECT_EQ(ItemText(hDlg, IDC_DOWNLOAD_PAGE), address);
        ClickButton(hDlg, IDOK);
        PressKey(hDlg, IDC_RELEASE_NOTES, VK_RETURN);
        Pause(1500);
        EXPECT_TRUE(server.Opened().empty()) << "the shell ran the address";
        EXPECT_TRUE(::IsWindowVisible(hDlg)) << "Go closed the window without opening anything";
        if (address == program) SaveScreenshot(L"update_dialog_local_address");

        // The close box only closes.
        EXPECT_TRUE(SendClose(hDlg));
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }));
        Pause(300);
        EXPECT_TRUE(server.Opened().empty());
        CloseAndExpectExit(s);
    }
}

TEST(Update, LineFeedOnlyFileShowsEmptyLinesAndExitDoesNotWaitForTheWindow) {
    UpdateServer server;
    server.Serve("body", "VorlIP_Version_Checking_System\n1.3.3.7\nhttps://x.test/\nnotes\n");
    Session s;
    HWND hDlg = s.app.WaitWindow(kDialogCaption);
    ASSERT_NE(hDlg, nullptr) << "no new-version window";
    EXPECT_EQ(ItemText(hDlg, IDC_LATEST_VERSION), L"");
    EXPECT_EQ(ItemText(hDlg, IDC_DOWNLOAD_PAGE), L"");
    EXPECT_EQ(ItemText(hDlg, IDC_RELEASE_NOTES), L"https://x.test/\nnotes\n");
    SaveScreenshot(L"update_dialog_lf_only");

    // The program ends while its update window is still open.
    CloseAndExpectExit(s, kPromptExitMs);
    EXPECT_TRUE(server.Opened().empty());
}

TEST(Update, SilentServerHoldsNeitherTheWindowNorTheExit) {
    UpdateServer server;
    server.Serve("silent");
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    ASSERT_TRUE(server.WaitRequest());
    ExpectMainWindowWorks(s);
    // All of that happened while the check still waited for its answer.
    EXPECT_TRUE(server.Ended().empty()) << "the window was usable only after the check ended";
    CloseAndExpectExit(s, kPromptExitMs);
    EXPECT_EQ(s.app.WaitWindow(kDialogCaption, 0), nullptr);
}

namespace {

// While it lives, the desktop shell's list of windows, through which the program reaches the
// shell's own automation object, cannot be created: COM treats its class as one that nobody
// registered, as on a machine with another shell or none. (Wine's COM reads the machine's
// classes only.)
class NoDesktopShell {
public:
    NoDesktopShell() {
        HKEY hKey = nullptr;
        if (::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTreatAs, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &hKey, nullptr) == ERROR_SUCCESS) {
            ::RegSetValueExW(hKey, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(kNobody),
                             sizeof(kNobody));
            ::RegCloseKey(hKey);
        }
    }
    ~NoDesktopShell() { ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, kTreatAs); }
    NoDesktopShell(const NoDesktopShell&) = delete;
    NoDesktopShell& operator=(const NoDesktopShell&) = delete;

private:
    static constexpr wchar_t kTreatAs[] =
        L"Software\\Classes\\CLSID\\{9BA05972-F6A8-11CF-A442-00A0C90A8F39}\\TreatAs";
    static constexpr wchar_t kNobody[] = L"{5E0E5E0E-0000-4000-8000-00000000BEEF}";
};

}  // namespace

// Without the desktop shell the program would have to start the browser itself, with its
// administrator rights: it never does. The address is shown instead, in the interface
// language, for the user to copy.
TEST(Update, WithoutTheDesktopShellTheAddressIsShownAndNoBrowserStarts) {
    UpdateServer server;
    const std::string page = "https://update.vorlip.test/download?from=1.3.3.7";
    server.Serve("body", VersionFile("1.4.0.0", page, "notes"));
    const NoDesktopShell noShell;
    Session s(true, "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\nlanguage=kor\r\n",
              GetWindowCaption(kLanguageKorean));
    ASSERT_NE(s.hMain, nullptr);
    HWND hDlg = s.app.WaitWindow(kDialogCaption);
    ASSERT_NE(hDlg, nullptr) << "no new-version window";

    ClickButton(hDlg, IDOK);
    // The new-version window has a label without an id, as a message box does: look past it.
    HWND hBox = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        hBox = s.app.FindMessageBox();
        return hBox && hBox != hDlg;
    })) << "the address is not shown";
    const std::wstring url(page.begin(), page.end());
    EXPECT_EQ(App::MessageBoxText(hBox), PageAddressMessage(url, kLanguageKorean));
    SaveScreenshot(L"update_address_without_shell");
    App::PressButton(hBox, IDOK);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(hDlg); }));
    Pause(1000);
    EXPECT_TRUE(server.Opened().empty()) << "a browser was started: " << server.Opened().front();
    CloseAndExpectExit(s);
}
