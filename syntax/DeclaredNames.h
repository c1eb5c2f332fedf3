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

}  // namespace tarnwick
