#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/ProfileTransfer.h"
#include "config/SectionNames.h"
#include "ui/CommandLine.h"
#include "ui/ProfileSearch.h"
#include "ui/TransferTexts.h"

namespace {

using namespace std::string_literals;

// The rule the store passes: any case, blanks around the name ignored (ASCII is enough here).
bool SameName(std::wstring_view a, std::wstring_view b) {
    return FoldAsciiCase(TrimIniBlanks(a)) == FoldAsciiCase(TrimIniBlanks(b));
}

std::vector<IniTextSection> Parse(std::wstring_view text) {
    return ParseIniText(text);
}

std::vector<std::wstring> Titles(const std::vector<IniSection>& sections) {
    std::vector<std::wstring> titles;
    for (const IniSection& s : sections) titles.push_back(s.name);
    return titles;
}

}  // namespace

// A key is what the reading rules answer for it: the first line wins, a line without '=' hides
// the later ones, and the value is kept as stored (quotes too) so it reads back the same.
TEST(ProfileTransfer, KeysTravelAsTheReadingRulesSeeThem) {
    const std::vector<IniEntry> entries = EntriesAsStored(
        L"nic=2\0NIC=3\0dns\0dns=10.0.0.1\0autoconf=\"http://p/x.pac\"\0proxyserver=p:8080\0"
        L"=orphan\0"s,
        SameName);
    const std::vector<IniEntry> expected = {
        {L"nic", L"2"}, {L"autoconf", L"\"http://p/x.pac\""}, {L"proxyserver", L"p:8080"}};
    EXPECT_EQ(entries, expected);
}

// Damaged parts are named and left out; the options section is passed over without a word;
// networks never travel; keys this version does not know do.
TEST(ProfileTransfer, ImportTakesProfilesAndNamesWhatItLeftOut) {
    const std::wstring longTitle(511, L'x');
    const ImportPlan plan = PlanImport(
        Parse(L"stray=1\r\n"
              L"[Office]\r\nnic=2\r\nnicname=LAN\r\nnetworks=aa-bb\r\nextraip=10.1.1.2\r\n"
              L"[VorlIP_Basic_Information]\r\nlanguage=kor\r\n"
              L"[Junk]\r\ngarbage\r\n"
              L"[office]\r\nnic=9\r\n"
              L"[" +
              longTitle +
              L"]\r\nnic=1\r\n"
              L"[Home]\r\ndhcpip=TRUE\r\n"),
        SameName);
    EXPECT_EQ(Titles(plan.profiles), (std::vector<std::wstring>{L"Office", L"Home"}));
    const std::vector<IniEntry> office = {
        {L"nic", L"2"}, {L"nicname", L"LAN"}, {L"extraip", L"10.1.1.2"}};
    EXPECT_EQ(plan.profiles[0].entries, office);
    EXPECT_EQ(plan.skipped, (std::vector<std::wstring>{L"", L"Junk", L"office", longTitle}));

    for (const wchar_t* nothing :
         {L"", L"[VorlIP_Basic_Information]\r\nlanguage=kor\r\n", L"\x00ff\x00fe garbage ]["}) {
        const ImportPlan empty = PlanImport(Parse(nothing), SameName);
        EXPECT_TRUE(empty.profiles.empty()) << nothing;
    }
}

// A title already there is replaced where it stands and keeps this PC's networks; new titles
// follow the last profile (before the options) in the file's order; the rest stays untouched.
TEST(ProfileTransfer, MergeReplacesByTitleInPlaceAndAppendsInOrder) {
    std::vector<IniSection> file = {
        {L"Home", {{L"nic", L"1"}, {L"networks", L"home-net"}, {L"ip", L"1.1.1.1"}}},
        {L"Lab", {{L"nic", L"3"}}},
        {L"VorlIP_Basic_Information", {{L"language", L"jpn"}}},
    };
    const std::vector<IniSection> imported = {
        {L"Cafe", {{L"nic", L"5"}}},
        {L"HOME", {{L"nic", L"7"}, {L"networks", L"foreign"}}},
        {L"Airport", {{L"nic", L"6"}}},
    };
    const ImportCount count = MergeImportedProfiles(file, imported, SameName);
    EXPECT_EQ(count.added, 2u);
    EXPECT_EQ(count.replaced, 1u);
    EXPECT_EQ(Titles(file), (std::vector<std::wstring>{L"HOME", L"Lab", L"Cafe", L"Airport",
                                                       L"VorlIP_Basic_Information"}));
    const std::vector<IniEntry> home = {{L"nic", L"7"}, {L"networks", L"home-net"}};
    EXPECT_EQ(file[0].entries, home);
    EXPECT_EQ(file[4].entries, (std::vector<IniEntry>{{L"language", L"jpn"}}));

    std::vector<IniSection> onlyOptions = {{L"VorlIP_Basic_Information", {}}};
    MergeImportedProfiles(onlyOptions, imported, SameName);
    EXPECT_EQ(Titles(onlyOptions), (std::vector<std::wstring>{L"Cafe", L"HOME", L"Airport",
                                                              L"VorlIP_Basic_Information"}));
}

// What an export writes is what an import takes, whole: every profile once (as the reading
// rules see a repeated section), no options, no networks.
TEST(ProfileTransfer, ExportedFileImportsWhole) {
    const auto config = Parse(
        L"[Home]\r\nnic=1\r\nnetworks=n1\r\nproxyserver=p:3128\r\n"
        L"[VorlIP_Basic_Information]\r\nlanguage=kor\r\n"
        L"[Lab]\r\nnic=3\r\n[home]\r\nnic=8\r\n");
    const std::vector<IniSection> exported = ProfilesToExport(config, SameName);
    EXPECT_EQ(Titles(exported), (std::vector<std::wstring>{L"Home", L"Lab"}));
    const ImportPlan plan = PlanImport(Parse(RenderIniText(exported)), SameName);
    EXPECT_TRUE(plan.skipped.empty());
    ASSERT_EQ(plan.profiles.size(), 2u);
    EXPECT_EQ(plan.profiles[0].entries,
              (std::vector<IniEntry>{{L"nic", L"1"}, {L"proxyserver", L"p:3128"}}));
}

TEST(ProfileTransfer, CommandLineTakesOneFileAndOneAction) {
    const std::vector<std::wstring> exportArgs = {L"-EXPORT", L"\\\\srv\\share\\p.ini", L"/quiet"};
    const CommandLineRequest request = ParseCommandLine(exportArgs);
    EXPECT_EQ(request.action, CommandLineRequest::Action::Export);
    EXPECT_EQ(request.file, L"\\\\srv\\share\\p.ini");
    EXPECT_TRUE(request.quiet);
    const std::vector<std::wstring> importArgs = {L"/import", L"p.ini"};
    EXPECT_EQ(ParseCommandLine(importArgs).action, CommandLineRequest::Action::Import);
    for (const auto& args : std::vector<std::vector<std::wstring>>{
             {L"/import"},
             {L"/import", L"/quiet"},
             {L"/import", L"a.ini", L"/export", L"b.ini"},
             {L"/import", L"a.ini", L"/apply", L"Lab"},
         }) {
        EXPECT_EQ(ParseCommandLine(args).action, CommandLineRequest::Action::BadCommandLine);
    }
}

TEST(ProfileTransfer, MessagesFillEachPlaceOnce) {
    EXPECT_EQ(GetTransferText(TransferText::Imported, 0, {L"C:\\{1}\\p.ini", L"2", L"1"}),
              L"Profiles imported from C:\\{1}\\p.ini: 2 added, 1 replaced.");
    EXPECT_EQ(GetTransferText(TransferText::Imported, 2, {L"p.ini", L"2", L"1"}),
              L"p.ini からプロファイルを読み込みました: 追加 2 件、置き換え 1 件。");
    const std::vector<std::wstring> skipped = {L"", L"A", L"B", L"C", L"D", L"E"};
    EXPECT_EQ(SkippedPartsList(skipped, 0),
              L"lines outside any profile, \"A\", \"B\", \"C\", \"D\", …");
    EXPECT_EQ(GetTransferText(TransferText::FileFilter, 0).size(), 44u) << "both NULs at the end";
}

// A save rebuilds each profile from its record: what the program learned for it (networks) and
// what a newer version wrote must survive, while the keys the record drops on purpose (the old
// address of a profile gone over to DHCP) and a turned-off option stay dropped.
TEST(ProfileTransfer, ARewriteCarriesTheKeysOnlyTheFileHolds) {
    const std::vector<IniSection> stored =
        SectionsAsStored(
            Parse(L"[Office]\nnic=2\nip=10.0.0.5\nNetworks=gw:10.0.0.1/02-00-00-00-00-01\n"
                  L"future=1\nip3=10.0.0.7\n"
                  L"[Gone]\nnetworks=gw:10.9.9.1/02-00-00-00-00-09\n"
                  L"[VorlIP_Basic_Information]\nautoswitch=true\nlater=x\n"),
            SameName)
            .sections;
    std::vector<IniSection> written = {
        {L"office", {{L"nic", L"2"}, {L"dhcpip", L"TRUE"}}},
        {L"Home", {{L"nic", L"3"}}},
        {L"VorlIP_Basic_Information", {{L"language", L"eng"}}},
    };
    CarryStoredKeys(written, stored, SameName);
    const std::vector<IniEntry> office = {{L"nic", L"2"},
                                          {L"dhcpip", L"TRUE"},
                                          {L"Networks", L"gw:10.0.0.1/02-00-00-00-00-01"},
                                          {L"future", L"1"}};
    EXPECT_EQ(written[0].entries, office);
    EXPECT_EQ(written[1].entries.size(), 1u);
    const std::vector<IniEntry> options = {{L"language", L"eng"}, {L"later", L"x"}};
    EXPECT_EQ(written[2].entries, options);
}
