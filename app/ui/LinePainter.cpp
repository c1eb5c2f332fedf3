#include "app/ui/LinePainter.h"

#include <QPainter>

namespace tarnwick {

QColor ToQColor(Colour c) {
    const Colour shown = DisplayedColour(c);
    return QColor(static_cast<int>(RedOf(shown)), static_cast<int>(GreenOf(shown)), static_cast<int>(BlueOf(shown)));
}

void LinePainter::PaintLine(QPainter& painter, int line, qreal left, qreal top, qreal clipWidth) const {
    const int start = model.LineIndex(line);
    if (start < 0) return;
    const int length = model.LineLength(start);
    const std::string& text = model.Text();
    const std::vector<Colour>& colours = model.StoredColours();
    const int lineHeight = layout.LineHeight();
    auto selected = [this](int pos) { return pos >= selStart && pos < selEnd; };

    // Runs of one colour and one selection state, cut at tabs and control characters.
    qreal x = 0;
    int col = 0;
    while (col < length) {
        const int pos = start + col;
        const bool runSelected = selected(pos);
        const unsigned char first = static_cast<unsigned char>(text[pos]);
        const qreal runX = x;
        int end = col;
        if (first < 32) {
            x = layout.NextX(x, first);
            end = col + 1;
        } else {
            const Colour colour = colours[pos];
            // A character of several bytes is drawn whole, in the colour of its first.
            const std::string_view lineText = std::string_view(text).substr(start, length);
            while (end < length) {
                const int p = start + end;
                const unsigned char c = static_cast<unsigned char>(text[p]);
                if (c < 32 || colours[p] != colour || selected(p) != runSelected) break;
                x = layout.NextX(x, lineText, end);
                end += layout.CharLength(lineText, end);
            }
        }
        if (left + x >= 0 && left + runX <= clipWidth) {
            if (runSelected) painter.fillRect(QRectF(left + runX, top, x - runX, lineHeight), highlight);
            if (first >= 32) {
                painter.setPen(runSelected ? highlightedText : ToQColor(colours[pos]));
                painter.drawText(QPointF(left + runX, top + layout.Ascent()),
                                 layout.Shown(std::string_view(text).substr(pos, end - col)));
            }
        }
        col = end;
    }
    // A selected line break shows as a blank cell after the line.
    const int breakPos = start + length;
    if (breakPos < model.Length() && selected(breakPos))
        painter.fillRect(QRectF(left + x, top, layout.Advance(' '), lineHeight), highlight);
}

}  // namespace tarnwick
