#pragma once

#include "language/Lexer.h"
#include "language/Syntax.h"

#include <string_view>
#include <vector>

namespace tarnwick::language {

// The findings beyond the host's compiler, read from the tree: names not
// declared under Option Explicit, calls of the script's own procedures with
// the wrong number of arguments, On Error Resume Next left on, an object
// assigned without Set, and variables declared but never used. They keep
// false alarms rare: a script that runs code from strings (Execute,
// ExecuteGlobal, Eval) gets no finding about names.
void FindWarnings(std::string_view text, const SyntaxTree& tree, std::vector<RawDiagnostic>& warnings);

}  // namespace tarnwick::language
