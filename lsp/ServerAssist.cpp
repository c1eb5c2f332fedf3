// Help while typing: completion, parameter tips and what a name is.
#include "lsp/LanguageServer.h"

#include "completion/ObjectTyping.h"
#include "completion/ParameterTip.h"
#include "completion/ScriptKnowledge.h"
#include "completion/ScriptMembers.h"
#include "editor/EditorModel.h"
#include "lsp/Protocol.h"
#include "lsp/ScriptSymbols.h"

#include <QJsonArray>

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

namespace tarnwick::lsp {
namespace {

using language::Declaration;
using language::DeclarationKind;
using language::ProcedureKind;
using language::SyntaxTree;

// The protocol's completion item kinds used here.
enum ItemKind { kMethodItem = 2, kFunctionItem = 3, kVariableItem = 6, kClassItem = 7, kPropertyItem = 10,
                kKeywordItem = 14, kConstantItem = 21 };

bool EqualsIgnoringCase(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

std::string_view SpanText(const std::string& text, language::Span span) {
    return std::string_view(text).substr(static_cast<std::size_t>(span.offset), static_cast<std::size_t>(span.length));
}

// The type the editor's typing pass gives the word in front of a dot at `dot`, or "" for none.
std::string ObjectTypeBeforeDot(const SyntaxEntries& table, const std::string& text, int dot) {
    EditorModel model;
    model.SetText(std::string_view(text).substr(0, static_cast<std::size_t>(dot) + 1));
    model.SetSelStart(model.Length());
    std::string type;
    // The last list placed wins; the table leads on from members to the objects they return.
    ObjectTyping typing(model, [&type](const std::string& typeName) { type = typeName; }, &table);
    typing.RunTypingPass();
    return type;
}

// What the editor lists after the dot before `caret` for an object of one of
// the script's own classes (or Me): its members, with the procedures' tips.
struct OwnMember {
    std::string name;
    int kind;
    std::string detail;
};
std::optional<std::vector<OwnMember>> OwnMembersBeforeDot(const SyntaxTree& tree, const std::string& text, int caret) {
    const auto isClass = [](const language::Scope& scope) { return scope.kind == language::ScopeKind::Class; };
    if (std::none_of(tree.scopes.begin(), tree.scopes.end(), isClass)) return std::nullopt;
    EditorModel model;
    model.SetText(std::string_view(text).substr(0, static_cast<std::size_t>(caret)));
    model.SetSelStart(model.Length());
    ScriptKnowledge knowledge(model);
    if (model.Length() == caret) {
        knowledge.SetOutline(std::make_shared<const ScriptOutline>(ScriptOutline::Of(tree, text)));
    } else {
        // The editor's text breaks lines with CR LF: places in it are read in an outline of the same text.
        EditorModel whole;
        whole.SetText(text);
        const std::string& same = whole.Text();
        const SyntaxTree wholeTree =
            language::AnalyzeScript(same, language::TextForm::Utf8, language::CheckOptions{false}).tree;
        knowledge.SetOutline(std::make_shared<const ScriptOutline>(ScriptOutline::Of(wholeTree, same)));
    }
    const std::optional<std::vector<CompletionRow>> rows = OwnClassMembers(knowledge, model);
    if (!rows) return std::nullopt;
    std::vector<OwnMember> members;
    for (const CompletionRow& row : *rows) {
        const int kind = row.Icon == RowIcon::Function ? kMethodItem
                         : row.Icon == RowIcon::Property ? kPropertyItem
                                                         : kVariableItem;
        std::string detail;
        if (row.Icon == RowIcon::Function) {
            const auto tip = knowledge.Outline()->Tips.find(Lower(row.Name));
            if (tip != knowledge.Outline()->Tips.end()) detail = tip->second;
        }
        members.push_back({row.Name, kind, std::move(detail)});
    }
    return members;
}

int DeclarationItemKind(const SyntaxTree& tree, const Declaration& d) {
    switch (d.kind) {
    case DeclarationKind::Constant: return kConstantItem;
    case DeclarationKind::Class: return kClassItem;
    case DeclarationKind::Procedure:
        if (d.scope > 0 && tree.scopes[static_cast<std::size_t>(d.scope)].procedure >= ProcedureKind::PropertyGet)
            return kPropertyItem;
        return kFunctionItem;
    case DeclarationKind::Variable:
    case DeclarationKind::Parameter: break;
    }
    return kVariableItem;
}

const char* DeclarationWord(const SyntaxTree& tree, const Declaration& d) {
    switch (d.kind) {
    case DeclarationKind::Variable: return "Dim";
    case DeclarationKind::Constant: return "Const";
    case DeclarationKind::Parameter: return d.byVal ? "ByVal" : "ByRef";
    case DeclarationKind::Class: return "Class";
    case DeclarationKind::Procedure: break;
    }
    switch (d.scope > 0 ? tree.scopes[static_cast<std::size_t>(d.scope)].procedure : ProcedureKind::None) {
    case ProcedureKind::Sub: return "Sub";
    case ProcedureKind::PropertyGet: return "Property Get";
    case ProcedureKind::PropertyLet: return "Property Let";
    case ProcedureKind::PropertySet: return "Property Set";
    default: return "Function";
    }
}

// "Function Add(a, b)", "Dim total", "Const Limit": a declaration as the script makes it.
std::string DeclarationLine(const SyntaxTree& tree, const std::string& text, const Declaration& d) {
    std::string line = std::string(DeclarationWord(tree, d)) + " " + std::string(SpanText(text, d.span));
    if (d.kind != DeclarationKind::Procedure || d.scope <= 0) return line;
    const language::Scope& scope = tree.scopes[static_cast<std::size_t>(d.scope)];
    line += "(";
    for (int i = 0; i < scope.parameters && i < static_cast<int>(scope.declarations.size()); ++i) {
        if (i > 0) line += ", ";
        line += SpanText(text, scope.declarations[static_cast<std::size_t>(i)].span);
    }
    return line + ")";
}

// The name of the call the caret stands in, from the text of its line in front of
// it: the word before the innermost "(" still open, else the statement's first
// word ("Report a, b"); strings are passed over.
std::string CalledName(std::string_view before) {
    std::vector<std::size_t> open;
    bool inString = false;
    for (std::size_t i = 0; i < before.size(); ++i) {
        const char c = before[i];
        if (c == '"') inString = !inString;
        else if (inString) continue;
        else if (c == '(') open.push_back(i);
        else if (c == ')' && !open.empty()) open.pop_back();
        else if (c == '\'') return {};  // the caret is in a comment
    }
    if (inString) return {};
    std::size_t end = open.empty() ? 0 : open.back();
    if (open.empty()) {  // a statement call: its first word, and the caret beyond it
        const std::size_t start = before.find_first_not_of(" \t");
        if (start == std::string_view::npos) return {};
        end = before.find_first_of(" \t", start);
        if (end == std::string_view::npos) return {};
        return std::string(before.substr(start, end - start));
    }
    while (end > 0 && before[end - 1] == ' ') --end;
    std::size_t start = end;
    while (start > 0 && (std::isalnum(static_cast<unsigned char>(before[start - 1])) || before[start - 1] == '_')) --start;
    return std::string(before.substr(start, end - start));
}

const TColorCoding* Keyword(const SyntaxEntries& table, std::string_view name) {
    for (const TColorCoding& entry : table)
        if ((entry.TypeA == "Function" || entry.TypeA == "Statement") && EqualsIgnoringCase(entry.Name, name)) return &entry;
    return nullptr;
}

}  // namespace

QJsonValue LanguageServer::Completion(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const std::string& text = script->document.Text();
    // What stands before the letters typed so far decides the list; the letters choose from it.
    int start = offset;
    while (start > 0 && (std::isalnum(static_cast<unsigned char>(text[start - 1])) || text[start - 1] == '_')) --start;
    const std::string typed = Lower(std::string_view(text).substr(static_cast<std::size_t>(start),
                                                                  static_cast<std::size_t>(offset - start)));
    QJsonArray items;
    auto add = [&](std::string_view label, int kind, const std::string& detail) {
        if (Lower(label.substr(0, typed.size())) != typed) return;
        QJsonObject item{{"label", QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()))}, {"kind", kind}};
        if (!detail.empty()) item["detail"] = QString::fromStdString(detail);
        items.append(item);
    };
    if (start > 0 && text[static_cast<std::size_t>(start) - 1] == '.') {
        if (const auto members = OwnMembersBeforeDot(script->Checked().tree, text, start)) {
            for (const OwnMember& member : *members) add(member.name, member.kind, member.detail);
            return QJsonObject{{"isIncomplete", !typed.empty()}, {"items", items}};
        }
        const std::string type = ObjectTypeBeforeDot(table_, text, start - 1);
        for (const TColorCoding& entry : table_)
            if (!type.empty() && EqualsIgnoringCase(entry.TypeA, type))
                add(entry.Name, entry.TypeB == "Function" ? kMethodItem : kPropertyItem, entry.Parameter);
    } else {
        const SyntaxTree& tree = script->Checked().tree;
        for (const Declaration* d : VisibleDeclarations(tree, ScopeAt(tree, offset)))
            add(SpanText(text, d->span), DeclarationItemKind(tree, *d), DeclarationLine(tree, text, *d));
        for (const TColorCoding& entry : table_)
            if (entry.TypeA == "Function" || entry.TypeA == "Statement")
                add(entry.Name, entry.TypeA == "Function" ? kFunctionItem : kKeywordItem, entry.Parameter);
    }
    // Fewer letters may match more: the client asks again when they are taken back.
    return QJsonObject{{"isIncomplete", !typed.empty()}, {"items", items}};
}

QJsonValue LanguageServer::SignatureHelp(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const Position position = script->document.PositionOf(offset);
    const int lineStart = script->document.LineStart(position.line);
    // Only what stands in front of the caret: the call being typed.
    const std::string_view line = script->document.Line(position.line).substr(0, static_cast<std::size_t>(offset - lineStart));
    std::optional<std::string> tip = ChooseTip(table_, line, static_cast<int>(line.size()));
    if (!tip) {
        // The script's own procedure, as it declares its parameters.
        const SyntaxTree& tree = script->Checked().tree;
        const std::string called = Lower(CalledName(line));
        const std::optional<Symbol> symbol = IsIdentifier(called) ? Resolve(tree, ScopeAt(tree, offset), called) : std::nullopt;
        if (!symbol) return QJsonValue::Null;
        const Declaration& d = *DeclarationsOf(tree, *symbol).front();
        if (d.kind != DeclarationKind::Procedure) return QJsonValue::Null;
        const std::string declared = DeclarationLine(tree, script->document.Text(), d);
        tip = declared.substr(declared.rfind(' ', declared.find('(')) + 1);  // without Sub, Function or Property Get
    }
    return QJsonObject{{"signatures", QJsonArray{QJsonObject{{"label", QString::fromStdString(*tip)}}}},
                       {"activeSignature", 0}};
}

QJsonValue LanguageServer::Hover(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const std::string& text = script->document.Text();
    const language::Span word = WordAt(text, offset);
    if (word.length == 0) return QJsonValue::Null;
    const std::string name = Lower(SpanText(text, word));
    const SyntaxTree& tree = script->Checked().tree;
    const bool member = word.offset > 0 && text[static_cast<std::size_t>(word.offset) - 1] == '.';
    std::string signature, kind;
    if (const std::optional<Symbol> symbol = member ? std::nullopt : Resolve(tree, ScopeAt(tree, offset), name)) {
        const Declaration& d = *DeclarationsOf(tree, *symbol).front();
        signature = DeclarationLine(tree, text, d);
        kind = d.kind == DeclarationKind::Parameter ? "parameter"
               : symbol->scope == 0                 ? "declared in the script"
               : tree.scopes[static_cast<std::size_t>(symbol->scope)].kind == language::ScopeKind::Class
                   ? "member of class " + std::string(SpanText(text, tree.scopes[static_cast<std::size_t>(symbol->scope)].nameSpan))
                   : "local";
    } else if (const TColorCoding* entry = member ? nullptr : Keyword(table_, name)) {
        signature = entry->Parameter.empty() ? entry->Name : entry->Parameter;
        kind = entry->TypeA == "Function" ? "built-in function" : "statement";
    } else {
        return QJsonValue::Null;
    }
    const QString value = QString::fromStdString("```vb\n" + signature + "\n```\n" + kind);
    return QJsonObject{{"contents", QJsonObject{{"kind", "markdown"}, {"value", value}}},
                       {"range", ToJson(script->document.RangeOf(word.offset, word.length))}};
}

}  // namespace tarnwick::lsp
