#pragma once

#include "language/Lexer.h"
#include "language/NameTable.h"
#include "language/Syntax.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::language {

// A statement of the script's own level that starts a line, where no block is
// open: a reading can stop there and another start there again. The counts
// are of what the reading had made before it; the flags tell what the
// statements from here to the next start set.
struct StatementStart {
    std::int32_t offset = 0;  // the start of its line
    bool statementSeen = false;
    bool optionExplicit = false;
    bool executesCode = false;
    std::int32_t scopes = 0;
    std::int32_t declarations = 0;  // of the script's scope, as are the next four
    std::int32_t references = 0;
    std::int32_t resumeNext = 0;
    std::int32_t goTo0 = 0;
    std::int32_t objectsWithoutSet = 0;
};

// Reads the tokens of a whole script by recursive descent, statement by
// statement, as the host's compiler does: it reports where the host stops
// (the first error), then resumes at the next line so that later errors are
// found too. It builds the tree of scopes, names and uses.
class Parser {
public:
    Parser(std::string_view text, TextForm form, std::vector<RawDiagnostic>& errors);
    // Leaves the uses of names (the scopes' references) out of the tree: only
    // the findings beyond the host read them, and a check without those is
    // quicker without them.
    void SkipUses() { recordUses_ = false; }
    // Keeps the names of the uses in `table` (a tree's own, whose uses this
    // reading's are joined to) rather than in a table of its own.
    void KeepNamesIn(std::shared_ptr<NameTable> table) { tree_.names.table = std::move(table); }
    SyntaxTree Run();
    // Notes each StatementStart in `starts`; the reading ends before one where
    // `stop` answers true. `statementSeen`: the text read is the rest of a
    // script whose first statement stands before it.
    void NoteStatementStarts(std::vector<StatementStart>& starts, std::function<bool(const StatementStart&)> stop,
                             bool statementSeen) {
        starts_ = &starts;
        stop_ = std::move(stop);
        statementSeen_ = statementSeen;
    }

private:
    // The blocks open at the current statement, innermost last.
    enum class Block : std::uint8_t { Script, If, For, Do, While, Select, With, Procedure, Class };
    struct OpenBlock {
        Block kind;
        ProcedureKind procedure = ProcedureKind::None;
    };

    // What an expression turned out to be, as far as the checks care.
    struct Operand {
        bool literal = false;    // a literal, perhaps with a sign: what Const accepts
        bool creation = false;   // New X, CreateObject(...), GetObject(...)
        bool me = false;         // Me alone
        bool endsInParens = false;
        int lastArguments = -1;  // the count in the final (...) of a chain
        int reference = -1;      // the Reference of a chain's leading name in the current scope
        bool nameOnly = false;   // a single name, nothing after it
        bool member = false;     // a member was reached with ".": the leading name is only read
    };

    // Tokens.
    const Token& Cur() const { return tokens_.Current(); }
    const Token& Peek() const { return tokens_.Following(); }
    const Token& Previous() const { return tokens_.Previous(); }
    void Advance() { tokens_.Advance(); }
    bool Is(Keyword keyword) const { return Cur().kind == TokenKind::Keyword && Cur().keyword == keyword; }
    bool Is(Symbol symbol) const { return Cur().kind == TokenKind::Symbol && Cur().symbol == symbol; }
    bool Is(ContextWord word) const { return Cur().kind == TokenKind::Name && Cur().context == word; }
    static bool IsKeyword(const Token& t, Keyword k) { return t.kind == TokenKind::Keyword && t.keyword == k; }
    bool AtName() const { return Cur().kind == TokenKind::Name; }
    bool AtLineEnd() const { return Cur().kind == TokenKind::LineBreak || Cur().kind == TokenKind::EndOfText; }
    bool AtSeparator() const { return AtLineEnd() || Cur().kind == TokenKind::Colon; }
    std::string LowerName(const Token& token) const;
    // The same into `name`, which keeps its buffer: no new string per name.
    void LowerNameInto(const Token& token, std::string& name) const;
    // The token's name, lower case, as kept once in the tree's table of names.
    std::string_view InternName(const Token& token);
    [[gnu::noinline]] std::string_view InternOtherName(const Token& token);
    // The token's name is `lower`, ignoring case.
    bool NameIs(const Token& token, std::string_view lower) const;

    // Errors. Fail abandons the statement: the statement list resumes at the next line.
    void Report(Message message, const Token& token, std::string detail = {});
    void ReportAtEnd(Message message);  // an unclosed block, at the line after the last
    void Fail(Message message) {
        if (Cur().kind != TokenKind::Invalid) Report(message, Cur());  // the lexer has reported an Invalid one
        failed_ = true;
    }
    void Recover();

    // Statement lists and their ends (ParserStatements.cpp).
    void ParseStatements();
    bool NoteStart();
    void CloseUnit();
    bool AtTerminator() const;
    bool HandleStrayTerminator();
    void ParseStatement();
    void EndStatement();
    void EndHeader();
    bool IsOpen(Block kind) const;
    bool InProcedure() const;
    ProcedureKind CurrentProcedure() const;
    void ParseCallOrAssignment();
    void ParseCall();
    void ParseSet();
    void ParseDim(Access access);
    void ParseReDim();
    void ParseConst(Access access);
    void ParseExit();
    void ParseOnError();
    void ParseOption();
    void ParseAccess();
    int ParseBareArguments(bool firstFromParens);

    // Blocks (ParserBlocks.cpp).
    void ParseIf();
    void ParseInlineStatements();
    void ParseFor();
    void ParseDo();
    void ParseWhile();
    void ParseSelect();
    void ParseWith();
    void CloseBlock(Keyword endWord, Message wrongEnd);
    bool OuterBlockOwns(const Token& word) const;
    void CloseLoop(Keyword closer, Message expected);

    // Procedures and classes (ParserDeclarations.cpp).
    void ParseProcedure(Access access, const Token* defaultWord);
    void ParseParameters();
    void ParseClass();
    void ParseClassMember();
    int Declare(DeclarationKind kind, const Token& name, Access access = Access::Default);
    int OpenScope(ScopeKind kind, const Token& start, const Token& name);

    // Expressions (ParserExpressions.cpp).
    Operand ParseExpression();
    Operand ParseBinary(int minimum);
    Operand ParseBinaryFrom(Operand left, int minimum);
    Operand ParseUnary();
    Operand ParsePrimary();
    Operand ParseChain(bool statementHead);
    Operand ParseChainRest(int reference, bool nameOnly, bool me, bool statementHead);
    int ParseArgumentList();
    int AddReference(const Token& name);

    std::string_view text_;
    std::vector<RawDiagnostic>& errors_;
    TokenReader tokens_;
    bool failed_ = false;
    bool skipEnd_ = false;      // a block ended at a word it does not own: leave that word to the block around
    int depth_ = 0;             // nesting of blocks and expressions, bounded so the stack is
    int singleLineIf_ = 0;      // single-line Ifs the current statement is in
    bool statementSeen_ = false;
    bool classDefaultSeen_ = false;
    std::vector<OpenBlock> blocks_;
    SyntaxTree tree_;
    int scope_ = 0;
    bool recordUses_ = true;
    NameTable* names_ = nullptr;  // the tree's table of the uses' names
    std::vector<StatementStart>* starts_ = nullptr;
    std::function<bool(const StatementStart&)> stop_;
    bool stopped_ = false;
    bool optionExplicitSeen_ = false;  // while noting starts, the flags of the units closed so far
    bool executesCodeSeen_ = false;
    std::int32_t reportedUpTo_ = -1;  // the furthest place an error was reported at
};

// How deep blocks and expressions may nest before the check gives up with
// "Out of memory", as the host's compiler does on its own stack.
inline constexpr int kMaxNesting = 1000;

}  // namespace tarnwick::language
