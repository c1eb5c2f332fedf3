#include "language/Lexer.h"

#include "language/ByteRuns.h"

#include <algorithm>
#include <array>
#include <cstring>

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
    switch (c) {
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

}  // namespace

class Lexer {
public:
    Lexer(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors)
        : text_(text), form_(form), classes_(form == TextForm::Ansi ? kAnsiClasses : kUtf8Classes), errors_(errors) {
        if (form_ == TextForm::Utf8 && text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
    }

    Token Next() {
        while (true) {
            // Single spaces between words are the common case: skipped here, without a call.
            bool blank = SkipSpaces();
            if (at_ < text_.size() && ((ClassOf(at_) & kBlank) || text_[at_] == '_')) blank = SkipBlanks() || blank;
            const Token token = at_ >= text_.size() ? Make(TokenKind::EndOfText, text_.size(), 0, false) : Lex(blank);
            if (token.offset < 0) continue;  // a comment: its line break comes next
            last_ = token;
            hasLast_ = true;
            return token;
        }
    }

private:
    // What Lex gives for a comment, which is no token.
    static constexpr Token kNoToken{TokenKind::EndOfText, Keyword::None, ContextWord::None, Symbol::None,
                                    false, false, -1, 0};

    // A token made as one value, so that it travels in registers rather than
    // being stored field by field and read back whole.
    static Token Make(TokenKind kind, std::size_t offset, std::size_t length, bool blank,
                      Keyword keyword = Keyword::None, Symbol symbol = Symbol::None,
                      ContextWord context = ContextWord::None, bool integer = false) {
        return Token{kind, keyword, context, symbol, blank, integer, static_cast<std::int32_t>(offset),
                     static_cast<std::int32_t>(length)};
    }

    std::uint8_t ClassOf(std::size_t at) const { return classes_.of[static_cast<unsigned char>(text_[at])]; }

    // The eight bytes from `at`, the first in the lowest byte; only where eight remain.
    std::uint64_t Load(std::size_t at) const { return LoadBytes(text_.data() + at); }

    // Skips spaces; true when any were skipped.
    bool SkipSpaces() {
        const std::size_t before = at_;
        while (at_ + 8 <= text_.size()) {
            const std::size_t spaces = LeadingBytes(BytesEqual(Load(at_), ' '));
            at_ += spaces;
            if (spaces < 8) return at_ > before;
        }
        while (at_ < text_.size() && text_[at_] == ' ') ++at_;
        return at_ > before;
    }

    // Skips blanks and ` _` continuations; true when any were skipped.
    bool SkipBlanks() {
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            if (ClassOf(at_) & kBlank) {
                ++at_;
            } else if (text_[at_] == '_' && IsContinuation(at_ + 1)) {
                ++at_;
                while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
                if (at_ < text_.size() && text_[at_] == '\r') ++at_;
                if (at_ < text_.size() && text_[at_] == '\n') ++at_;
            } else {
                break;
            }
        }
        return at_ > start;
    }

    // "_" followed only by blanks up to the line's end continues the statement on the next line.
    bool IsContinuation(std::size_t from) const {
        while (from < text_.size() && IsBlank(text_[from])) ++from;
        return from >= text_.size() || IsBreak(text_[from]);
    }

    Token Lex(bool blank) {
        const std::size_t start = at_;
        const auto c = static_cast<unsigned char>(text_[at_]);
        switch (classes_.start[c]) {
            case Start::Letter: return LexWord(blank);
            case Start::Symbol:
                ++at_;
                return Make(TokenKind::Symbol, start, 1, blank, Keyword::None, classes_.symbol[c]);
            case Start::Break:
                at_ += (c == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ? 2 : 1;
                return Make(TokenKind::LineBreak, start, at_ - start, blank);
            case Start::Comment:
                SkipToLineEnd();
                return kNoToken;
            case Start::Digit: return LexNumber(blank);
            case Start::Dot:
                if (at_ + 1 < text_.size() && IsDigit(text_[at_ + 1]) && !AfterOperand(blank)) return LexNumber(blank);
                ++at_;
                if (AfterOperand(blank)) return Make(TokenKind::Symbol, start, 1, blank, Keyword::None, Symbol::Dot);
                return Make(TokenKind::WithDot, start, 1, blank);
            case Start::Ampersand:
                if (at_ + 1 < text_.size() && (Lower(text_[at_ + 1]) == 'h' || Lower(text_[at_ + 1]) == 'o'))
                    return LexRadixNumber(blank);
                ++at_;
                return Make(TokenKind::Symbol, start, 1, blank, Keyword::None, Symbol::Ampersand);
            case Start::String: return LexString(blank);
            case Start::Bracket: return LexBracketName(blank);
            case Start::Hash: return LexDate(blank);
            case Start::Colon:
                ++at_;
                return Make(TokenKind::Colon, start, 1, blank);
            case Start::Less:
            case Start::Greater:
            case Start::Other:
                break;
        }
        return LexSymbol(blank);
    }

    // A "." right after a name or ")" reaches a member; elsewhere it starts a With member.
    bool AfterOperand(bool blank) const {
        if (blank || !hasLast_) return false;
        const Token& last = last_;
        return last.kind == TokenKind::Name || last.kind == TokenKind::String ||
               (last.kind == TokenKind::Keyword && last.keyword == Keyword::Me) ||
               (last.kind == TokenKind::Symbol && last.symbol == Symbol::CloseParen);
    }

    bool AfterDot() const {
        return hasLast_ && ((last_.kind == TokenKind::Symbol && last_.symbol == Symbol::Dot) ||
                            last_.kind == TokenKind::WithDot);
    }

    void SkipToLineEnd() {
        while (at_ < text_.size() && !(ClassOf(at_) & kBreak)) ++at_;
    }

    Token LexWord(bool blank) {
        const std::size_t start = at_;
        // A word of plain letters shorter than eight, the usual one, is measured and
        // packed for the keyword lookup from one load.
        std::uint64_t packed = 0;
        if (start + 8 <= text_.size()) {
            const std::uint64_t v = Load(start);
            if ((v & kHighBits) == 0) {
                const std::size_t length = LeadingBytes(WordBytes(v));
                at_ = start + length;
                if (length < 8) {
                    const std::uint64_t lower = LowerBytes(v) & ((std::uint64_t{1} << (8 * length)) - 1);
                    packed = __builtin_bswap64(lower) >> (8 * (8 - length));
                }
            }
        }
        while (at_ < text_.size() && (ClassOf(at_) & kWordChar)) ++at_;
        // Characters: a UTF-8 continuation byte adds none.
        std::size_t characters = at_ - start;
        if (form_ == TextForm::Utf8)
            for (std::size_t i = start; i < at_; ++i) characters -= (static_cast<unsigned char>(text_[i]) & 0xC0) == 0x80;
        if (AfterDot()) return MakeName(start, characters, blank);
        const WordMeaning meaning =
            packed != 0 ? MeaningOfPacked(packed) : MeaningOf(text_.substr(start, at_ - start));
        if (meaning.rem) {
            SkipToLineEnd();  // Rem starts a comment wherever it stands
            return kNoToken;
        }
        if (meaning.keyword != Keyword::None) return Make(TokenKind::Keyword, start, at_ - start, blank, meaning.keyword);
        return MakeName(start, characters, blank, meaning.context);
    }

    Token MakeName(std::size_t start, std::size_t characters, bool blank, ContextWord context = ContextWord::None) {
        if (characters > kLongestName) Error(Message::IdentifierTooLong, start, at_ - start);
        return Make(TokenKind::Name, start, at_ - start, blank, Keyword::None, Symbol::None, context);
    }

    void SkipDigits() {
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }

    Token LexNumber(bool blank) {
        const std::size_t start = at_;
        bool integer = true;
        SkipDigits();
        if (at_ < text_.size() && text_[at_] == '.') {
            integer = false;
            ++at_;
            SkipDigits();
        }
        if (at_ < text_.size() && Lower(text_[at_]) == 'e') {
            std::size_t next = at_ + 1;
            if (next < text_.size() && (text_[next] == '+' || text_[next] == '-')) ++next;
            if (next < text_.size() && IsDigit(text_[next])) {
                integer = false;
                at_ = next;
                SkipDigits();
            } else if (next > at_ + 1 || next >= text_.size() || !IsLetter(static_cast<unsigned char>(text_[next]), form_)) {
                // "1e" or "1e+" with no exponent digits
                at_ = next;
                Error(Message::InvalidNumber, start, at_ - start);
                return Make(TokenKind::Number, start, at_ - start, blank);
            }
        }
        if (at_ < text_.size() && text_[at_] == '.') {  // "1.2.3"
            while (at_ < text_.size() && (IsDigit(text_[at_]) || text_[at_] == '.')) ++at_;
            Error(Message::InvalidNumber, start, at_ - start);
        }
        return Make(TokenKind::Number, start, at_ - start, blank, Keyword::None, Symbol::None, ContextWord::None, integer);
    }

    Token LexRadixNumber(bool blank) {
        const std::size_t start = at_;
        const bool hex = Lower(text_[at_ + 1]) == 'h';
        at_ += 2;
        const std::size_t digits = at_;
        while (at_ < text_.size() && (hex ? IsHexDigit(text_[at_]) : (text_[at_] >= '0' && text_[at_] <= '7'))) ++at_;
        if (at_ == digits || (at_ < text_.size() && IsDigit(text_[at_]))) {
            SkipDigits();
            Error(Message::InvalidNumber, start, at_ - start);
        }
        if (at_ < text_.size() && text_[at_] == '&') ++at_;  // the Long type mark
        return Make(TokenKind::Number, start, at_ - start, blank, Keyword::None, Symbol::None, ContextWord::None, true);
    }

    Token LexString(bool blank) {
        const std::size_t start = at_++;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    at_ += 2;
                    continue;
                }
                ++at_;
                return Make(TokenKind::String, start, at_ - start, blank);
            }
            if (IsBreak(c)) break;
            ++at_;
        }
        Error(Message::UnterminatedString, start, at_ - start);
        return Make(TokenKind::String, start, at_ - start, blank);
    }

    Token LexBracketName(bool blank) {
        const std::size_t start = at_++;
        while (at_ < text_.size() && !IsBreak(text_[at_]) && text_[at_] != ']') ++at_;
        if (at_ >= text_.size() || text_[at_] != ']') {
            Error(Message::ExpectedCloseBracket, at_, 0);
            return Make(TokenKind::Name, start, at_ - start, blank);
        }
        ++at_;
        const std::size_t characters = at_ - start - 2;
        if (characters > kLongestName) Error(Message::IdentifierTooLong, start, at_ - start);
        return Make(TokenKind::Name, start, at_ - start, blank);
    }

    Token LexDate(bool blank) {
        const std::size_t start = at_;
        std::size_t end = at_ + 1;
        while (end < text_.size() && !IsBreak(text_[end]) && text_[end] != '#') ++end;
        if (end >= text_.size() || text_[end] != '#') {
            ++at_;
            Error(Message::InvalidCharacter, start, 1);
            return Make(TokenKind::Invalid, start, 1, blank);
        }
        at_ = end + 1;
        return Make(TokenKind::Date, start, at_ - start, blank);
    }

    Token LexSymbol(bool blank) {
        const std::size_t start = at_;
        const char c = text_[at_++];
        const char next = at_ < text_.size() ? text_[at_] : '\0';
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
                if (symbol != Symbol::Less) ++at_;
                break;
            case '>':
                symbol = next == '=' ? Symbol::GreaterEqual : Symbol::Greater;
                if (symbol != Symbol::Greater) ++at_;
                break;
            default: break;
        }
        if (symbol == Symbol::None) {
            // One character as the host reads it: a whole UTF-8 sequence.
            if (form_ == TextForm::Utf8)
                while (at_ < text_.size() && (static_cast<unsigned char>(text_[at_]) & 0xC0) == 0x80) ++at_;
            Error(Message::InvalidCharacter, start, at_ - start);
            return Make(TokenKind::Invalid, start, at_ - start, blank);
        }
        return Make(TokenKind::Symbol, start, at_ - start, blank, Keyword::None, symbol);
    }

    void Error(Message message, std::size_t offset, std::size_t length) {
        errors_.push_back({message, static_cast<std::int32_t>(offset), static_cast<std::int32_t>(length), false, {}});
    }

    std::string_view text_;
    TextForm form_;
    const CharClasses& classes_;
    std::vector<RawDiagnostic>& errors_;
    Token last_;            // the token given before, which decides what a "." is
    bool hasLast_ = false;
    std::size_t at_ = 0;
};

namespace {

// A word of up to eight letters packed into one number, lower case, for quick lookups.
constexpr std::uint64_t Packed(std::string_view word) {
    std::uint64_t key = 0;
    for (const char c : word) key = key << 8 | static_cast<unsigned char>(Lower(c));
    return key;
}

// The words of up to eight letters that mean more than a name (keywords,
// context keywords and Rem) in an open-addressed table keyed by their packed spelling.
class PackedWords {
public:
    constexpr PackedWords() {
        for (const Spelling& s : kKeywords)
            if (s.lower.size() <= 8) Add(s.lower, {s.keyword, ContextWord::None, false});
        Add("property", {Keyword::None, ContextWord::Property, false});
        Add("default", {Keyword::None, ContextWord::Default, false});
        Add("error", {Keyword::None, ContextWord::Error, false});
        Add("explicit", {Keyword::None, ContextWord::Explicit, false});
        Add("step", {Keyword::None, ContextWord::Step, false});
        Add("rem", {Keyword::None, ContextWord::None, true});
    }

    constexpr WordMeaning Find(std::uint64_t key) const {
        for (std::size_t at = Slot(key);; at = (at + 1) % kSlots) {
            if (slots_[at].key == key) return slots_[at].meaning;
            if (slots_[at].key == 0) return {};
        }
    }

private:
    constexpr void Add(std::string_view word, WordMeaning meaning) {
        const std::uint64_t key = Packed(word);
        std::size_t at = Slot(key);
        while (slots_[at].key != 0) at = (at + 1) % kSlots;
        slots_[at] = {key, meaning};
    }

    static constexpr std::size_t kSlots = 256;  // more than three times the words: short probes
    static constexpr std::size_t Slot(std::uint64_t key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> 56);
    }

    struct Entry {
        std::uint64_t key = 0;
        WordMeaning meaning;
    };
    std::array<Entry, kSlots> slots_{};
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

TokenStream::TokenStream(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors)
    : lexer_(std::make_unique<Lexer>(text, form, errors)) {}

TokenStream::~TokenStream() = default;

Token TokenStream::Next() { return lexer_->Next(); }

std::vector<Token> Tokenize(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors) {
    std::vector<Token> tokens;
    TokenStream stream(text, form, errors);
    do tokens.push_back(stream.Next());
    while (tokens.back().kind != TokenKind::EndOfText);
    return tokens;
}

}  // namespace tarnwick::language
