#pragma once

#include <windows.h>

// The application object: runs the main window modally; the process ends when it closes.
class CVorlIPApp {
public:
    // Returns false: there is no message loop after the main window, so the process ends.
    BOOL InitInstance();
};

extern CVorlIPApp theApp;
