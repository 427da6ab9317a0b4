// What VorlIP.exe is asked to do by its command line, and the texts and exit codes of a run that
// applies a profile without the main window: `VorlIP.exe /apply "Title" [/quiet]`.
#pragma once

#include <span>
#include <string>
#include <string_view>

// The exit codes a script tests after /apply.
enum CommandExitCode : int {
    kExitApplied = 0,         // applied (a static address is found on the adapter); also /?
    kExitBadCommandLine = 1,  // the usage is shown
    kExitNoSuchProfile = 2,
    kExitRefused = 3,         // the adapter's link is down (or it is gone), or the profile is
                              // not complete enough to apply
    kExitNotTaken = 4,        // the commands ran but the adapter does not have what was asked
    kExitFileUnreadable = 5,  // the configuration file could not be read
    // /export and /import.
    kExitTransferFileUnusable = 7,  // /import: FILE could not be read; /export: not written
    kExitNoProfileInFile = 8,       // /import: FILE holds no profile; nothing changed
    kExitImportedPartly = 9,        // /import: profiles imported, damaged parts left out
    kExitConfigNotWritten = 10,     // /import: the configuration file could not take them
};

struct CommandLineRequest {
    enum class Action {
        StartWindow,     // no arguments: the program as it always starts
        Apply,           // apply the profile titled title and end
        ShowUsage,       // /?
        BadCommandLine,  // anything else; the usage is shown and the exit code is 1
        Export,          // write every profile to file and end
        Import,          // add the profiles of file and end
    };
    Action action = Action::StartWindow;
    std::wstring title;
    // The file of /export or /import.
    std::wstring file;
    // No message box at all; only the exit code tells how it went.
    bool quiet = false;
};

// Reads the arguments after the program's own name, split as the system splits a command line
// (quotes already removed). Switches start with '/' or '-' and are not case-sensitive: "apply"
// takes the next argument as the title (one of the switches there means the title is missing),
// "quiet" may stand anywhere, "?" asks for the usage; "export" and "import" take the next
// argument as the file, as "apply" takes its title. An unknown switch, a second action, an empty
// title or file, or an argument that belongs to no switch make the command line bad.
CommandLineRequest ParseCommandLine(std::span<const std::wstring> args);

enum class CommandLineText {
    Usage,              // what /apply does, its switches and the exit codes
    NoSuchProfile,      // "{}" stands for the title asked for
    FileUnreadable,     // "{}" stands for the file's path; the system's reason follows
    ProfileIncomplete,  // "{}" stands for the title: an address of the profile is not complete
};

// The text in language (0 English, 1 Korean, 2 Japanese; English for any other index), with "{}"
// replaced by value.
std::wstring GetCommandLineText(CommandLineText text, int language, std::wstring_view value = {});
