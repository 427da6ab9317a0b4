#include "ui/SystemOptions.h"

#include <string_view>

#include "platform/FileRules.h"

namespace {

// Ctrl (2) + Shift (4), as the hot-key message reports them.
constexpr unsigned kCtrlShift = 6;
constexpr unsigned kVirtualKeyD = 0x44;

// An HRESULT that carries a system error code: failure, facility "Win32".
constexpr uint32_t kWin32ErrorFacility = 0x80070000u;

// text with the characters XML gives a meaning escaped.
std::wstring XmlText(std::wstring_view text) {
    std::wstring escaped;
    for (wchar_t c : text) {
        switch (c) {
            case L'&':
                escaped += L"&amp;";
                break;
            case L'<':
                escaped += L"&lt;";
                break;
            case L'>':
                escaped += L"&gt;";
                break;
            case L'"':
                escaped += L"&quot;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

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

std::wstring LogOnTaskXml(const std::wstring& modulePath) {
    const size_t slash = modulePath.find_last_of(L"\\/");
    const std::wstring folder =
        slash == std::wstring::npos ? std::wstring() : modulePath.substr(0, slash);
    // A log-on trigger without a user fires at anybody's log-on; the group principal runs the
    // task for whoever of the group logged on. The schema has no logon type for a group: the
    // group logon type is given when the task is registered.
    return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
           L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">"
           L"<RegistrationInfo><Description>Starts VorlIP when you log on.</Description>"
           L"</RegistrationInfo>"
           L"<Triggers><LogonTrigger><Enabled>true</Enabled></LogonTrigger></Triggers>"
           L"<Principals><Principal id=\"Author\"><GroupId>" +
           std::wstring(kUsersGroupSid) +
           L"</GroupId><RunLevel>HighestAvailable</RunLevel></Principal></Principals>"
           L"<Settings>"
           // Another user who logs on while the program runs for the first gets it too.
           L"<MultipleInstancesPolicy>Parallel</MultipleInstancesPolicy>"
           L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>"
           L"<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>"
           L"<AllowHardTerminate>true</AllowHardTerminate>"
           L"<StartWhenAvailable>false</StartWhenAvailable>"
           L"<RunOnlyIfNetworkAvailable>false</RunOnlyIfNetworkAvailable>"
           L"<IdleSettings><StopOnIdleEnd>false</StopOnIdleEnd><RestartOnIdle>false</RestartOnIdle>"
           L"</IdleSettings>"
           L"<AllowStartOnDemand>true</AllowStartOnDemand>"
           L"<Enabled>true</Enabled>"
           L"<Hidden>false</Hidden>"
           L"<RunOnlyIfIdle>false</RunOnlyIfIdle>"
           L"<WakeToRun>false</WakeToRun>"
           L"<ExecutionTimeLimit>PT0S</ExecutionTimeLimit>"
           // The scheduler's default (7) starts a program below normal priority.
           L"<Priority>5</Priority>"
           L"</Settings>"
           L"<Actions Context=\"Author\"><Exec><Command>" +
           XmlText(RunValueText(modulePath)) + L"</Command><WorkingDirectory>" + XmlText(folder) +
           L"</WorkingDirectory></Exec></Actions>"
           L"</Task>\r\n";
}

uint32_t TaskErrorCode(uint32_t hr) {
    if ((hr & 0xFFFF0000u) == kWin32ErrorFacility) return hr & 0xFFFFu;
    return hr;
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

PixelSize SizeTroubleWindowSize(int nDpiX, const DialogMetrics& metrics) {
    return ExpandSizeFor(nDpiX, metrics, true, false);
}

std::wstring SizeTroubleMessage(int nDpiX, int nDpiY) {
    return std::wstring(L"Please send this message to ") + kSupportAddress + L" dpiX is " +
           std::to_wstring(nDpiX) + L", dipY is " + std::to_wstring(nDpiY);
}
