#include "language/ui/MarkPainter.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tarnwick {

namespace {

// A zigzag from x1 to x2 along the bottom of a line: two pixels high, four wide a wave.
void DrawWave(QPainter& painter, qreal x1, qreal x2, qreal bottom) {
    QPainterPath wave;
    wave.moveTo(x1, bottom);
    bool up = true;
    for (qreal x = x1 + 2; x < x2 + 2; x += 2, up = !up) wave.lineTo(std::min(x, x2), up ? bottom - 2 : bottom);
    painter.drawPath(wave);
}

}  // namespace

QColor MarkColour(language::Severity severity) {
    return severity == language::Severity::Error ? QColor(230, 0, 0) : QColor(224, 150, 0);
}

void PaintSyntaxMarks(QPainter& painter, const MarkView& view, int first, int last, qreal left, qreal top) {
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
                DrawWave(painter, left + x1, left + x2, top + layout.LineHeight() - 1.5);
            }
        }
    }
    painter.restore();
}

}  // namespace tarnwick
