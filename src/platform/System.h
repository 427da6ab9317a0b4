// The running program and the screen: where its libraries come from, module path, screen dpi,
// the computer's own address.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace platform {

// From now on every library this process loads by name, and every library such a library needs,
// comes from the system folder only, never from the program's own folder or the current one:
// the program runs with administrator rights, often from a Downloads folder where a web page
// can have left a DLL of a system library's name. Call it first thing, before anything loads a
// library (the delay-loaded ones included). The program imports only known DLLs, which the
// system always takes from its own folder, at start.
void LoadLibrariesOnlyFromSystemFolder();

// The full path of the program's executable, however long; empty when the system gives none.
std::wstring ModulePath();

struct ScreenDpi {
    int x;
    int y;
};
// The screen's horizontal and vertical logical pixels per inch.
ScreenDpi GetScreenDpi();

// The work area (the screen less the taskbar) of the monitor that holds most of hWnd.
struct ScreenArea {
    int x;
    int y;
    int cx;
    int cy;
};
ScreenArea WorkAreaOf(HWND hWnd);

// Sockets for the calling thread; started by the constructor and shut down by the destructor.
class SocketSession {
public:
    SocketSession();
    ~SocketSession();
    SocketSession(const SocketSession&) = delete;
    SocketSession& operator=(const SocketSession&) = delete;
    bool IsReady() const { return m_bReady; }

private:
    bool m_bReady = false;
};

// The first IPv4 address the resolver returns for the computer's own host name, first byte
// first. False when the name or the lookup failed; bytes are then unchanged.
bool LookUpOwnAddress(uint8_t bytes[4]);

// Asks the system to signal an event when any IPv4 address of the computer changes.
class AddressChangeWatch {
public:
    AddressChangeWatch();
    ~AddressChangeWatch();
    AddressChangeWatch(const AddressChangeWatch&) = delete;
    AddressChangeWatch& operator=(const AddressChangeWatch&) = delete;

    // Starts (again) waiting for the next change; false when the system cannot tell.
    bool Arm();
    // Signalled on a change while armed; an auto-reset event, null when the system gave none.
    HANDLE Event() const { return m_hEvent; }

private:
    void Cancel();
    HANDLE m_hEvent;
    OVERLAPPED m_overlapped{};
    bool m_bArmed = false;
};

}  // namespace platform
