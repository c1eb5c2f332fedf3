#include "window/ui/MarkPainter.h"

#include "window/ui/EditorWidget.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <climits>
#include <tuple>

namespace tarnwick {

namespace {

// A zigzag from x1 to x2 along the bottom of a line: two pixels high, four wide
// a wave. Only its part between clipLeft and clipRight is drawn (a caret's
// blink repaints one cell), in the same phase as the whole.
void DrawWave(QPainter& painter, qreal x1, qreal x2, qreal bottom, qreal clipLeft, qreal clipRight) {
    if (x2 < clipLeft - 2 || x1 > clipRight + 2) return;
    // The zigzag's k-th corner is at x1 + 2k, up when k is odd.
    const int firstStep = std::max(0, static_cast<int>((clipLeft - x1) / 2) - 1);
    qreal x = x1 + 2 * firstStep;
    bool up = firstStep % 2 == 1;
    QPainterPath wave;
    wave.moveTo(x, up ? bottom - 2 : bottom);
    for (x += 2, up = !up; x < x2 + 2 && x < clipRight + 4; x += 2, up = !up)
        wave.lineTo(std::min(x, x2), up ? bottom - 2 : bottom);
    painter.drawPath(wave);
}

auto Shown(const language::SyntaxMark& mark) { return std::tuple(mark.offset, mark.length, mark.severity); }

}  // namespace

QColor MarkColour(language::Severity severity) {
    return severity == language::Severity::Error ? QColor(230, 0, 0) : QColor(224, 150, 0);
}

void PaintSyntaxMarks(QPainter& painter, const MarkView& view, int first, int last, qreal left, qreal top,
                      qreal clipLeft, qreal clipRight) {
    if (view.marks.All().empty()) return;
    const EditorLayout& layout = view.layout;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setBrush(Qt::NoBrush);
    last = std::min(last, view.model.BreakCount());
    for (int line = first; line <= last; ++line, top += layout.LineHeight()) {
        const int start = view.model.LineIndex(line);
        if (start < 0) break;
        const int length = view.model.LineLength(start);
        // A mark at the line's end (an "Expected" at a line break) counts as on it.
        const auto marks = view.marks.Touching(start, start + length + 1);
        if (marks.empty()) continue;
        const std::string_view text = view.model.TextView(start, length);
        // Warnings first, so an error over the same place shows on top.
        for (const language::Severity severity : {language::Severity::Warning, language::Severity::Error}) {
            painter.setPen(QPen(MarkColour(severity), 1.2));
            for (const language::SyntaxMark& mark : marks) {
                if (mark.severity != severity || mark.offset + std::max(mark.length, 1) <= start) continue;
                const int from = std::clamp(mark.offset - start, 0, length);
                const int to = std::clamp(mark.offset + mark.length - start, from, length);
                const qreal x1 = layout.XOfColumn(text, from);
                const qreal x2 = to > from ? layout.XOfColumn(text, to) : x1 + layout.Advance(' ');
                DrawWave(painter, left + x1, left + x2, top + layout.LineHeight() - 1.5, clipLeft, clipRight);
            }
        }
    }
    painter.restore();
}

void UpdateChangedMarks(EditorWidget& editor, const language::SyntaxMarks& before, const language::SyntaxMarks& after) {
    const EditorModel& model = editor.Model();
    const int first = model.FirstVisibleLine();
    const int last = std::min(first + editor.VisibleLineCount() + 1, model.BreakCount());
    const int start = std::max(0, model.LineIndex(first));
    const int lastStart = model.LineIndex(last);
    const int end = lastStart < 0 ? model.Length() + 1 : lastStart + model.LineLength(lastStart) + 1;
    // The marks in one set and not in the other, walked in the order of their places.
    const auto a = before.Touching(start, end), b = after.Touching(start, end);
    int from = INT_MAX, to = -1;
    auto differs = [&](const language::SyntaxMark& mark) {
        from = std::min(from, std::max(mark.offset, start));
        to = std::max(to, std::min(mark.offset + std::max(mark.length, 1), end - 1));
    };
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (j == b.size() || (i < a.size() && Shown(a[i]) < Shown(b[j]))) differs(a[i++]);
        else if (i == a.size() || Shown(b[j]) < Shown(a[i])) differs(b[j++]);
        else ++i, ++j;
    }
    if (to < 0) return;
    const int height = editor.Layout().LineHeight();
    const int top = (model.LineFromChar(std::min(from, model.Length())) - first) * height;
    const int bottom = (model.LineFromChar(std::min(to, model.Length())) - first + 1) * height;
    editor.viewport()->update(QRect(0, top, editor.viewport()->width(), bottom - top));
}

}  // namespace tarnwick
