#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ui/DesktopLayout.h"
#include "ui/SystemOptions.h"

namespace {

TEST(RunValue, WholePathInQuotes) {
    EXPECT_EQ(RunValueText(L"C:\\Program Files\\VorlIP\\VorlIP.exe"),
              L"\"C:\\Program Files\\VorlIP\\VorlIP.exe\"");
    // Nothing is cut, however long the path.
    const std::wstring longPath = L"D:\\" + std::wstring(300, L'x') + L"\\VorlIP.exe";
    EXPECT_EQ(RunValueText(longPath), L"\"" + longPath + L"\"");
}

TEST(StartOnBoot, OutcomesByStepAndCode) {
    struct Case {
        bool bOn;
        uint32_t open, value;
        const wchar_t* message;
        bool bStore;
    };
    const Case cases[] = {
        {true, 0, 0, L"등록 성공", true},
        {true, 5, 0, L"등록 실패 Code 001 / Type 5", false},
        {true, 0, 1450, L"등록 실패 Code 002 / Type 1450", false},
        {false, 0, 0, L"삭제 성공", true},
        // The value is already absent: that is the state asked for.
        {false, 0, 2, L"삭제 성공", true},
        {false, 5, 0, L"삭제 실패 Code 001 / Type 5", false},
        {false, 0, 5, L"삭제 실패 Code 002 / Type 5", false},
        // The open step is reported even if a value code came along.
        {true, 2, 2, L"등록 실패 Code 001 / Type 2", false},
    };
    for (const Case& c : cases) {
        const StartOnBootOutcome outcome = DecideStartOnBoot(c.bOn, c.open, c.value);
        EXPECT_EQ(outcome.message, c.message);
        EXPECT_EQ(outcome.bStore, c.bStore) << std::wstring(c.message).size();
    }
}

// The task the scheduler starts at log-on: Wine stores only part of it, so the definition itself
// is checked here, piece by piece as Windows reads it. Like the Run value it replaces, it starts
// the program at every user's log-on, whoever ticked the box.
TEST(StartOnBoot, LogOnTaskDefinition) {
    const std::wstring xml = LogOnTaskXml(L"C:\\Tools & Co\\Vorl<IP>\\VorlIP.exe");
    const auto has = [&](const wchar_t* part) {
        EXPECT_NE(xml.find(part), std::wstring::npos) << std::string(part, part + wcslen(part));
    };
    has(L"<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>");
    has(L"<Principals><Principal id=\"Author\"><GroupId>S-1-5-32-545</GroupId>"
        L"<RunLevel>HighestAvailable</RunLevel></Principal></Principals>");
    // No user anywhere: neither the trigger nor the principal names the one who ticked the box.
    EXPECT_EQ(xml.find(L"UserId"), std::wstring::npos);
    EXPECT_EQ(xml.find(L"LogonType"), std::wstring::npos);
    // A second user logging on while the first one's copy runs still gets the program.
    has(L"<MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>");
    has(L"<Actions Context=\"Author\"><Exec>"
        L"<Command>&quot;C:\\Tools &amp; Co\\Vorl&lt;IP&gt;\\VorlIP.exe&quot;</Command>"
        L"<WorkingDirectory>C:\\Tools &amp; Co\\Vorl&lt;IP&gt;</WorkingDirectory></Exec>");
    has(L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
        L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>");
    has(L"<IdleSettings><StopOnIdleEnd>false</StopOnIdleEnd>");
    has(L"<RunOnlyIfIdle>false</RunOnlyIfIdle>");
    has(L"<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>");

    // Scheduler results read as system codes where they carry one.
    EXPECT_EQ(TaskErrorCode(0x80070005u), 5u);
    EXPECT_EQ(TaskErrorCode(0x80070002u), 2u);
    EXPECT_EQ(TaskErrorCode(0x80041318u), 0x80041318u);
    EXPECT_EQ(TaskErrorCode(0), 0u);
    EXPECT_EQ(DecideStartOnBoot(false, 0, TaskErrorCode(0x80070002u)).message, L"삭제 성공");
}

TEST(GlobalHotKey, MessagesAndTheKeyThatToggles) {
    EXPECT_EQ(GlobalHotKeyMessage(true, true, L""),
              L"Use Ctrl + Shift + D to show/hide application window");
    EXPECT_EQ(GlobalHotKeyMessage(false, false, L"whatever"), L"Global Hot Key is disabled");
    // A refusal is not reported as success; the system's text comes without its line end.
    EXPECT_EQ(GlobalHotKeyMessage(true, false, L"Hot key is already registered.\r\n"),
              L"Ctrl + Shift + D is in use by another program.\n\nHot key is already registered.");
    EXPECT_EQ(GlobalHotKeyMessage(true, false, L""),
              L"Ctrl + Shift + D is in use by another program.");

    EXPECT_TRUE(IsToggleHotKey(6, 0x44));
    EXPECT_FALSE(IsToggleHotKey(2, 0x44));      // Ctrl only
    EXPECT_FALSE(IsToggleHotKey(6 | 1, 0x44));  // with Alt
    EXPECT_FALSE(IsToggleHotKey(6, 0x45));
}

TEST(SizeTrouble, SizeFromDpiAndMessage) {
    // Tahoma's base units and Wine's frame at 143 and 144 dpi.
    const DialogMetrics metrics = {9, 19, {6, 34}};
    EXPECT_EQ(SizeTroubleWindowSize(96, metrics), (PixelSize{550, 750}));
    EXPECT_EQ(SizeTroubleWindowSize(143, metrics), (PixelSize{630, 763}));
    EXPECT_EQ(SizeTroubleWindowSize(144, metrics), (PixelSize{630, 870}));
    EXPECT_EQ(SizeTroubleMessage(120, 96),
              L"Please send this message to support@vorlip.example dpiX is 120, dipY is 96");
}

TEST(TerminateDialog, LinkEdges) {
    // The cursor area includes its left and top edges; a click must be strictly inside.
    EXPECT_TRUE(IsOverTerminateLink(0, 0));
    EXPECT_TRUE(IsOverTerminateLink(99, 199));
    EXPECT_FALSE(IsOverTerminateLink(100, 10));
    EXPECT_FALSE(IsOverTerminateLink(10, 200));
    EXPECT_FALSE(IsOverTerminateLink(-1, 10));
    EXPECT_FALSE(IsTerminateLinkClick(0, 10));
    EXPECT_FALSE(IsTerminateLinkClick(10, 0));
    EXPECT_TRUE(IsTerminateLinkClick(1, 1));
    EXPECT_TRUE(IsTerminateLinkClick(99, 199));
    EXPECT_FALSE(IsTerminateLinkClick(100, 199));
}

TEST(FloatBar, AddressTextIsUnsignedBytesInOrder) {
    const uint8_t none[4] = {0, 0, 0, 0};
    EXPECT_EQ(FloatAddressText(none), L"0 : 0 : 0 : 0");
    const uint8_t high[4] = {255, 128, 7, 10};
    EXPECT_EQ(FloatAddressText(high), L"255 : 128 : 7 : 10");
}

}  // namespace
