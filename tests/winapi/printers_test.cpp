// The printer list and the default printer through the spooler, with the CUPS queues the test
// runner creates (tools/rig/cups.sh start vorl-office vorl-home vorl-lab), vorl-office the
// default.
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "apply/EnumPrinters.h"
#include "apply/PrinterRules.h"

namespace {

class Printers : public ::testing::Test {
protected:
    // Leaves the default as the fixture made it, whatever a test changed.
    void TearDown() override { ::SetDefaultPrinterW(L"vorl-office"); }

    static int PositionOf(const CEnumPrinters& printers, const wchar_t* name) {
        const auto it = std::find(printers.m_lstNames.begin(), printers.m_lstNames.end(), name);
        return it == printers.m_lstNames.end() ? -1
                                               : static_cast<int>(it - printers.m_lstNames.begin());
    }
};

}  // namespace

// The list is read by name only (the level that opens no printer) and holds every queue.
TEST_F(Printers, ListsTheQueuesByName) {
    const CEnumPrinters printers;
    ASSERT_EQ(printers.m_nPrinters, 3);
    ASSERT_EQ(printers.m_lstNames.size(), 3u);
    for (const wchar_t* name : {L"vorl-office", L"vorl-home", L"vorl-lab"}) {
        const int i = PositionOf(printers, name);
        ASSERT_GE(i, 0) << name;
        EXPECT_EQ(printers.GetPrinterName(i), name);
    }
    EXPECT_EQ(printers.GetPrinterName(3), L"Error");
    const std::vector<std::wstring> entries = PrinterListEntries(printers.m_lstNames);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries.back(), L"Do not change Printer");
}

TEST_F(Printers, DefaultPrinterIsTheCupsDefault) {
    wchar_t buffer[CEnumPrinters::kDefaultNameCapacity] = {};
    ASSERT_EQ(CEnumPrinters::GetDefaultPrinterName(buffer), 1);
    EXPECT_STREQ(buffer, L"vorl-office");
    EXPECT_EQ(CEnumPrinters::DefaultPrinterName(), L"vorl-office");
}

TEST_F(Printers, SelectedEntryBecomesTheDefaultAndTheLastEntryLeavesIt) {
    const CEnumPrinters printers;
    const int nEntries = printers.m_nPrinters + 1;
    const int lab = PositionOf(printers, L"vorl-lab");
    ASSERT_GE(lab, 0);

    EXPECT_EQ(printers.SetDefaultPrinterFromList(lab, nEntries), 1);
    wchar_t buffer[MAX_PATH] = {};
    DWORD nSize = MAX_PATH;
    ASSERT_TRUE(::GetDefaultPrinterW(buffer, &nSize));
    EXPECT_STREQ(buffer, L"vorl-lab");
    // Showing the current information now selects the new default.
    EXPECT_EQ(DefaultPrinterPosition(printers.m_lstNames, CEnumPrinters::DefaultPrinterName()),
              lab);

    EXPECT_EQ(printers.SetDefaultPrinterFromList(nEntries - 1, nEntries), 0);
    EXPECT_EQ(printers.SetDefaultPrinterFromList(-1, nEntries), 0);
    EXPECT_EQ(CEnumPrinters::DefaultPrinterName(), L"vorl-lab");
}
