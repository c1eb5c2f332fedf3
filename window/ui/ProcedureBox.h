#pragma once

#include "editor/EditorModel.h"
#include "syntax/Procedures.h"

#include <QComboBox>
#include <QTimer>

#include <functional>
#include <vector>

namespace tarnwick {

// The tool bar's list of the script's Sub, Function, Property and Class
// declarations. It follows the caret's procedure; choosing one hands its
// place to OnChosen. The text is scanned a moment after it stops changing,
// never on every key, so a large script stays quick to type in.
class ProcedureBox : public QComboBox, public EditorObserver {
    Q_OBJECT
public:
    static constexpr int kRescanDelayMs = 400;
    static constexpr int kWidth = 190;
    static constexpr int kVisibleRows = 30;  // the open list scrolls beyond these

    ProcedureBox(EditorModel& model, QWidget* parent = nullptr);
    ~ProcedureBox() override;

    // The declaration's position: its first word.
    std::function<void(int position)> OnChosen;
    // Escape, in the box or its open list: the keyboard goes back to the editor.
    std::function<void()> OnEscape;

    // Scans now, when the text changed since the last scan.
    void Rescan();
    const std::vector<Procedure>& Procedures() const { return procedures_; }

    // EditorObserver
    void TextChanged(int pos, int removed, int inserted) override;
    void SelectionChanged() override;

    void showPopup() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Follow();

    EditorModel& model_;
    std::vector<Procedure> procedures_;
    QTimer rescan_;
    bool stale_ = true;
};

}  // namespace tarnwick
