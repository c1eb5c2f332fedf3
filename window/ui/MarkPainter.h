#pragma once

#include "editor/EditorModel.h"
#include "editor/ui/EditorLayout.h"
#include "language/SyntaxMarks.h"

#include <QColor>

class QPainter;

namespace tarnwick {

class EditorWidget;

struct MarkView {
    const EditorModel& model;
    const EditorLayout& layout;
    const language::SyntaxMarks& marks;
};

// Red for errors; warnings in amber, which no colour of the text uses by default.
QColor MarkColour(language::Severity severity);

// Draws a wavy line under each mark on 0-based lines first to last, the first
// with its top at top and its text's left edge at left; only what lies between
// clipLeft and clipRight, the part of the view being repainted.
void PaintSyntaxMarks(QPainter& painter, const MarkView& view, int first, int last, qreal left, qreal top,
                      qreal clipLeft, qreal clipRight);

// Repaints the lines on view whose underlines differ between the marks before
// and after a check: after a keystroke usually none, or the line typed on.
void UpdateChangedMarks(EditorWidget& editor, const language::SyntaxMarks& before, const language::SyntaxMarks& after);

}  // namespace tarnwick
