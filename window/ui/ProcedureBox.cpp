#include "window/ui/ProcedureBox.h"

#include "unit/ui/QtPorts.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>

namespace tarnwick {

ProcedureBox::ProcedureBox(EditorModel& model, QWidget* parent) : QComboBox(parent), model_(model) {
    setObjectName("CmbProcedures");
    setToolTip("Procedures of the script");
    setPlaceholderText("(General)");  // shown while the caret is outside every procedure
    setFixedWidth(kWidth);  // the tool bar of the design's window has room for this much
    setMaxVisibleItems(kVisibleRows);
    // Styles that drop a list down as a menu ignore the limit and grow it to the
    // screen's height: a script of thousands of procedures gets a scrolled list.
    setStyleSheet("QComboBox { combobox-popup: 0; }");
    setFocusPolicy(Qt::StrongFocus);  // in the Tab order, and reached by its shortcut
    rescan_.setSingleShot(true);
    rescan_.setInterval(kRescanDelayMs);
    connect(&rescan_, &QTimer::timeout, this, [this] { Rescan(); });
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index < 0 || index >= static_cast<int>(procedures_.size()) || !OnChosen) return;
        const Procedure& chosen = procedures_[index];
        // The list may be a moment old: the place stays inside the text.
        const int start = model_.LineIndex(std::min(chosen.line, model_.BreakCount()));
        OnChosen(start + std::min(chosen.column, model_.LineLength(start)));
    });
    model_.AddObserver(this);
    rescan_.start();
}

ProcedureBox::~ProcedureBox() { model_.RemoveObserver(this); }

void ProcedureBox::Rescan() {
    rescan_.stop();
    if (!stale_) return;
    stale_ = false;
    std::vector<Procedure> found = ScanProcedures(model_);
    if (found != procedures_) {
        procedures_ = std::move(found);
        const QSignalBlocker block(this);
        clear();
        for (const Procedure& procedure : procedures_) addItem(FromAnsi(ProcedureLabel(procedure)));
        // The list that opens is as wide as its longest label.
        view()->setMinimumWidth(std::min(view()->sizeHintForColumn(0) + 24, 600));
    }
    Follow();
}

void ProcedureBox::TextChanged(int, int, int) {
    stale_ = true;
    rescan_.start();  // again: the scan waits until typing pauses
}

void ProcedureBox::SelectionChanged() { Follow(); }

void ProcedureBox::showPopup() {
    // Not in the constructor: the list made before the style sheet is applied would ignore it.
    view()->removeEventFilter(this);
    view()->installEventFilter(this);
    Rescan();
    QComboBox::showPopup();
}

void ProcedureBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && OnEscape) {
        OnEscape();
        return;
    }
    QComboBox::keyPressEvent(event);
}

bool ProcedureBox::eventFilter(QObject* watched, QEvent* event) {
    // Ahead of the list's own handling, which would leave the keyboard in the box.
    if (watched == view() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && OnEscape) {
        hidePopup();
        OnEscape();
        return true;
    }
    return false;
}

void ProcedureBox::Follow() {
    const int index = ProcedureAt(procedures_, model_.LineFromChar(model_.CaretPos()));
    if (index != currentIndex()) {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
}

}  // namespace tarnwick
