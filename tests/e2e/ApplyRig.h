// The apply rig of the e2e-apply group: the netsh stand-in in the prefix's system folder (its
// log, netsh.delay, netsh.fail beside it) and "Change All" run to its end.
#pragma once

#include <windows.h>

#include <string>

#include "Session.h"

namespace e2e {

// The stand-in's files sit beside it in the system folder, where the program finds netsh.
std::wstring NetshFile(const wchar_t* name);
// The lines the stand-in carried out since the log was last cleared.
std::string NetshLog(const Session&);
void ClearNetshLog();
// Whether the planted netsh.exe in the program's folder ever ran (it must not: only the system's
// netsh may).
bool PlantedNetshRan(const Session& s);
// Presses "Change All", confirms, and waits until the busy window has come and gone.
void ApplyAndWait(Session& s);

struct AdapterAddress {
    std::string ip, mask, gateway;
};
// The first address, mask and gateway of the adapter whose description is name, as the IP helper
// reports them to this process (all empty when there is none).
AdapterAddress QueryAdapter(const char* name);

}  // namespace e2e
