// What the user reads about carrying profiles between PCs (`/export`, `/import` and the main
// window's "Import profiles…" and "Export profiles…"), in the three interface languages.
#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

enum class TransferText {
    Usage,             // the /export and /import paragraph of the usage text
    ExportWritten,     // {0} how many profiles, {1} the file
    Imported,          // {0} the file, {1} how many added, {2} how many replaced
    SkippedParts,      // follows Imported: {0} the parts left out as damaged
    LinesOutside,      // names a part of lines before the first section
    NoProfileInFile,   // {0} the file; nothing changed
    FileUnreadable,    // {0} the file; nothing changed; the system's reason follows
    FileNotWritten,    // {0} the file; the system's reason follows
    ConfigNotWritten,  // the configuration file could not take the import; the reason follows
    ImportTitle,       // caption of the file dialog that picks a file to import
    ExportTitle,       // caption of the file dialog that names the file to write
    FileFilter,        // file dialog filter: "name\0pattern\0name\0pattern\0"
};

// The text in language (English for an index outside the table) with "{0}", "{1}", ... replaced
// by values in that order.
std::wstring GetTransferText(TransferText text, int language,
                             std::initializer_list<std::wstring_view> values = {});

// The parts an import left out, as the message lists them: each title in quotes, a part without
// a title as lines outside any section; at most kListedSkippedParts, then "…".
inline constexpr size_t kListedSkippedParts = 5;
std::wstring SkippedPartsList(std::span<const std::wstring> skipped, int language);

// The file name the export dialog proposes.
inline constexpr wchar_t kExportFileName[] = L"vorlip_profiles.ini";
