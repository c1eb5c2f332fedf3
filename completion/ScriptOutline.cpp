#include "completion/ScriptOutline.h"

#include "completion/TextSearch.h"

#include <algorithm>
#include <unordered_set>

namespace tarnwick {

using language::Declaration;
using language::DeclarationKind;
using language::ProcedureKind;
using language::Scope;
using language::ScopeKind;

namespace outline_detail {

namespace {

void SkipBlanks(std::string_view line, std::size_t& pos) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
}

// A name, or a chain of them joined by dots ("Me.item"), in lower case; empty when none stands at pos.
std::string ReadTarget(std::string_view line, std::size_t& pos) {
    std::string out;
    while (pos < line.size()) {
        const std::size_t start = pos;
        while (pos < line.size() && IsNameChar(line[pos])) ++pos;
        if (pos == start) return {};
        out += LowerAscii(line.substr(start, pos - start));
        if (pos < line.size() && line[pos] == '.') {
            out += '.';
            ++pos;
        } else {
            break;
        }
    }
    return out;
}

bool WordAt(std::string_view line, std::size_t pos, std::string_view word) {
    return MatchesAt(line, static_cast<int>(pos), word) &&
           (pos + word.size() >= line.size() || !IsNameChar(line[pos + word.size()]));
}

// Moves pos to just after the statement's ":" (outside strings), or to the end at a comment.
void SkipStatement(std::string_view line, std::size_t& pos) {
    bool inString = false;
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') inString = !inString;
        else if (inString) continue;
        else if (c == ':') {
            ++pos;
            return;
        } else if (c == '\'') {
            pos = line.size();
            return;
        }
    }
}

}  // namespace

bool ParseSet(std::string_view line, std::size_t& pos, std::string& target, std::string& cls) {
    SkipBlanks(line, pos);
    bool found = false;
    if (WordAt(line, pos, "set")) {
        std::size_t at = pos + 3;
        SkipBlanks(line, at);
        target = ReadTarget(line, at);
        SkipBlanks(line, at);
        if (!target.empty() && target.back() != '.' && at < line.size() && line[at] == '=') {
            ++at;
            SkipBlanks(line, at);
            cls.clear();
            if (WordAt(line, at, "new")) {
                at += 3;
                SkipBlanks(line, at);
                const std::size_t start = at;
                while (at < line.size() && IsNameChar(line[at])) ++at;
                cls = LowerAscii(line.substr(start, at - start));
            }
            found = true;
        }
    }
    SkipStatement(line, pos);
    return found;
}

}  // namespace outline_detail

namespace {

std::string Spelling(std::string_view text, const language::Span& span) {
    if (span.offset < 0 || span.End() > static_cast<int>(text.size())) return {};
    return std::string(text.substr(static_cast<std::size_t>(span.offset), static_cast<std::size_t>(span.length)));
}

std::string TipOf(std::string_view text, const Declaration& procedure, const Scope& body) {
    std::string tip = Spelling(text, procedure.span) + "(";
    for (int i = 0; i < body.parameters && i < static_cast<int>(body.declarations.size()); ++i) {
        if (i > 0) tip += ", ";
        tip += Spelling(text, body.declarations[static_cast<std::size_t>(i)].span);
    }
    return tip + ")";
}

RowIcon IconOf(const language::SyntaxTree& tree, const Declaration& d) {
    if (d.kind == DeclarationKind::Class) return RowIcon::Class;
    if (d.kind != DeclarationKind::Procedure || d.scope < 0) return RowIcon::Variable;
    const Scope& body = tree.scopes[static_cast<std::size_t>(d.scope)];
    if (body.procedure != ProcedureKind::Sub && body.procedure != ProcedureKind::Function) return RowIcon::Property;
    // A Sub or Function of a class is one of its objects' methods.
    const bool inClass = body.parent >= 0 && tree.scopes[static_cast<std::size_t>(body.parent)].kind == ScopeKind::Class;
    return inClass ? RowIcon::Function : RowIcon::Procedure;
}

// A class member or global is listed once, though Property Get and Let both declare it.
void AddOnce(std::vector<OutlineName>& names, std::unordered_set<std::string>& seen, const Declaration& d,
             OutlineName name) {
    if (name.Name.empty() || !seen.insert(d.name).second) return;
    name.Lower = d.name;
    names.push_back(std::move(name));
}

void SortNames(std::vector<OutlineName>& names) {
    std::stable_sort(names.begin(), names.end(),
                     [](const OutlineName& a, const OutlineName& b) { return LessIgnoringCase(a.Name, b.Name); });
}

}  // namespace

ScriptOutline ScriptOutline::Of(const language::SyntaxTree& tree, std::string_view text) {
    ScriptOutline outline;
    std::vector<int> classOfScope(tree.scopes.size(), -1);
    for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
        const Scope& scope = tree.scopes[s];
        if (scope.kind != ScopeKind::Class) continue;
        classOfScope[s] = static_cast<int>(outline.Classes.size());
        OutlineClass& cls = outline.Classes.emplace_back();
        cls.Lower = scope.name;
        std::unordered_set<std::string> seen;
        for (const Declaration& d : scope.declarations) {
            OutlineName name{Spelling(text, d.span), IconOf(tree, d), {}, d.access != language::Access::Private, {}};
            if (d.kind == DeclarationKind::Procedure && d.scope >= 0)
                name.Tip = TipOf(text, d, tree.scopes[static_cast<std::size_t>(d.scope)]);
            AddOnce(cls.Members, seen, d, std::move(name));
        }
        outline.ClassBlocks.push_back({scope.span.offset, scope.span.End(), classOfScope[s], {}});
    }
    for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
        const Scope& scope = tree.scopes[s];
        if (s == 0 || scope.kind == ScopeKind::Procedure) {
            std::unordered_set<std::string> seen;
            std::vector<OutlineName> names;
            for (const Declaration& d : scope.declarations) {
                OutlineName name{Spelling(text, d.span), IconOf(tree, d), {}, true, {}};
                if (d.kind == DeclarationKind::Procedure && d.scope >= 0) {
                    name.Tip = TipOf(text, d, tree.scopes[static_cast<std::size_t>(d.scope)]);
                }
                AddOnce(names, seen, d, std::move(name));
            }
            if (s == 0) {
                outline.Globals = std::move(names);
            } else {
                const int parentClass = scope.parent >= 0 ? classOfScope[static_cast<std::size_t>(scope.parent)] : -1;
                outline.Procedures.push_back({scope.span.offset, scope.span.End(), parentClass, std::move(names)});
            }
        }
        // Every procedure, in a class or not, gives its tip by name, as members of objects do.
        for (const Declaration& d : scope.declarations)
            if (d.kind == DeclarationKind::Procedure && d.scope >= 0)
                outline.Tips.emplace(d.name, TipOf(text, d, tree.scopes[static_cast<std::size_t>(d.scope)]));
    }
    SortNames(outline.Globals);
    for (OutlineClass& cls : outline.Classes) SortNames(cls.Members);
    for (OutlineBlock& procedure : outline.Procedures) SortNames(procedure.Locals);
    const auto byStart = [](const OutlineBlock& a, const OutlineBlock& b) { return a.Start < b.Start; };
    std::stable_sort(outline.Procedures.begin(), outline.Procedures.end(), byStart);
    std::stable_sort(outline.ClassBlocks.begin(), outline.ClassBlocks.end(), byStart);

    // The Set assignments of the whole text, line by line.
    std::size_t lineStart = 0;
    while (lineStart < text.size()) {
        std::size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos) lineEnd = text.size();
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        if (line.find('=') != std::string_view::npos) {
            ForEachSetAssignment(line, [&](const std::string& target, const std::string& cls) {
                const bool own = !cls.empty() && outline.FindClass(cls);
                outline.Sets[target].push_back({static_cast<int>(lineStart), own ? cls : std::string()});
            });
        }
        lineStart = lineEnd + 1;
    }
    return outline;
}

const OutlineClass* ScriptOutline::FindClass(std::string_view lower) const {
    for (const OutlineClass& cls : Classes)
        if (cls.Lower == lower) return &cls;
    return nullptr;
}

namespace {

const OutlineBlock* BlockAt(const std::vector<OutlineBlock>& blocks, int offset) {
    auto after = std::upper_bound(blocks.begin(), blocks.end(), offset,
                                  [](int value, const OutlineBlock& b) { return value < b.Start; });
    if (after == blocks.begin()) return nullptr;
    const OutlineBlock& block = *std::prev(after);
    return offset <= block.End ? &block : nullptr;
}

}  // namespace

const OutlineBlock* ScriptOutline::ProcedureAt(int offset) const { return BlockAt(Procedures, offset); }

const OutlineBlock* ScriptOutline::ClassAt(int offset) const { return BlockAt(ClassBlocks, offset); }

const std::string* ScriptOutline::ClassSetBefore(std::string_view lowerTarget, int offset) const {
    const auto found = Sets.find(std::string(lowerTarget));
    if (found == Sets.end()) return nullptr;
    const std::vector<SetAssignment>& sets = found->second;
    auto after = std::lower_bound(sets.begin(), sets.end(), offset,
                                  [](const SetAssignment& s, int value) { return s.Offset < value; });
    if (after == sets.begin()) return nullptr;
    return &std::prev(after)->Class;
}

}  // namespace tarnwick
