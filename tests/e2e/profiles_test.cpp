// Saving, replacing and deleting profiles through the form, and the load-time repair question,
// checked in the window and in the file the program writes.
#include <gtest/gtest.h>

#include <algorithm>

#include "Desktop.h"
#include "Session.h"
#include <commctrl.h>

#include "resource.h"
#include "config/ConfigKeys.h"
#include "ui/LanguageTexts.h"

using namespace e2e;

namespace {

// Fills the form as a static profile on the first adapter.
void FillStatic(HWND hMain, const std::wstring& title, BYTE last) {
    SetText(hMain, IDC_TITLE_LIST, title);
    ClickButton(hMain, IDC_USE_STATIC_IP);
    ClickButton(hMain, IDC_USE_STATIC_DNS);
    Pause(200);
    SetIp(hMain, IDC_IP, 10, 77, 1, last);
    SetIp(hMain, IDC_SUBNET, 255, 255, 255, 0);
    SetIp(hMain, IDC_GATEWAY, 10, 77, 1, 1);
    SetIp(hMain, IDC_DNS, 10, 77, 1, 53);
    ::SendDlgItemMessageW(hMain, IDC_DNS2, IPM_CLEARADDRESS, 0, 0);
    SetText(hMain, IDC_METRIC, L"5");
}

// Presses "Save This Info" in one copy's window and waits until the file has changed or the
// program has answered with a message; a save that fails without a word costs the whole wait.
void Save(HWND hMain, const App& app, const std::wstring& iniPath) {
    const std::string before = ReadFileBytes(iniPath);
    ClickButton(hMain, IDC_SAVE);
    WaitUntil([&] { return ReadFileBytes(iniPath) != before || app.FindMessageBox() != nullptr; },
              3000);
    Pause(300);  // the reload and the form follow the write
}

void Save(Session& s) {
    Save(s.hMain, s.app, s.folder.IniPath());
}

}  // namespace

TEST(Profiles, SaveAppendsReplacesInPlaceAndDeleteAsks) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    FillStatic(s.hMain, L"Office", 10);
    Save(s);
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), (std::vector<std::wstring>{L"Office"}));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_TITLE_LIST), 0);
    EXPECT_EQ(s.Ini(L"Office", L"ip"), L"10.77.1.10");
    EXPECT_EQ(s.Ini(L"Office", L"gateway"), L"10.77.1.1");
    EXPECT_EQ(s.Ini(L"Office", L"metric"), L"5");
    EXPECT_EQ(s.Ini(L"Office", L"dhcpip"), L"FALSE");
    EXPECT_EQ(s.Ini(L"Office", L"dns2"), L"0.0.0.0") << "a blank secondary DNS is stored as none";
    EXPECT_EQ(s.Ini(L"Office", L"nicname"), ExpectedAdapters().at(0));

    // A DHCP profile under a new title goes to the end and writes no address keys.
    SetText(s.hMain, IDC_TITLE_LIST, L"Home");
    ClickButton(s.hMain, IDC_USE_DHCP_IP);
    Pause(200);
    Save(s);
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), (std::vector<std::wstring>{L"Office", L"Home"}));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_TITLE_LIST), 1);
    EXPECT_EQ(s.Ini(L"Home", L"ip"), L"<missing>");
    EXPECT_EQ(s.Ini(L"Home", L"dhcpip"), L"TRUE");

    // Saving an existing title replaces that profile where it stands, with the adapter and the
    // printer chosen since it was shown.
    SelectCombo(s.hMain, IDC_TITLE_LIST, 0);
    Pause(200);
    SetText(s.hMain, IDC_METRIC, L"9");
    SelectCombo(s.hMain, IDC_NIC_LIST, 1);
    const std::vector<std::wstring> printers = ComboItems(s.hMain, IDC_PRINTER_LIST);
    const auto lab = std::find(printers.begin(), printers.end(), L"vorl-lab");
    ASSERT_NE(lab, printers.end());
    SelectCombo(s.hMain, IDC_PRINTER_LIST, static_cast<int>(lab - printers.begin()));
    Pause(200);
    Save(s);
    EXPECT_EQ(IniSections(s.folder.IniPath()),
              (std::vector<std::wstring>{L"Office", L"Home", L"VorlIP_Basic_Information"}));
    EXPECT_EQ(s.Ini(L"Office", L"metric"), L"9");
    EXPECT_EQ(s.Ini(L"Office", L"nicname"), ExpectedAdapters().at(1));
    EXPECT_EQ(s.Ini(L"Office", L"ip"), L"10.77.1.10") << "another adapter keeps the form's address";
    EXPECT_EQ(s.Ini(L"Office", L"printer"), L"vorl-lab");
    // The last entry means "leave the default printer alone".
    SelectCombo(s.hMain, IDC_PRINTER_LIST, static_cast<int>(printers.size()) - 1);
    Pause(200);
    Save(s);
    EXPECT_EQ(s.Ini(L"Office", L"printer"), L"Do not change Printer");
    EXPECT_EQ(s.Ini(L"VorlIP_Basic_Information", L"language"), L"eng");
    SaveScreenshot(L"profiles_saved");

    // Delete asks first; No keeps everything, Yes removes the selected profile.
    SelectCombo(s.hMain, IDC_TITLE_LIST, 1);
    Pause(200);
    ClickButton(s.hMain, IDC_DELETE);
    s.Answer(L"Delete this item?", IDNO);
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST).size(), 2u);
    ClickButton(s.hMain, IDC_DELETE);
    s.Answer(L"Delete this item?", IDYES);
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), (std::vector<std::wstring>{L"Office"}));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_TITLE_LIST), -1);
    EXPECT_EQ(IniSections(s.folder.IniPath()),
              (std::vector<std::wstring>{L"Office", L"VorlIP_Basic_Information"}));
}

TEST(Profiles, InvalidFormsSaveNothing) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    ClickButton(s.hMain, IDC_DELETE);
    s.Answer(L"Select what you want to delete", IDOK);
    ClickButton(s.hMain, IDC_SAVE);
    s.Answer(L"Please set title", IDOK);
    SetText(s.hMain, IDC_TITLE_LIST, L"Lab");
    SetText(s.hMain, IDC_METRIC, L"12a");
    ClickButton(s.hMain, IDC_SAVE);
    s.Answer(L"Metric should be number", IDOK);
    // A gateway with three of four fields fails without a word.
    FillStatic(s.hMain, L"Lab", 20);
    ::SendDlgItemMessageW(s.hMain, IDC_GATEWAY, IPM_CLEARADDRESS, 0, 0);
    HWND hFirstField =
        ::FindWindowExW(::GetDlgItem(s.hMain, IDC_GATEWAY), nullptr, L"Edit", nullptr);
    ::SendMessageW(hFirstField, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"10"));
    Save(s);
    EXPECT_EQ(s.app.FindMessageBox(), nullptr);
    EXPECT_EQ(::GetFileAttributesW(s.folder.IniPath().c_str()), INVALID_FILE_ATTRIBUTES)
        << "nothing is written for an invalid form";
    // An empty metric is saved as 1 and the box shows it.
    SetIp(s.hMain, IDC_GATEWAY, 10, 77, 1, 1);
    SetText(s.hMain, IDC_METRIC, L"");
    Save(s);
    EXPECT_EQ(s.Ini(L"Lab", L"metric"), L"1");
    EXPECT_EQ(ItemText(s.hMain, IDC_METRIC), L"1");
}

// A file the program may not replace (read-only) or read (held) is reported, loses nothing, and
// leaves the form as the user typed it, to try again.
TEST(Profiles, UnwritableFileIsReportedAndTheFormKept) {
    const std::string ini =
        "[Office]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\nlanguage=eng\r\n";
    Session s(true, ini);
    ASSERT_NE(s.hMain, nullptr);
    ASSERT_TRUE(::SetFileAttributesW(s.folder.IniPath().c_str(), FILE_ATTRIBUTE_READONLY));
    const auto expectNotSavedBox = [&] {
        HWND hBox = s.app.WaitMessageBox();
        ASSERT_NE(hBox, nullptr);
        const std::wstring text = App::MessageBoxText(hBox);
        EXPECT_EQ(text.rfind(L"The settings could not be saved in vorlip_configure.ini.", 0), 0u)
            << std::string(text.begin(), text.end());
        App::PressButton(hBox, IDOK);
        Pause(300);
    };

    FillStatic(s.hMain, L"Lab", 20);
    ClickButton(s.hMain, IDC_SAVE);
    expectNotSavedBox();
    EXPECT_EQ(ItemText(s.hMain, IDC_TITLE_LIST), L"Lab");
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.20");
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), std::vector<std::wstring>{L"Office"});

    PostSelectCombo(s.hMain, IDC_LANGUAGE_LIST, 2);
    expectNotSavedBox();
    EXPECT_TRUE(IsEnabled(s.hMain, IDC_SAVE_OPTION)) << "the options in force are not saved yet";

    ::SetFileAttributesW(s.folder.IniPath().c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileBytes(s.folder.IniPath()), ini);

    // Held by another program that shares nothing (an editor, a scanner, a sync client): the
    // file is not taken for an empty one; a save, a delete and an option change say so and lose
    // nothing.
    const HANDLE hHold = ::CreateFileW(s.folder.IniPath().c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHold, INVALID_HANDLE_VALUE);
    ClickButton(s.hMain, IDC_SAVE);
    expectNotSavedBox();
    SelectCombo(s.hMain, IDC_TITLE_LIST, 0);
    ClickButton(s.hMain, IDC_DELETE);
    s.Answer(L"削除しますか？", IDYES);  // the language chosen above is in force
    expectNotSavedBox();
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), std::vector<std::wstring>{L"Office"});
    ClickButton(s.hMain, IDC_CHANGE_FORCE);
    expectNotSavedBox();
    ::CloseHandle(hHold);
    EXPECT_EQ(ReadFileBytes(s.folder.IniPath()), ini);

    // Once the file can be written again, the refused profile does not come back with the
    // next save.
    SetText(s.hMain, IDC_TITLE_LIST, L"Other");
    Save(s);
    EXPECT_EQ(IniSections(s.folder.IniPath()),
              (std::vector<std::wstring>{L"Office", L"Other", L"VorlIP_Basic_Information"}));
}

// A file held at start for longer than the read waits (a sync client at log-on) is said to be
// unreadable, not shown as an empty list; the start writes nothing, and the next save reads it.
TEST(Profiles, FileHeldAtStartIsReportedAndReadAgainByTheNextSave) {
    const std::string ini =
        "[Office]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\n";
    ScratchFolder folder(CurrentTestName());
    WriteFileBytes(folder.IniPath(), ini);
    const HANDLE hHold = ::CreateFileW(folder.IniPath().c_str(), GENERIC_READ, 0, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hHold, INVALID_HANDLE_VALUE);
    App app;
    ASSERT_TRUE(app.Start(folder.ExePath()));
    HWND hBox = app.WaitMessageBox();
    ASSERT_NE(hBox, nullptr) << "the start must say that the file could not be read";
    const std::wstring text = App::MessageBoxText(hBox);
    EXPECT_EQ(text.rfind(L"The settings could not be read from vorlip_configure.ini.", 0), 0u)
        << std::string(text.begin(), text.end());
    App::PressButton(hBox, IDOK);
    HWND hMain = app.WaitWindow(kCaption);
    ASSERT_NE(hMain, nullptr);
    EXPECT_TRUE(ComboItems(hMain, IDC_TITLE_LIST).empty());
    ::CloseHandle(hHold);
    EXPECT_EQ(ReadFileBytes(folder.IniPath()), ini) << "the start writes nothing";

    FillStatic(hMain, L"Lab", 20);
    ClickButton(hMain, IDC_SAVE);
    EXPECT_TRUE(WaitUntil([&] { return ComboItems(hMain, IDC_TITLE_LIST).size() == 2; }));
    EXPECT_EQ(IniSections(folder.IniPath()),
              (std::vector<std::wstring>{L"Office", L"Lab", L"VorlIP_Basic_Information"}));
}

TEST(Profiles, RepairQuestionInTheFilesLanguageAndNoLeavesTheFileAlone) {
    const std::string ini =
        "[Away]\r\nnic=999\r\nnicname=gone\r\nmetric=1\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\nlanguage=jpn\r\n";
    Session s(false, ini);
    s.Answer(L"誤った情報を変更しました.\n\n保存しますか?\nまたは,次の再変更します.", IDNO,
             L"Confirm");
    HWND hMain = s.app.WaitWindow(L"VorlIP フリー 1.3.3.7");
    ASSERT_NE(hMain, nullptr);
    EXPECT_EQ(ReadFileBytes(s.folder.IniPath()), ini) << "No must not write";
    // The repaired profile points at the first adapter in memory.
    EXPECT_EQ(ComboSelection(hMain, IDC_NIC_LIST), 0);
    SaveScreenshot(L"repair_japanese");
}

TEST(Profiles, RepairAnsweredYesRewritesTheFile) {
    const std::string ini = "[Away]\r\nnicname=gone\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n";
    Session s(false, ini);
    s.Answer(
        L"As system found wrong configuration, it has modified automatically.\n\n"
        L"Would you like to save it?\nIf not, you can see this warning next time again.",
        IDYES, L"Confirm");
    ASSERT_NE(s.app.WaitWindow(kCaption), nullptr);
    EXPECT_EQ(s.Ini(L"Away", L"nicname"), ExpectedAdapters().at(0));
    EXPECT_EQ(s.Ini(L"VorlIP_Basic_Information", L"AutoGenerated"), L"true");
}

// A close request (the close box, a log-off, another program) that arrives while the program
// asks a question waits for the answer; the answered work is done and the program then ends
// cleanly, at start-up as much as later.
TEST(Profiles, CloseWhileAQuestionWaitsEndsAfterTheAnswer) {
    {
        const std::string ini = "[Away]\r\nnicname=gone\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n";
        Session s(false, ini);
        HWND hBox = s.app.WaitMessageBox();
        ASSERT_NE(hBox, nullptr);
        ASSERT_TRUE(CloseAndTerminate(s, ::GetWindow(hBox, GW_OWNER)));
        s.Answer(
            L"As system found wrong configuration, it has modified automatically.\n\n"
            L"Would you like to save it?\nIf not, you can see this warning next time again.",
            IDYES, L"Confirm");
        EXPECT_EQ(s.app.WaitExit(15000), 0u);
        EXPECT_EQ(s.Ini(L"Away", L"nicname"), ExpectedAdapters().at(0)) << "the answer counted";
    }
    {
        const std::string ini =
            "[Lab]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
            "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\n";
        Session s(true, ini);
        ASSERT_NE(s.hMain, nullptr);
        ClickButton(s.hMain, IDC_DELETE);
        ASSERT_NE(s.app.WaitMessageBox(), nullptr);
        ASSERT_TRUE(CloseAndTerminate(s, s.hMain));
        s.Answer(L"Delete this item?", IDYES);
        EXPECT_EQ(s.app.WaitExit(15000), 0u);
        EXPECT_EQ(IniSections(s.folder.IniPath()),
                  std::vector<std::wstring>{L"VorlIP_Basic_Information"});
    }
}

// Two copies of the program on one file, and a hand edit while both run: A saves "One", the
// user adds "Hand" in an editor, B (started before all that) saves "Two", A deletes "Zero".
// Each change lands in the file as it is at that moment, and each window lists what it read.
TEST(Profiles, TwoCopiesAndAHandEditLoseNothing) {
    const std::string ini =
        "[Zero]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\n";
    Session a(true, ini);
    ASSERT_NE(a.hMain, nullptr);
    App b;
    ASSERT_TRUE(b.Start(a.folder.ExePath()));
    const HWND hB = b.WaitWindow(kCaption);
    ASSERT_NE(hB, nullptr);
    Pause(300);
    const std::wstring path = a.folder.IniPath();

    FillStatic(a.hMain, L"One", 11);
    Save(a);
    ASSERT_TRUE(::WritePrivateProfileStringW(L"Hand", L"nicname", L"vorl-lan", path.c_str()));
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, path.c_str());
    FillStatic(hB, L"Two", 12);
    Save(hB, b, path);
    EXPECT_EQ(ComboItems(hB, IDC_TITLE_LIST),
              (std::vector<std::wstring>{L"Zero", L"One", L"Hand", L"Two"}));
    EXPECT_EQ(ComboItems(hB, IDC_TITLE_LIST)[ComboSelection(hB, IDC_TITLE_LIST)], L"Two");

    SelectCombo(a.hMain, IDC_TITLE_LIST, 0);
    Pause(200);
    ClickButton(a.hMain, IDC_DELETE);
    a.Answer(L"Delete this item?", IDYES);
    EXPECT_EQ(IniSections(path),
              (std::vector<std::wstring>{L"One", L"Hand", L"Two", L"VorlIP_Basic_Information"}));
    EXPECT_EQ(ComboItems(a.hMain, IDC_TITLE_LIST),
              (std::vector<std::wstring>{L"One", L"Hand", L"Two"}));
    EXPECT_EQ(IniValue(path, L"Two", L"ip"), L"10.77.1.12");
    SaveScreenshot(L"two_copies");
}

// Two copies on one file: B switches the hot key and "Change event it's disconnected" off, then
// A switches the language. The file keeps all three choices and A's window shows B's at once;
// after a save in B, B's window speaks A's language.
TEST(Profiles, OptionsOfTwoCopiesMeetInTheFileAndInBothWindows) {
    Session a(true, "[Zero]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n");
    ASSERT_NE(a.hMain, nullptr);
    App b;
    ASSERT_TRUE(b.Start(a.folder.ExePath()));
    const HWND hB = b.WaitWindow(kCaption);
    ASSERT_NE(hB, nullptr);
    Pause(300);
    ClickButton(hB, IDC_GLOBAL_HOT_KEY);
    const HWND hBox = b.WaitMessageBox();
    ASSERT_NE(hBox, nullptr);
    App::PressButton(hBox, IDOK);
    ClickButton(hB, IDC_CHANGE_FORCE);
    const wchar_t kOptions[] = L"VorlIP_Basic_Information";
    ASSERT_TRUE(WaitUntil([&] { return a.Ini(kOptions, L"changeforce") == L"false"; }));

    SelectCombo(a.hMain, IDC_LANGUAGE_LIST, kLanguageKorean);
    ASSERT_TRUE(WaitUntil([&] { return a.Ini(kOptions, L"language") == L"kor"; }));
    EXPECT_EQ(a.Ini(kOptions, L"useglobalhotkey"), L"false");
    EXPECT_EQ(a.Ini(kOptions, L"changeforce"), L"false");
    EXPECT_FALSE(IsChecked(a.hMain, IDC_GLOBAL_HOT_KEY));
    EXPECT_FALSE(IsChecked(a.hMain, IDC_CHANGE_FORCE));

    FillStatic(hB, L"Two", 12);
    Save(hB, b, a.folder.IniPath());
    EXPECT_EQ(ComboSelection(hB, IDC_LANGUAGE_LIST), kLanguageKorean);
    EXPECT_EQ(WindowText(hB), L"VorlIP 프리 1.3.3.7");
}

// Saving a title that differs from a stored one only in case goes into that profile's section;
// the form then shows that profile, not whichever one is last.
TEST(Profiles, SaveIntoAnExistingSectionShowsThatProfile) {
    const std::string ini =
        "[Home]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[Work]\r\nnic=2\r\nnicname=vorl-lan\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\n";
    Session s(true, ini);
    ASSERT_NE(s.hMain, nullptr);
    FillStatic(s.hMain, L"home", 40);
    Save(s);
    EXPECT_EQ(ComboItems(s.hMain, IDC_TITLE_LIST), (std::vector<std::wstring>{L"Home", L"Work"}));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_TITLE_LIST), 0);
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.40");
}

TEST(Languages, KoreanFileStartsKoreanAndTheListSwitchesAtOnce) {
    const std::string ini = "[VorlIP_Basic_Information]\r\nlanguage=kor\r\n";
    Session s(true, ini, L"VorlIP 프리 1.3.3.7");
    ASSERT_NE(s.hMain, nullptr);
    EXPECT_EQ(ItemText(s.hMain, IDC_CHANGE_ALL), L"변경하기");
    EXPECT_EQ(ComboSelection(s.hMain, IDC_LANGUAGE_LIST), 1);
    SaveScreenshot(L"language_korean_collapsed");
    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    SaveScreenshot(L"language_korean_expanded");

    SelectCombo(s.hMain, IDC_LANGUAGE_LIST, 2);
    Pause(300);
    EXPECT_EQ(WindowText(s.hMain), L"VorlIP フリー 1.3.3.7");
    for (const ControlCaption& row : GetControlCaptions(2)) {
        EXPECT_EQ(ItemText(s.hMain, row.nId), row.caption) << row.nId;
    }
    EXPECT_TRUE(HasChildWithText(s.hMain, L"Gateway Metric")) << "not in the table: stays English";
    EXPECT_EQ(s.Ini(L"VorlIP_Basic_Information", L"language"), L"jpn");
    EXPECT_FALSE(IsEnabled(s.hMain, IDC_SAVE_OPTION));
    EXPECT_EQ(ItemText(s.hMain, IDC_ABOUT), L"ヘルプとVorl");
    SaveScreenshot(L"language_japanese_expanded");
    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    SaveScreenshot(L"language_japanese_collapsed");

    SelectCombo(s.hMain, IDC_LANGUAGE_LIST, 0);
    Pause(300);
    EXPECT_EQ(WindowText(s.hMain), kCaption);
    EXPECT_EQ(ItemText(s.hMain, IDC_ABOUT), L"Help and Vorl");
    EXPECT_EQ(s.Ini(L"VorlIP_Basic_Information", L"language"), L"eng");
}
