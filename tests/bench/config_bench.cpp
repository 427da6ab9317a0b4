// Times what saving or deleting a profile costs: rewriting the configuration file and loading it
// again, for 10, 100 and 1,000 profiles. For comparison it also times the former ways, one
// private-profile call per key: the rewrite into the deleted file and the reload (skipped at
// 1,000 profiles, where the former rewrite runs for minutes).
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "config/ConfigReader.h"
#include "config/ConfigStore.h"
#include "config/ConfigWriter.h"
#include "net/AddressText.h"
#include "platform/ConfigurationFile.h"
#include "support/Records.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}

// Half static, half DHCP, as a real list tends to be; every adapter reference matches the
// inventory, so the load does no repair.
std::vector<Profile> MakeProfiles(int count, const NICs& adapter) {
    std::vector<Profile> profiles(count);
    for (int i = 0; i < count; ++i) {
        Profile& p = profiles[i] = MakeProfile(L"Profile " + std::to_wstring(i + 1), adapter.nic,
                                               adapter.nicname, i % 2 == 1);
        SetAddresses(p, L"192.168.10." + std::to_wstring(i % 250 + 1), L"255.255.255.0",
                     L"192.168.10.254", L"192.168.10.2", L"0.0.0.0");
        CopyField(p.autoconf, L"http://proxy.example/proxy.pac");
        p.checkautoconf = i % 3 == 0;
    }
    return profiles;
}

// The former reader: one GetPrivateProfileStringW or GetPrivateProfileIntW call per key.
class PerKeyReader final : public IniReader {
public:
    explicit PerKeyReader(std::wstring path) : m_path(std::move(path)) {}
    std::wstring GetString(const std::wstring& section, const std::wstring& key) override {
        wchar_t buffer[kReadBufferChars] = {};
        const DWORD length = ::GetPrivateProfileStringW(section.c_str(), key.c_str(), kMissingText,
                                                        buffer, kReadBufferChars, m_path.c_str());
        return std::wstring(buffer, length);
    }
    int32_t GetInt(const std::wstring& section, const std::wstring& key,
                   int32_t fallback) override {
        return static_cast<int32_t>(
            ::GetPrivateProfileIntW(section.c_str(), key.c_str(), fallback, m_path.c_str()));
    }

private:
    std::wstring m_path;
};

template <class Reader>
size_t Reload(const std::wstring& path, const NICs& adapter) {
    IniSectionList list(path);
    Reader reader(path);
    Options options;
    const LoadedConfiguration config =
        ReadConfiguration(reader, list.names, {&adapter, 1}, options);
    return config.profiles.size();
}

void FormerRewrite(const std::wstring& path, std::span<const IniSection> sections) {
    ::DeleteFileW(path.c_str());
    for (const IniSection& section : sections) {
        for (const auto& [key, value] : section.entries) {
            ::WritePrivateProfileStringW(section.name.c_str(), key.c_str(), value.c_str(),
                                         path.c_str());
        }
    }
}

}  // namespace

int main() {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    const std::wstring folder =
        std::wstring(temp) + L"vorlip-bench-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(folder.c_str(), nullptr);
    const std::wstring path = folder + L"\\" + kConfigFileName;

    const NICs adapter = MakeAdapter(11, L"Local Area Connection");
    const Options options;

    std::printf("%9s  %11s  %10s  %9s  %18s  %17s\n", "profiles", "rewrite ms", "reload ms",
                "total ms", "former rewrite ms", "former reload ms");
    bool ok = true;
    for (int count : {10, 100, 1000}) {
        const std::vector<IniSection> content =
            BuildConfigurationContent(MakeProfiles(count, adapter), options);
        const int runs = count >= 1000 ? 3 : 7;
        std::vector<double> rewrite, reload, total, formerRewrite, formerReload;
        for (int run = 0; run < runs; ++run) {
            const Clock::time_point start = Clock::now();
            ok = WriteConfigurationFile(path, content) && ok;
            rewrite.push_back(MillisecondsSince(start));
            const Clock::time_point loadStart = Clock::now();
            ok = Reload<PrivateProfileReader>(path, adapter) == size_t(count) && ok;
            reload.push_back(MillisecondsSince(loadStart));
            total.push_back(MillisecondsSince(start));
            if (count < 1000) {
                Clock::time_point formerStart = Clock::now();
                ok = Reload<PerKeyReader>(path, adapter) == size_t(count) && ok;
                formerReload.push_back(MillisecondsSince(formerStart));
                formerStart = Clock::now();
                FormerRewrite(path, content);
                formerRewrite.push_back(MillisecondsSince(formerStart));
            }
        }
        char formerText[2][32] = {"-", "-"};
        if (!formerRewrite.empty()) {
            std::snprintf(formerText[0], sizeof(formerText[0]), "%.1f", Median(formerRewrite));
            std::snprintf(formerText[1], sizeof(formerText[1]), "%.1f", Median(formerReload));
        }
        std::printf("%9d  %11.1f  %10.1f  %9.1f  %18s  %17s\n", count, Median(rewrite),
                    Median(reload), Median(total), formerText[0], formerText[1]);
    }
    std::printf("(median of 7 runs, 3 at 1,000 profiles)\n");

    ::DeleteFileW(path.c_str());
    ::DeleteFileW(platform::TemporaryConfigurationPath(path).c_str());
    ::RemoveDirectoryW(folder.c_str());
    if (!ok) std::printf("a rewrite or reload did not give back every profile\n");
    return ok ? 0 : 1;
}
