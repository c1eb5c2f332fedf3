#include "language/Lexer.h"

#include "language/ByteRuns.h"
#include "language/TokenPipe.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <exception>
#include <limits>
#include <utility>

namespace tarnwick::language {
namespace {

struct Spelling {
    std::string_view lower;
    Keyword keyword;
};

// Sorted by their lower-case spelling for a binary search.
constexpr std::array kKeywords = {
    Spelling{"and", Keyword::And},         Spelling{"as", Keyword::Unused},
    Spelling{"boolean", Keyword::Unused},  Spelling{"byref", Keyword::ByRef},
    Spelling{"byte", Keyword::Unused},     Spelling{"byval", Keyword::ByVal},
    Spelling{"call", Keyword::Call},       Spelling{"case", Keyword::Case},
    Spelling{"class", Keyword::Class},     Spelling{"const", Keyword::Const},
    Spelling{"currency", Keyword::Unused}, Spelling{"dim", Keyword::Dim},
    Spelling{"do", Keyword::Do},           Spelling{"double", Keyword::Unused},
    Spelling{"each", Keyword::Each},       Spelling{"else", Keyword::Else},
    Spelling{"elseif", Keyword::ElseIf},   Spelling{"empty", Keyword::Empty},
    Spelling{"end", Keyword::End},         Spelling{"endif", Keyword::Unused},
    Spelling{"enum", Keyword::Unused},     Spelling{"eqv", Keyword::Eqv},
    Spelling{"event", Keyword::Unused},    Spelling{"exit", Keyword::Exit},
    Spelling{"false", Keyword::False},     Spelling{"for", Keyword::For},
    Spelling{"function", Keyword::Function}, Spelling{"get", Keyword::Get},
    Spelling{"goto", Keyword::GoTo},       Spelling{"if", Keyword::If},
    Spelling{"imp", Keyword::Imp},         Spelling{"implements", Keyword::Unused},
    Spelling{"in", Keyword::In},           Spelling{"integer", Keyword::Unused},
    Spelling{"is", Keyword::Is},           Spelling{"let", Keyword::Let},
    Spelling{"like", Keyword::Unused},     Spelling{"long", Keyword::Unused},
    Spelling{"loop", Keyword::Loop},       Spelling{"lset", Keyword::Unused},
    Spelling{"me", Keyword::Me},           Spelling{"mod", Keyword::Mod},
    Spelling{"new", Keyword::New},         Spelling{"next", Keyword::Next},
    Spelling{"not", Keyword::Not},         Spelling{"nothing", Keyword::Nothing},
    Spelling{"null", Keyword::Null},       Spelling{"on", Keyword::On},
    Spelling{"option", Keyword::Option},   Spelling{"optional", Keyword::Unused},
    Spelling{"or", Keyword::Or},           Spelling{"paramarray", Keyword::Unused},
    Spelling{"preserve", Keyword::Preserve}, Spelling{"private", Keyword::Private},
    Spelling{"public", Keyword::Public},   Spelling{"raiseevent", Keyword::Unused},
    Spelling{"redim", Keyword::ReDim},     Spelling{"resume", Keyword::Resume},
    Spelling{"rset", Keyword::Unused},     Spelling{"select", Keyword::Select},
    Spelling{"set", Keyword::Set},         Spelling{"shared", Keyword::Unused},
    Spelling{"single", Keyword::Unused},   Spelling{"static", Keyword::Unused},
    Spelling{"stop", Keyword::Stop},       Spelling{"sub", Keyword::Sub},
    Spelling{"then", Keyword::Then},       Spelling{"to", Keyword::To},
    Spelling{"true", Keyword::True},       Spelling{"type", Keyword::Unused},
    Spelling{"typeof", Keyword::Unused},   Spelling{"until", Keyword::Until},
    Spelling{"variant", Keyword::Unused},  Spelling{"wend", Keyword::Wend},
    Spelling{"while", Keyword::While},     Spelling{"with", Keyword::With},
    Spelling{"xor", Keyword::Xor},
};

constexpr std::size_t kLongestKeyword = 10;  // "implements", "paramarray"
constexpr std::size_t kLongestName = 255;

constexpr char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr bool IsHexDigit(char c) { return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'f'); }
constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
constexpr bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// A letter of Windows-1252, or any byte of a UTF-8 sequence (the host takes
// the letters of every script; we take every non-ASCII character of UTF-8 text).
constexpr bool IsAnsiLetter(unsigned char c) {
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
    if (c < 0x80) return false;
    switch (c) {
        case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        case 0xAA: case 0xB5: case 0xBA:
            return true;
        default:
            return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

// What each byte can be, one table per text form, so the scanner's inner
// loops test one bit instead of several ranges.
enum CharClass : std::uint8_t {
    kWordChar = 1,  // a letter, a digit or "_": continues a name
    kLetter = 2,    // starts a name
    kBlank = 4,
    kBreak = 8,
};

// What a token starting with a byte can be: the scanner's first decision, one jump.
enum class Start : std::uint8_t {
    Other, Letter, Break, Comment, Digit, Dot, Ampersand, String, Bracket, Hash, Colon, Symbol, Less, Greater,
    Blank, Underscore,  // before a token: a tab, or perhaps a continuation
};

constexpr Symbol SingleSymbol(char c) {
    switch (c) {
        case '(': return Symbol::OpenParen;
        case ')': return Symbol::CloseParen;
        case ',': return Symbol::Comma;
        case '=': return Symbol::Equal;
        case '+': return Symbol::Plus;
        case '-': return Symbol::Minus;
        case '*': return Symbol::Star;
        case '/': return Symbol::Slash;
        case '\\': return Symbol::Backslash;
        case '^': return Symbol::Caret;
        default: return Symbol::None;
    }
}

constexpr Start StartOf(char c, bool letter) {
    if (letter) return Start::Letter;
    if (IsBreak(c)) return Start::Break;
    if (IsDigit(c)) return Start::Digit;
    if (IsBlank(c)) return Start::Blank;
    switch (c) {
        case '_': return Start::Underscore;
        case '\'': return Start::Comment;
        case '.': return Start::Dot;
        case '&': return Start::Ampersand;
        case '"': return Start::String;
        case '[': return Start::Bracket;
        case '#': return Start::Hash;
        case ':': return Start::Colon;
        case '<': return Start::Less;
        case '>': return Start::Greater;
        default: return SingleSymbol(c) != Symbol::None ? Start::Symbol : Start::Other;
    }
}

struct CharClasses {
    std::uint8_t of[256] = {};
    Start start[256] = {};
    Symbol symbol[256] = {};
    constexpr explicit CharClasses(TextForm form) {
        for (int c = 0; c < 256; ++c) {
            const auto byte = static_cast<unsigned char>(c);
            const bool letter = IsAnsiLetter(byte) || (byte >= 0x80 && form == TextForm::Utf8);
            of[c] = static_cast<std::uint8_t>((letter ? kLetter | kWordChar : 0) |
                                              (IsDigit(static_cast<char>(c)) || c == '_' ? kWordChar : 0) |
                                              (IsBlank(static_cast<char>(c)) ? kBlank : 0) |
                                              (IsBreak(static_cast<char>(c)) ? kBreak : 0));
            start[c] = StartOf(static_cast<char>(c), letter);
            symbol[c] = SingleSymbol(static_cast<char>(c));
        }
    }
};
constexpr CharClasses kAnsiClasses(TextForm::Ansi);
constexpr CharClasses kUtf8Classes(TextForm::Utf8);

inline bool IsLetter(unsigned char c, TextForm form) {
    return ((form == TextForm::Ansi ? kAnsiClasses : kUtf8Classes).of[c] & kLetter) != 0;
}

// A word's keyword and context-keyword meaning, found with one lookup.
struct WordMeaning {
    Keyword keyword = Keyword::None;
    ContextWord context = ContextWord::None;
    bool rem = false;  // "Rem": a comment to the line's end
};
WordMeaning MeaningOf(std::string_view word);
// The same for a word of two to seven letters given packed, lower case.
WordMeaning MeaningOfPacked(std::uint64_t key);

// A token's fields as Make packs them into two words.
constexpr bool kTokenAsWords = std::endian::native == std::endian::little && sizeof(Token) == 16 &&
                               offsetof(Token, keyword) == 1 && offsetof(Token, context) == 2 &&
                               offsetof(Token, symbol) == 3 && offsetof(Token, blankBefore) == 4 &&
                               offsetof(Token, integer) == 5 && offsetof(Token, offset) == 8 &&
                               offsetof(Token, length) == 12;

}  // namespace

class Lexer {
public:
    Lexer(std::string_view text, TextForm form)
        : text_(text), form_(form), classes_(form == TextForm::Ansi ? kAnsiClasses : kUtf8Classes) {
        if (form_ == TextForm::Utf8 && text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
    }

    // Writes the next tokens to `out`, up to `capacity` of them or to the first
    // EndOfText, and returns their count. The cursor and the token before stay in
    // registers for the whole run: only the rare tokens leave this loop.
    std::size_t Fill(Token* out, std::size_t capacity) {
        const char* const s = text_.data();
        const std::size_t n = text_.size();
        const CharClasses& classes = classes_;
        std::size_t at = at_;
        // The token before: decides what a "." is. Tokens are written in place and read from there.
        const Token* last = &last_;
        std::size_t count = 0;
        while (count < capacity) {
            sequence_ = produced_ + count;
            // Single spaces between words are the common case: skipped here, eight bytes at a time.
            const std::size_t from = at;
            while (true) {
                if (at + 8 > n) {
                    while (at < n && s[at] == ' ') ++at;
                    break;
                }
                const std::size_t spaces = LeadingBytes(BytesEqual(LoadBytes(s + at), ' '));
                at += spaces;
                if (spaces < 8) break;
            }
            bool blank = at > from;
            Token& token = out[count];
        again:  // after tabs and continuations
            if (at >= n) {
                token = Make(TokenKind::EndOfText, n, 0, false);
                last = &out[count++];
                break;
            }
            const std::size_t start = at;
            const auto c = static_cast<unsigned char>(s[at]);
            switch (classes.start[c]) {
                case Start::Blank:
                case Start::Underscore:
                    if (const std::size_t after = SkipBlanks(at); after > at) {
                        at = after;
                        blank = true;
                        goto again;
                    }
                    token = LexSymbol(start, blank);  // a "_" that continues nothing
                    break;
                case Start::Letter: {
                    token = LexWord(at, blank, *last);
                    if (token.offset < 0) {  // Rem starts a comment wherever it stands
                        at = LineEnd(at);
                        continue;
                    }
                    break;
                }
                case Start::Symbol:
                    token = Make(TokenKind::Symbol, start, 1, blank, Keyword::None, classes.symbol[c]);
                    break;
                case Start::Break:
                    token = Make(TokenKind::LineBreak, start, (c == '\r' && at + 1 < n && s[at + 1] == '\n') ? 2 : 1,
                                 blank);
                    break;
                case Start::Comment:
                    at = LineEnd(at);
                    continue;  // its line break comes next
                case Start::Dot:
                    if (AfterOperand(blank, *last))
                        token = Make(TokenKind::Symbol, start, 1, blank, Keyword::None, Symbol::Dot);
                    else if (at + 1 < n && IsDigit(s[at + 1]))
                        token = LexNumber(start, blank);
                    else
                        token = Make(TokenKind::WithDot, start, 1, blank);
                    break;
                case Start::Colon:
                    token = Make(TokenKind::Colon, start, 1, blank);
                    break;
                case Start::Digit: token = LexNumber(start, blank); break;
                case Start::Ampersand: token = LexAmpersand(start, blank); break;
                case Start::String: token = LexString(start, blank); break;
                case Start::Bracket: token = LexBracketName(start, blank); break;
                case Start::Hash: token = LexDate(start, blank); break;
                case Start::Less:
                case Start::Greater:
                case Start::Other:
                    token = LexSymbol(start, blank);
                    break;
            }
            // Every token ends where the next reading starts.
            at = static_cast<std::size_t>(token.End());
            last = &out[count++];
        }
        at_ = at;
        last_ = *last;
        produced_ += count;
        return count;
    }

    // The errors found while reading, each with the number of its token.
    PendingErrors& Pending() { return pending_; }
    // The bytes not read yet.
    std::size_t Ahead() const { return text_.size() - at_; }

private:
    // A token made as one value, so that it travels in registers rather than
    // being stored field by field and read back whole.
    // On a little-endian machine it is put together as two words: its flags, and its place.
    static Token Make(TokenKind kind, std::size_t offset, std::size_t length, bool blank,
                      Keyword keyword = Keyword::None, Symbol symbol = Symbol::None,
                      ContextWord context = ContextWord::None, bool integer = false) {
        if constexpr (kTokenAsWords) {
            const std::uint64_t flags = static_cast<std::uint64_t>(kind) | static_cast<std::uint64_t>(keyword) << 8 |
                                        static_cast<std::uint64_t>(context) << 16 |
                                        static_cast<std::uint64_t>(symbol) << 24 |
                                        static_cast<std::uint64_t>(blank) << 32 |
                                        static_cast<std::uint64_t>(integer) << 40;
            const std::uint64_t place = static_cast<std::uint32_t>(offset) | static_cast<std::uint64_t>(length) << 32;
            return std::bit_cast<Token>(std::array<std::uint64_t, 2>{flags, place});
        }
        return Token{kind, keyword, context, symbol, blank, integer, static_cast<std::int32_t>(offset),
                     static_cast<std::int32_t>(length)};
    }

    static constexpr Token kComment{TokenKind::EndOfText, Keyword::None, ContextWord::None, Symbol::None,
                                    false, false, -1, 0};

    // Skips blanks and ` _` continuations from `at`; returns where they end.
    std::size_t SkipBlanks(std::size_t at) const {
        while (at < text_.size()) {
            if (classes_.of[static_cast<unsigned char>(text_[at])] & kBlank) {
                ++at;
            } else if (text_[at] == '_' && IsContinuation(at + 1)) {
                ++at;
                while (at < text_.size() && IsBlank(text_[at])) ++at;
                if (at < text_.size() && text_[at] == '\r') ++at;
                if (at < text_.size() && text_[at] == '\n') ++at;
            } else {
                break;
            }
        }
        return at;
    }

    // Where the line of `at` ends: its CR or LF, or the text's end. Eight bytes at a time.
    std::size_t LineEnd(std::size_t at) const {
        for (; at + 8 <= text_.size(); at += 8) {
            const std::uint64_t v = LoadBytes(text_.data() + at);
            if (const std::uint64_t breaks = BytesEqual(v, '\r') | BytesEqual(v, '\n'))
                return at + static_cast<std::size_t>(std::countr_zero(breaks)) / 8;
        }
        while (at < text_.size() && !IsBreak(text_[at])) ++at;
        return at;
    }

    // "_" followed only by blanks up to the line's end continues the statement on the next line.
    bool IsContinuation(std::size_t from) const {
        while (from < text_.size() && IsBlank(text_[from])) ++from;
        return from >= text_.size() || IsBreak(text_[from]);
    }

    // A "." right after a name or ")" reaches a member; elsewhere it starts a With member.
    static bool AfterOperand(bool blank, const Token& last) {
        if (blank) return false;
        return last.kind == TokenKind::Name || last.kind == TokenKind::String ||
               (last.kind == TokenKind::Keyword && last.keyword == Keyword::Me) ||
               (last.kind == TokenKind::Symbol && last.symbol == Symbol::CloseParen);
    }

    static bool AfterDot(const Token& last) {
        return (last.kind == TokenKind::Symbol && last.symbol == Symbol::Dot) || last.kind == TokenKind::WithDot;
    }

    // A name or a keyword from `at`, which it moves past the word; kComment for Rem.
    [[gnu::always_inline]] Token LexWord(std::size_t& at, bool blank, const Token& last) {
        const std::size_t start = at;
        const std::size_t n = text_.size();
        // A word of plain letters, the usual one, is measured eight bytes at a time; one
        // of up to eight is packed for the keyword lookup from its first load.
        std::uint64_t packed = 0;
        std::uint64_t first = 0;  // the first eight bytes, when they are letters
        bool measured = false;
        if (start + 8 <= n) {
            const std::uint64_t v = LoadBytes(text_.data() + start);
            if ((v & kHighBits) == 0) {
                const std::size_t length = LeadingBytes(WordBytes(v));
                at = start + length;
                if (length < 8) {
                    const std::uint64_t lower = LowerBytes(v) & ((std::uint64_t{1} << (8 * length)) - 1);
                    packed = __builtin_bswap64(lower) >> (8 * (8 - length));
                    measured = true;
                } else {
                    first = v;
                    measured = MeasureWordOn(at);
                }
            }
        }
        if (!measured)
            while (at < n && (classes_.of[static_cast<unsigned char>(text_[at])] & kWordChar)) ++at;
        if (first != 0 && at == start + 8) packed = __builtin_bswap64(LowerBytes(first));
        if (AfterDot(last)) return MakeName(start, at, blank);
        const WordMeaning meaning =
            packed != 0 ? MeaningOfPacked(packed) : MeaningOf(text_.substr(start, at - start));
        if (meaning.rem) return kComment;
        // A keyword or a name, chosen without a branch: which one a word is, nothing foretells.
        const Token name = MakeName(start, at, blank, meaning.context);
        Token keyword = name;
        keyword.kind = TokenKind::Keyword;
        keyword.keyword = meaning.keyword;
        keyword.context = ContextWord::None;
        return meaning.keyword != Keyword::None ? keyword : name;
    }

    // Moves `at` over the plain letters of a word, eight at a time while eight
    // remain; false when what follows needs looking at byte by byte.
    bool MeasureWordOn(std::size_t& at) const {
        while (at + 8 <= text_.size()) {
            const std::uint64_t v = LoadBytes(text_.data() + at);
            if (v & kHighBits) return false;
            const std::size_t length = LeadingBytes(WordBytes(v));
            at += length;
            if (length < 8) return true;
        }
        return false;
    }

    Token MakeName(std::size_t start, std::size_t end, bool blank, ContextWord context = ContextWord::None) {
        // Characters: a UTF-8 continuation byte adds none.
        if (end - start > kLongestName) {
            std::size_t characters = end - start;
            if (form_ == TextForm::Utf8)
                for (std::size_t i = start; i < end; ++i)
                    characters -= (static_cast<unsigned char>(text_[i]) & 0xC0) == 0x80;
            if (characters > kLongestName) Error(Message::IdentifierTooLong, start, end - start);
        }
        return Make(TokenKind::Name, start, end - start, blank, Keyword::None, Symbol::None, context);
    }

    std::size_t SkipDigits(std::size_t at) const {
        while (at < text_.size() && IsDigit(text_[at])) ++at;
        return at;
    }

    Token LexNumber(std::size_t start, bool blank) {
        bool integer = true;
        std::size_t at = SkipDigits(start);
        if (at < text_.size() && text_[at] == '.') {
            integer = false;
            at = SkipDigits(at + 1);
        }
        if (at < text_.size() && Lower(text_[at]) == 'e') {
            std::size_t next = at + 1;
            if (next < text_.size() && (text_[next] == '+' || text_[next] == '-')) ++next;
            if (next < text_.size() && IsDigit(text_[next])) {
                integer = false;
                at = SkipDigits(next);
            } else if (next > at + 1 || next >= text_.size() || !IsLetter(static_cast<unsigned char>(text_[next]), form_)) {
                // "1e" or "1e+" with no exponent digits
                Error(Message::InvalidNumber, start, next - start);
                return Make(TokenKind::Number, start, next - start, blank);
            }
        }
        if (at < text_.size() && text_[at] == '.') {  // "1.2.3"
            while (at < text_.size() && (IsDigit(text_[at]) || text_[at] == '.')) ++at;
            Error(Message::InvalidNumber, start, at - start);
        }
        return Make(TokenKind::Number, start, at - start, blank, Keyword::None, Symbol::None, ContextWord::None, integer);
    }

    // "&" alone, or a number written "&H..." or "&O...".
    Token LexAmpersand(std::size_t start, bool blank) {
        if (start + 1 >= text_.size() || (Lower(text_[start + 1]) != 'h' && Lower(text_[start + 1]) != 'o'))
            return Make(TokenKind::Symbol, start, 1, blank, Keyword::None, Symbol::Ampersand);
        const bool hex = Lower(text_[start + 1]) == 'h';
        std::size_t at = start + 2;
        const std::size_t digits = at;
        while (at < text_.size() && (hex ? IsHexDigit(text_[at]) : (text_[at] >= '0' && text_[at] <= '7'))) ++at;
        if (at == digits || (at < text_.size() && IsDigit(text_[at]))) {
            at = SkipDigits(at);
            Error(Message::InvalidNumber, start, at - start);
        }
        if (at < text_.size() && text_[at] == '&') ++at;  // the Long type mark
        return Make(TokenKind::Number, start, at - start, blank, Keyword::None, Symbol::None, ContextWord::None, true);
    }

    Token LexString(std::size_t start, bool blank) {
        std::size_t at = start + 1;
        while (at < text_.size()) {
            const char c = text_[at];
            if (c == '"') {
                if (at + 1 < text_.size() && text_[at + 1] == '"') {
                    at += 2;
                    continue;
                }
                ++at;
                return Make(TokenKind::String, start, at - start, blank);
            }
            if (IsBreak(c)) break;
            ++at;
        }
        Error(Message::UnterminatedString, start, at - start);
        return Make(TokenKind::String, start, at - start, blank);
    }

    // Where a piece that must close on its line stops: at `close`, or at a line break or the end.
    std::size_t ScanOnLineTo(std::size_t at, char close) const {
        while (at < text_.size() && !IsBreak(text_[at]) && text_[at] != close) ++at;
        return at;
    }
    bool ClosedAt(std::size_t at, char close) const { return at < text_.size() && text_[at] == close; }

    Token LexBracketName(std::size_t start, bool blank) {
        std::size_t at = ScanOnLineTo(start + 1, ']');
        if (!ClosedAt(at, ']')) {
            Error(Message::ExpectedCloseBracket, at, 0);
            return Make(TokenKind::Name, start, at - start, blank);
        }
        ++at;
        const std::size_t characters = at - start - 2;
        if (characters > kLongestName) Error(Message::IdentifierTooLong, start, at - start);
        return Make(TokenKind::Name, start, at - start, blank);
    }

    Token LexDate(std::size_t start, bool blank) {
        const std::size_t end = ScanOnLineTo(start + 1, '#');
        if (!ClosedAt(end, '#')) {
            Error(Message::InvalidCharacter, start, 1);
            return Make(TokenKind::Invalid, start, 1, blank);
        }
        return Make(TokenKind::Date, start, end + 1 - start, blank);
    }

    Token LexSymbol(std::size_t start, bool blank) {
        std::size_t at = start;
        const char c = text_[at++];
        const char next = at < text_.size() ? text_[at] : '\0';
        Symbol symbol = Symbol::None;
        switch (c) {
            case '(': symbol = Symbol::OpenParen; break;
            case ')': symbol = Symbol::CloseParen; break;
            case ',': symbol = Symbol::Comma; break;
            case '=': symbol = Symbol::Equal; break;
            case '+': symbol = Symbol::Plus; break;
            case '-': symbol = Symbol::Minus; break;
            case '*': symbol = Symbol::Star; break;
            case '/': symbol = Symbol::Slash; break;
            case '\\': symbol = Symbol::Backslash; break;
            case '^': symbol = Symbol::Caret; break;
            case '&': symbol = Symbol::Ampersand; break;
            case '<':
                symbol = next == '=' ? Symbol::LessEqual : next == '>' ? Symbol::NotEqual : Symbol::Less;
                if (symbol != Symbol::Less) ++at;
                break;
            case '>':
                symbol = next == '=' ? Symbol::GreaterEqual : Symbol::Greater;
                if (symbol != Symbol::Greater) ++at;
                break;
            default: break;
        }
        if (symbol == Symbol::None) {
            // One character as the host reads it: a whole UTF-8 sequence.
            if (form_ == TextForm::Utf8)
                while (at < text_.size() && (static_cast<unsigned char>(text_[at]) & 0xC0) == 0x80) ++at;
            Error(Message::InvalidCharacter, start, at - start);
            return Make(TokenKind::Invalid, start, at - start, blank);
        }
        return Make(TokenKind::Symbol, start, at - start, blank, Keyword::None, symbol);
    }

    // Kept with the number of the token being read: the reader hands it over
    // when the parser reaches that token, as if the token had been read just then.
    void Error(Message message, std::size_t offset, std::size_t length) {
        pending_.Add({sequence_, {message, static_cast<std::int32_t>(offset), static_cast<std::int32_t>(length),
                                  false, {}}});
    }

    std::string_view text_;
    TextForm form_;
    const CharClasses& classes_;
    std::size_t at_ = 0;
    Token last_;                  // the token given before, which decides what a "." is
    std::uint64_t produced_ = 0;  // tokens given so far
    std::uint64_t sequence_ = 0;  // the number of the token being read
    PendingErrors pending_;
};

namespace {

// A word of up to eight letters packed into one number, lower case, for quick lookups.
constexpr std::uint64_t Packed(std::string_view word) {
    std::uint64_t key = 0;
    for (const char c : word) key = key << 8 | static_cast<unsigned char>(Lower(c));
    return key;
}

// The words of up to eight letters that mean more than a name (keywords,
// context keywords and Rem) in a table keyed by their packed spelling, where
// each has a slot of its own: a look-up is one probe and no loop.
class PackedWords {
public:
    constexpr PackedWords() {
        // The first multiplier that gives every word its own slot.
        for (multiplier_ = 0x9E3779B97F4A7C15ull;; multiplier_ += 0x2545F4914F6CDD1Dull * 2) {
            slots_ = {};
            if (AddAll()) return;
        }
    }

    constexpr WordMeaning Find(std::uint64_t key) const {
        const Entry& entry = slots_[Slot(key)];
        // Masked rather than branched on: a word is a keyword or not at random.
        const auto keep = static_cast<std::uint8_t>(-static_cast<int>(entry.key == key));
        return {static_cast<Keyword>(static_cast<std::uint8_t>(entry.meaning.keyword) & keep),
                static_cast<ContextWord>(static_cast<std::uint8_t>(entry.meaning.context) & keep),
                entry.meaning.rem && entry.key == key};
    }

private:
    constexpr bool AddAll() {
        for (const Spelling& s : kKeywords)
            if (s.lower.size() <= 8 && !Add(s.lower, {s.keyword, ContextWord::None, false})) return false;
        return Add("property", {Keyword::None, ContextWord::Property, false}) &&
               Add("default", {Keyword::None, ContextWord::Default, false}) &&
               Add("error", {Keyword::None, ContextWord::Error, false}) &&
               Add("explicit", {Keyword::None, ContextWord::Explicit, false}) &&
               Add("step", {Keyword::None, ContextWord::Step, false}) &&
               Add("rem", {Keyword::None, ContextWord::None, true});
    }

    constexpr bool Add(std::string_view word, WordMeaning meaning) {
        const std::uint64_t key = Packed(word);
        Entry& entry = slots_[Slot(key)];
        if (entry.key != 0) return false;
        entry = {key, meaning};
        return true;
    }

    static constexpr int kSlotBits = 10;  // about twelve times the words: a multiplier without clashes is near
    constexpr std::size_t Slot(std::uint64_t key) const {
        return static_cast<std::size_t>((key * multiplier_) >> (64 - kSlotBits));
    }

    struct Entry {
        std::uint64_t key = 0;
        WordMeaning meaning;
    };
    std::uint64_t multiplier_ = 0;
    std::array<Entry, std::size_t{1} << kSlotBits> slots_{};
};

constexpr PackedWords kPackedWords;

WordMeaning MeaningOf(std::string_view word) {
    if (word.size() < 2 || word.size() > kLongestKeyword) return {};
    if (word.size() <= 8) return kPackedWords.Find(Packed(word));
    return {KeywordOf(word), ContextWord::None, false};  // "implements", "paramarray"
}

WordMeaning MeaningOfPacked(std::uint64_t key) { return key > 0xFF ? kPackedWords.Find(key) : WordMeaning{}; }

}  // namespace

Keyword KeywordOf(std::string_view word) {
    if (word.size() < 2 || word.size() > kLongestKeyword) return Keyword::None;
    if (word.size() <= 8) return kPackedWords.Find(Packed(word)).keyword;
    char buffer[kLongestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = Lower(word[i]);
    const std::string_view lower(buffer, word.size());
    const auto it = std::lower_bound(kKeywords.begin(), kKeywords.end(), lower,
                                     [](const Spelling& s, std::string_view w) { return s.lower < w; });
    return it != kKeywords.end() && it->lower == lower ? it->keyword : Keyword::None;
}

ContextWord ContextWordOf(std::string_view word) {
    if (word.size() < 4 || word.size() > 8) return ContextWord::None;
    return kPackedWords.Find(Packed(word)).context;
}

std::string_view NameText(std::string_view text, const Token& token) {
    std::string_view name = text.substr(static_cast<std::size_t>(token.offset), static_cast<std::size_t>(token.length));
    if (!name.empty() && name.front() == '[') {
        name.remove_prefix(1);
        if (!name.empty() && name.back() == ']') name.remove_suffix(1);
    }
    return name;
}

void PendingErrors::Append(std::vector<Entry>& more) {
    for (Entry& entry : more) list_.push_back(std::move(entry));
    more.clear();
}

void PendingErrors::TakeAll(std::vector<Entry>& into) {
    into.clear();
    list_.erase(list_.begin(), list_.begin() + static_cast<std::ptrdiff_t>(handedOver_));
    handedOver_ = 0;
    std::swap(list_, into);
}

void PendingErrors::HandOver(std::uint64_t upTo, std::vector<RawDiagnostic>& errors) {
    while (handedOver_ < list_.size() && list_[handedOver_].token <= upTo)
        errors.push_back(std::move(list_[handedOver_++].error));
    if (handedOver_ == list_.size()) {
        list_.clear();
        handedOver_ = 0;
    }
}

namespace {

// A reading reads ahead on a second thread once it has gone this far and at
// least this much text is still ahead: short readings, such as those that
// recheck a few statements after an edit, never start a thread.
constexpr std::int64_t kPipeAfterTokens = 1024;
constexpr std::size_t kPipeAheadBytes = 256 * 1024;

}  // namespace

TokenReader::TokenReader(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors)
    : lexer_(std::make_unique<Lexer>(text, form)), pending_(&lexer_->Pending()), errors_(errors) {
    window_ = own_.data();
    // Before the first token nothing was read: the token before it is an empty EndOfText.
    filled_ = 1 + lexer_->Fill(own_.data() + 1, own_.size() - 1);
    pending_->HandOver(0, errors_);
    if (own_[1].kind != TokenKind::EndOfText) {
        Pull();
        return;
    }
    own_[2] = own_[1];
    filled_ = 3;
}

// The pipe's thread reads with the lexer: it stops before the lexer goes.
TokenReader::~TokenReader() { pipe_.reset(); }

void TokenReader::Pull() {
    if (at_ + 1 >= filled_ && !Refill()) return;
    const auto next = static_cast<std::uint64_t>(base_ + static_cast<std::int64_t>(at_) + 1);
    pending_->HandOver(next, errors_);
    due_ = filled_ - 1;
    if (const std::uint64_t pending = pending_->First(); pending != PendingErrors::kNone)
        due_ = std::min(due_, static_cast<std::size_t>(static_cast<std::int64_t>(pending) - base_ - 1));
}

bool TokenReader::Refill() {
    // Keep the token before and the current one; after EndOfText the next is EndOfText again.
    const Token previous = window_[at_ - 1];
    const Token current = window_[at_];
    base_ += static_cast<std::int64_t>(at_) - 1;
    at_ = 1;
    if (current.kind == TokenKind::EndOfText) {
        own_[0] = previous;
        own_[1] = current;
        own_[2] = current;
        window_ = own_.data();
        filled_ = 3;
        due_ = kNever;
        return false;
    }
    if (!pipe_ && base_ >= kPipeAfterTokens && lexer_->Ahead() >= kPipeAheadBytes) StartPipe();
    if (!pipe_) {
        own_[0] = previous;
        own_[1] = current;
        filled_ = 2 + lexer_->Fill(own_.data() + 2, own_.size() - 2);
        return true;
    }
    TokenPipe::Block& block = pipe_->Next();
    block.tokens[0] = previous;
    block.tokens[1] = current;
    received_.Append(block.errors);
    window_ = block.tokens.data();
    filled_ = TokenPipe::kKept + block.count;
    return true;
}

void TokenReader::StartPipe() {
    // The errors found so far wait here; the lexer is the thread's from now on.
    received_ = std::exchange(lexer_->Pending(), {});
    try {
        pipe_ = std::make_unique<TokenPipe>(
            [lexer = lexer_.get()](Token* out, std::size_t capacity, std::vector<PendingErrors::Entry>& errors) {
                const std::size_t count = lexer->Fill(out, capacity);
                lexer->Pending().TakeAll(errors);
                return count;
            });
    } catch (const std::exception&) {  // no thread, or no memory for its blocks: read on here as before
        lexer_->Pending() = std::exchange(received_, {});
        return;
    }
    pending_ = &received_;
}

std::vector<Token> Tokenize(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors) {
    std::vector<Token> tokens;
    TokenReader reader(text, form, errors);
    for (;; reader.Advance()) {
        tokens.push_back(reader.Current());
        if (tokens.back().kind == TokenKind::EndOfText) return tokens;
    }
}

}  // namespace tarnwick::language
