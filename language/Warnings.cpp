#include "language/Warnings.h"

#include "language/Builtins.h"

#include <string>
#include <unordered_map>
#include <unordered_set>

namespace tarnwick::language {
namespace {

class WarningFinder {
public:
    WarningFinder(std::string_view text, const SyntaxTree& tree, std::vector<RawDiagnostic>& out)
        : text_(text), tree_(tree), out_(out), index_(tree.scopes.size()), reDims_(tree.scopes.size()) {
        for (std::size_t s = 0; s < tree.scopes.size(); ++s)
            for (const Declaration& d : tree.scopes[s].declarations) (d.fromReDim ? reDims_ : index_)[s].emplace(d.name, &d);
    }

    void Run() {
        std::unordered_set<const Declaration*> used;
        for (std::size_t s = 0; s < tree_.scopes.size(); ++s) {
            const Scope& scope = tree_.scopes[s];
            std::unordered_set<std::string> reported;
            for (const Reference& r : scope.references) {
                const Declaration* d = Resolve(r.name, static_cast<int>(s));
                if (d) {
                    used.insert(d);
                    CheckArguments(r, *d, scope);
                } else if (tree_.optionExplicit && !tree_.executesCode && !IsBuiltinName(r.name) &&
                           reported.insert(r.name).second) {
                    Add(Message::UndeclaredName, r.span, Spelling(r.span));
                }
            }
            CheckResumeNext(scope);
        }
        for (const ObjectAssignment& a : tree_.objectsWithoutSet) Add(Message::SetMissing, a.span, a.name);
        if (!tree_.executesCode) FindUnused(used);
    }

private:
    std::string Spelling(Span span) const {
        return std::string(text_.substr(static_cast<std::size_t>(span.offset), static_cast<std::size_t>(span.length)));
    }

    void Add(Message message, Span span, std::string detail) {
        out_.push_back({message, span.offset, span.length, false, std::move(detail)});
    }

    // The declaration a name means in a scope: its own, then the class's, then the
    // script's; a ReDim declares a name only where no Dim does.
    const Declaration* Resolve(std::string_view name, int scope) const {
        for (const auto* table : {&index_, &reDims_}) {
            for (int s = scope; s >= 0; s = tree_.scopes[static_cast<std::size_t>(s)].parent) {
                const auto& names = (*table)[static_cast<std::size_t>(s)];
                if (const auto it = names.find(name); it != names.end()) return it->second;
            }
        }
        return nullptr;
    }

    void CheckArguments(const Reference& r, const Declaration& d, const Scope& from) {
        if (d.kind != DeclarationKind::Procedure || d.scope < 0 || r.assigned) return;
        const Scope& procedure = tree_.scopes[static_cast<std::size_t>(d.scope)];
        if (procedure.procedure != ProcedureKind::Sub && procedure.procedure != ProcedureKind::Function) return;
        // Inside a Function its own name without arguments is the value it returns.
        if (r.arguments < 0 && from.kind == ScopeKind::Procedure && from.name == r.name) return;
        const int given = r.arguments < 0 ? 0 : r.arguments;
        if (given == procedure.parameters) return;
        Add(Message::WrongArgumentCount, r.span,
            "'" + Spelling(r.span) + "' takes " + std::to_string(procedure.parameters) + ", given " +
                std::to_string(given));
    }

    // The last On Error statement of a procedure (or of the script's own code) in
    // the order written is Resume Next: nothing turns it off before the end.
    void CheckResumeNext(const Scope& scope) {
        if (scope.onErrorResumeNext.empty() || scope.kind == ScopeKind::Class) return;
        const Span last = scope.onErrorResumeNext.back();
        if (!scope.onErrorGoTo0.empty() && scope.onErrorGoTo0.back().offset > last.offset) return;
        Add(Message::ResumeNextLeftOn, last,
            scope.kind == ScopeKind::Script ? std::string("the script") : "'" + Spelling(scope.nameSpan) + "'");
    }

    // Variables of a procedure or of the script (not Public ones, which other code may
    // read, nor class fields) that no name in the script refers to.
    void FindUnused(const std::unordered_set<const Declaration*>& used) {
        for (std::size_t s = 0; s < tree_.scopes.size(); ++s) {
            const Scope& scope = tree_.scopes[s];
            if (scope.kind == ScopeKind::Class) continue;
            for (const Declaration& d : scope.declarations) {
                if (d.kind != DeclarationKind::Variable || d.fromReDim || d.access == Access::Public) continue;
                // Uses find the first declaration of a name; a second one is a redefinition.
                const Declaration* first = index_[s].at(d.name);
                if (first == &d && !used.count(first)) Add(Message::UnusedVariable, d.span, Spelling(d.span));
            }
        }
    }

    std::string_view text_;
    const SyntaxTree& tree_;
    std::vector<RawDiagnostic>& out_;
    std::vector<std::unordered_map<std::string_view, const Declaration*>> index_;
    std::vector<std::unordered_map<std::string_view, const Declaration*>> reDims_;
};

}  // namespace

void FindWarnings(std::string_view text, const SyntaxTree& tree, std::vector<RawDiagnostic>& warnings) {
    WarningFinder(text, tree, warnings).Run();
}

}  // namespace tarnwick::language
