// Export and import of profiles between PCs, for the command line (`/export FILE`,
// `/import FILE`) and the main window's buttons alike: what is done, the exit code and what the
// user is told.
#pragma once

#include <string>

struct TransferOutcome {
    int exitCode = 0;        // a CommandExitCode
    std::wstring message;    // what the user is told, in the language asked for
    bool bImported = false;  // the configuration file was rewritten with imported profiles
};

// Writes every profile of the configuration file at configPath, keys as they stand but without
// the networks this PC learned, to file in the program's own format (a Unicode file, replaced in
// one step).
TransferOutcome ExportProfiles(const std::wstring& configPath, const std::wstring& file,
                               int language);

// Adds the profiles of file to the configuration file at configPath under its lock, read as it
// is at that moment: a title already there is replaced in place (keeping its networks), the
// others follow in file's order. Adapter names are taken as they are; the window asks about a
// repair when it loads them. A file that holds no profile, or cannot be read, changes nothing.
TransferOutcome ImportProfiles(const std::wstring& configPath, const std::wstring& file,
                               int language);
