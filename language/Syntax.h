#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::language {

class NameTable;

// A piece of the checked text, in bytes.
struct Span {
    std::int32_t offset = 0;
    std::int32_t length = 0;
    std::int32_t End() const { return offset + length; }
    bool operator==(const Span&) const = default;
};

enum class ScopeKind : std::uint8_t { Script, Class, Procedure };
enum class ProcedureKind : std::uint8_t { None, Sub, Function, PropertyGet, PropertyLet, PropertySet };
enum class Access : std::uint8_t { Default, Public, Private };

enum class DeclarationKind : std::uint8_t { Variable, Constant, Parameter, Procedure, Class };

// A name the script declares: a Dim/Public/Private/ReDim variable, a Const,
// a parameter, a procedure or a class. `name` is lower case for lookups; the
// text at `span` is the spelling the author wrote.
struct Declaration {
    std::string name;
    DeclarationKind kind = DeclarationKind::Variable;
    Span span;
    Access access = Access::Default;
    bool array = false;
    bool byVal = false;          // parameters
    bool fromReDim = false;      // a ReDim made the variable
    int scope = -1;              // the scope it opens: procedures and classes
    bool operator==(const Declaration&) const = default;
};

// A use of a name that is not a member reached with ".": read, assigned or called.
struct Reference {
    std::string_view name;       // lower case, kept once for all its uses by the tree's `names`
    Span span;
    int arguments = -1;          // the count in the first argument list after it; -1 when there is none
    bool assigned = false;       // the target of an assignment (with or without Set)
    bool statementCall = false;  // called as a statement, with or without parentheses
    bool operator==(const Reference&) const = default;
};

// A block that declares names: the script, a class, or a procedure (Sub,
// Function, Property Get/Let/Set). Scopes nest: procedures in the script or a class.
struct Scope {
    ScopeKind kind = ScopeKind::Script;
    ProcedureKind procedure = ProcedureKind::None;
    std::string name;             // lower case; empty for the script
    Span nameSpan;
    Span span;                    // from the first keyword to the end of its End line
    int parent = -1;
    Access access = Access::Default;
    bool isDefault = false;
    int parameters = 0;           // the first `parameters` declarations are the parameters
    std::vector<Declaration> declarations;
    std::vector<Reference> references;
    std::vector<Span> onErrorResumeNext;  // "On Error Resume Next" statements, in order
    std::vector<Span> onErrorGoTo0;       // "On Error GoTo 0" statements, in order
    bool operator==(const Scope&) const = default;
};

// An assignment without Set of an object the script makes right there
// (New, CreateObject, GetObject): the name assigned and the statement's start.
struct ObjectAssignment {
    std::string name;
    Span span;
    bool operator==(const ObjectAssignment&) const = default;
};

// The script's names and blocks with their places: what completion, the
// procedure list and a language server need, and what the checks read.
struct SyntaxTree {
    std::vector<Scope> scopes;    // scopes[0] is the script
    bool optionExplicit = false;
    bool executesCode = false;    // Execute/ExecuteGlobal/Eval can define names the checks do not see
    std::vector<ObjectAssignment> objectsWithoutSet;
    // Holds the spellings the references' names point into, for the tree and its copies.
    struct Names {
        std::shared_ptr<NameTable> table;
        bool operator==(const Names&) const { return true; }  // where a spelling is kept is no part of the tree
    } names;
    bool operator==(const SyntaxTree&) const = default;
};

}  // namespace tarnwick::language
