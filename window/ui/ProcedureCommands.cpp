// The tool bar's procedure list: choosing a procedure puts the caret on it.

#include "window/ui/vbsmain.h"

#include "window/ui/ProcedureBox.h"

#include <QToolBar>

namespace tarnwick {

void TForm1::WireProcedureList() {
    TBar->addSeparator();
    CmbProcedures = new ProcedureBox(unit_.MainText, TBar);
    CmbProcedures->setFixedHeight(22);
    CmbProcedures->OnChosen = [this](int position) { PutCaret(position); };
    TBar->addWidget(CmbProcedures);
}

}  // namespace tarnwick
