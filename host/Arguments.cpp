#include "host/Arguments.h"

#include <cwctype>

namespace tarnwick::host {

namespace {

enum : DISPID { kItem = DISPID_VALUE, kCount = 1, kLength, kNamed, kUnnamed, kExists, kShowUsage,
                kNewEnum = DISPID_NEWENUM };

bool IsNamed(const std::wstring& argument) { return argument.size() > 1 && argument[0] == L'/'; }

// The arguments that are named, or those that are not, in their order.
std::vector<std::wstring> ArgumentsNamed(const std::vector<std::wstring>& all, bool named) {
    std::vector<std::wstring> chosen;
    for (const std::wstring& argument : all)
        if (IsNamed(argument) == named) chosen.push_back(argument);
    return chosen;
}

// "/name:value" gives name and value; "/name" an empty value.
std::pair<std::wstring, std::wstring> SplitNamed(const std::wstring& argument) {
    const std::size_t colon = argument.find(L':');
    if (colon == std::wstring::npos) return {argument.substr(1), {}};
    return {argument.substr(1, colon - 1), argument.substr(colon + 1)};
}

HRESULT ReturnEnumerator(const Invocation& call, std::vector<std::wstring> items) {
    if (call.result) {
        V_VT(call.result) = VT_UNKNOWN;
        V_UNKNOWN(call.result) = new TextEnumerator(std::move(items));
    }
    return S_OK;
}

// A list of texts by index: all arguments, or the unnamed ones.
class ArgumentList : public DispatchObject {
public:
    ArgumentList(std::vector<std::wstring> items, std::vector<std::wstring> all)
        : DispatchObject(kMembers), items_(std::move(items)), all_(std::move(all)) {}

protected:
    HRESULT Call(DISPID id, const Invocation& call) override {
        if (!call.IsGet()) return DISP_E_MEMBERNOTFOUND;
        switch (id) {
        case kItem: {
            call.ExpectArguments(1, 1);
            const long index = call.Number(0);
            if (index < 0 || static_cast<std::size_t>(index) >= items_.size()) throw ScriptFailure{VBScriptError(9), {}};
            call.Return(items_[index]);
            return S_OK;
        }
        case kCount:
        case kLength: call.Return(static_cast<long>(items_.size())); return S_OK;
        case kNewEnum: return ReturnEnumerator(call, items_);
        case kShowUsage: return S_OK;
        case kNamed: return call.ReturnCollection(NewNamed());
        case kUnnamed: return call.ReturnCollection(new ArgumentList(ArgumentsNamed(all_, false), {}));
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    IDispatch* NewNamed() const;

    static constexpr Member kMembers[] = {{L"Item", kItem},         {L"Count", kCount},   {L"Length", kLength},
                                          {L"Named", kNamed},       {L"Unnamed", kUnnamed},
                                          {L"ShowUsage", kShowUsage}, {L"_NewEnum", kNewEnum}};
    std::vector<std::wstring> items_;
    std::vector<std::wstring> all_;
};

// The named arguments, found by name without regard to case.
class NamedArguments : public DispatchObject {
public:
    explicit NamedArguments(std::vector<std::pair<std::wstring, std::wstring>> items)
        : DispatchObject(kMembers), items_(std::move(items)) {}

protected:
    HRESULT Call(DISPID id, const Invocation& call) override {
        if (!call.IsGet()) return DISP_E_MEMBERNOTFOUND;
        switch (id) {
        case kItem: {
            call.ExpectArguments(1, 1);
            const auto* found = Find(call.Text(0));
            if (found) call.Return(found->second);  // a missing name gives Empty
            return S_OK;
        }
        case kExists: call.ExpectArguments(1, 1); call.ReturnBool(Find(call.Text(0)) != nullptr); return S_OK;
        case kCount:
        case kLength: call.Return(static_cast<long>(items_.size())); return S_OK;
        case kNewEnum: {
            std::vector<std::wstring> names;
            for (const auto& item : items_) names.push_back(item.first);
            return ReturnEnumerator(call, std::move(names));
        }
        default: return DISP_E_MEMBERNOTFOUND;
        }
    }

private:
    const std::pair<std::wstring, std::wstring>* Find(const std::wstring& name) const {
        for (const auto& item : items_)
            if (_wcsicmp(item.first.c_str(), name.c_str()) == 0) return &item;
        return nullptr;
    }

    static constexpr Member kMembers[] = {{L"Item", kItem},     {L"Exists", kExists},    {L"Count", kCount},
                                          {L"Length", kLength}, {L"_NewEnum", kNewEnum}};
    std::vector<std::pair<std::wstring, std::wstring>> items_;
};

IDispatch* ArgumentList::NewNamed() const {
    std::vector<std::pair<std::wstring, std::wstring>> named;
    for (const std::wstring& argument : ArgumentsNamed(all_, true)) named.push_back(SplitNamed(argument));
    return new NamedArguments(std::move(named));
}

}  // namespace

IDispatch* NewArgumentsObject(std::vector<std::wstring> arguments) {
    std::vector<std::wstring> all = arguments;
    return new ArgumentList(std::move(arguments), std::move(all));
}

}  // namespace tarnwick::host
