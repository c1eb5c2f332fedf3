#pragma once

#include "host/RuntimeErrors.h"

#include <windows.h>
#include <oaidl.h>

#include <span>
#include <string>
#include <vector>

namespace tarnwick::host {

// A failure of one of our objects' members, handed to the engine as the
// error the script sees: a VBScript error number or any HRESULT, and a text
// when the number's own text would not say enough.
struct ScriptFailure {
    HRESULT code;
    std::wstring description;
};

// One call of a member: the arguments in the order the script wrote them
// (by reference or not), the value of a property assignment, and the result.
struct Invocation {
    WORD flags;
    std::vector<VARIANT*> arguments;
    VARIANT* result;
    DISPPARAMS* parameters;
    EXCEPINFO* exception;

    bool IsGet() const { return flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET); }
    bool IsPut() const { return flags & DISPATCH_PROPERTYPUT; }
    std::size_t Count() const { return arguments.size(); }
    // Fails with "Wrong number of arguments" unless min <= count <= max.
    void ExpectArguments(std::size_t min, std::size_t max) const;
    // The argument (or the assigned value) as text, number or object; a
    // missing optional one gives `fallback`.
    std::wstring Text(std::size_t index) const;
    long Number(std::size_t index, long fallback = 0) const;
    bool Present(std::size_t index) const;
    IDispatch* Object(std::size_t index) const;  // not AddRef'ed; null when not an object

    void Return(const std::wstring& text) const;
    void Return(long number) const;
    void ReturnBool(bool value) const;
    void Return(IDispatch* object) const;  // takes a new reference
    // A collection property: the object itself, or with arguments its item,
    // as in WScript.Arguments(0). Takes the reference.
    HRESULT ReturnCollection(IDispatch* object) const;
};

// Text of any value as the script would print it (True, not -1); objects
// give their default value. Fails as the conversion fails.
std::wstring TextOf(const VARIANT& value);

// An automation object with a fixed table of member names, found without
// regard to case. Derived classes answer calls by member number.
class DispatchObject : public IDispatch {
public:
    struct Member {
        const wchar_t* name;
        DISPID id;
    };

    explicit DispatchObject(std::span<const Member> members) : members_(members) {}
    virtual ~DispatchObject() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argumentError) override;

protected:
    // Answers one call; throws ScriptFailure to fail it. Unknown members and
    // wrong kinds of call return DISP_E_MEMBERNOTFOUND.
    virtual HRESULT Call(DISPID id, const Invocation& call) = 0;

private:
    std::span<const Member> members_;
    ULONG references_ = 1;
};

// A For Each over a fixed list of texts.
class TextEnumerator : public IEnumVARIANT {
public:
    explicit TextEnumerator(std::vector<std::wstring> items, std::size_t position = 0)
        : items_(std::move(items)), position_(position) {}
    virtual ~TextEnumerator() = default;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override;

private:
    std::vector<std::wstring> items_;
    std::size_t position_;
    ULONG references_ = 1;
};

}  // namespace tarnwick::host
