// Plain rules of the configuration file's access: which system errors mean a missing file and
// which a file another program holds for a moment, how often that is tried again, and the names
// of the temporary files a save leaves beside the file. The Win32 side is ConfigurationFile.cpp.
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

// System error codes a file access may end with. A file that is not there (nor its folder) is
// an empty configuration; a file held by another program (a virus scanner, the search indexer,
// a sync client: each holds a file for a moment after it was written) is tried again.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorSharingViolation = 32;
inline constexpr uint32_t kErrorLockViolation = 33;
// A held file is tried this many times, this far apart: about a second in all.
inline constexpr int kHeldFileTries = 10;
inline constexpr uint32_t kHeldFileRetryMs = 100;

bool IsMissingFileError(uint32_t error);

// Runs attempt (which returns 0 or the system's error code) until it succeeds, fails for a
// reason other than a held file, or has failed kHeldFileTries times; wait(milliseconds) runs
// between two tries. Returns the last attempt's code.
uint32_t RetryWhileHeld(const std::function<uint32_t()>& attempt,
                        const std::function<void(uint32_t)>& wait);

// Whether candidate is the name of a temporary file that a writer of the configuration file
// named fileName assembles beside it: fileName followed by ".tmp", or by ".<process>-<n>.tmp".
// Letters are compared without regard to ASCII case, as the file system does.
bool IsTemporaryName(std::wstring_view fileName, std::wstring_view candidate);
