#include "language/Lexer.h"

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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (Lower(c) >= 'a' && Lower(c) <= 'f'); }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }
bool IsBreak(char c) { return c == '\r' || c == '\n'; }

// A letter of Windows-1252, or any byte of a UTF-8 sequence (the host takes
// the letters of every script; we take every non-ASCII character of UTF-8 text).
bool IsLetter(unsigned char c, TextForm form) {
    if ((c | 0x20) >= 'a' && (c | 0x20) <= 'z') return true;
    if (c < 0x80) return false;
    if (form == TextForm::Utf8) return true;
    switch (c) {
        case 0x83: case 0x8A: case 0x8C: case 0x8E: case 0x9A: case 0x9C: case 0x9E: case 0x9F:
        case 0xAA: case 0xB5: case 0xBA:
            return true;
        default:
            return c >= 0xC0 && c != 0xD7 && c != 0xF7;
    }
}

class Lexer {
public:
    Lexer(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors)
        : text_(text), form_(form), errors_(errors) {}

    std::vector<Token> Run() {
        tokens_.reserve(text_.size() / 5 + 2);
        if (form_ == TextForm::Utf8 && text_.substr(0, 3) == "\xEF\xBB\xBF") at_ = 3;
        while (true) {
            const bool blank = SkipBlanks();
            if (at_ >= text_.size()) break;
            Lex(blank);
        }
        Push(TokenKind::EndOfText, text_.size(), 0, false);
        return std::move(tokens_);
    }

private:
    // Skips blanks and ` _` continuations; true when any were skipped.
    bool SkipBlanks() {
        const std::size_t start = at_;
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (IsBlank(c)) {
                ++at_;
            } else if (c == '_' && IsContinuation(at_ + 1)) {
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

    void Lex(bool blank) {
        const std::size_t start = at_;
        const char c = text_[at_];
        if (IsBreak(c)) {
            at_ += (c == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n') ? 2 : 1;
            Push(TokenKind::LineBreak, start, at_ - start, blank);
        } else if (c == '\'') {
            SkipToLineEnd();
        } else if (IsLetter(static_cast<unsigned char>(c), form_)) {
            LexWord(blank);
        } else if (IsDigit(c) || (c == '.' && at_ + 1 < text_.size() && IsDigit(text_[at_ + 1]) && !AfterOperand(blank))) {
            LexNumber(blank);
        } else if (c == '&' && at_ + 1 < text_.size() && (Lower(text_[at_ + 1]) == 'h' || Lower(text_[at_ + 1]) == 'o')) {
            LexRadixNumber(blank);
        } else if (c == '"') {
            LexString(blank);
        } else if (c == '[') {
            LexBracketName(blank);
        } else if (c == '#') {
            LexDate(blank);
        } else if (c == ':') {
            ++at_;
            Push(TokenKind::Colon, start, 1, blank);
        } else if (c == '.') {
            ++at_;
            if (AfterOperand(blank)) Push(TokenKind::Symbol, start, 1, blank).symbol = Symbol::Dot;
            else Push(TokenKind::WithDot, start, 1, blank);
        } else {
            LexSymbol(blank);
        }
    }

    // A "." right after a name or ")" reaches a member; elsewhere it starts a With member.
    bool AfterOperand(bool blank) const {
        if (blank || tokens_.empty()) return false;
        const Token& last = tokens_.back();
        return last.kind == TokenKind::Name || last.kind == TokenKind::String ||
               (last.kind == TokenKind::Keyword && last.keyword == Keyword::Me) ||
               (last.kind == TokenKind::Symbol && last.symbol == Symbol::CloseParen);
    }

    bool AfterDot() const {
        return !tokens_.empty() && ((tokens_.back().kind == TokenKind::Symbol && tokens_.back().symbol == Symbol::Dot) ||
                                    tokens_.back().kind == TokenKind::WithDot);
    }

    void SkipToLineEnd() {
        while (at_ < text_.size() && !IsBreak(text_[at_])) ++at_;
    }

    void LexWord(bool blank) {
        const std::size_t start = at_;
        std::size_t characters = 0;
        while (at_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[at_]);
            if (!IsLetter(c, form_) && !IsDigit(static_cast<char>(c)) && c != '_') break;
            // UTF-16 units: a UTF-8 continuation byte adds none, a four-byte sequence two.
            if (form_ == TextForm::Ansi || (c & 0xC0) != 0x80) ++characters;
            if (form_ == TextForm::Utf8 && c >= 0xF0) ++characters;
            ++at_;
        }
        const std::string_view word = text_.substr(start, at_ - start);
        if (AfterDot()) {
            PushName(start, characters, blank);
            return;
        }
        const Keyword keyword = KeywordOf(word);
        if (keyword == Keyword::None && word.size() == 3 && Lower(word[0]) == 'r' && Lower(word[1]) == 'e' &&
            Lower(word[2]) == 'm') {
            SkipToLineEnd();  // Rem starts a comment wherever it stands
            return;
        }
        if (keyword != Keyword::None) {
            Push(TokenKind::Keyword, start, at_ - start, blank).keyword = keyword;
            return;
        }
        PushName(start, characters, blank).context = ContextWordOf(word);
    }

    Token& PushName(std::size_t start, std::size_t characters, bool blank) {
        if (characters > kLongestName) Error(Message::IdentifierTooLong, start, at_ - start);
        return Push(TokenKind::Name, start, at_ - start, blank);
    }

    void SkipDigits() {
        while (at_ < text_.size() && IsDigit(text_[at_])) ++at_;
    }

    void LexNumber(bool blank) {
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
                Push(TokenKind::Number, start, at_ - start, blank);
                return;
            }
        }
        if (at_ < text_.size() && text_[at_] == '.') {  // "1.2.3"
            while (at_ < text_.size() && (IsDigit(text_[at_]) || text_[at_] == '.')) ++at_;
            Error(Message::InvalidNumber, start, at_ - start);
        }
        Push(TokenKind::Number, start, at_ - start, blank).integer = integer;
    }

    void LexRadixNumber(bool blank) {
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
        Push(TokenKind::Number, start, at_ - start, blank).integer = true;
    }

    void LexString(bool blank) {
        const std::size_t start = at_++;
        while (at_ < text_.size() && !IsBreak(text_[at_])) {
            if (text_[at_] == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    at_ += 2;
                    continue;
                }
                ++at_;
                Push(TokenKind::String, start, at_ - start, blank);
                return;
            }
            ++at_;
        }
        Error(Message::UnterminatedString, start, at_ - start);
        Push(TokenKind::String, start, at_ - start, blank);
    }

    void LexBracketName(bool blank) {
        const std::size_t start = at_++;
        while (at_ < text_.size() && !IsBreak(text_[at_]) && text_[at_] != ']') ++at_;
        if (at_ >= text_.size() || text_[at_] != ']') {
            Error(Message::ExpectedCloseBracket, at_, 0);
            Push(TokenKind::Name, start, at_ - start, blank);
            return;
        }
        ++at_;
        const std::size_t characters = at_ - start - 2;
        if (characters > kLongestName) Error(Message::IdentifierTooLong, start, at_ - start);
        Push(TokenKind::Name, start, at_ - start, blank);
    }

    void LexDate(bool blank) {
        const std::size_t start = at_;
        std::size_t end = at_ + 1;
        while (end < text_.size() && !IsBreak(text_[end]) && text_[end] != '#') ++end;
        if (end >= text_.size() || text_[end] != '#') {
            ++at_;
            Error(Message::InvalidCharacter, start, 1);
            Push(TokenKind::Invalid, start, 1, blank);
            return;
        }
        at_ = end + 1;
        Push(TokenKind::Date, start, at_ - start, blank);
    }

    void LexSymbol(bool blank) {
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
            Push(TokenKind::Invalid, start, at_ - start, blank);
            return;
        }
        Push(TokenKind::Symbol, start, at_ - start, blank).symbol = symbol;
    }

    Token& Push(TokenKind kind, std::size_t offset, std::size_t length, bool blank) {
        Token& token = tokens_.emplace_back();
        token.kind = kind;
        token.offset = static_cast<std::int32_t>(offset);
        token.length = static_cast<std::int32_t>(length);
        token.blankBefore = blank;
        return token;
    }

    void Error(Message message, std::size_t offset, std::size_t length) {
        errors_.push_back({message, static_cast<std::int32_t>(offset), static_cast<std::int32_t>(length), false, {}});
    }

    std::string_view text_;
    TextForm form_;
    std::vector<RawDiagnostic>& errors_;
    std::vector<Token> tokens_;
    std::size_t at_ = 0;
};

}  // namespace

namespace {

// A word of up to eight letters packed into one number, lower case, for quick lookups.
constexpr std::uint64_t Packed(std::string_view word) {
    std::uint64_t key = 0;
    for (const char c : word) key = key << 8 | static_cast<unsigned char>(Lower(c));
    return key;
}

struct PackedKeyword {
    std::uint64_t key;
    Keyword keyword;
    bool operator<(const PackedKeyword& other) const { return key < other.key; }
};

// The keywords of up to eight letters, sorted by their packed spelling.
const std::vector<PackedKeyword>& PackedKeywords() {
    static const std::vector<PackedKeyword> table = [] {
        std::vector<PackedKeyword> out;
        for (const Spelling& s : kKeywords)
            if (s.lower.size() <= 8) out.push_back({Packed(s.lower), s.keyword});
        std::sort(out.begin(), out.end());
        return out;
    }();
    return table;
}

}  // namespace

Keyword KeywordOf(std::string_view word) {
    if (word.size() < 2 || word.size() > kLongestKeyword) return Keyword::None;
    if (word.size() <= 8) {
        const std::uint64_t key = Packed(word);
        const auto& table = PackedKeywords();
        const auto it = std::lower_bound(table.begin(), table.end(), PackedKeyword{key, Keyword::None});
        return it != table.end() && it->key == key ? it->keyword : Keyword::None;
    }
    char buffer[kLongestKeyword];
    for (std::size_t i = 0; i < word.size(); ++i) buffer[i] = Lower(word[i]);
    const std::string_view lower(buffer, word.size());
    const auto it = std::lower_bound(kKeywords.begin(), kKeywords.end(), lower,
                                     [](const Spelling& s, std::string_view w) { return s.lower < w; });
    return it != kKeywords.end() && it->lower == lower ? it->keyword : Keyword::None;
}

ContextWord ContextWordOf(std::string_view word) {
    if (word.size() < 4 || word.size() > 8) return ContextWord::None;
    switch (Packed(word)) {
        case Packed("property"): return ContextWord::Property;
        case Packed("default"): return ContextWord::Default;
        case Packed("error"): return ContextWord::Error;
        case Packed("explicit"): return ContextWord::Explicit;
        case Packed("step"): return ContextWord::Step;
        default: return ContextWord::None;
    }
}

std::string_view NameText(std::string_view text, const Token& token) {
    std::string_view name = text.substr(static_cast<std::size_t>(token.offset), static_cast<std::size_t>(token.length));
    if (!name.empty() && name.front() == '[') {
        name.remove_prefix(1);
        if (!name.empty() && name.back() == ']') name.remove_suffix(1);
    }
    return name;
}

std::vector<Token> Tokenize(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors) {
    return Lexer(text, form, errors).Run();
}

}  // namespace tarnwick::language
