#include "host/Dispatch.h"

#include "host/RuntimeErrors.h"

#include <oleauto.h>

namespace tarnwick::host {

namespace {

// The value behind a by-reference argument.
const VARIANT& Deref(const VARIANT* value) {
    if (V_VT(value) == (VT_BYREF | VT_VARIANT)) return *V_VARIANTREF(value);
    return *value;
}

}  // namespace

void Invocation::ExpectArguments(std::size_t min, std::size_t max) const {
    if (Count() < min || Count() > max) throw ScriptFailure{VBScriptError(450), {}};
}

bool Invocation::Present(std::size_t index) const {
    if (index >= Count()) return false;
    const VARIANT& value = Deref(arguments[index]);
    // A left-out argument in the middle arrives as a missing-parameter error value.
    return !(V_VT(&value) == VT_ERROR && V_ERROR(&value) == DISP_E_PARAMNOTFOUND);
}

std::wstring Invocation::Text(std::size_t index) const {
    if (!Present(index)) return {};
    return TextOf(Deref(arguments[index]));
}

long Invocation::Number(std::size_t index, long fallback) const {
    if (!Present(index)) return fallback;
    VARIANT converted;
    VariantInit(&converted);
    const HRESULT result = VariantChangeType(&converted, const_cast<VARIANT*>(&Deref(arguments[index])), 0, VT_I4);
    if (FAILED(result)) throw ScriptFailure{result == DISP_E_OVERFLOW ? VBScriptError(6) : VBScriptError(13), {}};
    return V_I4(&converted);
}

IDispatch* Invocation::Object(std::size_t index) const {
    if (!Present(index)) return nullptr;
    const VARIANT& value = Deref(arguments[index]);
    if (V_VT(&value) == VT_DISPATCH) return V_DISPATCH(&value);
    if (V_VT(&value) == (VT_DISPATCH | VT_BYREF)) return *V_DISPATCHREF(&value);
    return nullptr;
}

void Invocation::Return(const std::wstring& text) const {
    if (!result) return;
    V_VT(result) = VT_BSTR;
    V_BSTR(result) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void Invocation::Return(long number) const {
    if (!result) return;
    V_VT(result) = VT_I4;
    V_I4(result) = number;
}

void Invocation::ReturnBool(bool value) const {
    if (!result) return;
    V_VT(result) = VT_BOOL;
    V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void Invocation::Return(IDispatch* object) const {
    if (!result) {
        if (object) object->Release();
        return;
    }
    V_VT(result) = VT_DISPATCH;
    V_DISPATCH(result) = object;
}

HRESULT Invocation::ReturnCollection(IDispatch* object) const {
    if (Count() == 0) {
        Return(object);
        return S_OK;
    }
    const HRESULT outcome = object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT,
                                           DISPATCH_METHOD | DISPATCH_PROPERTYGET, parameters, result, exception,
                                           nullptr);
    object->Release();
    return outcome;
}

std::wstring TextOf(const VARIANT& value) {
    switch (V_VT(&value)) {
    case VT_EMPTY: return {};
    case VT_NULL: return L"Null";
    case VT_BSTR: return std::wstring(V_BSTR(&value), SysStringLen(V_BSTR(&value)));
    default: break;
    }
    VARIANT converted;
    VariantInit(&converted);
    const HRESULT result = VariantChangeTypeEx(&converted, const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT, VARIANT_ALPHABOOL, VT_BSTR);
    if (FAILED(result)) throw ScriptFailure{result == DISP_E_TYPEMISMATCH ? VBScriptError(13) : result, {}};
    std::wstring text(V_BSTR(&converted), SysStringLen(V_BSTR(&converted)));
    VariantClear(&converted);
    return text;
}

HRESULT DispatchObject::QueryInterface(REFIID riid, void** out) {
    if (riid == IID_IUnknown || riid == IID_IDispatch) {
        *out = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    *info = nullptr;
    return E_NOTIMPL;
}

HRESULT DispatchObject::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    HRESULT result = S_OK;
    for (UINT i = 0; i < count; ++i) {
        ids[i] = DISPID_UNKNOWN;
        if (i > 0) continue;  // named arguments are not supported
        for (const Member& member : members_)
            if (_wcsicmp(member.name, names[i]) == 0) ids[i] = member.id;
        if (ids[i] == DISPID_UNKNOWN) result = DISP_E_UNKNOWNNAME;
    }
    if (count > 1 && result == S_OK) result = DISP_E_UNKNOWNNAME;
    return result;
}

HRESULT DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                               EXCEPINFO* exception, UINT*) {
    Invocation call{flags, {}, result, parameters, exception};
    if (result) VariantInit(result);
    if (parameters) {
        // The engine passes the arguments last first; the assigned value of a
        // property put is the one named argument.
        for (UINT i = parameters->cArgs; i-- > 0;) call.arguments.push_back(&parameters->rgvarg[i]);
        if (parameters->cNamedArgs > 1 ||
            (parameters->cNamedArgs == 1 && parameters->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT))
            return DISP_E_NONAMEDARGS;
    }
    try {
        return Call(id, call);
    } catch (const ScriptFailure& failure) {
        if (!exception) return failure.code;
        *exception = EXCEPINFO{};
        exception->scode = failure.code;
        const std::wstring text = failure.description.empty() ? ErrorText(failure.code) : failure.description;
        exception->bstrDescription = SysAllocString(text.c_str());
        exception->bstrSource = SysAllocString(kRuntimeErrorSource);
        return DISP_E_EXCEPTION;
    }
}

HRESULT TextEnumerator::QueryInterface(REFIID riid, void** out) {
    if (riid == IID_IUnknown || riid == IID_IEnumVARIANT) {
        *out = static_cast<IEnumVARIANT*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG TextEnumerator::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT TextEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
    ULONG done = 0;
    for (; done < count && position_ < items_.size(); ++done, ++position_) {
        V_VT(&items[done]) = VT_BSTR;
        V_BSTR(&items[done]) = SysAllocStringLen(items_[position_].data(), static_cast<UINT>(items_[position_].size()));
    }
    if (fetched) *fetched = done;
    return done == count ? S_OK : S_FALSE;
}

HRESULT TextEnumerator::Skip(ULONG count) {
    position_ += count;
    if (position_ <= items_.size()) return S_OK;
    position_ = items_.size();
    return S_FALSE;
}

HRESULT TextEnumerator::Reset() {
    position_ = 0;
    return S_OK;
}

HRESULT TextEnumerator::Clone(IEnumVARIANT** out) {
    *out = new TextEnumerator(items_, position_);
    return S_OK;
}

}  // namespace tarnwick::host
