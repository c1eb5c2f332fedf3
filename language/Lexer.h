#pragma once

#include "language/Check.h"
#include "language/Messages.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick::language {

enum class TokenKind : std::uint8_t {
    EndOfText,
    LineBreak,   // a line break, or the end of a comment's line
    Colon,
    Name,        // a name, a context keyword (Property, Default, Error, Explicit, Step) or [a bracketed name]
    Keyword,     // a reserved word: `keyword` says which
    Number,
    String,
    Date,
    Symbol,      // an operator or punctuation: `symbol` says which
    WithDot,     // a "." that starts a member of the With object (after a blank, an operator or a keyword)
    Invalid,     // a character the language does not know; the lexer has reported it
};

enum class Keyword : std::uint8_t {
    None,
    And, ByRef, ByVal, Call, Case, Class, Const, Dim, Do, Each, Else, ElseIf, Empty, End, Eqv, Exit,
    False, For, Function, Get, GoTo, If, Imp, In, Is, Let, Loop, Me, Mod, New, Next, Not, Nothing,
    Null, On, Option, Or, Preserve, Private, Public, ReDim, Resume, Select, Set, Stop, Sub, Then, To,
    True, Until, Wend, While, With, Xor,
    // Reserved by the language with no statement of their own: never names.
    Unused,
};

// Context keywords: names everywhere except where their statement wants them.
enum class ContextWord : std::uint8_t { None, Property, Default, Error, Explicit, Step };

enum class Symbol : std::uint8_t {
    None, OpenParen, CloseParen, Comma, Dot, Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual,
    Plus, Minus, Star, Slash, Backslash, Caret, Ampersand,
};

struct Token {
    TokenKind kind = TokenKind::EndOfText;
    Keyword keyword = Keyword::None;
    ContextWord context = ContextWord::None;
    Symbol symbol = Symbol::None;
    bool blankBefore = false;  // a blank, a tab or a continuation stands right before it
    bool integer = false;      // a Number without a fraction or exponent
    std::int32_t offset = 0;
    std::int32_t length = 0;
    std::int32_t End() const { return offset + length; }
};

// A lexical error at a byte offset; `afterEnd` marks one reported at the line after the last.
struct RawDiagnostic {
    Message message;
    std::int32_t offset = 0;
    std::int32_t length = 0;
    bool afterEnd = false;
    std::string detail;
    bool late = false;  // found by a check after the whole script is read: any error while reading comes first
};

class Lexer;
class TokenPipe;

// Lexical errors kept with the number of the token whose reading found them
// (counted from 0 over the whole text), until that token becomes the next one.
class PendingErrors {
public:
    struct Entry {
        std::uint64_t token;
        RawDiagnostic error;
    };
    void Add(Entry entry) { list_.push_back(std::move(entry)); }
    // Moves `more` to the end: errors found by a later reading.
    void Append(std::vector<Entry>& more);
    // Moves all not handed over yet to `into`, which is emptied first.
    void TakeAll(std::vector<Entry>& into);
    // Moves those up to token `upTo` to `errors`, in the order found.
    void HandOver(std::uint64_t upTo, std::vector<RawDiagnostic>& errors);
    // The token of the first error not handed over yet, or kNone.
    std::uint64_t First() const { return handedOver_ < list_.size() ? list_[handedOver_].token : kNone; }
    static constexpr std::uint64_t kNone = static_cast<std::uint64_t>(-1);

private:
    std::vector<Entry> list_;
    std::size_t handedOver_ = 0;
};

// The script's tokens for a parser: the token before, the current one and the
// next. The text is read once, a few hundred tokens at a time into a small
// window, and no list of all its tokens is kept. A long reading reads its
// tokens ahead on a second thread, a few thousand at a time into a small pool
// of blocks that are its windows, so the parser need not wait for them. After
// the last token it gives EndOfText for ever. Lexical errors (1030-1033, 1007)
// are appended to `errors` when the token they belong to becomes the next one,
// as if it were read just then, whichever thread read it.
class TokenReader {
public:
    TokenReader(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors);
    ~TokenReader();
    TokenReader(const TokenReader&) = delete;
    TokenReader& operator=(const TokenReader&) = delete;

    const Token& Previous() const { return window_[at_ - 1]; }
    const Token& Current() const { return window_[at_]; }
    const Token& Following() const { return window_[at_ + 1]; }
    void Advance() {
        if (window_[at_].kind == TokenKind::EndOfText) return;
        if (++at_ >= due_) Pull();
    }

private:
    // Makes sure the next token is in the window and hands over the errors due.
    void Pull();
    // Puts the next tokens in the window after the token before and the current one;
    // false at the text's end, where the window holds EndOfText for ever.
    bool Refill();
    // Reads ahead on a second thread from now on, if one can start.
    void StartPipe();

    static constexpr std::size_t kNever = static_cast<std::size_t>(-1);
    std::unique_ptr<Lexer> lexer_;
    std::unique_ptr<TokenPipe> pipe_;  // after the lexer: stopped before the lexer goes
    PendingErrors received_;           // the errors the pipe's blocks brought
    PendingErrors* pending_ = nullptr; // the lexer's, or once the pipe runs, received_
    std::vector<RawDiagnostic>& errors_;
    const Token* window_ = nullptr;    // own_, or a block of the pipe's
    std::size_t at_ = 1;         // the current token's place in the window
    std::size_t filled_ = 1;     // the window's tokens
    std::size_t due_ = kNever;   // the first `at_` that needs Pull
    std::int64_t base_ = -1;     // the number of window_[0] in the whole text's tokens
    std::array<Token, 256> own_{};
};

// Splits the whole script into tokens, ending with one EndOfText. Comments and
// continuations are dropped; a comment's line still ends in a LineBreak.
// Lexical errors (1030-1033, 1007) are appended to `errors`.
std::vector<Token> Tokenize(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors);

// The keyword a word spells, ignoring case (Keyword::None for other words).
Keyword KeywordOf(std::string_view word);
ContextWord ContextWordOf(std::string_view word);

// The name a Name token stands for: its text, without the brackets of [a bracketed name].
std::string_view NameText(std::string_view text, const Token& token);

}  // namespace tarnwick::language
