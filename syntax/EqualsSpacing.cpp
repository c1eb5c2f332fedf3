#include "syntax/EqualsSpacing.h"

#include "syntax/Scans.h"

namespace tarnwick {
namespace {

bool IsComparison(char c) { return c == '<' || c == '>'; }
char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Whether a position lies in a string or a comment, decided as IsString and
// IsComment do from the start of the line, kept up to date in one forward walk.
class LineState {
public:
    bool InCode() const { return !inString_ && !commentByApostrophe_ && !commentByRem_; }

    // Takes in the character at i (a delimiter) or the word [i, end).
    void Delimiter(char c) {
        if (c == '"') inString_ = !inString_;
        if (c == '\'') commentByApostrophe_ = commentByApostrophe_ || !inString_;
    }
    void Word(std::string_view word) {
        if (word.size() == 3 && Fold(word[0]) == 'r' && Fold(word[1]) == 'e' && Fold(word[2]) == 'm')
            commentByRem_ = !inString_;
    }

private:
    bool inString_ = false;
    bool commentByApostrophe_ = false;  // an apostrophe outside a string has been passed
    bool commentByRem_ = false;         // the last whole-word "rem" stands outside a string
};

// One walk over the line stands for the repeated search for "=" with
// SkipStrings and SkipComments: the edits change only blanks and signs, which
// move no word boundary and no quote, so the state before each position is the
// one the searches would find. The line is written afresh as the walk goes,
// not edited in place, so a line with many signs costs one pass: what is
// written so far is the line as the edits have left it before the next search.
template <typename Store>
void SpaceAround(std::string& text, Store* colours) {
    std::string out;
    out.reserve(text.size() + text.size() / 8 + 2);
    Store outColours;
    if (colours != nullptr) outColours.reserve(out.capacity());
    auto copy = [&](std::size_t from, std::size_t to) {
        out.append(text, from, to - from);
        if (colours != nullptr) outColours.insert(outColours.end(), colours->begin() + from, colours->begin() + to);
    };
    LineState state;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!IsDelimiter(static_cast<unsigned char>(c))) {
            std::size_t end = i + 1;
            while (end < text.size() && !IsDelimiter(static_cast<unsigned char>(text[end]))) ++end;
            state.Word(std::string_view(text).substr(i, end - i));
            copy(i, end);
            i = end;
            continue;
        }
        if (c != '=' || !state.InCode()) {
            state.Delimiter(c);
            copy(i, i + 1);
            ++i;
            continue;
        }
        // The blanks before the sign, written already, and those after it go.
        std::size_t a = out.size();
        while (a > 0 && out[a - 1] == ' ') --a;
        std::size_t b = i + 1;
        while (b < text.size() && text[b] == ' ') ++b;

        // After the spaces and the sign are gone, a neighbouring "<" or ">" keeps the sign unspaced.
        bool comparison = (a > 0 && IsComparison(out[a - 1])) || (b < text.size() && IsComparison(text[b]));
        std::string_view sign = comparison ? "=" : " = ";
        out.resize(a);
        out += sign;
        if (colours != nullptr) {
            outColours.resize(a);
            outColours.insert(outColours.end(), sign.size(), (*colours)[i]);
        }
        i = b;  // the next search starts right after the sign just written
    }
    text.swap(out);
    if (colours != nullptr) colours->swap(outColours);
}

}  // namespace

void SpaceEqualsSigns(std::string& text, std::vector<Colour>* colours) { SpaceAround(text, colours); }
void SpaceEqualsSigns(std::string& text, std::string* colours) { SpaceAround(text, colours); }

}  // namespace tarnwick
