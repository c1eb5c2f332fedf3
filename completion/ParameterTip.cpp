#include "completion/ParameterTip.h"

#include "completion/TextSearch.h"
#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Strings and comments are told apart once per line, not once per match: a
// long line holds many names and ")" to pass over.
std::vector<TAutoComplete> CollectTipCandidates(const SyntaxEntries& table, std::string_view line,
                                                const StringCommentMask& skipped) {
    std::vector<TAutoComplete> candidates;
    const int length = static_cast<int>(line.size());
    for (const TColorCoding& entry : table) {
        if (entry.Parameter.empty()) continue;
        const int column = InStr(line, entry.Name, 0, length, WholeWord, skipped);
        if (column != -1) candidates.push_back({entry.Parameter, column});
    }
    return candidates;
}

int CountClosingParentheses(std::string_view line, int column, const StringCommentMask& skipped) {
    int count = 0;
    for (int found = InStr(line, ")", 0, column, NoOptions, skipped); found != -1;
         found = InStr(line, ")", found + 2, column, NoOptions, skipped))
        ++count;
    return count;
}

}  // namespace

std::vector<TAutoComplete> CollectTipCandidates(const SyntaxEntries& table, std::string_view line) {
    return CollectTipCandidates(table, line, StringCommentMask(line));
}

void OrderTipCandidates(std::vector<TAutoComplete>& candidates) {
    std::stable_sort(candidates.begin(), candidates.end(), [](const TAutoComplete& a, const TAutoComplete& b) {
        if (a.Column != b.Column) return a.Column > b.Column;
        return LessIgnoringCase(b.Tip, a.Tip);
    });
}

int CountClosingParentheses(std::string_view line, int column) {
    return CountClosingParentheses(line, column, StringCommentMask(line));
}

std::optional<std::string> ChooseTip(const SyntaxEntries& table, std::string_view line, int column) {
    const StringCommentMask skipped(line);
    std::vector<TAutoComplete> candidates = CollectTipCandidates(table, line, skipped);
    if (candidates.empty()) return std::nullopt;
    OrderTipCandidates(candidates);
    const int closed = CountClosingParentheses(line, column, skipped);
    if (closed >= static_cast<int>(candidates.size())) return std::nullopt;
    return candidates[closed].Tip;
}

}  // namespace tarnwick
