#pragma once

#include "language/Syntax.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::lsp {

// A name the script declares, as the scope that declares it and its lower-case
// name: a Property Get and its Let are one symbol.
struct Symbol {
    int scope = 0;
    std::string name;
    bool operator==(const Symbol&) const = default;
};

// The identifier at or right before a byte offset (the caret may stand just
// after it); an empty span when there is none.
language::Span WordAt(std::string_view text, int offset);

// The innermost scope holding the offset: a procedure, a class, or the script (0).
int ScopeAt(const language::SyntaxTree& tree, int offset);

// Where a lower-case name used in a scope is declared: the scope itself, then
// the scopes around it (a procedure's class, then the script). A local Dim
// hides a global of the same name.
std::optional<Symbol> Resolve(const language::SyntaxTree& tree, int scope, std::string_view name);

// The declarations that make the symbol (several for a property's Get, Let and Set).
std::vector<const language::Declaration*> DeclarationsOf(const language::SyntaxTree& tree, const Symbol& symbol);

// Every place the symbol's name stands for it: its declarations and the uses
// that resolve to it, in the order of their offsets.
std::vector<language::Span> Occurrences(const language::SyntaxTree& tree, const Symbol& symbol);

// The names visible from a scope, innermost first, each once.
std::vector<const language::Declaration*> VisibleDeclarations(const language::SyntaxTree& tree, int scope);

std::string Lower(std::string_view text);
bool IsIdentifier(std::string_view name);

}  // namespace tarnwick::lsp
