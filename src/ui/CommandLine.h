// What VorlIP.exe is asked to do by its command line, and the texts and exit codes of a run that
// applies a profile without the main window: `VorlIP.exe /apply "Title" [/quiet]`.
#pragma once

#include <span>
#include <string>
#include <string_view>

// The exit codes a script tests after /apply.
enum CommandExitCode : int {
    // Every step took: each netsh ran to its end (whatever its own exit code, which is 1 also
    // for harmless cases), a static address is on an adapter whose link is up, and the proxy
    // script and the default printer are as the profile asks. A DHCP address, DNS servers and the
    // address of a down link are not checked. Also after /?.
    kExitApplied = 0,
    kExitBadCommandLine = 1,  // the usage is shown
    kExitNoSuchProfile = 2,
    // Nothing was changed: the profile's adapter is not there, its link is down (without
    // "Change event it's disconnected"), or the profile is not complete enough to apply.
    kExitRefused = 3,
    // The commands ran but a step did not take: the static address (link up), a netsh stopped at
    // the time limit or not started, the proxy script or the default printer. The message lists
    // each.
    kExitNotTaken = 4,
    kExitFileUnreadable = 5,  // the configuration file could not be read; nothing was changed
    // The adapters could not be read: before the commands (nothing was changed) or after them
    // (what took is not known).
    kExitAdaptersUnreadable = 6,
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
    Usage,               // what /apply does, its switches and the exit codes
    NoSuchProfile,       // "{}" stands for the title asked for
    FileUnreadable,      // "{}" stands for the file's path; the system's reason follows
    ProfileIncomplete,   // "{}" stands for the title: an address of the profile is not complete
    AdapterMissing,      // "{}" stands for the adapter the profile names, which is not there
    AdaptersUnreadable,  // the adapters could not be read before the commands
};

// The text in language (0 English, 1 Korean, 2 Japanese; English for any other index), with "{}"
// replaced by value.
std::wstring GetCommandLineText(CommandLineText text, int language, std::wstring_view value = {});
