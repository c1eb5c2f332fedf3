#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarnwick {

// Names in document order, their characters kept in one buffer.
class DeclaredNameList {
public:
    void Add(std::string_view name);
    std::size_t size() const { return spans_.size(); }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(chars_).substr(spans_[i].first, spans_[i].second);
    }
    std::vector<std::string> ToVector() const;

private:
    std::string chars_;
    std::vector<std::pair<std::size_t, std::size_t>> spans_;  // offset and length in chars_
};

// Appends the names a Dim statement declares, given the text that follows the
// word Dim up to the end of its line: the identifiers of the comma-separated
// list, each without its array bounds. A comment or a ":" ends the statement.
void AppendDeclaredNames(std::string_view afterDim, DeclaredNameList& names);

// The names declared by the Dims of a document text, in document order. The
// first search window reaches from the start to index `count` (Count + 1
// characters); each repeated search keeps that Count from its new start, so it
// may find Dims further on. Dims inside strings or comments do not count.
DeclaredNameList DeclaredNames(std::string_view text, int count);

}  // namespace tarnwick
