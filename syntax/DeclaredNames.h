#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Appends the names a Dim statement declares, given the text that follows the
// word Dim up to the end of its line: the identifiers of the comma-separated
// list, each without its array bounds. A comment or a ":" ends the statement.
void AppendDeclaredNames(std::string_view afterDim, std::vector<std::string>& names);

// The names declared by the Dims of a document text, in document order. The
// first search window reaches from the start to index `count` (Count + 1
// characters); each repeated search keeps that Count from its new start, so it
// may find Dims further on. Dims inside strings or comments do not count.
std::vector<std::string> DeclaredNames(std::string_view text, int count);

}  // namespace tarnwick
