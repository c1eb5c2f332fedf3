#include "language/NameChecks.h"

#include <unordered_map>

namespace tarnwick::language {
namespace {

bool IsProperty(ProcedureKind kind) {
    return kind == ProcedureKind::PropertyGet || kind == ProcedureKind::PropertyLet ||
           kind == ProcedureKind::PropertySet;
}

void CheckScope(const SyntaxTree& tree, const Scope& scope, std::vector<RawDiagnostic>& errors) {
    struct Seen {
        const Declaration* first = nullptr;
        unsigned propertyKinds = 0;  // a bit per Get/Let/Set already declared under the name
        int getArguments = -1;
        int setArguments = -1;       // Let or Set
    };
    std::unordered_map<std::string_view, Seen> seen;
    seen.reserve(scope.declarations.size());
    for (const Declaration& d : scope.declarations) {
        if (d.fromReDim) continue;  // ReDim of a declared array declares nothing new
        Seen& s = seen[d.name];
        const Scope* procedure =
            d.kind == DeclarationKind::Procedure && d.scope >= 0 ? &tree.scopes[static_cast<std::size_t>(d.scope)] : nullptr;
        const ProcedureKind kind = procedure ? procedure->procedure : ProcedureKind::None;
        if (!s.first) {
            s.first = &d;
        } else if (!IsProperty(kind) || !IsProperty(s.first->kind == DeclarationKind::Procedure && s.first->scope >= 0
                                                        ? tree.scopes[static_cast<std::size_t>(s.first->scope)].procedure
                                                        : ProcedureKind::None) ||
                   (s.propertyKinds & (1u << static_cast<unsigned>(kind)))) {
            errors.push_back({Message::NameRedefined, d.span.offset, d.span.length, false, {}, true});
            continue;
        }
        if (!IsProperty(kind)) continue;
        s.propertyKinds |= 1u << static_cast<unsigned>(kind);
        int& mine = kind == ProcedureKind::PropertyGet ? s.getArguments : s.setArguments;
        mine = procedure->parameters;
        if (s.getArguments >= 0 && s.setArguments >= 0 && s.setArguments != s.getArguments + 1)
            errors.push_back({Message::InconsistentPropertyArguments, d.span.offset, d.span.length, false, {}, true});
    }
}

}  // namespace

void CheckNames(const SyntaxTree& tree, std::vector<RawDiagnostic>& errors) {
    for (const Scope& scope : tree.scopes) CheckScope(tree, scope, errors);
}

}  // namespace tarnwick::language
