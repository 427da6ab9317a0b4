// The main window: a dialog on template 140 that owns the inventory, the profiles and options,
// and brings every subsystem up in a fixed order.
#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "config/ConfigKeys.h"
#include "config/FormToProfile.h"
#include "net/IPHelper.h"
#include "net/NICs.h"
#include "ui/ButtonST.h"
#include "win/Dialog.h"

class CProcessingDlg;
class SearchDlg;
class CHelpDlg;
class CEnumPrinters;
class NetworkChanger;
namespace platform {
struct IniSectionList;
}

class CVorlIPDlg : public win::Dialog {
public:
    CVorlIPDlg();
    ~CVorlIPDlg() override;

    // The release sequence of every exit path; runs at most once.
    void ReleaseResources();
    // Rebuilds the adapter inventory; ends the process when it cannot be read.
    void GetNetworkInformation();

    // Configuration file: profiles, options and the tray entries (VorlIPDlgConfig.cpp).
    void LoadConfiguration();
    void SaveProfile();
    void DeleteProfile();
    void WriteOptions();
    // Rewrites the file as it is now with the adapter repairs of this load.
    bool RewriteConfiguration();
    // Read-modify-write of the file under the lock all copies share: change sees the profiles
    // as they are in the file now. Reports a failure; the file is then unchanged.
    bool UpdateConfiguration(const std::function<void(std::vector<Profile>&)>& change);
    void ReportConfigurationNotSaved();
    // Validates the form; with a record, also fills it. Shows the form's messages.
    bool FormToProfile(Profile* pProfile, bool bTitleOptional);

    // The form (VorlIPDlgForm.cpp).
    void ShowProfile(int nIndex);
    void UpdateAddressControls();
    void ClearAddressControls();
    void ResetForm();
    void OnAutoConfigCheck();
    void UpdateNicInformation();
    void ToggleExpand();

    IPHelper m_IPHelper;
    std::vector<Profile> profiles;
    Options m_Options;
    std::unique_ptr<NetworkChanger> m_pChanger;
    std::unique_ptr<CEnumPrinters> m_pPrinters;
    std::unique_ptr<platform::IniSectionList> m_pIniSectionList;
    NICs m_Current{};
    int m_nSelectedNic = 0;
    int m_bVisible = 1;
    int m_bExpanded = 0;
    int m_bSizeTrouble = 0;
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
    void OnOutermostMessageDone() override;
    void OnDestroy() override;
    void OnNcDestroy() override;

private:
    // Start-up steps, in the order OnInitDialog runs them.
    void SetupIconButtons();
    void BindFormControls();
    void FillAdapterList();
    void FillPrinterList();
    void CreateBusyWindow();
    void ShowFirstProfileOrAdapter();
    int ApplyLanguage(int nLanguage);
    void RegisterGlobalHotKey();
    void StartUpdateCheck();

    // Operations that the tray, system options, search and help complete; each is one named
    // place so that the command table is whole today.
    void HideToTray();
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
    void FixWindowSize();
    void OnVisitFacebook();
    void LoadCurrentInfo();
    void OnPrinterSelChange();
    void OnChangeAll();
    // Runs on the apply thread: the netsh commands, then the done signal.
    void ApplyThreadProc(HANDLE hDone);
    void CopyProfileToChanger(const NICs& record);
    void SelectProfilePrinter(const Profile& profile);
    void ShowBusyWindow();
    void HideBusyWindow();
    void LoadAutoConfigScriptIntoForm();

    static constexpr int kHelpTabNic = 0;
    static constexpr int kHelpTabDhcp = 1;
    static constexpr int kHelpTabAuthor = 5;
    static constexpr int kHelpTabWhatsNew = 6;
    // The global hot key Ctrl+Shift+D.
    static constexpr int kHotKeyId = 100;
    static constexpr UINT kHotKeyModifiers = MOD_CONTROL | MOD_SHIFT;
    static constexpr UINT kHotKeyVirtualKey = 0x44;  // D

    // Command handlers.
    void OnExitAnyway();
    void OnCheckModificationsAndExit();
    // Releases everything and ends the dialog with nResult, or after the running apply.
    void EndProgram(INT_PTR nResult);
    void RunCommandsWhilePumping();
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

    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    std::unique_ptr<CProcessingDlg> m_pProcessingDlg;
    bool m_bReleased = false;
    bool m_bApplying = false;
    std::atomic<bool> m_bCommandsDone{false};
    INT_PTR m_nPendingExit = 0;
};
