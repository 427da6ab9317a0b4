#include "apply/NetshCommands.h"

namespace {
// netsh otherwise asks each static server before taking it: an office's server applied at home
// holds the apply for seconds and ends in a warning, although the setting is stored.
constexpr wchar_t kDnsNoValidation[] = L" validate=no";
}  // namespace

std::wstring AddressCommandLine(const NetworkTarget& target) {
    std::wstring line = L"netsh interface ip set address name=\"" + target.m_strNicName + L"\"";
    if (target.m_bDhcpIp) return line + L" source=dhcp";
    line += L" source=static addr=" + target.m_strIp + L" mask=" + target.m_strMask;
    if (target.m_strGateway == kNoAddress) return line;
    return line + L" gateway=" + target.m_strGateway + L" gwmetric=" +
           std::to_wstring(target.m_nMetric);
}

bool DnsCommandLine(const NetworkTarget& target, int nIndex, std::wstring& line) {
    const std::wstring name = L"name=\"" + target.m_strNicName + L"\"";
    if (nIndex == 0) {
        line = kDnsCommandPrefix;
        if (target.m_bDhcpDns) {
            line += L"set dns " + name + L" dhcp";
        } else {
            // A blank primary field arrives as "0.0.0.0" and is sent like any other address.
            line += L"set dns " + name + L" static " + target.m_strDns[0] + L" primary" +
                    kDnsNoValidation;
        }
        return true;
    }
    if (target.m_bDhcpDns || target.m_strDns[1] == kNoAddress) return false;
    line = kDnsCommandPrefix + (L"add dns " + name + L" " + target.m_strDns[1] + kDnsNoValidation);
    return true;
}

std::wstring AddAddressCommandLine(const NetworkTarget& target, const ExtraAddressTarget& extra) {
    return L"netsh interface ip add address name=\"" + target.m_strNicName + L"\" addr=" +
           extra.ip + L" mask=" + extra.mask;
}

std::vector<std::wstring> ApplyCommandLines(const NetworkTarget& target) {
    std::vector<std::wstring> lines;
    if (!(target.m_bDhcpIp && target.m_bDhcpAlreadyOn)) lines.push_back(AddressCommandLine(target));
    // "set address" leaves the adapter with that one address; the others are added to it.
    if (!target.m_bDhcpIp) {
        for (const ExtraAddressTarget& extra : target.m_ExtraAddresses) {
            lines.push_back(AddAddressCommandLine(target, extra));
        }
    }
    for (int nIndex = 0; nIndex < 2; ++nIndex) {
        std::wstring line;
        if (DnsCommandLine(target, nIndex, line)) lines.push_back(std::move(line));
    }
    return lines;
}

void CopyProfileToChanger(const NICs& record, NetworkTarget& target) {
    target.m_nNicIndex = record.nic;
    target.m_strNicName = record.nicname;
    target.m_nMetric = record.metric;
    target.m_bDhcpIp = record.dhcpip == 1;
    target.m_bDhcpAlreadyOn = false;
    target.m_bDhcpDns = record.dhcpdns == 1;
    if (record.dhcpip == 0) {
        target.m_strIp = record.ip;
        target.m_strMask = record.subnet;
        target.m_strGateway = record.gateway;
        target.m_ExtraAddresses.clear();
        for (const AddressPair& pair : record.extra) {
            if (pair.ip[0] == L'\0') break;
            target.m_ExtraAddresses.push_back({pair.ip, pair.subnet});
        }
    }
    if (record.dhcpdns == 0) {
        target.m_strDns[0] = record.dns;
        target.m_strDns[1] = record.dns2;
    }
}

std::wstring SystemCommandLine(const std::wstring& netshPath, const std::wstring& line) {
    constexpr std::wstring_view kNetshWord = L"netsh";
    const std::wstring program = L"\"" + netshPath + L"\"";
    if (!std::wstring_view(line).starts_with(kNetshWord)) return program + L" " + line;
    return program + line.substr(kNetshWord.size());
}
