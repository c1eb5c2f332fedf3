#pragma once

#include "completion/CompletionList.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

class EditorModel;
class ScriptKnowledge;

// How far back from the caret the text itself is read for Set assignments
// typed since the outline was made; the outline answers for what lies before.
inline constexpr int kLocalScanBytes = 64 * 1024;

// The name, or chain of names, written right in front of the "." before the
// caret, in lower case ("me", "x", "me.item"); empty when there is none.
std::string TargetBeforeDot(const EditorModel& editor, int caret);

// The rows for the "." just typed when the name in front of it is Me inside a
// class (all of its members) or an object of one of the script's own classes
// (its public members): Subs and Functions as methods, Properties as
// properties, variables as variables, sorted ignoring case. None when the
// name is neither.
std::optional<std::vector<CompletionRow>> OwnClassMembers(ScriptKnowledge& knowledge, const EditorModel& editor);

// The lower-case class last Set to the target in the text [from, to): empty
// when the last assignment there is not New of a class; none without one.
std::optional<std::string> LastSetInText(const EditorModel& editor, int from, int to, std::string_view target);

}  // namespace tarnwick
