// The update check's download through WinInet, against the stand-in server that the runner
// starts in this namespace and reaches by the project's update host name
// (tools/rig/update-server.py); no window is involved.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/FileBytes.h"
#include "update/UpdateCheck.h"

namespace {

constexpr wchar_t kRunning[] = L"1.3.3.7";

std::wstring ServerDir() {
    wchar_t buffer[MAX_PATH * 2] = {};
    ::GetEnvironmentVariableW(L"VORLIP_UPDATE_DIR", buffer, MAX_PATH * 2);
    return buffer;
}

// Tells the server what to answer (body, notfound, slow, silent or closed).
void Serve(const std::string& mode, const std::string& body = {}) {
    const std::wstring dir = ServerDir();
    ASSERT_FALSE(dir.empty()) << "VORLIP_UPDATE_DIR is not set";
    WriteFileBytes(dir + L"\\body", body);
    WriteFileBytes(dir + L"\\mode", mode);
    // The server looks at the mode between connections.
    ::Sleep(200);
}

TEST(UpdateCheck, LongFileIsReadToTheLimitAndTheSameVersionIsQuiet) {
    const std::string head = "VorlIP_Version_Checking_System\r\n1.3.3.8\r\nhttp://x.test/\r\n";
    std::string file = head;
    while (file.size() < kVersionFileMaxBytes + 1000) file += "a line of release notes\r\n";
    Serve("body", file);
    VersionInfo info;
    ASSERT_EQ(CheckLatestVersion(info, kRunning), kVersionCheckDifferent);
    EXPECT_EQ(info.m_strLatestVersion, L"1.3.3.8");
    EXPECT_EQ(info.m_strDownloadPage, L"http://x.test/");
    const std::string notes = file.substr(head.size() - 1, kVersionFileMaxBytes - head.size() + 1);
    EXPECT_EQ(info.m_strReleaseNotes, std::wstring(notes.begin(), notes.end()));

    Serve("body", "VorlIP_Version_Checking_System\r\n1.3.3.7\r\nhttp://x.test/\r\n");
    VersionInfo same;
    EXPECT_EQ(CheckLatestVersion(same, kRunning), kVersionCheckSame);
}

TEST(UpdateCheck, NoFileMeansAnErrorEvenFromASilentServer) {
    for (const char* mode : {"notfound", "closed", "silent"}) {
        SCOPED_TRACE(mode);
        Serve(mode, "VorlIP_Version_Checking_System\r\n2.0\r\nhttp://x.test/\r\n");
        VersionInfo info;
        // A silent server is given up after the check's time-out; the runner's group time-out
        // catches a check that would wait for ever.
        EXPECT_EQ(CheckLatestVersion(info, kRunning), kVersionCheckError);
        EXPECT_TRUE(info.m_strLatestVersion.empty() && info.m_strDownloadPage.empty() &&
                    info.m_strReleaseNotes.empty());
    }
}

}  // namespace
