// The tool bar's procedure list: choosing a procedure puts the caret on it.

#include "window/ui/vbsmain.h"

#include "window/ui/EditorWidget.h"
#include "window/ui/ProcedureBox.h"

#include <QToolBar>

#include <algorithm>

namespace tarnwick {

namespace {

constexpr int kLinesAboveChosen = 2;  // what leads up to a declaration, a comment above it say

}  // namespace

void TForm1::WireProcedureList() {
    TBar->addSeparator();
    CmbProcedures = new ProcedureBox(unit_.MainText, TBar);
    CmbProcedures->setFixedHeight(22);
    CmbProcedures->OnChosen = [this](int position) {
        PutCaret(position);
        // A procedure is read downwards: its line goes near the top of the view,
        // which still ends at the last line.
        EditorModel& text = unit_.MainText;
        const int lastTop = std::max(0, text.BreakCount() + 1 - mainText_->VisibleLineCount());
        text.SetFirstVisibleLine(std::min(std::max(0, text.LineFromChar(position) - kLinesAboveChosen), lastTop));
    };
    CmbProcedures->OnEscape = [this] { mainText_->setFocus(Qt::ShortcutFocusReason); };
    TBar->addWidget(CmbProcedures);
}

void TForm1::ShowProcedureList() {
    CmbProcedures->setFocus(Qt::ShortcutFocusReason);
    CmbProcedures->showPopup();
}

}  // namespace tarnwick
