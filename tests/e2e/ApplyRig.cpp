#include <winsock2.h>
#include <iphlpapi.h>

#include "ApplyRig.h"

#include <gtest/gtest.h>

#include <vector>

#include "resource.h"

namespace e2e {

std::wstring NetshFile(const wchar_t* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryW(folder, MAX_PATH);
    return std::wstring(folder, n) + L"\\" + name;
}

std::string NetshLog(const Session&) {
    return ReadFileBytes(NetshFile(L"netsh.log"));
}

void ClearNetshLog() {
    ::DeleteFileW(NetshFile(L"netsh.log").c_str());
}

// The log the planted netsh.exe would leave there.
bool PlantedNetshRan(const Session& s) {
    return ::GetFileAttributesW((s.folder.Path() + L"\\netsh.log").c_str()) !=
           INVALID_FILE_ATTRIBUTES;
}

void ApplyAndWait(Session& s) {
    // Each command takes a while, so the busy window stays long enough to be seen.
    const std::wstring delayFile = NetshFile(L"netsh.delay");
    WriteFileBytes(delayFile, "200");
    ClickButton(s.hMain, IDC_CHANGE_ALL);
    s.Answer(L"Change your ip & default printer?", IDYES, L"Confirm");
    bool bBusySeen = false;
    EXPECT_TRUE(WaitUntil([&] {
        const bool bBusy = FindBusyWindow(s.app, s.hMain) != nullptr;
        bBusySeen = bBusySeen || bBusy;
        return bBusySeen && !bBusy;
    })) << "the busy window shows while the commands run and is gone afterwards";
    Pause(300);  // the information text is refreshed right after
    ::DeleteFileW(delayFile.c_str());
    EXPECT_FALSE(PlantedNetshRan(s)) << "only the system's netsh may run";
}

AdapterAddress QueryAdapter(const char* name) {
    ULONG cb = 0;
    ::GetAdaptersInfo(nullptr, &cb);
    std::vector<unsigned char> buffer(cb);
    auto* pInfo = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    AdapterAddress result;
    if (::GetAdaptersInfo(pInfo, &cb) != NO_ERROR) return result;
    for (; pInfo; pInfo = pInfo->Next) {
        if (std::string(pInfo->Description) != name) continue;
        result.ip = pInfo->IpAddressList.IpAddress.String;
        result.mask = pInfo->IpAddressList.IpMask.String;
        result.gateway = pInfo->GatewayList.IpAddress.String;
    }
    return result;
}

}  // namespace e2e
