// One run of the program for one test: its own folder (optionally with a prepared INI file), the
// process, and its main window.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "Driver.h"

namespace e2e {

inline const std::wstring kCaption = L"VorlIP FREE 1.3.3.7";

inline std::wstring CurrentTestName() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = std::string(info->test_suite_name()) + "." + info->name();
    return std::wstring(name.begin(), name.end());
}

// The adapters of the namespace the runner started us in, in creation order.
inline std::vector<std::wstring> ExpectedAdapters() {
    wchar_t buffer[1024] = {};
    ::GetEnvironmentVariableW(L"VORLIP_EXPECTED_ADAPTERS", buffer, 1024);
    std::vector<std::wstring> names;
    std::wstringstream stream(buffer);
    for (std::wstring name; std::getline(stream, name, L',');) names.push_back(name);
    return names;
}

struct Session {
    ScratchFolder folder;
    App app;
    HWND hMain = nullptr;

    // iniBytes, when given, is the configuration file the program finds at start; folderName
    // names a folder the runner prepared (for example with a netsh stand-in in it).
    explicit Session(bool bExpectMainWindow = true, const std::string& iniBytes = {},
                     const std::wstring& caption = kCaption, const std::wstring& folderName = {})
        : folder(folderName.empty() ? CurrentTestName() : folderName) {
        if (!iniBytes.empty()) WriteFileBytes(folder.IniPath(), iniBytes);
        EXPECT_TRUE(app.Start(folder.ExePath()));
        if (bExpectMainWindow) {
            hMain = app.WaitWindow(caption);
            EXPECT_NE(hMain, nullptr) << "main window did not appear";
            Pause(200);
        }
    }
    std::wstring Ini(const std::wstring& section, const std::wstring& key) const {
        return IniValue(folder.IniPath(), section, key);
    }
    // Waits for a message box, checks its text (and caption when given) and presses a button.
    void Answer(const std::wstring& text, int nButton, const std::wstring& caption = {}) {
        HWND hBox = app.WaitMessageBox();
        ASSERT_NE(hBox, nullptr) << "no message box for: " << std::string(text.begin(), text.end());
        EXPECT_EQ(App::MessageBoxText(hBox), text);
        if (!caption.empty()) {
            EXPECT_EQ(WindowText(hBox), caption);
        }
        App::PressButton(hBox, nButton);
        Pause(300);
    }
};

}  // namespace e2e
