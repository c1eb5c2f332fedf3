#pragma once

#include "editor/EditorModel.h"
#include "syntax/SyntaxTable.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Measures the tip's text as it is drawn ("Verdana" 8 pt); the front end
// implements it with its font metrics.
class TipTextMeasure {
public:
    virtual ~TipTextMeasure() = default;
    virtual int TextWidth(const std::string& text) const = 0;
};

// One tip candidate: an entry's parameter text and the 0-based column of the
// line at which the entry's name was found.
struct TAutoComplete {
    std::string Tip;
    int Column = 0;
    bool Member = false;  // a member written after the object it belongs to
    bool operator==(const TAutoComplete&) const = default;
};

// The tip box `TxtTip`: white "Verdana" 8 pt text on blue beside the caret.
struct TipState {
    static constexpr Colour kBackground = RgbColour(0x21, 0x5C, 0xDA);
    static constexpr Colour kTextColour = RgbColour(0xFF, 0xFF, 0xFF);
    static constexpr int kHeight = 19;
    static constexpr int kExtraWidth = 15;  // added to the measured text width
    bool Visible = false;
    Point Position;      // top-left corner in the main window's client coordinates
    int Width = 0;
    std::string Text;    // the parameter text with one blank on each side
    bool operator==(const TipState&) const = default;
};

// Every entry with a parameter text whose name occurs in the line as a whole
// word outside strings and comments, in table order; the first occurrence
// gives the column. As many as there are (no fixed capacity).
std::vector<TAutoComplete> CollectTipCandidates(const SyntaxEntries& table, std::string_view line);

// Whether the name of a member row, found at a column of the line, names that
// member: for the rows of objects typed by their bindings, the name must
// follow a dot after an object of the row's type.
using TipMemberTest = std::function<bool(const TColorCoding& entry, int column)>;

// Rightmost name first; equal columns by tip text, descending, ignoring case.
// A member written after its object goes before other names at its column.
void OrderTipCandidates(std::vector<TAutoComplete>& candidates);

// The ")" outside strings and comments counted by searches that each cover
// column + 1 characters, the first from the line's start and each later one
// from just after the previous ")" found.
int CountClosingParentheses(std::string_view line, int column);

// The parameter text to show for the caret at the 0-based column of the
// line: each ")" closes one call, counted from the right; none when there is
// no candidate or too many ")".
// With a member test, the rows of objects typed by their bindings count only
// where the test accepts their name; without one they do not count at all.
// With an own-tip lookup, the script's own procedures are candidates too: each
// word of the line outside strings and comments that names one, at its first place.
using OwnTipLookup = std::function<const std::string*(std::string_view lowerName)>;  // null: not the script's
std::optional<std::string> ChooseTip(const SyntaxEntries& table, std::string_view line, int column,
                                     const TipMemberTest& memberTest = {}, const OwnTipLookup& own = {});

}  // namespace tarnwick
