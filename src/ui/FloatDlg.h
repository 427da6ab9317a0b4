// The floating IP bar: a borderless, always-on-top window whose background is see-through, so
// only the computer's address and an "X" float over the desktop. One per process, created on the
// first "Float IP" choice and kept until the program ends.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "win/Dialog.h"
#include "win/Thread.h"

class CFloatDlg : public win::Dialog {
public:
    CFloatDlg();
    ~CFloatDlg() override;

    // Tells the address worker to stop, waits for it, then destroys the window. Safe to call
    // more than once.
    void Shutdown();

    // The bar of this process, created hidden (owned by hOwner) on the first call; null when
    // the window could not be created.
    static CFloatDlg* Get(HWND hOwner);
    // Shuts the bar down if there is one; the program calls this before its windows go.
    static void Release();

    std::wstring m_strIpText;

protected:
    BOOL OnInitDialog() override;
    // Enter and Escape do nothing: the bar cannot be closed from the keyboard.
    void OnOK() override {}
    void OnCancel() override {}
    INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;

private:
    void OnHide();
    void FloatThreadProc(HWND hWnd);
    INT_PTR HitTest(LPARAM lParam);

    HBRUSH m_hBackground = nullptr;
    win::WorkerThread m_worker;
    win::ManualResetEvent m_stop;
    std::atomic<bool> m_bStop{false};
    // The address the label shows, packed as the worker posts it; kNothingShown (no packed
    // address reaches it) until the first successful lookup has reached the label.
    static constexpr uint64_t kNothingShown = uint64_t{1} << 32;
    std::atomic<uint64_t> m_nShownAddress{kNothingShown};
};
