#include <gtest/gtest.h>

#include <vector>

#include "support/Records.h"
#include "ui/ProfileSearch.h"

namespace {

std::vector<Profile> Titled(std::initializer_list<const wchar_t*> titles) {
    std::vector<Profile> profiles;
    for (const wchar_t* title : titles) profiles.push_back(TitledProfile(title));
    return profiles;
}

}  // namespace

TEST(ProfileSearch, ListingFoldsAsciiCaseOnlyAndKeepsStoredOrder) {
    const auto profiles =
        Titled({L"Office", L"Home", L"branch OFFICE", L"Café", L"CAFÉ", L"office", L"Lab"});
    EXPECT_EQ(ProfilesContaining(L"off", profiles), (std::vector<size_t>{0, 2, 5}));
    EXPECT_EQ(ProfilesContaining(L"OFFICE", profiles), (std::vector<size_t>{0, 2, 5}));
    // É and é are different letters to the search; only A-Z fold.
    EXPECT_EQ(ProfilesContaining(L"café", profiles), (std::vector<size_t>{3}));
    EXPECT_EQ(ProfilesContaining(L"CAFÉ", profiles), (std::vector<size_t>{4}));
    EXPECT_EQ(ProfilesContaining(L"cafÉ", profiles), (std::vector<size_t>{4}));
    EXPECT_TRUE(ProfilesContaining(L"garage", profiles).empty());
    EXPECT_EQ(FoldAsciiCase(L"AZaz@[`{ÀÉ"), L"azaz@[`{ÀÉ");
}

TEST(ProfileSearch, ChosenEntryShowsItsOwnProfileNotAnEarlierLongerTitle) {
    const auto profiles = Titled({L"Branch office", L"Office", L"Office", L"office"});
    EXPECT_EQ(ProfileTitled(L"Office", profiles), 1u);  // first exact title in stored order
    EXPECT_EQ(ProfileTitled(L"office", profiles), 3u);
    EXPECT_EQ(ProfileTitled(L"Branch office", profiles), 0u);
    // An entry whose profile has gone since the list was made shows nothing.
    EXPECT_FALSE(ProfileTitled(L"Offic", profiles));
    EXPECT_FALSE(ProfileTitled(L"Garage", profiles));
}
