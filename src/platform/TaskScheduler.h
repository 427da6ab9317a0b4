// The Task Scheduler: every call of the program to it goes through here. Used only when the user
// switches "Auto Start on Boot"; COM is loaded then, not before.
#pragma once

#include <windows.h>

#include <string>

namespace platform {

// The results of one change to a task of the scheduler's root folder: reaching the scheduler
// and its root folder, then the change itself (S_OK each for success; hrChange stays S_OK when
// the scheduler could not be reached).
struct TaskChange {
    HRESULT hrConnect = S_OK;
    HRESULT hrChange = S_OK;
};

// Registers (or replaces) task name from its XML definition, whose principal is the group
// groupSid: the task runs for whichever member of the group it starts for, with that member's
// own token. Every administrator replaces the same task.
TaskChange RegisterGroupTask(const std::wstring& name, const std::wstring& xml,
                             const std::wstring& groupSid);
// Deletes task name; a task that is not there gives HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND).
TaskChange DeleteTask(const std::wstring& name);

}  // namespace platform
