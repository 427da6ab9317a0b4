#include "update/VersionFile.h"

#include <algorithm>
#include <cwctype>
#include <iterator>

namespace {

constexpr std::wstring_view kMarker = kVersionMarker;
// The only kinds of address handed to the shell: anything else could name a local program.
constexpr std::wstring_view kWebSchemes[] = {L"http://", L"https://"};

// Everything after the first LF; the whole text when there is none.
std::wstring_view AfterFirstLineFeed(std::wstring_view text) {
    const size_t nLf = text.find(L'\n');
    return nLf == std::wstring_view::npos ? text : text.substr(nLf + 1);
}

bool StartsWithNoCase(std::wstring_view text, std::wstring_view prefix) {
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](wchar_t a, wchar_t b) {
        return std::towlower(static_cast<wint_t>(a)) == std::towlower(static_cast<wint_t>(b));
    });
}

}  // namespace

std::wstring VersionFileUrl() {
    return std::wstring(L"http://") + kUpdateHost + kVersionFilePath;
}

std::optional<std::string> ReadVersionBody(const BodyReader& read) {
    std::string body(kVersionFileMaxBytes, '\0');
    size_t nTotal = 0;
    while (nTotal < kVersionFileMaxBytes) {
        size_t nGot = 0;
        if (!read(body.data() + nTotal, kVersionFileMaxBytes - nTotal, nGot)) return std::nullopt;
        if (nGot == 0) break;
        nTotal += std::min(nGot, kVersionFileMaxBytes - nTotal);
    }
    body.resize(nTotal);
    const size_t nNul = body.find('\0');
    if (nNul != std::string::npos) body.resize(nNul);
    return body;
}

int ParseVersionText(std::wstring_view text, std::wstring_view running, VersionInfo& info) {
    if (text.size() < kMarker.size() || text.substr(0, kMarker.size()) != kMarker) {
        return kVersionCheckError;
    }
    std::wstring_view rest = AfterFirstLineFeed(text);
    const size_t nVersionEnd = rest.find(L'\r');
    const std::wstring_view latest =
        nVersionEnd == std::wstring_view::npos ? std::wstring_view() : rest.substr(0, nVersionEnd);
    if (latest == running) return kVersionCheckSame;
    rest = AfterFirstLineFeed(rest);
    const size_t nPageEnd = rest.find(L'\r');
    if (nPageEnd == std::wstring_view::npos) {
        info.m_strDownloadPage.clear();
        info.m_strReleaseNotes.assign(rest);
    } else {
        info.m_strDownloadPage.assign(rest.substr(0, nPageEnd));
        info.m_strReleaseNotes.assign(rest.substr(nPageEnd + 1));
    }
    info.m_strLatestVersion.assign(latest);
    return kVersionCheckDifferent;
}

bool IsWebAddress(std::wstring_view address) {
    const auto scheme =
        std::find_if(std::begin(kWebSchemes), std::end(kWebSchemes),
                     [&](std::wstring_view s) { return StartsWithNoCase(address, s); });
    if (scheme == std::end(kWebSchemes)) return false;
    const std::wstring_view rest = address.substr(scheme->size());
    // "http:///C:/..." or "http://\\server\..." would leave the host to the shell's guessing.
    if (rest.empty() || rest.front() == L'/' || rest.front() == L'\\') return false;
    // A browser is started with the address in its command line: a quote or a blank there could
    // end the address and hand the rest to the browser as options.
    return std::none_of(address.begin(), address.end(),
                        [](wchar_t c) { return c <= L' ' || c == L'"' || c == 0x7F; });
}
