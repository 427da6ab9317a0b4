#include <gtest/gtest.h>

#include <string>

#include "platform/TextLog.h"

namespace {

std::string Lines(int first, int last) {
    std::string text;
    for (int i = first; i <= last; ++i) text += "line " + std::to_string(i) + " of the log\r\n";
    return text;
}

}  // namespace

// A log past its limit keeps whole lines from about its middle to its end, and the kept text is
// itself under the limit, so the next line does not trim again at once.
TEST(TextLog, KeepsTheNewerHalfFromALineStart) {
    const std::string text = Lines(10, 99);  // 90 lines of 20 bytes
    const size_t limit = 1010;               // the cut falls inside line 74
    const std::string kept = TrimLogText(text, limit);
    EXPECT_EQ(kept, Lines(75, 99));
    EXPECT_LE(kept.size(), limit / 2);

    // A cut that falls exactly after a line end keeps that next line.
    EXPECT_EQ(TrimLogText(text, 2 * 20 * 10), Lines(90, 99));

    // Under the limit, or at it, nothing changes.
    EXPECT_EQ(TrimLogText(text, text.size()), text);
    EXPECT_EQ(TrimLogText("", 0), "");
}

// One line longer than the kept half has no line start to keep from: it goes whole, and never
// leaves half a line (or half a UTF-8 character) behind.
TEST(TextLog, AHugeLineGoesWhole) {
    const std::string huge = std::string(5000, 'x') + "\xc3\xa9\r\n";
    EXPECT_EQ(TrimLogText(huge, 1000), "");
    EXPECT_EQ(TrimLogText(huge + "short\r\n", 1000), "short\r\n");
    EXPECT_EQ(TrimLogText(std::string(5000, 'y'), 1000), "");
}
