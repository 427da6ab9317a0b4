#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "config/ConfigKeys.h"
#include "resource.h"
#include "ui/LanguageTexts.h"
#include "ui/SwitchTexts.h"

namespace {

std::wstring CaptionOf(int language, int nId) {
    for (const ControlCaption& row : GetControlCaptions(language)) {
        if (row.nId == nId) return std::wstring(row.caption);
    }
    return L"<missing>";
}

}  // namespace

TEST(LanguageTables, SameControlsInTheSameOrderForEveryLanguage) {
    // Literal numbers rather than names, so a row that picked the wrong IDC_ name shows up.
    const std::vector<int> expected = {
        1042, 1043, 1044, 1045, 1015, 1016, 1046, 1047, 1048, 1017, 1018, 1049, 1050, 1051, 1020,
        1009, 1038, 1052, 1053, 1034, 1025, 1029, 1030, 1032, 1037, 1041, 1054, 1006, 1031, 1033,
        1035, 1028, 1023, 2,    1055, 1059, 1060, 1063, 1064, 1065, 1066, 1080, 1010, 1011, 1100};
    for (int language : {0, 1, 2}) {
        std::vector<int> ids;
        std::set<int> unique;
        for (const ControlCaption& row : GetControlCaptions(language)) {
            ids.push_back(row.nId);
            unique.insert(row.nId);
            EXPECT_FALSE(row.caption.empty()) << language << " " << row.nId;
        }
        EXPECT_EQ(ids, expected) << language;
        EXPECT_EQ(unique.size(), ids.size()) << language;
    }
}

TEST(LanguageTables, ControlsOutsideTheTableKeepTheirTemplateCaption) {
    for (int nId : {IDC_EXPAND, IDC_HELP_NIC, IDC_HELP_DHCP, IDC_HELP_TEMP_DIR, IDC_SIZE_TROUBLE,
                    IDC_LANGUAGE_LIST, IDC_NIC_INFO, IDC_TITLE_LIST, IDC_METRIC, IDC_AUTOCONF_URL,
                    IDC_TEMP_DIR}) {
        EXPECT_EQ(CaptionOf(0, nId), L"<missing>") << nId;
    }
}

TEST(LanguageTables, RowsSharedBetweenLanguages) {
    const auto english = GetControlCaptions(kLanguageEnglish);
    const auto korean = GetControlCaptions(kLanguageKorean);
    const auto japanese = GetControlCaptions(kLanguageJapanese);
    // Rows are numbered from 1 as in the table.
    for (int row : {3, 4}) {
        EXPECT_EQ(english[row - 1].caption, korean[row - 1].caption) << row;
        EXPECT_EQ(english[row - 1].caption, japanese[row - 1].caption) << row;
    }
    EXPECT_EQ(english[34].caption, japanese[34].caption);
    EXPECT_NE(english[34].caption, korean[34].caption);
    EXPECT_EQ(korean[4].caption, korean[9].caption);
    EXPECT_EQ(korean[4].caption, L"DHCP 사용하기");
    EXPECT_EQ(japanese[4].caption, japanese[9].caption);
    EXPECT_NE(english[4].caption, english[9].caption);
}

TEST(LanguageTables, SpotChecksOfCaptions) {
    EXPECT_EQ(CaptionOf(kLanguageEnglish, IDC_ABOUT), L"Help and Vorl");
    EXPECT_EQ(CaptionOf(kLanguageKorean, IDC_ABOUT), L"도움말 및 Vorl");
    EXPECT_EQ(CaptionOf(kLanguageJapanese, IDC_ABOUT), L"ヘルプとVorl");
    EXPECT_EQ(CaptionOf(kLanguageKorean, IDC_CHANGE_ALL), L"변경하기");
    EXPECT_EQ(CaptionOf(kLanguageEnglish, IDC_EXIT_ANYWAY), L"Exit");
    EXPECT_EQ(CaptionOf(kLanguageEnglish, IDC_START_LOGO), L"Turn on \"Start Logo Screen\"");
    EXPECT_EQ(CaptionOf(kLanguageEnglish, IDC_LOAD_CURRENT), L"Load Cur Info");
}

TEST(LanguageTables, WindowCaptionIsPrefixAndVersion) {
    EXPECT_EQ(GetCaptionPrefix(kLanguageEnglish), L"VorlIP FREE ");
    EXPECT_EQ(GetCaptionPrefix(kLanguageKorean), L"VorlIP 프리 ");
    EXPECT_EQ(GetCaptionPrefix(kLanguageJapanese), L"VorlIP フリー ");
    EXPECT_EQ(GetWindowCaption(kLanguageEnglish), L"VorlIP FREE 1.3.3.7");
    EXPECT_EQ(GetWindowCaption(kLanguageKorean), L"VorlIP 프리 1.3.3.7");
}

TEST(LanguageTables, IndexOutsideTheTableReadsAsEnglish) {
    // What a file with "KOR" or "jp" ends up showing, via the language code.
    EXPECT_EQ(GetWindowCaption(ParseLanguageCode(L"KOR")), L"VorlIP FREE 1.3.3.7");
    EXPECT_EQ(GetWindowCaption(ParseLanguageCode(L"kor")), L"VorlIP 프리 1.3.3.7");
    for (int language : {-1, 3, 100}) {
        EXPECT_EQ(GetWindowCaption(language), L"VorlIP FREE 1.3.3.7") << language;
        const auto captions = GetControlCaptions(language);
        const auto english = GetControlCaptions(kLanguageEnglish);
        for (int k = 0; k < kCaptionedControlCount; ++k) {
            EXPECT_EQ(captions[k].caption, english[k].caption) << language << " " << k;
        }
    }
}

// A page the desktop could not open: in every language the address stands alone on the last
// line, so the copied message gives it whole, and the text says how to copy it.
TEST(LanguageTables, PageAddressMessageEndsWithTheAddress) {
    const std::wstring url = L"https://update.vorlip.test/get?from=1.3.3.7&lang=ko";
    std::set<std::wstring> texts;
    for (int language : {0, 1, 2}) {
        const std::wstring text = PageAddressMessage(url, language);
        ASSERT_GT(text.size(), url.size() + 2);
        EXPECT_EQ(text.substr(text.size() - url.size() - 2), L"\n\n" + url) << language;
        EXPECT_NE(text.find(L"Ctrl+C"), std::wstring::npos) << language;
        texts.insert(text);
    }
    EXPECT_EQ(texts.size(), 3u);
    EXPECT_EQ(PageAddressMessage(url, 9), PageAddressMessage(url, 0));
}

// Every language names the profile, the network and the adapter where English does, so no
// translation drops what the user must read.
TEST(LanguageTables, SwitchTextsKeepTheirPlaceholdersInEveryLanguage) {
    for (const SwitchText text : {SwitchText::MoveQuestion, SwitchText::Applied,
                                  SwitchText::UndoHint, SwitchText::Paused, SwitchText::KnownBy}) {
        const std::wstring english(GetSwitchText(text, kLanguageEnglish));
        for (const int language : {kLanguageKorean, kLanguageJapanese}) {
            const std::wstring translated(GetSwitchText(text, language));
            EXPECT_FALSE(translated.empty());
            for (const wchar_t* mark : {L"{0}", L"{1}", L"{2}"}) {
                EXPECT_EQ(english.find(mark) == std::wstring::npos,
                          translated.find(mark) == std::wstring::npos)
                    << static_cast<int>(text) << " " << language;
            }
        }
    }
    EXPECT_EQ(FormatSwitchText(SwitchText::Applied, kLanguageEnglish, L"Office",
                               L"192.168.10.1 (00-1a-2b-3c-4d-5e)"),
              L"Applied \"Office\": network 192.168.10.1 (00-1a-2b-3c-4d-5e) recognised");
    EXPECT_EQ(GetSwitchText(SwitchText::Applied, 7), GetSwitchText(SwitchText::Applied, 0));
}
