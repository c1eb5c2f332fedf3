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
    std::stable_sort(marks_.begin(), marks_.end(),
                     [](const SyntaxMark& a, const SyntaxMark& b) { return a.offset < b.offset; });
    longest_ = 1;
    for (const SyntaxMark& mark : marks_) longest_ = std::max(longest_, mark.length);
}

void SyntaxMarks::Shift(int pos, int removed, int inserted) {
    const int editEnd = pos + removed, delta = inserted - removed;
    for (auto it = std::lower_bound(marks_.begin(), marks_.end(), pos - longest_,
                                    [](const SyntaxMark& m, int at) { return m.offset < at; });
         it != marks_.end(); ++it) {
        SyntaxMark& mark = *it;
        const int end = mark.offset + mark.length;
        if (end < pos || (end == pos && mark.length > 0)) continue;  // text added after it is not its own
        if (mark.offset >= editEnd && (mark.offset > pos || removed > 0 || inserted == 0)) {
            mark.offset += delta;  // wholly after the edit
        } else {
            // Touched: it covers the edited text until the next check says where it is.
            const int start = std::min(mark.offset, pos);
            mark.length = std::max(end + delta, pos + inserted) - start;
            mark.offset = start;
            longest_ = std::max(longest_, mark.length);
        }
    }
}

std::span<const SyntaxMark> SyntaxMarks::Touching(int start, int end) const {
    auto from = std::lower_bound(marks_.begin(), marks_.end(), start - longest_,
                                 [](const SyntaxMark& m, int at) { return m.offset < at; });
    while (from != marks_.end() && EndOf(*from) <= start && from->offset < end) ++from;
    auto to = std::lower_bound(from, marks_.end(), end, [](const SyntaxMark& m, int at) { return m.offset < at; });
    return {from, to};
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
