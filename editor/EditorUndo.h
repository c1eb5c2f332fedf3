#pragma once

// Private to the editor model: the records of its undo history.

#include "editor/EditorModel.h"

namespace tarnwick {

// One replacement: at pos, the removed text (with its colours) gave way to
// the inserted text. A colour change is a replacement of text by the same
// text, kept once. Colours are indices into the model's colour table, one byte
// a character, so a change of a role's colour reaches the history through the
// table. All of it sits in one string, so a typed character costs one small
// record and no allocation.
struct EditorModel::UndoRecord {
    UndoRecord(int at, std::string_view removed, std::string_view removedColours, std::string_view inserted,
               std::string_view insertedColours);

    int pos = 0;
    int removedLength = 0;
    int insertedLength = 0;
    bool coloursOnly = false;
    // The removed text and its colours, then the inserted text (unless
    // coloursOnly) and its colours.
    std::string bytes;

    std::string_view Removed() const { return Part(0, removedLength); }
    std::string_view RemovedColours() const { return Part(removedLength, removedLength); }
    std::string_view Inserted() const { return coloursOnly ? Removed() : Part(2 * removedLength, insertedLength); }
    std::string_view InsertedColours() const {
        return Part(2 * removedLength + (coloursOnly ? 0 : insertedLength), insertedLength);
    }
    // The colours the removed text has now, taken as a step is redone: a
    // recolouring made while the step waited for redo is what its undo puts back.
    void SetRemovedColours(std::string_view colours) {
        bytes.replace(static_cast<std::size_t>(removedLength), colours.size(), colours);
    }
    // Renumbers the colour indices.
    template <typename F>
    void ForEachColour(F f) {
        for (int i = removedLength; i < 2 * removedLength; ++i) f(bytes[static_cast<std::size_t>(i)]);
        for (int i = static_cast<int>(bytes.size()) - insertedLength; i < static_cast<int>(bytes.size()); ++i)
            f(bytes[static_cast<std::size_t>(i)]);
    }

private:
    std::string_view Part(int at, int length) const {
        return std::string_view(bytes).substr(static_cast<std::size_t>(at), static_cast<std::size_t>(length));
    }
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
