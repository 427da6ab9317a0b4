#include "app/SwitchRun.h"

#include <algorithm>

#include "config/ConfigKeys.h"
#include "config/ConfigStore.h"
#include "platform/ConfigurationFile.h"
#include "platform/TextLog.h"
#include "switching/Teach.h"

void SwitchLog(const std::wstring& line) {
    platform::AppendLogLine(platform::ConfigurationPath(L"vorlip_autoswitch.log"), line);
}

void SwitchLog(const std::wstring& nicname, const std::wstring& line) {
    SwitchLog(nicname + L": " + line);
}

NetworkIdentity ProbeAdapterNetwork(const AdapterSnapshot& snapshot) {
    NetworkIdentity seen;
    seen.gateway = snapshot.gateway;
    seen.dnsSuffix = snapshot.dnsSuffix;
    if (!snapshot.gateway.empty()) seen.mac = ResolveGatewayMac(snapshot);
    if (snapshot.wireless) seen.ssid = CurrentSsid(snapshot);
    return seen;
}

bool ReadAdapterSnapshot(const std::wstring& nicname, AdapterSnapshot& snapshot) {
    for (AdapterSnapshot& now : ReadAdapterSnapshots()) {
        if (now.nicname != nicname) continue;
        snapshot = std::move(now);
        return true;
    }
    return false;
}

std::vector<SwitchProfile> SwitchProfilesFromFile(const std::wstring& path,
                                                  std::span<const Profile> profiles,
                                                  const std::wstring& nicname) {
    std::vector<SwitchProfile> list;
    PrivateProfileReader reader(path);
    for (size_t k = 0; k < profiles.size(); ++k) {
        const Profile& profile = profiles[k];
        if (nicname != profile.nicname) continue;
        SwitchProfile entry;
        entry.index = static_cast<int>(k);
        entry.title = profile.title;
        entry.isStatic = profile.dhcpip != 1;
        const std::wstring value = reader.GetString(profile.title, kKeyNetworks);
        if (value != kMissingText) entry.networks = ParseNetworks(value);
        list.push_back(std::move(entry));
    }
    return list;
}

bool RememberNetworkFor(const std::wstring& path, const SwitchProfile& profile,
                        const NetworkIdentity& seen) {
    std::vector<NetworkIdentity> networks = profile.networks;
    RememberNetwork(networks, seen);
    if (networks == profile.networks) return true;
    return WriteProfileKey(path, profile.title, kKeyNetworks, FormatNetworks(networks));
}

namespace {

const SwitchProfile* Titled(const std::vector<SwitchProfile>& list, const std::wstring& title) {
    const auto it = std::find_if(list.begin(), list.end(),
                                 [&](const SwitchProfile& p) { return p.title == title; });
    return it == list.end() ? nullptr : &*it;
}

}  // namespace

NetworkIdentity TeachNetwork(const std::wstring& path, std::span<const Profile> profiles,
                             const std::wstring& title, const std::wstring& nicname,
                             std::wstring* pOther) {
    AdapterSnapshot snapshot;
    if (!ReadAdapterSnapshot(nicname, snapshot)) return {};
    const NetworkIdentity seen = ProbeAdapterNetwork(snapshot);
    const std::vector<SwitchProfile> list = SwitchProfilesFromFile(path, profiles, nicname);
    const SwitchProfile* applied = Titled(list, title);
    if (!applied) return seen;  // not a saved profile of this adapter
    int nOther = -1;
    switch (ChooseTeach(list, static_cast<int>(applied - list.data()), seen, &nOther)) {
        case TeachChoice::Nothing:
            SwitchLog(nicname, L"manual apply of \"" + title + L"\": no network to learn");
            break;
        case TeachChoice::Remember:
            if (RememberNetworkFor(path, *applied, seen)) {
                SwitchLog(nicname, L"\"" + title + L"\" learned network " + DescribeNetwork(seen));
            }
            break;
        case TeachChoice::AskToMove:
            if (pOther) *pOther = list[static_cast<size_t>(nOther)].title;
            break;
    }
    return seen;
}

bool MoveNetwork(const std::wstring& path, std::span<const Profile> profiles,
                 const std::wstring& nicname, const std::wstring& from, const std::wstring& to,
                 const NetworkIdentity& seen) {
    const std::vector<SwitchProfile> list = SwitchProfilesFromFile(path, profiles, nicname);
    const SwitchProfile* pFrom = Titled(list, from);
    const SwitchProfile* pTo = Titled(list, to);
    if (!pFrom || !pTo) return false;
    std::vector<NetworkIdentity> networks = pFrom->networks;
    ForgetNetwork(networks, seen);
    if (!WriteProfileKey(path, from, kKeyNetworks, FormatNetworks(networks))) return false;
    if (!RememberNetworkFor(path, *pTo, seen)) return false;
    SwitchLog(nicname, L"network " + DescribeNetwork(seen) + L" moved from \"" + from +
                           L"\" to \"" + to + L"\"");
    return true;
}
