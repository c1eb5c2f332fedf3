#include "commands/IndentCommands.h"

#include "commands/CommentCommands.h"
#include "editor/CaretPrimitives.h"
#include "unit/MainUnit.h"

#include <string_view>

namespace tarnwick {
namespace {

constexpr std::string_view kIndent = "    ";
constexpr int kIndentWidth = static_cast<int>(kIndent.size());

// The spaces go straight into the text in front of the line's first
// character, so every character keeps its colour and the undo history stays.
void IndentLine(EditorModel& m, int n) {
    PlaceCaretAtLineStart(m, n);
    m.SetSelText(kIndent);
}

}  // namespace

void mIndentClick(MainUnit& unit) {
    EditorModel& m = unit.MainText;
    UndoGroup step(m);
    UpdateBracket noRepaint(m);
    const int firstVisible = m.FirstVisibleLine();
    auto restoreView = [&] { m.LineScroll(firstVisible - m.FirstVisibleLine()); };

    if (m.SelLength() == 0) {
        const int n = CurLineNum(m, m.SelStart());
        const int column = m.SelStart() - FirstColumn(m, n);
        IndentLine(m, n);
        restoreView();
        m.SetSelStart(FirstColumn(m, n) + column + kIndentWidth);
        return;
    }

    unit.Busy = true;
    const int start = m.SelStart();
    const int length = m.SelLength();
    const CommandLines lines = SelectedLines(m);
    int count = 0;
    for (int n = lines.first; n <= lines.last; ++n) {
        ++count;
        IndentLine(m, n);
    }
    m.SetSelStart(start);
    m.SetSelLength(length + kIndentWidth * count);
    // Last, so that a selection ending below the view does not scroll it either.
    restoreView();
    unit.Busy = false;
}

void mOutdentClick(MainUnit& unit) { RemoveLinePrefix(unit, kIndent); }

}  // namespace tarnwick
