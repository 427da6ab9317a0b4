// Filling NICs records in tests: the five address fields travel together in every fixture.
#pragma once

#include <string_view>

#include "net/AddressText.h"
#include "net/NICs.h"

inline void SetAddresses(NICs& record, std::wstring_view ip, std::wstring_view subnet,
                         std::wstring_view gateway, std::wstring_view dns, std::wstring_view dns2) {
    CopyField(record.ip, ip);
    CopyField(record.subnet, subnet);
    CopyField(record.gateway, gateway);
    CopyField(record.dns, dns);
    CopyField(record.dns2, dns2);
}
