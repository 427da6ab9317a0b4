#include <windows.h>

#include "app/VorlIPApp.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    theApp.InitInstance();
    return 0;
}
