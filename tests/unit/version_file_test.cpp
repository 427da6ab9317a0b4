#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "update/VersionFile.h"

namespace {

constexpr wchar_t kRunning[] = L"1.3.3.7";
const std::wstring kMarkerLine = L"VorlIP_Version_Checking_System\r\n";

// A server that hands out the body in pieces of the given sizes, round and round.
struct PieceServer {
    std::string body;
    std::vector<size_t> pieces;
    size_t nPos = 0;
    size_t nCall = 0;
    size_t nLargestAsk = 0;

    bool operator()(char* pBuffer, size_t nWanted, size_t& nGot) {
        nLargestAsk = std::max(nLargestAsk, nWanted);
        const size_t nPiece = pieces.empty() ? nWanted : pieces[nCall++ % pieces.size()];
        nGot = std::min({nPiece, nWanted, body.size() - nPos});
        std::copy_n(body.data() + nPos, nGot, pBuffer);
        nPos += nGot;
        return true;
    }
};

std::optional<std::string> Read(PieceServer& server) {
    return ReadVersionBody(std::ref(server));
}

std::wstring Widen(const std::string& bytes) {
    return std::wstring(bytes.begin(), bytes.end());
}

TEST(VersionFile, SameVersionIsQuietAndAnyOtherIsAnnounced) {
    VersionInfo info;
    EXPECT_EQ(
        ParseVersionText(kMarkerLine + L"1.3.3.7\r\nhttps://x.test/\r\nnotes", kRunning, info),
        kVersionCheckSame);
    EXPECT_TRUE(info.m_strLatestVersion.empty());

    // No ordering: an older published version is announced as well as a newer one, and so is
    // the same digits in another spelling.
    for (const std::wstring version : {L"1.3.3.8", L"1.3.3.6", L"0.9", L"1.3.3.7 ", L"v1.3.3.7"}) {
        VersionInfo other;
        EXPECT_EQ(ParseVersionText(kMarkerLine + version + L"\r\nhttps://x.test/get\r\nA\r\nB",
                                   kRunning, other),
                  kVersionCheckDifferent)
            << std::string(version.begin(), version.end());
        EXPECT_EQ(other.m_strLatestVersion, version);
        EXPECT_EQ(other.m_strDownloadPage, L"https://x.test/get");
        EXPECT_EQ(other.m_strReleaseNotes, L"\nA\r\nB");
    }
}

TEST(VersionFile, MarkerMustOpenTheFileExactly) {
    VersionInfo info;
    const std::wstring rest = L"2.0\r\nhttps://x.test/\r\n";
    EXPECT_EQ(ParseVersionText(L"vorlip_version_checking_system\r\n" + rest, kRunning, info),
              kVersionCheckError);
    EXPECT_EQ(ParseVersionText(L" VorlIP_Version_Checking_System\r\n" + rest, kRunning, info),
              kVersionCheckError);
    EXPECT_EQ(ParseVersionText(L"<html><body>404 Not Found</body></html>", kRunning, info),
              kVersionCheckError);
    EXPECT_EQ(ParseVersionText(L"VorlIP_Version_Checking_Syste", kRunning, info),
              kVersionCheckError);
    EXPECT_EQ(ParseVersionText(L"", kRunning, info), kVersionCheckError);
    EXPECT_TRUE(info.m_strDownloadPage.empty() && info.m_strReleaseNotes.empty() &&
                info.m_strLatestVersion.empty());

    // What follows the marker on its line is free.
    EXPECT_EQ(
        ParseVersionText(L"VorlIP_Version_Checking_System v2 (stable)\r\n" + rest, kRunning, info),
        kVersionCheckDifferent);
    EXPECT_EQ(info.m_strLatestVersion, L"2.0");
    // The marker alone, exactly 30 characters, is a file with nothing published.
    VersionInfo bare;
    EXPECT_EQ(ParseVersionText(L"VorlIP_Version_Checking_System", kRunning, bare),
              kVersionCheckDifferent);
    EXPECT_EQ(bare.m_strLatestVersion, L"");
}

TEST(VersionFile, LineFeedOnlyFileGivesEmptyVersionAndPage) {
    VersionInfo info;
    ASSERT_EQ(ParseVersionText(L"VorlIP_Version_Checking_System\n1.3.3.7\nhttps://x.test/\nnote",
                               kRunning, info),
              kVersionCheckDifferent);
    EXPECT_EQ(info.m_strLatestVersion, L"");
    EXPECT_EQ(info.m_strDownloadPage, L"");
    EXPECT_EQ(info.m_strReleaseNotes, L"https://x.test/\nnote");
}

TEST(VersionFile, BodyArrivesWholeHoweverTheServerSplitsIt) {
    const std::string file =
        "VorlIP_Version_Checking_System\r\n2.0\r\nhttps://x.test/\r\nfirst\r\nsecond";
    for (const std::vector<size_t>& pieces :
         {std::vector<size_t>{1}, {7}, {3, 29, 1}, {file.size()}, {}}) {
        PieceServer server{file, pieces};
        EXPECT_EQ(Read(server), file) << "first piece " << (pieces.empty() ? 0 : pieces[0]);
    }

    // A read that fails after some pieces leaves nothing to examine.
    int nCalls = 0;
    EXPECT_EQ(ReadVersionBody([&nCalls](char* pBuffer, size_t, size_t& nGot) {
                  pBuffer[0] = 'V';
                  nGot = 1;
                  return ++nCalls < 3;
              }),
              std::nullopt);

    // The text ends at the first NUL.
    constexpr char kWithNul[] = "VorlIP_Version_Checking_System\r\n2.0\0junk";
    PieceServer withNul{std::string(kWithNul, sizeof(kWithNul) - 1), {5}};
    EXPECT_EQ(Read(withNul), "VorlIP_Version_Checking_System\r\n2.0");
}

TEST(VersionFile, LongFileIsCutAtTheReadLimitInsideTheNotes) {
    std::string file = "VorlIP_Version_Checking_System\r\n2.0\r\nhttp://x.test/\r\n";
    const size_t nHead = file.size();
    while (file.size() < kVersionFileMaxBytes + 900) file += "notes line\r\n";
    PieceServer server{file, {1000}};
    const std::optional<std::string> body = Read(server);
    ASSERT_TRUE(body);
    EXPECT_EQ(*body, file.substr(0, kVersionFileMaxBytes));
    EXPECT_LE(server.nLargestAsk, kVersionFileMaxBytes);

    VersionInfo info;
    ASSERT_EQ(ParseVersionText(Widen(*body), kRunning, info), kVersionCheckDifferent);
    EXPECT_EQ(info.m_strReleaseNotes,
              Widen(file.substr(nHead - 1, kVersionFileMaxBytes - nHead + 1)));
    EXPECT_EQ(info.m_strReleaseNotes.front(), L'\n');
}

TEST(VersionFile, OnlyWebAddressesGoToTheShell) {
    for (const wchar_t* address :
         {L"http://update.vorlip.test/download", L"https://x.test/get?v=2&lang=ko",
          L"HTTPS://X.TEST/", L"http://10.0.0.1:8080/"}) {
        EXPECT_TRUE(IsWebAddress(address)) << std::wstring(address);
    }
    for (const wchar_t* address :
         {L"file:///C:/Windows/System32/calc.exe", L"file://server/share/setup.exe",
          L"\\\\server\\share\\setup.exe", L"C:\\Windows\\System32\\calc.exe", L"calc.exe",
          L"javascript:alert(1)", L"ftp://x.test/", L"http:", L"https://", L"http:///C:/x.exe",
          L"http://\\\\server\\share", L" https://x.test/", L"", L"httpx://x.test/",
          L"https://x.test/\" --new-window \"file:///C:/x.exe", L"https://x.test/ C:\\x.exe",
          L"https://x.test/\r\n"}) {
        EXPECT_FALSE(IsWebAddress(address)) << std::wstring(address);
    }
}

}  // namespace
