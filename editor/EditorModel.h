#pragma once

#include "editor/Ansi.h"
#include "editor/Colour.h"
#include "editor/ColourTable.h"
#include "editor/GapBuffer.h"
#include "editor/LineStarts.h"
#include "editor/RtfReader.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// What the view tells the model: the caret's pixel position in the control's
// client coordinates and how many lines fit on screen.
class ViewGeometry {
public:
    virtual ~ViewGeometry() = default;
    virtual Point CaretPixelPosition() const = 0;
    virtual int VisibleLineCount() const = 0;
};

// Told of every change, before the changing call returns.
class EditorObserver {
public:
    virtual ~EditorObserver() = default;
    // The text from pos on lost `removed` characters and gained `inserted`.
    virtual void TextChanged(int /*pos*/, int /*removed*/, int /*inserted*/) {}
    // Colours of [pos, pos + length) were set.
    virtual void ColoursChanged(int /*pos*/, int /*length*/) {}
    // Selection start, length or caret end changed (also when written with the same value).
    virtual void SelectionChanged() {}
    // First visible line changed, or an update bracket ended (repaint all).
    // Observers must not change the model while being told of a change.
    virtual void ViewChanged() {}
    // The default font changed.
    virtual void FontChanged() {}
};

// The font name that stands for the system's fixed-width font.
inline constexpr const char* kSystemFixedFontName = "Default";
// Beyond it a size no longer fits the RTF the model writes nor the fonts the painters make.
inline constexpr int kMaxFontSize = 1638;

struct FindOptions {
    bool wholeWord = false;
    bool matchCase = false;
    // A Unicode document holds UTF-8, whose bytes above 127 are parts of
    // characters, not letters of the code page: only A to Z fold then.
    bool asciiCaseOnly = false;

    // The byte as the search compares it, and the upper-case byte that matches it.
    unsigned char Lower(unsigned char c) const {
        if (matchCase) return c;
        if (asciiCaseOnly) return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
        return AnsiLower(c);
    }
    unsigned char Upper(unsigned char c) const {
        if (matchCase) return c;
        if (asciiCaseOnly) return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c;
        return AnsiUpper(c);
    }
    std::string Folded(std::string_view text) const {
        std::string folded(text);
        for (char& c : folded) c = static_cast<char>(Lower(static_cast<unsigned char>(c)));
        return folded;
    }
    // Whether a byte is part of a word for the whole-word option: digits, "_"
    // and the letters of the code page, in a Unicode document as well.
    static bool IsWordByte(unsigned char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' ||
               (c >= 0xC0 && c != 0xD7 && c != 0xF7) || c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9A ||
               c == 0x9C || c == 0x9E || c == 0x9F;
    }
};

// The document editor's model: 8-bit (Windows-1252) text in which every line
// break is stored as CR LF and counts as two characters, one colour per
// character, a selection with an anchor and a caret end, multi-level undo and
// the view state the widget paints from.
//
// Position policy: positions are clamped into [0, Length()]; a position
// between CR and LF is moved onto the CR, so it belongs to the line before.
//
// Storage: the text and one colour byte per character sit in two gap buffers
// whose gaps follow the edits, the byte indexing a table of the stored colours
// (ColourTable), and the line starts in a LineStarts; so an edit anywhere
// moves only what lies between it and the edit before. Reading the whole text
// at once (Text) closes the gap first, which moves what lies after it: hot
// paths read ranges (CharAt, TextView, TextRange, StoredColourAt) instead.
//
// More than 256 colours: when a new colour finds the table full, entries
// that neither the text nor the undo history refer to are dropped and equal
// ones merged; if every entry is still in use, the new colour is stored as
// the nearest colour in the table, one of its role first. A document loaded
// with more than 256 colours keeps the first 256 and the nearest of them for
// the rest.
class EditorModel {
public:
    // The longest text held: positions are ints, and the storage with its gap
    // must stay within their reach. Longer text is refused with an Error.
    static constexpr int kMaxLength = 1 << 30;

    EditorModel();
    ~EditorModel();
    EditorModel(const EditorModel&) = delete;
    EditorModel& operator=(const EditorModel&) = delete;

    // ---- Whole content ------------------------------------------------------
    // Lines joined by CR LF, without a copy (the gap moves to the end); valid
    // until the next change. Until then, TextView moves nothing.
    const std::string& Text() const { return text_.Contiguous(); }
    void SetText(std::string_view text);               // plain text; breaks CR LF, CR or LF
    void TakeText(std::string text);                   // the same, taking the bytes over when every break is CR LF
    void Clear();
    int Length() const { return text_.Length(); }
    // Loads bytes: RTF when they begin with "{\rtf", plain text otherwise.
    // Throws Error("Failed to Load Stream") for RTF it cannot read.
    void LoadFromBytes(std::string_view data);
    // The whole content, colours and font, as RTF (layout in RtfWriter.h).
    std::string SaveToRtf() const;
    // roles: whether colour table entries 1 to 3 are the functions, statements
    // and comments colours, as the whole-document colouring writes them.
    void LoadFromRtf(std::string_view rtf, RtfColourRoles roles = RtfColourRoles::None);
    // Replaces the content by text whose breaks are already CR LF and one stored
    // colour (with its role) per character, as loading does: the undo history
    // is cleared and the caret goes to the start.
    void LoadColoured(std::string text, std::vector<Colour> colours);
    // The same with one byte per character indexing `palette`, the stored
    // colours: the bytes are taken over in place, and the colour table comes
    // out as the overload above makes it. A byte past the palette, or a
    // character past the bytes, stands for the window-text colour.
    void LoadColoured(std::string text, std::string colourIndices, const std::vector<Colour>& palette);
    // Rewrites every line in place, first to last, as a whole-document pass
    // does: rewrite(line, colours, text, newColours) is given a line without
    // its break and its colours as indices into ColourEntries, and appends the new
    // line and one index into `palette` per character; a break keeps its
    // characters and indices, so `palette` begins with ColourEntries. The content is then taken as LoadColoured takes
    // it: the undo history is cleared and the caret goes to the start. Memory
    // beyond the content is one line's and the gap's.
    using LineRewriter =
        std::function<void(std::string_view line, std::string_view colours, std::string& text, std::string& newColours)>;
    void RewriteLines(const LineRewriter& rewrite, const std::vector<Colour>& palette);

    // ---- The line list (0-based) -----------------------------------------------
    int LineCount() const;                       // a final empty line is not counted
    std::string Line(int index) const;           // whole line, without its break
    void SetLine(int index, std::string_view text);

    // ---- Edit messages ------------------------------------------------------------
    int LineFromChar(int pos) const;             // 0-based line holding pos; -1: line of SelStart
    int LineIndex(int line) const;               // first position of 0-based line; -1 asks for SelStart's line; past the end: -1
    int LineLength(int pos) const;               // length of the line holding pos, break excluded
    int BreakCount() const { return lines_.Count() - 1; }

    // ---- Ranges of text (positions clamped into the text) -----------------------------
    char CharAt(int pos) const { return pos >= 0 && pos < Length() ? text_.At(pos) : '\0'; }
    std::string TextRange(int pos, int length) const;
    // [pos, pos + length) in one piece, without a copy: when the gap lies
    // inside, it moves out, which moves no more than `length` characters.
    // Valid until the next change or the next TextView that moves the gap.
    std::string_view TextView(int pos, int length) const;

    // ---- Selection ----------------------------------------------------------------
    int SelStart() const;
    int SelLength() const;
    int Anchor() const { return anchor_; }
    int CaretPos() const { return caret_; }
    void SetSelStart(int pos);                   // collapses to a caret at pos
    void SetSelLength(int length);               // selects from SelStart on
    void SetSelection(int anchor, int caret);    // the widget's mouse and Shift moves
    std::string SelText() const;
    void SetSelText(std::string_view text);      // takes the colour of the first replaced character
    void SelectAll();

    // ---- Colours --------------------------------------------------------------------
    // Every character stores its colour with the role it was coloured as
    // (WithRole); the readers below give the colour without the role.
    Colour ColourAt(int pos) const;
    ColourRole RoleAt(int pos) const;
    Colour StoredColourAt(int pos) const;         // with the role; outside the text: the typing colour
    std::vector<Colour> Colours() const;          // one per character
    std::vector<Colour> ColoursRange(int pos, int length) const;  // one per character of the range
    std::vector<Colour> StoredColours() const;    // one per character, with the roles (a copy, for tests)
    bool AllStoredAs(Colour stored) const;        // every character has this stored colour (true when empty)
    // The colour table: every character's colour is one of its entries.
    const std::vector<Colour>& ColourEntries() const { return table_.Entries(); }
    void SetSelColour(Colour colour);            // a stored colour; empty selection: the typing colour
    Colour TypingColour() const { return PlainColour(typingColour_); }
    // Every character of the role, the typing colour and the undo history take
    // the new colour, as if the role's entry of a colour table changed: no edit,
    // no undo step, the selection stays.
    void SetRoleColour(ColourRole role, Colour colour);

    // ---- Typing (the widget's keyboard input) -------------------------------------------
    void TypeText(std::string_view text);        // replaces the selection; typed runs merge into one undo step
    // Without a selection they remove one character: a line break, or the
    // given number of bytes (a UTF-8 character may take several), as a step
    // of the typing run like any other deletion.
    void DeleteBackward(int bytes = 1);
    void DeleteForward(int bytes = 1);

    // ---- Undo -------------------------------------------------------------------------
    bool CanUndo() const;
    bool CanRedo() const;
    void Undo();
    void Redo();
    void BeginUndoGroup();                        // nested groups join the outermost
    void EndUndoGroup();
    void ClearUndo();

    // ---- Update bracket --------------------------------------------------------------
    void BeginUpdate();
    void EndUpdate();                             // repaints (ViewChanged) at the outermost end
    bool Updating() const { return updateDepth_ > 0; }

    // ---- Search -----------------------------------------------------------------------
    // First match of `what` in [start, start + length) (length -1: to the end), or -1.
    int FindText(std::string_view what, int start, int length, FindOptions options) const;

    // ---- Font ------------------------------------------------------------------------
    const std::string& FontName() const { return fontName_; }
    int FontSize() const { return fontSize_; }
    void SetFontName(std::string name);
    void SetFontSize(int points);                // a size outside 1 to kMaxFontSize leaves the size

    // ---- View state ------------------------------------------------------------------
    int FirstVisibleLine() const { return firstVisibleLine_; }
    void SetFirstVisibleLine(int line);
    void LineScroll(int lines);                   // negative: up
    void ScrollCaret();                           // brings the caret's line into view
    void SetViewGeometry(ViewGeometry* geometry) { geometry_ = geometry; }
    Point CaretPixelPosition() const;

    // ---- Observers -------------------------------------------------------------------
    void AddObserver(EditorObserver* observer);
    void RemoveObserver(EditorObserver* observer);

    // Checks the line index and colour array against the text; for tests and debug builds.
    bool Check() const;

    // Replaces [pos, pos + removed) by text whose breaks are already CR LF, each
    // character with its stored colour, as one edit (one undo record); the caret
    // goes after the new text. For commands that work out a whole range at once.
    void ReplaceColoured(int pos, int removed, std::string_view text, const std::vector<Colour>& colours);

private:
    struct UndoRecord;
    struct UndoStep;

    // Replaces [pos, pos + removed) by text in one stored colour.
    void Replace(int pos, int removed, std::string_view text, Colour colour, bool typing);
    bool Clamped(int& pos, int& removed, std::string_view text);
    void ReplaceIndexed(int pos, int removed, std::string_view text, std::string indices, bool typing);
    // colours: the removed characters' colour indices.
    void RecordReplace(int pos, std::string removedText, std::string removedColours, int inserted, bool typing);
    // colours: one colour index per character of text.
    void ApplyRaw(int pos, int removed, std::string_view text, std::string_view colours);
    void RebuildLineStarts();
    void UpdateLineStarts(int pos, int removed, std::string_view inserted);
    void SetSelectionRaw(int anchor, int caret);
    int Snap(int pos) const;
    void NotifySelection();
    // Text and colour indices into table_ as they come: the undo history is
    // cleared and the caret goes to the start.
    void ResetContent(std::string text, std::string colourIndices, int oldLength = -1);
    // Indices into palette become indices into a new table_, made as LoadColoured makes it.
    void TakePaletteIndices(std::string& colourIndices, std::size_t textLength, const std::vector<Colour>& palette);
    Colour StoredAt(int pos) const { return table_[static_cast<std::uint8_t>(colours_.At(pos))]; }
    // The colour table's index for a stored colour, added when new.
    char IndexOf(Colour stored);
    void CompactColours();
    // A copy, so an observer may add or remove observers while being told.
    std::vector<EditorObserver*> Observers() const { return observers_; }

    // Mutable: reading the whole text or a range in one piece moves the gap.
    mutable GapBuffer<std::string> text_;
    mutable GapBuffer<std::string> colours_;  // an index into table_ per character
    ColourTable table_;
    LineStarts lines_;
    int anchor_ = 0;
    int caret_ = 0;
    Colour typingColour_ = kWindowTextColour;
    std::string fontName_ = "Courier New";
    int fontSize_ = 10;
    int firstVisibleLine_ = 0;
    int updateDepth_ = 0;
    ViewGeometry* geometry_ = nullptr;
    std::vector<EditorObserver*> observers_;

    std::vector<UndoStep> undo_;
    std::vector<UndoStep> redo_;
    int groupDepth_ = 0;
    int groupAnchor_ = 0;  // the selection when the outermost group began
    int groupCaret_ = 0;
    bool groupOpen_ = false;
    bool groupChangedText_ = false;  // the outermost group changed text, not only colours
    bool lastWasTyping_ = false;
    bool replaying_ = false;
};

// Keeps one command in one undo step.
class UndoGroup {
public:
    explicit UndoGroup(EditorModel& model) : model_(model) { model_.BeginUndoGroup(); }
    ~UndoGroup() { model_.EndUndoGroup(); }
    UndoGroup(const UndoGroup&) = delete;
    UndoGroup& operator=(const UndoGroup&) = delete;

private:
    EditorModel& model_;
};

// Suspends repainting for a scope.
class UpdateBracket {
public:
    explicit UpdateBracket(EditorModel& model) : model_(model) { model_.BeginUpdate(); }
    ~UpdateBracket() { model_.EndUpdate(); }
    UpdateBracket(const UpdateBracket&) = delete;
    UpdateBracket& operator=(const UpdateBracket&) = delete;

private:
    EditorModel& model_;
};

}  // namespace tarnwick
