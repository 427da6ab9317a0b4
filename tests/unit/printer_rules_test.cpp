#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "apply/PrinterRules.h"

namespace {
const std::vector<std::wstring> kNames = {L"Office", L"Home", L"Lab"};
}

TEST(PrinterRules, ListEndsWithTheEntryThatLeavesTheDefaultAlone) {
    const std::vector<std::wstring> entries = PrinterListEntries(kNames);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[2], L"Lab");
    EXPECT_EQ(entries[3], L"Do not change Printer");
    EXPECT_EQ(PrinterListEntries({}), std::vector<std::wstring>{L"Do not change Printer"});
}

TEST(PrinterRules, NameAtClampsBelowAndReportsErrorPastTheEnd) {
    EXPECT_EQ(PrinterNameAt(kNames, 1), L"Home");
    EXPECT_EQ(PrinterNameAt(kNames, 0), L"Office");
    EXPECT_EQ(PrinterNameAt(kNames, -1), L"Office");
    EXPECT_EQ(PrinterNameAt(kNames, 3), L"Error");
    EXPECT_EQ(PrinterNameAt({}, 0), L"Error");
}

TEST(PrinterRules, SelectionOfTheLastEntryMeansNoPrinter) {
    EXPECT_EQ(PrinterOfListEntry(kNames, 3, 4), L"No Printer");
    EXPECT_EQ(PrinterOfListEntry(kNames, 2, 4), L"Lab");
    EXPECT_EQ(PrinterOfListEntry({}, 0, 1), L"No Printer");

    EXPECT_TRUE(SelectionChangesDefaultPrinter(0, 4));
    EXPECT_TRUE(SelectionChangesDefaultPrinter(2, 4));
    EXPECT_FALSE(SelectionChangesDefaultPrinter(3, 4));
    EXPECT_FALSE(SelectionChangesDefaultPrinter(-1, 4));
    EXPECT_FALSE(SelectionChangesDefaultPrinter(0, 1));
}

TEST(PrinterRules, ProfilePrinterMatchesExactlyElseFallsBackToTheDefault) {
    EXPECT_EQ(ProfilePrinterPosition(kNames, L"Lab", L"Home"), 2);
    // Exact, case-sensitive.
    EXPECT_EQ(ProfilePrinterPosition(kNames, L"lab", L"Home"), 1);
    // A printer that is gone shows the default.
    for (const wchar_t* printer : {L"Gone", L""}) {
        EXPECT_EQ(ProfilePrinterPosition(kNames, printer, L"Lab"), 2) << printer;
    }
    // A profile that chose no printer shows "Do not change Printer", the entry after the names:
    // showing the default there would store that printer at the next save.
    for (const wchar_t* printer : {L"Do not change Printer", L"No Printer", L"No_Printer"}) {
        EXPECT_EQ(ProfilePrinterPosition(kNames, printer, L"Lab"), 3) << printer;
        EXPECT_EQ(ProfilePrinterPosition({}, printer, L""), 0) << printer;
    }
    // ...unless a real printer has that very name.
    EXPECT_EQ(ProfilePrinterPosition({L"Lab", L"No Printer"}, L"No Printer", L"Lab"), 1);
    // Unreadable or unknown default: the first printer.
    EXPECT_EQ(ProfilePrinterPosition(kNames, L"Gone", L""), 0);
    EXPECT_EQ(ProfilePrinterPosition(kNames, L"Gone", L"Elsewhere"), 0);
}

// Without the window nobody sees the default printer stand in for one that is gone: that printer
// counts as missing, a profile that chose none (or an empty name) does not.
TEST(PrinterRules, APrinterNoQueueHasIsMissingOnlyWhenTheProfileNamedOne) {
    EXPECT_TRUE(ProfilePrinterMissing(kNames, L"Gone"));
    EXPECT_TRUE(ProfilePrinterMissing(kNames, L"lab")) << "exact, as the window matches";
    EXPECT_TRUE(ProfilePrinterMissing({}, L"Lab"));
    for (const wchar_t* printer :
         {L"Lab", L"", L"Do not change Printer", L"No Printer", L"No_Printer"}) {
        EXPECT_FALSE(ProfilePrinterMissing(kNames, printer)) << printer;
    }
}

TEST(PrinterRules, OneCharacterNamesNeverMatchAProfile) {
    const std::vector<std::wstring> names = {L"A", L"B", L"Main"};
    EXPECT_EQ(ProfilePrinterPosition(names, L"B", L"Main"), 2);
    EXPECT_EQ(ProfilePrinterPosition(names, L"B", L""), 0);
    // ...but a one-character default printer is still found as the fallback.
    EXPECT_EQ(ProfilePrinterPosition(names, L"B", L"B"), 1);
}

TEST(PrinterRules, DefaultPositionTakesTheLastPrinterNamedLikeTheDefault) {
    const std::vector<std::wstring> names = {L"P", L"Twin", L"Q", L"Twin"};
    EXPECT_EQ(DefaultPrinterPosition(names, L"Twin"), 3);
    EXPECT_EQ(DefaultPrinterPosition(names, L"None"), 0);
    EXPECT_EQ(DefaultPrinterPosition({}, L"Twin"), 0);
}
