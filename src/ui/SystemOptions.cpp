#include "ui/SystemOptions.h"

#include <string_view>

namespace {

// The system's code for a value that is not there.
constexpr uint32_t kErrorFileNotFound = 2;
// Ctrl (2) + Shift (4), as the hot-key message reports them.
constexpr unsigned kCtrlShift = 6;
constexpr unsigned kVirtualKeyD = 0x44;
constexpr int kLargeSizeTroubleDpi = 144;

std::wstring WithCode(const wchar_t* text, uint32_t code) {
    return text + std::to_wstring(code);
}

std::wstring_view TrimLineEnds(std::wstring_view text) {
    while (!text.empty() && (text.back() == L'\r' || text.back() == L'\n' || text.back() == L' ')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::wstring RunValueText(const std::wstring& modulePath) {
    return L"\"" + modulePath + L"\"";
}

StartOnBootOutcome DecideStartOnBoot(bool bOn, uint32_t openError, uint32_t valueError) {
    if (bOn) {
        if (openError != 0) return {WithCode(L"등록 실패 Code 001 / Type ", openError), false};
        if (valueError != 0) return {WithCode(L"등록 실패 Code 002 / Type ", valueError), false};
        return {L"등록 성공", true};
    }
    if (openError != 0) return {WithCode(L"삭제 실패 Code 001 / Type ", openError), false};
    // A value that is not there is exactly what switching the option off asks for.
    if (valueError != 0 && valueError != kErrorFileNotFound) {
        return {WithCode(L"삭제 실패 Code 002 / Type ", valueError), false};
    }
    return {L"삭제 성공", true};
}

std::wstring GlobalHotKeyMessage(bool bOn, bool bRegistered, const std::wstring& systemText) {
    if (!bOn) return L"Global Hot Key is disabled";
    if (bRegistered) return L"Use Ctrl + Shift + D to show/hide application window";
    std::wstring text = L"Ctrl + Shift + D is in use by another program.";
    const std::wstring_view detail = TrimLineEnds(systemText);
    if (!detail.empty()) {
        text += L"\n\n";
        text += detail;
    }
    return text;
}

bool IsToggleHotKey(unsigned modifiers, unsigned key) {
    return modifiers == kCtrlShift && key == kVirtualKeyD;
}

PixelSize SizeTroubleWindowSize(int nDpiX) {
    return nDpiX >= kLargeSizeTroubleDpi ? PixelSize{630, 870} : PixelSize{550, 750};
}

std::wstring SizeTroubleMessage(int nDpiX, int nDpiY) {
    return std::wstring(L"Please send this message to ") + kSupportAddress + L" dpiX is " +
           std::to_wstring(nDpiX) + L", dipY is " + std::to_wstring(nDpiY);
}
