#include "platform/TaskScheduler.h"

#include <taskschd.h>

#include "platform/Com.h"

namespace platform {

namespace {

// CLSID_TaskScheduler, spelled out: its definition would otherwise come from a library.
constexpr CLSID kClsidTaskScheduler = {
    0x0f87369f, 0xa4e5, 0x4cfc, {0xbd, 0x3e, 0x73, 0xe6, 0x15, 0x45, 0x72, 0xdd}};

// The scheduler of this machine, connected with this process's token, and its root folder. The
// scheduler object lives in this process and reaches the service over a connection of its own;
// COM's process-wide security settings, which govern calls through COM proxies only, play no
// part, so none are set (they would hold for every later COM call of the elevated process).
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

// Connects to the scheduler inside a COM apartment kept for the call and hands its root folder to
// change, which gives the change's result; a failure to connect is kept apart from it.
template <typename Change>
TaskChange WithRootFolder(Change change) {
    TaskChange result;
    const com::Apartment apartment;
    if (FAILED(result.hrConnect = apartment.Status())) return result;
    com::Ptr<ITaskService> service;
    com::Ptr<ITaskFolder> folder;
    if (FAILED(result.hrConnect = OpenRootFolder(service, folder))) return result;
    result.hrChange = change(*folder.Get());
    return result;
}

}  // namespace

TaskChange RegisterGroupTask(const std::wstring& name, const std::wstring& xml,
                             const std::wstring& groupSid) {
    return WithRootFolder([&](ITaskFolder& folder) -> HRESULT {
        const com::Bstr taskName(name.c_str());
        const com::Bstr definition(xml.c_str());
        const com::Bstr group(groupSid.c_str());
        if (!taskName || !definition || !group) return E_OUTOFMEMORY;
        // With the group logon type the user argument names the group; with an interactive
        // token instead, a group task registers but never runs.
        const VARIANT groupId = com::StringVariant(group);
        const VARIANT none = com::EmptyVariant();
        com::Ptr<IRegisteredTask> task;
        return folder.RegisterTask(taskName, definition, TASK_CREATE_OR_UPDATE, groupId, none,
                                   TASK_LOGON_GROUP, none, task.Out());
    });
}

TaskChange DeleteTask(const std::wstring& name) {
    return WithRootFolder([&](ITaskFolder& folder) -> HRESULT {
        const com::Bstr taskName(name.c_str());
        return taskName ? folder.DeleteTask(taskName, 0) : E_OUTOFMEMORY;
    });
}

}  // namespace platform
