#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/FileRules.h"

TEST(FileRules, TemporaryNamesOfTheFileOnly) {
    const std::wstring_view file = L"vorlip_configure.ini";
    EXPECT_TRUE(IsTemporaryName(file, L"vorlip_configure.ini.tmp"));
    EXPECT_TRUE(IsTemporaryName(file, L"VORLIP_configure.ini.1234-7.TMP"));
    EXPECT_FALSE(IsTemporaryName(file, L"vorlip_configure.ini"));
    EXPECT_FALSE(IsTemporaryName(file, L"vorlip_configure.ini.backup.tmp"));
    EXPECT_FALSE(IsTemporaryName(file, L"vorlip_configure.ini.12-.tmp"));
    EXPECT_FALSE(IsTemporaryName(file, L"other.ini.1-1.tmp"));
}

// A file another program holds for a moment is tried again, about a second in all; any other
// failure, and success, end the tries at once.
TEST(FileRules, OnlyAHeldFileIsTriedAgain) {
    std::vector<uint32_t> answers;
    uint32_t waitedMs = 0;
    const auto retry = [&] {
        size_t calls = 0;
        const auto attempt = [&] { return answers[std::min(calls++, answers.size() - 1)]; };
        const uint32_t result = RetryWhileHeld(attempt, [&](uint32_t ms) { waitedMs += ms; });
        return std::make_pair(result, calls);
    };
    answers = {kErrorSharingViolation, kErrorAccessDenied, 0};
    EXPECT_EQ(retry(), std::make_pair(0u, size_t{3}));
    answers = {kErrorFileNotFound, 0};
    EXPECT_EQ(retry(), std::make_pair(kErrorFileNotFound, size_t{1}));
    waitedMs = 0;
    answers = {kErrorSharingViolation};
    EXPECT_EQ(retry(), std::make_pair(kErrorSharingViolation, size_t(kHeldFileTries)));
    EXPECT_TRUE(waitedMs >= 800 && waitedMs <= 1200) << waitedMs;
}
