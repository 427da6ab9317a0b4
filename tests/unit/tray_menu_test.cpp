#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "net/AddressText.h"
#include "support/Records.h"
#include "ui/LanguageTexts.h"
#include "ui/TrayMenuModel.h"

namespace {

// The list as a configuration load leaves it.
void Fill(TrayMenuModel& menu, const std::vector<Profile>& profiles) {
    menu.RemoveAllMenuItems();
    for (const Profile& p : profiles) menu.AddMenuItem(p.title);
    menu.AddMenuSeparator();
    menu.AddMenuItem(kTrayExitText);
}

TEST(TrayMenuModel, LoadBuildsTitlesSeparatorExit) {
    TrayMenuModel menu;
    const std::vector<Profile> profiles = {TitledProfile(L"A"), TitledProfile(L"B"),
                                           TitledProfile(L"C")};
    Fill(menu, profiles);
    Fill(menu, profiles);  // a reload starts the ids again
    const std::vector<tagPrivateMenus>& m = menu.Menus();
    ASSERT_EQ(m.size(), 5u);
    EXPECT_EQ(m[0].strText, L"A");
    EXPECT_EQ(m[0].nId, 1801);
    EXPECT_EQ(m[2].nId, 1803);
    EXPECT_EQ(m[3].strText, L"VorlTray_Seperator");
    EXPECT_EQ(m[3].nId, 2048);
    EXPECT_TRUE(TrayMenuModel::IsSeparator(m[3]));
    EXPECT_EQ(m[4].strText, L"Exit");
    EXPECT_EQ(m[4].nId, 1804);

    std::wstring text = L"unchanged";
    EXPECT_TRUE(menu.FindMenuText(1802, text));
    EXPECT_EQ(text, L"B");
    EXPECT_FALSE(menu.FindMenuText(1805, text));
    EXPECT_EQ(text, L"B");
}

// More than 100 profiles: ids run past the reserved span, and every id the menu shows must still
// reach the handler, "Exit" included.
TEST(TrayMenuModel, EveryIdHandedOutIsRouted) {
    TrayMenuModel menu;
    std::vector<Profile> profiles;
    for (int i = 0; i < 300; ++i) profiles.push_back(TitledProfile(std::to_wstring(i).c_str()));
    Fill(menu, profiles);
    EXPECT_EQ(menu.Menus()[100].nId, 1901);
    EXPECT_EQ(menu.Menus().back().nId, 2102) << "2048 is the separator's";
    for (const TrayMenuLine& line : menu.BuildMenu(true, true)) {
        if (line.bSeparator || line.nId == kTrayShowMainId) continue;
        EXPECT_TRUE(menu.IsRoutedId(line.nId)) << line.nId;
    }
    EXPECT_EQ(ResolveTrayChoice(menu, 2102, profiles).kind, TrayChoice::Exit);
    const TrayChoice c = ResolveTrayChoice(menu, 2049, profiles);
    EXPECT_EQ(c.kind, TrayChoice::ApplyProfile);
    EXPECT_EQ(c.profileIndex, 247u);
    EXPECT_FALSE(menu.IsRoutedId(2103));
    EXPECT_FALSE(menu.IsRoutedId(1800));
    EXPECT_FALSE(menu.IsRoutedId(kTrayShowMainId));

    // After a reload with fewer profiles the reserved span still answers ("Wrong menu!"), ids
    // beyond it no longer do.
    Fill(menu, {TitledProfile(L"A")});
    EXPECT_TRUE(menu.IsRoutedId(1901));
    EXPECT_EQ(ResolveTrayChoice(menu, 1901, profiles).kind, TrayChoice::WrongMenu);
    EXPECT_FALSE(menu.IsRoutedId(1902));

    // Only the marker text and the id together make a separator.
    EXPECT_FALSE(TrayMenuModel::IsSeparator({L"Office", 2048}));
    EXPECT_FALSE(TrayMenuModel::IsSeparator({L"VorlTray_Seperator", 1801}));
}

// Whatever the number of profiles, each entry the menu shows applies its own profile and "Exit"
// ends the program.
TEST(TrayMenuModel, EveryEntryActsForEveryProfileCount) {
    std::vector<Profile> profiles;
    for (size_t count = 0; count <= 300; ++count) {
        TrayMenuModel menu;
        Fill(menu, profiles);
        size_t nProfile = 0;
        for (const TrayMenuLine& line : menu.BuildMenu(true, true)) {
            if (line.bSeparator || line.nId == kTrayShowMainId) continue;
            ASSERT_TRUE(menu.IsRoutedId(line.nId)) << count;
            const TrayChoice choice = ResolveTrayChoice(menu, line.nId, profiles);
            if (nProfile < count) {
                ASSERT_EQ(choice.kind, TrayChoice::ApplyProfile) << count << " " << line.nId;
                ASSERT_EQ(choice.profileIndex, nProfile++) << count;
            } else {
                ASSERT_EQ(choice.kind, TrayChoice::Exit) << count << " " << line.nId;
            }
        }
        ASSERT_EQ(nProfile, count);
        profiles.push_back(TitledProfile((L"P" + std::to_wstring(count)).c_str()));
    }
}

TEST(TrayMenuModel, MenuReadsFirstEntryTitlesSeparatorExit) {
    TrayMenuModel menu;
    Fill(menu, {TitledProfile(L"Office"), TitledProfile(L"VorlTray_Seperator")});
    const std::vector<TrayMenuLine> expected = {
        {false, 1136, L"메인 창 띄우기"},     {true, 2048, L""}, {false, 1801, L"Office"},
        {false, 1802, L"VorlTray_Seperator"}, {true, 2048, L""}, {false, 1803, L"Exit"},
    };
    EXPECT_EQ(menu.BuildMenu(true, true), expected);
    EXPECT_EQ(menu.BuildMenu(true, false)[0].text, L"메인 창 감추기");
    const std::vector<TrayMenuLine> withoutMain = menu.BuildMenu(false, true);
    ASSERT_EQ(withoutMain.size(), 4u);
    EXPECT_EQ(withoutMain[0].text, L"Office");

    // Before any configuration was read the menu still offers the way back.
    TrayMenuModel empty;
    EXPECT_EQ(empty.BuildMenu(true, true).size(), 2u);
}

TEST(TrayMenuModel, ChoiceIsFoundByExactTitle) {
    TrayMenuModel menu;
    std::vector<Profile> profiles = {TitledProfile(L"home"), TitledProfile(L"Home"),
                                     TitledProfile(L"Home"), TitledProfile(L"Exit")};
    Fill(menu, profiles);

    TrayChoice c = ResolveTrayChoice(menu, 1802, profiles);
    EXPECT_EQ(c.kind, TrayChoice::ApplyProfile);
    EXPECT_EQ(c.profileIndex, 1u);
    c = ResolveTrayChoice(menu, 1803, profiles);  // equal titles: the first one wins
    EXPECT_EQ(c.profileIndex, 1u);
    EXPECT_EQ(ResolveTrayChoice(menu, 1804, profiles).kind, TrayChoice::Exit);
    EXPECT_EQ(ResolveTrayChoice(menu, 1805, profiles).kind, TrayChoice::Exit);
    EXPECT_EQ(ResolveTrayChoice(menu, 1806, profiles).kind, TrayChoice::WrongMenu);

    // The list changed since the menu was built.
    profiles.erase(profiles.begin());
    EXPECT_EQ(ResolveTrayChoice(menu, 1801, profiles).kind, TrayChoice::Nothing);
}

// Hiding needs a way back: the icon, else the hot key; without both the window never hides, and
// the tries end (with a message) instead of going on for ever.
TEST(TrayHide, NeverHidesWithoutAWayBackAndTheTriesEnd) {
    EXPECT_EQ(NextTrayHideStep(true, false, 0), TrayHideStep::Hide);
    EXPECT_EQ(NextTrayHideStep(false, true, 0), TrayHideStep::HideAndRetry);
    EXPECT_EQ(NextTrayHideStep(false, true, kTrayIconTries - 1), TrayHideStep::Hide);
    int nTries = 0;
    while (NextTrayHideStep(false, false, nTries) == TrayHideStep::StayAndRetry) ++nTries;
    EXPECT_EQ(NextTrayHideStep(false, false, nTries), TrayHideStep::StayAndSay);
    EXPECT_EQ(nTries + 1, kTrayIconTries);
    EXPECT_GE(kTrayIconTries * kTrayIconRetryMs, 3000u) << "a busy shell gets a few seconds";
}

TEST(LanguageTexts, ByIndexAndEmptyOutsideTheTable) {
    EXPECT_EQ(GetLanguageMessage(LanguageMessage::DeleteQuestion, 0), L"Delete this item?");
    EXPECT_EQ(GetLanguageMessage(LanguageMessage::DeleteQuestion, 2), L"削除しますか？");
    EXPECT_EQ(GetLanguageMessage(LanguageMessage::RepairSaveQuestion, 1).substr(0, 4), L"잘못된 ");
    for (int language : {-1, 3}) {
        EXPECT_TRUE(GetLanguageMessage(LanguageMessage::RepairSaveQuestion, language).empty());
        EXPECT_TRUE(GetLanguageMessage(LanguageMessage::ApplyConfirmation, language).empty());
    }
    for (int language = 0; language < 3; ++language) {
        EXPECT_FALSE(GetLanguageMessage(LanguageMessage::LinkDown, language).empty());
    }
}

}  // namespace
