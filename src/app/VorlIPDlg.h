// The main window: a dialog on template 140 that owns the inventory, the profiles and options,
// and brings every subsystem up in a fixed order.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "net/IPHelper.h"
#include "net/NICs.h"
#include "win/Dialog.h"

class CProcessingDlg;

class CVorlIPDlg : public win::Dialog {
public:
    CVorlIPDlg();
    ~CVorlIPDlg() override;

    // The release sequence of every exit path; runs at most once.
    void ReleaseResources();
    // Rebuilds the adapter inventory; ends the process when it cannot be read.
    void GetNetworkInformation();

    IPHelper m_IPHelper;
    std::vector<Profile> profiles;
    NICs m_Current{};
    int m_nSelectedNic = 0;
    int m_bVisible = 1;
    int m_bExpanded = 0;
    int m_bSizeTrouble = 0;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    // Start-up steps, in the order OnInitDialog runs them.
    void SetupIconButtons();
    void BindFormControls();
    void LoadConfiguration();
    void ResetForm();
    void FillAdapterList();
    void FillPrinterList();
    void CreateBusyWindow();
    void ShowFirstProfileOrAdapter();
    void ApplyLanguage(int nLanguage);
    void RegisterGlobalHotKey();
    void StartUpdateCheck();

    // Command handlers.
    void OnExitAnyway();
    void OnCheckModificationsAndExit();
    void OnNicSelChange();

    void ReportMessage(const std::wstring& text);

    HICON m_hIcon = nullptr;
    HICON m_hSmallIcon = nullptr;
    std::unique_ptr<CProcessingDlg> m_pProcessingDlg;
    bool m_bReleased = false;
};
