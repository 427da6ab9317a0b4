#include "platform/Com.h"

#include <objbase.h>

namespace platform::com {

namespace {

using CoInitializeExFn = HRESULT(WINAPI*)(LPVOID, DWORD);
using CoUninitializeFn = void(WINAPI*)();
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using SysAllocStringFn = BSTR(WINAPI*)(const OLECHAR*);
using SysFreeStringFn = void(WINAPI*)(BSTR);

template <class Fn>
Fn Resolve(HMODULE hModule, const char* pszName) {
    return hModule
               ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(hModule, pszName)))
               : nullptr;
}

// From the system folder, as every library of the program (see LoadLibrariesOnlyFromSystemFolder):
// said here again so that no caller of this file, a test program included, can get a DLL of the
// same name from the program's folder instead.
HMODULE LoadSystemLibrary(const wchar_t* pszName) {
    return ::LoadLibraryExW(pszName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

struct Library {
    CoInitializeExFn pInitialize = nullptr;
    CoUninitializeFn pUninitialize = nullptr;
    CoCreateInstanceFn pCreateInstance = nullptr;
    SysAllocStringFn pAllocString = nullptr;
    SysFreeStringFn pFreeString = nullptr;

    Library() {
        const HMODULE hOle = LoadSystemLibrary(L"ole32.dll");
        const HMODULE hOleAut = LoadSystemLibrary(L"oleaut32.dll");
        pInitialize = Resolve<CoInitializeExFn>(hOle, "CoInitializeEx");
        pUninitialize = Resolve<CoUninitializeFn>(hOle, "CoUninitialize");
        pCreateInstance = Resolve<CoCreateInstanceFn>(hOle, "CoCreateInstance");
        pAllocString = Resolve<SysAllocStringFn>(hOleAut, "SysAllocString");
        pFreeString = Resolve<SysFreeStringFn>(hOleAut, "SysFreeString");
    }
    bool Ready() const {
        return pInitialize && pUninitialize && pCreateInstance && pAllocString && pFreeString;
    }
};

// Loaded once, by whichever thread asks first, and kept for the life of the process.
const Library& Com() {
    static const Library s_library;
    return s_library;
}

HRESULT MissingLibrary() {
    return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
}

}  // namespace

Apartment::Apartment() {
    if (!Com().Ready()) {
        m_hr = MissingLibrary();
        return;
    }
    const HRESULT hr = Com().pInitialize(nullptr, COINIT_APARTMENTTHREADED);
    m_bOwned = SUCCEEDED(hr);
    // A thread already in the other kind of apartment can still make the calls.
    m_hr = hr == RPC_E_CHANGED_MODE ? S_OK : (SUCCEEDED(hr) ? S_OK : hr);
}

Apartment::~Apartment() {
    if (m_bOwned) Com().pUninitialize();
}

HRESULT CreateInstance(REFCLSID clsid, DWORD dwContext, REFIID iid, void** ppv) {
    *ppv = nullptr;
    if (!Com().Ready()) return MissingLibrary();
    return Com().pCreateInstance(clsid, nullptr, dwContext, iid, ppv);
}

Bstr::Bstr(const wchar_t* psz) : m_b(Com().Ready() ? Com().pAllocString(psz) : nullptr) {}

Bstr::~Bstr() {
    if (m_b) Com().pFreeString(m_b);
}

VARIANT EmptyVariant() {
    VARIANT v = {};
    v.vt = VT_EMPTY;
    return v;
}

VARIANT IntVariant(LONG n) {
    VARIANT v = {};
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}

VARIANT StringVariant(BSTR b) {
    VARIANT v = {};
    v.vt = VT_BSTR;
    v.bstrVal = b;
    return v;
}

}  // namespace platform::com
