// The configuration file through the real private-profile functions: what a rewrite leaves on
// disk, what a load sees afterwards, and that a crash during a rewrite never costs the profiles.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cwchar>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigStore.h"
#include "config/ConfigWriter.h"
#include "net/AddressText.h"
#include "platform/ConfigurationFile.h"
#include "support/FileBytes.h"
#include "support/Records.h"

namespace {

// A folder of its own under the temporary folder, removed with everything in it.
class ScratchFolder {
public:
    ScratchFolder() {
        static int serial = 0;
        wchar_t temp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, temp);
        m_path = std::wstring(temp) + L"vorlip-cfg-" + std::to_wstring(::GetCurrentProcessId()) +
                 L"-" + std::to_wstring(++serial);
        ::CreateDirectoryW(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::wstring& name : Files()) {
            const std::wstring full = m_path + L"\\" + name;
            ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!::DeleteFileW(full.c_str())) ::RemoveDirectoryW(full.c_str());
        }
        ::RemoveDirectoryW(m_path.c_str());
    }
    std::wstring Path(const wchar_t* name) const { return m_path + L"\\" + name; }
    std::wstring Ini() const { return Path(kConfigFileName); }
    std::vector<std::wstring> Files() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW data;
        const HANDLE hFind = ::FindFirstFileW((m_path + L"\\*").c_str(), &data);
        if (hFind == INVALID_HANDLE_VALUE) return names;
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") names.push_back(name);
        } while (::FindNextFileW(hFind, &data));
        ::FindClose(hFind);
        return names;
    }

private:
    std::wstring m_path;
};

bool StartsWithUnicodeMark(const std::wstring& path) {
    return ReadFileBytes(path).rfind("\xFF\xFE", 0) == 0;
}

// Field by field: the record's padding is not part of what the file stores.
testing::AssertionResult SameProfile(const Profile& a, const Profile& b) {
    const auto text = [](const wchar_t* x, const wchar_t* y) { return std::wstring(x) == y; };
    if (!text(a.title, b.title) || a.nic != b.nic || a.metric != b.metric || a.dhcpip != b.dhcpip ||
        !text(a.nicname, b.nicname) || a.dhcpdns != b.dhcpdns || !text(a.dns, b.dns) ||
        !text(a.dns2, b.dns2) || !text(a.ip, b.ip) || !text(a.subnet, b.subnet) ||
        !text(a.gateway, b.gateway) || !text(a.printer, b.printer) ||
        a.checkautoconf != b.checkautoconf || !text(a.autoconf, b.autoconf)) {
        return testing::AssertionFailure()
               << "profiles differ: " << testing::PrintToString(std::wstring(a.title)) << " / "
               << testing::PrintToString(std::wstring(b.title));
    }
    return testing::AssertionSuccess();
}

// A load as the main window does it: the section list, then every section through the reader.
struct Loaded {
    IniSectionList list;
    Options options;
    LoadedConfiguration config;

    explicit Loaded(const std::wstring& path) : list(path) {
        PrivateProfileReader reader(path);
        config = ReadConfiguration(reader, list.names, {}, options);
    }
};

bool WriteProfiles(const std::wstring& path, const std::vector<Profile>& profiles,
                   const Options& options = {}) {
    return WriteConfigurationFile(path, BuildConfigurationContent(profiles, options));
}

// A section as the functions hand it over, one "key=value" per entry, in file order.
std::vector<std::wstring> SectionLines(const std::wstring& path, const wchar_t* section) {
    std::vector<wchar_t> buffer(8192);
    const DWORD length = ::GetPrivateProfileSectionW(
        section, buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::wstring> lines;
    for (const wchar_t* p = buffer.data(); p < buffer.data() + length && *p; p += wcslen(p) + 1) {
        lines.emplace_back(p);
    }
    return lines;
}

// The two profile sets of the crash test; the file must always hold exactly one of them.
std::vector<Profile> CrashSet(bool second) {
    std::vector<Profile> set;
    const int count = second ? 101 : 100;
    for (int i = 0; i < count; ++i) {
        set.push_back(MakeProfile((second ? L"new " : L"old ") + std::to_wstring(i),
                                  (second ? 2000 : 1000) + i, L"Local Area Connection", i % 2));
    }
    return set;
}

constexpr wchar_t kLoopPathVar[] = L"VORLIP_TEST_REWRITE_LOOP";
constexpr wchar_t kLoopReadyVar[] = L"VORLIP_TEST_REWRITE_READY";

// The crash test starts this program again with kLoopPathVar set: the child then rewrites the
// file with the two sets in turn until it is killed (or gives up after a while, should its
// parent be gone), and never reaches the tests.
bool RunRewriteLoopIfAsked() {
    wchar_t path[MAX_PATH] = {};
    wchar_t ready[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(kLoopPathVar, path, MAX_PATH)) return false;
    ::GetEnvironmentVariableW(kLoopReadyVar, ready, MAX_PATH);
    const HANDLE hReady = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, ready);
    const std::vector<Profile> sets[] = {CrashSet(false), CrashSet(true)};
    const ULONGLONG giveUp = ::GetTickCount64() + 20000;
    for (int round = 1; ::GetTickCount64() < giveUp; ++round) {
        WriteProfiles(path, sets[round % 2]);
        if (round == 1 && hReady) ::SetEvent(hReady);
    }
    ::ExitProcess(0);
}

[[maybe_unused]] const bool kIsRewriteLoopChild = RunRewriteLoopIfAsked();

TEST(ConfigFile, ExampleFileIsWrittenKeyForKeyAndReadBack) {
    ScratchFolder dir;
    std::vector<Profile> profiles = {MakeProfile(L"Office", 11, L"Local Area Connection", false),
                                     MakeProfile(L"Home", 11, L"Local Area Connection", true)};
    ASSERT_TRUE(WriteProfiles(dir.Ini(), profiles));

    EXPECT_TRUE(StartsWithUnicodeMark(dir.Ini()));
    EXPECT_EQ(SectionLines(dir.Ini(), L"Office"),
              (std::vector<std::wstring>{
                  L"nic=11", L"metric=1", L"nicname=Local Area Connection", L"dhcpip=FALSE",
                  L"dhcpdns=FALSE", L"ip=192.168.10.25", L"subnet=255.255.255.0",
                  L"gateway=192.168.10.1", L"dns=192.168.10.2", L"dns2=0.0.0.0",
                  L"printer=Do not change Printer", L"checkautoconf=false", L"autoconf="}));
    EXPECT_EQ(SectionLines(dir.Ini(), L"Home"),
              (std::vector<std::wstring>{L"nic=11", L"metric=1", L"nicname=Local Area Connection",
                                         L"dhcpip=TRUE", L"dhcpdns=TRUE",
                                         L"printer=Do not change Printer", L"checkautoconf=false",
                                         L"autoconf="}));
    EXPECT_EQ(
        SectionLines(dir.Ini(), kOptionsSection),
        (std::vector<std::wstring>{L"AutoGenerated=true", L"language=eng", L"startonboot=false",
                                   L"useglobalhotkey=true", L"changeforce=true"}));

    Loaded loaded(dir.Ini());
    ASSERT_TRUE(loaded.list.loaded);
    EXPECT_EQ(loaded.list.names, (std::vector<std::wstring>{L"Office", L"Home", kOptionsSection}));
    EXPECT_EQ(loaded.list.count, 3);
    ASSERT_EQ(loaded.config.profiles.size(), 2u);
    EXPECT_TRUE(SameProfile(loaded.config.profiles[0], profiles[0]));
    EXPECT_TRUE(SameProfile(loaded.config.profiles[1], profiles[1]));
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName}) << "no temporary file";
}

TEST(ConfigFile, KoreanAndJapaneseTextSurvivesAndDoesNotCollide) {
    ScratchFolder dir;
    const std::vector<Profile> profiles = {MakeProfile(L"사무실", 3, L"로컬 영역 연결", false),
                                           MakeProfile(L"회의실", 4, L"무선 네트워크 연결", true),
                                           MakeProfile(L"会社", 5, L"ローカル エリア接続", false)};
    ASSERT_TRUE(WriteProfiles(dir.Ini(), profiles));

    Loaded loaded(dir.Ini());
    ASSERT_EQ(loaded.config.profiles.size(), 3u);
    for (size_t i = 0; i < profiles.size(); ++i) {
        EXPECT_STREQ(loaded.config.profiles[i].title, profiles[i].title);
        EXPECT_STREQ(loaded.config.profiles[i].nicname, profiles[i].nicname);
        EXPECT_EQ(loaded.config.profiles[i].nic, profiles[i].nic);
    }
}

// The reader answers from a whole section at a time; it must give what the per-key functions
// give, on lines written by hand as much as on the program's own.
TEST(ConfigFile, ReaderAnswersAsThePerKeyFunctions) {
    ScratchFolder dir;
    const std::wstring longValue(600, L'v');
    const std::wstring text =
        L"\xFEFF[S]\r\n Nic = 12 \r\nnic=13\r\nmetric= \"5\" \r\n"
        L"quoted='x y'\r\nhalf=\"x\r\nsingle=\"\r\nbare\r\nbare=1\r\n"
        L"empty=\r\nspaces=  a b  \r\n;note=1\r\nneg=-7\r\nhex=0x1A\r\nneghex=-0x10\r\n"
        L"upperhex=0X1A\r\noct=0o17\r\nbin=0b101\r\nwide=4294967297\r\n"
        L"padded=000000000000000000000000000012\r\npadded2="
        L"0000000000000000000000000000000000012\r\n"
        L"long=" +
        longValue + L"\r\n[Other]\r\nnic=99\r\n";
    ASSERT_TRUE(WriteFileBytes(dir.Ini(), BytesOf(text)));

    PrivateProfileReader reader(dir.Ini());
    for (const wchar_t* key :
         {L"nic",   L"NIC",    L"metric", L"quoted",  L"half",   L"single",   L"bare",
          L"empty", L"spaces", L"neg",    L"hex",     L"neghex", L"upperhex", L"oct",
          L"bin",   L"wide",   L"padded", L"padded2", L"long",   L"absent"}) {
        std::vector<wchar_t> expected(4096);
        ::GetPrivateProfileStringW(L"S", key, kMissingText, expected.data(), 4096,
                                   dir.Ini().c_str());
        EXPECT_EQ(reader.GetString(L"S", key), expected.data()) << key;
        EXPECT_EQ(reader.GetInt(L"S", key, kMissingInt),
                  static_cast<int32_t>(
                      ::GetPrivateProfileIntW(L"S", key, kMissingInt, dir.Ini().c_str())))
            << key;
    }
    EXPECT_EQ(reader.GetString(L"other", L"nic"), L"99");
    EXPECT_EQ(reader.GetString(L"Missing", L"nic"), kMissingText);
}

// Section names are compared without regard to case, so the later "home" is written into the
// section of the earlier "Home": one profile remains, under the first title, with the values
// written last.
TEST(ConfigFile, TitlesDifferingOnlyInCaseShareOneSection) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Home", 11, L"LAN", true),
                                          MakeProfile(L"home", 12, L"WLAN", false)}));
    Loaded loaded(dir.Ini());
    EXPECT_EQ(loaded.list.names, (std::vector<std::wstring>{L"Home", kOptionsSection}));
    ASSERT_EQ(loaded.config.profiles.size(), 1u);
    EXPECT_EQ(loaded.config.profiles[0].nic, 12);
    EXPECT_STREQ(loaded.config.profiles[0].nicname, L"WLAN");
    EXPECT_EQ(loaded.config.profiles[0].dhcpip, 0);
}

// Everything as long as the form takes it survives a save and a reload.
TEST(ConfigFile, LongTitlesAndTextsKeepTheirProfile) {
    ScratchFolder dir;
    std::wstring title300(300, L'x');
    title300.back() = L'3';
    std::wstring title510(510, L'設');  // the longest title the form accepts
    Profile longTexts = MakeProfile(title510, 8, L"LAN", false);
    const std::wstring url = L"http://proxy.vorl.test/" + std::wstring(1000, L'u');  // 1,023
    const std::wstring printer = std::wstring(1022, L'p') + L"!";
    CopyField(longTexts.autoconf, url);
    CopyField(longTexts.printer, printer);
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(title300, 7, L"LAN", true), longTexts}));
    Loaded loaded(dir.Ini());
    ASSERT_EQ(loaded.config.profiles.size(), 2u);
    EXPECT_EQ(loaded.config.profiles[0].title, title300);
    EXPECT_EQ(loaded.config.profiles[0].nic, 7) << "keys found under the whole name";
    EXPECT_EQ(loaded.config.profiles[1].title, title510);
    EXPECT_EQ(loaded.config.profiles[1].nic, 8);
    EXPECT_STREQ(loaded.config.profiles[1].ip, L"192.168.10.25");
    EXPECT_EQ(loaded.config.profiles[1].autoconf, url);
    EXPECT_EQ(loaded.config.profiles[1].printer, printer);
}

// Far more names than the first buffer holds. The file is laid down directly: rewriting 5,000
// sections one call each would take minutes, and the point here is the reading side.
TEST(ConfigFile, EverySectionNameIsSeenBeyondTheFirstBuffer) {
    ScratchFolder dir;
    std::wstring text = L"\xFEFF";
    std::vector<std::wstring> expected;
    for (int i = 0; i < 5000; ++i) {
        expected.push_back(L"Profile number " + std::to_wstring(10000 + i));
        text += L"[" + expected.back() + L"]\r\nnic=" + std::to_wstring(i) + L"\r\n";
    }
    expected.push_back(kOptionsSection);
    text += L"[" + expected.back() + L"]\r\nlanguage=kor\r\n";
    ASSERT_TRUE(WriteFileBytes(dir.Ini(), BytesOf(text)));

    IniSectionList list(dir.Ini());
    ASSERT_TRUE(list.loaded);
    ASSERT_EQ(list.count, 5001);
    EXPECT_EQ(list.names, expected);
    PrivateProfileReader reader(dir.Ini());
    EXPECT_EQ(reader.GetInt(L"Profile number 14999", kKeyNic, kMissingInt), 4999);
}

TEST(ConfigFile, MissingFileLoadsEmptyAndOptionsAloneCreateIt) {
    ScratchFolder dir;
    Loaded missing(dir.Ini());
    EXPECT_TRUE(missing.list.loaded);
    EXPECT_EQ(missing.list.count, 0);
    EXPECT_TRUE(dir.Files().empty()) << "a load creates nothing";
    EXPECT_FALSE(IniSectionList(L"").loaded);

    Options options;
    options.language = kLanguageKorean;
    options.startonboot = true;
    options.changeforce = false;
    ASSERT_TRUE(WriteOptionsSection(dir.Ini(), options));
    EXPECT_TRUE(StartsWithUnicodeMark(dir.Ini()));
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});

    Loaded only(dir.Ini());
    EXPECT_EQ(only.list.names, std::vector<std::wstring>{kOptionsSection});
    EXPECT_TRUE(only.config.profiles.empty());
    EXPECT_EQ(only.options.language, kLanguageKorean);
    EXPECT_TRUE(only.options.startonboot);
    EXPECT_TRUE(only.options.useglobalhotkey);
    EXPECT_FALSE(only.options.changeforce);
}

TEST(ConfigFile, AnsiFileIsReadAndItsOptionsUpdatedInPlace) {
    ScratchFolder dir;
    const std::string ansi =
        "[Office]\r\nnic=11\r\nmetric=3\r\nnicname=Local Area Connection\r\ndhcpip=FALSE\r\n"
        "dhcpdns=TRUE\r\nip=10.0.0.5\r\nsubnet=255.0.0.0\r\ngateway=0.0.0.0\r\n"
        "[VorlIP_Basic_Information]\r\nAutoGenerated=true\r\nlanguage=eng\r\n";
    ASSERT_TRUE(WriteFileBytes(dir.Ini(), ansi));

    Options options;
    options.language = kLanguageJapanese;
    ASSERT_TRUE(WriteOptionsSection(dir.Ini(), options));
    EXPECT_FALSE(StartsWithUnicodeMark(dir.Ini())) << "an existing file keeps its encoding";

    Loaded loaded(dir.Ini());
    ASSERT_EQ(loaded.config.profiles.size(), 1u);
    EXPECT_EQ(loaded.config.profiles[0].metric, 3);
    EXPECT_STREQ(loaded.config.profiles[0].ip, L"10.0.0.5");
    EXPECT_EQ(loaded.options.language, kLanguageJapanese);
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});

    // A rewrite makes a new file, and new files are Unicode.
    ASSERT_TRUE(WriteProfiles(dir.Ini(), loaded.config.profiles, loaded.options));
    EXPECT_TRUE(StartsWithUnicodeMark(dir.Ini()));
}

// Wine keeps a parsed copy of recent files and trusts it while the file's write time is the one
// it saw (once that time is a few seconds old). Pinning the time to an old value after each
// rewrite shows whether a load still sees the new content.
TEST(ConfigFile, LoadAfterRewriteSeesTheNewContent) {
    ScratchFolder dir;
    const FILETIME old = {0x12345678, 0x01D00000};
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Office", 100 + round, L"LAN", true)}));
        const HANDLE hFile = ::CreateFileW(dir.Ini().c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr,
                                           OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hFile, INVALID_HANDLE_VALUE);
        ::SetFileTime(hFile, nullptr, nullptr, &old);
        ::CloseHandle(hFile);
        PrivateProfileReader reader(dir.Ini());
        EXPECT_EQ(reader.GetInt(L"Office", kKeyNic, kMissingInt), 100 + round);
    }
}

TEST(ConfigFile, FailedWriteLeavesTheOldFileAndNoTemporaryFile) {
    ScratchFolder dir;
    // A folder where the file should be cannot be replaced.
    ASSERT_TRUE(::CreateDirectoryW(dir.Ini().c_str(), nullptr));
    EXPECT_FALSE(WriteProfiles(dir.Ini(), {MakeProfile(L"Office", 1, L"LAN", true)}));
    EXPECT_FALSE(WriteOptionsSection(dir.Ini(), Options{}));
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});
    EXPECT_NE(::GetFileAttributesW(dir.Ini().c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);

    EXPECT_FALSE(WriteProfiles(dir.Path(L"no such folder\\vorlip_configure.ini"), {}));
}

// A read-only file is one the user protected: neither a rewrite nor an options change replaces
// it, and the caller learns why.
TEST(ConfigFile, ReadOnlyFileIsLeftAsItIs) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Office", 1, L"LAN", true)}));
    const std::string before = ReadFileBytes(dir.Ini());
    ASSERT_TRUE(::SetFileAttributesW(dir.Ini().c_str(), FILE_ATTRIBUTE_READONLY));
    ::SetLastError(0);
    EXPECT_FALSE(WriteProfiles(dir.Ini(), {MakeProfile(L"Home", 2, L"LAN", true)}));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    Options options;
    options.language = 2;
    EXPECT_FALSE(WriteOptionsSection(dir.Ini(), options));
    EXPECT_EQ(ReadFileBytes(dir.Ini()), before);
    EXPECT_NE(::GetFileAttributesW(dir.Ini().c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});
    ::SetFileAttributesW(dir.Ini().c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Without a path there is nowhere to write: a file of the temporary name in the current folder
// belongs to someone else and must be neither overwritten nor removed.
TEST(ConfigFile, EmptyPathWritesNothing) {
    ScratchFolder dir;
    const std::string bytes = "not ours";
    ASSERT_TRUE(WriteFileBytes(dir.Path(L".tmp"), bytes));
    wchar_t previous[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, previous);
    ASSERT_TRUE(::SetCurrentDirectoryW(dir.Path(L"").c_str()));
    const Options options;
    EXPECT_FALSE(WriteConfigurationFile(L"", BuildConfigurationContent({}, options)));
    EXPECT_FALSE(WriteOptionsSection(L"", options));
    ::SetCurrentDirectoryW(previous);
    EXPECT_EQ(ReadFileBytes(dir.Path(L".tmp")), bytes);
    EXPECT_EQ(dir.Files().size(), 1u);
}

TEST(ConfigFile, ConfigurationPathIsBesideTheProgram) {
    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring expected = exe;
    expected.resize(expected.find_last_of(L'\\') + 1);
    EXPECT_EQ(platform::ConfigurationPath(kConfigFileName), expected + kConfigFileName);
}

// Kills a process that rewrites the file in a loop at random moments; every time, the file that
// is left must load as one complete profile set or the other.
TEST(ConfigFile, KilledRewriteLeavesTheOldOrTheNewFile) {
    ScratchFolder dir;
    const std::vector<Profile> sets[] = {CrashSet(false), CrashSet(true)};
    ASSERT_TRUE(WriteProfiles(dir.Ini(), sets[0]));

    wchar_t exe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring readyName =
        L"vorlip-rewrite-ready-" + std::to_wstring(::GetCurrentProcessId());
    const HANDLE hReady = ::CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
    ASSERT_NE(hReady, nullptr);
    ::SetEnvironmentVariableW(kLoopPathVar, dir.Ini().c_str());
    ::SetEnvironmentVariableW(kLoopReadyVar, readyName.c_str());

    const unsigned seed = static_cast<unsigned>(::GetTickCount64());
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> delayMs(0, 40);
    int seen[2] = {0, 0};
    int midRewrite = 0;  // kills that left a half-written temporary file
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(90);
    for (int kill = 0; kill < 100 && std::chrono::steady_clock::now() < deadline; ++kill) {
        ::ResetEvent(hReady);
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi = {};
        std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
        ASSERT_TRUE(::CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                     nullptr, &si, &pi))
            << "error " << ::GetLastError();
        const bool started = ::WaitForSingleObject(hReady, 10000) == WAIT_OBJECT_0;
        if (started) ::Sleep(delayMs(random));
        ::TerminateProcess(pi.hProcess, 1);
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        ASSERT_TRUE(started) << "the rewriting child never finished its first rewrite";
        if (dir.Files().size() > 1) ++midRewrite;

        Loaded loaded(dir.Ini());
        const auto& profiles = loaded.config.profiles;
        const int which = profiles.size() == sets[1].size() ? 1 : 0;
        ASSERT_EQ(profiles.size(), sets[which].size()) << "kill " << kill << ", seed " << seed;
        for (size_t i = 0; i < profiles.size(); ++i) {
            ASSERT_TRUE(SameProfile(profiles[i], sets[which][i]))
                << "kill " << kill << ", seed " << seed << ", profile " << i;
        }
        ASSERT_EQ(loaded.list.names.back(), kOptionsSection);
        ++seen[which];
    }
    ::SetEnvironmentVariableW(kLoopPathVar, nullptr);
    ::SetEnvironmentVariableW(kLoopReadyVar, nullptr);
    ::CloseHandle(hReady);
    EXPECT_GE(seen[0] + seen[1], 50);
    EXPECT_GT(midRewrite, 0) << "no kill landed inside a rewrite";

    // Temporary files that kills left behind do not stand in the way of the next save, which
    // clears them away.
    ASSERT_TRUE(WriteProfiles(dir.Ini(), sets[1]));
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});
}

// What two copies of the program do to one file, each from the list it loaded: copy A saves
// "One", a hand edit adds "Hand", copy B (loaded before all that) saves "Two", A deletes "Zero".
// Every change is made to the file as it is at that moment, so none of the others is lost.
TEST(ConfigFile, UpdatesKeepWhatOthersWroteSinceTheLastLoad) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Zero", 1, L"LAN", true)}));
    const auto put = [&](const Profile& profile) {
        return UpdateConfigurationFile(
            dir.Ini(), {}, Options{},
            [&](std::vector<Profile>& list, Options&) { PutProfile(list, profile); });
    };
    ASSERT_TRUE(put(MakeProfile(L"One", 2, L"LAN", false)));
    ASSERT_TRUE(::WritePrivateProfileStringW(L"Hand", L"nic", L"7", dir.Ini().c_str()));
    ASSERT_TRUE(put(MakeProfile(L"Two", 3, L"LAN", true)));
    ASSERT_TRUE(UpdateConfigurationFile(
        dir.Ini(), {}, Options{},
        [](std::vector<Profile>& list, Options&) { RemoveProfile(list, L"Zero", 0); }));

    Loaded loaded(dir.Ini());
    EXPECT_EQ(loaded.list.names,
              (std::vector<std::wstring>{L"One", L"Hand", L"Two", kOptionsSection}));
    EXPECT_EQ(loaded.config.profiles[1].nic, 7);
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});
}

// Two writers at once, each adding its own profiles one update at a time: the lock makes every
// read-modify-write see the other's last write, so all of them arrive.
TEST(ConfigFile, ConcurrentUpdatesLoseNothing) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {}));
    constexpr int kEach = 25;
    const auto writer = [&](const wchar_t* prefix) {
        for (int i = 0; i < kEach; ++i) {
            const Profile profile = MakeProfile(prefix + std::to_wstring(i), i, L"LAN", true);
            UpdateConfigurationFile(
                dir.Ini(), {}, Options{},
                [&](std::vector<Profile>& list, Options&) { PutProfile(list, profile); });
        }
    };
    std::thread first(writer, L"A");
    std::thread second(writer, L"B");
    first.join();
    second.join();
    Loaded loaded(dir.Ini());
    EXPECT_EQ(loaded.config.profiles.size(), 2u * kEach);
    EXPECT_EQ(dir.Files(), std::vector<std::wstring>{kConfigFileName});
}

// The lock is the file's, however its path is spelled.
TEST(ConfigFile, OneLockPerFile) {
    EXPECT_EQ(platform::ConfigurationLockName(L"C:\\Tools\\vorlip_configure.ini"),
              platform::ConfigurationLockName(L"c:\\TOOLS\\VORLIP_CONFIGURE.INI"));
    EXPECT_NE(platform::ConfigurationLockName(L"C:\\Tools\\vorlip_configure.ini"),
              platform::ConfigurationLockName(L"C:\\Other\\vorlip_configure.ini"));
    EXPECT_NE(platform::TemporaryConfigurationPath(L"C:\\x.ini"),
              platform::TemporaryConfigurationPath(L"C:\\x.ini"));
}

// Short names, like mapped drives and shares, spell one file many ways; the lock is the file's
// and lives where every session sees it.
TEST(ConfigFile, OneLockForEverySpellingOfTheFile) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {}));
    wchar_t shortPath[MAX_PATH] = {};
    ASSERT_GT(::GetShortPathNameW(dir.Ini().c_str(), shortPath, MAX_PATH), 0u);
    ASSERT_NE(std::wstring(shortPath), dir.Ini());
    const std::wstring name = platform::ConfigurationLockName(dir.Ini());
    EXPECT_EQ(name.rfind(L"Global\\", 0), 0u) << testing::PrintToString(name);
    EXPECT_EQ(platform::ConfigurationLockName(shortPath), name);
    const std::wstring shortFolder(shortPath, std::wcsrchr(shortPath, L'\\'));
    EXPECT_EQ(platform::ConfigurationLockName(shortFolder + L"\\new.ini"),
              platform::ConfigurationLockName(dir.Path(L"new.ini")))
        << "a file not written yet is named through its folder";

    platform::ConfigurationLock held(dir.Ini());
    ASSERT_TRUE(held.Owned());
    bool bOwnedElsewhere = true;
    std::thread([&] {
        bOwnedElsewhere = platform::ConfigurationLock(shortPath, 0).Owned();
    }).join();
    EXPECT_FALSE(bOwnedElsewhere);
}

// A file that exists but cannot be read (here a read error) is no empty file: an update writes
// nothing and says why. An option change writes its own key only, and tells what the file holds.
TEST(ConfigFile, AnUnreadableFileIsNeverTakenForAnEmptyOne) {
    ScratchFolder dir;
    Options other;
    other.useglobalhotkey = false;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Office", 1, L"LAN", true)}, other));
    const std::string before = ReadFileBytes(dir.Ini());
    const Profile lab = MakeProfile(L"Lab", 3, L"LAN", true);
    const auto put = [&](std::vector<Profile>& list, Options&) { PutProfile(list, lab); };
    const auto failingRead = [](const std::wstring&, unsigned long* pdwError) {
        *pdwError = ERROR_CRC;
        return std::make_shared<const std::vector<IniTextSection>>();
    };
    EXPECT_FALSE(UpdateConfigurationFile(dir.Ini(), {}, Options{}, put, failingRead));
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_CRC));
    EXPECT_EQ(ReadFileBytes(dir.Ini()), before);

    Options mine;
    mine.language = kLanguageKorean;
    ASSERT_TRUE(UpdateConfigurationFile(dir.Ini(), {}, Options{}, put));
    Options inFile;
    ASSERT_TRUE(WriteOptionsSection(dir.Ini(), mine, kOptionLanguage, &inFile));
    EXPECT_EQ(inFile.language, kLanguageKorean);
    EXPECT_FALSE(inFile.useglobalhotkey) << "another copy's choice stays";
    const Loaded loaded(dir.Ini());
    EXPECT_EQ(loaded.list.names, (std::vector<std::wstring>{L"Office", L"Lab", kOptionsSection}));
    EXPECT_EQ(loaded.options, inFile);
}

// A save replaces the file's content, not the file: attributes the user gave it stay.
TEST(ConfigFile, RewriteKeepsTheFilesAttributes) {
    ScratchFolder dir;
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Office", 1, L"LAN", true)}));
    ASSERT_TRUE(::SetFileAttributesW(dir.Ini().c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(WriteProfiles(dir.Ini(), {MakeProfile(L"Home", 2, L"LAN", true)}));
    EXPECT_NE(::GetFileAttributesW(dir.Ini().c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
    EXPECT_EQ(Loaded(dir.Ini()).list.names, (std::vector<std::wstring>{L"Home", kOptionsSection}));
}

}  // namespace

// The rewrite lays the file out in one write; it must leave the very bytes that writing it key by
// key through the system's functions leaves: titles that differ only in case or in surrounding
// blanks share a section, a key already there changes in place and keeps its line, and keys only
// the earlier profile had stay.
TEST(ConfigFile, OneWriteRewriteMatchesTheSystemsOwnLayout) {
    ScratchFolder dir;
    Profile padded = MakeProfile(L"  Office\t", 9, L"LAN", true);
    CopyField(padded.autoconf, L"  http://proxy.vorl.test/p.pac");
    const std::vector<Profile> profiles = {
        MakeProfile(L"Office", 2, L"LAN", false),    MakeProfile(L"집", 3, L"무선 네트워크", true),
        MakeProfile(L"OFFICE", 4, L"Wi-Fi 2", true), MakeProfile(L"home", 5, L"LAN", true),
        MakeProfile(L"Home", 6, L"LAN", false),      padded};
    const std::vector<IniSection> content = BuildConfigurationContent(profiles, Options{});
    ASSERT_TRUE(WriteConfigurationFile(dir.Ini(), content));

    const std::wstring reference = dir.Path(L"reference.ini");
    ASSERT_TRUE(WriteFileBytes(reference, "\xFF\xFE"));
    for (const IniSection& section : content) {
        for (const auto& [key, value] : section.entries) {
            ASSERT_TRUE(::WritePrivateProfileStringW(section.name.c_str(), key.c_str(),
                                                     value.c_str(), reference.c_str()));
        }
    }
    ::WritePrivateProfileStringW(nullptr, nullptr, nullptr, reference.c_str());
    EXPECT_EQ(ReadFileBytes(dir.Ini()), ReadFileBytes(reference));

    Loaded loaded(dir.Ini());
    EXPECT_EQ(loaded.list.names,
              (std::vector<std::wstring>{L"Office", L"집", L"home", kOptionsSection}));
    ASSERT_EQ(loaded.config.profiles.size(), 3u);
    EXPECT_EQ(loaded.config.profiles[0].nic, 9) << "the padded title wrote last";
    EXPECT_STREQ(loaded.config.profiles[0].autoconf, L"http://proxy.vorl.test/p.pac");
    EXPECT_EQ(loaded.config.profiles[2].nic, 6);
    EXPECT_STREQ(loaded.config.profiles[2].ip, L"192.168.10.25");
}
