#include "platform/Internet.h"

#include <windows.h>
#include <wininet.h>

#include <algorithm>
#include <climits>

namespace platform {

namespace {

constexpr DWORD kTimeoutOptions[] = {INTERNET_OPTION_CONNECT_TIMEOUT, INTERNET_OPTION_SEND_TIMEOUT,
                                     INTERNET_OPTION_RECEIVE_TIMEOUT};

void SetTimeouts(HINTERNET hInternet, DWORD dwTimeoutMs) {
    for (DWORD dwOption : kTimeoutOptions) {
        ::InternetSetOptionW(hInternet, dwOption, &dwTimeoutMs, sizeof(dwTimeoutMs));
    }
}

// HTTP/1.1 caches obey the first, HTTP/1.0 proxies the second. One call each: with the replace
// flag WinINet takes a single header per call.
constexpr const wchar_t* kNoCacheHeaders[] = {L"Cache-Control: no-cache\r\n",
                                              L"Pragma: no-cache\r\n"};

void Close(void*& hInternet) {
    if (hInternet) ::InternetCloseHandle(hInternet);
    hInternet = nullptr;
}

}  // namespace

InternetSession::~InternetSession() {
    Close(m_hRequest);
    Close(m_hConnection);
    Close(m_hSession);
}

bool InternetSession::Open(const std::wstring& agent, unsigned long nTimeoutMs) {
    m_hSession = ::InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    if (!m_hSession) return false;
    m_dwTimeoutMs = nTimeoutMs;
    SetTimeouts(m_hSession, m_dwTimeoutMs);
    return true;
}

// The request is built by hand rather than with InternetOpenUrlW: Wine passes only the connect
// time-out of the session on to a URL opened that way, so a server that accepted and never
// answered would hold the request for as long as it liked. Time-outs set on the connection and
// the request hold on Windows and on Wine alike.
bool InternetSession::OpenUrl(const std::wstring& url) {
    if (!m_hSession) return false;
    wchar_t host[INTERNET_MAX_HOST_NAME_LENGTH] = {};
    wchar_t path[INTERNET_MAX_PATH_LENGTH] = {};
    wchar_t extra[INTERNET_MAX_PATH_LENGTH] = {};
    URL_COMPONENTSW parts = {};
    parts.dwStructSize = sizeof(parts);
    parts.lpszHostName = host;
    parts.dwHostNameLength = INTERNET_MAX_HOST_NAME_LENGTH;
    parts.lpszUrlPath = path;
    parts.dwUrlPathLength = INTERNET_MAX_PATH_LENGTH;
    parts.lpszExtraInfo = extra;
    parts.dwExtraInfoLength = INTERNET_MAX_PATH_LENGTH;
    if (!::InternetCrackUrlW(url.c_str(), 0, 0, &parts)) return false;
    if (parts.nScheme != INTERNET_SCHEME_HTTP && parts.nScheme != INTERNET_SCHEME_HTTPS) {
        return false;
    }

    m_hConnection = ::InternetConnectW(m_hSession, host, parts.nPort, nullptr, nullptr,
                                       INTERNET_SERVICE_HTTP, 0, 0);
    if (!m_hConnection) return false;
    SetTimeouts(m_hConnection, m_dwTimeoutMs);
    const std::wstring object = std::wstring(path) + extra;
    // Never from a cache, neither WinINet's own nor one on the way: a stale copy would announce
    // an old version as new, or hide a new one.
    DWORD dwFlags = INTERNET_FLAG_TRANSFER_ASCII | INTERNET_FLAG_RELOAD |
                    INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    if (parts.nScheme == INTERNET_SCHEME_HTTPS) dwFlags |= INTERNET_FLAG_SECURE;
    m_hRequest = ::HttpOpenRequestW(m_hConnection, L"GET", object.c_str(), nullptr, nullptr,
                                    nullptr, dwFlags, 0);
    if (!m_hRequest) return false;
    SetTimeouts(m_hRequest, m_dwTimeoutMs);
    for (const wchar_t* pszHeader : kNoCacheHeaders) {
        ::HttpAddRequestHeadersW(m_hRequest, pszHeader, static_cast<DWORD>(-1),
                                 HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
    }
    if (!::HttpSendRequestW(m_hRequest, nullptr, 0, nullptr, 0)) {
        Close(m_hRequest);
        return false;
    }
    return true;
}

bool InternetSession::Read(char* pBuffer, size_t nWanted, size_t& nGot) {
    nGot = 0;
    if (!m_hRequest) return false;
    DWORD dwRead = 0;
    const DWORD dwWanted = static_cast<DWORD>(std::min<size_t>(nWanted, ULONG_MAX));
    if (!::InternetReadFile(m_hRequest, pBuffer, dwWanted, &dwRead)) return false;
    nGot = dwRead;
    return true;
}

void AnnounceInternetSettingsChanged() {
    ::InternetSetOptionW(nullptr, INTERNET_OPTION_SETTINGS_CHANGED, nullptr, 0);
    ::InternetSetOptionW(nullptr, INTERNET_OPTION_REFRESH, nullptr, 0);
}

}  // namespace platform
