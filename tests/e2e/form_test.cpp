// The main form: adapter choice with and without a title, the address enable rules, and the
// window sizes.
#include <gtest/gtest.h>

#include <algorithm>

#include "Session.h"
#include "resource.h"

using namespace e2e;

TEST(Form, AdapterChoiceFillsTheFormOnlyWhileNoTitleIsShown) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    // No configuration: the first adapter's live settings, and no title.
    EXPECT_EQ(ItemText(s.hMain, IDC_TITLE_LIST), L"");
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.10");
    EXPECT_EQ(IpText(s.hMain, IDC_SUBNET), L"255.255.255.0");
    EXPECT_EQ(IpText(s.hMain, IDC_GATEWAY), L"10.77.1.1");
    EXPECT_EQ(IpText(s.hMain, IDC_DNS), L"10.77.1.53");
    EXPECT_EQ(IpText(s.hMain, IDC_DNS2), L"10.77.1.54");
    EXPECT_NE(ItemText(s.hMain, IDC_NIC_INFO).find(L"[NIC "), std::wstring::npos);

    SelectCombo(s.hMain, IDC_NIC_LIST, 1);
    Pause(200);
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.2.20");
    EXPECT_EQ(IpText(s.hMain, IDC_SUBNET), L"255.255.0.0");
    EXPECT_NE(ItemText(s.hMain, IDC_NIC_INFO).find(L"vorl-wifi"), std::wstring::npos);

    // With a title typed, another adapter changes only the information text.
    SetText(s.hMain, IDC_TITLE_LIST, L"Typed");
    SelectCombo(s.hMain, IDC_NIC_LIST, 0);
    Pause(200);
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.2.20");
    EXPECT_NE(ItemText(s.hMain, IDC_NIC_INFO).find(L"vorl-lan"), std::wstring::npos);
}

TEST(Form, DhcpRadiosEnableTheirAddressFieldsButNeverTheMetric) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    ClickButton(s.hMain, IDC_USE_STATIC_IP);
    ClickButton(s.hMain, IDC_USE_STATIC_DNS);
    Pause(200);
    for (int id : {IDC_IP, IDC_SUBNET, IDC_GATEWAY, IDC_DNS, IDC_DNS2}) {
        EXPECT_TRUE(IsEnabled(s.hMain, id)) << id;
    }
    ClickButton(s.hMain, IDC_USE_DHCP_IP);
    Pause(200);
    for (int id : {IDC_IP, IDC_SUBNET, IDC_GATEWAY}) EXPECT_FALSE(IsEnabled(s.hMain, id)) << id;
    EXPECT_TRUE(IsEnabled(s.hMain, IDC_DNS));
    EXPECT_TRUE(IsEnabled(s.hMain, IDC_METRIC));
    ClickButton(s.hMain, IDC_USE_DHCP_DNS);
    Pause(200);
    EXPECT_FALSE(IsEnabled(s.hMain, IDC_DNS));
    EXPECT_FALSE(IsEnabled(s.hMain, IDC_DNS2));
    EXPECT_TRUE(IsEnabled(s.hMain, IDC_METRIC));
}

TEST(Form, StartsAtTheTopLeftCollapsedAndExpandsInPlace) {
    Session s;
    ASSERT_NE(s.hMain, nullptr);
    RECT rc;
    ::GetWindowRect(s.hMain, &rc);
    EXPECT_EQ(rc.left, 0);
    EXPECT_EQ(rc.top, 0);
    EXPECT_EQ(rc.right - rc.left, 370);
    EXPECT_EQ(rc.bottom - rc.top, 520);
    SaveScreenshot(L"form_collapsed_english");

    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_EXPAND), L"<<");
    RECT expanded;
    ::GetWindowRect(s.hMain, &expanded);
    EXPECT_EQ(expanded.right - expanded.left, 610);
    EXPECT_EQ(expanded.bottom - expanded.top, 520);
    SaveScreenshot(L"form_expanded_english");

    ClickButton(s.hMain, IDC_EXPAND);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_EXPAND), L">>");
    ::GetWindowRect(s.hMain, &rc);
    EXPECT_EQ(rc.right - rc.left, 370);
}

TEST(Form, StartsOnTheFirstProfileAndShowsTheAdapterItsCommandsWouldChange) {
    // "First" carries the index of vorl-wifi but names vorl-lan; the commands address adapters by
    // name, so the list shows vorl-lan for both profiles, whatever index either stores.
    const std::string ini =
        "[First]\r\nnic=3\r\nnicname=vorl-lan\r\nmetric=4\r\ndhcpip=FALSE\r\ndhcpdns=TRUE\r\n"
        "ip=10.77.1.50\r\nsubnet=255.255.255.0\r\ngateway=10.77.1.1\r\n"
        "[Second]\r\nnic=2\r\nnicname=vorl-lan\r\nmetric=7\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n";
    Session s(true, ini);
    ASSERT_NE(s.hMain, nullptr);
    EXPECT_EQ(ItemText(s.hMain, IDC_TITLE_LIST), L"First");
    EXPECT_EQ(ComboSelection(s.hMain, IDC_TITLE_LIST), 0);
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.50");
    EXPECT_EQ(ItemText(s.hMain, IDC_METRIC), L"4");
    EXPECT_TRUE(IsChecked(s.hMain, IDC_USE_STATIC_IP));
    EXPECT_TRUE(IsChecked(s.hMain, IDC_USE_DHCP_DNS));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_NIC_LIST), 0);
    EXPECT_NE(ItemText(s.hMain, IDC_NIC_INFO).find(L"vorl-lan"), std::wstring::npos);

    SelectCombo(s.hMain, IDC_TITLE_LIST, 1);
    Pause(200);
    EXPECT_EQ(ItemText(s.hMain, IDC_METRIC), L"7");
    EXPECT_TRUE(IsChecked(s.hMain, IDC_USE_DHCP_IP));
    EXPECT_EQ(ComboSelection(s.hMain, IDC_NIC_LIST), 0);

    // With a profile shown, another adapter changes neither the addresses nor the radios.
    SelectCombo(s.hMain, IDC_TITLE_LIST, 0);
    Pause(200);
    SelectCombo(s.hMain, IDC_NIC_LIST, 0);
    Pause(200);
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.50");
    EXPECT_TRUE(IsChecked(s.hMain, IDC_USE_STATIC_IP));
    EXPECT_EQ(ItemText(s.hMain, IDC_TITLE_LIST), L"First");

    // "Load current Info" empties the title and shows the adapter's live settings.
    ClickButton(s.hMain, IDC_LOAD_CURRENT);
    Pause(300);
    EXPECT_EQ(ItemText(s.hMain, IDC_TITLE_LIST), L"");
    EXPECT_EQ(IpText(s.hMain, IDC_IP), L"10.77.1.10");
}

// A profile that chose no printer shows "Do not change Printer" and keeps that choice when it is
// saved again; a one-character name is no choice at all and shows the default printer.
TEST(Form, ProfilesWithoutARealPrinterKeepTheirChoice) {
    std::string ini;
    for (const char* printer : {"No_Printer", "No Printer", "v"}) {
        ini += std::string("[") + printer + "]\r\nnic=2\r\nnicname=vorl-lan\r\nprinter=" + printer +
               "\r\ndhcpip=TRUE\r\ndhcpdns=TRUE\r\n";
    }
    ini += "[Home]\r\nnic=2\r\nnicname=vorl-lan\r\nprinter=vorl-home\r\n";
    Session s(true, ini);
    ASSERT_NE(s.hMain, nullptr);
    const std::vector<std::wstring> printers = ComboItems(s.hMain, IDC_PRINTER_LIST);
    ASSERT_GE(printers.size(), 4u);
    EXPECT_EQ(printers.back(), L"Do not change Printer");
    const auto position = [&](const std::wstring& name) {
        return static_cast<int>(std::find(printers.begin(), printers.end(), name) -
                                printers.begin());
    };
    const int nDoNotChange = static_cast<int>(printers.size()) - 1;
    for (int i = 0; i < 2; ++i) {
        SelectCombo(s.hMain, IDC_TITLE_LIST, i);
        Pause(200);
        EXPECT_EQ(ComboSelection(s.hMain, IDC_PRINTER_LIST), nDoNotChange) << i;
    }
    // The runner's CUPS default is vorl-office.
    SelectCombo(s.hMain, IDC_TITLE_LIST, 2);
    Pause(200);
    EXPECT_EQ(ComboSelection(s.hMain, IDC_PRINTER_LIST), position(L"vorl-office"));
    SelectCombo(s.hMain, IDC_TITLE_LIST, 3);
    Pause(200);
    EXPECT_EQ(ComboSelection(s.hMain, IDC_PRINTER_LIST), position(L"vorl-home"));

    SelectCombo(s.hMain, IDC_TITLE_LIST, 1);
    Pause(200);
    const std::string before = ReadFileBytes(s.folder.IniPath());
    ClickButton(s.hMain, IDC_SAVE);
    EXPECT_TRUE(WaitUntil([&] { return ReadFileBytes(s.folder.IniPath()) != before; }));
    Pause(300);
    EXPECT_EQ(s.Ini(L"No Printer", L"printer"), L"Do not change Printer");
    EXPECT_EQ(ComboSelection(s.hMain, IDC_PRINTER_LIST), nDoNotChange);
}
