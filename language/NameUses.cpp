#include "language/NameUses.h"

#include "language/Builtins.h"
#include "language/Messages.h"

#include <algorithm>

namespace tarnwick::language {
namespace {

bool IsProperty(ProcedureKind kind) {
    return kind == ProcedureKind::PropertyGet || kind == ProcedureKind::PropertyLet ||
           kind == ProcedureKind::PropertySet;
}

std::vector<Where>& ListOf(NameUse& use, bool declaration) { return declaration ? use.declarations : use.references; }

// Runs `each(from, to)` over the stretches of `list` that lie in one scope.
template <class Each>
void ForEachScope(const std::vector<Where>& list, Each each) {
    for (std::size_t from = 0, to = 0; from < list.size(); from = to) {
        while (to < list.size() && list[to].scope == list[from].scope) ++to;
        each(from, to);
    }
}

class NameFinder {
public:
    NameFinder(std::string_view text, const SyntaxTree& tree, const NameUse& uses, const SpanOf& spanOf,
               std::vector<RawDiagnostic>& out)
        : text_(text), tree_(tree), declarations_(uses.declarations), references_(uses.references), spanOf_(spanOf),
          out_(out), used_(uses.declarations.size()) {}

    void Run() {
        ForEachScope(declarations_, [&](std::size_t from, std::size_t to) { CheckRedefined(from, to); });
        ForEachScope(references_, [&](std::size_t from, std::size_t to) { CheckUses(from, to); });
        if (!tree_.executesCode) ForEachScope(declarations_, [&](std::size_t from, std::size_t) { CheckUnused(from); });
    }

private:
    const Declaration& DeclarationAt(Where w) const {
        return tree_.scopes[static_cast<std::size_t>(w.scope)].declarations[static_cast<std::size_t>(w.index)];
    }
    const Scope& ScopeAt(int scope) const { return tree_.scopes[static_cast<std::size_t>(scope)]; }
    ProcedureKind ProcedureOf(const Declaration& d) const {
        return d.kind == DeclarationKind::Procedure && d.scope >= 0 ? ScopeAt(d.scope).procedure : ProcedureKind::None;
    }
    std::string Spelling(Span span) const {
        return std::string(text_.substr(static_cast<std::size_t>(span.offset), static_cast<std::size_t>(span.length)));
    }
    void Add(Message message, Span span, std::string detail, bool late = false) {
        out_.push_back({message, span.offset, span.length, false, std::move(detail), late});
    }

    // The name declared twice at one level, but for a property's Get beside its Let or Set.
    void CheckRedefined(std::size_t from, std::size_t to) {
        ProcedureKind firstKind = ProcedureKind::None;
        bool seen = false;
        unsigned propertyKinds = 0;
        int getArguments = -1;
        int setArguments = -1;
        for (std::size_t i = from; i < to; ++i) {
            const Declaration& d = DeclarationAt(declarations_[i]);
            if (d.fromReDim) continue;
            const ProcedureKind kind = ProcedureOf(d);
            if (!seen) {
                seen = true;
                firstKind = kind;
            } else if (!IsProperty(kind) || !IsProperty(firstKind) || (propertyKinds & (1u << static_cast<unsigned>(kind)))) {
                Add(Message::NameRedefined, spanOf_(true, declarations_[i]), {}, true);
                continue;
            }
            if (!IsProperty(kind)) continue;
            propertyKinds |= 1u << static_cast<unsigned>(kind);
            (kind == ProcedureKind::PropertyGet ? getArguments : setArguments) = ScopeAt(d.scope).parameters;
            if (getArguments >= 0 && setArguments >= 0 && setArguments != getArguments + 1)
                Add(Message::InconsistentPropertyArguments, spanOf_(true, declarations_[i]), {}, true);
        }
    }

    // The first declaration of the name in a scope, of a Dim or of a ReDim; -1 for none.
    int FirstIn(int scope, bool reDim) const {
        auto at = std::lower_bound(declarations_.begin(), declarations_.end(), Where{scope, 0});
        for (; at != declarations_.end() && at->scope == scope; ++at)
            if (DeclarationAt(*at).fromReDim == reDim) return static_cast<int>(at - declarations_.begin());
        return -1;
    }
    // As the uses find a declaration: their own scope's, the class's, the script's; a ReDim only where no Dim is.
    int Resolve(int scope) const {
        for (const bool reDim : {false, true})
            for (int s = scope; s >= 0; s = ScopeAt(s).parent)
                if (const int found = FirstIn(s, reDim); found >= 0) return found;
        return -1;
    }

    void CheckUses(std::size_t from, std::size_t to) {
        const int scope = references_[from].scope;
        const int found = Resolve(scope);
        if (found < 0) {
            const Reference& r = ReferenceAt(references_[from]);
            if (tree_.optionExplicit && !tree_.executesCode && !IsBuiltinName(r.name)) {
                const Span span = spanOf_(false, references_[from]);
                Add(Message::UndeclaredName, span, Spelling(span));
            }
            return;
        }
        used_[static_cast<std::size_t>(found)] = true;
        const Declaration& d = DeclarationAt(declarations_[static_cast<std::size_t>(found)]);
        if (d.kind != DeclarationKind::Procedure || d.scope < 0) return;
        const Scope& procedure = ScopeAt(d.scope);
        if (procedure.procedure != ProcedureKind::Sub && procedure.procedure != ProcedureKind::Function) return;
        const Scope& own = ScopeAt(scope);
        for (std::size_t i = from; i < to; ++i) {
            const Reference& r = ReferenceAt(references_[i]);
            if (r.assigned) continue;
            // Inside a Function its own name without arguments is the value it returns.
            if (r.arguments < 0 && own.kind == ScopeKind::Procedure && own.name == r.name) continue;
            const int given = r.arguments < 0 ? 0 : r.arguments;
            if (given == procedure.parameters) continue;
            const Span span = spanOf_(false, references_[i]);
            Add(Message::WrongArgumentCount, span,
                "'" + Spelling(span) + "' takes " + std::to_string(procedure.parameters) + ", given " +
                    std::to_string(given));
        }
    }

    // A variable of a procedure or of the script, not Public, that no use finds.
    void CheckUnused(std::size_t from) {
        const int scope = declarations_[from].scope;
        if (ScopeAt(scope).kind == ScopeKind::Class) return;
        const int first = FirstIn(scope, false);
        if (first < 0 || used_[static_cast<std::size_t>(first)]) return;
        const Declaration& d = DeclarationAt(declarations_[static_cast<std::size_t>(first)]);
        if (d.kind != DeclarationKind::Variable || d.access == Access::Public) return;
        const Span span = spanOf_(true, declarations_[static_cast<std::size_t>(first)]);
        Add(Message::UnusedVariable, span, Spelling(span));
    }

    const Reference& ReferenceAt(Where w) const {
        return tree_.scopes[static_cast<std::size_t>(w.scope)].references[static_cast<std::size_t>(w.index)];
    }

    std::string_view text_;
    const SyntaxTree& tree_;
    const std::vector<Where>& declarations_;
    const std::vector<Where>& references_;
    const SpanOf& spanOf_;
    std::vector<RawDiagnostic>& out_;
    std::vector<bool> used_;  // per declaration of the name: a use finds it
};

}  // namespace

void NameUses::Build(const SyntaxTree& tree) {
    names_.clear();
    for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
        const Scope& scope = tree.scopes[s];
        const auto scopeIndex = static_cast<std::int32_t>(s);
        for (std::size_t i = 0; i < scope.declarations.size(); ++i)
            names_[scope.declarations[i].name].declarations.push_back({scopeIndex, static_cast<std::int32_t>(i)});
        for (std::size_t i = 0; i < scope.references.size(); ++i)
            names_[std::string(scope.references[i].name)].references.push_back({scopeIndex, static_cast<std::int32_t>(i)});
    }
    built_ = true;
}

void NameUses::Add(const std::string& name, bool declaration, Where where) {
    std::vector<Where>& list = ListOf(names_[name], declaration);
    list.insert(std::lower_bound(list.begin(), list.end(), where), where);
}

void NameUses::Remove(const std::string& name, bool declaration, Where where) {
    const auto found = names_.find(std::string_view(name));
    if (found == names_.end()) return;
    std::vector<Where>& list = ListOf(found->second, declaration);
    const auto at = std::lower_bound(list.begin(), list.end(), where);
    if (at != list.end() && *at == where) list.erase(at);
}

const NameUse* NameUses::Find(std::string_view name) const {
    const auto found = names_.find(name);
    return found == names_.end() ? nullptr : &found->second;
}

void FindingsOfName(std::string_view text, const SyntaxTree& tree, const NameUse& uses, const SpanOf& spanOf,
                    std::vector<RawDiagnostic>& out) {
    NameFinder(text, tree, uses, spanOf, out).Run();
}

}  // namespace tarnwick::language
