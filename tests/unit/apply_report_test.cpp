// The message after an apply: said only when a static address did not take or a command had to
// be ended, and then naming the adapter, what was asked, what it has and how each command ended.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apply/ApplyReport.h"
#include "config/ConfigKeys.h"
#include "support/Records.h"

namespace {

NetworkTarget StaticTarget() {
    NetworkTarget t;
    t.m_strNicName = L"Ethernet";
    t.m_bDhcpIp = 0;
    t.m_strIp = L"10.0.0.5";
    t.m_strMask = L"255.255.255.0";
    t.m_strGateway = L"10.0.0.1";
    t.m_bDhcpDns = 0;
    t.m_strDns[0] = L"10.0.0.53";
    t.m_strDns[1] = L"0.0.0.0";
    return t;
}

std::vector<NICs> Inventory(const wchar_t* ip, const wchar_t* mask, const wchar_t* gateway) {
    std::vector<NICs> inventory(2);
    CopyField(inventory[0].nicname, L"Wi-Fi");
    SetAddresses(inventory[0], L"10.0.0.5", L"255.255.255.0", L"10.0.0.1", L"", L"");
    CopyField(inventory[1].nicname, L"Ethernet");
    SetAddresses(inventory[1], ip, mask, gateway, L"", L"");
    for (NICs& adapter : inventory) adapter.operstatus = 1;
    return inventory;
}

std::vector<CommandResult> Exits(uint32_t address, uint32_t dns) {
    const NetworkTarget t = StaticTarget();
    const std::vector<std::wstring> lines = ApplyCommandLines(t);
    return {{lines[0], CommandOutcome::Exited, address}, {lines[1], CommandOutcome::Exited, dns}};
}

}  // namespace

TEST(ApplyReport, NothingIsSaidWhenTheAddressTookWhateverTheExitCodes) {
    const NetworkTarget asked = StaticTarget();
    EXPECT_EQ(ApplyReport(asked, Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1"), Exits(0, 0),
                          kLanguageEnglish),
              L"");
    // DNS is not compared, so a refused DNS command alone says nothing.
    EXPECT_EQ(ApplyReport(asked, Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1"), Exits(0, 1),
                          kLanguageEnglish),
              L"");
    // Without a gateway asked for, the adapter's gateway does not matter.
    NetworkTarget noGateway = StaticTarget();
    noGateway.m_strGateway = L"0.0.0.0";
    EXPECT_EQ(ApplyReport(noGateway, Inventory(L"10.0.0.5", L"255.255.255.0", L"192.168.1.1"),
                          Exits(0, 0), kLanguageEnglish),
              L"");
    // A DHCP address may still be on its way: not compared at all.
    NetworkTarget dhcp = StaticTarget();
    dhcp.m_bDhcpIp = 1;
    EXPECT_EQ(ApplyReport(dhcp, Inventory(L"", L"", L""), Exits(1, 1), kLanguageEnglish), L"");
}

TEST(ApplyReport, AnAddressThatDidNotTakeNamesTheAdapterBothSidesAndEveryExitCode) {
    const NetworkTarget asked = StaticTarget();
    const std::vector<CommandResult> results = Exits(1, 0);
    const std::wstring text = ApplyReport(asked, Inventory(L"10.0.0.9", L"255.255.0.0", L"0.0.0.0"),
                                          results, kLanguageEnglish);
    EXPECT_EQ(text,
              L"The settings did not take on \"Ethernet\".\n\n"
              L"Asked: 10.0.0.5 / 255.255.255.0, gateway 10.0.0.1\n"
              L"Now: 10.0.0.9 / 255.255.0.0, gateway none\n\n" +
                  results[0].line + L" : exit code 1\n" + results[1].line + L" : exit code 0");

    // Each of address, mask and gateway counts on its own.
    for (const auto& now : {Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.254"),
                            Inventory(L"10.0.0.5", L"255.0.0.0", L"10.0.0.1"),
                            Inventory(L"10.0.0.6", L"255.255.255.0", L"10.0.0.1")}) {
        EXPECT_NE(ApplyReport(asked, now, results, kLanguageEnglish), L"");
    }
}

TEST(ApplyReport, AGoneAdapterAndCommandsThatDidNotRunOrEndAreSaid) {
    NetworkTarget asked = StaticTarget();
    asked.m_strNicName = L"USB";
    const std::vector<std::wstring> lines = ApplyCommandLines(asked);
    const std::vector<CommandResult> results = {{lines[0], CommandOutcome::TimedOut, 1, 2500},
                                                {lines[1], CommandOutcome::NotStarted, 0}};
    const std::wstring text = ApplyReport(
        asked, Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1"), results, kLanguageEnglish);
    EXPECT_NE(text.find(L"\"USB\""), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"Now: adapter not found\n"), std::wstring::npos) << text;
    EXPECT_NE(text.find(lines[0] + L" : stopped after 2.5 s"), std::wstring::npos) << text;
    EXPECT_NE(text.find(lines[1] + L" : not started"), std::wstring::npos) << text;

    // A command that had to be ended is said even when the address is as asked, and for DHCP.
    NetworkTarget dhcp = StaticTarget();
    dhcp.m_bDhcpIp = 1;
    const std::wstring timedOut = ApplyReport(
        dhcp, Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1"), results, kLanguageEnglish);
    EXPECT_EQ(timedOut.rfind(L"A netsh command for \"Ethernet\" did not end in time", 0), 0u)
        << timedOut;
    EXPECT_EQ(timedOut.find(L"Asked"), std::wstring::npos) << "DHCP asks for no address";
}

TEST(ApplyReport, TheMessageFollowsTheLanguage) {
    const NetworkTarget asked = StaticTarget();
    const auto now = Inventory(L"10.0.0.9", L"255.255.255.0", L"10.0.0.1");
    const std::wstring korean = ApplyReport(asked, now, Exits(1, 0), kLanguageKorean);
    EXPECT_EQ(korean.rfind(L"\"Ethernet\"에 설정이 적용되지 않았습니다.\n\n요청: 10.0.0.5", 0), 0u);
    EXPECT_NE(korean.find(L"종료 코드 1"), std::wstring::npos);
    const std::wstring japanese = ApplyReport(asked, now, Exits(1, 0), kLanguageJapanese);
    EXPECT_EQ(japanese.rfind(L"「Ethernet」に設定が反映されませんでした。\n\n指定: 10.0.0.5", 0),
              0u);
    EXPECT_NE(japanese.find(L"終了コード 1"), std::wstring::npos);
    // A language index the tables do not know still gets the message, in English.
    EXPECT_EQ(ApplyReport(asked, now, Exits(1, 0), 7),
              ApplyReport(asked, now, Exits(1, 0), kLanguageEnglish));
}

// An unplugged adapter shows no address on Windows, however the commands went: nothing to say,
// and nothing to wait for. An adapter that is up is waited for only after a command that went
// well.
TEST(ApplyReport, ADownLinkIsNotComparedAndOnlyAGoodAddressCommandIsWaitedFor) {
    const NetworkTarget asked = StaticTarget();
    std::vector<NICs> inventory = Inventory(L"", L"", L"");
    EXPECT_EQ(CheckAddress(asked, inventory), AddressCheck::NotYet);
    inventory[1].operstatus = 2;
    EXPECT_EQ(CheckAddress(asked, inventory), AddressCheck::NotCompared);
    EXPECT_EQ(ApplyReport(asked, inventory, Exits(1, 0), kLanguageEnglish), L"");
    EXPECT_EQ(CheckAddress(asked, Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1")),
              AddressCheck::Took);

    EXPECT_TRUE(ShouldWaitForAddress(asked, Exits(0, 1)));
    EXPECT_FALSE(ShouldWaitForAddress(asked, Exits(1, 0)));
    EXPECT_FALSE(ShouldWaitForAddress(asked, {}));
    std::vector<CommandResult> timedOut = Exits(0, 0);
    timedOut[0].outcome = CommandOutcome::TimedOut;
    EXPECT_FALSE(ShouldWaitForAddress(asked, timedOut));
    NetworkTarget dhcp = StaticTarget();
    dhcp.m_bDhcpIp = 1;
    EXPECT_FALSE(ShouldWaitForAddress(dhcp, Exits(0, 0)));
}

// Exit code 4 of the command line and the one message: every step that failed makes the apply
// not taken and is listed; a netsh's exit code alone does not (netsh ends with 1 when DHCP is
// already on); the message is empty exactly when nothing failed.
TEST(ApplyReport, EveryStepThatFailedIsListedAndNothingElse) {
    const NetworkTarget asked = StaticTarget();
    const auto took = Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1");
    const auto other = Inventory(L"10.0.0.9", L"255.255.255.0", L"10.0.0.1");
    ApplySteps scriptFailed;
    scriptFailed.scriptFailed = true;
    ApplySteps refused;
    refused.printer = PrinterStep::Refused;
    refused.printerName = L"Office";
    ApplySteps both = refused;
    both.printer = PrinterStep::Missing;
    both.scriptFailed = true;
    ApplySteps printerSet = refused;
    printerSet.printer = PrinterStep::Set;
    const std::wstring script =
        L"Failed to set Auto Configuration Script, Please do it by yourself";
    struct Case {
        const char* name;
        const std::vector<NICs>& inventory;
        ApplySteps steps;
        ApplyVerdict verdict;
        std::wstring text;
    };
    const std::wstring notTaken = ApplyReport(asked, other, Exits(0, 1), kLanguageEnglish);
    const Case cases[] = {
        {"all took, a DNS netsh ended with 1", took, printerSet, ApplyVerdict::Took, L""},
        {"printer refused", took, refused, ApplyVerdict::NotTaken,
         L"The default printer could not be set to \"Office\"."},
        {"script and printer", took, both, ApplyVerdict::NotTaken,
         script + L"\nThere is no printer \"Office\"; the default printer was not changed."},
        {"address and script", other, scriptFailed, ApplyVerdict::NotTaken,
         notTaken + L"\n\n" + script},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(JudgeApply(asked, c.inventory, Exits(0, 1), c.steps), c.verdict) << c.name;
        EXPECT_EQ(ApplyReport(asked, c.inventory, Exits(0, 1), c.steps, kLanguageEnglish), c.text)
            << c.name;
    }

    // A netsh that could not be started is a step that did not run, also for a DHCP address.
    NetworkTarget dhcp = StaticTarget();
    dhcp.m_bDhcpIp = 1;
    std::vector<CommandResult> notStarted = Exits(0, 0);
    notStarted[1].outcome = CommandOutcome::NotStarted;
    EXPECT_EQ(JudgeApply(dhcp, took, notStarted, {}), ApplyVerdict::NotTaken);
    const std::wstring text = ApplyReport(dhcp, took, notStarted, {}, kLanguageEnglish);
    EXPECT_EQ(text.rfind(L"A netsh command for \"Ethernet\" could not be started.\n", 0), 0u);
    EXPECT_NE(text.find(notStarted[1].line + L" : not started"), std::wstring::npos) << text;
}

// Exit code 6: without a rebuilt inventory the address cannot be checked, whatever else went
// well; the message says so, with how each command ended, and shows nothing of the inventory.
TEST(ApplyReport, AdaptersUnreadableAfterTheCommandsLeaveTheAddressUnknown) {
    const NetworkTarget asked = StaticTarget();
    ApplySteps steps;
    steps.adaptersRead = false;
    const std::vector<CommandResult> results = Exits(0, 0);
    const auto took = Inventory(L"10.0.0.5", L"255.255.255.0", L"10.0.0.1");
    EXPECT_EQ(JudgeApply(asked, took, results, steps), ApplyVerdict::AdaptersUnreadable);
    steps.scriptFailed = true;
    EXPECT_EQ(JudgeApply(asked, took, results, steps), ApplyVerdict::AdaptersUnreadable);
    EXPECT_EQ(ApplyReport(asked, took, results, steps, kLanguageEnglish),
              L"The adapters could not be read after the commands for \"Ethernet\"; whether the "
              L"settings took is not known.\n\n" +
                  results[0].line + L" : exit code 0\n" + results[1].line +
                  L" : exit code 0\n\n"
                  L"Failed to set Auto Configuration Script, Please do it by yourself");
}
