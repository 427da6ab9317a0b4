#include "apply/ProxyServer.h"

#include "config/ProfileExtras.h"

ProxyServerPlan PlanProxyServer(const Profile& profile, const std::optional<std::wstring>& turnedOn,
                                const ProxyServerSettings& now) {
    ProxyServerPlan plan;
    if (NamesProxyServer(profile)) {
        plan.writeEnable = true;
        plan.enable = profile.checkproxy == 1;
        plan.writeServer = plan.enable;
        if (plan.enable) {
            plan.server = profile.proxy;
            plan.bypass = profile.proxybypass;
        }
        plan.memo = plan.enable ? ProxyServerPlan::Memo::Remember : ProxyServerPlan::Memo::Forget;
        return plan;
    }
    if (!turnedOn) return plan;
    plan.memo = ProxyServerPlan::Memo::Forget;
    if (now.enabled && now.server == *turnedOn) {
        plan.writeEnable = true;
        plan.enable = false;
    }
    return plan;
}

bool ChangesProxySettings(const ProxyServerPlan& plan) {
    return plan.writeEnable || plan.writeServer;
}
