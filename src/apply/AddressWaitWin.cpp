#include "apply/AddressWait.h"

#include <windows.h>

#include <span>

#include "apply/ApplyReport.h"
#include "net/IPHelper.h"

namespace {

constexpr DWORD kPollMs = 250;

// The adapters as the system reports them now; false when they cannot be read.
bool ReadAddress(const NetworkTarget& asked, AddressCheck& check) {
    IPHelper helper;
    int count = 0;
    if (!helper.IPH_GetInterfaceInfo(count)) return false;
    if (helper.IPH_GetCurrentInterfaces() != IPHelper::PassResult::Ok) return false;
    helper.IPH_GetAdaptersInfo();
    check = CheckAddress(
        asked, std::span<const NICs>(helper.m_pNICs, static_cast<size_t>(helper.m_nCount)));
    return true;
}

}  // namespace

void WaitForAddress(const NetworkTarget& asked, const std::vector<CommandResult>& results,
                    std::chrono::milliseconds limit) {
    if (!ShouldWaitForAddress(asked, results)) return;
    const auto deadline = std::chrono::steady_clock::now() + limit;
    AddressCheck check = AddressCheck::NotYet;
    while (ReadAddress(asked, check) && check == AddressCheck::NotYet &&
           std::chrono::steady_clock::now() < deadline) {
        ::Sleep(kPollMs);
    }
}
