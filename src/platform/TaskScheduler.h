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

// Registers (or replaces) task name from its XML definition, to run with the token of the user
// who is logged on when it starts.
TaskChange RegisterTask(const std::wstring& name, const std::wstring& xml);
// Deletes task name; a task that is not there gives HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND).
TaskChange DeleteTask(const std::wstring& name);

// The user running the program, as "DOMAIN\user", or just "user" when the domain is unknown.
std::wstring CurrentUserId();

}  // namespace platform
