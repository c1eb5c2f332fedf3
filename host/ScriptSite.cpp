#include "host/ScriptSite.h"

namespace tarnwick::host {

HRESULT ScriptSite::QueryInterface(REFIID riid, void** out) {
    if (riid == IID_IUnknown || riid == __uuidof(IActiveScriptSite)) {
        *out = static_cast<IActiveScriptSite*>(this);
    } else if (riid == __uuidof(IActiveScriptSiteWindow)) {
        *out = static_cast<IActiveScriptSiteWindow*>(this);
    } else {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

HRESULT ScriptSite::GetLCID(LCID* lcid) {
    *lcid = GetUserDefaultLCID();
    return S_OK;
}

HRESULT ScriptSite::GetItemInfo(LPCOLESTR name, DWORD mask, IUnknown** item, ITypeInfo** info) {
    if (mask & SCRIPTINFO_IUNKNOWN) *item = nullptr;
    if (mask & SCRIPTINFO_ITYPEINFO) *info = nullptr;
    if (_wcsicmp(name, L"WScript") != 0) return TYPE_E_ELEMENTNOTFOUND;
    if (!(mask & SCRIPTINFO_IUNKNOWN)) return TYPE_E_ELEMENTNOTFOUND;  // no type library to give
    wscript_->AddRef();
    *item = wscript_;
    return S_OK;
}

HRESULT ScriptSite::GetDocVersionString(BSTR* version) {
    *version = nullptr;
    return E_NOTIMPL;
}

HRESULT ScriptSite::OnScriptError(IActiveScriptError* error) {
    host_.ReportError(error);
    return S_OK;
}

HRESULT ScriptSite::GetWindow(HWND* window) {
    *window = nullptr;  // the desktop owns the script's message boxes
    return S_OK;
}

}  // namespace tarnwick::host
