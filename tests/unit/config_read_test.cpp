#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ConfigKeys.h"
#include "config/ConfigReader.h"
#include "config/SectionNames.h"
#include "fake_ini.h"
#include "net/AddressText.h"
#include "support/Records.h"

namespace {

std::wstring Str(const wchar_t* field) {
    return field;
}

TEST(IniValues, BooleanIsTrueOnlyForTwoExactSpellings) {
    EXPECT_TRUE(ParseIniBool(L"TRUE"));
    EXPECT_TRUE(ParseIniBool(L"true"));
    for (const wchar_t* text : {L"True", L"tRUE", L"1", L"yes", L"", L"true ", L" TRUE"}) {
        EXPECT_FALSE(ParseIniBool(text)) << text;
    }
}

TEST(IniValues, LanguageCodeIsExactAndCaseSensitive) {
    EXPECT_EQ(ParseLanguageCode(L"kor"), 1);
    EXPECT_EQ(ParseLanguageCode(L"jpn"), 2);
    for (const wchar_t* text : {L"eng", L"ENG", L"KOR", L"Kor", L"jp", L"jpn ", L""}) {
        EXPECT_EQ(ParseLanguageCode(text), 0);
    }
    for (int i = 0; i < kLanguageCount; ++i) EXPECT_EQ(ParseLanguageCode(LanguageCode(i)), i);
    EXPECT_STREQ(LanguageCode(-1), L"eng");
    EXPECT_STREQ(LanguageCode(3), L"eng");
}

TEST(IniValues, IntegerReadsLeadingNumber) {
    EXPECT_EQ(ParseIniInt(L"12", 5), 12);
    EXPECT_EQ(ParseIniInt(L"-1", 5), -1);
    EXPECT_EQ(ParseIniInt(L"  7x", 5), 7);
    EXPECT_EQ(ParseIniInt(L"abc", 5), 0);
    EXPECT_EQ(ParseIniInt(L"", 5), 5);
    // Base prefixes, lower case only, as the system's integer read takes them.
    EXPECT_EQ(ParseIniInt(L"0x1A", 5), 26);
    EXPECT_EQ(ParseIniInt(L"-0x10", 5), -16);
    EXPECT_EQ(ParseIniInt(L"0o17", 5), 15);
    EXPECT_EQ(ParseIniInt(L"0b1012", 5), 5);
    EXPECT_EQ(ParseIniInt(L"0X1A", 5), 0);
    EXPECT_EQ(ParseIniInt(L"010", 5), 10);
    EXPECT_EQ(ParseIniInt(L"4294967297", 5), 1);
    // Only the first 29 characters count.
    EXPECT_EQ(ParseIniInt(std::wstring(28, L'0') + L"12", 5), 1);
    EXPECT_EQ(ParseIniInt(std::wstring(35, L'0') + L"12", 5), 0);
}

TEST(ReadProfile, SectionWithOnlyStaticFlagGetsStandIns) {
    FakeIni ini;
    ini.Set(L"Lab", {{L"dhcpip", L"FALSE"}});
    const LoadedProfile loaded = ReadProfile(ini, L"Lab");
    const Profile& p = loaded.profile;
    EXPECT_EQ(Str(p.title), L"Lab");
    EXPECT_EQ(p.dhcpip, 0);
    EXPECT_EQ(p.dhcpdns, 1);
    EXPECT_EQ(Str(p.ip), L"");
    EXPECT_EQ(Str(p.subnet), L"");
    EXPECT_EQ(Str(p.gateway), L"");
    EXPECT_EQ(p.metric, 1);
    EXPECT_EQ(p.nic, -1);
    EXPECT_FALSE(loaded.hasNic);
    EXPECT_EQ(Str(p.nicname), L"No Friend name");
    EXPECT_FALSE(loaded.hasNicname);
    EXPECT_EQ(Str(p.printer), L"No_Printer");
    EXPECT_EQ(p.checkautoconf, 0);
    EXPECT_EQ(Str(p.autoconf), L"");
}

TEST(ReadProfile, DhcpFlagsMissingMeansTrueAnythingButTwoSpellingsMeansFalse) {
    const std::vector<std::pair<const wchar_t*, int>> cases = {
        {L"TRUE", 1}, {L"true", 1}, {L"True", 0}, {L"", 0}, {L"FALSE", 0}};
    for (const auto& [text, expected] : cases) {
        FakeIni ini;
        ini.Set(L"P", {{L"dhcpip", text}, {L"dhcpdns", text}});
        const Profile p = ReadProfile(ini, L"P").profile;
        EXPECT_EQ(p.dhcpip, expected) << expected;
        EXPECT_EQ(p.dhcpdns, expected) << expected;
    }
    FakeIni empty;
    empty.Set(L"P", {});
    const Profile p = ReadProfile(empty, L"P").profile;
    EXPECT_EQ(p.dhcpip, 1);
    EXPECT_EQ(p.dhcpdns, 1);
}

TEST(ReadProfile, FullStaticSection) {
    FakeIni ini;
    ini.Set(L"Office", {{L"nic", L"11"},
                        {L"metric", L"20"},
                        {L"nicname", L"Local Area Connection"},
                        {L"dhcpip", L"FALSE"},
                        {L"dhcpdns", L"FALSE"},
                        {L"ip", L"192.168.10.25"},
                        {L"subnet", L"255.255.255.0"},
                        {L"gateway", L"192.168.10.1"},
                        {L"dns", L"192.168.10.2"},
                        {L"dns2", L"0.0.0.0"},
                        {L"printer", L"Do not change Printer"},
                        {L"checkautoconf", L"true"},
                        {L"autoconf", L"http://proxy/p.pac"}});
    const LoadedProfile loaded = ReadProfile(ini, L"Office");
    const Profile& p = loaded.profile;
    EXPECT_TRUE(loaded.hasNic);
    EXPECT_TRUE(loaded.hasNicname);
    EXPECT_EQ(p.nic, 11);
    EXPECT_EQ(p.metric, 20);
    EXPECT_EQ(Str(p.nicname), L"Local Area Connection");
    EXPECT_EQ(Str(p.ip), L"192.168.10.25");
    EXPECT_EQ(Str(p.subnet), L"255.255.255.0");
    EXPECT_EQ(Str(p.gateway), L"192.168.10.1");
    EXPECT_EQ(Str(p.dns), L"192.168.10.2");
    EXPECT_EQ(Str(p.dns2), L"0.0.0.0");
    EXPECT_EQ(Str(p.printer), L"Do not change Printer");
    EXPECT_EQ(p.checkautoconf, 1);
    EXPECT_EQ(Str(p.autoconf), L"http://proxy/p.pac");
    // Fields an adapter uses stay zero in a profile.
    EXPECT_EQ(p.operstatus, 0);
    EXPECT_EQ(Str(p.adaptername), L"");
}

TEST(ReadProfile, AddressKeysAreIgnoredUnderDhcp) {
    FakeIni ini;
    ini.Set(L"Home", {{L"dhcpip", L"TRUE"},
                      {L"dhcpdns", L"TRUE"},
                      {L"ip", L"10.0.0.1"},
                      {L"gateway", L"10.0.0.254"},
                      {L"dns", L"10.0.0.2"}});
    const Profile p = ReadProfile(ini, L"Home").profile;
    EXPECT_EQ(Str(p.ip), L"");
    EXPECT_EQ(Str(p.gateway), L"");
    EXPECT_EQ(Str(p.dns), L"");
}

TEST(ReadProfile, LengthLimits) {
    const std::wstring longAddress = L"192.168.100.100.192.168.100.100.1";  // 34 characters
    const std::wstring longPrinter(1500, L'p');
    const std::wstring longNicname(600, L'n');
    FakeIni ini;
    ini.Set(L"P", {{L"dhcpip", L"FALSE"},
                   {L"dhcpdns", L"FALSE"},
                   {L"ip", longAddress},
                   {L"dns2", longAddress},
                   {L"nicname", longNicname},
                   {L"printer", longPrinter},
                   {L"autoconf", longPrinter}});
    const Profile p = ReadProfile(ini, L"P").profile;
    EXPECT_EQ(Str(p.ip), longAddress.substr(0, 30));
    EXPECT_EQ(Str(p.dns2), longAddress.substr(0, 30));
    EXPECT_EQ(Str(p.nicname), longNicname.substr(0, 511));
    // What the form accepts for these two comes back whole.
    EXPECT_EQ(Str(p.printer), longPrinter.substr(0, 1023));
    EXPECT_EQ(Str(p.autoconf), longPrinter.substr(0, 1023));
}

TEST(ReadProfile, PresentButEmptyIsNotMissing) {
    FakeIni ini;
    ini.Set(L"P", {{L"printer", L""}, {L"nicname", L""}, {L"checkautoconf", L""}});
    const LoadedProfile loaded = ReadProfile(ini, L"P");
    EXPECT_EQ(Str(loaded.profile.printer), L"");
    EXPECT_EQ(Str(loaded.profile.nicname), L"");
    EXPECT_TRUE(loaded.hasNicname);
    EXPECT_EQ(loaded.profile.checkautoconf, 0);
}

TEST(ReadProfile, ValueEqualToSentinelCountsAsMissing) {
    FakeIni ini;
    ini.Set(L"P", {{L"nicname", L"VORLINI_KEY_ERROR"}, {L"printer", L"VORLINI_KEY_ERROR"}});
    const LoadedProfile loaded = ReadProfile(ini, L"P");
    EXPECT_FALSE(loaded.hasNicname);
    EXPECT_EQ(Str(loaded.profile.nicname), L"No Friend name");
    EXPECT_EQ(Str(loaded.profile.printer), L"No_Printer");
}

TEST(ReadProfile, IntegerSentinelCountsAsMissing) {
    FakeIni ini;
    ini.Set(L"P", {{L"nic", L"-76759723"}});
    const LoadedProfile loaded = ReadProfile(ini, L"P");
    EXPECT_FALSE(loaded.hasNic);
    EXPECT_EQ(loaded.profile.nic, -1);
}

TEST(ReadOptions, PresentKeysOverrideMissingKeysKeep) {
    FakeIni ini;
    ini.Set(kOptionsSection, {{L"language", L"jpn"}, {L"startonboot", L"TRUE"}});
    Options options;
    options.changeforce = false;
    EXPECT_TRUE(ReadOptions(ini, options));
    EXPECT_EQ(options.language, 2);
    EXPECT_TRUE(options.startonboot);
    EXPECT_TRUE(options.useglobalhotkey);  // missing: default kept
    EXPECT_FALSE(options.changeforce);     // missing: earlier value kept

    FakeIni mixed;
    mixed.Set(kOptionsSection, {{L"useglobalhotkey", L"True"}, {L"changeforce", L""}});
    options = Options{};
    options.language = 1;
    EXPECT_FALSE(ReadOptions(mixed, options));
    EXPECT_EQ(options.language, 1);
    EXPECT_FALSE(options.useglobalhotkey);
    EXPECT_FALSE(options.changeforce);
}

LoadedProfile Loaded(int32_t nic, bool hasNic, const wchar_t* name, bool hasName) {
    LoadedProfile l;
    l.profile.nic = hasNic ? nic : -1;
    CopyField(l.profile.nicname, hasName ? name : L"No Friend name");
    l.hasNic = hasNic;
    l.hasNicname = hasName;
    return l;
}

class AdapterRepairTest : public ::testing::Test {
protected:
    std::vector<NICs> inventory = {MakeAdapter(11, L"eth0"), MakeAdapter(12, L"wlan0"),
                                   MakeAdapter(12, L"wlan1"), MakeAdapter(13, L"wlan0")};

    Profile Repaired(const LoadedProfile& loaded, bool expectRepaired) {
        const AdapterRepair repair = DecideAdapterRepair(loaded, inventory);
        EXPECT_EQ(repair.repaired, expectRepaired);
        Profile p = loaded.profile;
        ApplyAdapterRepair(repair, p);
        return p;
    }
};

TEST_F(AdapterRepairTest, NeitherKnownTakesFirstAdapter) {
    Profile p = Repaired(Loaded(99, true, L"gone", true), true);
    EXPECT_EQ(p.nic, 11);
    EXPECT_EQ(Str(p.nicname), L"eth0");
    p = Repaired(Loaded(0, false, nullptr, false), true);
    EXPECT_EQ(p.nic, 11);
    EXPECT_EQ(Str(p.nicname), L"eth0");
}

TEST_F(AdapterRepairTest, KnownIndexGivesNameOfFirstAdapterWithIt) {
    const Profile p = Repaired(Loaded(12, true, L"gone", true), true);
    EXPECT_EQ(p.nic, 12);
    EXPECT_EQ(Str(p.nicname), L"wlan0");
}

TEST_F(AdapterRepairTest, KnownNameGivesIndexOfFirstAdapterWithIt) {
    Profile p = Repaired(Loaded(0, false, L"wlan0", true), true);
    EXPECT_EQ(p.nic, 12);
    EXPECT_EQ(Str(p.nicname), L"wlan0");
    // The name match is exact.
    p = Repaired(Loaded(0, false, L"WLAN0", true), true);
    EXPECT_EQ(p.nic, 11);
    EXPECT_EQ(Str(p.nicname), L"eth0");
}

TEST_F(AdapterRepairTest, BothKnownStaysEvenWhenTheyBelongToDifferentAdapters) {
    const Profile p = Repaired(Loaded(11, true, L"wlan1", true), false);
    EXPECT_EQ(p.nic, 11);
    EXPECT_EQ(Str(p.nicname), L"wlan1");
}

TEST_F(AdapterRepairTest, StandInsNeverMatchAnAdapterCarryingThem) {
    inventory = {MakeAdapter(5, L"eth0"), MakeAdapter(-1, L"No Friend name")};
    const Profile p = Repaired(Loaded(0, false, nullptr, false), true);
    EXPECT_EQ(p.nic, 5);
    EXPECT_EQ(Str(p.nicname), L"eth0");
}

TEST_F(AdapterRepairTest, EmptyInventoryLoadsUnchangedWithoutQuestion) {
    inventory.clear();
    Profile p = Repaired(Loaded(0, false, nullptr, false), false);
    EXPECT_EQ(p.nic, -1);
    EXPECT_EQ(Str(p.nicname), L"No Friend name");
    p = Repaired(Loaded(7, true, L"eth9", true), false);
    EXPECT_EQ(p.nic, 7);
    EXPECT_EQ(Str(p.nicname), L"eth9");
}

TEST_F(AdapterRepairTest, PlanAsksWhenAnyProfileChanged) {
    const std::vector<LoadedProfile> ok = {Loaded(11, true, L"eth0", true),
                                           Loaded(13, true, L"wlan1", true)};
    EXPECT_FALSE(PlanAdapterRepairs(ok, inventory).askToSave);
    std::vector<LoadedProfile> one = ok;
    one.push_back(Loaded(12, true, L"x", true));
    const RepairPlan plan = PlanAdapterRepairs(one, inventory);
    EXPECT_TRUE(plan.askToSave);
    ASSERT_EQ(plan.repairs.size(), 3u);
    EXPECT_FALSE(plan.repairs[0].repaired);
    EXPECT_TRUE(plan.repairs[2].repaired);
}

// The system's functions take a section name in any case, with blanks around it, for the same
// section; a hand-edited options section spelt so is still the options, never a profile.
TEST(ReadConfiguration, SectionsInFileOrderOptionsInAnyCase) {
    FakeIni ini;
    ini.Set(L"A", {{L"nic", L"11"}, {L"nicname", L"eth0"}});
    ini.Set(L"B", {{L"nic", L"11"}, {L"nicname", L"eth0"}});
    ini.Set(L"VorlIP_Basic_Informations", {{L"nic", L"11"}, {L"nicname", L"eth0"}});
    ini.Set(kOptionsSection, {{L"language", L"kor"}});
    const std::vector<std::wstring> names = {L"B", L" vorlip_BASIC_information ",
                                             L"VorlIP_Basic_Informations", L"A"};
    const std::vector<NICs> inventory = {MakeAdapter(11, L"eth0")};
    Options options;
    const LoadedConfiguration config = ReadConfiguration(ini, names, inventory, options);
    ASSERT_EQ(config.profiles.size(), 3u);
    EXPECT_EQ(Str(config.profiles[0].title), L"B");
    EXPECT_EQ(Str(config.profiles[1].title), L"VorlIP_Basic_Informations");
    EXPECT_EQ(Str(config.profiles[2].title), L"A");
    EXPECT_FALSE(config.askToSave);
    EXPECT_TRUE(config.languageRead);
    EXPECT_EQ(options.language, 1);
}

TEST(ReadConfiguration, RepairedProfilesComeBackRepairedAndAsk) {
    FakeIni ini;
    ini.Set(L"Lab", {{L"nicname", L"wlan0"}});
    const std::vector<std::wstring> names = {L"Lab"};
    const std::vector<NICs> inventory = {MakeAdapter(11, L"eth0"), MakeAdapter(12, L"wlan0")};
    Options options;
    const LoadedConfiguration config = ReadConfiguration(ini, names, inventory, options);
    ASSERT_EQ(config.profiles.size(), 1u);
    EXPECT_EQ(config.profiles[0].nic, 12);
    EXPECT_TRUE(config.askToSave);
    EXPECT_FALSE(config.languageRead);
}

TEST(ReadConfiguration, OptionsOnlyFileAndEmptyInventory) {
    FakeIni ini;
    ini.Set(kOptionsSection, {{L"changeforce", L"false"}});
    ini.Set(L"P", {{L"dhcpip", L"FALSE"}});
    Options options;
    std::vector<std::wstring> names = {kOptionsSection};
    LoadedConfiguration config = ReadConfiguration(ini, names, {}, options);
    EXPECT_TRUE(config.profiles.empty());
    EXPECT_FALSE(options.changeforce);

    names.push_back(L"P");
    config = ReadConfiguration(ini, names, {}, options);
    ASSERT_EQ(config.profiles.size(), 1u);
    EXPECT_EQ(config.profiles[0].nic, -1);
    EXPECT_FALSE(config.askToSave);
}

std::wstring NameList(const std::vector<std::wstring>& names) {
    std::wstring list;
    for (const std::wstring& name : names) {
        list += name;
        list += L'\0';
    }
    return list;  // what the call reports: without the final terminator
}

TEST(SectionNames, LongAndManyNamesAreKeptWhole) {
    std::vector<std::wstring> names = {std::wstring(300, L'x'), L"Office",
                                       std::wstring(2000, L'y')};
    for (int i = 0; i < 5000; ++i) names.push_back(L"Profile " + std::to_wstring(i));
    EXPECT_EQ(SplitSectionNames(NameList(names)), names);
}

TEST(SectionNames, TerminatorRules) {
    EXPECT_TRUE(SplitSectionNames(std::wstring_view()).empty());
    using namespace std::string_literals;
    // An empty name between two terminators is a name; an unfinished tail is not.
    EXPECT_EQ(SplitSectionNames(L"A\0\0B\0"s), (std::vector<std::wstring>{L"A", L"", L"B"}));
    EXPECT_EQ(SplitSectionNames(L"A\0Bc"s), (std::vector<std::wstring>{L"A"}));
}

TEST(SectionNames, FitFollowsSizeMinusTwoConvention) {
    EXPECT_TRUE(SectionNamesFit(0, 40960));
    EXPECT_TRUE(SectionNamesFit(40957, 40960));
    EXPECT_FALSE(SectionNamesFit(40958, 40960));
    EXPECT_FALSE(SectionNamesFit(0, 2));
    EXPECT_FALSE(SectionNamesFit(0, 0));
    // Growing always makes progress, also from a degenerate size.
    EXPECT_EQ(GrowSectionNamesBuffer(0), kSectionNamesInitialChars);
    EXPECT_EQ(GrowSectionNamesBuffer(40960), 81920u);
}

}  // namespace
