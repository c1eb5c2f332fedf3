#include "syntax/DimStatements.h"

#include "syntax/Scans.h"

#include <algorithm>
#include <limits>

namespace tarnwick {
namespace {

constexpr int kWholeText = std::numeric_limits<int>::max() - 1;
// An edit larger than this drops the list, which is built again when next asked for.
constexpr int kRebuildAbove = 1 << 20;

// 0-based index of the first occurrence of the letters dim at or after `from` in the first `end` characters.
int NextDim(std::string_view text, int from, int end) {
    if (from >= end) return -1;
    return SearchStr(text, "dim", from + 1, end - from - 1, NoOptions);
}

}  // namespace

DimStatements::DimStatements(EditorModel& model) : model_(model) { model_.AddObserver(this); }

DimStatements::~DimStatements() { model_.RemoveObserver(this); }

void DimStatements::ScanLine(std::string_view line, int lineStart, std::vector<Entry>& out) {
    const int length = static_cast<int>(line.size());
    for (int at = NextDim(line, 0, length); at != -1; at = NextDim(line, at + 3, length)) {
        Entry entry;
        entry.pos = lineStart + at;
        entry.delimitedBefore = at == 0 || IsDelimiter(static_cast<unsigned char>(line[at - 1]));
        entry.delimitedAfter = at + 3 == length || IsDelimiter(static_cast<unsigned char>(line[at + 3]));
        entry.skipped = IsString(line, 0, at) || IsComment(line, 0, at);
        if (!entry.skipped) {
            AppendDeclaredNames(line.substr(at + 3), entry.names);
            for (std::size_t n = 0; n < entry.names.size(); ++n) entry.bits |= BitOf(entry.names.FirstWordHashOf(n));
        }
        out.push_back(std::move(entry));
    }
}

void DimStatements::Build() {
    entries_.clear();
    const auto& text = model_.Text();
    const std::string_view all(text);
    const int size = static_cast<int>(all.size());
    int lineEnd = -1;  // the last line scanned ends here
    for (int at = NextDim(all, 0, size); at != -1; at = NextDim(all, std::max(at + 3, lineEnd), size)) {
        if (at < lineEnd) continue;
        int lineStart = at;
        while (lineStart > 0 && all[lineStart - 1] != '\n' && all[lineStart - 1] != '\r') --lineStart;
        lineEnd = static_cast<int>(std::min(all.find_first_of("\r\n", at), all.size()));
        ScanLine(all.substr(lineStart, lineEnd - lineStart), lineStart, entries_);
    }
    built_ = true;
}

void DimStatements::TextChanged(int pos, int removed, int inserted) {
    if (!built_) return;
    if (removed > kRebuildAbove || inserted > kRebuildAbove) {
        built_ = false;
        entries_.clear();
        return;
    }
    // The lines the edit touched, as they now stand, and where they ended before it.
    const int delta = inserted - removed;
    const int firstLine = model_.LineFromChar(pos);
    const int lastLine = model_.LineFromChar(pos + inserted);
    const int start = model_.LineIndex(firstLine);
    const int lastStart = model_.LineIndex(lastLine);
    const int end = lastStart + model_.LineLength(lastStart);
    const int oldEnd = end - delta;

    auto byPos = [](const Entry& e, int p) { return e.pos < p; };
    auto first = std::lower_bound(entries_.begin(), entries_.end(), start, byPos);
    auto last = std::lower_bound(first, entries_.end(), oldEnd, byPos);
    for (auto it = last; it != entries_.end(); ++it) it->pos += delta;
    std::vector<Entry> fresh;
    for (int line = firstLine; line <= lastLine; ++line) {
        const std::string text = model_.Line(line);
        ScanLine(text, model_.LineIndex(line), fresh);
    }
    auto at = entries_.erase(first, last);
    entries_.insert(at, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

DeclaredNameList DimStatements::Names(int count, int lineStart, std::string_view line, std::uint64_t wanted) {
    if (!built_) Build();
    DeclaredNameList names;
    const int size = model_.Length();
    const int lineEnd = lineStart + static_cast<int>(line.size());
    // The search window [start, windowEnd): Count + 1 characters, its edges counting as word boundaries.
    int start = 0;
    auto byPos = [](const Entry& e, int p) { return e.pos < p; };
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
        const int windowEnd = static_cast<int>(std::min<long long>(size, static_cast<long long>(start) + count + 1));
        if (it->pos < start) it = std::lower_bound(it, entries_.end(), start, byPos);
        if (it == entries_.end() || it->pos + 3 > windowEnd) break;
        const bool before = it->pos == start || it->delimitedBefore;
        const bool after = it->pos + 3 == windowEnd || it->delimitedAfter;
        if (!before || !after) continue;
        if (it->skipped) {
            start = it->pos + 3;  // searched again from the character after the match
            continue;
        }
        if (it->pos >= lineStart && it->pos + 3 <= lineEnd) {
            DeclaredNameList own;
            AppendDeclaredNames(line.substr(static_cast<std::size_t>(it->pos - lineStart + 3)), own);
            for (std::size_t n = 0; n < own.size(); ++n)
                if ((wanted & BitOf(own.FirstWordHashOf(n))) != 0) names.Add(own[n]);
        } else if ((it->bits & wanted) != 0) {
            for (std::size_t n = 0; n < it->names.size(); ++n)
                if ((wanted & BitOf(it->names.FirstWordHashOf(n))) != 0) names.Add(it->names[n]);
        }
        start = it->pos + 2;  // the next search starts at the found word's last letter
    }
    return names;
}

}  // namespace tarnwick
