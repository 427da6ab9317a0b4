// The proxy server of a profile, applied as the current user's ProxyEnable, ProxyServer and
// ProxyOverride under Internet Settings (beside the proxy script's AutoConfigURL). A profile that
// names no proxy server leaves those values alone, unless the profile applied before it turned a
// proxy server on: the move from the office to home must not keep the office's proxy.
#pragma once

#include <optional>
#include <string>

#include "net/NICs.h"

inline constexpr wchar_t kProxyEnableValue[] = L"ProxyEnable";
inline constexpr wchar_t kProxyServerValue[] = L"ProxyServer";
inline constexpr wchar_t kProxyOverrideValue[] = L"ProxyOverride";
// The program's own key for the user: after an apply that turned a proxy server on, it holds the
// server written, so the next apply knows the proxy is the program's to turn off again.
inline constexpr wchar_t kProgramUserKey[] = L"Software\\VorlIP";
inline constexpr wchar_t kProxyTurnedOnValue[] = L"ProxyServerTurnedOn";

struct ProxyServerSettings {
    bool enabled = false;  // ProxyEnable is 1
    std::wstring server;   // ProxyServer
    std::wstring bypass;   // ProxyOverride
};

// What an apply writes.
struct ProxyServerPlan {
    bool writeEnable = false;  // ProxyEnable, as enable
    bool enable = false;
    bool writeServer = false;  // ProxyServer and ProxyOverride; an empty one is removed
    std::wstring server;
    std::wstring bypass;
    enum class Memo { Keep, Remember, Forget };
    Memo memo = Memo::Keep;  // Remember stores server as the one turned on
};

// The writes for an apply of profile. turnedOn is the server the program turned on last, if the
// apply before this one did; now is what the values hold.
//   box ticked:                     on, with the profile's server and exceptions; remembered
//   server or exceptions, no tick:  off (server and exceptions stay); forgotten
//   nothing named, turnedOn:        off when the proxy is still on with that server (a server
//                                   the user set by hand since then stays); forgotten
//   nothing named otherwise:        nothing at all
ProxyServerPlan PlanProxyServer(const Profile& profile, const std::optional<std::wstring>& turnedOn,
                                const ProxyServerSettings& now);

// Whether the plan changes anything the system reads, so WinINet is to be told.
bool ChangesProxySettings(const ProxyServerPlan& plan);

// Carries out PlanProxyServer for profile on the registry and tells WinINet when the values
// changed. False when a value could not be written (the user is then asked to do it by hand).
bool ApplyProxyServer(const Profile& profile);

// The values as they are now, for "Load current Info"; nothing when the key cannot be read.
std::optional<ProxyServerSettings> LoadProxyServer();
