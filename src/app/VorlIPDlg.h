// The main window: a dialog on template 140 that owns the inventory, the profiles and options,
// and brings every subsystem up in a fixed order.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <span>
#include <vector>

#include "config/ConfigKeys.h"
#include "config/FormToProfile.h"
#include "net/IPHelper.h"
#include "net/NICs.h"
#include "platform/FileWatch.h"
#include "ui/ButtonST.h"
#include "win/Dialog.h"

class CProcessingDlg;
class SearchDlg;
class CHelpDlg;
class CEnumPrinters;
class NetworkChanger;
class ApplyWorkflow;
struct IniSectionList;

class CVorlIPDlg : public win::Dialog {
public:
    CVorlIPDlg();
    ~CVorlIPDlg() override;

    // The release sequence of every exit path; runs at most once.
    void ReleaseResources();
    // Rebuilds the adapter inventory; ends the process when it cannot be read.
    void GetNetworkInformation();
    // The start-up work the first window does not show: the update check. Called once the
    // window has been shown and painted.
    void OnWindowUp();

    // Configuration file: profiles, options and the tray entries (VorlIPDlgConfig.cpp). A load
    // for the file watch asks nothing and says nothing when the file cannot be read (it keeps
    // the list).
    void LoadConfiguration(bool bForWatch = false);
    void AddTrayExitEntry();
    void SaveProfile();
    void DeleteProfile();
    // Writes the options named by keys (kOption... bits), with any an earlier write could not
    // store, and takes over the options the file holds then.
    void WriteOptions(unsigned keys);
    // "Save Option": writes what could not be written before.
    void OnSaveOption();
    // Puts the check boxes, the language list, the window's language and the hot key in step
    // with m_Options after they changed from before (a reload or a write found other values).
    void ShowOptionsInForce(const Options& before);
    // Rewrites the file as it is now with the adapter repairs of this load.
    bool RewriteConfiguration();
    // Read-modify-write of the file under the lock all copies share: change sees the profiles
    // as they are in the file now. Reports a failure; the file is then unchanged.
    bool UpdateConfiguration(const std::function<void(std::vector<Profile>&)>& change);
    void ReportConfigurationNotSaved();
    // Checks the form and, when it passes, fills record from it. Shows the check's message and
    // puts "1" into an empty metric box.
    bool ValidateForm(Profile& record, bool bTitleOptional);

    // The form (VorlIPDlgForm.cpp).
    void ShowProfile(int nIndex);
    void UpdateAddressControls();
    void ClearAddressControls();
    void ResetForm();
    // DHCP for address and DNS, empty address fields, no adapter selected.
    void ResetAddressControls();
    void OnAutoConfigCheck();
    void UpdateNicInformation();
    void ToggleExpand();

    IPHelper m_IPHelper;
    std::vector<Profile> profiles;
    Options m_Options;
    std::unique_ptr<NetworkChanger> m_pChanger;
    std::unique_ptr<CEnumPrinters> m_pPrinters;
    std::unique_ptr<IniSectionList> m_pIniSectionList;
    NICs m_Current{};
    int m_nSelectedNic = 0;
    bool m_bVisible = true;
    // Whether Ctrl+Shift+D is this window's now: with it, a hidden window has a way back.
    bool m_bHotKeyRegistered = false;
    // Refused tries of the tray icon since the last hide was asked for.
    int m_nTrayIconTries = 0;
    bool m_bExpanded = false;
    bool m_bSizeTrouble = false;
    std::unique_ptr<SearchDlg> m_pSearchDlg;
    std::unique_ptr<CHelpDlg> m_pHelpDlg;
    // The command buttons drawn by the program, in the order they are set up.
    static constexpr int kIconButtonCount = 11;
    std::array<CButtonST, kIconButtonCount> m_IconButtons;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    void OnNoHandlerRuns() override;
    void OnDestroy() override;
    void OnNcDestroy() override;

private:
    // Start-up steps, in the order OnInitDialog runs them; the last runs from OnWindowUp.
    void SetupIconButtons();
    void BindFormControls();
    void FillAdapterList();
    void FillPrinterList();
    void TakePrinterList();
    void ShowFirstProfileOrAdapter();
    int ApplyLanguage(int nLanguage);
    void RegisterGlobalHotKey();
    // Registers or releases the hot key and keeps m_bHotKeyRegistered true to what the system
    // holds. TakeGlobalHotKey gives 0 or the system's error code.
    DWORD TakeGlobalHotKey();
    void ReleaseGlobalHotKey();
    void StartUpdateCheck();
    // The busy window is made hidden when an apply first shows it.
    void CreateBusyWindow();

    // Operations of the tray, the system options, the search and the help window.
    void HideToTray();
    void TryTrayIcon();
    void OnTrayRetryTimer();
    void HideWindowAndSearch();
    void ShowFromTray();
    // The tray icon's callback: a right-button press opens the menu.
    void OnTrayCallback(LPARAM lMouseMessage);
    // A profile entry (or "Exit") chosen from the tray menu.
    void OnTrayEntry(int nId);
    void OnGlobalHotKey(int nId, UINT uModifiers, UINT uKey);
    // The shell's notification area was created again: put the icon back while hidden.
    void OnTaskbarCreated();
    // The program runs elevated; the shell's messages must still reach the window.
    void AcceptShellMessages();
    void OpenHelp(int nTab);
    void OnHelpNic() { OpenHelp(kHelpTabNic); }
    void OnHelpDhcp() { OpenHelp(kHelpTabDhcp); }
    void OnAbout() { OpenHelp(kHelpTabAuthor); }
    void OnWhatsNew() { OpenHelp(kHelpTabWhatsNew); }
    void OnSearch();
    void SetStartOnBoot();
    void SetGlobalHotKey();
    void SetChangeForce();

    // Automatic switching (VorlIPDlgSwitch.cpp): the option, the watch of the adapters that
    // profiles name, the decisions and what the user is told.
    void SetAutoSwitch();
    // Starts or stops the watch as m_Options says; bTicked: the user ticked the box just now,
    // which ends every pause.
    void FollowAutoSwitchOption(bool bTicked);
    void StopSwitching();
    // Reads the adapters; bLookAgain treats every watched adapter as changed (after resume).
    void OnSwitchPoll(bool bLookAgain);
    // A change notice of the system: look now, and from now on read only as a safety net.
    void OnSwitchNotice();
    // Sets the reading's round: short without notices or while a change settles.
    void ArmSwitchPoll();
    void DecideOnAdapter(const std::wstring& nicname);
    // One automatic apply of profile nIndex; true when it took.
    // nIndex -1: DHCP for address and DNS on nicname, without a profile.
    bool RunAutomaticApply(const std::wstring& nicname, int nIndex, bool bPrinterAndProxy,
                           bool bDhcpLinesOnly, std::wstring* pReport = nullptr);
    // Asks the adapter's gateway for its hardware address and reads the SSID, off this thread.
    struct NetworkIdentity ProbeNetwork(const std::wstring& nicname);
    // After a manual apply that took, with the option on: the applied profile learns the network.
    void TeachAfterManualApply(const Profile& record);
    void TellAutomaticApply(int nIndex, const struct NetworkIdentity& seen,
                            const std::wstring& report);
    void OnSwitchBalloonClick();
    std::wstring SwitchNicInformation(const NICs& adapter) const;
    static bool IsWakeBroadcast(WPARAM wParam, LPARAM lParam);
    std::vector<struct SwitchProfile> SwitchProfilesOf(const std::wstring& nicname) const;
    void FixWindowSize();
    void OnVisitFacebook();
    void LoadCurrentInfo();
    void OnPrinterSelChange();
    void OnChangeAll();
    // The one apply of a profile, on this window's inventory, runner, printers and busy window.
    ApplyWorkflow ApplyWork();
    void SelectProfilePrinter(const Profile& profile);
    void LoadAutoConfigScriptIntoForm();
    // The extra addresses and the proxy server of the working record (VorlIPDlgAdvanced.cpp).
    void OnAdvanced();
    void LoadProxyServerIntoRecord();

    static constexpr int kHelpTabNic = 0;
    static constexpr int kHelpTabDhcp = 1;
    static constexpr int kHelpTabAuthor = 5;
    static constexpr int kHelpTabWhatsNew = 6;
    // The global hot key Ctrl+Shift+D.
    static constexpr int kHotKeyId = 100;
    static constexpr UINT_PTR kTrayRetryTimerId = 1;
    // Without auto-repeat: holding the keys down toggles the window once, not back and forth.
    static constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_SHIFT | MOD_NOREPEAT;
    static constexpr UINT kHotKeyVirtualKey = 0x44;  // D

    // Command handlers.
    void OnExitAnyway();
    void OnCheckModificationsAndExit();
    // Releases everything and ends the dialog with nResult, or after the running apply.
    void EndProgram(INT_PTR nResult);
    void OnNicSelChange();
    void OnTitleSelChange();
    void OnLanguageSelChange();
    void OnDhcpIp();
    void OnStaticIp();
    void OnDhcpDns();
    void OnStaticDns();
    // Selects the working record's adapter in the adapter list, or nothing when it is not there.
    void SelectProfileAdapter();
    void OnSize();
    void PaintMinimizedIcon();
    ProfileForm GatherForm() const;
    std::span<const NICs> Inventory() const;

    void ReportMessage(const std::wstring& text);
    bool DrawIconButton(const DRAWITEMSTRUCT& dis);

    // Profiles carried between PCs, and the window following its file on disk
    // (VorlIPDlgTransfer.cpp).
    void OnImportProfiles();
    void OnExportProfiles();
    void StartFollowingFile();
    void StopFollowingFile();
    // The watch saw the folder change: look at the file a moment later, once.
    void OnConfigurationFileChanged();
    void OnConfigurationReloadTimer();
    // Loads the file again as after a save, leaving the form as the user left it.
    void ReloadKeepingForm(bool bForWatch);
    void ArmReloadTimer(UINT uDelayMs);

    static constexpr UINT kConfigChangedMessage = WM_APP + 20;
    // Timer 1 is the tray icon's retry.
    static constexpr UINT_PTR kConfigReloadTimerId = 2;
    std::unique_ptr<platform::FileWatch> m_pFileWatch;

    static constexpr UINT kNetworkChangedMessage = WM_APP + 21;
    static constexpr UINT_PTR kSwitchPollTimerId = 3;
    std::unique_ptr<struct SwitchWatch> m_pSwitch;
    // The file as the last successful load found it; a change notice with the same stamp is
    // another file of the folder (or this window's own save, already loaded).
    platform::FileStamp m_LoadedStamp;
    bool m_bReloadArmed = false;
    int m_nReloadTries = 0;

    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    std::unique_ptr<CProcessingDlg> m_pProcessingDlg;
    // The printers, listed on a thread of their own while the window is being made; taken over
    // into m_pPrinters before the printer list is filled.
    std::future<std::unique_ptr<CEnumPrinters>> m_printersListed;
    bool m_bReleased = false;
    // Set once the start-up has filled the form; before that a load does not touch it.
    bool m_bStarted = false;
    // Options (kOption... bits) changed in the window but not yet stored in the file.
    unsigned m_nPendingOptions = 0;
    bool m_bApplying = false;
    INT_PTR m_nPendingExit = 0;
};
