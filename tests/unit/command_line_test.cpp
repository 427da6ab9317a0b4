#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

#include "config/FormToProfile.h"
#include "ui/CommandLine.h"
#include "ui/ProfileSearch.h"

namespace {

using Action = CommandLineRequest::Action;

CommandLineRequest Parse(std::vector<std::wstring> args) {
    return ParseCommandLine(args);
}

bool SameAsciiFolded(std::wstring_view a, std::wstring_view b) {
    return FoldAsciiCase(a) == FoldAsciiCase(b);
}

Profile Titled(const wchar_t* title) {
    Profile p{};
    std::wcsncpy(p.title, title, 511);
    return p;
}

}  // namespace

TEST(CommandLine, ApplyTakesTheNextArgumentAsTitleAndQuietStandsAnywhere) {
    EXPECT_EQ(Parse({}).action, Action::StartWindow);
    const CommandLineRequest plain = Parse({L"/apply", L"Home Office"});
    EXPECT_EQ(plain.action, Action::Apply);
    EXPECT_EQ(plain.title, L"Home Office");
    EXPECT_FALSE(plain.quiet);
    const CommandLineRequest quiet = Parse({L"-QUIET", L"-Apply", L"-vpn-"});
    EXPECT_EQ(quiet.action, Action::Apply);
    EXPECT_EQ(quiet.title, L"-vpn-");
    EXPECT_TRUE(quiet.quiet);
    EXPECT_EQ(Parse({L"/apply", L"Lab", L"/?"}).action, Action::ShowUsage);
}

TEST(CommandLine, MissingTitlesUnknownSwitchesAndStrayWordsAreBad) {
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {L"/apply"},
             {L"/apply", L""},
             {L"/apply", L"/quiet"},
             {L"/apply", L"Lab", L"/apply", L"Home"},
             {L"/apply", L"Lab", L"Home"},
             {L"/applyLab"},
             {L"Lab"},
             {L"/"},
             {L"/quiet"},
         }) {
        EXPECT_EQ(Parse(args).action, Action::BadCommandLine) << args.size();
    }
    EXPECT_TRUE(Parse({L"/x", L"/quiet"}).quiet) << "a bad line may still be quiet";
}

TEST(CommandLine, TitleChoiceTakesTheExactTitleFirstThenTheOnlyCaseBlindOne) {
    const std::vector<Profile> profiles = {Titled(L"lab"), Titled(L"Lab"), Titled(L"Home"),
                                           Titled(L"Lab"), Titled(L"HOME")};
    EXPECT_EQ(ProfileForCommand(L"Lab", profiles, SameAsciiFolded), 1u);
    EXPECT_EQ(ProfileForCommand(L"lab", profiles, SameAsciiFolded), 0u);
    EXPECT_EQ(ProfileForCommand(L"LAB", profiles, SameAsciiFolded), std::nullopt);
    EXPECT_EQ(ProfileForCommand(L"home", profiles, SameAsciiFolded), std::nullopt);
    const std::vector<Profile> one = {Titled(L"Office"), Titled(L"Home")};
    EXPECT_EQ(ProfileForCommand(L"HOME", one, SameAsciiFolded), 1u);
    EXPECT_EQ(ProfileForCommand(L"Hom", one, SameAsciiFolded), std::nullopt);
}

// What is applied without a window passes the checks the form would: the stored record comes
// back, and an address that is no address stops the apply.
TEST(CommandLine, StoredProfileGoesThroughTheFormChecks) {
    Profile stored = Titled(L"Lab");
    stored.nic = 7;
    std::wcscpy(stored.nicname, L"vorl-lan");
    stored.metric = 5;
    stored.dhcpip = 0;
    std::wcscpy(stored.ip, L"10.0.0.7");
    std::wcscpy(stored.subnet, L"255.255.255.0");
    std::wcscpy(stored.gateway, L"");
    stored.dhcpdns = 1;
    stored.checkautoconf = 1;
    std::wcscpy(stored.autoconf, L"http://proxy/p.pac");
    const FormResult result = FormToProfile(ProfileAsForm(stored, L"vorl-home"), true);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.profile.nic, 7);
    EXPECT_STREQ(result.profile.nicname, L"vorl-lan");
    EXPECT_EQ(result.profile.metric, 5);
    EXPECT_STREQ(result.profile.ip, L"10.0.0.7");
    EXPECT_STREQ(result.profile.gateway, L"0.0.0.0");
    EXPECT_STREQ(result.profile.printer, L"vorl-home");
    EXPECT_STREQ(result.profile.autoconf, L"http://proxy/p.pac");

    std::wcscpy(stored.subnet, L"255.255.0");
    EXPECT_FALSE(FormToProfile(ProfileAsForm(stored, L""), true).ok);
}
