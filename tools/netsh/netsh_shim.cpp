// netsh.exe for test folders: starts the stand-in script netsh-standin.exe beside it with the
// same arguments and ends when the script has ended, with its status.
//
// Wine runs a native script found under a Windows name, but CreateProcessW returns no process
// handle for it, so whoever starts netsh could not wait for the script to end. This program can
// be waited for. It hands the script a token in NETSH_DONE_TOKEN; the script writes its status
// into netsh.done.TOKEN beside itself as it ends, and this program waits for that file.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

constexpr DWORD kPollMs = 5;
constexpr DWORD kGiveUpMs = 120000;

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH] = {};
    const DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/"));
}

// This program's command line without its own name: what the script is to receive.
std::wstring Arguments() {
    const wchar_t* p = ::GetCommandLineW();
    if (*p == L'"') {
        ++p;
        while (*p && *p != L'"') ++p;
        if (*p) ++p;
    } else {
        while (*p && *p != L' ' && *p != L'\t') ++p;
    }
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

// Appends how long this process has lived, in milliseconds from its creation, to
// netsh.lifetime.log: the time a caller waited for "netsh", starting the process included.
void LogLifetime(const std::wstring& folder) {
    FILETIME created{}, exited{}, kernel{}, user{}, now{};
    if (!::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user)) return;
    ::GetSystemTimeAsFileTime(&now);
    const auto ticks = [](const FILETIME& ft) {
        return (static_cast<unsigned long long>(ft.dwHighDateTime) << 32) | ft.dwLowDateTime;
    };
    if (FILE* f = _wfopen((folder + L"\\netsh.lifetime.log").c_str(), L"a")) {
        std::fprintf(f, "%.1f\n", static_cast<double>(ticks(now) - ticks(created)) / 10000.0);
        std::fclose(f);
    }
}

bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

int wmain() {
    const std::wstring folder = OwnFolder();
    const std::wstring script = folder + L"\\netsh-standin.exe";
    const std::wstring token =
        std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(::GetTickCount());
    const std::wstring doneFile = folder + L"\\netsh.done." + token;
    ::SetEnvironmentVariableW(L"NETSH_DONE_TOKEN", token.c_str());

    std::wstring commandLine = L"\"" + script + L"\" " + Arguments();
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!::CreateProcessW(script.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          nullptr, &si, &pi)) {
        std::fwprintf(stderr, L"netsh shim: cannot start %ls (error %lu)\n", script.c_str(),
                      ::GetLastError());
        return 1;
    }
    if (pi.hThread) ::CloseHandle(pi.hThread);
    if (pi.hProcess) ::CloseHandle(pi.hProcess);

    for (DWORD waited = 0; !Exists(doneFile); waited += kPollMs) {
        if (waited >= kGiveUpMs) {
            std::fwprintf(stderr, L"netsh shim: %ls did not finish\n", script.c_str());
            return 1;
        }
        ::Sleep(kPollMs);
    }
    int status = 1;
    if (FILE* f = _wfopen(doneFile.c_str(), L"r")) {
        if (std::fscanf(f, "%d", &status) != 1) status = 1;
        std::fclose(f);
    }
    ::DeleteFileW(doneFile.c_str());
    LogLifetime(folder);
    return status;
}
