// Runs a shell command on the Linux host from a test under Wine (inside the test's network
// namespace) and waits for it. Wine gives no usable handle for a native program, so the command
// leaves a mark when it has ended; on a busy machine it may start seconds late.
#pragma once

#include <windows.h>

#include <string>

inline bool RunHostCommand(const std::wstring& commandLine) {
    static int nRun = 0;
    const std::wstring mark = L"/tmp/vorlip-test-done-" +
                              std::to_wstring(::GetCurrentProcessId()) + L"-" +
                              std::to_wstring(++nRun);
    std::wstring windowsMark = L"Z:" + mark;
    for (wchar_t& c : windowsMark) c = c == L'/' ? L'\\' : c;
    std::wstring line = L"/bin/sh -c \"" + commandLine + L"; : >" + mark + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                          &pi)) {
        return false;
    }
    if (pi.hProcess) ::CloseHandle(pi.hProcess);
    if (pi.hThread) ::CloseHandle(pi.hThread);
    for (int waited = 0; waited < 20000; waited += 50) {
        if (::GetFileAttributesW(windowsMark.c_str()) != INVALID_FILE_ATTRIBUTES) {
            ::DeleteFileW(windowsMark.c_str());
            return true;
        }
        ::Sleep(50);
    }
    return false;
}
