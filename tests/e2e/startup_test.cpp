// Start-up and the ways out of the main window, operated from outside like a user would.
#include <gtest/gtest.h>

#include <sstream>

#include "Driver.h"
#include "resource.h"

using namespace e2e;

namespace {

const std::wstring kCaption = L"VorlIP FREE 1.3.3.7";

std::vector<std::wstring> ExpectedAdapters() {
    wchar_t buffer[1024] = {};
    ::GetEnvironmentVariableW(L"VORLIP_EXPECTED_ADAPTERS", buffer, 1024);
    std::vector<std::wstring> names;
    std::wstringstream stream(buffer);
    for (std::wstring name; std::getline(stream, name, L',');) names.push_back(name);
    return names;
}

std::wstring TestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    return std::wstring(name.begin(), name.end());
}

// Starts a fresh copy in its own folder and waits for the main window.
struct Started {
    ScratchFolder folder{TestName()};
    App app;
    HWND hMain = nullptr;

    explicit Started(bool bExpectMainWindow = true) {
        EXPECT_TRUE(app.Start(folder.ExePath()));
        if (bExpectMainWindow) {
            hMain = app.WaitWindow(kCaption);
            EXPECT_NE(hMain, nullptr) << "main window did not appear";
        }
    }
};

}  // namespace

TEST(MainWindow, OpensWithCaptionAndTheAdaptersInInventoryOrder) {
    Started s;
    ASSERT_NE(s.hMain, nullptr);
    Pause(300);
    EXPECT_EQ(ComboItems(s.hMain, IDC_NIC_LIST), ExpectedAdapters());
    EXPECT_EQ(ComboSelection(s.hMain, IDC_NIC_LIST), 0);
    EXPECT_EQ(ComboItems(s.hMain, IDC_METRIC).size(), 16u);
    EXPECT_EQ(ComboItems(s.hMain, IDC_LANGUAGE_LIST),
              (std::vector<std::wstring>{L"English", L"Korean", L"Japanese"}));
    EXPECT_EQ(ComboItems(s.hMain, IDC_PRINTER_LIST).back(), L"Do not change Printer");
    EXPECT_EQ(s.app.FindMessageBox(), nullptr);
    SaveScreenshot(L"startup_main_window");
}

TEST(MainWindow, EnterLeavesTheWindowOpen) {
    Started s;
    ASSERT_NE(s.hMain, nullptr);
    for (int id : {IDC_TITLE_LIST, IDC_NIC_LIST, IDC_AUTOCONF_URL}) {
        PressKey(s.hMain, id, VK_RETURN);
        Pause(400);
        EXPECT_TRUE(s.app.IsRunning());
        EXPECT_TRUE(::IsWindowVisible(s.hMain));
    }
    EXPECT_EQ(s.app.FindMessageBox(), nullptr);
    SaveScreenshot(L"enter_keeps_window");
}

TEST(MainWindow, EscapeEndsTheProgram) {
    Started s;
    ASSERT_NE(s.hMain, nullptr);
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(MainWindow, CloseRequestEndsTheProgram) {
    Started s;
    ASSERT_NE(s.hMain, nullptr);
    ::PostMessageW(s.hMain, WM_CLOSE, 0, 0);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(MainWindow, HiddenExitCommandEndsTheProgram) {
    Started s;
    ASSERT_NE(s.hMain, nullptr);
    ::PostMessageW(s.hMain, WM_COMMAND, MAKEWPARAM(IDC_EXIT_CHECK, BN_CLICKED), 0);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(EmptyInventory, SaysTheNicIsZeroAndStillOpens) {
    Started s(false);
    HWND hBox = s.app.WaitMessageBox();
    ASSERT_NE(hBox, nullptr);
    EXPECT_EQ(App::MessageBoxText(hBox), L"The NIC is 0");
    SaveScreenshot(L"empty_inventory_message");
    App::PressButton(hBox, IDOK);
    HWND hMain = s.app.WaitWindow(kCaption);
    ASSERT_NE(hMain, nullptr);
    Pause(300);
    EXPECT_TRUE(ComboItems(hMain, IDC_NIC_LIST).empty());
    SaveScreenshot(L"empty_inventory_window");
    PressKey(hMain, IDC_NIC_LIST, VK_ESCAPE);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}
