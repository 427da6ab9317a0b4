// A UTF-8 log file that keeps its newer half: lines are appended, and once the file passes its
// limit the older half is dropped at a line boundary. A log that cannot be written is silently
// left alone: logging never disturbs the work it records.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The text to keep of a log that has grown past maxBytes: its newer half, starting at a line.
std::string TrimLogText(std::string_view text, size_t maxBytes);

namespace platform {

// Appends line (no line end; CR LF is added) with the local time in front,
// "2026-12-09 21:30:05 ", converted to UTF-8.
void AppendLogLine(const std::wstring& path, std::wstring_view line, size_t maxBytes = 256 * 1024);

}  // namespace platform
