/* A stand-in for a DLL a web page left in a Downloads folder under a system library's name.
   Loaded into any process, it leaves NAME.loaded beside itself (NAME being the name it was
   loaded by) and does nothing else; it exports nothing, so a program that took it in place of
   the real library would also fail to find its functions. Only tests put it anywhere. */
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved) {
    (void)pReserved;
    if (dwReason == DLL_PROCESS_ATTACH) {
        wchar_t path[MAX_PATH + 8];
        const DWORD n = GetModuleFileNameW(hInstance, path, MAX_PATH);
        if (n > 0 && n < MAX_PATH) {
            lstrcatW(path, L".loaded");
            HANDLE hFile = CreateFileW(path, GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
            if (hFile != INVALID_HANDLE_VALUE) CloseHandle(hFile);
        }
    }
    return TRUE;
}
