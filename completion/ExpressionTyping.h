#pragma once

#include "syntax/SyntaxTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class NeedleOccurrences;

// A class name in CreateObject("...") and the object type it gives.
struct ProgIdRule {
    std::string_view ProgId;  // compared ignoring case; a version suffix (".6.0") may follow
    std::string_view TypeName;
};

// The classes whose objects are typed by where the script binds them. The
// file system object and the WScript.Shell and WScript.Network objects keep
// their own creation patterns (ObjectTyping.h).
inline constexpr ProgIdRule kProgIdRules[] = {
    {"Scripting.Dictionary", "Dictionary"},
    {"VBScript.RegExp", "RegExp"},
    {"ADODB.Connection", "ADODB.Connection"},
    {"ADODB.Recordset", "ADODB.Recordset"},
    {"ADODB.Command", "ADODB.Command"},
    {"ADODB.Stream", "ADODB.Stream"},
    {"MSXML2.DOMDocument", "MSXML2.DOMDocument"},
    {"MSXML2.FreeThreadedDOMDocument", "MSXML2.DOMDocument"},
    {"Microsoft.XMLDOM", "MSXML2.DOMDocument"},
    {"MSXML.DOMDocument", "MSXML2.DOMDocument"},
    {"MSXML2.XMLHTTP", "MSXML2.XMLHTTP"},
    {"Microsoft.XMLHTTP", "MSXML2.XMLHTTP"},
    {"MSXML2.ServerXMLHTTP", "MSXML2.ServerXMLHTTP"},
    {"Shell.Application", "Shell.Application"},
    {"WbemScripting.SWbemLocator", "SWbemLocator"},
};

// The object types the first member lists had: their variables are typed by
// the creation and derivation patterns alone, exactly as before.
bool IsPatternTypedType(std::string_view typeName);

// A member row whose tip and list belong to objects this typing recognises:
// an object type that is not one of the pattern-typed ones.
bool IsBoundTypeRow(const TColorCoding& entry);

// One statement of a line: the line is split at ":" outside strings, its comment left out.
struct ScriptStatement {
    int Start = 0;  // offset of the statement's first character
    std::string_view Text;
};
std::vector<ScriptStatement> StatementsOfLine(std::string_view text, int lineStart);
// The same into statements, whose room is used again.
void StatementsOfLine(std::string_view text, int lineStart, std::vector<ScriptStatement>& statements);

// The value of the With statement whose block holds before ("re", "New Foo",
// a view into text): the nearest With in front of it whose End With does not
// stand in between, none when a procedure or class begins or ends first.
std::optional<std::string_view> EnclosingWithValue(std::string_view text, int before);

// An object type worked out for an expression. Found is false for a variable
// whose type only the creation and derivation patterns may give: the typing
// pass leaves those to the patterns, whose answers stay as they were.
struct ExpressionType {
    std::string TypeName;
    bool Found = false;
};

// Works out the object type of the expression written in front of a dot from
// where the script binds its names: the nearest assignment in front of it
// ("Set x = CreateObject(...)", "New RegExp", "GetObject("winmgmts:...")",
// "y.Member(...)" where the member's Result is known), the nearest
// "For Each x In y" (the Result of y's Item member), an enclosing With block
// for a dot with no name before it, and chains of members ("a.b(1).c.").
// A variable assigned again takes the type of its nearest typed assignment;
// beyond the nearest thousand lines, where only the statements holding a
// needle are read, a creation goes before a binding through a member or one
// without a dot, which are looked for only when no creation binds the name.
class ExpressionTyping {
public:
    // occurrences is the typing pass's shared index over the editor's text.
    ExpressionTyping(std::string_view text, const SyntaxEntries& table, NeedleOccurrences& occurrences);

    // The needles the far bindings are found by: creations (the patterns and
    // the class names), members with a known Result, and those without a dot.
    enum class NeedleKind { Creation, Member, Undotted };
    // The typing pass finds the creations in its own shared scan.
    std::vector<std::string_view> Needles(NeedleKind kind) const;
    // Finds the occurrences of one kind of needles up to maxStart in one
    // shared scan; the ones already found up to there are not looked for again.
    void Prepare(int maxStart, NeedleKind kind);

    // The type of the expression that ends right before the dot at offset dot.
    std::optional<ExpressionType> TypeBeforeDot(int dot);

private:
    struct Link {
        std::string_view Name;  // empty for the first link of a chain under With
        bool Called = false;    // followed by an argument list
    };
    using Statement = ScriptStatement;

    enum class Whole : bool { No, Yes };

    // The chain that ends at end and begins at floor (Whole::Yes) or after it.
    std::optional<ExpressionType> TypeOfChain(int end, int floor, int depth, Whole whole);
    std::optional<ExpressionType> TypeOfLinks(const std::vector<Link>& links, int before, int depth);
    // A value assigned or looped over; a view into the text.
    std::optional<ExpressionType> TypeOfValue(std::string_view value, int depth);
    // The type a statement gives name: "[Set] name = value" or "For Each name In value".
    std::optional<ExpressionType> TypeOfBinding(const Statement& statement, std::string_view name, int depth);
    // The type of name's nearest typed binding in front of before.
    std::optional<ExpressionType> TypeOfName(std::string_view name, int before, int depth);
    // The object of the With block that encloses before.
    std::optional<ExpressionType> TypeOfWith(int before, int depth);
    std::string MemberResult(std::string_view typeName, std::string_view member) const;
    std::string ItemType(std::string_view typeName) const { return MemberResult(typeName, "Item"); }
    bool MemberTakesArguments(std::string_view typeName, std::string_view member) const;

    std::string_view text_;
    const SyntaxEntries& table_;
    NeedleOccurrences& occurrences_;
    std::vector<std::string> needles_;
    std::vector<NeedleKind> kinds_;  // of each needle
};

}  // namespace tarnwick
