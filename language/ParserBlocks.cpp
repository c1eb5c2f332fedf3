// The blocks inside procedures and the script: If, For, Do, While, Select Case, With.
#include "language/Parser.h"

namespace tarnwick::language {
namespace {

// Keeps the nesting bounded and restores the single-line If count around a block's body.
class BlockGuard {
public:
    BlockGuard(int& depth, int& singleLineIf) : depth_(depth), singleLineIf_(singleLineIf), saved_(singleLineIf) {
        ++depth_;
        singleLineIf_ = 0;
    }
    ~BlockGuard() {
        --depth_;
        singleLineIf_ = saved_;
    }
    BlockGuard(const BlockGuard&) = delete;
    BlockGuard& operator=(const BlockGuard&) = delete;

private:
    int& depth_;
    int& singleLineIf_;
    int saved_;
};

}  // namespace

// "End <word>" closes the innermost block when the word is its own; another word is
// reported at that word and the block is left for the one around, which may own it.
void Parser::CloseBlock(Keyword endWord, Message wrongEnd) {
    const bool wantsProperty = wrongEnd == Message::ExpectedProperty;
    if (Is(Keyword::End)) {
        const Token word = Peek();
        const bool matches = wantsProperty ? (word.kind == TokenKind::Name && word.context == ContextWord::Property)
                                           : IsKeyword(word, endWord);
        if (matches) {
            Advance();
            Advance();
        } else {
            Report(wrongEnd, word);
            skipEnd_ = true;
            // "End <word>" that no block around owns is spent here, so that it is reported once.
            if (!OuterBlockOwns(word)) {
                Advance();
                if (!AtSeparator()) Advance();
            }
        }
    } else if (Cur().kind == TokenKind::EndOfText) {
        ReportAtEnd(Message::ExpectedEnd);
    } else {
        Report(Message::ExpectedEnd, Cur());
        skipEnd_ = true;
    }
    blocks_.pop_back();
}

bool Parser::OuterBlockOwns(const Token& word) const {
    for (std::size_t i = blocks_.size() - 1; i-- > 0;) {
        const OpenBlock& b = blocks_[i];
        switch (b.kind) {
            case Block::If: if (IsKeyword(word, Keyword::If)) return true; break;
            case Block::Select: if (IsKeyword(word, Keyword::Select)) return true; break;
            case Block::With: if (IsKeyword(word, Keyword::With)) return true; break;
            case Block::Class: if (IsKeyword(word, Keyword::Class)) return true; break;
            case Block::Procedure:
                if (b.procedure == ProcedureKind::Sub ? IsKeyword(word, Keyword::Sub)
                    : b.procedure == ProcedureKind::Function
                        ? IsKeyword(word, Keyword::Function)
                        : word.kind == TokenKind::Name && word.context == ContextWord::Property)
                    return true;
                break;
            default: break;
        }
    }
    return false;
}

// Next, Loop and Wend close their loops; anything else in their place is reported as the closer missing.
void Parser::CloseLoop(Keyword closer, Message expected) {
    if (Is(closer)) Advance();
    else if (Cur().kind == TokenKind::EndOfText) ReportAtEnd(expected);
    else {
        Report(expected, Cur());
        skipEnd_ = true;
    }
    blocks_.pop_back();
}

void Parser::ParseIf() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    ParseExpression();
    if (!failed_ && !Is(Keyword::Then)) Fail(Message::ExpectedThen);
    if (failed_) {
        Recover();
    } else {
        Advance();
        if (!AtLineEnd()) {
            singleLineIf_ = 1;
            ParseInlineStatements();
            if (failed_) return;
            if (Is(Keyword::Else)) {
                Advance();
                ParseInlineStatements();
                if (failed_) return;
            }
            if (Is(Keyword::End) && IsKeyword(Peek(), Keyword::If)) {
                Advance();
                Advance();
            }
            return;
        }
    }
    blocks_.push_back({Block::If});
    ParseStatements();
    bool sawElse = false;
    while (!sawElse && (Is(Keyword::ElseIf) || Is(Keyword::Else))) {
        if (Is(Keyword::Else)) {
            sawElse = true;
            Advance();
        } else {
            Advance();
            ParseExpression();
            if (!failed_ && !Is(Keyword::Then)) Fail(Message::ExpectedThen);
            if (!failed_) Advance();
            if (failed_) Recover();
        }
        ParseStatements();
    }
    CloseBlock(Keyword::If, Message::ExpectedIf);
}

// The statements of a single-line If after Then or Else, up to the line's end, Else or End If.
void Parser::ParseInlineStatements() {
    while (true) {
        if (Cur().kind == TokenKind::Colon) {
            Advance();
            continue;
        }
        if (AtLineEnd() || Is(Keyword::Else) || (Is(Keyword::End) && IsKeyword(Peek(), Keyword::If))) return;
        if (AtTerminator()) {
            if (!HandleStrayTerminator()) Fail(Message::ExpectedStatement);
            failed_ = true;
            return;
        }
        ParseStatement();
        if (failed_) return;
        if (skipEnd_) return;
        EndStatement();
        if (failed_) return;
    }
}

void Parser::ParseFor() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    const bool each = Is(Keyword::Each);
    if (each) Advance();
    if (!AtName()) {
        Fail(Message::ExpectedIdentifier);
    } else {
        if (const int reference = AddReference(Cur()); reference >= 0)
            tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(reference)].assigned = true;
        Advance();
        if (Is(Symbol::OpenParen) || Is(Symbol::Dot)) Fail(Message::InvalidForVariable);
    }
    if (!failed_ && each) {
        if (!Is(Keyword::In)) Fail(Message::ExpectedIn);
        else Advance();
        if (!failed_) ParseExpression();
    } else if (!failed_) {
        if (!Is(Symbol::Equal)) Fail(Message::ExpectedEquals);
        else Advance();
        if (!failed_) ParseExpression();
        if (!failed_ && !Is(Keyword::To)) Fail(Message::ExpectedTo);
        if (!failed_) {
            Advance();
            ParseExpression();
        }
        if (!failed_ && Is(ContextWord::Step)) {
            Advance();
            ParseExpression();
        }
    }
    EndHeader();
    blocks_.push_back({Block::For});
    ParseStatements();
    CloseLoop(Keyword::Next, Message::ExpectedNext);
}

void Parser::ParseDo() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    bool condition = false;
    if (Is(Keyword::While) || Is(Keyword::Until)) {
        condition = true;
        Advance();
        ParseExpression();
    } else if (!AtSeparator()) {
        Fail(Message::ExpectedWhileOrUntil);
    }
    EndHeader();
    blocks_.push_back({Block::Do});
    ParseStatements();
    if (!Is(Keyword::Loop)) return CloseLoop(Keyword::Loop, Message::ExpectedLoop);
    CloseLoop(Keyword::Loop, Message::ExpectedLoop);
    if (!condition && (Is(Keyword::While) || Is(Keyword::Until))) {
        Advance();
        ParseExpression();
    } else if (!AtSeparator() && !(singleLineIf_ > 0 && Is(Keyword::Else))) {
        Fail(condition ? Message::ExpectedEndOfStatement : Message::ExpectedWhileUntilOrEnd);
    }
}

void Parser::ParseWhile() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    ParseExpression();
    EndHeader();
    blocks_.push_back({Block::While});
    ParseStatements();
    CloseLoop(Keyword::Wend, Message::ExpectedWend);
}

void Parser::ParseSelect() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    if (!Is(Keyword::Case)) Fail(Message::ExpectedCase);
    else Advance();
    if (!failed_) ParseExpression();
    EndHeader();
    blocks_.push_back({Block::Select});
    while (Cur().kind == TokenKind::LineBreak || Cur().kind == TokenKind::Colon) Advance();
    bool sawElse = false;
    while (Is(Keyword::Case) && !sawElse) {
        Advance();
        if (Is(Keyword::Else)) {
            sawElse = true;
            Advance();
        } else {
            while (!failed_) {
                ParseExpression();
                if (failed_ || !Is(Symbol::Comma)) break;
                Advance();
            }
        }
        // The clause's first statement may follow its values on the same line, without ":".
        if (failed_) Recover();
        ParseStatements();
    }
    if (!Is(Keyword::End) && Cur().kind != TokenKind::EndOfText && !sawElse && !AtTerminator()) {
        // Something other than Case right after "Select Case x".
        blocks_.pop_back();
        return Fail(Message::ExpectedCase);
    }
    CloseBlock(Keyword::Select, Message::ExpectedSelect);
}

void Parser::ParseWith() {
    Advance();
    BlockGuard guard(depth_, singleLineIf_);
    if (depth_ > kMaxNesting) return Fail(Message::OutOfMemory);
    ParseExpression();
    EndHeader();
    blocks_.push_back({Block::With});
    ParseStatements();
    CloseBlock(Keyword::With, Message::ExpectedWith);
}

}  // namespace tarnwick::language
