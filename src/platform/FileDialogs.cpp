#include "platform/FileDialogs.h"

#include <commdlg.h>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

// Room for a long path: the dialog refuses a name that does not fit the buffer.
constexpr DWORD kPathChars = 32768;

OPENFILENAMEW DialogFor(HWND hOwner, const std::wstring& title, const std::wstring& filter,
                        std::vector<wchar_t>& buffer) {
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrTitle = title.c_str();
    // The program's own folder is not a good place to change while it runs as administrator.
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
    return ofn;
}

}  // namespace

std::wstring AskFileToOpen(HWND hOwner, const std::wstring& title, const std::wstring& filter) {
    std::vector<wchar_t> buffer(kPathChars, L'\0');
    OPENFILENAMEW ofn = DialogFor(hOwner, title, filter, buffer);
    ofn.Flags |= OFN_FILEMUSTEXIST;
    if (!::GetOpenFileNameW(&ofn)) return {};
    return buffer.data();
}

std::wstring AskFileToSave(HWND hOwner, const std::wstring& title, const std::wstring& filter,
                           const std::wstring& proposedName) {
    std::vector<wchar_t> buffer(kPathChars, L'\0');
    proposedName.copy(buffer.data(), std::min<size_t>(proposedName.size(), kPathChars - 1));
    OPENFILENAMEW ofn = DialogFor(hOwner, title, filter, buffer);
    ofn.Flags |= OFN_OVERWRITEPROMPT;
    ofn.lpstrDefExt = L"ini";
    if (!::GetSaveFileNameW(&ofn)) return {};
    return buffer.data();
}

}  // namespace platform
