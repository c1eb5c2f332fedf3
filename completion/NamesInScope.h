#pragma once

#include "completion/CompletionList.h"
#include "completion/ScriptOutline.h"
#include "syntax/SyntaxTable.h"

#include <cstdint>
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

// The same list, kept while nothing it is made of changes, so that Ctrl+Space
// pressed again at the end of a large script hands back the rows it showed
// without sorting thousands of names, and the list sees the very same rows.
// One cache serves one ScriptKnowledge, whose generations tell its outlines apart.
class NamesInScopeCache {
public:
    CompletionList::SharedRows Rows(ScriptKnowledge& knowledge, const EditorModel& editor, const SyntaxEntries& table);

    // What the list is made of: equal scopes and built-ins give equal rows.
    struct Scope {
        std::uint64_t outlineGeneration = 0;
        const ScriptOutline* outline = nullptr;
        const OutlineBlock* procedure = nullptr;
        const OutlineBlock* inClass = nullptr;  // the block that tells the class around the caret
        std::vector<OutlineName> typedSince;    // declared since the outline was made
    };

private:
    Scope scope_;
    std::vector<CompletionRow> builtins_;  // the table's functions and keywords, in table order
    CompletionList::SharedRows rows_;
};

}  // namespace tarnwick
