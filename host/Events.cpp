#include "host/Host.h"

#include <ocidl.h>

namespace tarnwick::host {

namespace {

// Receives an object's events and calls the script's procedure named by the
// prefix and the event, such as "ie_OnQuit"; events without one are dropped.
class EventSink : public IDispatch {
public:
    EventSink(Host& host, std::wstring prefix, IID events, ITypeInfo* info)
        : host_(host), prefix_(std::move(prefix)), events_(events), info_(info) {}
    virtual ~EventSink() { info_->Release(); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == events_) {
            *out = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override {
        BSTR name = nullptr;
        UINT names = 0;
        if (FAILED(info_->GetNames(id, &name, 1, &names)) || names == 0) return S_OK;
        std::wstring procedure = prefix_ + std::wstring(name, SysStringLen(name));
        SysFreeString(name);
        IDispatch* script = nullptr;
        if (!host_.engine || FAILED(host_.engine->GetScriptDispatch(nullptr, &script))) return S_OK;
        DISPID target = DISPID_UNKNOWN;
        LPOLESTR wanted = procedure.data();
        HRESULT outcome = S_OK;
        if (SUCCEEDED(script->GetIDsOfNames(IID_NULL, &wanted, 1, LOCALE_USER_DEFAULT, &target)))
            outcome = script->Invoke(target, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, parameters, result,
                                     exception, argumentError);
        script->Release();
        return outcome;
    }

private:
    Host& host_;
    std::wstring prefix_;
    IID events_;
    ITypeInfo* info_;
    ULONG references_ = 1;
};

// The default source interface of the object's class, with its type information.
ITypeInfo* DefaultEvents(IDispatch* source, IID& events) {
    IProvideClassInfo* provider = nullptr;
    if (FAILED(source->QueryInterface(IID_IProvideClassInfo, reinterpret_cast<void**>(&provider)))) return nullptr;
    ITypeInfo* classInfo = nullptr;
    const HRESULT got = provider->GetClassInfo(&classInfo);
    provider->Release();
    if (FAILED(got)) return nullptr;
    ITypeInfo* found = nullptr;
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(classInfo->GetTypeAttr(&attributes))) {
        for (UINT i = 0; i < attributes->cImplTypes && !found; ++i) {
            INT flags = 0;
            HREFTYPE reference;
            if (FAILED(classInfo->GetImplTypeFlags(i, &flags))) continue;
            if ((flags & (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE)) !=
                (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE))
                continue;
            if (SUCCEEDED(classInfo->GetRefTypeOfImplType(i, &reference)))
                classInfo->GetRefTypeInfo(reference, &found);
        }
        classInfo->ReleaseTypeAttr(attributes);
    }
    classInfo->Release();
    if (!found) return nullptr;
    TYPEATTR* eventAttributes = nullptr;
    if (FAILED(found->GetTypeAttr(&eventAttributes))) {
        found->Release();
        return nullptr;
    }
    events = eventAttributes->guid;
    found->ReleaseTypeAttr(eventAttributes);
    return found;
}

}  // namespace

IUnknown* ConnectEvents(Host& host, IDispatch* source, const std::wstring& prefix, DWORD& cookie,
                        IConnectionPoint*& point) {
    IID events;
    ITypeInfo* info = DefaultEvents(source, events);
    if (!info) return nullptr;
    IConnectionPointContainer* container = nullptr;
    point = nullptr;
    if (SUCCEEDED(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
        container->FindConnectionPoint(events, &point);
        container->Release();
    }
    auto* sink = new EventSink(host, prefix, events, info);
    if (!point || FAILED(point->Advise(sink, &cookie))) {
        if (point) point->Release();
        point = nullptr;
        sink->Release();
        return nullptr;
    }
    return sink;
}

}  // namespace tarnwick::host
