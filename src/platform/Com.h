// COM for the few actions that need it (the log-on task, opening pages through the desktop
// shell). ole32 and oleaut32 are loaded at the first use, so a start of the program never loads
// them. No process-wide COM security is set: every call keeps the system's defaults.
#pragma once

#include <windows.h>
#include <oaidl.h>

namespace platform::com {

// A single-threaded apartment for the calling thread for as long as the object lives; a thread
// that already has one keeps it.
class Apartment {
public:
    Apartment();
    ~Apartment();
    Apartment(const Apartment&) = delete;
    Apartment& operator=(const Apartment&) = delete;
    // S_OK when COM can be used on this thread, else why not.
    HRESULT Status() const { return m_hr; }

private:
    HRESULT m_hr;
    bool m_bOwned = false;
};

// CoCreateInstance, or the error of loading COM.
HRESULT CreateInstance(REFCLSID clsid, DWORD dwContext, REFIID iid, void** ppv);

// A BSTR owned for its lifetime; null when COM is unavailable or memory ran out.
class Bstr {
public:
    explicit Bstr(const wchar_t* psz);
    ~Bstr();
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    operator BSTR() const { return m_b; }

private:
    BSTR m_b;
};

// An interface pointer released when it goes.
template <class T>
class Ptr {
public:
    Ptr() = default;
    ~Ptr() { Reset(); }
    Ptr(const Ptr&) = delete;
    Ptr& operator=(const Ptr&) = delete;
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    T** Out() {
        Reset();
        return &m_p;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    void Reset() {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }

private:
    T* m_p = nullptr;
};

// A VARIANT holding nothing, a 32-bit number or a string borrowed from a Bstr.
VARIANT EmptyVariant();
VARIANT IntVariant(LONG n);
VARIANT StringVariant(BSTR b);

}  // namespace platform::com
