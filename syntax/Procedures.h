#pragma once

#include <string>
#include <vector>

namespace tarnwick {

class EditorModel;

enum class ProcedureKind { Sub, Function, PropertyGet, PropertyLet, PropertySet, Class };

// One declaration of a script: a Sub, Function, Property or Class. Lines are
// 0-based; column is where the declaration's first word (Public, Sub ...) starts.
struct Procedure {
    ProcedureKind kind = ProcedureKind::Sub;
    std::string name;
    std::string className;  // the class it belongs to; empty at the top level and for a class
    int line = 0;
    int column = 0;
    // The line of its End statement; without one, the line before the next
    // declaration that cannot stand inside it, or the last line.
    int endLine = 0;
    bool operator==(const Procedure&) const = default;
};

// The declarations in text order. Keywords count in any case, after Public,
// Private and Default, at the start of any statement of a line (after ":"),
// never inside strings, comments (' and Rem) or continued lines.
std::vector<Procedure> ScanProcedures(const EditorModel& document);

// "Sub Main", "Class Person", "Property Get Person.Name".
std::string ProcedureLabel(const Procedure& procedure);

// The index of the innermost declaration whose lines hold `line`, or -1.
int ProcedureAt(const std::vector<Procedure>& procedures, int line);

}  // namespace tarnwick
