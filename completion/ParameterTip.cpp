#include "completion/ParameterTip.h"

#include "completion/TextSearch.h"
#include "syntax/Scans.h"

#include <algorithm>

namespace tarnwick {

std::vector<TAutoComplete> CollectTipCandidates(const SyntaxEntries& table, std::string_view line) {
    std::vector<TAutoComplete> candidates;
    const int length = static_cast<int>(line.size());
    for (const TColorCoding& entry : table) {
        if (entry.Parameter.empty()) continue;
        const int column = InStr(line, entry.Name, 0, length, WholeWord, true, true);
        if (column != -1) candidates.push_back({entry.Parameter, column});
    }
    return candidates;
}

void OrderTipCandidates(std::vector<TAutoComplete>& candidates) {
    std::stable_sort(candidates.begin(), candidates.end(), [](const TAutoComplete& a, const TAutoComplete& b) {
        if (a.Column != b.Column) return a.Column > b.Column;
        return LessIgnoringCase(b.Tip, a.Tip);
    });
}

int CountClosingParentheses(std::string_view line, int column) {
    int count = 0;
    for (int found = InStr(line, ")", 0, column, NoOptions, true, true); found != -1;
         found = InStr(line, ")", found + 2, column, NoOptions, true, true))
        ++count;
    return count;
}

std::optional<std::string> ChooseTip(const SyntaxEntries& table, std::string_view line, int column) {
    std::vector<TAutoComplete> candidates = CollectTipCandidates(table, line);
    if (candidates.empty()) return std::nullopt;
    OrderTipCandidates(candidates);
    const int closed = CountClosingParentheses(line, column);
    if (closed >= static_cast<int>(candidates.size())) return std::nullopt;
    return candidates[closed].Tip;
}

}  // namespace tarnwick
