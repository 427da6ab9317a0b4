// A thin dialog base bound to one template id. The static procedure stores `this` when the dialog
// is created and forwards to virtual handlers; commands are dispatched from a table of
// (control id, notification) to member functions so that a dialog reads like its message map.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win/AddressInput.h"

namespace win {

class Dialog {
public:
    explicit Dialog(UINT nTemplateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog modally; returns the value passed to EndDialog, or -1 when it could not be
    // created.
    INT_PTR DoModal(HWND hParent = nullptr);
    // Creates the dialog modeless (hidden unless the template says WS_VISIBLE) and enters it in
    // this thread's list of windows whose keyboard input RunMessageLoop routes; false when it
    // could not be created.
    bool Create(HWND hParent = nullptr);
    // Destroys a modeless window. Its handlers still see WM_DESTROY and WM_NCDESTROY; after
    // that the object is detached from the window.
    void DestroyWindow();
    // Ends a modal dialog; a modeless one is only hidden.
    void EndDialog(INT_PTR nResult);

    HWND GetSafeHwnd() const { return m_hWnd; }
    UINT GetTemplateId() const { return m_nTemplateId; }
    bool IsModal() const { return m_bModal; }

    // Control helpers; all take the control id.
    HWND GetItem(int nId) const { return ::GetDlgItem(m_hWnd, nId); }
    std::wstring GetItemText(int nId) const;
    void SetItemText(int nId, const std::wstring& text);
    void EnableItem(int nId, bool bEnable);
    bool IsItemEnabled(int nId) const;
    void ShowItem(int nId, bool bShow);
    bool IsChecked(int nId) const;
    void CheckButton(int nId, bool bCheck);

    int ComboAdd(int nId, const std::wstring& text);
    void ComboReset(int nId);
    int ComboCount(int nId) const;
    int ComboGetCurSel(int nId) const;
    void ComboSetCurSel(int nId, int nIndex);
    std::wstring ComboGetItemText(int nId, int nIndex) const;

    AddressInput GetIp(int nId) const;
    // Sets an IP address control from dotted-decimal text; empty or unparsable text blanks it.
    void SetIp(int nId, const std::wstring& dotted);
    void ClearIp(int nId);

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    // Enter and Escape arrive as IDOK and IDCANCEL; both end the dialog unless overridden.
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Everything that the command table and the base do not handle. Set bHandled to consume it.
    virtual INT_PTR OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    // The window is going: its children still exist, its owned windows are already gone.
    virtual void OnDestroy() {}
    // The last message the window sends to this object.
    virtual void OnNcDestroy() {}
    // Called once after CallWhenNoHandlerRuns, in a message of its own that arrives when no
    // handler of any dialog of this thread was running; work put off by a nested message is
    // done here.
    virtual void OnNoHandlerRuns() {}
    void CallWhenNoHandlerRuns();
    // True while the message being handled arrived as another handler of any dialog of this
    // thread waits in a message loop of its own (a message box, a modal dialog, a busy wait that
    // keeps the windows alive). What would pull the ground from under that handler (destroying
    // the main window destroys every window it owns) must wait until it has returned.
    static bool IsNestedMessage();

    template <class T>
    void OnCommandMap(int nId, int nCode, void (T::*pfn)()) {
        T* self = static_cast<T*>(this);
        m_Commands.push_back({nId, nCode, [self, pfn] { (self->*pfn)(); }});
    }

    HWND m_hWnd = nullptr;

private:
    struct CommandEntry {
        int nId;
        int nCode;
        std::function<void()> handler;
    };

    static INT_PTR CALLBACK StaticProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    INT_PTR Proc(UINT uMsg, WPARAM wParam, LPARAM lParam);
    bool DispatchCommand(int nId, int nCode);

    UINT m_nTemplateId;
    bool m_bModal = false;
    std::vector<CommandEntry> m_Commands;
};

// Gives a message to the modeless dialog of this thread it belongs to (focus moves, Enter,
// Escape, mnemonics); returns true when that dialog has handled it and it must not be dispatched.
bool RouteDialogMessage(MSG& msg);

// The program's message loop: routes dialog keys to every modeless dialog and dispatches the
// rest, until WM_QUIT; returns the quit code.
int RunMessageLoop();

}  // namespace win
