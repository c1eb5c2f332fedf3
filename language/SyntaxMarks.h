#pragma once

#include "language/Check.h"

#include <span>
#include <string>
#include <vector>

namespace tarnwick::language {

// One finding where the editor shows it: a wavy line under [offset, offset + length)
// of the document (a mark of length 0 is drawn one character wide).
struct SyntaxMark {
    int offset = 0;
    int length = 0;
    Severity severity = Severity::Error;
    std::string text;  // the host's line form without the path: "Expected 'End'"
};

// The marks of the document's latest check, in the order of their offsets,
// kept beside the editor model: the editor widget reads them to paint, the
// window to show a mark's text. Edits made since the check move them with
// their text, until the next check's result replaces them.
class SyntaxMarks {
public:
    void Assign(const std::vector<Diagnostic>& found);
    void Clear();

    // The text from pos on lost `removed` characters and gained `inserted`:
    // marks after the edit move, a mark the edit touches stretches over it.
    void Shift(int pos, int removed, int inserted);

    const std::vector<SyntaxMark>& All() const { return marks_; }
    // The marks that may reach into [start, end), from the first that does;
    // a caller skips any among them that ends before start.
    std::span<const SyntaxMark> Touching(int start, int end) const;
    // The mark to tell of for [start, end) (a line, or the place under the
    // mouse): the first error there, else the first warning; null for none.
    const SyntaxMark* Within(int start, int end) const;

private:
    void UpdateReach(std::size_t from);
    // The first mark that reaches past pos.
    std::size_t FirstReaching(int pos) const;

    std::vector<SyntaxMark> marks_;
    std::vector<int> reach_;  // the furthest end of the marks up to each: where a search for a place starts
};

}  // namespace tarnwick::language
