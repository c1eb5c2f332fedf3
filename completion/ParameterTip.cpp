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

bool IsWordChar(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 128 || c == '_' || (c >= '0' && c <= '9') || (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'z');
}

// Each name the script defines gives one candidate, at its first whole-word
// place outside strings and comments, as a syntax entry does.
void AddOwnTipCandidates(std::string_view line, const StringCommentMask& skipped, const OwnTipLookup& own,
                         std::vector<TAutoComplete>& candidates) {
    std::vector<const std::string*> seen;
    std::string lower;
    for (std::size_t i = 0; i < line.size();) {
        if (!IsWordChar(line[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && IsWordChar(line[i])) ++i;
        if (skipped.Skips(static_cast<int>(start))) continue;
        lower.assign(line.substr(start, i - start));
        for (char& c : lower) c = AsciiLower(c);
        const std::string* tip = own(lower);
        if (!tip || std::find(seen.begin(), seen.end(), tip) != seen.end()) continue;
        seen.push_back(tip);
        candidates.push_back({*tip, static_cast<int>(start)});
    }
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
                                     const TipMemberTest& memberTest, const OwnTipLookup& own) {
    const StringCommentMask skipped(line);
    std::vector<TAutoComplete> candidates = CollectTipCandidates(table, line, skipped, memberTest);
    if (own) AddOwnTipCandidates(line, skipped, own, candidates);
    if (candidates.empty()) return std::nullopt;
    OrderTipCandidates(candidates);
    const int closed = CountClosingParentheses(line, column, skipped);
    if (closed >= static_cast<int>(candidates.size())) return std::nullopt;
    return candidates[closed].Tip;
}

}  // namespace tarnwick
