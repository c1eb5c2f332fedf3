#pragma once

#include "language/Lexer.h"
#include "language/Syntax.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick::language {

// A declaration or a use of a name: its scope and its index in that scope's list.
struct Where {
    std::int32_t scope = 0;
    std::int32_t index = 0;
    auto operator<=>(const Where&) const = default;
};

// Every declaration and use of one name in the tree, each list in tree order.
struct NameUse {
    std::vector<Where> declarations;
    std::vector<Where> references;
};

// Where each name is declared and used. The checks after reading look at one
// name at a time (a name redefined, a use that finds no declaration, a variable
// nobody uses), so after an edit only the names it touched need checking again.
class NameUses {
public:
    void Build(const SyntaxTree& tree);
    bool Built() const { return built_; }
    void Clear() {
        names_.clear();
        built_ = false;
    }
    void Add(const std::string& name, bool declaration, Where where);
    void Remove(const std::string& name, bool declaration, Where where);
    const NameUse* Find(std::string_view name) const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const { return std::hash<std::string_view>()(name); }
    };
    std::unordered_map<std::string, NameUse, Hash, std::equal_to<>> names_;
    bool built_ = false;
};

// Where a declaration (or a use) of the tree lies now: the tree's own spans may lag behind the text.
using SpanOf = std::function<Span(bool declaration, Where where)>;

// The findings of the checks after reading (names redefined, property arguments,
// undeclared names, argument counts, unused variables) that concern `name`, as
// CheckNames and FindWarnings give them for the whole tree.
void FindingsOfName(std::string_view text, const SyntaxTree& tree, const NameUse& uses, const SpanOf& spanOf,
                    std::vector<RawDiagnostic>& out);

}  // namespace tarnwick::language
