#include "language/ScriptAnalysis.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace tarnwick::language {
namespace {

enum class Rest : bool { Stays, Moves };

// Replaces kept[from, to) with fresh[freshFrom, freshTo): `moveFresh` puts each new
// item in place, `moveRest` each kept item after the replaced ones (unless they stay).
template <class T, class MoveFresh, class MoveRest>
void Splice(std::vector<T>& kept, std::size_t from, std::size_t to, std::vector<T>& fresh, std::size_t freshFrom,
            std::size_t freshTo, MoveFresh moveFresh, MoveRest moveRest, Rest rest = Rest::Moves) {
    for (std::size_t i = freshFrom; i < freshTo; ++i) moveFresh(fresh[i]);
    if (rest == Rest::Moves)
        for (std::size_t i = to; i < kept.size(); ++i) moveRest(kept[i]);
    const auto at = [](auto& list, std::size_t i) { return list.begin() + static_cast<std::ptrdiff_t>(i); };
    const std::size_t count = freshTo - freshFrom;
    const std::size_t gap = to - from;
    if (count <= gap) {
        std::move(at(fresh, freshFrom), at(fresh, freshTo), at(kept, from));
        kept.erase(at(kept, from + count), at(kept, to));
    } else {
        std::move(at(fresh, freshFrom), at(fresh, freshFrom + gap), at(kept, from));
        kept.insert(at(kept, to), std::make_move_iterator(at(fresh, freshFrom + gap)),
                    std::make_move_iterator(at(fresh, freshTo)));
    }
}

// Moves what a scope holds by `by` bytes and renumbers the scopes it names with `index`.
template <class Index>
void MoveScope(Scope& scope, std::int32_t by, Index index) {
    scope.span.offset += by;
    scope.nameSpan.offset += by;
    if (scope.parent >= 0) scope.parent = index(scope.parent);
    for (Declaration& d : scope.declarations) {
        d.span.offset += by;
        if (d.scope >= 0) d.scope = index(d.scope);
    }
    for (Reference& r : scope.references) r.span.offset += by;
    for (Span& s : scope.onErrorResumeNext) s.offset += by;
    for (Span& s : scope.onErrorGoTo0) s.offset += by;
}

// Moves list[from, upTo) into place by `by` and lets the items from `upTo` on lag instead.
template <class T, class Move>
void Settle(std::vector<T>& list, std::size_t& from, std::int32_t by, std::size_t upTo, Move move) {
    upTo = std::min(upTo, list.size());
    if (by != 0) {
        for (std::size_t i = from; i < upTo; ++i) move(list[i], by);
        for (std::size_t i = upTo; i < std::min(from, list.size()); ++i) move(list[i], -by);
    }
    from = upTo;
}
const auto kMoveSpan = [](auto& item, std::int32_t by) { item.span.offset += by; };
const auto kMoveOffset = [](auto& item, std::int32_t by) { item.offset += by; };

bool StartsWithByteOrderMark(std::string_view text) { return text.substr(0, 3) == "\xEF\xBB\xBF"; }

// Printable ASCII and tabs: a column of such text counts its bytes in either form.
bool IsPlain(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= ' ' && c < 0x7F) || c == '\t'; });
}

// Where a piece of the text before an edit lies after it; false when the edit changes the piece.
struct EditMap {
    std::int32_t offset;
    std::int32_t removed;
    std::int32_t delta;

    bool Place(std::int32_t& at, bool asEnd) const {
        if (at < offset || (asEnd && at == offset)) return true;
        if (at < offset + removed) return false;
        at += delta;
        return true;
    }
    // A name or a statement: wholly before or wholly after the edit.
    bool Move(Span& span) const {
        if (span.offset < offset) return span.End() <= offset;
        return Place(span.offset, false);
    }
    // A block: around the edit, it takes the edit's size.
    bool MoveAround(Span& span) const {
        std::int32_t end = span.End();
        if (!Place(span.offset, false) || !Place(end, true)) return false;
        span.length = end - span.offset;
        return true;
    }
};

// The kept `old` items, moved by the edit, are the `fresh` ones read again
// (at `start`, with scope `k` of the fresh reading numbered `k - 1 + firstScope`).
bool Same(Declaration old, Declaration fresh, const EditMap& edit, std::int32_t start, std::int32_t firstScope) {
    fresh.span.offset += start;
    if (fresh.scope > 0) fresh.scope += firstScope - 1;
    return edit.Move(old.span) && old == fresh;
}
bool Same(Reference old, Reference fresh, const EditMap& edit, std::int32_t start, std::int32_t) {
    fresh.span.offset += start;
    return edit.Move(old.span) && old == fresh;
}
bool Same(Span old, Span fresh, const EditMap& edit, std::int32_t start, std::int32_t) {
    fresh.offset += start;
    return edit.Move(old) && old == fresh;
}
bool Same(ObjectAssignment old, ObjectAssignment fresh, const EditMap& edit, std::int32_t start, std::int32_t) {
    fresh.span.offset += start;
    return edit.Move(old.span) && old == fresh;
}
template <class T>
bool SameList(const std::vector<T>& old, std::size_t from, std::size_t to, const std::vector<T>& fresh,
              std::size_t count, const EditMap& edit, std::int32_t start, std::int32_t firstScope) {
    if (to - from != count) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (!Same(old[from + i], fresh[i], edit, start, firstScope)) return false;
    return true;
}
// The scope itself, not what it holds.
bool SameHeader(const Scope& old, const Scope& fresh, const EditMap& edit, std::int32_t start, std::int32_t firstScope) {
    Span span = old.span;
    Span freshSpan = fresh.span;
    freshSpan.offset += start;
    const int parent = fresh.parent > 0 ? fresh.parent + firstScope - 1 : fresh.parent;
    return edit.MoveAround(span) && span == freshSpan && Same(old.nameSpan, fresh.nameSpan, edit, start, 0) &&
           old.kind == fresh.kind && old.procedure == fresh.procedure && old.name == fresh.name &&
           old.parent == parent && old.access == fresh.access && old.isDefault == fresh.isDefault &&
           old.parameters == fresh.parameters;
}
bool Same(const Scope& old, const Scope& fresh, const EditMap& edit, std::int32_t start, std::int32_t firstScope) {
    return SameHeader(old, fresh, edit, start, firstScope) &&
           SameList(old.declarations, 0, old.declarations.size(), fresh.declarations, fresh.declarations.size(), edit,
                    start, firstScope) &&
           SameList(old.references, 0, old.references.size(), fresh.references, fresh.references.size(), edit, start,
                    firstScope) &&
           SameList(old.onErrorResumeNext, 0, old.onErrorResumeNext.size(), fresh.onErrorResumeNext,
                    fresh.onErrorResumeNext.size(), edit, start, firstScope) &&
           SameList(old.onErrorGoTo0, 0, old.onErrorGoTo0.size(), fresh.onErrorGoTo0, fresh.onErrorGoTo0.size(), edit,
                    start, firstScope);
}

}  // namespace

ScriptAnalysis::ScriptAnalysis(std::string text, TextForm form, CheckOptions options)
    : text_(std::move(text)), form_(form), options_(options) {
    // The first reading takes the whole text: no statement is asked where to stop, and the
    // starts go straight where they are kept (one for every 40 bytes or so: grown rarely).
    statements_.reserve(text_.size() / 40 + 1);
    Parser parser(text_, form_, readErrors_);
    parser.NoteStatementStarts(statements_, {}, false);
    analysis_.tree = parser.Run();
    for (const StatementStart& s : statements_) {
        optionExplicitUnits_ += s.optionExplicit;
        executesCodeUnits_ += s.executesCode;
    }
    analysis_.tree.optionExplicit = optionExplicitUnits_ > 0;
    analysis_.tree.executesCode = executesCodeUnits_ > 0;
    lastRead_ = text_.size();
    Finish();
}

void ScriptAnalysis::SettleAt(const StatementStart& upTo, std::size_t statement) {
    SyntaxTree& tree = analysis_.tree;
    Scope& script = tree.scopes.front();
    const auto index = [](std::int32_t count) { return static_cast<std::size_t>(count); };
    Settle(statements_, lags_.statements.from, lags_.statements.by, statement, kMoveOffset);
    Settle(tree.scopes, lags_.scopes.from, lags_.scopes.by, index(upTo.scopes),
           [](Scope& scope, std::int32_t by) { MoveScope(scope, by, [](int k) { return k; }); });
    Settle(script.declarations, lags_.declarations.from, lags_.declarations.by, index(upTo.declarations), kMoveSpan);
    Settle(script.references, lags_.references.from, lags_.references.by, index(upTo.references), kMoveSpan);
    Settle(script.onErrorResumeNext, lags_.resumeNext.from, lags_.resumeNext.by, index(upTo.resumeNext), kMoveOffset);
    Settle(script.onErrorGoTo0, lags_.goTo0.from, lags_.goTo0.by, index(upTo.goTo0), kMoveOffset);
    Settle(tree.objectsWithoutSet, lags_.objectsWithoutSet.from, lags_.objectsWithoutSet.by,
           index(upTo.objectsWithoutSet), kMoveSpan);
}

void ScriptAnalysis::SettleDiagnostics(std::size_t upTo) {
    Settle(analysis_.diagnostics, lags_.diagnostics.from, lags_.diagnostics.by, upTo, kMoveOffset);
}

void ScriptAnalysis::SettleAll() {
    constexpr std::int32_t kAll = std::numeric_limits<std::int32_t>::max();
    SettleAt({0, false, false, false, kAll, kAll, kAll, kAll, kAll, kAll}, statements_.size());
    SettleDiagnostics(analysis_.diagnostics.size());
    lags_ = {};
}

std::span<const Diagnostic> ScriptAnalysis::FirstDiagnostics(std::size_t count) {
    count = std::min(count, analysis_.diagnostics.size());
    if (lags_.diagnostics.from < count) SettleDiagnostics(count);
    return std::span(analysis_.diagnostics).first(count);
}

std::size_t ScriptAnalysis::StatementAtOrAfter(std::size_t from, std::int64_t offset) const {
    std::size_t count = statements_.size() - std::min(from, statements_.size());
    while (count > 0) {
        const std::size_t half = count / 2;
        if (StatementOffset(from + half) < offset) {
            from += half + 1;
            count -= half + 1;
        } else {
            count = half;
        }
    }
    return from;
}

void ScriptAnalysis::Replace(std::size_t offset, std::size_t removed, std::string_view inserted) {
    offset = std::min(offset, text_.size());
    removed = std::min(removed, text_.size() - offset);
    // Typing within a line: the checks after reading may find all they found before, only moved.
    plainEdit_ = IsPlain(inserted) && IsPlain(std::string_view(text_).substr(offset, removed)) &&
                 !(offset > 0 && text_[offset - 1] == '\r');
    text_.replace(offset, removed, inserted);
    // A UTF-8 sequence right after the edit may count its units differently now.
    const std::string_view next = std::string_view(text_).substr(offset + inserted.size(), 3);
    plainEdit_ = plainEdit_ && std::none_of(next.begin(), next.end(), [](char c) { return c & 0x80; });
    // The statement before the one the edit starts at: an edit at a line's start may join it to the line before.
    int first = static_cast<int>(StatementAtOrAfter(0, static_cast<std::int64_t>(offset))) - 1;
    // A byte order mark counts only at the text's start: read from there.
    if (first >= 0 && form_ == TextForm::Utf8 &&
        StartsWithByteOrderMark(std::string_view(text_).substr(static_cast<std::size_t>(StatementOffset(first)))))
        first = -1;
    ReadAgain(first, offset, removed, inserted.size());
}

void ScriptAnalysis::ReadAgain(int first, std::size_t offset, std::size_t removed, std::size_t inserted) {
    const std::int32_t start = first < 0 ? 0 : StatementOffset(static_cast<std::size_t>(first));
    const std::int32_t delta = static_cast<std::int32_t>(inserted) - static_cast<std::int32_t>(removed);
    const std::size_t editEnd = offset + inserted;

    // Read until a statement start that the kept reading has too, moved by the edit.
    std::vector<RawDiagnostic> errors;
    std::vector<StatementStart> starts;
    std::size_t resumeAt = statements_.size();  // the kept statement the reading stopped at
    StatementStart stop;                         // the fresh reading's counts there
    Parser parser(std::string_view(text_).substr(static_cast<std::size_t>(start)), form_, errors);
    parser.KeepNamesIn(analysis_.tree.names.table);  // its uses join the tree's
    parser.NoteStatementStarts(
        starts,
        [&](const StatementStart& s) {
            const std::size_t at = static_cast<std::size_t>(start) + static_cast<std::size_t>(s.offset);
            // Not at the text's end: an unclosed block before it is reported there.
            if (s.offset == 0 || at < editEnd || at >= text_.size()) return false;
            const std::int64_t old = static_cast<std::int64_t>(at) - delta;
            if (old == 0) return false;  // the kept reading skipped a byte order mark there
            const std::size_t found = StatementAtOrAfter(static_cast<std::size_t>(first + 1), old);
            if (found == statements_.size() || StatementOffset(found) != old ||
                statements_[found].statementSeen != s.statementSeen)
                return false;
            resumeAt = found;
            stop = s;
            return true;
        },
        first >= 0 && statements_[static_cast<std::size_t>(first)].statementSeen);
    SyntaxTree fresh = parser.Run();
    const bool resumed = resumeAt < statements_.size();
    Scope& freshScript = fresh.scopes.front();
    if (!resumed) {
        stop = {static_cast<std::int32_t>(text_.size()) - start,
                false,
                false,
                false,
                static_cast<std::int32_t>(fresh.scopes.size()),
                static_cast<std::int32_t>(freshScript.declarations.size()),
                static_cast<std::int32_t>(freshScript.references.size()),
                static_cast<std::int32_t>(freshScript.onErrorResumeNext.size()),
                static_cast<std::int32_t>(freshScript.onErrorGoTo0.size()),
                static_cast<std::int32_t>(fresh.objectsWithoutSet.size())};
    }
    lastRead_ = static_cast<std::size_t>(stop.offset);

    // The whole text read again: the fresh reading is taken as it is, with nothing to splice.
    if (first < 0 && !resumed) {
        readErrors_ = std::move(errors);
        statements_ = std::move(starts);
        optionExplicitUnits_ = static_cast<int>(
            std::count_if(statements_.begin(), statements_.end(), [](const StatementStart& s) { return s.optionExplicit; }));
        executesCodeUnits_ = static_cast<int>(
            std::count_if(statements_.begin(), statements_.end(), [](const StatementStart& s) { return s.executesCode; }));
        analysis_.tree = std::move(fresh);
        analysis_.tree.scopes.front().span = {0, static_cast<std::int32_t>(text_.size())};
        analysis_.tree.optionExplicit = optionExplicitUnits_ > 0;
        analysis_.tree.executesCode = executesCodeUnits_ > 0;
        lags_ = {};
        nameUses_.Clear();
        lastLazy_ = false;
        return Finish();
    }

    // What the kept reading had made before the reading's start and before where it stopped.
    SyntaxTree& tree = analysis_.tree;
    Scope& script = tree.scopes.front();
    StatementStart before{0, false, false, false, 1, 0, 0, 0, 0, 0};
    if (first >= 0) before = statements_[static_cast<std::size_t>(first)];
    StatementStart upTo{0,
                        false,
                        false,
                        false,
                        static_cast<std::int32_t>(tree.scopes.size()),
                        static_cast<std::int32_t>(script.declarations.size()),
                        static_cast<std::int32_t>(script.references.size()),
                        static_cast<std::int32_t>(script.onErrorResumeNext.size()),
                        static_cast<std::int32_t>(script.onErrorGoTo0.size()),
                        static_cast<std::int32_t>(tree.objectsWithoutSet.size())};
    if (resumed) upTo = statements_[resumeAt];
    // As many scopes, names, uses and statements of each kind as before (as typing a name's
    // letters or a string's gives): what follows keeps its place in each list and its
    // numbering, and may lag instead of moving now.
    const bool lazy = resumed && stop.scopes - 1 == upTo.scopes - before.scopes &&
                      stop.declarations == upTo.declarations - before.declarations &&
                      stop.references == upTo.references - before.references &&
                      stop.resumeNext == upTo.resumeNext - before.resumeNext &&
                      stop.goTo0 == upTo.goTo0 - before.goTo0 &&
                      stop.objectsWithoutSet == upTo.objectsWithoutSet - before.objectsWithoutSet;
    if (lazy) SettleAt(upTo, resumeAt);
    else SettleAll();
    const Rest rest = lazy ? Rest::Stays : Rest::Moves;
    const std::int32_t keptFrom = resumed ? StatementOffset(resumeAt) : std::numeric_limits<std::int32_t>::max();

    // The findings stay, moved by the edit, when no error was found in what was read
    // again, then or now, and the checks after reading see the same names and blocks.
    const std::size_t replacedFrom = first < 0 ? 0 : static_cast<std::size_t>(first);
    const EditMap edit{static_cast<std::int32_t>(offset), static_cast<std::int32_t>(removed), delta};
    const auto flagsAfter = [&](int units, bool StatementStart::*flag) {
        for (std::size_t i = replacedFrom; i < resumeAt; ++i) units -= statements_[i].*flag;
        for (const StatementStart& s : starts) units += s.*flag;
        return units > 0;
    };
    const auto noErrorsBetween = [](const std::vector<RawDiagnostic>& list, std::int32_t from, std::int32_t to) {
        return std::none_of(list.begin(), list.end(), [&](const RawDiagnostic& e) { return e.offset >= from && e.offset < to; });
    };
    const std::size_t lineEnd = text_.find_first_of("\r\n", editEnd);
    const bool flagsKept = flagsAfter(optionExplicitUnits_, &StatementStart::optionExplicit) == tree.optionExplicit &&
                           flagsAfter(executesCodeUnits_, &StatementStart::executesCode) == tree.executesCode;
    const bool findingsMove =
        plainEdit_ && resumed && lineEnd != std::string::npos && flagsKept &&
        noErrorsBetween(readErrors_, start, keptFrom) && noErrorsBetween(errors, 0, stop.offset) &&
        upTo.scopes - before.scopes == stop.scopes - 1 &&
        [&] {
            for (std::int32_t k = 1; k < stop.scopes; ++k)
                if (!Same(tree.scopes[static_cast<std::size_t>(before.scopes + k - 1)], fresh.scopes[static_cast<std::size_t>(k)],
                          edit, start, before.scopes))
                    return false;
            return true;
        }() &&
        SameList(script.declarations, before.declarations, upTo.declarations, freshScript.declarations,
                 stop.declarations, edit, start, before.scopes) &&
        SameList(script.references, before.references, upTo.references, freshScript.references, stop.references, edit,
                 start, before.scopes) &&
        SameList(script.onErrorResumeNext, before.resumeNext, upTo.resumeNext, freshScript.onErrorResumeNext,
                 stop.resumeNext, edit, start, before.scopes) &&
        SameList(script.onErrorGoTo0, before.goTo0, upTo.goTo0, freshScript.onErrorGoTo0, stop.goTo0, edit, start,
                 before.scopes) &&
        SameList(tree.objectsWithoutSet, before.objectsWithoutSet, upTo.objectsWithoutSet, fresh.objectsWithoutSet,
                 stop.objectsWithoutSet, edit, start, before.scopes);

    // The names whose declarations or uses changed, in the scopes read again and in the
    // script's own statements read again (the lists keep their numbering: item by item).
    if (!lazy) nameUses_.Clear();
    struct Change {
        std::string name;
        bool declaration;
        Where where;
        bool fresh;
    };
    std::vector<Change> changes;
    std::vector<int> scopesAgain{0};
    // Errors in reading what was read again, then or now, take the whole checks.
    bool recheck = lazy && !findingsMove && plainEdit_ && flagsKept && options_.warnings &&
                   noErrorsBetween(readErrors_, start, keptFrom) && noErrorsBetween(errors, 0, stop.offset);
    for (std::int32_t k = 1; k < stop.scopes && recheck; ++k) {
        scopesAgain.push_back(before.scopes + k - 1);
        recheck = SameHeader(tree.scopes[static_cast<std::size_t>(before.scopes + k - 1)],
                             fresh.scopes[static_cast<std::size_t>(k)], edit, start, before.scopes);
    }
    // The index is made again only at a second such edit in a row (typing on in a name), not
    // at each one between edits that add or take away names and uses, which take the whole checks.
    recheck = recheck && (nameUses_.Built() || lastLazy_);
    lastLazy_ = lazy;
    if (lazy && !findingsMove && (recheck || nameUses_.Built())) {
        if (!nameUses_.Built()) nameUses_.Build(tree);
        const auto compare = [&](const auto& old, std::size_t from, std::size_t to, const auto& fresh,
                                 std::size_t count, bool declaration, std::int32_t scope) {
            for (std::size_t i = 0; i < std::max(to - from, count); ++i) {
                const Where where{scope, static_cast<std::int32_t>(from + i)};
                if (from + i < to && i < count && Same(old[from + i], fresh[i], edit, start, before.scopes)) continue;
                if (from + i < to) changes.push_back({std::string(old[from + i].name), declaration, where, false});
                if (i < count) changes.push_back({std::string(fresh[i].name), declaration, where, true});
            }
        };
        compare(script.declarations, static_cast<std::size_t>(before.declarations),
                static_cast<std::size_t>(upTo.declarations), freshScript.declarations,
                static_cast<std::size_t>(stop.declarations), true, 0);
        compare(script.references, static_cast<std::size_t>(before.references),
                static_cast<std::size_t>(upTo.references), freshScript.references,
                static_cast<std::size_t>(stop.references), false, 0);
        for (std::int32_t k = 1; k < stop.scopes; ++k) {
            const Scope& old = tree.scopes[static_cast<std::size_t>(before.scopes + k - 1)];
            const Scope& now = fresh.scopes[static_cast<std::size_t>(k)];
            compare(old.declarations, 0, old.declarations.size(), now.declarations, now.declarations.size(), true,
                    before.scopes + k - 1);
            compare(old.references, 0, old.references.size(), now.references, now.references.size(), false,
                    before.scopes + k - 1);
        }
    }
    std::vector<std::string> touched;
    for (const Change& c : changes) touched.push_back(c.name);
    std::sort(touched.begin(), touched.end());
    touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
    std::vector<RawDiagnostic> gone;
    if (recheck)
        FindingsOf(touched, scopesAgain, static_cast<std::size_t>(before.objectsWithoutSet),
                   static_cast<std::size_t>(upTo.objectsWithoutSet), gone);
    for (const Change& c : changes)
        if (!c.fresh) nameUses_.Remove(c.name, c.declaration, c.where);

    // The errors: the kept ones before the start and after the stop, the fresh ones between.
    std::vector<RawDiagnostic> read;
    read.reserve(readErrors_.size() + errors.size());
    for (RawDiagnostic& e : readErrors_)
        if (e.offset < start) read.push_back(std::move(e));
    for (RawDiagnostic& e : errors) {
        if (resumed && e.offset >= stop.offset) continue;  // the kept reading has those
        e.offset += start;
        read.push_back(std::move(e));
    }
    for (RawDiagnostic& e : readErrors_) {
        if (e.offset < keptFrom || e.offset < start) continue;
        e.offset += delta;
        read.push_back(std::move(e));
    }
    readErrors_ = std::move(read);

    // The tree: fresh scopes take the place of the ones read again, later ones are renumbered.
    const std::int32_t added = stop.scopes - 1;
    const auto keptIndex = [&](int k) { return k >= upTo.scopes ? k + before.scopes + added - upTo.scopes : k; };
    const auto freshIndex = [&](int k) { return k == 0 ? 0 : k - 1 + before.scopes; };
    Splice(tree.scopes, static_cast<std::size_t>(before.scopes), static_cast<std::size_t>(upTo.scopes), fresh.scopes, 1,
           static_cast<std::size_t>(stop.scopes), [&](Scope& s) { MoveScope(s, start, freshIndex); },
           [&](Scope& s) { MoveScope(s, delta, keptIndex); }, rest);
    Scope& kept = tree.scopes.front();
    const auto moveSpan = [](std::int32_t by) { return [by](auto& item) { item.span.offset += by; }; };
    const auto moveDeclaration = [](std::int32_t by, auto index) {
        return [by, index](Declaration& d) {
            d.span.offset += by;
            if (d.scope >= 0) d.scope = index(d.scope);
        };
    };
    const auto moveBare = [](std::int32_t by) { return [by](Span& s) { s.offset += by; }; };
    Splice(kept.declarations, before.declarations, upTo.declarations, freshScript.declarations, 0,
           stop.declarations, moveDeclaration(start, freshIndex), moveDeclaration(delta, keptIndex), rest);
    Splice(kept.references, before.references, upTo.references, freshScript.references, 0, stop.references,
           moveSpan(start), moveSpan(delta), rest);
    Splice(kept.onErrorResumeNext, before.resumeNext, upTo.resumeNext, freshScript.onErrorResumeNext, 0,
           stop.resumeNext, moveBare(start), moveBare(delta), rest);
    Splice(kept.onErrorGoTo0, before.goTo0, upTo.goTo0, freshScript.onErrorGoTo0, 0, stop.goTo0, moveBare(start),
           moveBare(delta), rest);
    Splice(tree.objectsWithoutSet, before.objectsWithoutSet, upTo.objectsWithoutSet, fresh.objectsWithoutSet, 0,
           stop.objectsWithoutSet, moveSpan(start), moveSpan(delta), rest);
    kept.span = {0, static_cast<std::int32_t>(text_.size())};

    // The statement starts, with the counts of what was made before each.
    for (std::size_t i = replacedFrom; i < resumeAt; ++i) {
        optionExplicitUnits_ -= statements_[i].optionExplicit;
        executesCodeUnits_ -= statements_[i].executesCode;
    }
    for (const StatementStart& s : starts) {
        optionExplicitUnits_ += s.optionExplicit;
        executesCodeUnits_ += s.executesCode;
    }
    const auto rebase = [](StatementStart& s, const StatementStart& from, const StatementStart& to) {
        s.scopes += to.scopes - from.scopes;
        s.declarations += to.declarations - from.declarations;
        s.references += to.references - from.references;
        s.resumeNext += to.resumeNext - from.resumeNext;
        s.goTo0 += to.goTo0 - from.goTo0;
        s.objectsWithoutSet += to.objectsWithoutSet - from.objectsWithoutSet;
    };
    const StatementStart freshBase{0, false, false, false, 1, 0, 0, 0, 0, 0};
    StatementStart afterFresh = before;
    rebase(afterFresh, freshBase, stop);
    Splice(
        statements_, replacedFrom, resumeAt, starts, 0, starts.size(),
        [&](StatementStart& s) {
            s.offset += start;
            rebase(s, freshBase, before);
        },
        [&](StatementStart& s) {
            s.offset += delta;
            rebase(s, upTo, afterFresh);
        },
        rest);
    tree.optionExplicit = optionExplicitUnits_ > 0;
    tree.executesCode = executesCodeUnits_ > 0;
    if (lazy) {
        lags_.statements.from = replacedFrom + starts.size();
        for (Lag* lag : {&lags_.statements, &lags_.scopes, &lags_.declarations, &lags_.references, &lags_.resumeNext,
                         &lags_.goTo0, &lags_.objectsWithoutSet})
            lag->by += delta;
    }

    for (const Change& c : changes)
        if (c.fresh) nameUses_.Add(c.name, c.declaration, c.where);
    if (!findingsMove) {
        if (recheck) {
            std::vector<RawDiagnostic> come;
            FindingsOf(touched, scopesAgain, static_cast<std::size_t>(before.objectsWithoutSet),
                       static_cast<std::size_t>(before.objectsWithoutSet + stop.objectsWithoutSet), come);
            const std::size_t lineLast =
                lineEnd == std::string::npos ? text_.size() : lineEnd + (text_.compare(lineEnd, 2, "\r\n") == 0 ? 1 : 0);
            if (Refind(std::move(gone), std::move(come), offset, delta, lineLast)) return;
        }
        return Finish();
    }
    // Moved: the ones after the edit, and on its line by as many columns as bytes.
    const std::size_t lineLast = lineEnd + (text_.compare(lineEnd, 2, "\r\n") == 0 ? 1 : 0);
    std::vector<Diagnostic>& found = analysis_.diagnostics;
    const auto moved = [&](Diagnostic& d) {
        if (static_cast<std::size_t>(d.offset) <= lineLast) d.column += delta;
    };
    if (!diagnosticsInOrder_) {
        SettleDiagnostics(found.size());
        for (Diagnostic& d : found) {
            if (d.offset < static_cast<std::int32_t>(offset)) continue;
            d.offset += delta;
            moved(d);
        }
        return;
    }
    // In order: the ones after the edit lag, but for the few on its line.
    const Lag& lag = lags_.diagnostics;
    const std::size_t from = static_cast<std::size_t>(
        std::partition_point(found.begin(), found.end(),
                             [&, base = found.data()](const Diagnostic& d) {
                                 const bool lags = static_cast<std::size_t>(&d - base) >= lag.from;
                                 return d.offset + (lags ? lag.by : 0) < static_cast<std::int32_t>(offset);
                             }) -
        found.begin());
    SettleDiagnostics(from);
    lags_.diagnostics.by += delta;
    for (std::size_t i = from; i < found.size() && static_cast<std::size_t>(found[i].offset + lag.by) <= lineLast; ++i)
        found[i].column += delta;
}

void ScriptAnalysis::Finish() {
    SettleAll();
    FinishAnalysis(text_, form_, options_, readErrors_, analysis_);
    diagnosticsInOrder_ = std::is_sorted(analysis_.diagnostics.begin(), analysis_.diagnostics.end(),
                                         [](const Diagnostic& a, const Diagnostic& b) { return a.offset < b.offset; });
}

}  // namespace tarnwick::language
