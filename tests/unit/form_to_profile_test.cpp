#include <gtest/gtest.h>

#include <string>

#include "config/FormToProfile.h"
#include "net/AddressText.h"

namespace {

AddressInput Complete(uint8_t a, uint8_t b, uint8_t c, uint8_t d) {
    return {AddressFill::Complete, {a, b, c, d}};
}
const AddressInput kBlank{};
const AddressInput kPartial{AddressFill::Partial, {10, 0, 0, 0}};

std::wstring Str(const wchar_t* field) {
    return field;
}

class FormToProfileTest : public ::testing::Test {
protected:
    FormToProfileTest() {
        adapter.nic = 7;
        CopyField(adapter.nicname, L"Wi-Fi");
        form.title = L"Office";
        form.metric = L"10";
        form.dhcpIp = false;
        form.ip = Complete(192, 168, 0, 5);
        form.subnet = Complete(255, 255, 255, 0);
        form.gateway = Complete(192, 168, 0, 1);
        form.dhcpDns = false;
        form.dns = Complete(8, 8, 8, 8);
        form.dns2 = Complete(1, 1, 1, 1);
        form.printer = L"Laser";
        form.checkAutoconf = true;
        form.autoconf = L"http://proxy/p.pac";
        form.adapter = &adapter;
    }

    void ExpectSilentFailure() {
        const FormResult r = FormToProfile(form, false);
        EXPECT_FALSE(r.ok);
        EXPECT_TRUE(r.message.empty());
    }

    NICs adapter{};
    ProfileForm form;
};

TEST_F(FormToProfileTest, CompleteStaticForm) {
    const FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(r.message.empty());
    EXPECT_FALSE(r.resetMetricText);
    const Profile& p = r.profile;
    EXPECT_EQ(Str(p.title), L"Office");
    EXPECT_EQ(p.nic, 7);
    EXPECT_EQ(Str(p.nicname), L"Wi-Fi");
    EXPECT_EQ(p.metric, 10);
    EXPECT_EQ(p.dhcpip, 0);
    EXPECT_EQ(Str(p.ip), L"192.168.0.5");
    EXPECT_EQ(Str(p.subnet), L"255.255.255.0");
    EXPECT_EQ(Str(p.gateway), L"192.168.0.1");
    EXPECT_EQ(p.dhcpdns, 0);
    EXPECT_EQ(Str(p.dns), L"8.8.8.8");
    EXPECT_EQ(Str(p.dns2), L"1.1.1.1");
    EXPECT_EQ(Str(p.printer), L"Laser");
    EXPECT_EQ(p.checkautoconf, 1);
    EXPECT_EQ(Str(p.autoconf), L"http://proxy/p.pac");
}

TEST_F(FormToProfileTest, TitleRequiredUnlessOptional) {
    form.title.clear();
    form.metric = L"x";  // the title is checked first
    FormResult r = FormToProfile(form, false);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.message, L"Please set title");

    form.title = L" \t ";  // would be stored as a section without a name, lost on reload
    EXPECT_EQ(FormToProfile(form, false).message, L"Please set title");

    // The options' own section name, in any case, would merge the profile into the options.
    form.title = L" vorlip_BASIC_information";
    EXPECT_EQ(FormToProfile(form, false).message, kMsgTitleReserved);

    form.title.clear();
    form.metric = L"3";
    r = FormToProfile(form, true);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(Str(r.profile.title), L"");
}

TEST_F(FormToProfileTest, TextLimits) {
    form.title = std::wstring(600, L't');
    form.printer = std::wstring(1500, L'p');
    form.autoconf = std::wstring(1500, L'u');
    const FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Str(r.profile.title).size(), 510u);
    EXPECT_EQ(Str(r.profile.printer).size(), 1023u);
    EXPECT_EQ(Str(r.profile.autoconf).size(), 1023u);
}

TEST_F(FormToProfileTest, MetricMustBeDigits) {
    for (const wchar_t* text : {L"12a", L"-1", L" 5", L"1.5", L"\u0661"}) {
        form.metric = text;
        const FormResult r = FormToProfile(form, false);
        EXPECT_FALSE(r.ok) << text;
        EXPECT_EQ(r.message, L"Metric should be number") << text;
    }
    form.metric = L"0099";
    EXPECT_EQ(FormToProfile(form, false).profile.metric, 99);
    form.metric = L"99999999999";
    EXPECT_EQ(FormToProfile(form, false).profile.metric, 2147483647);
}

TEST_F(FormToProfileTest, EmptyMetricBecomesOneBeforeAddressesAreChecked) {
    form.metric.clear();
    FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.profile.metric, 1);
    EXPECT_TRUE(r.resetMetricText);

    form.ip = kPartial;
    r = FormToProfile(form, false);
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.resetMetricText);
}

TEST_F(FormToProfileTest, WithoutAdapterRecordTheReferenceStaysEmpty) {
    form.adapter = nullptr;
    const FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.profile.nic, 0);
    EXPECT_EQ(Str(r.profile.nicname), L"");
}

TEST_F(FormToProfileTest, IncompleteStaticAddressesFailSilently) {
    for (const AddressInput& bad : {kBlank, kPartial}) {
        form.ip = bad;
        ExpectSilentFailure();
        form.ip = Complete(10, 0, 0, 2);
        form.subnet = bad;
        ExpectSilentFailure();
        form.subnet = Complete(255, 0, 0, 0);
        form.dns = bad;
        ExpectSilentFailure();
        form.dns = Complete(10, 0, 0, 1);
    }
    form.gateway = kPartial;
    ExpectSilentFailure();
}

TEST_F(FormToProfileTest, BlankGatewayAndLooseSecondaryDnsMeanNone) {
    form.gateway = kBlank;
    form.dns2 = kPartial;
    FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Str(r.profile.gateway), L"0.0.0.0");
    EXPECT_EQ(Str(r.profile.dns2), L"0.0.0.0");

    form.dns2 = kBlank;
    r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(Str(r.profile.dns2), L"0.0.0.0");
}

TEST_F(FormToProfileTest, DhcpIgnoresTheAddressControls) {
    form.dhcpIp = true;
    form.dhcpDns = true;
    form.ip = kPartial;
    form.subnet = kBlank;
    form.gateway = kPartial;
    form.dns = kPartial;
    const FormResult r = FormToProfile(form, false);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.profile.dhcpip, 1);
    EXPECT_EQ(r.profile.dhcpdns, 1);
    EXPECT_EQ(Str(r.profile.ip), L"");
    EXPECT_EQ(Str(r.profile.gateway), L"");
    EXPECT_EQ(Str(r.profile.dns), L"");
    EXPECT_EQ(Str(r.profile.dns2), L"");
}

}  // namespace
