#include <gtest/gtest.h>

#include "net/AddressText.h"
#include "win/AddressInput.h"

TEST(AddressText, MacAddressIsLowercasePairsJoinedByDashes) {
    const uint8_t mac[] = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    EXPECT_EQ(FormatMacAddress(mac, 6), L"00-1a-2b-3c-4d-5e");
    EXPECT_EQ(FormatMacAddress(mac, 6).size(), 17u);
    const uint8_t one[] = {0x0F};
    EXPECT_EQ(FormatMacAddress(one, 1), L"0f");
    EXPECT_EQ(FormatMacAddress(mac, 0), L"");
    // Longer hardware addresses (FireWire, 8 bytes) fit the 34-character field.
    const uint8_t eui64[] = {1, 2, 3, 4, 5, 6, 7, 0xFF};
    EXPECT_EQ(FormatMacAddress(eui64, 8), L"01-02-03-04-05-06-07-ff");
}

TEST(AddressText, DottedQuadParsesOnlyFourNumbersUpTo255) {
    uint8_t b[4];
    ASSERT_TRUE(ParseDottedQuad(L"192.168.0.10", b));
    EXPECT_EQ(FormatDottedQuad(b), L"192.168.0.10");
    ASSERT_TRUE(ParseDottedQuad(L"0.0.0.0", b));
    EXPECT_EQ(FormatDottedQuad(b), L"0.0.0.0");
    for (const wchar_t* bad : {L"", L"1.2.3", L"1.2.3.4.5", L"256.1.1.1", L"1..2.3", L"a.b.c.d",
                               L"1.2.3.4 ", L"Not assigned", L"1.2.3.1000"}) {
        EXPECT_FALSE(ParseDottedQuad(bad, b)) << std::wstring(bad).size();
    }
}

TEST(AddressText, CopyFieldKeepsAtMostTheLimitAndAlwaysTerminates) {
    wchar_t field[32];
    CopyField(field, std::wstring(100, L'x'), 31);
    EXPECT_EQ(std::wstring(field), std::wstring(31, L'x'));
    CopyField(field, L"abc", 2);
    EXPECT_EQ(std::wstring(field), L"ab");
    // Without a limit the array's capacity decides.
    wchar_t small[4];
    CopyField(small, L"abcdef");
    EXPECT_EQ(std::wstring(small), L"abc");
    EXPECT_EQ(WidenAscii("10.0.0.1"), L"10.0.0.1");
}
