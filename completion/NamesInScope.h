#pragma once

#include "completion/CompletionList.h"
#include "syntax/SyntaxTable.h"

#include <vector>

namespace tarnwick {

class EditorModel;
class ScriptKnowledge;

// The list Ctrl+Space opens: the names visible at the caret, nearest first —
// the procedure's parameters, variables and constants; then, inside a class,
// the class's members; then the script's variables, constants, procedures
// and classes; then the built-in functions and the keywords. Each group is
// sorted ignoring case and a name is listed once, in its nearest group.
std::vector<CompletionRow> NamesInScope(ScriptKnowledge& knowledge, const EditorModel& editor,
                                        const SyntaxEntries& table);

}  // namespace tarnwick
