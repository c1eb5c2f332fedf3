#include "syntax/ColorText.h"

#include "editor/CaretPrimitives.h"
#include "syntax/DeclaredNames.h"
#include "syntax/EqualsSpacing.h"
#include "syntax/Scans.h"
#include "unit/FlagScope.h"
#include "unit/MainUnit.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarnwick {
namespace {

// The colour a keyword is stored with: its role's colour, marked with the role.
std::optional<Colour> KeywordColour(const TColorCoding& entry, const ColourSettings& colours) {
    if (entry.TypeA == "Function") return WithRole(colours.functions, ColourRole::Functions);
    if (entry.TypeA == "Statement") return WithRole(colours.statements, ColourRole::Statements);
    return std::nullopt;
}

// The line as the colouring steps leave it, worked out before it is written:
// the control's text model would move the rest of the document for every
// respelled word, so the text is written once and the colours run by run.
// Each operation does to `text` and `colours` what the same selection and
// write would do in the control.
struct LineWork {
    std::string text;
    std::vector<Colour> colours;

    int Length() const { return static_cast<int>(text.size()); }

    // Select and set the colour.
    void SetColour(int index, int length, Colour colour) {
        std::fill_n(colours.begin() + index, length, colour);
    }
    // Select and write the selected text: the new text takes the colour of the first replaced character.
    void Write(int index, std::string_view word) {
        text.replace(static_cast<std::size_t>(index), word.size(), word);
        std::fill_n(colours.begin() + index, word.size(), colours[static_cast<std::size_t>(index)]);
    }
};

// `skipped` is the mask of the line's text: respelling changes only the case of
// letters, which moves no quote, apostrophe or word edge, so it stays in step.
void ColourKeywords(LineWork& line, const StringCommentMask& skipped, const SyntaxEntries& table,
                    const ColourSettings& colours, Tidy tidy) {
    for (const TColorCoding& entry : table) {
        std::optional<Colour> colour = KeywordColour(entry, colours);
        if (!colour || entry.Name.empty()) continue;
        const int length = static_cast<int>(entry.Name.size());
        int found = InStr(line.text, entry.Name, 0, line.Length(), WholeWord, skipped);
        while (found != -1) {
            line.SetColour(found, length, *colour);
            if (tidy == Tidy::Yes) line.Write(found, entry.Name);  // the table's spelling, in the colour just set
            // Go on from the match's last character, and never from the match itself.
            int next = std::max(found + length, found + 2);
            found = InStr(line.text, entry.Name, next, line.Length(), WholeWord, skipped);
        }
    }
}

// The words of a line, to rule out at once the names that cannot occur in it: a
// whole-word occurrence of a name that begins with a letter starts with a word
// of the line equal to the name's first word. Respelling changes no word's hash.
class LineWords {
public:
    explicit LineWords(std::string_view line) {
        for (std::size_t i = 0; i < line.size();) {
            if (IsDelimiter(static_cast<unsigned char>(line[i]))) {
                ++i;
                continue;
            }
            hashes_.push_back(FirstWordHash(line.substr(i)));
            bits_ |= DimStatements::BitOf(hashes_.back());
            while (i < line.size() && !IsDelimiter(static_cast<unsigned char>(line[i]))) ++i;
        }
    }
    bool MayHold(std::uint32_t firstWordHash) const {
        return std::find(hashes_.begin(), hashes_.end(), firstWordHash) != hashes_.end();
    }
    // The DimStatements bits of the words' hashes.
    std::uint64_t Bits() const { return bits_; }

private:
    std::vector<std::uint32_t> hashes_;
    std::uint64_t bits_ = 0;
};

// Every use of a name that a Dim declares takes the declaration's spelling. The
// names come from the whole document up to the end of the line, the line itself
// as the keyword step has respelled it.
void RespellDeclaredNames(LineWork& line, const StringCommentMask& skipped, DimStatements& dims, int lineStart) {
    const LineWords words(line.text);
    const DeclaredNameList names = dims.Names(lineStart + line.Length(), lineStart, line.text, words.Bits());
    for (std::size_t n = 0; n < names.size(); ++n) {
        const std::string_view name = names[n];
        if (!words.MayHold(names.FirstWordHashOf(n))) continue;  // a name that is not in the line changes nothing
        const int length = static_cast<int>(name.size());
        int found = InStr(line.text, name, 0, line.Length(), WholeWord, skipped);
        while (found != -1) {
            line.Write(found, name);
            found = InStr(line.text, name, found + length + 1, line.Length(), WholeWord, skipped);
        }
    }
}

void Select(EditorModel& m, int pos, int length) {
    m.SetSelStart(pos);
    m.SetSelLength(length);
}

// Writes the worked-out line into the control: its text when it differs, then its colours run by run.
void WriteLine(EditorModel& m, int index, int lineStart, const LineWork& line) {
    if (m.Line(index) != line.text) m.SetLine(index, line.text);
    for (int run = 0; run < line.Length();) {
        int end = run + 1;
        while (end < line.Length() && line.colours[end] == line.colours[run]) ++end;
        Select(m, lineStart + run, end - run);
        m.SetSelColour(line.colours[run]);
        run = end;
    }
}

// The comment colour runs one character past the line, into its break.
void ColourComments(EditorModel& m, int lineStart, const std::string& text, const StringCommentMask& skipped,
                    Colour comments) {
    const int length = static_cast<int>(text.size());
    int apostrophe = InStr(text, "'", 0, length, NoOptions, skipped, false);
    if (apostrophe != -1) {
        Select(m, lineStart + apostrophe, length - apostrophe + 1);
        m.SetSelColour(comments);
    }
    int rem = InStr(text, "rem", 0, length, WholeWord, skipped, false);
    if (rem != -1) {
        Select(m, lineStart + rem, length - rem + 1);
        m.SetSelColour(comments);
    }
}

}  // namespace

void ColorText(MainUnit& unit, int line, Tidy tidy) {
    EditorModel& m = unit.MainText;
    if (line < 1 || line - 1 > m.BreakCount()) return;
    const int lineStart = FirstColumn(m, line);
    if (lineStart < 0 || CurLineLen(m, lineStart) == 0) return;

    FlagScope busy(unit.Busy);  // declared first, so Busy is cleared after the repaint
    UndoGroup undoStep(m);
    UpdateBracket noRepaint(m);

    const int column = CurColumn(m);
    const ColourSettings colours = unit.CurrentColours();

    // Spacing around "=", written at once: the declared-variable step reads the document as it now stands.
    LineWork work{m.Line(line - 1), {}};
    if (tidy == Tidy::Yes) SpaceEqualsSigns(work.text);
    if (work.text != m.Line(line - 1)) m.SetLine(line - 1, work.text);

    // The whole line, however long the spacing made it, starts black.
    work.colours.assign(work.text.size(), kBlack);
    // Strings and comments are told apart once for the line: the steps from here on only respell words.
    const StringCommentMask skipped(work.text);
    ColourKeywords(work, skipped, unit.SyntaxTable, colours, tidy);
    if (tidy == Tidy::Yes) RespellDeclaredNames(work, skipped, unit.Dims, lineStart);
    WriteLine(m, line - 1, lineStart, work);
    ColourComments(m, lineStart, work.text, skipped, WithRole(colours.comments, ColourRole::Comments));

    // Back to the column the caret had, on the line the caret tracker recorded.
    int caretLineStart = FirstColumn(m, unit.CurLine);
    if (caretLineStart < 0) caretLineStart = FirstColumn(m, m.BreakCount() + 1);
    m.SetSelStart(caretLineStart + column - 1);
}

}  // namespace tarnwick
