#include "syntax/ColorText.h"

#include "app/CaretPrimitives.h"
#include "app/MainUnit.h"
#include "syntax/DeclaredNames.h"
#include "syntax/EqualsSpacing.h"
#include "syntax/Scans.h"

#include <algorithm>
#include <optional>

namespace tarnwick {
namespace {

// Busy is one flag, not a counter: it is cleared on the way out whatever it was on entry.
class BusyScope {
public:
    explicit BusyScope(bool& busy) : busy_(busy) { busy_ = true; }
    ~BusyScope() { busy_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& busy_;
};

std::optional<Colour> KeywordColour(const TColorCoding& entry, const ColourSettings& colours) {
    if (entry.TypeA == "Function") return colours.functions;
    if (entry.TypeA == "Statement") return colours.statements;
    return std::nullopt;
}

bool UniformColour(const EditorModel& m, int pos, int length) {
    const auto& colours = m.Colours();
    return std::all_of(colours.begin() + pos, colours.begin() + pos + length,
                       [&](Colour c) { return c == colours[pos]; });
}

// The line as the colouring sees it, kept equal to the control's text of the line.
struct LineEdit {
    MainUnit& unit;
    int start;       // position of the line's first character
    std::string text;

    int Length() const { return static_cast<int>(text.size()); }

    void Select(int index, int length) {
        unit.MainText.SetSelStart(start + index);
        unit.MainText.SetSelLength(length);
    }

    // Writes `word` over the selected occurrence at index. A write that would
    // change neither text nor colours is left out.
    void Respell(int index, std::string_view word) {
        const int length = static_cast<int>(word.size());
        if (text.compare(static_cast<std::size_t>(index), word.size(), word) == 0 &&
            UniformColour(unit.MainText, start + index, length))
            return;
        unit.MainText.SetSelText(word);
        text.replace(static_cast<std::size_t>(index), word.size(), word);
    }
};

void ColourKeywords(LineEdit& line, const SyntaxEntries& table, const ColourSettings& colours) {
    for (const TColorCoding& entry : table) {
        std::optional<Colour> colour = KeywordColour(entry, colours);
        if (!colour || entry.Name.empty()) continue;
        const int length = static_cast<int>(entry.Name.size());
        int found = InStr(line.text, entry.Name, 0, line.Length(), WholeWord, true, true);
        while (found != -1) {
            line.Select(found, length);
            line.unit.MainText.SetSelColour(*colour);
            line.Respell(found, entry.Name);
            // Go on from the match's last character, and never from the match itself.
            int next = std::max(found + length, found + 2);
            found = InStr(line.text, entry.Name, next, line.Length(), WholeWord, true, true);
        }
    }
}

void RespellDeclaredNames(LineEdit& line) {
    // The names are copied out of the text before any of them is written back.
    const DeclaredNameList names = DeclaredNames(line.unit.MainText.Text(), line.start + line.Length());
    for (std::size_t n = 0; n < names.size(); ++n) {
        const std::string_view name = names[n];
        const int length = static_cast<int>(name.size());
        int found = InStr(line.text, name, 0, line.Length(), WholeWord, true, true);
        while (found != -1) {
            line.Select(found, length);
            line.Respell(found, name);
            found = InStr(line.text, name, found + length + 1, line.Length(), WholeWord, true, true);
        }
    }
}

// The comment colour runs one character past the line, into its break.
void ColourComments(LineEdit& line, Colour comments) {
    int apostrophe = InStr(line.text, "'", 0, line.Length(), NoOptions, true, false);
    if (apostrophe != -1) {
        line.Select(apostrophe, line.Length() - apostrophe + 1);
        line.unit.MainText.SetSelColour(comments);
    }
    int rem = InStr(line.text, "rem", 0, line.Length(), WholeWord, true, false);
    if (rem != -1) {
        line.Select(rem, line.Length() - rem + 1);
        line.unit.MainText.SetSelColour(comments);
    }
}

}  // namespace

void ColorText(MainUnit& unit, int line) {
    EditorModel& m = unit.MainText;
    if (line < 1 || line - 1 > m.BreakCount()) return;
    const int lineStart = FirstColumn(m, line);
    if (lineStart < 0 || CurLineLen(m, lineStart) == 0) return;

    BusyScope busy(unit.Busy);  // declared first, so Busy is cleared after the repaint
    UndoGroup undoStep(m);
    UpdateBracket noRepaint(m);

    const int column = CurColumn(m);
    LineEdit edit{unit, lineStart, m.Line(line - 1)};
    SpaceEqualsSigns(edit.text);
    if (edit.text != m.Line(line - 1)) m.SetLine(line - 1, edit.text);

    const ColourSettings colours = unit.CurrentColours();
    edit.Select(0, edit.Length());
    m.SetSelColour(kBlack);

    ColourKeywords(edit, unit.SyntaxTable, colours);
    RespellDeclaredNames(edit);
    ColourComments(edit, colours.comments);

    // Back to the column the caret had, on the line the caret tracker recorded.
    int caretLineStart = FirstColumn(m, unit.CurLine);
    if (caretLineStart < 0) caretLineStart = FirstColumn(m, m.BreakCount() + 1);
    m.SetSelStart(caretLineStart + column - 1);
}

}  // namespace tarnwick
