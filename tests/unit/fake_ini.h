// An in-memory configuration file for the reading rules: sections of key=value pairs, answered
// the way the private-profile functions answer (the missing-key sentinel for absent keys).
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "config/ConfigReader.h"

class FakeIni : public IniReader {
public:
    using Section = std::vector<std::pair<std::wstring, std::wstring>>;

    void Set(const std::wstring& section, Section entries) {
        m_Sections[section] = std::move(entries);
    }

    std::wstring GetString(const std::wstring& section, const std::wstring& key) override {
        auto s = m_Sections.find(section);
        if (s == m_Sections.end()) return kMissingText;
        for (const auto& [k, v] : s->second) {
            if (k == key) return v;
        }
        return kMissingText;
    }

private:
    std::map<std::wstring, Section> m_Sections;
};
