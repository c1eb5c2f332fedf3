#include "editor/LineStarts.h"

namespace tarnwick {

void LineStarts::Reset(std::vector<int> starts) {
    starts_ = GapBuffer<std::vector<int>>(std::move(starts));
    stepLine_ = 0;
    stepLength_ = 0;
}

int LineStarts::LineOf(int pos) const {
    int low = 0;
    int high = Count() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (Start(middle) <= pos)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// Adds the pending step to the starts of lines (stepLine_, upTo].
void LineStarts::ApplyStep(int upTo) {
    upTo = std::min(upTo, Count() - 1);
    if (stepLength_ != 0 && upTo > stepLine_) starts_.AddToRange(stepLine_ + 1, upTo - stepLine_, stepLength_);
    stepLine_ = upTo;
    if (stepLine_ >= Count() - 1) stepLength_ = 0;
}

// Takes the pending step back out of the starts of lines (to, stepLine_].
void LineStarts::BackStep(int to) {
    if (stepLength_ != 0 && stepLine_ > to) starts_.AddToRange(to + 1, stepLine_ - to, -stepLength_);
    stepLine_ = to;
}

void LineStarts::Shift(int line, int delta) {
    if (delta == 0 || line >= Count() - 1) return;
    if (stepLength_ == 0) {
        stepLine_ = line;
        stepLength_ = delta;
    } else if (line >= stepLine_) {
        ApplyStep(line);
        stepLength_ += delta;
    } else if (line >= stepLine_ - Count() / 10) {
        BackStep(line);
        stepLength_ += delta;
    } else {
        ApplyStep(Count() - 1);
        stepLine_ = line;
        stepLength_ = delta;
    }
}

void LineStarts::Insert(int line, int start) {
    if (stepLine_ < line) ApplyStep(line);
    starts_.InsertFill(line, start, 1);
    // The line pushed down from `line` was at or before the step: it stays there.
    if (stepLine_ >= line) ++stepLine_;
}

void LineStarts::Remove(int first, int count) {
    if (count <= 0) return;
    const int last = first + count - 1;
    if (stepLine_ < last) ApplyStep(last);
    starts_.Delete(first, count);
    stepLine_ -= count;
}

std::vector<int> LineStarts::ToVector() const {
    std::vector<int> out(static_cast<std::size_t>(Count()));
    for (int i = 0; i < Count(); ++i) out[static_cast<std::size_t>(i)] = Start(i);
    return out;
}

}  // namespace tarnwick
