#include "completion/ParameterTip.h"

#include "completion/ExpressionTyping.h"
#include "completion/TextSearch.h"
#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {

namespace {

// Strings and comments are told apart once per line, not once per match: a
// long line holds many names and ")" to pass over.
// The first whole-word occurrence of a bound type's member, outside strings
// and comments, that the test accepts; -1 when there is none.
int MemberColumn(const TColorCoding& entry, std::string_view line, const StringCommentMask& skipped,
                 const TipMemberTest& memberTest) {
    const int length = static_cast<int>(line.size()), size = static_cast<int>(entry.Name.size());
    for (int at = 1; at + size <= length; ++at) {
        if (line[at - 1] != '.' || !MatchesAt(line, at, entry.Name) || skipped.Skips(at)) continue;
        if (at + size < length && !IsDelimiter(static_cast<unsigned char>(line[at + size]))) continue;
        if (memberTest(entry, at)) return at;
    }
    return -1;
}

std::vector<TAutoComplete> CollectTipCandidates(const SyntaxEntries& table, std::string_view line,
                                                const StringCommentMask& skipped,
                                                const TipMemberTest& memberTest = {}) {
    std::vector<TAutoComplete> candidates;
    const int length = static_cast<int>(line.size());
    for (const TColorCoding& entry : table) {
        if (entry.Parameter.empty()) continue;
        if (IsBoundTypeRow(entry)) {
            const int column = memberTest ? MemberColumn(entry, line, skipped, memberTest) : -1;
            if (column != -1) candidates.push_back({entry.Parameter, column, true});
            continue;
        }
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
        if (a.Member != b.Member) return a.Member;
        return LessIgnoringCase(b.Tip, a.Tip);
    });
}

int CountClosingParentheses(std::string_view line, int column) {
    return CountClosingParentheses(line, column, StringCommentMask(line));
}

std::optional<std::string> ChooseTip(const SyntaxEntries& table, std::string_view line, int column,
                                     const TipMemberTest& memberTest) {
    const StringCommentMask skipped(line);
    std::vector<TAutoComplete> candidates = CollectTipCandidates(table, line, skipped, memberTest);
    if (candidates.empty()) return std::nullopt;
    OrderTipCandidates(candidates);
    const int closed = CountClosingParentheses(line, column, skipped);
    if (closed >= static_cast<int>(candidates.size())) return std::nullopt;
    return candidates[closed].Tip;
}

}  // namespace tarnwick
