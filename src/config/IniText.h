// The configuration file's text read in one pass, answering what the private-profile functions
// answer: the section names GetPrivateProfileSectionNamesW lists and, per section, the block
// GetPrivateProfileSectionW returns. A load then costs one read of the file instead of one
// system call (and, under Wine, one parse of the whole file) per section. A corpus test holds
// the answers to the system's own on the same files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct IniTextSection {
    // As the section-name list gives it: the text between '[' and the line's last ']' without
    // the blanks around it, cut at a NUL character. Empty for the lines before the first section
    // and for "[]".
    std::wstring name;
    // "line\0line\0": every key line of the section in file order, "name=value" or just "name"
    // for a line without '=', cut at NUL characters; comment lines (';') and lines whose name
    // (as cut) and value are both empty left out.
    std::wstring block;
};

// Every section in file order, the unnamed part before the first section first. Lines end at
// CR or LF; blanks around a line, around a key name and before a value are dropped.
std::vector<IniTextSection> ParseIniText(std::wstring_view text);

// The names the section-name list holds: every non-empty name, duplicates included, in order.
std::vector<std::wstring> ListedSectionNames(const std::vector<IniTextSection>& sections);
