#include "language/SyntaxMarks.h"

#include <algorithm>

namespace tarnwick::language {

namespace {

int EndOf(const SyntaxMark& mark) { return mark.offset + std::max(mark.length, 1); }

}  // namespace

void SyntaxMarks::Assign(const std::vector<Diagnostic>& found) {
    marks_.clear();
    marks_.reserve(found.size());
    for (const Diagnostic& d : found) marks_.push_back({d.offset, d.length, d.severity, d.text});
    const auto byOffset = [](const SyntaxMark& a, const SyntaxMark& b) { return a.offset < b.offset; };
    if (!std::is_sorted(marks_.begin(), marks_.end(), byOffset))  // findings come in order but for the first
        std::stable_sort(marks_.begin(), marks_.end(), byOffset);
    reach_.resize(marks_.size());
    UpdateReach(0);
}

void SyntaxMarks::Clear() {
    marks_.clear();
    reach_.clear();
}

void SyntaxMarks::UpdateReach(std::size_t from) {
    for (std::size_t i = from; i < marks_.size(); ++i)
        reach_[i] = std::max(i ? reach_[i - 1] : 0, EndOf(marks_[i]));
}

std::size_t SyntaxMarks::FirstReaching(int pos) const {
    return static_cast<std::size_t>(std::upper_bound(reach_.begin(), reach_.end(), pos) - reach_.begin());
}

void SyntaxMarks::Shift(int pos, int removed, int inserted) {
    const int editEnd = pos + removed, delta = inserted - removed;
    // Marks ending before pos stay; a mark ending at pos is touched only when it has no length.
    const std::size_t first = FirstReaching(pos - 1);
    // One pass moves the marks and brings their reach up to date: a keystroke
    // in a long script with many marks walks them once.
    int reach = first ? reach_[first - 1] : 0;
    for (std::size_t i = first; i < marks_.size(); ++i) {
        SyntaxMark& mark = marks_[i];
        const int end = mark.offset + mark.length;
        if (end < pos || (end == pos && mark.length > 0)) {
            // text added after it is not its own
        } else if (mark.offset >= editEnd && (mark.offset > pos || removed > 0 || inserted == 0)) {
            mark.offset += delta;  // wholly after the edit
        } else {
            // Touched: it covers the edited text until the next check says where it is.
            const int start = std::min(mark.offset, pos);
            mark.length = std::max(end + delta, pos + inserted) - start;
            mark.offset = start;
        }
        reach = std::max(reach, EndOf(mark));
        reach_[i] = reach;
    }
}

std::span<const SyntaxMark> SyntaxMarks::Touching(int start, int end) const {
    const auto from = marks_.begin() + static_cast<std::ptrdiff_t>(FirstReaching(start));
    const auto to = std::lower_bound(from, marks_.end(), end, [](const SyntaxMark& m, int at) { return m.offset < at; });
    return {from, std::max(from, to)};
}

const SyntaxMark* SyntaxMarks::Within(int start, int end) const {
    const SyntaxMark* warning = nullptr;
    for (const SyntaxMark& mark : Touching(start, end)) {
        if (EndOf(mark) <= start) continue;  // an earlier, shorter one among those still reaching in
        if (mark.severity == Severity::Error) return &mark;
        if (!warning) warning = &mark;
    }
    return warning;
}

}  // namespace tarnwick::language
