// Start-up and the ways out of the main window, operated from outside like a user would.
#include <gtest/gtest.h>

#include "Desktop.h"
#include "Session.h"
#include "resource.h"

using namespace e2e;

TEST(MainWindow, OpensWithCaptionAndTheAdaptersInInventoryOrder) {
    Session s;
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
    Session s;
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

TEST(MainWindow, EscapeAsksAndTerminateEndsTheProgram) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    PressKey(s.hMain, IDC_NIC_LIST, VK_ESCAPE);
    HWND hAsk = s.app.WaitWindow(L"VorlIP - Terminating..");
    ASSERT_NE(hAsk, nullptr);
    EXPECT_TRUE(s.app.IsRunning());
    ClickButton(hAsk, IDOK);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(MainWindow, CloseRequestAsksAndTerminateEndsTheProgram) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    ASSERT_TRUE(CloseAndTerminate(s, s.hMain));
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(MainWindow, HiddenExitCommandEndsTheProgram) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    ::PostMessageW(s.hMain, WM_COMMAND, MAKEWPARAM(IDC_EXIT_CHECK, BN_CLICKED), 0);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}

TEST(EmptyInventory, SaysTheNicIsZeroAndStillOpens) {
    Session s(false);
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
    HWND hAsk = s.app.WaitWindow(L"VorlIP - Terminating..");
    ASSERT_NE(hAsk, nullptr);
    ClickButton(hAsk, IDOK);
    EXPECT_EQ(s.app.WaitExit(), 0u);
}
