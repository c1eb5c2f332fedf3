#include "commands/CommentCommands.h"

#include "editor/CaretPrimitives.h"
#include "syntax/ColorText.h"
#include "unit/MainUnit.h"

#include <algorithm>
#include <string>

namespace tarnwick {
namespace {

constexpr std::string_view kCommentMark = "'";

}  // namespace

CommandLines SelectedLines(const EditorModel& m) {
    const int start = m.SelStart();
    return {CurLineNum(m, start), CurLineNum(m, start + m.SelLength())};
}

void PlaceCaretAtLineStart(EditorModel& m, int n) {
    m.SetSelStart(FirstColumn(m, n));
    const int start = FirstColumn(m, n);
    if (m.SelStart() != start) m.SetSelStart(start);
}

void ReplaceLine(EditorModel& m, int n, std::string_view text) {
    PlaceCaretAtLineStart(m, n);
    m.SetSelLength(CurLineLen(m, m.SelStart()));
    m.SetSelText(text);
}

void RemoveLinePrefix(MainUnit& unit, std::string_view prefix) {
    EditorModel& m = unit.MainText;
    UndoGroup step(m);
    auto removeFrom = [&](int n) {
        const std::string text = m.Line(n - 1);
        if (!std::string_view(text).starts_with(prefix)) return false;
        ReplaceLine(m, n, std::string_view(text).substr(prefix.size()));
        return true;
    };

    if (m.SelLength() == 0) {
        const int n = CurLineNum(m, m.SelStart());
        removeFrom(n);
        ColorText(unit, n);
        return;
    }

    unit.Busy = true;
    const int start = m.SelStart();
    const int length = m.SelLength();
    const CommandLines lines = SelectedLines(m);
    int removed = 0;
    for (int n = lines.first; n <= lines.last; ++n) {
        if (removeFrom(n)) ++removed;
        ColorText(unit, n);
    }
    m.SetSelStart(start);
    // A selection that began inside a prefix can lose more than it held; it never turns round.
    m.SetSelLength(std::max(0, length - removed * static_cast<int>(prefix.size())));
    unit.Busy = false;
}

void mCommentClick(MainUnit& unit) {
    EditorModel& m = unit.MainText;
    UndoGroup step(m);
    auto comment = [&](int n) { ReplaceLine(m, n, std::string(kCommentMark) + m.Line(n - 1)); };

    if (m.SelLength() == 0) {
        // The caret ends after the new text, and colouring keeps it at that column.
        const int n = CurLineNum(m, m.SelStart());
        comment(n);
        ColorText(unit, n);
        return;
    }

    unit.Busy = true;
    const int start = m.SelStart();
    const int length = m.SelLength();
    const CommandLines lines = SelectedLines(m);
    int count = 0;
    for (int n = lines.first; n <= lines.last; ++n) {
        ++count;
        comment(n);
        ColorText(unit, n);
    }
    m.SetSelStart(start);
    m.SetSelLength(length + count);
    unit.Busy = false;
}

void mUncommentClick(MainUnit& unit) { RemoveLinePrefix(unit, kCommentMark); }

}  // namespace tarnwick
