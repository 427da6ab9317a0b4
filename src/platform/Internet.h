// WinInet: every call of the program to the Internet client functions goes through here.
#pragma once

#include <cstddef>
#include <string>

namespace platform {

// One synchronous WinInet session with the system's proxy settings and one http or https URL
// opened in it. The handles are closed on destruction, the request's first.
class InternetSession {
public:
    InternetSession() = default;
    ~InternetSession();
    InternetSession(const InternetSession&) = delete;
    InternetSession& operator=(const InternetSession&) = delete;

    // Opens the session; each connect, send and receive gives up after nTimeoutMs. Returns false
    // when WinInet refuses.
    bool Open(const std::wstring& agent, unsigned long nTimeoutMs);
    // Sends a GET for url (http or https), for an ASCII transfer that no cache answers. Returns
    // false on any Internet error (no connection, name not found, refused, timed out); the HTTP
    // status is not looked at.
    bool OpenUrl(const std::wstring& url);
    // Reads the next piece of the body, at most nWanted bytes; nGot 0 means the body ended.
    // Returns false on a read error.
    bool Read(char* pBuffer, size_t nWanted, size_t& nGot);

private:
    void* m_hSession = nullptr;
    void* m_hConnection = nullptr;
    void* m_hRequest = nullptr;
    unsigned long m_dwTimeoutMs = 0;
};

// Tells WinINet, and through it every running program that uses it, that the Internet settings
// in the registry changed, so that a new automatic configuration script is used at once.
void AnnounceInternetSettingsChanged();

}  // namespace platform
