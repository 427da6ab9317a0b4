#include "platform/TextLog.h"

std::string TrimLogText(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    // The cut falls in the middle of some line; the kept text begins with the next whole one, so
    // it never opens with half a line or half a UTF-8 sequence. A line longer than the kept half
    // leaves nothing, which is still better than a log that never shrinks.
    const size_t cut = text.size() - maxBytes / 2;
    if (cut > 0 && text[cut - 1] == '\n') return std::string(text.substr(cut));
    const size_t lineEnd = text.find('\n', cut);
    if (lineEnd == std::string_view::npos) return {};
    return std::string(text.substr(lineEnd + 1));
}
