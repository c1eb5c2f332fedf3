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
    if (text.find('=') == std::string::npos) return;  // most lines: nothing to space
    // Scratch kept from line to line: a whole document's lines cost no allocation each.
    thread_local std::string out;
    thread_local Store outColours;
    out.clear();
    outColours.clear();
    std::size_t copied = 0;  // text before this is written out already
    bool spaced = false;
    auto copyUpTo = [&](std::size_t to) {
        out.append(text, copied, to - copied);
        if (colours != nullptr) outColours.insert(outColours.end(), colours->begin() + copied, colours->begin() + to);
    };
    LineState state;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (!IsDelimiter(static_cast<unsigned char>(c))) {
            std::size_t end = i + 1;
            while (end < text.size() && !IsDelimiter(static_cast<unsigned char>(text[end]))) ++end;
            state.Word(std::string_view(text).substr(i, end - i));
            i = end;
            continue;
        }
        if (c != '=' || !state.InCode()) {
            state.Delimiter(c);
            ++i;
            continue;
        }
        if (!spaced) {
            spaced = true;
            out.reserve(text.size() + text.size() / 8 + 2);
            if (colours != nullptr) outColours.reserve(out.capacity());
        }
        copyUpTo(i);
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
        i = copied = b;  // the next search starts right after the sign just written
    }
    if (!spaced) return;  // every sign stood in a string or a comment
    copyUpTo(text.size());
    text.assign(out);
    if (colours != nullptr) colours->assign(outColours.begin(), outColours.end());
}

}  // namespace

void SpaceEqualsSigns(std::string& text, std::vector<Colour>* colours) { SpaceAround(text, colours); }
void SpaceEqualsSigns(std::string& text, std::string* colours) { SpaceAround(text, colours); }

}  // namespace tarnwick
