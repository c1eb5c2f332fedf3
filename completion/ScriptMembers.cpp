#include "completion/ScriptMembers.h"

#include "completion/ScriptKnowledge.h"
#include "completion/TextSearch.h"
#include "editor/EditorModel.h"
#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {

namespace {

std::vector<CompletionRow> RowsOf(const OutlineClass& cls, bool privateToo) {
    std::vector<CompletionRow> rows;
    for (const OutlineName& member : cls.Members)
        if (privateToo || member.Public) rows.push_back({member.Name, member.Icon});
    std::stable_sort(rows.begin(), rows.end(),
                     [](const CompletionRow& a, const CompletionRow& b) { return LessIgnoringCase(a.Name, b.Name); });
    return rows;
}

// Whether the character in front of the caret lies in a string literal or a comment of its line.
bool InStringOrComment(const EditorModel& editor, int caret) {
    const int lineStart = editor.LineIndex(editor.LineFromChar(caret - 1));
    const std::string_view line = editor.TextView(lineStart, caret - lineStart);
    return StringCommentMask(line).Skips(caret - 1 - lineStart);
}

}  // namespace

std::string TargetBeforeDot(const EditorModel& editor, int caret) {
    if (caret < 1 || editor.CharAt(caret - 1) != '.') return {};
    int start = caret - 1;
    while (start > 0 && (outline_detail::IsNameChar(editor.CharAt(start - 1)) || editor.CharAt(start - 1) == '.'))
        --start;
    while (start < caret - 1 && editor.CharAt(start) == '.') ++start;  // "..x." keeps only its names
    if (start == caret - 1) return {};
    return LowerAscii(editor.TextView(start, caret - 1 - start));
}

std::optional<std::string> LastSetInText(const EditorModel& editor, int from, int to, std::string_view target) {
    for (int line = editor.LineFromChar(to); line >= 0; --line) {
        const int start = editor.LineIndex(line);
        if (start < from) break;
        const std::string_view text = editor.TextView(start, std::min(to, start + editor.LineLength(start)) - start);
        std::optional<std::string> found;
        ForEachSetAssignment(text, [&](const std::string& name, const std::string& cls) {
            if (name == target) found = cls;
        });
        if (found) return found;
    }
    return std::nullopt;
}

std::optional<std::vector<CompletionRow>> OwnClassMembers(ScriptKnowledge& knowledge, const EditorModel& editor) {
    const int caret = editor.SelStart();
    const std::string target = TargetBeforeDot(editor, caret);
    if (target.empty() || InStringOrComment(editor, caret)) return std::nullopt;
    const ScriptOutline* outline = knowledge.Outline();
    if (!outline || outline->Classes.empty()) return std::nullopt;
    if (target == "me") {
        const int at = knowledge.ToOutline(caret);
        const OutlineBlock* block = outline->ProcedureAt(at);
        if (!block || block->Class < 0) block = outline->ClassAt(at);
        if (!block || block->Class < 0) return std::nullopt;
        return RowsOf(outline->Classes[static_cast<std::size_t>(block->Class)], true);
    }
    // The nearest Set in front of the dot decides: first in the text near the
    // caret, which may hold what was typed since the outline, then the outline's.
    const int from = std::max(0, caret - kLocalScanBytes);
    std::optional<std::string> cls = LastSetInText(editor, from, caret - 1, target);
    if (!cls) {
        if (const std::string* earlier = outline->ClassSetBefore(target, knowledge.ToOutline(from))) cls = *earlier;
    }
    if (!cls || cls->empty()) return std::nullopt;
    const OutlineClass* own = outline->FindClass(*cls);
    if (!own) return std::nullopt;
    return RowsOf(*own, false);
}

}  // namespace tarnwick
