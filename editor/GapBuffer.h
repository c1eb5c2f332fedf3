#pragma once

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <type_traits>
#include <utility>

namespace tarnwick {

// A sequence kept in one block with a gap where the last change happened:
// inserting or deleting next to the gap moves no element, and moving the gap
// costs only the elements between its old and new place. Storage is a
// std::string or a std::vector of a trivially copyable type; a std::string
// body can be taken over without copying and handed out whole (Contiguous).
//
// Layout of body_: [0, gapStart_) elements, [gapStart_, gapStart_ + gapLength_)
// the gap, then the rest of the elements. Spare capacity of body_ beyond its
// size serves as more gap once the gap is at the end.
template <typename Storage>
class GapBuffer {
public:
    using Value = typename Storage::value_type;
    static_assert(std::is_trivially_copyable_v<Value>);

    GapBuffer() = default;
    // Takes the elements over as they are, with the gap at the end.
    explicit GapBuffer(Storage elements)
        : body_(std::move(elements)), gapStart_(static_cast<int>(body_.size())) {}

    int Length() const { return static_cast<int>(body_.size()) - gapLength_; }

    Value At(int pos) const { return body_[pos < gapStart_ ? pos : pos + gapLength_]; }
    void Set(int pos, Value value) { body_[pos < gapStart_ ? pos : pos + gapLength_] = value; }

    // Copies [pos, pos + count) to out.
    void CopyOut(int pos, int count, Value* out) const {
        const int first = std::clamp(gapStart_ - pos, 0, count);
        Copy(out, body_.data() + pos, first);
        Copy(out + first, body_.data() + pos + first + gapLength_, count - first);
    }
    Storage Slice(int pos, int count) const {
        Storage out(static_cast<std::size_t>(count), Value{});
        CopyOut(pos, count, out.data());
        return out;
    }

    void Insert(int pos, const Value* values, int count) {
        if (count <= 0) return;
        RoomFor(count, pos);
        GapTo(pos);
        Copy(body_.data() + gapStart_, values, count);
        gapStart_ += count;
        gapLength_ -= count;
    }
    void InsertFill(int pos, Value value, int count) {
        if (count <= 0) return;
        RoomFor(count, pos);
        GapTo(pos);
        std::fill_n(body_.data() + gapStart_, count, value);
        gapStart_ += count;
        gapLength_ -= count;
    }
    void Delete(int pos, int count) {
        if (count <= 0) return;
        GapTo(pos);
        gapLength_ += count;
    }

    void Fill(int pos, int count, Value value) {
        const int first = std::clamp(gapStart_ - pos, 0, count);
        std::fill_n(body_.data() + pos, first, value);
        std::fill_n(body_.data() + pos + first + gapLength_, count - first, value);
    }

    // Adds delta to the elements [pos, pos + count).
    void AddToRange(int pos, int count, Value delta) {
        const int first = std::clamp(gapStart_ - pos, 0, count);
        for (Value *p = body_.data() + pos, *end = p + first; p != end; ++p) *p += delta;
        for (Value *p = body_.data() + pos + first + gapLength_, *end = p + (count - first); p != end; ++p) *p += delta;
    }

    // [pos, pos + count) as one run of elements, moving the gap out of it when
    // it lies inside (which moves at most count elements). Valid until the
    // next change or the next call of RangePointer or Contiguous.
    const Value* RangePointer(int pos, int count) {
        if (pos < gapStart_ && pos + count > gapStart_ && gapLength_ > 0)
            GapTo(gapStart_ - pos <= pos + count - gapStart_ ? pos : pos + count);
        return body_.data() + (pos < gapStart_ ? pos : pos + gapLength_);
    }

    // Every element in one block, the gap moved to the end and left out of
    // the size (it stays as spare capacity). Valid as RangePointer.
    const Storage& Contiguous() {
        GapTo(Length());
        body_.resize(static_cast<std::size_t>(gapStart_));
        gapLength_ = 0;
        return body_;
    }

    // Every element in one block, handed over; the buffer is left empty.
    Storage Release() {
        Contiguous();
        Storage out = std::move(body_);
        body_ = Storage();
        gapStart_ = gapLength_ = 0;
        return out;
    }

    // Calls f(run, count) on the runs that hold [pos, pos + count) in order.
    template <typename F>
    void ForEachRun(int pos, int count, F f) const {
        const int first = std::clamp(gapStart_ - pos, 0, count);
        if (first > 0) f(body_.data() + pos, first);
        if (count > first) f(body_.data() + pos + first + gapLength_, count - first);
    }

private:
    static void Copy(Value* to, const Value* from, int count) {
        if (count > 0) std::memmove(to, from, static_cast<std::size_t>(count) * sizeof(Value));
    }

    void GapTo(int pos) {
        if (pos == gapStart_) return;
        Value* data = body_.data();
        if (gapLength_ > 0) {
            if (pos < gapStart_)
                Copy(data + pos + gapLength_, data + pos, gapStart_ - pos);
            else
                Copy(data + gapStart_, data + gapStart_ + gapLength_, pos - gapStart_);
        }
        gapStart_ = pos;
    }

    // Makes the gap at least `count` long, for an insertion at pos. Spare
    // capacity is used first: a gap at the end grows into it a little at a
    // time (what it takes is zeroed), a gap elsewhere takes all of it, as the
    // elements after the gap move anyway. Otherwise the elements move once to
    // a block with the gap at pos, a thirty-second of the length long, so that
    // a long run of typing seldom moves them all and the gap costs little memory.
    void RoomFor(int count, int pos) {
        if (gapLength_ >= count) return;
        const std::size_t size = body_.size();
        // Elements are counted in ints: spare capacity past what an int reaches stays unused.
        const std::size_t spare = std::min<std::size_t>(body_.capacity(), std::numeric_limits<int>::max()) - size;
        const std::size_t missing = static_cast<std::size_t>(count - gapLength_);
        if (spare >= missing) {
            const int after = static_cast<int>(size) - gapStart_ - gapLength_;
            const std::size_t grow = after > 0 ? spare : std::min(spare, std::max(missing, kMinGrowth));
            body_.resize(size + grow);
            Copy(body_.data() + gapStart_ + gapLength_ + grow, body_.data() + gapStart_ + gapLength_, after);
            gapLength_ += static_cast<int>(grow);
            return;
        }
        const int length = Length();
        const std::size_t gap = std::max({static_cast<std::size_t>(count), static_cast<std::size_t>(length) / 32, kMinGrowth});
        Storage grown;
        grown.reserve(static_cast<std::size_t>(length) + gap);  // a fresh block of just this size
        auto append = [&grown](const Value* run, int n) { grown.insert(grown.end(), run, run + n); };
        ForEachRun(0, pos, append);
        grown.resize(static_cast<std::size_t>(pos) + gap);
        ForEachRun(pos, length - pos, append);
        body_.swap(grown);
        gapStart_ = pos;
        gapLength_ = static_cast<int>(gap);
    }

    static constexpr std::size_t kMinGrowth = 4096;

    Storage body_;
    int gapStart_ = 0;
    int gapLength_ = 0;
};

}  // namespace tarnwick
