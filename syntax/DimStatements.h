#pragma once

#include "editor/EditorModel.h"
#include "syntax/DeclaredNames.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tarnwick {

// Every occurrence of the letters dim in a document, with what the search for
// declared names needs to know of it, kept up to date through the model's
// change notifications: colouring a line then walks this list instead of
// searching the whole document for the word Dim. Built when first asked for;
// an edit refreshes only the lines it touched, as everything an occurrence
// needs to know lies on its own line.
class DimStatements : public EditorObserver {
public:
    explicit DimStatements(EditorModel& model);
    ~DimStatements() override;
    DimStatements(const DimStatements&) = delete;
    DimStatements& operator=(const DimStatements&) = delete;

    // The names declared by the Dims that searching the document for the word
    // Dim finds: the first search window reaches from the start to index
    // `count` (Count + 1 characters), each repeated search keeps that Count
    // from its new start, Dims inside strings or comments do not count. The
    // names of a Dim inside [lineStart, lineStart + line.size()) are read from
    // `line`, the same line with only the case of its letters changed.
    // Only the names whose first word's FirstWordHash has its bit (hash % 64)
    // set in `wanted` are given; the others are left out.
    DeclaredNameList Names(int count, int lineStart, std::string_view line, std::uint64_t wanted = ~std::uint64_t{0});

    void TextChanged(int pos, int removed, int inserted) override;

    // The bit of a FirstWordHash in a `wanted` mask.
    static std::uint64_t BitOf(std::uint32_t firstWordHash) { return std::uint64_t{1} << (firstWordHash % 64); }

private:
    struct Entry {
        int pos = 0;                  // where the letters start in the document
        bool delimitedBefore = true;  // by a delimiter or the start of its line
        bool delimitedAfter = true;   // by a delimiter or the end of its line
        bool skipped = false;         // inside a string or a comment
        std::uint64_t bits = 0;       // the BitOf of each of its names
        DeclaredNameList names;       // the names it declares, when it is not skipped
    };

    void Build();
    // Appends the entries of the line [lineStart, lineStart + line.size()).
    static void ScanLine(std::string_view line, int lineStart, std::vector<Entry>& out);

    EditorModel& model_;
    bool built_ = false;
    std::vector<Entry> entries_;  // in document order
};

}  // namespace tarnwick
