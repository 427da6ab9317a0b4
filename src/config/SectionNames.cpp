#include "config/SectionNames.h"

std::vector<std::wstring> SplitSectionNames(std::wstring_view returned) {
    std::vector<std::wstring> names;
    size_t start = 0;
    for (size_t pos = 0; pos < returned.size(); ++pos) {
        if (returned[pos] != L'\0') continue;
        names.emplace_back(returned.substr(start, pos - start));
        start = pos + 1;
    }
    return names;
}

bool SectionNamesFit(size_t returned, size_t bufferChars) {
    return bufferChars > 2 && returned < bufferChars - 2;
}

size_t GrowSectionNamesBuffer(size_t bufferChars) {
    return bufferChars < kSectionNamesInitialChars ? kSectionNamesInitialChars : bufferChars * 2;
}
