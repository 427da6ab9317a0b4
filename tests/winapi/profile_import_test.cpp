// An import into a file that a running copy saves into at the same moment: both take the file's
// lock and read it again, so neither loses the other's profiles.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "config/ConfigStore.h"
#include "config/ProfileTransfer.h"
#include "support/Records.h"

namespace {

std::wstring ScratchIni() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"vorlip-import-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring ini = folder + L"\\" + kConfigFileName;
    ::DeleteFileW(ini.c_str());
    return ini;
}

}  // namespace

TEST(ProfileImport, ImportsAndSavesAtOnceLoseNothing) {
    const std::wstring ini = ScratchIni();
    constexpr int kEach = 20;
    std::thread saver([&] {
        for (int i = 0; i < kEach; ++i) {
            const Profile profile = MakeProfile(L"Saved " + std::to_wstring(i), i, L"LAN", true);
            EXPECT_TRUE(UpdateConfigurationFile(
                ini, {}, Options{},
                [&](std::vector<Profile>& list, Options&) { PutProfile(list, profile); }));
        }
    });
    std::thread importer([&] {
        for (int i = 0; i < kEach; ++i) {
            const std::vector<IniSection> imported = {
                {L"Imported " + std::to_wstring(i), {{L"nic", L"9"}, {L"proxyserver", L"p"}}}};
            EXPECT_TRUE(UpdateConfigurationSections(ini, [&](std::vector<IniSection>& sections) {
                MergeImportedProfiles(sections, imported, SameSectionName);
            }));
        }
    });
    saver.join();
    importer.join();
    const auto text = ReadIniFileOrNull(ini);
    ASSERT_NE(text, nullptr);
    const std::vector<IniSection> profiles = ProfilesToExport(*text, SameSectionName);
    EXPECT_EQ(profiles.size(), 2u * kEach);
    ::DeleteFileW(ini.c_str());
    ::RemoveDirectoryW(ini.substr(0, ini.find_last_of(L'\\')).c_str());
}
