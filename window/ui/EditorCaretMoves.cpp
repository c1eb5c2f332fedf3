// The editor widget's caret moves: characters, lines, words and pages by key,
// and the word a double-click selects.
#include "window/ui/EditorWidget.h"

#include "editor/Ansi.h"
#include "unit/Ports.h"

#include <QChar>

#include <algorithm>

namespace tarnwick {

namespace {

// Character classes of the word moves and the double-click.
enum class CharClass { Blank, Word, Other, Break };
CharClass ClassOf(unsigned char c) {
    if (c == '\r' || c == '\n') return CharClass::Break;
    if (c == ' ' || c == '\t') return CharClass::Blank;
    if ((c >= '0' && c <= '9') || c == '_' || AnsiLower(c) != AnsiUpper(c)) return CharClass::Word;
    return CharClass::Other;
}
// The class of the character at pos; outside the code page a letter or digit is a word character.
CharClass ClassAt(std::string_view text, int pos, TextEncoding encoding) {
    const unsigned char byte = static_cast<unsigned char>(text[pos]);
    if (encoding == TextEncoding::Ansi || byte < 0x80) return ClassOf(byte);
    const char32_t code = CodePointAt(text, static_cast<std::size_t>(pos), encoding);
    if (const int ansi = UnicodeToAnsi(code); ansi >= 0) return ClassOf(static_cast<unsigned char>(ansi));
    return QChar::isLetterOrNumber(code) ? CharClass::Word : CharClass::Other;
}

}  // namespace

// A character is at most four bytes: the arrow keys read only the bytes
// around the caret, so they never move the model's whole text.
int EditorWidget::NextCharPos(int pos) const {
    const std::string_view near = model_.TextView(pos, std::min(4, model_.Length() - pos));
    if (near.size() >= 2 && near[0] == '\r' && near[1] == '\n') return pos + 2;
    return pos + std::max(1, CharLength(near, 0, layout_.Encoding()));
}

int EditorWidget::PrevCharPos(int pos) const {
    const int from = std::max(0, pos - 4);
    const std::string_view near = model_.TextView(from, pos - from);
    const std::size_t at = near.size();
    if (at >= 2 && near[at - 1] == '\n' && near[at - 2] == '\r') return pos - 2;
    return from + static_cast<int>(PreviousCharStart(near, at, layout_.Encoding()));
}

bool EditorWidget::NavigationKey(int key, KeyModifiers mods) {
    const int caret = model_.CaretPos();
    const bool hasSelection = model_.SelLength() != 0;
    switch (key) {
    case vk::Left:
        if (hasSelection && !mods.Shift) MoveCaret(model_.SelStart(), false);
        else if (mods.Ctrl) MoveCaret(WordLeft(caret), mods.Shift);
        else if (caret > 0) MoveCaret(PrevCharPos(caret), mods.Shift);
        else MoveCaret(caret - 1, mods.Shift);
        return true;
    case vk::Right:
        if (hasSelection && !mods.Shift) MoveCaret(model_.SelStart() + model_.SelLength(), false);
        else if (mods.Ctrl) MoveCaret(WordRight(caret), mods.Shift);
        else if (caret < model_.Length()) MoveCaret(NextCharPos(caret), mods.Shift);
        else MoveCaret(caret + 1, mods.Shift);
        return true;
    case vk::Up: MoveCaret(VerticalMove(-1), mods.Shift); return true;
    case vk::Down: MoveCaret(VerticalMove(1), mods.Shift); return true;
    case vk::Prior:
    case vk::Next: {
        const int page = std::max(1, VisibleLineCount() - 1) * (key == vk::Prior ? -1 : 1);
        const int target = VerticalMove(page);
        // The view stops when the last line reaches the bottom.
        const int first = model_.FirstVisibleLine();
        const int lastFirst = std::max(first, model_.BreakCount() + 1 - VisibleLineCount());
        model_.SetFirstVisibleLine(std::clamp(first + page, 0, std::max(0, lastFirst)));
        MoveCaret(target, mods.Shift);
        return true;
    }
    case vk::Home:
        MoveCaret(mods.Ctrl ? 0 : model_.LineIndex(LineOfPos(caret)), mods.Shift);
        return true;
    case vk::End:
        MoveCaret(mods.Ctrl ? model_.Length() : model_.LineIndex(LineOfPos(caret)) + model_.LineLength(caret), mods.Shift);
        return true;
    case vk::Delete:
        if (mods.Shift && clipboard_ && hasSelection) {  // Shift+Delete cuts
            clipboard_->SetText(model_.SelText());
            model_.SetSelText("");
        } else if (!mods.Shift) {
            DeleteCharacter(true);
        }
        return true;
    case vk::Insert:
        if (mods.Ctrl && clipboard_ && hasSelection) clipboard_->SetText(model_.SelText());
        else if (mods.Shift && clipboard_) model_.SetSelText(clipboard_->Text());
        return true;
    default:
        break;
    }
    if (!mods.Ctrl || mods.Alt) return false;
    switch (key) {
    case 'A': model_.SelectAll(); return true;
    case 'Z':  // Ctrl+Shift+Z is the other common redo key
        if (mods.Shift) model_.Redo();
        else model_.Undo();
        return true;
    case 'Y': model_.Redo(); return true;
    case 'C':
        if (clipboard_ && hasSelection) clipboard_->SetText(model_.SelText());
        return true;
    case 'X':
        if (clipboard_ && hasSelection) {
            clipboard_->SetText(model_.SelText());
            model_.SetSelText("");
        }
        return true;
    case 'V':
        if (clipboard_) model_.SetSelText(clipboard_->Text());
        return true;
    default:
        return false;
    }
}

void EditorWidget::MoveCaret(int pos, bool extend) {
    pos = std::clamp(pos, 0, model_.Length());
    if (extend) model_.SetSelection(model_.Anchor(), pos);
    else model_.SetSelStart(pos);
}

int EditorWidget::VerticalMove(int lines) const {
    const int caret = model_.CaretPos();
    const int line = LineOfPos(caret);
    const int target = std::clamp(line + lines, 0, model_.BreakCount());
    qreal& goal = goalX_;
    if (goal < 0) goal = layout_.XOfColumn(LineText(line), caret - model_.LineIndex(line));
    return model_.LineIndex(target) + layout_.ColumnAtX(LineText(target), goal);
}

int EditorWidget::WordRight(int pos) const {
    const std::string& text = model_.Text();
    const int length = model_.Length();
    if (pos >= length) return length;
    auto cls = [&](int p) { return ClassAt(text, p, layout_.Encoding()); };
    if (cls(pos) == CharClass::Break) return NextCharPos(pos);
    const CharClass start = cls(pos);
    if (start != CharClass::Blank)
        while (pos < length && cls(pos) == start) pos = NextCharPos(pos);
    while (pos < length && cls(pos) == CharClass::Blank) ++pos;
    return pos;
}

int EditorWidget::WordLeft(int pos) const {
    const std::string& text = model_.Text();
    auto clsBefore = [&](int p) { return ClassAt(text, PrevCharPos(p), layout_.Encoding()); };
    while (pos > 0 && clsBefore(pos) == CharClass::Blank) --pos;
    if (pos == 0) return 0;
    if (clsBefore(pos) == CharClass::Break) return PrevCharPos(pos);
    const CharClass start = clsBefore(pos);
    while (pos > 0 && clsBefore(pos) == start) pos = PrevCharPos(pos);
    return pos;
}

void EditorWidget::SelectWordAt(int pos) {
    const int lineStart = model_.LineIndex(LineOfPos(pos));
    const int lineEnd = lineStart + model_.LineLength(pos);
    if (lineStart == lineEnd) return;
    if (pos >= lineEnd) pos = PrevCharPos(lineEnd);
    const std::string_view line = model_.TextView(lineStart, lineEnd - lineStart);
    auto cls = [&](int p) { return ClassAt(line, p - lineStart, layout_.Encoding()); };
    const CharClass c = cls(pos);
    int from = pos, to = pos;
    while (from > lineStart && cls(PrevCharPos(from)) == c) from = PrevCharPos(from);
    while (to < lineEnd && cls(to) == c) to = NextCharPos(to);
    model_.SetSelection(from, to);
}

}  // namespace tarnwick
