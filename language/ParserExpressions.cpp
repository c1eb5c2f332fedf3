// Expressions by precedence, from Imp (loosest) to "^" and the signs, and the
// chains of members and argument lists after a name.
#include "language/Parser.h"

#include <array>

namespace tarnwick::language {
namespace {

// The binary operators' levels, loosest first; Not (level 6) is a prefix.
constexpr int kNotLevel = 6;

// A binary operator's level by its keyword or symbol, 0 for anything else.
struct OperatorLevels {
    std::array<std::uint8_t, 256> keyword{};
    std::array<std::uint8_t, 256> symbol{};
    constexpr OperatorLevels() {
        keyword[static_cast<std::size_t>(Keyword::Imp)] = 1;
        keyword[static_cast<std::size_t>(Keyword::Eqv)] = 2;
        keyword[static_cast<std::size_t>(Keyword::Xor)] = 3;
        keyword[static_cast<std::size_t>(Keyword::Or)] = 4;
        keyword[static_cast<std::size_t>(Keyword::And)] = 5;
        keyword[static_cast<std::size_t>(Keyword::Is)] = 7;
        keyword[static_cast<std::size_t>(Keyword::Mod)] = 10;
        for (const Symbol s : {Symbol::Equal, Symbol::NotEqual, Symbol::Less, Symbol::Greater, Symbol::LessEqual,
                               Symbol::GreaterEqual})
            symbol[static_cast<std::size_t>(s)] = 7;
        symbol[static_cast<std::size_t>(Symbol::Ampersand)] = 8;
        symbol[static_cast<std::size_t>(Symbol::Plus)] = 9;
        symbol[static_cast<std::size_t>(Symbol::Minus)] = 9;
        symbol[static_cast<std::size_t>(Symbol::Backslash)] = 11;
        symbol[static_cast<std::size_t>(Symbol::Star)] = 12;
        symbol[static_cast<std::size_t>(Symbol::Slash)] = 12;
        symbol[static_cast<std::size_t>(Symbol::Caret)] = 13;
    }
};
constexpr OperatorLevels kOperatorLevels;

inline int LevelOf(const Token& t) {
    if (t.kind == TokenKind::Keyword) return kOperatorLevels.keyword[static_cast<std::size_t>(t.keyword)];
    if (t.kind == TokenKind::Symbol) return kOperatorLevels.symbol[static_cast<std::size_t>(t.symbol)];
    return 0;
}

// Counts one level of nesting for as long as it lives.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

bool IsCreator(std::string_view lower) {
    return (lower.size() == 12 && lower == "createobject") || (lower.size() == 9 && lower == "getobject");
}

}  // namespace

int Parser::AddReference(const Token& name) {
    if (!recordUses_) return -1;
    Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
    Reference& r = scope.references.emplace_back();
    r.name = InternName(name);
    r.span = {name.offset, name.length};
    if (r.name.size() >= 4 && r.name[0] == 'e' &&
        (r.name == "execute" || r.name == "executeglobal" || r.name == "eval"))
        tree_.executesCode = true;
    return static_cast<int>(scope.references.size()) - 1;
}

Parser::Operand Parser::ParseExpression() { return ParseBinary(1); }

Parser::Operand Parser::ParseBinary(int minimum) {
    DepthGuard guard(depth_);
    if (depth_ > kMaxNesting) {
        Fail(Message::OutOfMemory);
        return {};
    }
    Operand left = ParseUnary();
    // Most operands stand alone: no call for the operators that are not there.
    if (const int level = LevelOf(Cur()); failed_ || level == 0 || level < minimum) return left;
    return ParseBinaryFrom(left, minimum);
}

Parser::Operand Parser::ParseBinaryFrom(Operand left, int minimum) {
    while (!failed_) {
        const int level = LevelOf(Cur());
        if (level == 0 || level < minimum) break;
        Advance();
        // Left-associative: the right side binds only tighter operators.
        ParseBinary(level + 1);
        left = Operand{};
    }
    return left;
}

Parser::Operand Parser::ParseUnary() {
    DepthGuard guard(depth_);
    if (depth_ > kMaxNesting) {
        Fail(Message::OutOfMemory);
        return {};
    }
    if (Is(Keyword::Not)) {
        // The host takes Not wherever an operand stands, as in "a <> Not b".
        Advance();
        ParseBinary(kNotLevel + 1);
        return {};
    }
    if (Is(Symbol::Minus) || Is(Symbol::Plus)) {
        Advance();
        const Operand operand = ParseUnary();
        Operand result;
        result.literal = operand.literal;
        return result;
    }
    return ParsePrimary();
}

Parser::Operand Parser::ParsePrimary() {
    const Token t = Cur();
    Operand result;
    switch (t.kind) {
        case TokenKind::Number: case TokenKind::String: case TokenKind::Date:
            Advance();
            result.literal = true;
            return result;
        case TokenKind::Name: case TokenKind::WithDot:
            return ParseChain(false);
        case TokenKind::Symbol:
            if (t.symbol == Symbol::OpenParen) {
                Advance();
                ParseExpression();
                if (failed_) return result;
                if (!Is(Symbol::CloseParen)) {
                    Fail(Message::ExpectedCloseParen);
                    return result;
                }
                Advance();
                return ParseChainRest(-1, false, false, false);
            }
            break;
        case TokenKind::Keyword:
            switch (t.keyword) {
                case Keyword::True: case Keyword::False: case Keyword::Empty: case Keyword::Null:
                case Keyword::Nothing:
                    Advance();
                    result.literal = true;
                    return result;
                case Keyword::Me:
                    return ParseChain(false);
                case Keyword::New:
                    Advance();
                    if (!AtName()) {
                        Fail(Message::ExpectedIdentifier);
                        return result;
                    }
                    AddReference(Cur());
                    Advance();
                    result.creation = true;
                    // "New C.Init(a)" uses a member of the new object at once.
                    if (Is(Symbol::Dot)) return ParseChainRest(-1, false, false, false);
                    return result;
                default:
                    break;
            }
            break;
        case TokenKind::Invalid:
            failed_ = true;  // the lexer has reported it
            return result;
        default:
            break;
    }
    Fail(Message::ExpectedExpression);
    return result;
}

// A name, Me or ".member" and what follows it: ".member" and "(arguments)" in any order.
Parser::Operand Parser::ParseChain(bool statementHead) {
    if (Is(Keyword::Me)) {
        Advance();
        return ParseChainRest(-1, false, true, statementHead);
    }
    if (Cur().kind == TokenKind::WithDot) {
        Advance();
        if (!AtName()) {
            Fail(Message::ExpectedIdentifier);
            return {};
        }
        Advance();
        return ParseChainRest(-1, false, false, statementHead);
    }
    const int reference = AddReference(Cur());
    Advance();
    return ParseChainRest(reference, true, false, statementHead);
}

// The chain's start is given as its parts, not as an Operand: a use of a name
// (`reference`, `nameOnly`), Me, or neither.
Parser::Operand Parser::ParseChainRest(int reference, bool nameOnly, bool me, bool statementHead) {
    Operand result;
    result.reference = reference;
    result.nameOnly = nameOnly;
    result.me = me;
    // CreateObject/GetObject just named, so that the "(...)" after it makes an object.
    bool creatorNamed = reference >= 0 &&
                        IsCreator(tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(reference)].name);
    bool first = true;
    while (!failed_) {
        const bool member = Is(Symbol::Dot) || (!statementHead && Cur().kind == TokenKind::WithDot);
        if (member) {
            Advance();
            if (!AtName()) {
                Fail(Message::ExpectedIdentifier);
                break;
            }
            creatorNamed = NameIs(Cur(), "createobject") || NameIs(Cur(), "getobject");
            Advance();
            result = Operand{};
            result.reference = reference;
            result.member = true;
            first = false;
            continue;
        }
        if (Is(Symbol::OpenParen)) {
            Advance();
            const int count = ParseArgumentList();
            if (failed_) break;
            if (first && reference >= 0)
                tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(reference)].arguments = count;
            const bool member = result.member;
            result = Operand{};
            result.reference = reference;
            result.member = member;
            result.endsInParens = true;
            result.lastArguments = count;
            result.creation = creatorNamed;
            creatorNamed = false;
            first = false;
            continue;
        }
        break;
    }
    return result;
}

// After "(": arguments up to ")", any of them empty as in "F(a, , b)". Returns their count.
int Parser::ParseArgumentList() {
    if (Is(Symbol::CloseParen)) {
        Advance();
        return 0;
    }
    int count = 0;
    while (true) {
        if (!Is(Symbol::Comma) && !Is(Symbol::CloseParen)) {
            ParseExpression();
            if (failed_) return count;
        }
        ++count;
        if (Is(Symbol::CloseParen)) {
            Advance();
            return count;
        }
        if (!Is(Symbol::Comma)) {
            Fail(Message::ExpectedCloseParen);
            return count;
        }
        Advance();
    }
}

}  // namespace tarnwick::language
