#include "language/NameChecks.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <string>

namespace tarnwick::language {
namespace {

bool IsProperty(ProcedureKind kind) {
    return kind == ProcedureKind::PropertyGet || kind == ProcedureKind::PropertyLet ||
           kind == ProcedureKind::PropertySet;
}

// What a scope has declared so far under one name.
struct Seen {
    const Declaration* first = nullptr;  // null in an empty slot
    std::uint64_t hash = 0;
    unsigned propertyKinds = 0;  // a bit per Get/Let/Set already declared under the name
    int getArguments = -1;
    int setArguments = -1;       // Let or Set
};

// The names of one scope in open addressing, kept at most half full: a scope that declares
// the same few names over and over, as a generated script does, looks each up in a few steps.
class SeenNames {
public:
    void Reset(std::size_t declarations) {
        slots_.assign(std::bit_ceil(std::max<std::size_t>(8, 2 * std::min<std::size_t>(declarations, 1024))), Seen{});
        count_ = 0;
    }

    Seen& FindOrAdd(const Declaration& d) {
        const std::uint64_t hash = Hash(d.name);
        std::size_t mask = slots_.size() - 1;
        std::size_t at = hash & mask;
        for (; slots_[at].first; at = (at + 1) & mask)
            if (slots_[at].hash == hash && slots_[at].first->name == d.name) return slots_[at];
        if (++count_ * 2 > slots_.size()) {
            Grow();
            mask = slots_.size() - 1;
            for (at = hash & mask; slots_[at].first; at = (at + 1) & mask) {}
        }
        slots_[at].first = &d;
        slots_[at].hash = hash;
        return slots_[at];
    }

private:
    // FNV-1a, its high half folded in so that the low bits that pick a slot depend on every byte.
    static std::uint64_t Hash(const std::string& name) {
        std::uint64_t hash = 0xCBF29CE484222325ull;
        for (const char c : name) hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
        return hash ^ (hash >> 32);
    }

    void Grow() {
        std::vector<Seen> old(slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Seen& seen : old) {
            if (!seen.first) continue;
            std::size_t at = seen.hash & mask;
            while (slots_[at].first) at = (at + 1) & mask;
            slots_[at] = seen;
        }
    }

    std::vector<Seen> slots_;
    std::size_t count_ = 0;
};

ProcedureKind ProcedureKindOf(const SyntaxTree& tree, const Declaration& d) {
    return d.kind == DeclarationKind::Procedure && d.scope >= 0 ? tree.scopes[static_cast<std::size_t>(d.scope)].procedure
                                                                : ProcedureKind::None;
}

void CheckScope(const SyntaxTree& tree, const Scope& scope, SeenNames& seen, std::vector<RawDiagnostic>& errors) {
    seen.Reset(scope.declarations.size());
    for (const Declaration& d : scope.declarations) {
        if (d.fromReDim) continue;  // ReDim of a declared array declares nothing new
        Seen& s = seen.FindOrAdd(d);
        const Scope* procedure =
            d.kind == DeclarationKind::Procedure && d.scope >= 0 ? &tree.scopes[static_cast<std::size_t>(d.scope)] : nullptr;
        const ProcedureKind kind = procedure ? procedure->procedure : ProcedureKind::None;
        // Only the Get, Let and Set of one property share a name, each once.
        if (s.first != &d && (!IsProperty(kind) || !IsProperty(ProcedureKindOf(tree, *s.first)) ||
                              (s.propertyKinds & (1u << static_cast<unsigned>(kind))))) {
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
    SeenNames seen;
    for (const Scope& scope : tree.scopes) CheckScope(tree, scope, seen, errors);
}

}  // namespace tarnwick::language
