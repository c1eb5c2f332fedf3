#pragma once

#include "editor/Colour.h"
#include "options/ColourSettings.h"
#include "syntax/SyntaxTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Colours and tidies one line of a document as it is opened: single spaces
// around each "=", every keyword respelled as the table has it and coloured as
// a function or a statement, and a comment coloured from its apostrophe or its
// "rem" to the end of the line. Keywords are found as whole words outside
// strings and comments, in table order; a keyword already coloured is not
// coloured again, and its edges count as word boundaries for later keywords.
// A "rem" that is also a statement keyword takes the comment colour, which
// then runs to the end of the line. After a keyword the colour falls back to
// the one each character had: characters that no rule colours keep their own.
//
// A keyword whose name holds a character that is no printable ASCII, or a
// backslash or a brace, is never found: such names have never matched.
//
// Building one colourer indexes the table's keywords once, so that each line
// costs one pass over its words instead of one search per keyword. A colourer
// keeps scratch buffers between lines; use one per thread.
class DocumentLineColourer {
public:
    DocumentLineColourer(const SyntaxEntries& table, const ColourSettings& colours);

    // Appends the coloured line (without its break) to `text` and its stored
    // colours to `colours`; `own` holds the colour of each character of `line`,
    // or is null when every character has the control's own text colour.
    void AppendLine(std::string_view line, const Colour* own, std::string& text, std::vector<Colour>& colours);

    // The same with one byte per character indexing a palette in which the
    // three colours the rules write stand at the indices given here; `own`
    // (never null) holds the index of each character of `line`.
    void UseIndices(char functions, char statements, char comments);
    void AppendLine(std::string_view line, const char* own, std::string& text, std::string& colours);

private:
    // The colours the rules write, as stored colours or as palette indices.
    template <typename T>
    struct Paints {
        T functions, statements, comments;
    };
    template <typename Store, typename T>
    void Append(std::string_view line, const T* own, std::string& text, Store& colours, Store& scratch,
                const Paints<T>& paints);
    struct Slot {
        std::uint32_t hash = 0;
        std::string foldedName;
        const TColorCoding* entry = nullptr;
    };

    void Index(const TColorCoding& entry);
    const TColorCoding* Find(std::string_view word, std::uint32_t hash) const;
    template <typename T>
    static T KeywordColour(const TColorCoding& entry, const Paints<T>& paints);
    template <typename T>
    void ColourByWord(char* text, T* colours, std::size_t length, const Paints<T>& paints) const;
    template <typename T>
    void ColourStepByStep(char* text, T* colours, std::size_t length, const Paints<T>& paints);

    const SyntaxEntries& table_;
    Paints<Colour> colours_;
    Paints<char> indices_{};
    // Lower-cased keyword names, each to the first coloured entry that has it (open addressing).
    std::vector<Slot> slots_;
    // Bit n of the entry for a lower-cased first letter: some keyword of n letters begins with it.
    std::uint64_t lengthsByFirst_[256] = {};
    // False when some keyword is no single word; every line then takes the step-by-step searches.
    bool byWord_ = true;

    // Scratch: a line that the spacing changes, with its colours.
    std::string line_;
    std::vector<Colour> lineColours_;
    std::string lineIndices_;
};

// Whether the colourer ever finds the keyword (see above).
bool IsFindableKeyword(std::string_view name);

}  // namespace tarnwick
