#pragma once

#include "language/Lexer.h"
#include "language/Syntax.h"

#include <vector>

namespace tarnwick::language {

// The host's checks of the declared names once a script is read: a name
// declared twice at one level (1041), and a property whose Get and Let/Set
// disagree on their arguments (1051).
void CheckNames(const SyntaxTree& tree, std::vector<RawDiagnostic>& errors);

}  // namespace tarnwick::language
