#include "lsp/ScriptSymbols.h"

#include <algorithm>
#include <cctype>
#include <unordered_set>

namespace tarnwick::lsp {
namespace {

using language::Declaration;
using language::Scope;
using language::Span;
using language::SyntaxTree;

bool IsNameByte(unsigned char c) { return std::isalnum(c) || c == '_'; }

const Scope& ScopeOf(const SyntaxTree& tree, int index) { return tree.scopes[static_cast<std::size_t>(index)]; }

bool Holds(const Scope& scope, int offset) {
    return offset >= scope.span.offset && offset <= scope.span.End();
}

}  // namespace

std::string Lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool IsIdentifier(std::string_view name) {
    if (name.empty() || name.size() > 255 || !std::isalpha(static_cast<unsigned char>(name[0]))) return false;
    return std::all_of(name.begin(), name.end(), [](char c) { return IsNameByte(static_cast<unsigned char>(c)); });
}

Span WordAt(std::string_view text, int offset) {
    const int size = static_cast<int>(text.size());
    offset = std::clamp(offset, 0, size);
    auto nameAt = [&](int at) { return at >= 0 && at < size && IsNameByte(static_cast<unsigned char>(text[at])); };
    if (!nameAt(offset)) {
        if (!nameAt(offset - 1)) return {};
        --offset;
    }
    int start = offset, end = offset;
    while (nameAt(start - 1)) --start;
    while (nameAt(end)) ++end;
    // A name starts with a letter: "2x" and "_a" hold none at their start.
    while (start < end && !std::isalpha(static_cast<unsigned char>(text[start]))) ++start;
    if (start >= end) return {};
    return {start, end - start};
}

int ScopeAt(const SyntaxTree& tree, int offset) {
    int best = 0;
    for (std::size_t i = 1; i < tree.scopes.size(); ++i) {
        const Scope& scope = tree.scopes[i];
        if (!Holds(scope, offset)) continue;
        if (best == 0 || scope.span.length <= ScopeOf(tree, best).span.length) best = static_cast<int>(i);
    }
    return best;
}

std::optional<Symbol> Resolve(const SyntaxTree& tree, int scope, std::string_view name) {
    for (int s = scope; s >= 0 && static_cast<std::size_t>(s) < tree.scopes.size(); s = ScopeOf(tree, s).parent) {
        for (const Declaration& d : ScopeOf(tree, s).declarations)
            if (d.name == name) return Symbol{s, std::string(name)};
    }
    return std::nullopt;
}

std::vector<const Declaration*> DeclarationsOf(const SyntaxTree& tree, const Symbol& symbol) {
    std::vector<const Declaration*> found;
    if (symbol.scope < 0 || static_cast<std::size_t>(symbol.scope) >= tree.scopes.size()) return found;
    for (const Declaration& d : ScopeOf(tree, symbol.scope).declarations)
        if (d.name == symbol.name) found.push_back(&d);
    return found;
}

std::vector<Span> Occurrences(const SyntaxTree& tree, const Symbol& symbol) {
    std::vector<Span> found;
    for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
        const Scope& scope = tree.scopes[s];
        // A scope that declares the name itself (other than the symbol's own) hides the symbol in it.
        const std::optional<Symbol> here = Resolve(tree, static_cast<int>(s), symbol.name);
        if (!here || *here != symbol) continue;
        for (const Declaration& d : scope.declarations)
            if (d.name == symbol.name) found.push_back(d.span);
        for (const language::Reference& r : scope.references)
            if (r.name == symbol.name) found.push_back(r.span);
    }
    // A procedure's own scope sees its name through its parent, but the
    // declarations sit in the parent: both were taken once above.
    std::sort(found.begin(), found.end(), [](const Span& a, const Span& b) { return a.offset < b.offset; });
    found.erase(std::unique(found.begin(), found.end(),
                            [](const Span& a, const Span& b) { return a.offset == b.offset; }),
                found.end());
    return found;
}

std::vector<const Declaration*> VisibleDeclarations(const SyntaxTree& tree, int scope) {
    std::vector<const Declaration*> found;
    std::unordered_set<std::string_view> seen;
    for (int s = scope; s >= 0 && static_cast<std::size_t>(s) < tree.scopes.size(); s = ScopeOf(tree, s).parent) {
        for (const Declaration& d : ScopeOf(tree, s).declarations)
            if (seen.insert(d.name).second) found.push_back(&d);
    }
    return found;
}

}  // namespace tarnwick::lsp
