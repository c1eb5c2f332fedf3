#include "editor/EditorUndo.h"

namespace tarnwick {

EditorModel::UndoRecord::UndoRecord(int at, std::string_view removed, std::string_view removedColours,
                                    std::string_view inserted, std::string_view insertedColours)
    : pos(at),
      removedLength(static_cast<int>(removed.size())),
      insertedLength(static_cast<int>(inserted.size())),
      coloursOnly(removed == inserted) {
    bytes.reserve(removed.size() * 2 + (coloursOnly ? 0 : inserted.size()) + inserted.size());
    bytes.append(removed).append(removedColours);
    if (!coloursOnly) bytes.append(inserted);
    bytes.append(insertedColours);
}

void EditorModel::RecordReplace(int pos, std::string removedText, std::string removedColours, int inserted,
                                bool typing) {
    if (replaying_) return;
    UndoRecord record(pos, removedText, removedColours, text_.Slice(pos, inserted), colours_.Slice(pos, inserted));
    // A typed text that happens to equal the selection it replaces is still an
    // edit the user makes, not a recolouring.
    const bool changesText = !record.coloursOnly || typing;
    // A change of colours alone leaves every redo step fitting the text.
    if (changesText) redo_.clear();
    if (!changesText && groupDepth_ == 0) {
        // Recolouring is no step of its own: every Undo the user presses undoes text.
        if (!undo_.empty()) undo_.back().records.push_back(std::move(record));
        return;
    }
    if (groupDepth_ > 0 && changesText) groupChangedText_ = true;
    bool breakTyped = record.Inserted().find('\n') != std::string_view::npos;
    int caretAfter = pos + inserted;

    bool join = false;
    if (groupDepth_ > 0) {
        join = groupOpen_ && !undo_.empty();
        groupOpen_ = true;
    } else if (typing && !breakTyped && !undo_.empty()) {
        const UndoStep& last = undo_.back();
        // Typing goes on where the last typed run ended: one undo step.
        join = last.typing && lastWasTyping_ && last.caretAfter == caret_ && anchor_ == caret_;
    }
    if (!join) {
        UndoStep step;
        // Undoing a command puts back the selection the user had before it.
        step.anchorBefore = groupDepth_ > 0 ? groupAnchor_ : anchor_;
        step.caretBefore = groupDepth_ > 0 ? groupCaret_ : caret_;
        step.typing = typing && groupDepth_ == 0;
        undo_.push_back(std::move(step));
    }
    UndoStep& step = undo_.back();
    step.records.push_back(std::move(record));
    step.caretAfter = caretAfter;
    lastWasTyping_ = typing && groupDepth_ == 0;
}

void EditorModel::BeginUndoGroup() {
    if (groupDepth_++ == 0) {
        groupOpen_ = false;
        groupChangedText_ = false;
        groupAnchor_ = anchor_;
        groupCaret_ = caret_;
    }
}

void EditorModel::EndUndoGroup() {
    if (groupDepth_ > 0 && --groupDepth_ == 0) {
        if (groupOpen_ && !groupChangedText_ && !undo_.empty()) {
            // A command that only recoloured joins the step before it.
            UndoStep colours = std::move(undo_.back());
            undo_.pop_back();
            if (!undo_.empty())
                for (UndoRecord& record : colours.records) undo_.back().records.push_back(std::move(record));
        }
        groupOpen_ = false;
        lastWasTyping_ = false;
    }
}

void EditorModel::ClearUndo() {
    undo_.clear();
    redo_.clear();
    lastWasTyping_ = false;
    groupOpen_ = false;
}

bool EditorModel::CanUndo() const { return !undo_.empty(); }
bool EditorModel::CanRedo() const { return !redo_.empty(); }

void EditorModel::Undo() {
    if (undo_.empty()) return;
    UndoStep step = std::move(undo_.back());
    undo_.pop_back();
    replaying_ = true;
    for (auto it = step.records.rbegin(); it != step.records.rend(); ++it)
        ApplyRaw(it->pos, it->insertedLength, it->Removed(), it->RemovedColours());
    replaying_ = false;
    lastWasTyping_ = false;
    SetSelectionRaw(step.anchorBefore, step.caretBefore);
    redo_.push_back(std::move(step));
    ScrollCaret();
    NotifySelection();
}

void EditorModel::Redo() {
    if (redo_.empty()) return;
    UndoStep step = std::move(redo_.back());
    redo_.pop_back();
    replaying_ = true;
    for (auto& r : step.records) {
        r.SetRemovedColours(colours_.Slice(r.pos, r.removedLength));
        ApplyRaw(r.pos, r.removedLength, r.Inserted(), r.InsertedColours());
    }
    replaying_ = false;
    lastWasTyping_ = false;
    SetSelectionRaw(step.caretAfter, step.caretAfter);
    undo_.push_back(std::move(step));
    ScrollCaret();
    NotifySelection();
}

}  // namespace tarnwick
