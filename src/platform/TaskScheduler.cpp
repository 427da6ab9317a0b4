#include "platform/TaskScheduler.h"

#include <taskschd.h>

#include "platform/Com.h"

namespace platform {

namespace {

// CLSID_TaskScheduler, spelled out: its definition would otherwise come from a library.
constexpr CLSID kClsidTaskScheduler = {
    0x0f87369f, 0xa4e5, 0x4cfc, {0xbd, 0x3e, 0x73, 0xe6, 0x15, 0x45, 0x72, 0xdd}};
constexpr DWORD kUserNameCapacity = 257;

// The scheduler of this machine, connected as the calling user, and its root folder.
HRESULT OpenRootFolder(com::Ptr<ITaskService>& service, com::Ptr<ITaskFolder>& folder) {
    HRESULT hr = com::CreateInstance(kClsidTaskScheduler, CLSCTX_INPROC_SERVER,
                                     __uuidof(ITaskService), service.OutVoid());
    if (FAILED(hr)) return hr;
    const VARIANT none = com::EmptyVariant();
    hr = service->Connect(none, none, none, none);
    if (FAILED(hr)) return hr;
    const com::Bstr root(L"\\");
    return service->GetFolder(root, folder.Out());
}

}  // namespace

TaskChange RegisterTask(const std::wstring& name, const std::wstring& xml) {
    TaskChange change;
    const com::Apartment apartment;
    if (FAILED(change.hrConnect = apartment.Status())) return change;
    com::AllowImpersonation();
    com::Ptr<ITaskService> service;
    com::Ptr<ITaskFolder> folder;
    if (FAILED(change.hrConnect = OpenRootFolder(service, folder))) return change;
    const com::Bstr taskName(name.c_str());
    const com::Bstr definition(xml.c_str());
    if (!taskName || !definition) {
        change.hrChange = E_OUTOFMEMORY;
        return change;
    }
    const VARIANT none = com::EmptyVariant();
    com::Ptr<IRegisteredTask> task;
    change.hrChange = folder->RegisterTask(taskName, definition, TASK_CREATE_OR_UPDATE, none, none,
                                           TASK_LOGON_INTERACTIVE_TOKEN, none, task.Out());
    return change;
}

TaskChange DeleteTask(const std::wstring& name) {
    TaskChange change;
    const com::Apartment apartment;
    if (FAILED(change.hrConnect = apartment.Status())) return change;
    com::AllowImpersonation();
    com::Ptr<ITaskService> service;
    com::Ptr<ITaskFolder> folder;
    if (FAILED(change.hrConnect = OpenRootFolder(service, folder))) return change;
    const com::Bstr taskName(name.c_str());
    change.hrChange = taskName ? folder->DeleteTask(taskName, 0) : E_OUTOFMEMORY;
    return change;
}

std::wstring CurrentUserId() {
    wchar_t user[kUserNameCapacity] = {};
    DWORD nUser = kUserNameCapacity;
    if (!::GetUserNameW(user, &nUser)) return {};
    wchar_t domain[kUserNameCapacity] = {};
    const DWORD nDomain = ::GetEnvironmentVariableW(L"USERDOMAIN", domain, kUserNameCapacity);
    if (nDomain == 0 || nDomain >= kUserNameCapacity) return user;
    return std::wstring(domain) + L"\\" + user;
}

}  // namespace platform
