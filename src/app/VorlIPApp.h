#pragma once

#include <windows.h>

// The application object: runs the main window and the program's message loop; the process
// ends when the main window has been destroyed.
class CVorlIPApp {
public:
    // Returns false once the main window is gone, so the process ends.
    BOOL InitInstance();
};

extern CVorlIPApp theApp;
