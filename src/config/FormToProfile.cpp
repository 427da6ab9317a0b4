#include "config/FormToProfile.h"

#include <algorithm>
#include <limits>

#include "config/ConfigKeys.h"
#include "config/SectionNames.h"
#include "net/AddressText.h"

namespace {

bool AllDigits(std::wstring_view text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

// A metric of more digits than an int holds saturates rather than wrapping to some other metric.
int32_t MetricValue(std::wstring_view digits) {
    int64_t value = 0;
    for (wchar_t c : digits) {
        value = value * 10 + (c - L'0');
        if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

template <size_t N>
void CopyAddress(wchar_t (&field)[N], const AddressInput& input) {
    CopyField(field, FormatDottedQuad(input.bytes));
}

}  // namespace

FormResult FormToProfile(const ProfileForm& form, bool titleOptional) {
    FormResult result;
    Profile& p = result.profile;

    // The file keeps a title without its surrounding blanks; one of blanks only would name no
    // section at all, and the saved profile would vanish at the next load.
    if (TrimIniBlanks(form.title).empty() && !titleOptional) {
        result.message = kMsgPleaseSetTitle;
        return result;
    }
    // Section names compare without regard to case: a profile by the options' name would be
    // written into the options section, and both the profile and the options would be lost.
    if (!titleOptional && IsOptionsSectionName(form.title)) {
        result.message = kMsgTitleReserved;
        return result;
    }
    CopyField(p.title, form.title, kFormTitleMaxChars);

    if (!AllDigits(form.metric)) {
        result.message = kMsgMetricNotNumber;
        return result;
    }

    if (form.adapter) {
        p.nic = form.adapter->nic;
        CopyField(p.nicname, form.adapter->nicname);
    }

    if (form.metric.empty()) {
        result.resetMetricText = true;
        p.metric = 1;
    } else {
        p.metric = MetricValue(form.metric);
    }

    if (form.dhcpIp) {
        p.dhcpip = 1;
    } else {
        p.dhcpip = 0;
        if (form.ip.fill != AddressFill::Complete) return result;
        CopyAddress(p.ip, form.ip);
        if (form.subnet.fill != AddressFill::Complete) return result;
        CopyAddress(p.subnet, form.subnet);
        if (form.gateway.fill == AddressFill::Partial) return result;
        if (form.gateway.fill == AddressFill::Complete) {
            CopyAddress(p.gateway, form.gateway);
        } else {
            CopyField(p.gateway, kNoAddress);
        }
    }

    if (form.dhcpDns) {
        p.dhcpdns = 1;
    } else {
        p.dhcpdns = 0;
        if (form.dns.fill != AddressFill::Complete) return result;
        CopyAddress(p.dns, form.dns);
        if (form.dns2.fill == AddressFill::Complete) {
            CopyAddress(p.dns2, form.dns2);
        } else {
            CopyField(p.dns2, kNoAddress);
        }
    }

    // The first address may have changed since the pairs were added, so they are checked again.
    if (p.dhcpip == 0) {
        result.extrasProblem = CheckAddressPairs(p.ip, form.extras);
        if (result.extrasProblem != ExtrasProblem::None) return result;
        SetExtraAddresses(p, form.extras);
    }
    result.extrasProblem = CheckProxyServer(form.checkProxy, form.proxy, form.proxyBypass);
    if (result.extrasProblem != ExtrasProblem::None) return result;
    p.checkproxy = form.checkProxy ? 1 : 0;
    CopyField(p.proxy, TrimIniBlanks(form.proxy));
    CopyField(p.proxybypass, form.proxyBypass);

    CopyField(p.printer, form.printer, kFormTextMaxChars);
    p.checkautoconf = form.checkAutoconf ? 1 : 0;
    CopyField(p.autoconf, form.autoconf, kFormTextMaxChars);
    result.ok = true;
    return result;
}

namespace {

AddressInput AddressControl(const wchar_t* dotted) {
    AddressInput input;
    if (ParseDottedQuad(dotted, input.bytes)) input.fill = AddressFill::Complete;
    return input;
}

}  // namespace

ProfileForm ProfileAsForm(const Profile& profile, const std::wstring& printer) {
    ProfileForm form;
    form.title = profile.title;
    form.metric = std::to_wstring(profile.metric);
    form.dhcpIp = profile.dhcpip == 1;
    form.ip = AddressControl(profile.ip);
    form.subnet = AddressControl(profile.subnet);
    form.gateway = AddressControl(profile.gateway);
    form.dhcpDns = profile.dhcpdns == 1;
    form.dns = AddressControl(profile.dns);
    form.dns2 = AddressControl(profile.dns2);
    form.printer = printer;
    form.checkAutoconf = profile.checkautoconf == 1;
    form.autoconf = profile.autoconf;
    form.extras = ExtraAddresses(profile);
    form.checkProxy = profile.checkproxy == 1;
    form.proxy = profile.proxy;
    form.proxyBypass = profile.proxybypass;
    form.adapter = &profile;
    return form;
}
