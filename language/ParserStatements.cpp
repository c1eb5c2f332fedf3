// The statement list, its ends, and the statements of one line.
#include "language/Parser.h"

#include "language/ByteRuns.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace tarnwick::language {

Parser::Parser(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors)
    : text_(text), errors_(errors), tokens_(text, form, errors) {}

SyntaxTree Parser::Run() {
    if (!tree_.names.table) tree_.names.table = std::make_shared<NameTable>();
    names_ = tree_.names.table.get();
    Scope& script = tree_.scopes.emplace_back();
    script.span = {0, static_cast<std::int32_t>(text_.size())};
    if (recordUses_) script.references.reserve(text_.size() / 16);  // one for every 16 bytes or so: grown rarely
    blocks_.push_back({Block::Script});
    // The text's start is a statement's start too, whatever stands before its first line break.
    if (starts_) starts_->push_back({0, statementSeen_, false, false, 1, 0, 0, 0, 0, 0});
    while (true) {
        ParseStatements();
        if (Cur().kind == TokenKind::EndOfText || stopped_) break;
        // A terminator no block takes: report it and go on with the next line.
        if (!HandleStrayTerminator()) {
            Report(Message::ExpectedStatement, Cur());
            Recover();
        }
    }
    if (starts_ && !stopped_) CloseUnit();
    if (starts_) {
        tree_.optionExplicit = optionExplicitSeen_;
        tree_.executesCode = executesCodeSeen_;
    }
    return std::move(tree_);
}

// At a statement of the script's level: notes its start when it starts a line.
// True when the reading is to stop there.
bool Parser::NoteStart() {
    if (Previous().kind != TokenKind::LineBreak && Previous().kind != TokenKind::EndOfText) return false;
    // A block that ended at this line's first word has reported that word: the line belongs to it.
    if (reportedUpTo_ >= Previous().End() || Previous().End() == starts_->back().offset) return false;
    CloseUnit();
    const Scope& script = tree_.scopes.front();
    const auto count = [](const auto& list) { return static_cast<std::int32_t>(list.size()); };
    const StatementStart start{Previous().End(),       statementSeen_,          false,
                               false,                  count(tree_.scopes),     count(script.declarations),
                               count(script.references), count(script.onErrorResumeNext), count(script.onErrorGoTo0),
                               count(tree_.objectsWithoutSet)};
    if (stop_ && stop_(start)) return stopped_ = true;
    starts_->push_back(start);
    return false;
}

// The flags the statements since the last start set belong to that start.
void Parser::CloseUnit() {
    if (!starts_->empty()) {
        starts_->back().optionExplicit = tree_.optionExplicit;
        starts_->back().executesCode = tree_.executesCode;
    }
    optionExplicitSeen_ = optionExplicitSeen_ || tree_.optionExplicit;
    executesCodeSeen_ = executesCodeSeen_ || tree_.executesCode;
    tree_.optionExplicit = tree_.executesCode = false;
}

std::string Parser::LowerName(const Token& token) const {
    std::string name(NameText(text_, token));
    for (char& c : name)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return name;
}

namespace {

// The bytes of a name of 1 to 16 bytes kept when loaded as two little-endian words, by its length.
struct NameMasks {
    std::uint64_t keep[NameTable::kShort + 1][2] = {};
    constexpr NameMasks() {
        for (std::size_t n = 1; n <= NameTable::kShort; ++n) {
            keep[n][0] = n >= 8 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * n)) - 1;
            keep[n][1] = n <= 8 ? 0 : n >= 16 ? ~std::uint64_t{0} : (std::uint64_t{1} << (8 * (n - 8))) - 1;
        }
    }
};
constexpr NameMasks kNameMasks;

}  // namespace

std::string_view Parser::InternName(const Token& token) {
    const auto offset = static_cast<std::size_t>(token.offset);
    const auto length = static_cast<std::size_t>(token.length);
    // A plain name of up to sixteen bytes, nearly every one, lowered and looked up as two words.
    if constexpr (std::endian::native == std::endian::little) {
        if (length - 1 < NameTable::kShort && offset + 16 <= text_.size() && text_[offset] != '[') {
            std::uint64_t words[2];
            std::memcpy(words, text_.data() + offset, sizeof words);
            return names_->InternShort(LowerBytes(words[0]) & kNameMasks.keep[length][0],
                                       LowerBytes(words[1]) & kNameMasks.keep[length][1], length);
        }
    }
    return InternOtherName(token);
}

// A bracketed name, a long one, or one at the text's very end.
std::string_view Parser::InternOtherName(const Token& token) {
    std::string lower;
    LowerNameInto(token, lower);
    return names_->Intern(lower);
}

void Parser::LowerNameInto(const Token& token, std::string& name) const {
    const std::string_view source = NameText(text_, token);
    // A name of up to sixteen bytes, nearly every one, lowered eight bytes at a time.
    if (source.size() <= 16 && static_cast<std::size_t>(source.data() - text_.data()) + 16 <= text_.size()) {
        std::uint64_t words[2];
        std::memcpy(words, source.data(), sizeof words);
        words[0] = LowerBytes(words[0]);
        words[1] = LowerBytes(words[1]);
        // Appended to an emptied string: the shortest way into a string's own buffer.
        name.clear();
        name.append(reinterpret_cast<const char*>(words), source.size());
        return;
    }
    name.resize(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const char c = source[i];
        name[i] = static_cast<char>(c + (static_cast<unsigned char>(c - 'A') < 26 ? 'a' - 'A' : 0));
    }
}

bool Parser::NameIs(const Token& token, std::string_view lower) const {
    const std::string_view name = NameText(text_, token);
    if (name.size() != lower.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i] >= 'A' && name[i] <= 'Z' ? static_cast<char>(name[i] - 'A' + 'a') : name[i];
        if (c != lower[i]) return false;
    }
    return true;
}

void Parser::Report(Message message, const Token& token, std::string detail) {
    errors_.push_back({message, token.offset, token.length, false, std::move(detail)});
    reportedUpTo_ = std::max(reportedUpTo_, token.offset);
}

void Parser::ReportAtEnd(Message message) {
    // Every block still open at the end would say so at the same place: the innermost speaks.
    if (!errors_.empty() && errors_.back().afterEnd) return;
    errors_.push_back({message, static_cast<std::int32_t>(text_.size()), 0, true, {}});
    reportedUpTo_ = static_cast<std::int32_t>(text_.size());
}

void Parser::Recover() {
    while (!AtLineEnd()) Advance();
    failed_ = false;
}

bool Parser::IsOpen(Block kind) const {
    for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it) {
        if (it->kind == kind) return true;
        if (it->kind == Block::Procedure || it->kind == Block::Class) return false;
    }
    return false;
}

bool Parser::InProcedure() const { return CurrentProcedure() != ProcedureKind::None; }

ProcedureKind Parser::CurrentProcedure() const {
    for (auto it = blocks_.rbegin(); it != blocks_.rend(); ++it)
        if (it->kind == Block::Procedure) return it->procedure;
    return ProcedureKind::None;
}

// Words that end the statement list they stand in: the block around decides what they mean.
bool Parser::AtTerminator() const {
    const Token t = Cur();
    if (t.kind == TokenKind::Keyword) {
        switch (t.keyword) {
            case Keyword::End: case Keyword::Else: case Keyword::ElseIf: case Keyword::Case:
            case Keyword::Loop: case Keyword::Wend: case Keyword::Next:
                return true;
            case Keyword::Class:
                return blocks_.size() > 1;
            case Keyword::Sub: case Keyword::Function: case Keyword::Public: case Keyword::Private:
                return InProcedure();
            default:
                return false;
        }
    }
    if (t.kind == TokenKind::Name && t.context == ContextWord::Property) {
        const Token next = Peek();
        return InProcedure() && (IsKeyword(next, Keyword::Get) || IsKeyword(next, Keyword::Let) ||
                                 IsKeyword(next, Keyword::Set));
    }
    return false;
}

// A terminator with no block of its kind open: the host's own words for it. False
// leaves it to the block around.
bool Parser::HandleStrayTerminator() {
    const Token t = Cur();
    if (t.kind != TokenKind::Keyword) return false;
    Message message;
    switch (t.keyword) {
        case Keyword::Loop:
            if (IsOpen(Block::Do)) return false;
            message = Message::LoopWithoutDo;
            break;
        case Keyword::Next:
            if (IsOpen(Block::For)) return false;
            message = Message::UnexpectedNext;
            break;
        case Keyword::Wend:
            if (IsOpen(Block::While)) return false;
            message = Message::ExpectedStatement;
            break;
        case Keyword::Else: case Keyword::ElseIf:
            if (IsOpen(Block::If)) return false;
            message = Message::ExpectedStatement;
            break;
        case Keyword::Case:
            if (IsOpen(Block::Select)) return false;
            message = Message::ExpectedStatement;
            break;
        case Keyword::End:
            if (blocks_.back().kind != Block::Script) return false;
            message = Message::ExpectedStatement;
            break;
        default:
            return false;
    }
    Report(message, t);
    Recover();
    return true;
}

void Parser::ParseStatements() {
    while (true) {
        while (Cur().kind == TokenKind::LineBreak || Cur().kind == TokenKind::Colon) Advance();
        if (starts_ && blocks_.size() == 1 && NoteStart()) return;
        if (Cur().kind == TokenKind::EndOfText) return;
        if (AtTerminator()) {
            if (HandleStrayTerminator()) continue;
            return;
        }
        ParseStatement();
        if (!failed_ && !skipEnd_) EndStatement();
        skipEnd_ = false;
        if (failed_) Recover();
    }
}

// After a statement: the line ends, a ":" follows, or (in a single-line If) Else or End If.
void Parser::EndStatement() {
    if (AtSeparator()) return;
    if (singleLineIf_ > 0 && (Is(Keyword::Else) || (Is(Keyword::End) && IsKeyword(Peek(), Keyword::If)))) return;
    if (Is(Keyword::End)) {
        const Token word = Peek();
        const bool closesOpenBlock =
            (IsKeyword(word, Keyword::If) && IsOpen(Block::If)) ||
            (IsKeyword(word, Keyword::Select) && IsOpen(Block::Select)) ||
            (IsKeyword(word, Keyword::With) && IsOpen(Block::With)) ||
            ((IsKeyword(word, Keyword::Sub) || IsKeyword(word, Keyword::Function) ||
              (word.kind == TokenKind::Name && word.context == ContextWord::Property)) && InProcedure());
        Fail(closesOpenBlock ? Message::MustBeFirstStatement : Message::ExpectedStatement);
        return;
    }
    Fail(Message::ExpectedEndOfStatement);
}

// The end of a block's first line; after an error in it the block's body still follows.
void Parser::EndHeader() {
    if (!failed_) EndStatement();
    if (failed_) Recover();
}

void Parser::ParseStatement() {
    const Token t = Cur();
    const bool first = !statementSeen_;
    statementSeen_ = true;
    if (t.kind == TokenKind::Name) {
        if (t.context == ContextWord::Property &&
            (IsKeyword(Peek(), Keyword::Get) || IsKeyword(Peek(), Keyword::Let) || IsKeyword(Peek(), Keyword::Set)))
            return ParseProcedure(Access::Default, nullptr);
        return ParseCallOrAssignment();
    }
    if (t.kind == TokenKind::WithDot) return ParseCallOrAssignment();
    if (t.kind == TokenKind::Invalid) {  // the lexer has said so
        failed_ = true;
        return;
    }
    if (t.kind != TokenKind::Keyword) return Fail(Message::ExpectedStatement);
    switch (t.keyword) {
        case Keyword::Me: return ParseCallOrAssignment();
        case Keyword::Call: return ParseCall();
        case Keyword::Set: return ParseSet();
        case Keyword::Dim: Advance(); return ParseDim(Access::Default);
        case Keyword::ReDim: return ParseReDim();
        case Keyword::Const: return ParseConst(Access::Default);
        case Keyword::If: return ParseIf();
        case Keyword::For: return ParseFor();
        case Keyword::Do: return ParseDo();
        case Keyword::While: return ParseWhile();
        case Keyword::Select: return ParseSelect();
        case Keyword::With: return ParseWith();
        case Keyword::Exit: return ParseExit();
        case Keyword::On: return ParseOnError();
        case Keyword::Stop: Advance(); return;
        case Keyword::Option:
            if (!first || blocks_.size() > 1) return Fail(Message::ExpectedStatement);
            return ParseOption();
        case Keyword::Sub: case Keyword::Function:
            if (singleLineIf_ > 0) return Fail(Message::ExpectedStatement);
            return ParseProcedure(Access::Default, nullptr);
        case Keyword::Public: case Keyword::Private:
            if (singleLineIf_ > 0) return Fail(Message::ExpectedStatement);
            return ParseAccess();
        case Keyword::Class:
            if (singleLineIf_ > 0) return Fail(Message::ExpectedStatement);
            return ParseClass();
        default:
            return Fail(Message::ExpectedStatement);
    }
}

// Public/Private at the script's level: a variable list, a Const or a procedure.
void Parser::ParseAccess() {
    const Access access = Is(Keyword::Public) ? Access::Public : Access::Private;
    Advance();
    const Token* defaultWord = nullptr;
    Token defaultToken;
    if (Is(ContextWord::Default) && !IsKeyword(Peek(), Keyword::Const) && Peek().kind != TokenKind::LineBreak &&
        Peek().kind != TokenKind::Colon && !(Peek().kind == TokenKind::Symbol)) {
        defaultToken = Cur();
        defaultWord = &defaultToken;
        Advance();
        if (blocks_.back().kind != Block::Class) Report(Message::MustBeInsideClass, *defaultWord);
        else if (access == Access::Private) Report(Message::DefaultNeedsPublic, *defaultWord);
    }
    if (Is(Keyword::Sub) || Is(Keyword::Function) || Is(ContextWord::Property)) {
        if (Is(ContextWord::Property) && Peek().kind == TokenKind::Symbol) return ParseDim(access);
        return ParseProcedure(access, defaultWord);
    }
    if (defaultWord && blocks_.back().kind == Block::Class) Report(Message::DefaultOnlyOnProcedures, Cur());
    if (Is(Keyword::Const)) return ParseConst(access);
    ParseDim(access);
}

void Parser::ParseDim(Access access) {
    while (true) {
        if (!AtName()) return Fail(Message::ExpectedIdentifier);
        const int declaration = Declare(DeclarationKind::Variable, Cur(), access);
        Advance();
        if (Is(Symbol::OpenParen)) {
            tree_.scopes[static_cast<std::size_t>(scope_)].declarations[static_cast<std::size_t>(declaration)].array = true;
            Advance();
            if (Is(Symbol::CloseParen)) {
                Advance();
            } else {
                while (true) {
                    if (Cur().kind != TokenKind::Number || !Cur().integer) return Fail(Message::ExpectedIntegerConstant);
                    Advance();
                    if (Is(Symbol::Comma)) { Advance(); continue; }
                    if (Is(Symbol::CloseParen)) { Advance(); break; }
                    return Fail(Message::ExpectedIntegerConstant);
                }
            }
        }
        if (!Is(Symbol::Comma)) return;
        Advance();
    }
}

void Parser::ParseReDim() {
    Advance();
    if (Is(Keyword::Preserve)) Advance();
    while (true) {
        if (!AtName()) return Fail(Message::ExpectedIdentifier);
        const Token name = Cur();
        const int reference = AddReference(name);
        Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
        if (reference >= 0) scope.references[static_cast<std::size_t>(reference)].assigned = true;
        const int declaration = Declare(DeclarationKind::Variable, name);
        scope.declarations[static_cast<std::size_t>(declaration)].fromReDim = true;
        scope.declarations[static_cast<std::size_t>(declaration)].array = true;
        Advance();
        if (!Is(Symbol::OpenParen)) return Fail(Message::ExpectedOpenParen);
        Advance();
        ParseArgumentList();
        if (failed_ || !Is(Symbol::Comma)) return;
        Advance();
    }
}

void Parser::ParseConst(Access access) {
    Advance();
    while (true) {
        if (!AtName()) return Fail(Message::ExpectedIdentifier);
        Declare(DeclarationKind::Constant, Cur(), access);
        Advance();
        if (!Is(Symbol::Equal)) return Fail(Message::ExpectedEquals);
        Advance();
        const Operand value = ParseExpression();
        if (failed_) return;
        // The host knows the value is no literal once the expression has ended.
        if (!value.literal) return Fail(Message::ExpectedLiteral);
        if (!Is(Symbol::Comma)) return;
        Advance();
    }
}

void Parser::ParseExit() {
    Advance();
    const Token what = Cur();
    bool valid = false;
    const ProcedureKind procedure = CurrentProcedure();
    if (IsKeyword(what, Keyword::Do)) valid = IsOpen(Block::Do);
    else if (IsKeyword(what, Keyword::For)) valid = IsOpen(Block::For);
    else if (IsKeyword(what, Keyword::Sub)) valid = procedure == ProcedureKind::Sub;
    else if (IsKeyword(what, Keyword::Function)) valid = procedure == ProcedureKind::Function;
    else if (what.kind == TokenKind::Name && what.context == ContextWord::Property)
        valid = procedure == ProcedureKind::PropertyGet || procedure == ProcedureKind::PropertyLet ||
                procedure == ProcedureKind::PropertySet;
    if (!valid) return Fail(Message::InvalidExit);
    Advance();
}

void Parser::ParseOnError() {
    const Token start = Cur();
    Advance();
    if (!Is(ContextWord::Error)) return Fail(Message::SyntaxError);
    Advance();
    Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
    if (Is(Keyword::Resume)) {
        Advance();
        if (!Is(Keyword::Next)) return Fail(Message::SyntaxError);
        scope.onErrorResumeNext.push_back({start.offset, Cur().offset + Cur().length - start.offset});
        Advance();
        return;
    }
    if (Is(Keyword::GoTo)) {
        Advance();
        if (Cur().kind != TokenKind::Number || text_.substr(static_cast<std::size_t>(Cur().offset),
                                                           static_cast<std::size_t>(Cur().length)) != "0")
            return Fail(Message::SyntaxError);
        scope.onErrorGoTo0.push_back({start.offset, Cur().offset + Cur().length - start.offset});
        Advance();
        return;
    }
    Fail(Message::SyntaxError);
}

void Parser::ParseOption() {
    Advance();
    if (!Is(ContextWord::Explicit)) return Fail(Message::SyntaxError);
    tree_.optionExplicit = true;
    Advance();
}

void Parser::ParseCall() {
    Advance();
    if (!AtName() && Cur().kind != TokenKind::WithDot && !Is(Keyword::Me)) return Fail(Message::ExpectedIdentifier);
    const Operand callee = ParseChain(false);
    if (failed_) return;
    if (callee.reference >= 0 && !callee.member) {
        Reference& r = tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(callee.reference)];
        r.statementCall = true;
        if (r.arguments < 0) r.arguments = 0;
    }
}

void Parser::ParseSet() {
    const Token start = Cur();
    Advance();
    if (!AtName() && Cur().kind != TokenKind::WithDot && !Is(Keyword::Me)) return Fail(Message::ExpectedIdentifier);
    const Operand target = ParseChain(true);
    if (failed_) return;
    if (!Is(Symbol::Equal)) return Fail(Message::ExpectedEquals);
    if (target.me) Report(Message::InvalidMe, Cur());
    if (target.reference >= 0 && !target.member)
        tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(target.reference)].assigned = true;
    Advance();
    (void)start;
    ParseExpression();
}

void Parser::ParseCallOrAssignment() {
    const Token start = Cur();
    const Operand head = ParseChain(true);
    if (failed_) return;
    Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
    Reference* reference = head.reference >= 0 && !head.member ? &scope.references[static_cast<std::size_t>(head.reference)] : nullptr;
    if (Is(Symbol::Equal)) {
        if (head.me) Report(Message::InvalidMe, Cur());
        if (reference) reference->assigned = true;
        Advance();
        const Operand value = ParseExpression();
        if (!failed_ && value.creation && head.reference >= 0 && head.nameOnly)
            tree_.objectsWithoutSet.push_back({std::string(tree_.scopes[static_cast<std::size_t>(scope_)]
                                                               .references[static_cast<std::size_t>(head.reference)].name),
                                               {start.offset, Cur().offset - start.offset}});
        return;
    }
    if (reference) reference->statementCall = true;
    if (AtSeparator() || (singleLineIf_ > 0 && (Is(Keyword::Else) || Is(Keyword::End)))) {
        // "F(a, b)" as a statement: the host sees the parentheses once the statement has ended.
        if (head.endsInParens && head.lastArguments >= 2) return Fail(Message::ParenthesesCallingSub);
        if (reference && reference->arguments < 0) reference->arguments = 0;
        return;
    }
    // A call without parentheses; "F (a), b" and "F (a+1)*2, b" start the first argument with "(a)".
    const bool firstFromParens = head.endsInParens && head.lastArguments == 1;
    if (head.endsInParens && head.lastArguments != 1) return Fail(Message::ExpectedEndOfStatement);
    const int arguments = ParseBareArguments(firstFromParens);
    if (reference)
        tree_.scopes[static_cast<std::size_t>(scope_)].references[static_cast<std::size_t>(head.reference)].arguments =
            arguments;
}

// The arguments of a call without parentheses: expressions separated by ",", any of them empty.
int Parser::ParseBareArguments(bool firstFromParens) {
    int count = 0;
    bool first = true;
    while (true) {
        if (first && firstFromParens) {
            Operand parenthesized;
            ParseBinaryFrom(parenthesized, 0);
        } else if (!Is(Symbol::Comma) && !AtSeparator()) {
            ParseExpression();
        }
        if (failed_) return count;
        ++count;
        first = false;
        if (!Is(Symbol::Comma)) return count;
        Advance();
    }
}

}  // namespace tarnwick::language
