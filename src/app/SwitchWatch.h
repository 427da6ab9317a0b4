// The state automatic switching keeps in the main window between two looks at the adapters.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

#include "net/NetworkWatch.h"
#include "switching/AutoSwitch.h"

struct SwitchWatch {
    struct Adapter {
        AdapterSnapshot snapshot;
        std::wstring fingerprint;
        bool pending = false;   // a change not yet decided on
        bool firstLook = true;  // the first decision since the watch started
        int64_t msWithoutLease = 0;
        bool leaseLookDone = false;  // the look after kLeaseWaitMs without a lease was taken
        bool leaseLook = false;      // this decision is that look
        bool afterFallback = false;  // the next decision belongs to the DHCP fallback before it
        bool seenValid = false;
        NetworkIdentity seen;  // what the last probe found
        std::wstring inForce;  // title of the profile the program last applied; "" none
        // The program's last apply on the adapter set DHCP for its address. The system's own flag
        // says so too, except where it is not kept (Wine reports DHCP off for every adapter).
        bool dhcpByUs = false;
    };

    NetworkChangeNotifier notifier;
    SwitchGuard guard;
    LeaseClock leases;
    std::map<std::wstring, Adapter> adapters;  // by connection name
    bool running = false;
    bool bNoticesArrive = false;  // the system has sent a change notice since the start
    UINT uPollMs = 0;             // the reading's round now; 0 before it is set
    bool busy = false;            // a decision runs (probe, apply, trial)
    HPOWERNOTIFY hDisplayNotify = nullptr;
    // The last automatic apply, which a click on its balloon within kUndoMs undoes.
    std::wstring undoAdapter;
    std::wstring undoTitle;  // the profile in force before it; "" when there was none
    int64_t undoUntil = 0;
    static constexpr int64_t kUndoMs = 60'000;
};
