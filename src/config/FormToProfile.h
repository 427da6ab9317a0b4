// Turning what the main window's form shows into a Profile, with the checks that stop a save or
// an apply. The dialog gathers its control state into ProfileForm, calls FormToProfile, shows
// the message if there is one and puts "1" into the metric box when asked to.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "config/ProfileExtras.h"
#include "net/AddressText.h"
#include "net/NICs.h"
#include "win/AddressInput.h"

// The form's controls as the dialog read them.
struct ProfileForm {
    std::wstring title;   // title combo box text
    std::wstring metric;  // gateway metric combo box text
    bool dhcpIp = true;   // "Use DHCP IP" selected
    AddressInput ip, subnet, gateway;
    bool dhcpDns = true;  // "Use DHCP DNS" selected
    AddressInput dns, dns2;
    std::wstring printer;  // printer combo box text
    bool checkAutoconf = false;
    std::wstring autoconf;  // configuration-script URL edit box
    // What the "Advanced" dialog left in the working record: the extra address pairs and the
    // proxy server (exceptions with "<local>" as stored).
    std::vector<AddressPair> extras;
    bool checkProxy = false;
    std::wstring proxy;
    std::wstring proxyBypass;
    // The working record's adapter; nic and nicname come from it. Without one they stay 0 and
    // empty, and the next load moves the profile to an adapter of the machine.
    const NICs* adapter = nullptr;
};

inline constexpr wchar_t kMsgPleaseSetTitle[] = L"Please set title";
inline constexpr wchar_t kMsgMetricNotNumber[] = L"Metric should be number";
inline constexpr wchar_t kMsgTitleReserved[] =
    L"This title names the program's own settings. Please set another title";

// Limits of the text taken from the form (the record has room for one more character).
inline constexpr size_t kFormTitleMaxChars = 510;
inline constexpr size_t kFormTextMaxChars = 1023;  // printer and autoconf

struct FormResult {
    bool ok = false;
    // What to tell the user on failure. Empty for an incomplete address: the control itself shows
    // what is missing, so the failure is silent.
    std::wstring message;
    // The metric box was empty and should now show "1"; set even when a later check fails,
    // because the box is corrected before the addresses are looked at.
    bool resetMetricText = false;
    // Set when an extra pair or the proxy server is refused; the window says it in its language.
    ExtrasProblem extrasProblem = ExtrasProblem::None;
    // Filled as far as the checks got; use it only when ok.
    Profile profile{};
};

// Checks, in order: title (unless titleOptional), metric digits, then the static address fields
// (IP and mask complete, gateway complete or blank), then static DNS (primary complete; a blank
// or partial secondary becomes "0.0.0.0"), then the extra pairs against the address now in the
// form (static address only; a DHCP profile keeps none) and the proxy server. The first failing
// check decides the result.
FormResult FormToProfile(const ProfileForm& form, bool titleOptional);

// The form as the main window fills it when it shows profile, with printer as the printer list's
// text: each address control holds the stored address or, when that is no dotted address, stays
// blank. What is applied without a window goes through FormToProfile from here, so it gets the
// checks and corrections an apply from the window gets.
ProfileForm ProfileAsForm(const Profile& profile, const std::wstring& printer);
