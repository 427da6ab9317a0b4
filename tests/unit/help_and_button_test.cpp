#include <gtest/gtest.h>

#include <string>

#include "ui/ButtonColors.h"
#include "ui/HelpTexts.h"

TEST(ButtonColors, LightenAddsOneAmountToAllChannelsWithoutPassingWhite) {
    EXPECT_EQ(LightenColor(0xF0F0F0, 50), 0xFFFFFFu);  // the system button face
    EXPECT_EQ(LightenColor(0x102030, 50), 0x425262u);
    // The channel with least room decides, so the hue stays.
    EXPECT_EQ(LightenColor(0x00FA10, 50), 0x05FF15u);
    EXPECT_EQ(LightenColor(0xFFFFFF, 50), 0xFFFFFFu);
    EXPECT_EQ(LightenColor(0x00FF00, 50), 0x00FF00u);
    EXPECT_EQ(LightenColor(0x102030, 0), 0x102030u);
    EXPECT_EQ(LightenColor(0x102030, -40), 0x102030u);
}

TEST(HelpTexts, EveryTabStartsWithItsHeadingAndUsesWindowsLineEnds) {
    const wchar_t* headings[kHelpTabCount] = {L"Network interface controller",
                                              L"Dynamic Host Configuration Protocol",
                                              L"Temporary Directory",
                                              L"Vorl Project Team",
                                              L"Terms of Use",
                                              L"Help",
                                              L"What' New",
                                              L"Other Vorl Project!"};
    for (int tab = 0; tab < kHelpTabCount; ++tab) {
        const std::wstring text = BuildHelpText(tab);
        EXPECT_EQ(text.rfind(std::wstring(headings[tab]) + L"\r\n\r\n", 0), 0u) << tab;
        // An edit control shows a bare line feed as nothing: every line must end in CR LF.
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'\n') {
                EXPECT_TRUE(i > 0 && text[i - 1] == L'\r') << tab << " at " << i;
            }
        }
    }
    EXPECT_TRUE(BuildHelpText(-1).empty());
    EXPECT_TRUE(BuildHelpText(kHelpTabCount).empty());
    EXPECT_NE(BuildHelpText(0).find(L"네트워크"), std::wstring::npos);
    EXPECT_NE(BuildHelpText(1).find(L"DHCPv6"), std::wstring::npos);
    EXPECT_EQ(BuildHelpText(2), L"Temporary Directory\r\n\r\nThis is not available anymore\r\n");
}
