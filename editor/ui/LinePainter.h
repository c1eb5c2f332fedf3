#pragma once

#include "editor/EditorModel.h"
#include "editor/ui/EditorLayout.h"

#include <QColor>

class QPainter;

namespace tarnwick {

// Paints lines of the document in each character's colour: one painter for
// the screen and the printer.
struct LinePainter {
    const EditorModel& model;
    const EditorLayout& layout;
    int selStart = 0;  // the selected range [selStart, selEnd); empty for the printer
    int selEnd = 0;
    QColor highlight;
    QColor highlightedText;

    // Paints 0-based line with its left edge at x = left and its top at top;
    // only the characters that show in [clipLeft, clipWidth) are drawn. A
    // caller that knows where column fromColumn stands (fromX from the line's
    // left edge) lets the walk start there when nothing before it shows.
    void PaintLine(QPainter& painter, int line, qreal left, qreal top, qreal clipWidth, qreal clipLeft = 0,
                   int fromColumn = 0, qreal fromX = 0) const;
    // Paints the columns [fromColumn, toColumn) of a line, column fromColumn
    // at x = left + fromX (fromX measured from the line's left edge): a piece
    // of a line wrapped on paper.
    void PaintColumns(QPainter& painter, int line, qreal left, qreal top, int fromColumn, qreal fromX,
                      int toColumn) const;

private:
    void Paint(QPainter& painter, int line, qreal left, qreal top, qreal clipWidth, qreal clipLeft, int col,
               qreal x, int end) const;
};

QColor ToQColor(Colour colour);

}  // namespace tarnwick
