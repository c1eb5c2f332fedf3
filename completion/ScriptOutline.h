#pragma once

#include "completion/CompletionList.h"
#include "completion/ScriptWords.h"
#include "language/Syntax.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick {

// A name the script declares, as completion shows it: the author's spelling,
// the icon of its kind and, for a procedure, its tip ("Name(a, b)").
struct OutlineName {
    std::string Name;
    RowIcon Icon = RowIcon::Variable;
    std::string Tip;
    bool Public = true;  // class members: reachable from outside the class
    std::string Lower;   // the name in lower case
};

// A Sub, Function, Property or Class block of the script, with its place in
// the text the outline was made of.
struct OutlineBlock {
    int Start = 0;
    int End = 0;
    int Class = -1;                   // index into ScriptOutline::Classes: the class itself or the one around it
    std::vector<OutlineName> Locals;  // a procedure's parameters, then its variables and constants
};

struct OutlineClass {
    std::string Lower;
    std::vector<OutlineName> Members;  // Subs, Functions, Properties and variables, each name once
};

// "Set lhs = ..." in the script: the class after New when it is one of the
// script's own, else empty (the object is of some other type).
struct SetAssignment {
    int Offset = 0;
    std::string Class;
};

// What completion knows of the script's own code: made from the syntax
// check's tree and the text it read, on the checking thread, and kept by the
// editor's thread until a newer check replaces it.
struct ScriptOutline {
    // Each list of names is sorted ignoring case.
    std::vector<OutlineName> Globals;             // script-level variables, constants, procedures, classes
    std::vector<OutlineClass> Classes;
    std::vector<OutlineBlock> Procedures;         // in text order; procedures never nest
    std::vector<OutlineBlock> ClassBlocks;        // in text order
    std::unordered_map<std::string, std::string> Tips;  // lower-case procedure name -> its tip
    std::unordered_map<std::string, std::vector<SetAssignment>> Sets;  // lower-case target -> in text order

    static ScriptOutline Of(const language::SyntaxTree& tree, std::string_view text);

    const OutlineClass* FindClass(std::string_view lower) const;
    // The procedure, or the class, whose block holds the offset; null at script level.
    const OutlineBlock* ProcedureAt(int offset) const;
    const OutlineBlock* ClassAt(int offset) const;
    // The class of the object last Set to the lower-case target in front of the offset:
    // nullptr when there is none, an empty string when it is not a class of the script.
    const std::string* ClassSetBefore(std::string_view lowerTarget, int offset) const;
};

// Reads one line's "Set target = New Class" statements (after a ":" too),
// calling found(target, class) for each Set assignment in line order; both are
// lower case, and class is empty when the value is not New of a named class.
template <typename Found>
void ForEachSetAssignment(std::string_view line, Found&& found);


// ---- implementation of the template ----

namespace outline_detail {
// Parses one statement that starts at pos (blanks skipped); on "Set target = value" returns true and
// fills target and cls. pos moves past the statement to the next ":" or the line's end.
bool ParseSet(std::string_view line, std::size_t& pos, std::string& target, std::string& cls);
}  // namespace outline_detail

template <typename Found>
void ForEachSetAssignment(std::string_view line, Found&& found) {
    std::size_t pos = 0;
    std::string target, cls;
    while (pos < line.size()) {
        if (outline_detail::ParseSet(line, pos, target, cls)) found(target, cls);
    }
}

}  // namespace tarnwick
