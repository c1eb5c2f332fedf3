#pragma once

#include "editor/EditorModel.h"
#include "editor/TextEncoding.h"

#include <string_view>

namespace tarnwick {

// The four caret primitives. Positions are 0-based and a line break counts as
// two characters; line numbers are 1-based. Out-of-range arguments are passed
// on to the control, whose answers come back unchanged (-1 from FirstColumn
// for a line past the last).

// Length of the line holding pos, its break excluded.
inline int CurLineLen(const EditorModel& m, int pos) { return m.LineLength(pos); }
// 1-based number of the line holding pos (a position on the CR or between CR
// and LF belongs to the line before).
inline int CurLineNum(const EditorModel& m, int pos) { return m.LineFromChar(pos) + 1; }
// 1-based column of the selection start.
inline int CurColumn(const EditorModel& m) { return m.SelStart() - m.LineIndex(-1) + 1; }
// CurColumn counted in characters, as the status bar shows it: in a Unicode
// document a character may take several bytes.
inline int CurCharColumn(const EditorModel& m, TextEncoding encoding) {
    if (encoding == TextEncoding::Ansi) return CurColumn(m);
    const int line = m.LineFromChar(m.SelStart());
    const std::string text = m.Line(line);
    const int bytes = m.SelStart() - m.LineIndex(line);
    return CharCount(std::string_view(text).substr(0, static_cast<std::size_t>(bytes)), encoding) + 1;
}
// First position of line n; FirstColumn(0) asks for the start of the caret's own line.
inline int FirstColumn(const EditorModel& m, int n) { return m.LineIndex(n - 1); }

}  // namespace tarnwick
