// The script's own names: its outline, where a name is declared and used, renaming it.
#include "lsp/LanguageServer.h"

#include "language/Builtins.h"
#include "language/Lexer.h"
#include "lsp/Protocol.h"
#include "lsp/ScriptSymbols.h"

#include <QJsonArray>

#include <unordered_set>

namespace tarnwick::lsp {
namespace {

using language::Declaration;
using language::DeclarationKind;
using language::ProcedureKind;
using language::Scope;
using language::SyntaxTree;

// The protocol's symbol kinds used here.
enum SymbolKind { kClass = 5, kMethod = 6, kProperty = 7, kField = 8, kFunction = 12, kVariable = 13, kConstant = 14 };

const char* ProcedureWord(ProcedureKind kind) {
    switch (kind) {
    case ProcedureKind::Sub: return "Sub";
    case ProcedureKind::Function: return "Function";
    case ProcedureKind::PropertyGet: return "Property Get";
    case ProcedureKind::PropertyLet: return "Property Let";
    case ProcedureKind::PropertySet: return "Property Set";
    case ProcedureKind::None: break;
    }
    return "";
}

QString Spelling(const std::string& text, language::Span span) {
    return QString::fromUtf8(text.data() + span.offset, span.length);
}

QJsonArray SymbolsOf(const OpenScript& script, const Scope& scope, bool inClass);

QJsonObject SymbolOf(const OpenScript& script, const Declaration& d, bool inClass) {
    const SyntaxTree& tree = script.Checked().tree;
    const TextDocument& document = script.document;
    const QJsonObject selection = ToJson(document.RangeOf(d.span.offset, d.span.length));
    QJsonObject symbol{{"name", Spelling(document.Text(), d.span)}, {"range", selection}, {"selectionRange", selection}};
    switch (d.kind) {
    case DeclarationKind::Variable:
        symbol["kind"] = inClass ? kField : kVariable;
        break;
    case DeclarationKind::Constant: symbol["kind"] = kConstant; break;
    case DeclarationKind::Parameter: symbol["kind"] = kVariable; break;
    case DeclarationKind::Procedure:
    case DeclarationKind::Class: {
        if (d.scope < 0 || static_cast<std::size_t>(d.scope) >= tree.scopes.size()) break;
        const Scope& scope = tree.scopes[static_cast<std::size_t>(d.scope)];
        symbol["range"] = ToJson(document.RangeOf(scope.span.offset, std::max(scope.span.length, d.span.End() - scope.span.offset)));
        if (d.kind == DeclarationKind::Class) {
            symbol["kind"] = kClass;
            symbol["children"] = SymbolsOf(script, scope, true);
            break;
        }
        const bool property = scope.procedure >= ProcedureKind::PropertyGet;
        symbol["kind"] = property ? kProperty : inClass ? kMethod : kFunction;
        symbol["detail"] = ProcedureWord(scope.procedure);
        break;
    }
    }
    return symbol;
}

// A scope's names in the order declared; a variable or constant declared again is one name.
QJsonArray SymbolsOf(const OpenScript& script, const Scope& scope, bool inClass) {
    QJsonArray symbols;
    std::unordered_set<std::string_view> seen;
    for (const Declaration& d : scope.declarations) {
        const bool single = d.kind == DeclarationKind::Variable || d.kind == DeclarationKind::Constant;
        if (single && !seen.insert(d.name).second) continue;
        symbols.append(SymbolOf(script, d, inClass));
    }
    return symbols;
}

QJsonObject Location(const QString& uri, const TextDocument& document, language::Span span) {
    return {{"uri", uri}, {"range", ToJson(document.RangeOf(span.offset, span.length))}};
}

// The symbol named at the request's position; none for a member after "." (its object's, not the script's).
struct Named {
    language::Span word;
    std::string name;
    std::optional<Symbol> symbol;
};

Named NameAt(const OpenScript& script, int offset) {
    const std::string& text = script.document.Text();
    Named named{WordAt(text, offset), {}, std::nullopt};
    if (named.word.length == 0) return named;
    named.name = Lower(std::string_view(text).substr(static_cast<std::size_t>(named.word.offset),
                                                     static_cast<std::size_t>(named.word.length)));
    if (named.word.offset > 0 && text[static_cast<std::size_t>(named.word.offset) - 1] == '.') return named;
    const SyntaxTree& tree = script.Checked().tree;
    named.symbol = Resolve(tree, ScopeAt(tree, offset), named.name);
    return named;
}

// Whether every place of the symbol would still mean it, and only it, under
// the new name: the name must be free in the symbol's scope and, from every
// scope where the symbol is used, resolve to nothing else (a local would hide
// a global, or a global be hidden by a local); an undeclared use of the new
// name must not come to mean the symbol.
bool KeepsMeaning(const SyntaxTree& tree, const Symbol& symbol, const std::string& newName) {
    if (newName == symbol.name) return true;
    if (Resolve(tree, symbol.scope, newName)) return false;
    for (const language::Span& span : Occurrences(tree, symbol))
        if (Resolve(tree, ScopeAt(tree, span.offset), newName)) return false;
    for (std::size_t scope = 0; scope < tree.scopes.size(); ++scope) {
        const int at = static_cast<int>(scope);
        for (const language::Reference& use : tree.scopes[scope].references)
            if (use.name == newName && !Resolve(tree, at, newName) && Resolve(tree, at, symbol.name) == symbol)
                return false;
    }
    return true;
}

}  // namespace

QJsonValue LanguageServer::DocumentSymbols(const QJsonObject& params) {
    const OpenScript& script = ScriptOf(params);
    if (script.Checked().tree.scopes.empty()) return QJsonArray{};
    return SymbolsOf(script, script.Checked().tree.scopes.front(), false);
}

QJsonValue LanguageServer::Definition(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const Named named = NameAt(*script, offset);
    if (!named.symbol) return QJsonValue::Null;
    QJsonArray locations;
    const QString uri = StringMember(ObjectMember(params, "textDocument"), "uri");
    for (const Declaration* d : DeclarationsOf(script->Checked().tree, *named.symbol))
        locations.append(Location(uri, script->document, d->span));
    return locations;
}

QJsonValue LanguageServer::References(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const Named named = NameAt(*script, offset);
    if (!named.symbol) return QJsonValue::Null;
    const bool withDeclaration = params.value("context").toObject().value("includeDeclaration").toBool(true);
    const SyntaxTree& tree = script->Checked().tree;
    std::vector<int> declared;
    for (const Declaration* d : DeclarationsOf(tree, *named.symbol)) declared.push_back(d->span.offset);
    QJsonArray locations;
    const QString uri = StringMember(ObjectMember(params, "textDocument"), "uri");
    for (const language::Span& span : Occurrences(tree, *named.symbol)) {
        if (!withDeclaration && std::find(declared.begin(), declared.end(), span.offset) != declared.end()) continue;
        locations.append(Location(uri, script->document, span));
    }
    return locations;
}

QJsonValue LanguageServer::Rename(const QJsonObject& params) {
    const auto [script, offset] = ScriptAndOffset(params);
    const QString newName = StringMember(params, "newName");
    const Named named = NameAt(*script, offset);
    if (named.word.length == 0) throw RequestError(ErrorCode::RequestFailed, "No name stands at this position.");
    const std::string spelled = script->document.Text().substr(static_cast<std::size_t>(named.word.offset),
                                                               static_cast<std::size_t>(named.word.length));
    if (!named.symbol) {
        if (language::IsBuiltinName(named.name))
            throw RequestError(ErrorCode::RequestFailed, "'" + spelled + "' is built in and cannot be renamed.");
        throw RequestError(ErrorCode::RequestFailed, "'" + spelled + "' is not declared in this script.");
    }
    // A reserved word or a built-in name would change what the script means.
    const std::string wanted = newName.toStdString();
    if (!IsIdentifier(wanted) || language::KeywordOf(wanted) != language::Keyword::None ||
        language::IsBuiltinName(Lower(wanted)))
        throw RequestError(ErrorCode::InvalidParams, "'" + wanted + "' cannot be a name in the script.");
    if (!KeepsMeaning(script->Checked().tree, *named.symbol, Lower(wanted)))
        throw RequestError(ErrorCode::RequestFailed, "Renaming '" + spelled + "' to '" + wanted +
                                                         "' would change what the script means: '" + wanted +
                                                         "' is already in use.");
    QJsonArray edits;
    for (const language::Span& span : Occurrences(script->Checked().tree, *named.symbol))
        edits.append(QJsonObject{{"range", ToJson(script->document.RangeOf(span.offset, span.length))},
                                 {"newText", newName}});
    const QString uri = StringMember(ObjectMember(params, "textDocument"), "uri");
    return QJsonObject{{"changes", QJsonObject{{uri, edits}}}};
}

}  // namespace tarnwick::lsp
