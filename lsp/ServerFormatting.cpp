// Formatting: the editor's tidying of the lines, never changing what the script means.
#include "lsp/LanguageServer.h"

#include "lsp/Protocol.h"
#include "lsp/ScriptSymbols.h"
#include "syntax/DocumentLineColouring.h"

#include <QJsonArray>

#include <unordered_map>

namespace tarnwick::lsp {
namespace {

using language::Declaration;
using language::SyntaxTree;

// Each use of a declared name in [from, to) takes the spelling of its
// declaration, the name found through the scopes as the script finds it.
// Only letters change case, so no offset moves.
void RespellDeclaredNames(const SyntaxTree& tree, std::string& text, int from, int to) {
    // A declaration per lower-case name for each scope, made when first needed.
    std::vector<std::unordered_map<std::string_view, const Declaration*>> declared(tree.scopes.size());
    std::vector<bool> indexed(tree.scopes.size(), false);
    auto lookup = [&](int scope, std::string_view name) -> const Declaration* {
        for (int s = scope; s >= 0; s = tree.scopes[static_cast<std::size_t>(s)].parent) {
            const auto at = static_cast<std::size_t>(s);
            if (!indexed[at]) {
                for (const Declaration& d : tree.scopes[at].declarations) declared[at].emplace(d.name, &d);
                indexed[at] = true;
            }
            if (const auto found = declared[at].find(name); found != declared[at].end()) return found->second;
        }
        return nullptr;
    };
    const std::string original = text;
    for (std::size_t s = 0; s < tree.scopes.size(); ++s) {
        for (const language::Reference& r : tree.scopes[s].references) {
            if (r.span.offset < from || r.span.End() > to) continue;
            const Declaration* d = lookup(static_cast<int>(s), r.name);
            if (d == nullptr || d->span.length != r.span.length) continue;
            text.replace(static_cast<std::size_t>(r.span.offset), static_cast<std::size_t>(r.span.length),
                         original, static_cast<std::size_t>(d->span.offset), static_cast<std::size_t>(d->span.length));
        }
    }
}

}  // namespace

QJsonValue LanguageServer::Formatting(const QJsonObject& params) {
    OpenScript& script = ScriptOf(params);
    return FormatLines(script, 0, script.document.LineCount() - 1);
}

QJsonValue LanguageServer::RangeFormatting(const QJsonObject& params) {
    OpenScript& script = ScriptOf(params);
    const Range range = RangeMember(params, "range");
    const int last = script.document.LineCount() - 1;
    if (range.start.line > last || range.end.line < range.start.line)
        throw RequestError(ErrorCode::InvalidParams, "The range lies outside the document.");
    // A range that ends at the start of a line does not take that line.
    const int end = range.end.character == 0 && range.end.line > range.start.line ? range.end.line - 1 : range.end.line;
    return FormatLines(script, range.start.line, std::min(end, last));
}

QJsonValue LanguageServer::FormatLines(OpenScript& script, int firstLine, int lastLine) {
    const TextDocument& document = script.document;
    const int from = document.LineStart(firstLine);
    const int to = document.LineStart(lastLine) + static_cast<int>(document.Line(lastLine).size());
    std::string respelled = document.Text();
    RespellDeclaredNames(script.Checked().tree, respelled, from, to);

    DocumentLineColourer tidier(table_, ColourSettings{});
    std::string tidied;
    std::vector<Colour> colours;
    QJsonArray edits;
    for (int line = firstLine; line <= lastLine; ++line) {
        const int start = document.LineStart(line);
        const std::string_view before = document.Line(line);
        tidied.clear();
        colours.clear();
        tidier.AppendLine(std::string_view(respelled).substr(static_cast<std::size_t>(start), before.size()), nullptr,
                          tidied, colours);
        if (tidied == before) continue;
        edits.append(QJsonObject{{"range", ToJson(document.RangeOf(start, static_cast<int>(before.size())))},
                                 {"newText", QString::fromStdString(tidied)}});
    }
    return edits;
}

}  // namespace tarnwick::lsp
