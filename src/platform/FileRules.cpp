#include "platform/FileRules.h"

bool IsMissingFileError(uint32_t error) {
    return error == kErrorFileNotFound || error == kErrorPathNotFound;
}

uint32_t RetryWhileHeld(const std::function<uint32_t()>& attempt,
                        const std::function<void(uint32_t)>& wait) {
    uint32_t error = attempt();
    for (int tries = 1; tries < kHeldFileTries; ++tries) {
        const bool bHeld = error == kErrorSharingViolation || error == kErrorLockViolation ||
                           error == kErrorAccessDenied;
        if (!bHeld) break;
        wait(kHeldFileRetryMs);
        error = attempt();
    }
    return error;
}

namespace {
bool SameAsciiFolded(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        const auto fold = [](wchar_t ch) {
            return ch >= L'A' && ch <= L'Z' ? ch - L'A' + L'a' : ch;
        };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}
}  // namespace

bool IsTemporaryName(std::wstring_view fileName, std::wstring_view candidate) {
    constexpr std::wstring_view kSuffix = L".tmp";
    if (candidate.size() < fileName.size() + kSuffix.size() ||
        !SameAsciiFolded(candidate.substr(0, fileName.size()), fileName) ||
        !SameAsciiFolded(candidate.substr(candidate.size() - kSuffix.size()), kSuffix)) {
        return false;
    }
    std::wstring_view middle =
        candidate.substr(fileName.size(), candidate.size() - fileName.size() - kSuffix.size());
    if (middle.empty()) return true;
    // ".<digits>-<digits>"
    if (middle.front() != L'.') return false;
    middle.remove_prefix(1);
    const size_t dash = middle.find(L'-');
    if (dash == std::wstring_view::npos || dash == 0 || dash + 1 == middle.size()) return false;
    for (size_t i = 0; i < middle.size(); ++i) {
        if (i != dash && (middle[i] < L'0' || middle[i] > L'9')) return false;
    }
    return true;
}
