// The editor model's colours: one byte per character indexing the colour table.

#include "editor/EditorModel.h"
#include "editor/EditorUndo.h"

#include <algorithm>
#include <array>

namespace tarnwick {

Colour EditorModel::ColourAt(int pos) const {
    if (pos < 0 || pos >= Length()) return TypingColour();
    return PlainColour(StoredAt(pos));
}

ColourRole EditorModel::RoleAt(int pos) const { return RoleOf(StoredColourAt(pos)); }

Colour EditorModel::StoredColourAt(int pos) const {
    return pos < 0 || pos >= Length() ? typingColour_ : StoredAt(pos);
}

std::vector<Colour> EditorModel::ColoursRange(int pos, int length) const {
    pos = std::clamp(pos, 0, Length());
    length = std::clamp(length, 0, Length() - pos);
    std::vector<Colour> out;
    out.reserve(static_cast<std::size_t>(length));
    colours_.ForEachRun(pos, length, [&](const char* run, int count) {
        for (int i = 0; i < count; ++i) out.push_back(PlainColour(table_[static_cast<std::uint8_t>(run[i])]));
    });
    return out;
}

std::vector<Colour> EditorModel::Colours() const { return ColoursRange(0, Length()); }

std::vector<Colour> EditorModel::StoredColours() const {
    std::vector<Colour> out;
    out.reserve(static_cast<std::size_t>(Length()));
    colours_.ForEachRun(0, Length(), [&](const char* run, int count) {
        for (int i = 0; i < count; ++i) out.push_back(table_[static_cast<std::uint8_t>(run[i])]);
    });
    return out;
}

void EditorModel::SetRoleColour(ColourRole role, Colour colour) {
    if (role == ColourRole::None) return;
    const Colour stored = WithRole(colour, role);
    // The characters and the undo history refer to the table: renewing its
    // entries of the role renews them all.
    table_.Renew(role, stored);
    if (RoleOf(typingColour_) == role) typingColour_ = stored;
    for (auto* o : Observers()) o->ColoursChanged(0, Length());
}

void EditorModel::SetSelColour(Colour colour) {
    int start = SelStart();
    int length = SelLength();
    if (length == 0) {
        typingColour_ = colour;
        return;
    }
    const char index = IndexOf(colour);
    bool same = true;
    for (int i = 0; same && i < length; ++i) same = StoredAt(start + i) == colour;
    if (same) return;
    std::string old = colours_.Slice(start, length);
    colours_.Fill(start, length, index);
    if (!replaying_) RecordReplace(start, text_.Slice(start, length), std::move(old), length, false);
    for (auto* o : Observers()) o->ColoursChanged(start, length);
}

bool EditorModel::AllStoredAs(Colour stored) const {
    const auto index = table_.Find(stored);
    if (!index) return Length() == 0;
    const char wanted = static_cast<char>(*index);
    bool all = true;
    colours_.ForEachRun(0, Length(), [&](const char* run, int count) {
        all = all && std::all_of(run, run + count, [wanted](char c) { return c == wanted; });
    });
    return all;
}

char EditorModel::IndexOf(Colour stored) {
    if (auto index = table_.Find(stored)) return static_cast<char>(*index);
    if (table_.Full()) CompactColours();
    if (auto index = table_.FindOrAdd(stored)) return static_cast<char>(*index);
    return static_cast<char>(table_.Nearest(stored));
}

// Drops the table entries nothing refers to and merges equal ones, renumbering
// the characters and the undo history.
void EditorModel::CompactColours() {
    std::array<bool, ColourTable::kMaxEntries> used{};
    colours_.ForEachRun(0, Length(), [&used](const char* run, int count) {
        for (int i = 0; i < count; ++i) used[static_cast<std::uint8_t>(run[i])] = true;
    });
    for (auto* history : {&undo_, &redo_})
        for (UndoStep& step : *history)
            for (UndoRecord& record : step.records) record.ForEachColour([&used](char c) { used[static_cast<std::uint8_t>(c)] = true; });

    ColourTable kept;
    std::array<char, ColourTable::kMaxEntries> renumber{};
    for (int i = 0; i < table_.Size(); ++i)
        if (used[static_cast<std::size_t>(i)])
            renumber[static_cast<std::size_t>(i)] = static_cast<char>(*kept.FindOrAdd(table_[static_cast<std::uint8_t>(i)]));
    auto apply = [&renumber](char& c) { c = renumber[static_cast<std::uint8_t>(c)]; };
    std::string characters = colours_.Release();
    for (char& c : characters) apply(c);
    colours_ = GapBuffer<std::string>(std::move(characters));
    for (auto* history : {&undo_, &redo_})
        for (UndoStep& step : *history)
            for (UndoRecord& record : step.records) record.ForEachColour(apply);
    table_ = std::move(kept);
}

}  // namespace tarnwick
