#pragma once

#include "editor/GapBuffer.h"

#include <vector>

namespace tarnwick {

// The first position of every line, cheap to change near any place: the
// starts sit in a gap buffer, and a change of length is not added to every
// later start at once but kept as a pending step that applies to all lines
// after stepLine_. Moving the step to the next change costs only the starts
// between the two places, so typing anywhere touches no more than a few.
// There is always at least one line, starting at 0.
class LineStarts {
public:
    LineStarts() { Reset({0}); }

    // starts: ascending, the first 0.
    void Reset(std::vector<int> starts);

    int Count() const { return starts_.Length(); }
    int Start(int line) const { return starts_.At(line) + (line > stepLine_ ? stepLength_ : 0); }
    // The last line starting at or before pos.
    int LineOf(int pos) const;

    // Lines after `line` start delta later.
    void Shift(int line, int delta);
    // A new line `line` starting at start; later lines keep their starts.
    void Insert(int line, int start);
    // Lines [first, first + count) disappear; first > 0.
    void Remove(int first, int count);

    std::vector<int> ToVector() const;

private:
    void ApplyStep(int upTo);
    void BackStep(int to);

    GapBuffer<std::vector<int>> starts_;
    int stepLine_ = 0;    // lines after this one lack stepLength_ in starts_
    int stepLength_ = 0;
};

}  // namespace tarnwick
