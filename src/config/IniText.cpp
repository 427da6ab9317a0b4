#include "config/IniText.h"

#include <optional>

#include "config/SectionNames.h"

namespace {

std::wstring_view CutAtNul(std::wstring_view text) {
    const size_t nul = text.find(L'\0');
    return nul == std::wstring_view::npos ? text : text.substr(0, nul);
}

struct KeyLine {
    std::wstring_view name;
    std::optional<std::wstring_view> value;
};

struct RawSection {
    std::wstring_view name;
    std::vector<KeyLine> keys;
};

}  // namespace

std::vector<IniTextSection> ParseIniText(std::wstring_view text) {
    std::vector<RawSection> raw(1);
    const size_t size = text.size();
    size_t next = 0;
    while (next < size) {
        size_t start = next;
        while (next < size && text[next] != L'\n' && text[next] != L'\r') ++next;
        while (next < size && (text[next] == L'\n' || text[next] == L'\r')) ++next;
        size_t end = next;
        while (start < end && IsIniBlank(text[start])) ++start;
        while (end > start && IsIniBlank(text[end - 1])) --end;
        if (start >= end) continue;

        if (text[start] == L'[') {
            const size_t close = text.substr(start, end - start).rfind(L']');
            if (close != std::wstring_view::npos) {
                raw.push_back({TrimIniBlanks(text.substr(start + 1, close - 1)), {}});
                continue;
            }
        }
        // A key line; a '[' line without ']' is one too.
        const std::wstring_view line = text.substr(start, end - start);
        KeyLine key;
        const size_t equals = line.find(L'=');
        if (equals == std::wstring_view::npos) {
            key.name = line;
        } else {
            size_t nameEnd = equals;  // one past the name
            while (nameEnd > 0 && IsIniBlank(line[nameEnd - 1])) --nameEnd;
            key.name = line.substr(0, nameEnd);
            size_t valueStart = equals + 1;
            while (valueStart < line.size() && IsIniBlank(line[valueStart])) ++valueStart;
            key.value = line.substr(valueStart);
        }
        // A nameless line is kept only after a named one (or as the section's first line).
        std::vector<KeyLine>& keys = raw.back().keys;
        if (!key.name.empty() || keys.empty() || !keys.back().name.empty()) keys.push_back(key);
    }

    std::vector<IniTextSection> sections;
    sections.reserve(raw.size());
    for (const RawSection& section : raw) {
        IniTextSection& out = sections.emplace_back();
        out.name = CutAtNul(section.name);
        for (const KeyLine& key : section.keys) {
            const std::wstring_view name = CutAtNul(key.name);
            if (name.empty() && !key.value) continue;
            if (!name.empty() && name.front() == L';') continue;
            out.block += name;
            if (key.value) {
                out.block += L'=';
                out.block += CutAtNul(*key.value);
            }
            out.block += L'\0';
        }
    }
    return sections;
}

std::vector<std::wstring> ListedSectionNames(const std::vector<IniTextSection>& sections) {
    std::vector<std::wstring> names;
    for (const IniTextSection& section : sections) {
        if (!section.name.empty()) names.push_back(section.name);
    }
    return names;
}
