#include "language/Warnings.h"

#include "language/Builtins.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <unordered_set>

namespace tarnwick::language {
namespace {

// The first declaration of each name in one scope, by its lower-case name: an
// open-addressed table with a cheap hash, since every use in the script is
// looked up in it.
class NameIndex {
    template <class Word>
    static Word Load(const char* at) {
        Word word;
        std::memcpy(&word, at, sizeof word);
        return word;
    }

public:
    // Declarations that `take` accepts, first one of a name wins.
    template <class Take>
    NameIndex(const std::vector<Declaration>& declarations, Take take) {
        slots_.resize(16);
        for (std::size_t i = 0; i < declarations.size(); ++i) {
            if (!take(declarations[i])) continue;
            const std::string_view name = declarations[i].name;
            const std::uint32_t hash = Hash(name);
            Slot& slot = slots_[Probe(name, hash)];
            if (slot.declaration >= 0) continue;
            slot = {name, hash, static_cast<int>(i)};
            // Sized by the names, not the declarations (a name redefined a thousand
            // times is one entry), so that the table stays small enough to be quick.
            if (++count_ * 2 > slots_.size()) Grow();
        }
    }

    // The index of the name's first declaration, or -1; `hash` is Hash(name).
    int Find(std::string_view name, std::uint32_t hash) const { return slots_[Probe(name, hash)].declaration; }
    int Find(std::string_view name) const { return Find(name, Hash(name)); }

    // Whole words at a time, with loads of fixed sizes (overlapping at the ends):
    // the uses of names are many and each is hashed once.
    static std::uint32_t Hash(std::string_view name) {
        constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
        const char* p = name.data();
        const std::size_t n = name.size();
        std::uint64_t first = 0;
        std::uint64_t last = 0;
        if (n >= 8) {
            first = Load<std::uint64_t>(p);
            last = Load<std::uint64_t>(p + n - 8);
        } else if (n >= 4) {
            first = Load<std::uint32_t>(p);
            last = Load<std::uint32_t>(p + n - 4);
        } else if (n > 0) {
            first = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8;
            last = static_cast<unsigned char>(p[n - 1]);
        }
        std::uint64_t hash = (n * kMultiplier) ^ first;
        for (std::size_t i = 8; i + 8 < n; i += 8) hash = (hash * kMultiplier) ^ Load<std::uint64_t>(p + i);
        hash = (hash * kMultiplier) ^ last;
        hash ^= hash >> 29;
        // The high half of a product depends on every bit: the slots take the low bits of it.
        return static_cast<std::uint32_t>((hash * kMultiplier) >> 32);
    }

private:
    struct Slot {
        std::string_view name;
        std::uint32_t hash = 0;
        int declaration = -1;
    };

    void Grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        for (const Slot& slot : old)
            if (slot.declaration >= 0) slots_[Probe(slot.name, slot.hash)] = slot;
    }

    // The same bytes: names of up to sixteen, nearly all, compared with loads of
    // fixed sizes (overlapping at the ends) instead of a call.
    static bool Same(std::string_view a, std::string_view b) {
        const std::size_t n = a.size();
        if (n != b.size()) return false;
        const char* p = a.data();
        const char* q = b.data();
        if (n > 16) return std::memcmp(p, q, n) == 0;
        if (n >= 8)
            return Load<std::uint64_t>(p) == Load<std::uint64_t>(q) &&
                   Load<std::uint64_t>(p + n - 8) == Load<std::uint64_t>(q + n - 8);
        if (n >= 4)
            return Load<std::uint32_t>(p) == Load<std::uint32_t>(q) &&
                   Load<std::uint32_t>(p + n - 4) == Load<std::uint32_t>(q + n - 4);
        for (std::size_t i = 0; i < n; ++i)
            if (p[i] != q[i]) return false;
        return true;
    }

    // The slot holding the name, or the empty one where it would go.
    std::size_t Probe(std::string_view name, std::uint32_t hash) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
            const Slot& slot = slots_[at];
            if (slot.declaration < 0 || (slot.hash == hash && Same(slot.name, name))) return at;
        }
    }

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

class WarningFinder {
public:
    WarningFinder(std::string_view text, const SyntaxTree& tree, std::vector<RawDiagnostic>& out)
        : text_(text), tree_(tree), out_(out), used_(tree.scopes.size()) {
        std::size_t uses = 0;
        for (const Scope& scope : tree.scopes) uses += scope.references.size();
        memo_.resize(std::bit_ceil(std::clamp<std::size_t>(uses / 4, 16, 4096)));
        index_.reserve(tree.scopes.size());
        reDims_.reserve(tree.scopes.size());
        for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
            const std::vector<Declaration>& declarations = tree.scopes[s].declarations;
            index_.emplace_back(declarations, [](const Declaration& d) { return !d.fromReDim; });
            reDims_.emplace_back(declarations, [](const Declaration& d) { return d.fromReDim; });
            used_[s].resize(declarations.size());
            for (const Declaration& d : declarations) anyReDim_ = anyReDim_ || d.fromReDim;
        }
    }

    void Run() {
        for (std::size_t s = 0; s < tree_.scopes.size(); ++s) {
            const Scope& scope = tree_.scopes[s];
            std::unordered_set<std::string_view> reported;
            for (const Reference& r : scope.references) {
                const auto [where, index] = ResolveUse(r.name, static_cast<int>(s));
                if (index >= 0) {
                    used_[static_cast<std::size_t>(where)][static_cast<std::size_t>(index)] = true;
                    CheckArguments(r, tree_.scopes[static_cast<std::size_t>(where)].declarations[static_cast<std::size_t>(index)], scope);
                } else if (tree_.optionExplicit && !tree_.executesCode && !IsBuiltinName(r.name) &&
                           reported.insert(r.name).second) {
                    Add(Message::UndeclaredName, r.span, Spelling(r.span));
                }
            }
            CheckResumeNext(scope);
        }
        for (const ObjectAssignment& a : tree_.objectsWithoutSet) Add(Message::SetMissing, a.span, a.name);
        if (!tree_.executesCode) FindUnused();
    }

private:
    std::string Spelling(Span span) const {
        return std::string(text_.substr(static_cast<std::size_t>(span.offset), static_cast<std::size_t>(span.length)));
    }

    void Add(Message message, Span span, std::string detail) {
        out_.push_back({message, span.offset, span.length, false, std::move(detail)});
    }

    // The declaration a name means in a scope, as its scope and index there: its
    // own, then the class's, then the script's; a ReDim declares a name only
    // where no Dim does. The index is -1 for none.
    std::pair<int, int> Resolve(std::string_view name, int scope) const {
        const std::uint32_t hash = NameIndex::Hash(name);
        for (int s = scope; s >= 0; s = tree_.scopes[static_cast<std::size_t>(s)].parent)
            if (const int found = index_[static_cast<std::size_t>(s)].Find(name, hash); found >= 0) return {s, found};
        if (!anyReDim_) return {-1, -1};
        for (int s = scope; s >= 0; s = tree_.scopes[static_cast<std::size_t>(s)].parent)
            if (const int found = reDims_[static_cast<std::size_t>(s)].Find(name, hash); found >= 0) return {s, found};
        return {-1, -1};
    }

    // The uses of a name share one spelling (the tree keeps each once): what it means in a
    // scope is looked up once and then found again by where that spelling lies.
    std::pair<int, int> ResolveUse(std::string_view name, int scope) {
        const auto key = reinterpret_cast<std::uintptr_t>(name.data()) ^ static_cast<std::uintptr_t>(scope) << 40;
        Memo& memo = memo_[static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 32) & (memo_.size() - 1)];
        if (memo.data != name.data() || memo.length != name.size() || memo.scope != scope)
            memo = {name.data(), name.size(), scope, Resolve(name, scope)};
        return memo.found;
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
    void FindUnused() {
        for (std::size_t s = 0; s < tree_.scopes.size(); ++s) {
            const Scope& scope = tree_.scopes[s];
            if (scope.kind == ScopeKind::Class) continue;
            for (std::size_t i = 0; i < scope.declarations.size(); ++i) {
                const Declaration& d = scope.declarations[i];
                if (d.kind != DeclarationKind::Variable || d.fromReDim || d.access == Access::Public) continue;
                // Uses find the first declaration of a name; a second one is a redefinition.
                if (index_[s].Find(d.name) == static_cast<int>(i) && !used_[s][i])
                    Add(Message::UnusedVariable, d.span, Spelling(d.span));
            }
        }
    }

    std::string_view text_;
    const SyntaxTree& tree_;
    std::vector<RawDiagnostic>& out_;
    std::vector<NameIndex> index_;
    std::vector<NameIndex> reDims_;
    bool anyReDim_ = false;  // a ReDim declared a name somewhere: the second look-up can find something
    std::vector<std::vector<bool>> used_;  // per scope, per declaration: some name refers to it
    struct Memo {
        const char* data = nullptr;
        std::size_t length = 0;
        int scope = -1;
        std::pair<int, int> found;
    };
    std::vector<Memo> memo_;
};

}  // namespace

void FindWarnings(std::string_view text, const SyntaxTree& tree, std::vector<RawDiagnostic>& warnings) {
    WarningFinder(text, tree, warnings).Run();
}

}  // namespace tarnwick::language
