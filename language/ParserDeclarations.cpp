// Procedures, classes and the names they declare.
#include "language/Parser.h"

namespace tarnwick::language {

int Parser::Declare(DeclarationKind kind, const Token& name, Access access) {
    Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
    Declaration& d = scope.declarations.emplace_back();
    LowerNameInto(name, d.name);
    d.kind = kind;
    d.span = {name.offset, name.length};
    d.access = access;
    return static_cast<int>(scope.declarations.size()) - 1;
}

int Parser::OpenScope(ScopeKind kind, const Token& start, const Token& name) {
    Scope& scope = tree_.scopes.emplace_back();
    scope.kind = kind;
    scope.name = LowerName(name);
    scope.nameSpan = {name.offset, name.length};
    scope.span = {start.offset, 0};
    scope.parent = scope_;
    scope_ = static_cast<int>(tree_.scopes.size()) - 1;
    return scope_;
}

// Sub, Function or Property Get/Let/Set, with Cur() on its keyword (after any Public/Private/Default).
void Parser::ParseProcedure(Access access, const Token* defaultWord) {
    const Token start = Cur();
    if (InProcedure() || singleLineIf_ > 0) return Fail(Message::ExpectedStatement);
    const bool inClass = blocks_.back().kind == Block::Class;
    ProcedureKind kind = Is(Keyword::Sub) ? ProcedureKind::Sub : ProcedureKind::Function;
    if (Is(ContextWord::Property)) {
        Advance();
        if (Is(Keyword::Get)) kind = ProcedureKind::PropertyGet;
        else if (Is(Keyword::Let)) kind = ProcedureKind::PropertyLet;
        else if (Is(Keyword::Set)) kind = ProcedureKind::PropertySet;
        else return Fail(Message::ExpectedLetSetGet);
        if (!inClass) Report(Message::MustBeInsideClass, Cur());
        else if (defaultWord && kind != ProcedureKind::PropertyGet) Report(Message::DefaultOnlyOnPropertyGet, Cur());
    }
    Advance();
    if (!AtName()) return Fail(Message::ExpectedIdentifier);
    const Token name = Cur();
    const int declaration = Declare(DeclarationKind::Procedure, name, access);
    if (defaultWord && inClass) {
        if (classDefaultSeen_) Report(Message::MultipleDefaults, *defaultWord);
        classDefaultSeen_ = true;
    }
    const int outer = scope_;
    const int scope = OpenScope(ScopeKind::Procedure, start, name);
    tree_.scopes[static_cast<std::size_t>(outer)].declarations[static_cast<std::size_t>(declaration)].scope = scope;
    Scope& procedure = tree_.scopes[static_cast<std::size_t>(scope)];
    procedure.procedure = kind;
    procedure.access = access;
    procedure.isDefault = defaultWord != nullptr;
    Advance();
    blocks_.push_back({Block::Procedure, kind});
    ++depth_;
    const int savedIf = singleLineIf_;
    singleLineIf_ = 0;

    if (Is(Symbol::OpenParen)) {
        const Token open = Cur();
        ParseParameters();
        const int count = tree_.scopes[static_cast<std::size_t>(scope)].parameters;
        if (!failed_ && count == 0 && (kind == ProcedureKind::PropertyLet || kind == ProcedureKind::PropertySet))
            Report(Message::PropertyNeedsArgument, open);
        if (!failed_ && count > 0 && inClass && kind == ProcedureKind::Sub) {
            const std::string& lower = tree_.scopes[static_cast<std::size_t>(scope)].name;
            if (lower == "class_initialize" || lower == "class_terminate")
                Report(Message::InitializeWithArguments, open);
        }
        // The body may start on the same line, as the host allows after a parameter list.
        if (failed_) Recover();
    } else if (!AtSeparator()) {
        Fail(Message::ExpectedOpenParen);
        Recover();
    } else if (kind == ProcedureKind::PropertyLet || kind == ProcedureKind::PropertySet) {
        Report(Message::PropertyNeedsArgument, Cur());
    }
    ParseStatements();
    const Message wrongEnd = kind == ProcedureKind::Sub        ? Message::ExpectedSub
                             : kind == ProcedureKind::Function ? Message::ExpectedFunction
                                                               : Message::ExpectedProperty;
    const Keyword endWord = kind == ProcedureKind::Sub ? Keyword::Sub : Keyword::Function;
    CloseBlock(endWord, wrongEnd);
    Scope& closed = tree_.scopes[static_cast<std::size_t>(scope)];
    closed.span.length = Previous().End() - closed.span.offset;
    singleLineIf_ = savedIf;
    --depth_;
    scope_ = outer;
}

// "(" [ByVal|ByRef] name [()] {, ...} ")"
void Parser::ParseParameters() {
    Advance();
    if (Is(Symbol::CloseParen)) {
        Advance();
        return;
    }
    Scope& scope = tree_.scopes[static_cast<std::size_t>(scope_)];
    while (true) {
        bool byVal = false;
        if (Is(Keyword::ByVal) || Is(Keyword::ByRef)) {
            byVal = Is(Keyword::ByVal);
            Advance();
        }
        if (!AtName()) return Fail(Message::ExpectedIdentifier);
        const int declaration = Declare(DeclarationKind::Parameter, Cur());
        scope.declarations[static_cast<std::size_t>(declaration)].byVal = byVal;
        ++scope.parameters;
        Advance();
        if (Is(Symbol::OpenParen)) {
            Advance();
            if (!Is(Symbol::CloseParen)) return Fail(Message::ExpectedCloseParen);
            Advance();
            scope.declarations[static_cast<std::size_t>(declaration)].array = true;
        }
        if (Is(Symbol::CloseParen)) {
            Advance();
            return;
        }
        if (!Is(Symbol::Comma)) return Fail(Message::ExpectedCloseParen);
        Advance();
    }
}

void Parser::ParseClass() {
    const Token start = Cur();
    Advance();
    if (!AtName()) return Fail(Message::ExpectedIdentifier);
    const Token name = Cur();
    const int declaration = Declare(DeclarationKind::Class, name);
    const int outer = scope_;
    const int scope = OpenScope(ScopeKind::Class, start, name);
    tree_.scopes[static_cast<std::size_t>(outer)].declarations[static_cast<std::size_t>(declaration)].scope = scope;
    Advance();
    blocks_.push_back({Block::Class});
    classDefaultSeen_ = false;
    // "Class C End Class" on one line: the host wants a statement break before End.
    if (!AtSeparator()) Fail(Is(Keyword::End) ? Message::ExpectedStatement : Message::ExpectedEndOfStatement);
    if (failed_) Recover();
    while (true) {
        while (Cur().kind == TokenKind::LineBreak || Cur().kind == TokenKind::Colon) Advance();
        if (Is(Keyword::End) || Cur().kind == TokenKind::EndOfText) break;
        ParseClassMember();
        if (!failed_ && !skipEnd_) EndStatement();
        skipEnd_ = false;
        if (failed_) Recover();
    }
    CloseBlock(Keyword::Class, Message::ExpectedClass);
    tree_.scopes[static_cast<std::size_t>(scope)].span.length =
        Previous().End() - start.offset;
    scope_ = outer;
}

// One member of a class: a variable list, a Const, or a procedure.
void Parser::ParseClassMember() {
    if (Is(Keyword::Public) || Is(Keyword::Private)) return ParseAccess();
    if (Is(Keyword::Dim)) {
        Advance();
        return ParseDim(Access::Default);
    }
    if (Is(Keyword::Const)) return ParseConst(Access::Default);
    if (Is(Keyword::Sub) || Is(Keyword::Function)) return ParseProcedure(Access::Default, nullptr);
    if (Is(ContextWord::Property)) return ParseProcedure(Access::Default, nullptr);
    Fail(Message::ExpectedEnd);
}

}  // namespace tarnwick::language
