// The version file on the project's update server: where it lives, how much of it is read, and
// what it says. Plain C++; the download and the code-page conversion are the caller's.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A name of the project's own under a reserved top-level domain, so it can never reach a
// stranger's server; test rigs point it at their local server through a hosts file.
inline constexpr wchar_t kUpdateHost[] = L"update.vorlip.test";
inline constexpr wchar_t kVersionFilePath[] = L"/version/vorlip/latest/version.txt";
// The first line must start with exactly this; the rest of that line is free.
inline constexpr wchar_t kVersionMarker[] = L"VorlIP_Version_Checking_System";
// No more of the file is read, whatever the server sends.
inline constexpr size_t kVersionFileMaxBytes = 4096;

// What a version file published; empty strings until a check fills them.
struct VersionInfo {
    std::wstring m_strDownloadPage;
    std::wstring m_strReleaseNotes;
    std::wstring m_strLatestVersion;
};

// Outcomes of a check.
inline constexpr int kVersionCheckError = -1;
inline constexpr int kVersionCheckSame = 0;
inline constexpr int kVersionCheckDifferent = 1;

// Returns "http://" + host + path of the version file.
std::wstring VersionFileUrl();

// Reads one piece of the body into pBuffer (at most nWanted bytes) and sets nGot; nGot 0 means
// the body has ended. Returns false on a read error.
using BodyReader = std::function<bool(char* pBuffer, size_t nWanted, size_t& nGot)>;

// Returns the body read piece by piece until kVersionFileMaxBytes or its end, cut at the first
// NUL byte; nullopt when a read fails. A server may send the file in many small pieces.
std::optional<std::string> ReadVersionBody(const BodyReader& read);

// Examines a version file's text (already in UTF-16) against the running version. Returns
// kVersionCheckError without the marker, kVersionCheckSame when line 2 equals running exactly,
// otherwise kVersionCheckDifferent with all three fields of info set. Line ends are CR LF: the
// version and the download page end at a CR, and the notes keep everything after the download
// page's CR (so they begin with its LF).
int ParseVersionText(std::wstring_view text, std::wstring_view running, VersionInfo& info);

// Returns whether the shell may be given this address: an http:// or https:// address naming a
// host, with no blanks, quotes or control characters that could end it early in a command line.
bool IsWebAddress(std::wstring_view address);
