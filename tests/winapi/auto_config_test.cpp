// The browser's configuration-script value: HKCU\...\Internet Settings, value AutoConfigURL.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "apply/AutoConfigScript.h"
#include "platform/Registry.h"

namespace {

class AutoConfig : public ::testing::Test {
protected:
    void SetUp() override {
        DWORD cb = 0;
        m_bHadValue =
            platform::ReadRegText(HKEY_CURRENT_USER, kInternetSettingsKey, kAutoConfigUrlValue,
                                  m_saved, cb) == platform::RegRead::Ok;
        m_cbSaved = cb;
    }
    void TearDown() override {
        if (!m_bHadValue) {
            ClearAutoConfigScript();
            return;
        }
        HKEY hKey = nullptr;
        ::RegOpenKeyExW(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_WRITE, &hKey);
        ::RegSetValueExW(hKey, kAutoConfigUrlValue, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(m_saved.c_str()), m_cbSaved);
        ::RegCloseKey(hKey);
    }

    // The value as stored: false when it is missing.
    static bool RawValue(DWORD& type, DWORD& cbSize) {
        HKEY hKey = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_READ, &hKey)) {
            return false;
        }
        cbSize = 0;
        const LONG result =
            ::RegQueryValueExW(hKey, kAutoConfigUrlValue, nullptr, &type, nullptr, &cbSize);
        ::RegCloseKey(hKey);
        return result == ERROR_SUCCESS;
    }

    // The program counts 2 bytes per character and no terminator; the registry (Wine's, like
    // Windows') adds the terminator it finds right after such string data.
    static bool SizeOfText(DWORD cbSize, size_t nChars) {
        return cbSize == nChars * sizeof(wchar_t) || cbSize == (nChars + 1) * sizeof(wchar_t);
    }

    static void StoreWithTerminator(const std::wstring& text) {
        HKEY hKey = nullptr;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kInternetSettingsKey, 0, KEY_WRITE, &hKey),
                  ERROR_SUCCESS);
        ::RegSetValueExW(hKey, kAutoConfigUrlValue, 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(text.c_str()),
                         static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
        ::RegCloseKey(hKey);
    }

    bool m_bHadValue = false;
    std::wstring m_saved;
    DWORD m_cbSaved = 0;
};

}  // namespace

TEST_F(AutoConfig, SetStoresTheUrlWithoutTerminatorAndClearRemovesIt) {
    const std::wstring url = L"http://proxy.example/proxy.pac";
    ASSERT_EQ(SetAutoConfigScript(url), 1);
    DWORD type = 0, cbSize = 0;
    ASSERT_TRUE(RawValue(type, cbSize));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_TRUE(SizeOfText(cbSize, url.size())) << cbSize;
    AutoConfigScript loaded = LoadAutoConfigScript();
    EXPECT_EQ(loaded.state, AutoConfigScript::State::Set);
    EXPECT_EQ(loaded.text, url);

    EXPECT_EQ(ClearAutoConfigScript(), 1);
    EXPECT_FALSE(RawValue(type, cbSize));
    loaded = LoadAutoConfigScript();
    EXPECT_EQ(loaded.state, AutoConfigScript::State::EmptyOrMissing);
    EXPECT_TRUE(loaded.text.empty());
    // Clearing what is already gone still succeeds.
    EXPECT_EQ(ClearAutoConfigScript(), 1);
}

TEST_F(AutoConfig, EmptyUrlLeavesAValueOfSizeZeroThatReadsAsNoScript) {
    ASSERT_EQ(SetAutoConfigScript(L""), 1);
    DWORD type = 0, cbSize = 99;
    ASSERT_TRUE(RawValue(type, cbSize));
    EXPECT_EQ(cbSize, 0u);
    EXPECT_EQ(LoadAutoConfigScript().state, AutoConfigScript::State::EmptyOrMissing);
}

TEST_F(AutoConfig, LongUrlIsStoredCutTo1023Characters) {
    const std::wstring url = L"http://p/" + std::wstring(1491, L'x');
    ASSERT_EQ(url.size(), 1500u);
    ASSERT_EQ(SetAutoConfigScript(url), 1);
    DWORD type = 0, cbSize = 0;
    ASSERT_TRUE(RawValue(type, cbSize));
    EXPECT_TRUE(SizeOfText(cbSize, 1023)) << cbSize;
    EXPECT_EQ(LoadAutoConfigScript().text, url.substr(0, 1023));
}

TEST_F(AutoConfig, ValueWrittenWithTerminatorByOthersLoadsWithoutIt) {
    StoreWithTerminator(L"http://wpad/wpad.dat");
    const AutoConfigScript loaded = LoadAutoConfigScript();
    EXPECT_EQ(loaded.state, AutoConfigScript::State::Set);
    EXPECT_EQ(loaded.text, L"http://wpad/wpad.dat");
}

TEST(AutoConfigRegistry, MissingKeyIsNeitherCreatedNorWritten) {
    const std::wstring key = L"Software\\VorlIP-test-no-such-key";
    EXPECT_FALSE(platform::WriteRegTextUnterminated(HKEY_CURRENT_USER, key, L"v", L"text"));
    EXPECT_FALSE(platform::DeleteRegValue(HKEY_CURRENT_USER, key, L"v"));
    std::wstring text;
    DWORD cbSize = 0;
    EXPECT_EQ(platform::ReadRegText(HKEY_CURRENT_USER, key, L"v", text, cbSize),
              platform::RegRead::KeyMissing);
    HKEY hKey = nullptr;
    EXPECT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &hKey), ERROR_SUCCESS);
}
