#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick {

// Hash of the first word of s (up to its first delimiter), ignoring case.
std::uint32_t FirstWordHash(std::string_view s);

// Names in document order, their characters kept in one buffer.
class DeclaredNameList {
public:
    void Add(std::string_view name);
    std::size_t size() const { return spans_.size(); }
    std::string_view operator[](std::size_t i) const {
        return std::string_view(chars_).substr(spans_[i].offset, spans_[i].length);
    }
    std::uint32_t FirstWordHashOf(std::size_t i) const { return spans_[i].firstWordHash; }
    std::vector<std::string> ToVector() const;

private:
    struct Span {
        std::size_t offset;
        std::size_t length;
        std::uint32_t firstWordHash;
    };
    std::string chars_;
    std::vector<Span> spans_;
};

// Appends the names a Dim statement declares, given the text that follows the
// word Dim up to the end of its line: the identifiers of the comma-separated
// list, each without its array bounds. A comment or a ":" ends the statement;
// a name is a letter followed by letters, digits and underscores.
void AppendDeclaredNames(std::string_view afterDim, DeclaredNameList& names);

// The names declared by the Dims of a document text, in document order. The
// first search window reaches from the start to index `count` (Count + 1
// characters); each repeated search keeps that Count from its new start, so it
// may find Dims further on. Dims inside strings or comments do not count.
// The names of a Dim inside [lineStart, lineStart + line.size()) are read from
// `line` instead: the same line with only the case of its letters changed.
DeclaredNameList DeclaredNames(std::string_view text, int count);
DeclaredNameList DeclaredNames(std::string_view text, int count, std::size_t lineStart, std::string_view line);

}  // namespace tarnwick
