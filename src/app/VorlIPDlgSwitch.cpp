// Automatic switching in the main window: the option, one watch over the adapters that profiles
// name, and the decisions of switching/AutoSwitch carried out with the window's own apply. The
// rules live in src/switching; this file only gathers what they need and does what they say.
#include <algorithm>
#include <set>

#include "app/ApplyWorkflow.h"
#include "app/SwitchRun.h"
#include "app/SwitchWatch.h"
#include "app/VorlIPDlg.h"
#include "apply/ApplyReport.h"
#include "apply/EnumPrinters.h"
#include "apply/NetshCommands.h"
#include "apply/NetworkChanger.h"
#include "config/ConfigStore.h"
#include "config/FormToProfile.h"
#include "net/NicInformation.h"
#include "platform/Shell.h"
#include "resource.h"
#include "ui/LanguageTexts.h"
#include "ui/SwitchTexts.h"
#include "ui/VorlTrayIcon.h"
#include "win/MessageBox.h"
#include "win/Pump.h"
#include "win/ScopeExit.h"

namespace {

// The adapters are read this often while the system has sent no change notice (Wine never sends
// one) and while a change is settling; a read sends nothing on the network.
constexpr UINT kSwitchPollMs = 3000;
// Once notices have been seen to arrive, the reading is only a safety net.
constexpr UINT kSwitchSafetyPollMs = 30000;

int64_t NowMs() {
    return static_cast<int64_t>(::GetTickCount64());
}

std::wstring Quoted(const std::wstring& title) {
    return L"\"" + title + L"\"";
}

// Whether the adapter carries what profile sets: its address and mask (static) or DHCP.
bool SettingsAgree(const Profile& profile, std::span<const NICs> inventory, bool bDhcpOn) {
    const int nAdapter = AdapterPosition(inventory, profile.nicname);
    if (nAdapter < 0) return false;
    const NICs& adapter = inventory[static_cast<size_t>(nAdapter)];
    if (profile.dhcpip == 1) return bDhcpOn;
    NetworkTarget target;
    CopyProfileToChanger(profile, target);
    return MissingAddresses(target, adapter).empty();
}

}  // namespace

void CVorlIPDlg::SetAutoSwitch() {
    m_Options.autoswitch = IsChecked(IDC_AUTO_SWITCH);
    WriteOptions(kOptionAutoSwitch);
    FollowAutoSwitchOption(true);
}

void CVorlIPDlg::FollowAutoSwitchOption(bool bTicked) {
    if (!m_Options.autoswitch || m_bReleased) {
        StopSwitching();
        return;
    }
    // The state outlives a stop: a pause ends only when the user ticks the box again.
    if (!m_pSwitch) m_pSwitch = std::make_unique<SwitchWatch>();
    SwitchWatch& w = *m_pSwitch;
    if (bTicked) w.guard.Resume();
    if (w.running) return;
    w.running = true;
    const bool bNotified = w.notifier.Start(m_hWnd, kNetworkChangedMessage);
    w.uPollMs = 0;
    ArmSwitchPoll();
    // The display coming on is when a laptop resumed from Modern Standby looks at its network.
    w.hDisplayNotify = ::RegisterPowerSettingNotification(m_hWnd, &GUID_CONSOLE_DISPLAY_STATE,
                                                          DEVICE_NOTIFY_WINDOW_HANDLE);
    SwitchLog(std::wstring(L"automatic switching on; system change notifications ") +
              (bNotified ? L"registered" : L"not available") +
              L"; Wi-Fi names are read through the WLAN API (Windows may ask for location access)");
    for (auto& [name, adapter] : w.adapters) adapter.firstLook = true;
    OnSwitchPoll(true);
}

void CVorlIPDlg::ArmSwitchPoll() {
    if (!m_pSwitch || !m_pSwitch->running) return;
    SwitchWatch& w = *m_pSwitch;
    const bool bSettling = std::any_of(w.adapters.begin(), w.adapters.end(), [](const auto& entry) {
        return entry.second.pending && entry.second.snapshot.up;
    });
    const UINT uMs = w.bNoticesArrive && !bSettling ? kSwitchSafetyPollMs : kSwitchPollMs;
    if (uMs == w.uPollMs) return;
    w.uPollMs = uMs;
    ::SetTimer(m_hWnd, kSwitchPollTimerId, uMs, nullptr);
}

void CVorlIPDlg::OnSwitchNotice() {
    if (!m_pSwitch || !m_pSwitch->running) return;
    m_pSwitch->bNoticesArrive = true;
    OnSwitchPoll(false);
}

void CVorlIPDlg::StopSwitching() {
    if (!m_pSwitch || !m_pSwitch->running) return;
    SwitchWatch& w = *m_pSwitch;
    w.running = false;
    w.notifier.Stop();
    if (m_hWnd) ::KillTimer(m_hWnd, kSwitchPollTimerId);
    if (w.hDisplayNotify) {
        ::UnregisterPowerSettingNotification(w.hDisplayNotify);
        w.hDisplayNotify = nullptr;
    }
    SwitchLog(L"automatic switching off");
}

bool CVorlIPDlg::IsWakeBroadcast(WPARAM wParam, LPARAM lParam) {
    if (wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND) return true;
    if (wParam != PBT_POWERSETTINGCHANGE || lParam == 0) return false;
    const auto* pSetting = reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam);
    return IsEqualGUID(pSetting->PowerSetting, GUID_CONSOLE_DISPLAY_STATE) &&
           pSetting->DataLength >= sizeof(DWORD) &&
           *reinterpret_cast<const DWORD*>(pSetting->Data) == 1;  // on
}

void CVorlIPDlg::OnSwitchPoll(bool bLookAgain) {
    if (!m_pSwitch || !m_pSwitch->running || m_bReleased) return;
    SwitchWatch& w = *m_pSwitch;
    const int64_t now = NowMs();
    std::set<std::wstring> named;
    for (const Profile& profile : profiles) named.insert(profile.nicname);
    for (AdapterSnapshot& snapshot : ReadAdapterSnapshots()) {
        // Adapters no profile names (a VPN, Hyper-V or WSL switch) are none of our business.
        if (!named.contains(snapshot.nicname)) continue;
        SwitchWatch::Adapter& a = w.adapters[snapshot.nicname];
        const std::wstring fingerprint = snapshot.Fingerprint();
        if (fingerprint != a.fingerprint || bLookAgain) {
            a.fingerprint = fingerprint;
            a.pending = true;
            w.guard.Changed(snapshot.nicname, now);
        }
        a.msWithoutLease =
            w.leases.Observe(snapshot.nicname, snapshot.up, snapshot.dhcpEnabled || a.dhcpByUs,
                             snapshot.addressFromDhcp && !snapshot.address.empty(), now);
        if (a.msWithoutLease == 0) {
            a.leaseLookDone = false;
        } else if (a.msWithoutLease >= kLeaseWaitMs && !a.leaseLookDone) {
            a.leaseLookDone = true;
            a.leaseLook = true;
            a.pending = true;
        }
        a.snapshot = std::move(snapshot);
    }
    // A change settles under the short round; without one, the round can be long.
    const win::ScopeExit rearm([this] { ArmSwitchPoll(); });
    // Never while an apply or its question is under way, nor during the exit.
    if (w.busy || m_bApplying || m_nPendingExit != 0 || IsNestedMessage()) return;
    for (auto& [name, a] : w.adapters) {
        if (!a.pending || !a.snapshot.up || !w.guard.Settled(name, now)) continue;
        DecideOnAdapter(name);
        // One decision per look: the one just taken may have changed the others' state.
        break;
    }
}

NetworkIdentity CVorlIPDlg::ProbeNetwork(const std::wstring& nicname) {
    // Read afresh: an apply just changed the address the echo goes out from.
    AdapterSnapshot snapshot;
    if (!ReadAdapterSnapshot(nicname, snapshot)) return {};
    NetworkIdentity seen;
    win::RunWhilePumping([&] { seen = ProbeAdapterNetwork(snapshot); });
    return seen;
}

std::vector<SwitchProfile> CVorlIPDlg::SwitchProfilesOf(const std::wstring& nicname) const {
    return SwitchProfilesFromFile(m_pIniSectionList ? m_pIniSectionList->path : std::wstring(),
                                  profiles, nicname);
}

void CVorlIPDlg::DecideOnAdapter(const std::wstring& nicname) {
    SwitchWatch& w = *m_pSwitch;
    w.busy = true;
    const win::ScopeExit notBusy([this] {
        if (m_pSwitch) m_pSwitch->busy = false;
    });
    SwitchWatch::Adapter& a = w.adapters[nicname];
    const std::wstring fingerprint = a.fingerprint;
    const NetworkIdentity seen = ProbeNetwork(nicname);
    // The program may be ending, or the option gone, while the gateway was asked.
    if (!m_pSwitch || !w.running || m_bReleased || m_nPendingExit != 0) return;
    // Still moving: the next look decides on where it settles.
    if (a.fingerprint != fingerprint) return;
    a.pending = false;
    a.seen = seen;
    a.seenValid = true;
    const bool bLeaseLook = a.leaseLook;
    a.leaseLook = false;
    SwitchLog(nicname, L"network " +
                           (IsEmptyIdentity(seen) ? std::wstring(L"none") : DescribeNetwork(seen)) +
                           L" seen");
    UpdateNicInformation();

    std::wstring why;
    if (!w.guard.MayDecide(nicname, seen, &why) && !(bLeaseLook && !w.guard.Paused(nicname))) {
        if (!why.empty()) SwitchLog(nicname, L"no decision: " + why);
        return;
    }
    const std::vector<SwitchProfile> list = SwitchProfilesOf(nicname);
    const std::span<const NICs> inventory = Inventory();

    AdapterView view;
    view.nicname = nicname;
    view.linkUp = a.snapshot.up;
    view.dhcpEnabled = a.snapshot.dhcpEnabled || a.dhcpByUs;
    view.address = a.snapshot.address;
    view.addressFromDhcp = a.snapshot.addressFromDhcp;
    view.ipv6DefaultRoute = a.snapshot.ipv6DefaultRoute;
    view.identity = seen;
    view.msWithoutLease = a.msWithoutLease;
    // Printer and proxy follow only the adapter with the lowest-metric default route among the
    // watched ones: a docked laptop with Ethernet and Wi-Fi up must not flip them back and forth.
    view.lowestMetric = !a.snapshot.gateway.empty();
    for (const auto& [other, b] : w.adapters) {
        if (other == nicname || b.snapshot.gateway.empty() || !b.snapshot.up) continue;
        if (b.snapshot.routeMetric < a.snapshot.routeMetric) view.lowestMetric = false;
    }

    InForce inForce;
    for (const SwitchProfile& p : list) {
        if (p.title != a.inForce) continue;
        inForce.index = p.index;
        inForce.settingsAgree =
            SettingsAgree(profiles[static_cast<size_t>(p.index)], inventory, view.dhcpEnabled);
    }
    // Right after the start nothing is on record: a profile that knows this network and whose
    // settings the adapter already has is the one in force, so a start applies nothing new.
    if (a.firstLook && inForce.index < 0) {
        const int known = ProfileKnowingNetwork(list, seen);
        if (known >= 0) {
            const SwitchProfile& p = list[static_cast<size_t>(known)];
            if (SettingsAgree(profiles[static_cast<size_t>(p.index)], inventory,
                              view.dhcpEnabled)) {
                a.inForce = p.title;
                inForce = {p.index, true};
            }
        }
    }
    a.firstLook = false;

    const SwitchDecision decision = DecideSwitch(view, list, inForce);
    SwitchLog(nicname, decision.reason);
    // Still waiting for a lease: no decision yet. The lease look (or the next change) asks again.
    if (decision.askAgainInMs > 0) {
        a.pending = false;
        return;
    }
    // The fallback and the decision after its lease are one decision.
    const bool bCounts = decision.action != SwitchAction::Nothing && !a.afterFallback;
    a.afterFallback = false;
    if (w.guard.Decided(nicname, seen, bCounts, NowMs())) {
        SwitchLog(nicname, L"paused: three automatic switches in ten minutes");
        const std::wstring text =
            FormatSwitchText(SwitchText::Paused, m_Options.language, L"", L"", nicname);
        if (!m_bVisible && g_TrayIcon.m_bIconShown) {
            platform::ShowNotifyBalloon(m_hWnd, 0, L"VorlIP", text);
        } else {
            ReportMessage(text);
        }
        return;
    }
    if (decision.action == SwitchAction::Nothing) return;

    // The DHCP lines of the adapter's first DHCP profile, or of no profile at all.
    const auto backToDhcp = [&](int nIndex) {
        a.inForce.clear();
        a.afterFallback = true;
        if (RunAutomaticApply(nicname, nIndex, false, true)) {
            SwitchLog(nicname, L"back to DHCP");
        } else {
            SwitchLog(nicname, L"back to DHCP did not take");
        }
    };
    const auto firstDhcpProfile = [&] {
        for (const SwitchProfile& p : list) {
            if (!p.isStatic) return p.index;
        }
        return -1;
    };
    const std::wstring before = a.inForce;

    switch (decision.action) {
        case SwitchAction::Nothing:
            return;
        case SwitchAction::DhcpFallback:
            backToDhcp(decision.profiles.empty() ? -1 : decision.profiles.front());
            return;
        case SwitchAction::Apply:
        case SwitchAction::Trial: {
            const bool bTrial = decision.action == SwitchAction::Trial;
            for (const int nIndex : decision.profiles) {
                if (!m_pSwitch || !w.running || m_nPendingExit != 0) return;
                const std::wstring title = profiles[static_cast<size_t>(nIndex)].title;
                std::wstring report;
                const bool bTook =
                    RunAutomaticApply(nicname, nIndex, decision.printerAndProxy, false, &report);
                if (!bTook) {
                    SwitchLog(nicname, L"applying " + Quoted(title) + L" did not take");
                    if (!bTrial) {
                        TellAutomaticApply(nIndex, seen, report);
                        return;
                    }
                    // A static address that never shows is what a duplicate address looks
                    // like: no other profile of this network is tried over it.
                    break;
                }
                NetworkIdentity after = seen;
                if (bTrial || decision.verify) {
                    after = ProbeNetwork(nicname);
                    const auto p = std::find_if(list.begin(), list.end(),
                                                [&](const auto& e) { return e.index == nIndex; });
                    if (p == list.end() || !ProbeConfirms(*p, after)) {
                        SwitchLog(nicname, Quoted(title) + L": the gateway did not answer as " +
                                               L"remembered");
                        continue;
                    }
                }
                a.inForce = title;
                w.guard.Settle(nicname, after);
                a.seen = after;
                w.undoAdapter = nicname;
                w.undoTitle = before;
                w.undoUntil = NowMs() + SwitchWatch::kUndoMs;
                SwitchLog(nicname, L"applied " + Quoted(title));
                TellAutomaticApply(nIndex, after, std::wstring());
                return;
            }
            if (bTrial || decision.verify) {
                SwitchLog(nicname, L"no profile's gateway answered");
                backToDhcp(firstDhcpProfile());
            }
            return;
        }
    }
}

bool CVorlIPDlg::RunAutomaticApply(const std::wstring& nicname, int nIndex, bool bPrinterAndProxy,
                                   bool bDhcpLinesOnly, std::wstring* pReport) {
    // Without a profile: DHCP for address and DNS, nothing else.
    Profile profile{};
    CopyField(profile.nicname, nicname);
    CopyField(profile.printer, kPrinterWhenMissing);
    if (nIndex >= 0) profile = profiles[static_cast<size_t>(nIndex)];
    const std::span<const NICs> inventory = Inventory();
    const int nAdapter = AdapterPosition(inventory, nicname);
    if (nAdapter < 0) return false;
    profile.nic = inventory[static_cast<size_t>(nAdapter)].nic;
    SwitchWatch::Adapter& a = m_pSwitch->adapters[nicname];
    // The adapter list's DHCP flag is not used here: Wine sets it for every adapter.
    const bool bDhcpAlreadyOn = a.snapshot.dhcpEnabled || a.dhcpByUs;
    if (bDhcpLinesOnly || nIndex < 0) {
        profile.dhcpip = 1;
        profile.dhcpdns = 1;
    }
    const PrinterChoice printer = ChoosePrinter(*m_pPrinters, profile);
    const FormResult form = FormToProfile(ProfileAsForm(profile, printer.text), true);
    if (!form.ok) return false;

    m_bApplying = true;
    const win::ScopeExit endApply([this] { m_bApplying = false; });
    // No busy window and no question: the user did not ask for this apply.
    ApplyWorkflow apply(m_IPHelper, *m_pChanger, *m_pPrinters, nullptr,
                        [](const std::wstring& text) { SwitchLog(text); });
    ApplyWorkflow::Scope scope;
    scope.bAddressesOnly = !bPrinterAndProxy || bDhcpLinesOnly;
    scope.bDhcpAlreadyOn = bDhcpAlreadyOn && form.profile.dhcpip == 1;
    const ApplySteps steps = apply.Apply(form.profile, scope.bAddressesOnly ? -1 : printer.nEntry,
                                         printer.nEntries, scope);
    if (m_pSwitch) m_pSwitch->adapters[nicname].dhcpByUs = form.profile.dhcpip == 1;
    // The rebuilt inventory may list the adapters differently; the list follows it.
    ComboReset(IDC_NIC_LIST);
    FillAdapterList();
    SelectProfileAdapter();
    UpdateNicInformation();
    if (pReport) *pReport = apply.Report(steps, m_Options.language);
    return apply.Verdict(steps) == ApplyVerdict::Took;
}

void CVorlIPDlg::TellAutomaticApply(int nIndex, const NetworkIdentity& seen,
                                    const std::wstring& report) {
    const std::wstring title = profiles[static_cast<size_t>(nIndex)].title;
    const bool bHidden = !m_bVisible && g_TrayIcon.m_bIconShown;
    if (!report.empty()) {
        if (bHidden) {
            platform::ShowNotifyBalloon(m_hWnd, 0, L"VorlIP", report);
        } else {
            ReportMessage(report);
        }
        return;
    }
    const std::wstring text =
        FormatSwitchText(SwitchText::Applied, m_Options.language, title, DescribeNetwork(seen));
    if (bHidden) {
        platform::ShowNotifyBalloon(
            m_hWnd, 0, L"VorlIP",
            text + L"\n" + std::wstring(GetSwitchText(SwitchText::UndoHint, m_Options.language)));
        return;
    }
    // The form shows what is in force now, as after a choice from the title list.
    ComboSetCurSel(IDC_TITLE_LIST, nIndex);
    ShowProfile(nIndex);
    UpdateNicInformation();
}

void CVorlIPDlg::OnSwitchBalloonClick() {
    if (!m_pSwitch || m_pSwitch->undoAdapter.empty()) return;
    SwitchWatch& w = *m_pSwitch;
    const std::wstring nicname = w.undoAdapter;
    const std::wstring title = w.undoTitle;
    const bool bInTime = NowMs() <= w.undoUntil;
    w.undoAdapter.clear();
    if (!bInTime || title.empty() || w.busy || m_bApplying) return;
    const auto it = std::find_if(profiles.begin(), profiles.end(),
                                 [&](const Profile& p) { return title == p.title; });
    if (it == profiles.end()) return;
    const int nIndex = static_cast<int>(it - profiles.begin());
    w.busy = true;
    const win::ScopeExit notBusy([this] {
        if (m_pSwitch) m_pSwitch->busy = false;
    });
    std::wstring report;
    if (!RunAutomaticApply(nicname, nIndex, true, false, &report)) {
        SwitchLog(nicname, L"undo: applying " + Quoted(title) + L" did not take");
        platform::ShowNotifyBalloon(m_hWnd, 0, L"VorlIP", report);
        return;
    }
    // The user chose: nothing automatic on this adapter until its network changes.
    const NetworkIdentity after = ProbeNetwork(nicname);
    w.adapters[nicname].inForce = title;
    w.guard.Pin(nicname, after);
    SwitchLog(nicname, L"undone: applied " + Quoted(title) + L" again");
}

void CVorlIPDlg::TeachAfterManualApply(const Profile& record) {
    if (!m_pSwitch) return;
    const std::wstring nicname = record.nicname;
    const std::wstring title = record.title;
    const std::wstring path = m_pIniSectionList ? m_pIniSectionList->path : std::wstring();
    std::wstring other;
    NetworkIdentity seen;
    win::RunWhilePumping([&] { seen = TeachNetwork(path, profiles, title, nicname, &other); });
    if (!m_pSwitch || m_bReleased) return;
    SwitchWatch::Adapter& a = m_pSwitch->adapters[nicname];
    a.seen = seen;
    a.seenValid = true;
    a.inForce = title;
    a.dhcpByUs = record.dhcpip == 1;
    // A manual apply wins: nothing automatic here until the network changes.
    m_pSwitch->guard.Pin(nicname, seen);
    if (other.empty()) return;
    if (!win::AskYesNo(m_hWnd,
                       FormatSwitchText(SwitchText::MoveQuestion, m_Options.language, title))) {
        SwitchLog(nicname, L"network " + DescribeNetwork(seen) + L" stays with " + Quoted(other));
        return;
    }
    MoveNetwork(path, profiles, nicname, other, title, seen);
}

std::wstring CVorlIPDlg::SwitchNicInformation(const NICs& adapter) const {
    if (!m_Options.autoswitch || !m_pSwitch) return {};
    const auto it = m_pSwitch->adapters.find(adapter.nicname);
    if (it == m_pSwitch->adapters.end() || !it->second.seenValid) return {};
    const std::vector<SwitchProfile> list = SwitchProfilesOf(adapter.nicname);
    const int known = ProfileKnowingNetwork(list, it->second.seen);
    if (known < 0) return {};
    return L"\n" + FormatSwitchText(SwitchText::KnownBy, m_Options.language,
                                    list[static_cast<size_t>(known)].title);
}
