#include "completion/ScriptMembers.h"

#include "completion/ExpressionTyping.h"
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

// For a "." with no name in front of it, inside a With block: the With's
// object, either a name or chain of names (target, read in front of before)
// or New of a class (cls). False when the dot belongs to no With.
bool WithTargetBeforeDot(const EditorModel& editor, int caret, std::string& target, int& before, std::string& cls) {
    if (caret < 1 || editor.CharAt(caret - 1) != '.') return false;
    const char previous = caret >= 2 ? editor.CharAt(caret - 2) : ' ';
    if (IsNameChar(previous) || previous == '.' || previous == ')' || previous == ']') return false;
    if (InStringOrComment(editor, caret)) return false;
    const std::string& text = editor.Text();
    const std::optional<std::string_view> value = EnclosingWithValue(text, caret - 1);
    if (!value) return false;
    before = static_cast<int>(value->data() - text.data());
    std::string_view rest = TrimmedBlanks(*value);
    std::size_t n = 0;
    while (n < rest.size() && IsNameChar(rest[n])) ++n;
    if (n == 3 && MatchesAt(rest, 0, "new") && n < rest.size()) {
        rest = TrimmedBlanks(rest.substr(n));
        n = 0;
        while (n < rest.size() && IsNameChar(rest[n])) ++n;
        if (n == 0 || n != rest.size()) return false;
        cls = LowerAscii(rest);
        target = "new";
        return true;
    }
    if (rest.empty() || rest.front() == '.' || rest.back() == '.' ||
        !std::all_of(rest.begin(), rest.end(), [](char c) { return IsNameChar(c) || c == '.'; }))
        return false;
    target = LowerAscii(rest);
    return true;
}

}  // namespace

std::string TargetBeforeDot(const EditorModel& editor, int caret) {
    if (caret < 1 || editor.CharAt(caret - 1) != '.') return {};
    int start = caret - 1;
    while (start > 0 && (IsNameChar(editor.CharAt(start - 1)) || editor.CharAt(start - 1) == '.'))
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
    std::string target = TargetBeforeDot(editor, caret);
    int before = caret - 1;  // the target's binding is read in front of this
    std::string cls;         // a With of New names its class itself
    if (target.empty()) {
        // Only a script with classes of its own needs its With blocks read here.
        const ScriptOutline* outline = knowledge.Outline();
        if (!outline || outline->Classes.empty()) return std::nullopt;
        if (!WithTargetBeforeDot(editor, caret, target, before, cls)) return std::nullopt;
    } else if (InStringOrComment(editor, caret)) {
        return std::nullopt;
    }
    const ScriptOutline* outline = knowledge.Outline();
    if (!outline || outline->Classes.empty()) return std::nullopt;
    if (target == "me") {
        const int at = knowledge.ToOutline(before);
        const OutlineBlock* block = outline->ProcedureAt(at);
        if (!block || block->Class < 0) block = outline->ClassAt(at);
        if (!block || block->Class < 0) return std::nullopt;
        return RowsOf(outline->Classes[static_cast<std::size_t>(block->Class)], true);
    }
    if (cls.empty()) {
        // The nearest Set in front of the dot decides: first in the text near the
        // caret, which may hold what was typed since the outline, then the outline's.
        const int from = std::max(0, before - kLocalScanBytes);
        std::optional<std::string> set = LastSetInText(editor, from, before, target);
        if (!set) {
            if (const std::string* earlier = outline->ClassSetBefore(target, knowledge.ToOutline(from))) set = *earlier;
        }
        if (!set || set->empty()) return std::nullopt;
        cls = std::move(*set);
    }
    const OutlineClass* own = outline->FindClass(cls);
    if (!own) return std::nullopt;
    return RowsOf(*own, false);
}

}  // namespace tarnwick
