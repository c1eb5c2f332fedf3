#pragma once

// Private to the editor model: the records of its undo history.

#include "app/EditorModel.h"

namespace tarnwick {

// One replacement: at pos, `removed` (with its colours) gave way to `inserted`.
// A colour change is a replacement of text by the same text, kept once.
// Colours are indices into the model's colour table, one byte a character,
// so a change of a role's colour reaches the history through the table.
struct EditorModel::UndoRecord {
    int pos = 0;
    std::string removed;
    std::string removedColours;
    std::string inserted;  // empty in a colour change
    std::string insertedColours;
    bool coloursOnly = false;

    const std::string& InsertedText() const { return coloursOnly ? removed : inserted; }
};

// What one Undo reverts: one command, or one run of typing.
struct EditorModel::UndoStep {
    std::vector<UndoRecord> records;
    int anchorBefore = 0;
    int caretBefore = 0;
    int caretAfter = 0;
    bool typing = false;
};

}  // namespace tarnwick
